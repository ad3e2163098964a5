// SPDX-License-Identifier: GPL-3.0-or-later
// The settings dialog: shape set and block style lists, sound and debug switches.
#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <string>

#include "app/places.h"
#include "app/settings.h"
#include "app/settings_file.h"
#include "core/record.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace zembrik {

class HandlingPanel;
struct Style;

// How a shape set or style is named to the player: a shipped one by a plain name ("Classic"),
// any other, a player's own of a shipped name included, by its file name.
QString plainFileName(const Places& places, const std::string& file);

// Form3: modal dialog (run with exec()), owned by the main window, as large as its texts need
// in the fonts at hand (about 213 x 390). The lists hold the player's and the shipped shape sets
// and styles, each name once. A list entry chosen loads that shape set or style at once; a load
// error is shown in a message box and the
// old data and name stay. showDebug(true/false) shows or hides the main window's debug
// read-out when the debug switch changes.
class SettingsDialog : public QDialog {
    Q_OBJECT
  public:
    SettingsDialog(Game& g, Settings& s, Style& style, const Places& places,
                   std::function<void(bool)> showDebug, QWidget* parent);
    // The same with the style loading supplied by the caller (tests).
    SettingsDialog(Game& g, Settings& s, StyleLoader loadStyle, const Places& places,
                   std::function<void(bool)> showDebug, QWidget* parent);
    // The same for the portable folder appDir (tests).
    SettingsDialog(Game& g, Settings& s, StyleLoader loadStyle, const QString& appDir,
                   std::function<void(bool)> showDebug, QWidget* parent)
        : SettingsDialog(g, s, std::move(loadStyle), portablePlaces(appDir), std::move(showDebug),
                         parent) {}

    // Replaces the message box used for load errors (tests).
    void setErrorReporter(std::function<void(const QString&)> report) {
        report_ = std::move(report);
    }

    QListWidget* shapeList() const { return File1_; }
    QListWidget* styleList() const { return File2_; }
    QLabel* shapeLabel() const { return lblshp_; }
    QLabel* styleLabel() const { return lblsty_; }
    QButtonGroup* muteGroup() const { return optMut_; }
    QButtonGroup* debugGroup() const { return optdbg_; }
    QButtonGroup* scalingGroup() const { return optScale_; }
    QPushButton* okButton() const { return Command1_; }
    QCheckBox* pauseOnFocusLossBox() const { return pauseOnFocusLoss_; }
    HandlingPanel* handlingPanel() const { return handling_; }
    QComboBox* languageBox() const { return language_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

  private:
    void build();
    // Load the shape set or style of that name (bytes, as in the folder) or report why not.
    void chooseShape(const std::string& name);
    void chooseStyle(const std::string& name);
    void connectList(QListWidget* list, void (SettingsDialog::*choose)(const std::string&));
    QString shownName(const std::string& file) const { return plainFileName(places_, file); }

    Game& g_;
    Settings& s_;
    StyleLoader loadStyle_;
    Places places_;
    std::function<void(bool)> showDebug_;
    std::function<void(const QString&)> report_;
    QLabel* lblshp_ = nullptr;              // name of the shape set in use
    QLabel* lblsty_ = nullptr;              // name of the block style in use
    QListWidget* File1_ = nullptr;          // the shape sets (*.kblox) of the data folder
    QListWidget* File2_ = nullptr;          // the block styles (*.style) of the data folder
    QButtonGroup* optMut_ = nullptr;        // sound on / quiet (muteOpt)
    QButtonGroup* optdbg_ = nullptr;        // debug mode off / on (debugOpt)
    QButtonGroup* optScale_ = nullptr;      // Sharp / Fill (option_more.000 line 12)
    QCheckBox* pauseOnFocusLoss_ = nullptr; // option_more.000 line 1
    HandlingPanel* handling_ = nullptr;     // the options' handling (option_more.000 lines 6-9)
    QComboBox* language_ = nullptr;         // option_more.000 line 10, from the next start
    QPushButton* Command1_ = nullptr;       // Command1: "OK", closes the dialog
    bool selectedByPress_ = false;          // the last mouse press changed a list's selection
};

} // namespace zembrik
