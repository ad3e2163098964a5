// SPDX-License-Identifier: GPL-3.0-or-later
// Zembrik: starts the game window and runs it until the player closes it.
#include <QApplication>
#include <QIcon>
#include <cstdio>
#include <cstdlib>
#include <malloc.h>
#include <memory>

#include "app/art.h"
#include "app/language.h"
#include "app/main_window.h"
#include "app/message_alerts.h"
#include "app/places.h"
#include "app/real_clock.h"
#include "app/settings_file.h"
#include "store/safe_file.h"

int main(int argc, char** argv) {
    // A file-size limit makes a write fail, reported like a full disk, instead of ending us.
    zembrik::ignoreFileSizeSignal();
    QApplication app(argc, argv);
    // The desktop entry zembrik.desktop names this program; its icon is also built in, so a
    // portable folder shows it too.
    QGuiApplication::setDesktopFileName(QStringLiteral("zembrik"));
    // Each size decoded as the PNG it is: QIcon::addFile would load every image format plugin
    // to ask it about the file first.
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addPixmap(zembrik::artPixmap(QStringLiteral(":/icon/%1x%1/zembrik.png").arg(size)));
    QApplication::setWindowIcon(icon);
    // The language is chosen before the first text is made: the settings' choice, else the
    // desktop's. A change in the settings dialog applies at the next start.
    const zembrik::Places places = zembrik::findPlaces(QCoreApplication::applicationDirPath());
    zembrik::Translations translations;
    const QString language =
        zembrik::chosenLanguage(zembrik::readLanguageSetting(places), zembrik::processEnv);
    if (!translations.install(language, places.shipped + QStringLiteral("/translations")))
        std::fprintf(stderr, "zembrik: the %s translation could not be loaded; English is used\n",
                     qPrintable(language));
    zembrik::RealClock clock;
    zembrik::ClockSeeds seeds;
    zembrik::MessageAlerts alerts;
    zembrik::MainWindow w(places, zembrik::ShellServices{alerts, clock, seeds,
                                                         std::make_unique<zembrik::Sound>(),
                                                         [](int status) {
                                                             // Shut-down ends the process at once,
                                                             // even from inside a running game.
                                                             std::fflush(nullptr);
                                                             std::_Exit(status);
                                                         },
                                                         true});
    alerts.setOwner(&w);
    if (!w.startUp()) return 1;
    // Start-up frees more than it keeps (settings and style files read whole, the pictures'
    // and sounds' decoding buffers); the C library keeps freed memory resident in its heaps
    // until asked to give it back, about a megabyte here.
    malloc_trim(0);
    return app.exec();
}
