// The settings reader and dialog wired to the renderer's block style loader.
#include <QFile>

#include "app/settings_dialog.h"
#include "app/settings_file.h"
#include "render/style_file.h"

namespace zembrik {

namespace {

StyleLoader styleLoader(Style& style, const QString& appDir) {
    return [&style, appDir](const std::string& name) -> std::string {
        // Only a plain file is opened: a pipe in its place would stall the game.
        if (!isPlainDataFile(appDir, name)) return name + ": not a readable file";
        return loadstyle(style, QFile::encodeName(appDir).toStdString(), name);
    };
}

} // namespace

QStringList loadfile(Game& g, Settings& s, Style& style, const QString& appDir) {
    return loadfile(g, s, styleLoader(style, appDir), appDir);
}

SettingsDialog::SettingsDialog(Game& g, Settings& s, Style& style, const QString& appDir,
                               std::function<void(bool)> showDebug, QWidget* parent)
    : SettingsDialog(g, s, styleLoader(style, appDir), appDir, std::move(showDebug), parent) {}

} // namespace zembrik
