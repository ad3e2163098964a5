// SPDX-License-Identifier: GPL-3.0-or-later
// The menu panel shown between games: picture buttons, the level bar and the option selectors.
#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <cstdint>

#include "core/options.h"

class QLabel;

namespace zembrik {

class ClickLabel;

// The option selectors of the panel, each a row of small squares; the mode's squares stand in
// a column of their own (app/mode_row.h), one per entry of kModes.
enum class Selector { Hold, Qua, Ghost, Next, Climb, GameMode };
inline constexpr size_t kSelectors = 6;

// The menu panel p1 (192x392). It sets the options the next game starts with (start level,
// switches, mode), and nothing else; starting a game, the dialogs and the About box are left
// to the window through signals.
class MenuPanel : public QWidget {
    Q_OBJECT
  public:
    // The panel sets `o`, the menu's options (the settings' options), which outlive it.
    MenuPanel(GameOptions& o, QWidget* parent);

    // Lights level buttons 0..level (all of them from 20 on), makes it the start level and
    // shows its text in Label1.
    void shplvl_Click(int16_t level);
    // Sets every level button to its group colour, then triples the colour of buttons
    // 0..level, stopping before 20.
    void lightLevelBar(int level);
    // Shows the level text of the start level in Label1.
    void showLevelText();

    // Selector clicks with the index of the clicked square; each stores the index in its option.
    void opthold_Click(int k);
    void optqua_Click(int k);
    void optghost_Click(int k);
    void opt3next_Click(int k);
    void optclb_Click(int k);
    // The mode: k is its number in kModes.
    void optmode_Click(int k);
    // Runs the selector handlers with the options' values, in the start-up order (the mode
    // last).
    void rerunOptionHandlers();

    // The colour of a level button as a 0xRRGGBB number.
    uint32_t levelColour(int i) const { return levelColours_[static_cast<size_t>(i)]; }
    // True when the square k of a selector is white (selected).
    bool isSelected(Selector s, int k) const;
    // The widgets, for tests that click them.
    QWidget* levelButton(int i) const;
    QWidget* square(Selector s, int k) const;
    QWidget* startButton() const;
    QWidget* controlsButton() const;
    QWidget* settingsButton() const;
    QWidget* aboutButton() const;
    QString levelText() const;

  signals:
    void startClicked();    // Image1
    void controlsClicked(); // Image3
    void settingsClicked(); // Image5
    void aboutPressed();    // any mouse button down on Image4

  protected:
    bool focusNextPrevChild(bool) override { return false; } // Tab reaches the key handlers

  private:
    void paintLevelButton(int i);
    void setSquare(Selector s, int k, bool white);
    ClickLabel* addPicture(const QString& resource, int x, int y, int w, int h);
    // An area of the panel (panel pixels) that draws nothing and shows `text` as its tooltip.
    void addExplainedArea(const QRect& r, const QString& text);
    // The tooltips of a level button, an option row and a row's square k.
    static QString levelToolTip(int i);
    static QString rowToolTip(Selector s);
    static QString choiceToolTip(Selector s, int k);

    GameOptions& o_;
    std::array<uint32_t, 20> levelColours_{};
    std::array<ClickLabel*, 20> levelButtons_{};
    // Squares per selector; two-way selectors use the first two.
    std::array<std::array<ClickLabel*, 3>, kSelectors> squares_{};
    std::array<std::array<bool, 3>, kSelectors> white_{};
    ClickLabel* image1_ = nullptr; // Image1: the "new game" picture button
    ClickLabel* image3_ = nullptr; // Image3: opens the Controls dialog
    ClickLabel* image4_ = nullptr; // Image4: the About box
    ClickLabel* image5_ = nullptr; // Image5: opens the settings dialog
    QLabel* label1_ = nullptr;     // Label1: the level text ("H0" .. "?!")
};

// The eight lines of the About box, joined by CR LF.
QString aboutText();

// What a best is the best of, in the menu's words: "Best for H3 · hold · rows close · 3 next ·
// climb 1", led by the mode unless it is Classic, followed by "custom handling" when it is, and
// by `shapes` (the shape set's name) unless that is empty.
QString bestKindText(const GameOptions& o, const QString& shapes);

} // namespace zembrik
