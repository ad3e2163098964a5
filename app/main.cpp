// Zembrik: starts the game window and runs it until the player closes it.
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "app/main_window.h"
#include "app/message_alerts.h"
#include "app/real_clock.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    zembrik::RealClock clock;
    zembrik::ClockSeeds seeds;
    zembrik::MessageAlerts alerts;
    zembrik::MainWindow w(QCoreApplication::applicationDirPath(),
                          zembrik::ShellServices{alerts, clock, seeds,
                                                 std::make_unique<zembrik::Sound>(),
                                                 [](int status) {
                                                     // Shut-down ends the process at once,
                                                     // even from inside a running game.
                                                     std::fflush(nullptr);
                                                     std::_Exit(status);
                                                 }});
    alerts.setOwner(&w);
    if (!w.startUp()) return 1;
    return app.exec();
}
