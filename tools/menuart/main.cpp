// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the menu artwork PNGs into the folder given on the command line.
#include <QDir>
#include <QGuiApplication>
#include <cstdio>

#include "pictures.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    QDir().mkpath(out.path());
    using menuart::Button;
    const std::pair<const char*, QImage> files[] = {
        {"newgame.png", menuart::buttonPicture(Button::NewGame)},
        {"controls.png", menuart::buttonPicture(Button::Controls)},
        {"settings.png", menuart::buttonPicture(Button::Settings)},
        {"about.png", menuart::buttonPicture(Button::About)},
        {"options.png", menuart::optionsPicture()},
        {"title.png", menuart::titlePicture()},
        {"controls_bg.png", menuart::controlsPicture()},
    };
    int failures = 0;
    for (const auto& [name, image] : files) {
        const QString path = out.filePath(QLatin1String(name));
        // 24-bit pictures: no alpha channel in the files.
        if (!image.convertToFormat(QImage::Format_RGB888).save(path, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
