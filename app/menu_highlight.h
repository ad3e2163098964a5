// SPDX-License-Identifier: GPL-3.0-or-later
// The menu's highlight: a frame around one row of the menu panel that a pad or the keyboard
// moves (up, down), changes (left, right) and acts on, so the menu needs no mouse.
#pragma once

#include <QWidget>

#include "core/options.h"

namespace zembrik {

class MenuPanel;

class MenuHighlight : public QWidget {
    Q_OBJECT
  public:
    // The rows, top to bottom.
    enum class Row { Level, Hold, Qua, Ghost, Next, Climb, Mode, Controls, Settings };
    static constexpr int kRows = 9;
    // What acting on a row asks of the window.
    enum class Act { None, StartGame, Controls, Settings };

    // Over the whole panel, hidden until first moved; it never takes a click.
    // `o` is the menu's options the panel sets.
    MenuHighlight(MenuPanel& panel, const GameOptions& o);

    Row row() const { return row_; }
    // Up (-1) or down (+1), round the ends; the first move only shows it where it is.
    void move(int delta);
    // Left (-1) or right (+1): the row's value, as a click on its square or level button.
    void change(int delta);
    // A, Start or Enter on the row: start a game from the level row, open a dialog from
    // theirs; an option row takes its next value.
    Act act();

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    QRect rowRect() const;

    MenuPanel& panel_;
    const GameOptions& o_;
    Row row_ = Row::Level;
};

} // namespace zembrik
