// SPDX-License-Identifier: GPL-3.0-or-later
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
#include "placement.h"

namespace zembrik {
namespace {

struct StderrAlerts : Alerts {
    void show(AlertIcon, const std::string& title, const std::string& text) override {
        std::fprintf(stderr, "zembrik-replaybot: %s: %s\n", title.c_str(), text.c_str());
    }
};

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
