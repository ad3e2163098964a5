// SPDX-License-Identifier: GPL-3.0-or-later
// zembrik-playbench: runs the real game window for a fixed time with no input and prints the
// steps its frame loop ran and the frames it drew, as one line of JSON.
#include <QApplication>
#include <QLabel>
#include <QMetaObject>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "app/main_window.h"
#include "app/real_clock.h"
#include "pass_watch.h"
#include "tools/bench_play/bench_window.h"

namespace {

int usage() {
    std::fprintf(stderr, "usage: zembrik-playbench [--seconds N] [--app DIR]\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    double seconds = 10;
    QString appDir = ZEMBRIK_APP_DIR;
    const QStringList args = QCoreApplication::arguments();
    for (qsizetype i = 1; i < args.size(); ++i) {
        if (args[i] == "--seconds" && i + 1 < args.size()) {
            bool ok = false;
            seconds = args[++i].toDouble(&ok);
            if (!ok || seconds <= 0 || seconds > 3600) return usage();
        } else if (args[i] == "--app" && i + 1 < args.size()) {
            appDir = args[++i];
        } else {
            return usage();
        }
    }

    zembrik::RealClock real;
    zembrik::PassWatch watch(real);
    zembrik::ClockSeeds seeds;
    zembrik::bench::StderrAlerts alerts("zembrik-playbench");
    zembrik::MainWindow w(appDir, zembrik::bench::benchServices(alerts, watch, seeds));
    if (!w.startUp()) return 1;
    // The frame loop writes its read-out, which the watch counts passes by, only while it is
    // shown.
    w.showDebug(true);

    // Esc after the time is up, delivered like a key press: it runs before the pass after the
    // deadline.
    const auto duration = static_cast<int64_t>(seconds * static_cast<double>(watch.frequency()));
    watch.watch(w.debugLabel(), duration, [&w] {
        QMetaObject::invokeMethod(
            &w,
            [&w] {
                if (w.game().inGame != zembrik::InGame::Menu) w.gotomenu();
            },
            Qt::QueuedConnection);
    });
    // exit(), not quit(): quit() asks every window to close first, and the window's shut-down
    // ends the process before the figures are printed.
    QObject::connect(&w.session(), &zembrik::GameSession::finished, &app,
                     [] { QCoreApplication::exit(0); });
    w.startGame();
    if (w.session().running()) QApplication::exec();
    watch.collect();

    const bool early = !watch.deadlineReached();
    std::printf("{\"seconds\": %.3f, \"steps\": %lld, \"frames\": %lld, \"expected_steps\": "
                "%lld, \"unreadable\": %lld, \"ended_early\": %s}\n",
                watch.elapsedSeconds(), static_cast<long long>(watch.steps()),
                static_cast<long long>(watch.frames()),
                static_cast<long long>(seconds * 60.0 + 0.5),
                static_cast<long long>(watch.unreadable()), early ? "true" : "false");
    std::fflush(stdout);
    return early || watch.unreadable() != 0 ? 1 : 0;
}
