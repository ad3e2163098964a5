// SPDX-License-Identifier: GPL-3.0-or-later
// zembrik-artgen: writes the shipped block styles and the application icon.
// Usage: zembrik-artgen <source folder>
// It writes gfx/<style>_*.png and data/<style>.style (five lines, CR LF) under that folder, and
// packaging/icons/<N>x<N>/zembrik.png for the sizes the desktop menus use.
#include <cstdio>
#include <string>

#include <QFile>
#include <QImage>

#include <QDir>

#include "block_art.h"
#include "icon_art.h"
#include "palette.h"
#include "well_art.h"

namespace {

bool save(const QImage& img, const std::string& path) {
    if (img.save(QString::fromStdString(path), "PNG")) return true;
    std::fprintf(stderr, "cannot write %s\n", path.c_str());
    return false;
}

bool writeStyle(const std::string& root, const std::string& name, const artgen::Palette& p) {
    const QImage sheet = artgen::blockSheet(p);
    const std::string files[5] = {name + "_blocks.png", name + "_blocks2.png", name + "_floor.png",
                                  name + "_wall.png", name + "_spare.png"};
    const QImage images[5] = {sheet, artgen::blockSheet2(p), artgen::floorImage(p),
                              artgen::wallImage(p), artgen::spareImage(p, sheet)};
    std::string text;
    for (int i = 0; i < 5; ++i) {
        if (!save(images[i], root + "/gfx/" + files[i])) return false;
        text += files[i] + "\r\n";
    }
    QFile style(QString::fromStdString(root + "/data/" + name + ".style"));
    if (!style.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "cannot write %s.style\n", name.c_str());
        return false;
    }
    style.write(text.data(), static_cast<qint64>(text.size()));
    return true;
}

// The icon in each size, drawn from the classic style's blocks.
bool writeIcons(const std::string& root) {
    const QImage sheet = artgen::blockSheet(artgen::classicPalette());
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const std::string dir =
            root + "/packaging/icons/" + std::to_string(size) + "x" + std::to_string(size);
        if (!QDir().mkpath(QString::fromStdString(dir)) ||
            !save(artgen::iconImage(sheet, size), dir + "/zembrik.png"))
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: zembrik-artgen <source folder>\n");
        return 2;
    }
    const std::string root = argv[1];
    const bool ok = writeStyle(root, "classic", artgen::classicPalette()) &&
                    writeStyle(root, "flat", artgen::flatPalette()) &&
                    writeStyle(root, "contrast", artgen::contrastPalette()) && writeIcons(root);
    return ok ? 0 : 1;
}
