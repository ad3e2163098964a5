// SPDX-License-Identifier: GPL-3.0-or-later
// The menu's highlight: a frame around one row of the menu panel that a pad or the keyboard
// moves (up, down), changes (left, right) and acts on, so the menu needs no mouse.
#pragma once

#include <QWidget>

#include "core/options.h"

namespace zembrik {

class MenuPanel;
class WatchRow;

class MenuHighlight : public QWidget {
    Q_OBJECT
  public:
    // The rows, top to bottom.
    enum class Row { Level, Hold, Qua, Ghost, Next, Climb, Mode, Controls, Settings, Watch };
    static constexpr int kRows = 10;
    // What acting on a row asks of the window.
    enum class Act { None, StartGame, Controls, Settings, Watch };

    // Over the whole panel, hidden until first moved; it never takes a click.
    // `o` is the menu's options the panel sets. The watch row stands outside the panel and
    // frames itself (setHighlighted) while it is the row.
    MenuHighlight(MenuPanel& panel, const GameOptions& o, WatchRow& watch);

    Row row() const { return row_; }
    // Up (-1) or down (+1), round the ends; the first move only shows it where it is.
    void move(int delta);
    // Left (-1) or right (+1): the row's value, as a click on its square or level button.
    void change(int delta);
    // A, Start or Enter on the row: start a game from the level row, open a dialog from
    // theirs, watch the newest replay from the watch row; an option row takes its next value.
    Act act();

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    QRect rowRect() const;
    // Shows the frame on the row: over the panel, or on the watch row.
    void showRow();

    MenuPanel& panel_;
    const GameOptions& o_;
    WatchRow& watch_;
    Row row_ = Row::Level;
};

} // namespace zembrik
