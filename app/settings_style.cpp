// SPDX-License-Identifier: GPL-3.0-or-later
// The settings reader and dialog wired to the renderer's block style loader.
#include <QFile>

#include "app/settings_dialog.h"
#include "app/settings_file.h"
#include "render/style_file.h"

namespace zembrik {

namespace {

// Loads a style by name: the player's one when there is one, its images from the player's
// gfx/ and else the shipped one.
StyleLoader styleLoader(Style& style, const Places& places) {
    return [&style, places](const std::string& name) -> std::string {
        // Only a plain file is opened: a pipe in its place would stall the game.
        if (!isPlainDataFile(places, name)) return name + ": not a readable file";
        // The images come from the gfx/ beside the style, the player's falling back to the
        // shipped one.
        const QString root = places.dataRoot(name);
        const std::string gfx = QFile::encodeName(root).toStdString() + "/gfx/";
        const std::string spare = root == places.shipped
                                      ? std::string()
                                      : QFile::encodeName(places.shipped).toStdString() + "/gfx/";
        return loadstyleFile(style, places.dataPath(name), gfx, spare);
    };
}

} // namespace

QStringList loadfile(Game& g, Settings& s, Style& style, const Places& places) {
    return loadfile(g, s, styleLoader(style, places), places);
}

SettingsDialog::SettingsDialog(Game& g, Settings& s, Style& style, const Places& places,
                               std::function<void(bool)> showDebug, QWidget* parent)
    : SettingsDialog(g, s, styleLoader(style, places), places, std::move(showDebug), parent) {}

} // namespace zembrik
