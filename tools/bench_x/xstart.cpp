// SPDX-License-Identifier: GPL-3.0-or-later
// zembrik-xstart: starts a program and reports how long it took until it showed a top-level
// window with a matching name, watching the X server's own map and property events.
//
//   zembrik-xstart NAME-REGEX CMD ARGS...   prints "startup_ms=.. pid=.. wid=.."
//
// The program keeps running after this tool has returned, its output going to /dev/null; the
// caller ends it.
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <regex>
#include <set>
#include <string>
#include <sys/wait.h>

#include "x_common.h"

namespace {

using benchx::Reply;
using Clock = std::chrono::steady_clock;

xcb_atom_t atom(xcb_connection_t* c, const char* name) {
    const Reply<xcb_intern_atom_reply_t> r(xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 0, static_cast<uint16_t>(std::string(name).size()), name), nullptr));
    return r ? r->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

// The window's name: _NET_WM_NAME when set, else WM_NAME.
std::string windowName(xcb_connection_t* c, xcb_window_t w, xcb_atom_t netName) {
    for (xcb_atom_t a : {netName, static_cast<xcb_atom_t>(XCB_ATOM_WM_NAME)}) {
        const Reply<xcb_get_property_reply_t> r(xcb_get_property_reply(
            c, xcb_get_property(c, 0, w, a, XCB_GET_PROPERTY_TYPE_ANY, 0, 1024), nullptr));
        if (r && xcb_get_property_value_length(r.get()) > 0)
            return std::string(static_cast<const char*>(xcb_get_property_value(r.get())),
                               static_cast<size_t>(xcb_get_property_value_length(r.get())));
    }
    return {};
}

bool viewable(xcb_connection_t* c, xcb_window_t w) {
    const Reply<xcb_get_window_attributes_reply_t> r(
        xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, w), nullptr));
    return r && r->map_state == XCB_MAP_STATE_VIEWABLE;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: zembrik-xstart NAME-REGEX CMD ARGS...\n");
        return 2;
    }
    const std::regex pattern(argv[1], std::regex::extended);
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "zembrik-xstart: cannot open the display\n");
        return 2;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const xcb_atom_t netName = atom(c, "_NET_WM_NAME");
    const uint32_t rootMask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &rootMask);
    xcb_flush(c);

    const auto t0 = Clock::now();
    const pid_t pid = benchx::startQuietly(argv + 2, "zembrik-xstart: exec");
    if (pid < 0) return 2;

    // A top-level window counts once it is mapped and carries a matching name; names are
    // watched from creation on, so a title set after mapping is seen too.
    std::set<xcb_window_t> mapped;
    const uint32_t propMask = XCB_EVENT_MASK_PROPERTY_CHANGE;
    auto matches = [&](xcb_window_t w) {
        return mapped.count(w) && std::regex_search(windowName(c, w, netName), pattern);
    };
    while (true) {
        Reply<xcb_generic_event_t> e(xcb_wait_for_event(c));
        if (!e) {
            std::fprintf(stderr, "zembrik-xstart: lost the display\n");
            return 1;
        }
        xcb_window_t candidate = XCB_WINDOW_NONE;
        switch (e->response_type & 0x7f) {
        case XCB_CREATE_NOTIFY: {
            const auto* ev = reinterpret_cast<xcb_create_notify_event_t*>(e.get());
            xcb_change_window_attributes(c, ev->window, XCB_CW_EVENT_MASK, &propMask);
            xcb_flush(c);
            break;
        }
        case XCB_MAP_NOTIFY: {
            const auto* ev = reinterpret_cast<xcb_map_notify_event_t*>(e.get());
            mapped.insert(ev->window);
            candidate = ev->window;
            break;
        }
        case XCB_UNMAP_NOTIFY:
            mapped.erase(reinterpret_cast<xcb_unmap_notify_event_t*>(e.get())->window);
            break;
        case XCB_PROPERTY_NOTIFY:
            candidate = reinterpret_cast<xcb_property_notify_event_t*>(e.get())->window;
            break;
        default:
            break;
        }
        if (candidate != XCB_WINDOW_NONE && matches(candidate) && viewable(c, candidate)) {
            const double ms = std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
            std::printf("startup_ms=%.1f pid=%d wid=%u\n", ms, static_cast<int>(pid),
                        static_cast<unsigned>(candidate));
            std::fflush(stdout);
            xcb_disconnect(c);
            return 0;
        }
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid) {
            std::fprintf(stderr, "zembrik-xstart: %s ended before showing a window\n", argv[2]);
            return 1;
        }
    }
}
