// SPDX-License-Identifier: GPL-3.0-or-later
// zembrik-keylat: the time from a key press to the first changed pixel of the well, read back
// from the X server's frame buffer.
//
//   zembrik-keylat PRESSES CMD ARGS...
//
// Starts the game (its settings must start it at level 10 or above with Enter, see
// tools/bench), waits for its window, starts a game with Enter and waits for the first piece
// to come to rest on the floor: from level 10 on a piece drops to the floor at once and lies
// there for its lock delay of 1000 steps, so only a key changes the well. Then, PRESSES times,
// it injects a rotation key through XTest (Up and Z in turn, so the piece turns back and
// forth) at a random moment, reads the well's pixels from the server back to back until they
// differ from those before the press, and takes that time. A piece that does not change when
// turned (a square one) or has lain for 13 s is dropped with Down and the next one is waited
// for. Prints one line: "presses=.. median_ms=.. p95_ms=.. min_ms=.. max_ms=.. unturned=..",
// then ends the game process. With ZEMBRIK_KEYLAT_ALL set it prints a second line, "ms=" and
// every press's time, to pool several runs.
//
// The figure includes one round trip of the read that sees the change (a fraction of a
// millisecond under Xvfb); the pixels are those the server holds, after the game's frame
// reached it.
#include <xcb/xcb.h>
#include <xcb/xtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <vector>

#include "x_common.h"

namespace {

using benchx::Reply;
using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

double msSince(Clock::time_point t) {
    return std::chrono::duration<double, std::milli>(Clock::now() - t).count();
}

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "zembrik-keylat: %s\n", what);
    std::exit(1);
}

class Session {
  public:
    explicit Session(xcb_connection_t* c) : c_(c) {
        root_ = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    }

    // The top-level window named exactly `name` that is mapped, or 0.
    xcb_window_t findWindow(const char* name) {
        Reply<xcb_query_tree_reply_t> tree(
            xcb_query_tree_reply(c_, xcb_query_tree(c_, root_), nullptr));
        if (!tree) return 0;
        const xcb_window_t* kids = xcb_query_tree_children(tree.get());
        for (int i = 0; i < xcb_query_tree_children_length(tree.get()); ++i) {
            Reply<xcb_get_window_attributes_reply_t> attr(xcb_get_window_attributes_reply(
                c_, xcb_get_window_attributes(c_, kids[i]), nullptr));
            if (!attr || attr->map_state != XCB_MAP_STATE_VIEWABLE) continue;
            Reply<xcb_get_property_reply_t> prop(
                xcb_get_property_reply(c_,
                                       xcb_get_property(c_, 0, kids[i], XCB_ATOM_WM_NAME,
                                                        XCB_GET_PROPERTY_TYPE_ANY, 0, 64),
                                       nullptr));
            if (!prop) continue;
            const std::string got(static_cast<const char*>(xcb_get_property_value(prop.get())),
                                  static_cast<size_t>(xcb_get_property_value_length(prop.get())));
            if (got == name) return kids[i];
        }
        return 0;
    }

    // The well's rectangle in the window: the 640 x 480 design at the largest whole scale that
    // fits the window, centred, as the game places it; the well surface at (216, 16), 192 x 457
    // less its last row, which the delay bar below covers (it counts the lock delay down).
    void placeWell(xcb_window_t w) {
        Reply<xcb_get_geometry_reply_t> g(
            xcb_get_geometry_reply(c_, xcb_get_geometry(c_, w), nullptr));
        if (!g) fail("cannot read the window's size");
        const int s = std::max(1, std::min(g->width / 640, g->height / 480));
        const int ox = (g->width - 640 * s) / 2, oy = (g->height - 480 * s) / 2;
        window_ = w;
        x_ = static_cast<int16_t>(ox + 216 * s);
        y_ = static_cast<int16_t>(oy + 16 * s);
        w_ = static_cast<uint16_t>(192 * s);
        h_ = static_cast<uint16_t>(456 * s);
    }

    // The well's pixels as the server holds them now.
    std::vector<uint8_t> well() {
        Reply<xcb_get_image_reply_t> img(xcb_get_image_reply(
            c_, xcb_get_image(c_, XCB_IMAGE_FORMAT_Z_PIXMAP, window_, x_, y_, w_, h_, ~0u),
            nullptr));
        if (!img) fail("cannot read the well's pixels");
        const uint8_t* d = xcb_get_image_data(img.get());
        return {d, d + xcb_get_image_data_length(img.get())};
    }

    // Waits until the well has not changed for `quiet`; false when that took over `limit`.
    bool settle(std::chrono::milliseconds quiet, std::chrono::milliseconds limit) {
        const auto start = Clock::now();
        std::vector<uint8_t> last = well();
        auto since = Clock::now();
        while (Clock::now() - since < quiet) {
            if (Clock::now() - start > limit) return false;
            std::this_thread::sleep_for(10ms);
            std::vector<uint8_t> now = well();
            if (now != last) {
                last = std::move(now);
                since = Clock::now();
            }
        }
        return true;
    }

    // Reads the well back to back until it differs from `before`; the milliseconds from
    // `pressed` to the reply that showed it, or a negative number after `limit`.
    double firstChange(const std::vector<uint8_t>& before, Clock::time_point pressed,
                       std::chrono::milliseconds limit) {
        while (Clock::now() - pressed < limit) {
            if (well() != before) return msSince(pressed);
        }
        return -1;
    }

    void focus() {
        xcb_set_input_focus(c_, XCB_INPUT_FOCUS_POINTER_ROOT, window_, XCB_CURRENT_TIME);
        xcb_flush(c_);
    }

    // The key code the server gives the key symbol, or 0.
    xcb_keycode_t keycode(uint32_t keysym) {
        const xcb_setup_t* setup = xcb_get_setup(c_);
        const int first = setup->min_keycode, count = setup->max_keycode - first + 1;
        Reply<xcb_get_keyboard_mapping_reply_t> map(xcb_get_keyboard_mapping_reply(
            c_,
            xcb_get_keyboard_mapping(c_, static_cast<xcb_keycode_t>(first),
                                     static_cast<uint8_t>(count)),
            nullptr));
        if (!map) return 0;
        const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(map.get());
        const int per = map->keysyms_per_keycode;
        for (int k = 0; k < count; ++k)
            for (int j = 0; j < per; ++j)
                if (syms[k * per + j] == keysym) return static_cast<xcb_keycode_t>(first + k);
        return 0;
    }

    // Injects a key press (down) or release through XTest; returns when it has been sent.
    void key(xcb_keycode_t code, bool down) {
        xcb_test_fake_input(c_, down ? XCB_KEY_PRESS : XCB_KEY_RELEASE, code, XCB_CURRENT_TIME,
                            XCB_NONE, 0, 0, 0);
        xcb_flush(c_);
    }

    void tap(xcb_keycode_t code) {
        key(code, true);
        std::this_thread::sleep_for(30ms);
        key(code, false);
    }

  private:
    xcb_connection_t* c_;
    xcb_window_t root_ = 0, window_ = 0;
    int16_t x_ = 0, y_ = 0;
    uint16_t w_ = 0, h_ = 0;
};

} // namespace

int main(int argc, char** argv) {
    if (argc < 3 || std::atoi(argv[1]) < 1) {
        std::fprintf(stderr, "usage: zembrik-keylat PRESSES CMD ARGS...\n");
        return 2;
    }
    const int presses = std::atoi(argv[1]);
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) fail("cannot open the display");
    Reply<xcb_test_get_version_reply_t> xtest(
        xcb_test_get_version_reply(c, xcb_test_get_version(c, 2, 2), nullptr));
    if (!xtest) fail("the X server has no XTest extension");
    Session s(c);

    const pid_t pid = benchx::startQuietly(argv + 2, "zembrik-keylat: exec");
    if (pid < 0) fail("cannot start the game");
    const auto end = [pid](int status) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        std::exit(status);
    };

    xcb_window_t w = 0;
    for (const auto start = Clock::now(); !w; std::this_thread::sleep_for(20ms)) {
        if (Clock::now() - start > 20s) {
            std::fprintf(stderr, "zembrik-keylat: no window named Zembrik\n");
            end(1);
        }
        w = s.findWindow("Zembrik");
    }
    s.placeWell(w);
    s.focus();
    const xcb_keycode_t enter = s.keycode(0xff0d), up = s.keycode(0xff52), z = s.keycode('z'),
                        down = s.keycode(0xff54);
    if (!enter || !up || !z || !down) {
        std::fprintf(stderr, "zembrik-keylat: the keyboard lacks Enter, Up, Z or Down\n");
        end(1);
    }

    // The first piece comes after the two-second entry delay and drops to the floor at once.
    std::this_thread::sleep_for(300ms);
    s.tap(enter);
    std::this_thread::sleep_for(2s);
    if (!s.settle(400ms, 5s)) {
        std::fprintf(stderr, "zembrik-keylat: the well never came to rest (level below 10?)\n");
        end(1);
    }

    std::mt19937 rng(20261208);
    std::uniform_int_distribution<int> pause(120, 320);
    std::vector<double> ms;
    int unturned = 0, turn = 0;
    auto landed = Clock::now();
    const auto nextPiece = [&] {
        s.tap(down); // a soft drop locks a resting piece at the next step
        std::this_thread::sleep_for(300ms);
        if (!s.settle(500ms, 5s)) {
            std::fprintf(stderr, "zembrik-keylat: the next piece never came to rest\n");
            end(1);
        }
        landed = Clock::now();
    };
    while (static_cast<int>(ms.size()) < presses) {
        if (Clock::now() - landed > 13s) nextPiece(); // before its lock delay runs out
        std::this_thread::sleep_for(std::chrono::milliseconds(pause(rng)));
        const std::vector<uint8_t> before = s.well();
        const xcb_keycode_t k = turn++ % 2 == 0 ? up : z;
        const auto pressed = Clock::now();
        s.key(k, true);
        const double t = s.firstChange(before, pressed, 300ms);
        s.key(k, false);
        if (t < 0) {
            // Nothing turned: a square piece, or one with no room to turn.
            ++unturned;
            if (unturned > presses) {
                std::fprintf(stderr, "zembrik-keylat: the pieces do not turn\n");
                end(1);
            }
            nextPiece();
            continue;
        }
        ms.push_back(t);
        s.settle(60ms, 2s);
    }

    std::sort(ms.begin(), ms.end());
    const auto at = [&ms](double q) {
        const size_t i = static_cast<size_t>(std::ceil(q * static_cast<double>(ms.size()))) - 1;
        return ms[std::min(i, ms.size() - 1)];
    };
    const double median =
        ms.size() % 2 ? ms[ms.size() / 2] : (ms[ms.size() / 2 - 1] + ms[ms.size() / 2]) / 2;
    std::printf("presses=%zu median_ms=%.1f p95_ms=%.1f min_ms=%.1f max_ms=%.1f unturned=%d\n",
                ms.size(), median, at(0.95), ms.front(), ms.back(), unturned);
    if (std::getenv("ZEMBRIK_KEYLAT_ALL")) {
        std::printf("ms=");
        for (size_t i = 0; i < ms.size(); ++i)
            std::printf(i ? ",%.2f" : "%.2f", ms[i]);
        std::printf("\n");
    }
    std::fflush(stdout);
    xcb_disconnect(c);
    end(0);
}
