// SPDX-License-Identifier: GPL-3.0-or-later
// zembrik-padbench: runs the real game window, with a game controller attached or without, idle
// on its menu or in play with no input, and prints the CPU it used and its main thread's
// wake-ups over a quiet period (after a second to settle) as one line of JSON. The controller is
// SDL's virtual joystick typed as a game controller, attached inside this process before the window
// starts its pads, so the pad code runs exactly as with a real pad plugged in (no hardware, no
// device node).
#include <SDL.h>

#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <time.h>
#include <unistd.h>

#include "app/main_window.h"
#include "app/pad_input.h"
#include "app/real_clock.h"
#include "tools/bench_play/bench_window.h"

namespace {

int usage() {
    std::fprintf(stderr, "usage: zembrik-padbench [--pad] [--play] [--seconds N] [--app DIR]\n");
    return 2;
}

// CPU time used so far, in seconds: the whole process (every thread: the game, the X event
// reader, the audio mixer, SDL's) or the calling thread. The kernel counts it to the
// nanosecond, where /proc's utime and stime move in 10 ms ticks.
double cpuSeconds(clockid_t which) {
    timespec t{};
    clock_gettime(which, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// The main thread's voluntary context switches: each is a wake-up after a sleep.
long long mainThreadWakeups() {
    std::ifstream f("/proc/self/task/" + std::to_string(getpid()) + "/status");
    std::string line;
    while (std::getline(f, line))
        if (line.rfind("voluntary_ctxt_switches:", 0) == 0)
            return std::atoll(line.c_str() + line.find(':') + 1);
    return 0;
}

double seconds() {
    return cpuSeconds(CLOCK_MONOTONIC);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    double quiet = 10;
    bool pad = false, play = false;
    QString appDir = ZEMBRIK_APP_DIR;
    const QStringList args = QCoreApplication::arguments();
    for (qsizetype i = 1; i < args.size(); ++i) {
        if (args[i] == "--seconds" && i + 1 < args.size()) {
            bool ok = false;
            quiet = args[++i].toDouble(&ok);
            if (!ok || quiet <= 0 || quiet > 3600) return usage();
        } else if (args[i] == "--app" && i + 1 < args.size()) {
            appDir = args[++i];
        } else if (args[i] == "--pad") {
            pad = true;
        } else if (args[i] == "--play") {
            play = true;
        } else {
            return usage();
        }
    }

    SDL_Joystick* joy = nullptr;
    if (pad) {
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) {
            std::fprintf(stderr, "zembrik-padbench: %s\n", SDL_GetError());
            return 1;
        }
        SDL_VirtualJoystickDesc d{};
        d.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        d.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        d.naxes = SDL_CONTROLLER_AXIS_MAX;
        d.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
        d.name = "bench pad";
        const int index = SDL_JoystickAttachVirtualEx(&d);
        joy = index >= 0 ? SDL_JoystickOpen(index) : nullptr;
        if (!joy) {
            std::fprintf(stderr, "zembrik-padbench: no virtual pad: %s\n", SDL_GetError());
            return 1;
        }
    }

    zembrik::RealClock clock;
    zembrik::ClockSeeds seeds;
    zembrik::bench::StderrAlerts alerts("zembrik-padbench");
    zembrik::MainWindow w(appDir, zembrik::bench::benchServices(alerts, clock, seeds));
    if (!w.startUp()) return 1;
    w.activateWindow();
    const int pads = w.pads() ? w.pads()->padCount() : 0;
    if (pad && pads != 1) {
        std::fprintf(stderr, "zembrik-padbench: the window opened %d pads, not 1\n", pads);
        return 1;
    }
    if (play) w.startGame();

    // A second to settle, then the quiet period.
    double cpu0 = 0, main0 = 0, t0 = 0;
    long long wake0 = 0;
    QTimer::singleShot(1000, Qt::PreciseTimer, [&] {
        cpu0 = cpuSeconds(CLOCK_PROCESS_CPUTIME_ID);
        main0 = cpuSeconds(CLOCK_THREAD_CPUTIME_ID);
        wake0 = mainThreadWakeups();
        t0 = seconds();
    });
    QTimer::singleShot(1000 + static_cast<int>(quiet * 1000), Qt::PreciseTimer, [&] {
        const double t = seconds() - t0;
        const double cpu = (cpuSeconds(CLOCK_PROCESS_CPUTIME_ID) - cpu0) / t * 100.0;
        const double mainCpu = (cpuSeconds(CLOCK_THREAD_CPUTIME_ID) - main0) / t * 100.0;
        const double wakeups = static_cast<double>(mainThreadWakeups() - wake0) / t;
        std::printf("{\"pad\": %s, \"play\": %s, \"seconds\": %.3f, \"cpu_pct\": %.3f, "
                    "\"main_cpu_pct\": %.3f, \"wakeups\": %.1f, \"in_game\": %s}\n",
                    pad ? "true" : "false", play ? "true" : "false", t, cpu, mainCpu, wakeups,
                    w.session().running() ? "true" : "false");
        std::fflush(stdout);
        std::_Exit(play && !w.session().running() ? 1 : 0);
    });
    return QApplication::exec();
}
