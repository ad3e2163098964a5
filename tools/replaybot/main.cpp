// zembrik-replaybot: plays games in the real game window, pressing keys through the X server
// with xdotool, to make the replays shipped with the tests. It looks at the game record only to
// choose where each piece goes; everything else (keys, frame loop, clock, seeds, the replay
// written at the end) is the game's own. Run it under Xvfb: tools/replaybot/make_replays.
#include <QApplication>
#include <QProcess>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <thread>

#include "app/main_window.h"
#include "app/real_clock.h"
#include "pieces/fit.h"
#include "pieces/move.h"

namespace zembrik {
namespace {

struct StderrAlerts : Alerts {
    void show(AlertIcon, const std::string& title, const std::string& text) override {
        std::fprintf(stderr, "zembrik-replaybot: %s: %s\n", title.c_str(), text.c_str());
    }
};

// Where a piece should go: its rotation state and the column of its box.
struct Target {
    int16_t mode = 0, x = 3;
};

// Rates the well after putting piece (blox, mode) at box column x, dropped from row y: fewer
// holes, a lower and flatter stack and cleared rows are better.
double rate(const Game& g, int16_t blox, int16_t mode, int16_t x, int16_t y) {
    const int16_t landY = dropb(g, blox, x, y, mode);
    bool filled[kWellH][kWellW];
    for (int r = 0; r < kWellH; ++r)
        for (int c = 0; c < kWellW; ++c)
            filled[r][c] = g.field(c, r) != -1;
    for (int k = 0; k < 16; ++k) {
        if (g.shapes(blox, mode, k) == -1) continue;
        if (landY + k / 4 < 0) return -1e8; // above the well: the game would end
        filled[landY + k / 4][x + k % 4] = true;
    }
    int cleared = 0;
    bool full[kWellH] = {};
    for (int r = 0; r < kWellH; ++r) {
        full[r] = true;
        for (int c = 0; c < kWellW; ++c)
            full[r] = full[r] && filled[r][c];
        cleared += full[r];
    }
    int heights[kWellW] = {}, holes = 0;
    for (int c = 0; c < kWellW; ++c) {
        bool seen = false;
        for (int r = 0, skipped = 0; r < kWellH; ++r) {
            if (full[r]) {
                ++skipped;
                continue;
            }
            if (filled[r][c] && !seen) {
                seen = true;
                heights[c] = kWellH - r - (cleared - skipped);
            } else if (!filled[r][c] && seen) {
                ++holes;
            }
        }
    }
    int total = 0, bumps = 0, highest = 0;
    for (int c = 0; c < kWellW; ++c) {
        total += heights[c];
        highest = std::max(highest, heights[c]);
        if (c > 0) bumps += std::abs(heights[c] - heights[c - 1]);
    }
    return -0.51 * total + 0.76 * cleared - 0.36 * holes * 2 - 0.18 * bumps - 0.2 * highest;
}

// The best place the active piece can reach by turning where it is, then moving sideways.
Target choose(const Game& g) {
    Target best;
    double bestScore = -1e9;
    for (int16_t turns = 0; turns < 4; ++turns) {
        const auto mode = static_cast<int16_t>((g.curMode + turns) % 4);
        if (!IsOK(g, g.curBlox, mode, g.curX, g.curY)) continue;
        for (int dir : {-1, 1}) {
            for (auto x = g.curX; IsOK(g, g.curBlox, mode, x, g.curY);
                 x = static_cast<int16_t>(x + dir)) {
                const double score = rate(g, g.curBlox, mode, x, g.curY);
                if (score > bestScore) {
                    bestScore = score;
                    best = {mode, x};
                }
            }
        }
    }
    return best;
}

// Presses a key through the X server: down, held for two or three steps, up.
void tap(const char* key) {
    QProcess::startDetached("xdotool", {"keydown", key, "sleep", "0.04", "keyup", key});
}

// The time between taps: at the fast levels a piece rests on the floor at once and locks
// twenty steps later.
std::chrono::milliseconds tapGap(const Game& g) {
    return std::chrono::milliseconds(g.curLevel >= 10 ? 60 : 90);
}

class Bot : public QObject {
  public:
    Bot(MainWindow& w, int pieces, bool stalls, bool escapeAtEnd)
        : w_(w), pieces_(pieces), stalls_(stalls), escapeAtEnd_(escapeAtEnd) {
        connect(&timer_, &QTimer::timeout, this, [this] { look(); });
        timer_.start(5);
    }

  private:
    using Clock = std::chrono::steady_clock;

    void look() {
        const Game& g = w_.game();
        const auto now = Clock::now();
        if (g.inGame == InGame::Menu) {
            if (!started_) {
                if (now - lastTap_ > std::chrono::seconds(1)) {
                    tap("Return");
                    lastTap_ = now;
                }
                return;
            }
            std::fprintf(stderr, "zembrik-replaybot: game over after %d pieces\n", placed_);
            timer_.stop();
            QTimer::singleShot(500, &w_, [this] { w_.close(); });
            return;
        }
        started_ = true;
        if (now - lastTap_ < tapGap(g)) return;
        if (stalls_ && placed_ > 0 && placed_ % 25 == 0 && stalledAt_ != placed_) {
            // A stall of the whole program, as a busy machine makes one; every other one with
            // a key held down through it.
            const bool hold = placed_ % 50 == 0;
            if (hold && g.keyMlDown == 0) {
                if (!holding_) QProcess::startDetached("xdotool", {"keydown", "Left"});
                holding_ = true;
                return;
            }
            stalledAt_ = placed_;
            std::this_thread::sleep_for(std::chrono::milliseconds(2000 + 400 * (placed_ % 7)));
            if (hold) QProcess::startDetached("xdotool", {"keyup", "Left"});
            holding_ = false;
            lastTap_ = Clock::now();
            return;
        }
        const bool active = g.gameState == GameState::Falling || g.gameState == GameState::Landed;
        if (!active) {
            planned_ = false;
            return;
        }
        if (!planned_) {
            planned_ = true;
            ++placed_;
            taps_ = 0;
            target_ = choose(g);
            if (placed_ > pieces_) {
                if (escapeAtEnd_) {
                    tap("Escape");
                    lastTap_ = now;
                    return;
                }
                target_ = {g.curMode, g.curX}; // straight down until the well is full
            }
        }
        lastTap_ = now;
        if (++taps_ < 12 && g.curMode != target_.mode) {
            tap("Up");
        } else if (taps_ < 12 && g.curX < target_.x) {
            tap("Right");
        } else if (taps_ < 12 && g.curX > target_.x) {
            tap("Left");
        } else {
            tap(g.gameState == GameState::Falling ? "space" : "Down");
        }
    }

    MainWindow& w_;
    int pieces_;
    bool stalls_, escapeAtEnd_;
    QTimer timer_;
    bool started_ = false, planned_ = false, holding_ = false;
    int placed_ = 0, taps_ = 0, stalledAt_ = -1;
    Target target_;
    Clock::time_point lastTap_{};
};

} // namespace
} // namespace zembrik

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: zembrik-replaybot APPDIR PIECES [stalls] [escape]\n");
        return 2;
    }
    zembrik::RealClock clock;
    zembrik::ClockSeeds seeds;
    zembrik::StderrAlerts alerts;
    zembrik::MainWindow w(args[1], zembrik::ShellServices{alerts, clock, seeds,
                                                          std::make_unique<zembrik::Sound>(),
                                                          [](int status) {
                                                              std::fflush(nullptr);
                                                              std::_Exit(status);
                                                          }});
    if (!w.startUp()) return 1;
    QProcess::execute("xdotool", {"windowfocus", "--sync", QString::number(w.winId())});
    zembrik::Bot bot(w, args[2].toInt(), args.contains("stalls"), args.contains("escape"));
    return app.exec();
}
