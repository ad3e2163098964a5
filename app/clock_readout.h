// SPDX-License-Identifier: GPL-3.0-or-later
// The mode clock beside the read-outs: "Time:" and the game time as m:ss.cc under the level,
// while a Sprint or Ultra game (or a replay of one) is on the screen.
#pragma once

#include <QRegion>
#include <QString>

#include "core/record.h"

class QLabel;

namespace zembrik {

class ClockReadout {
  public:
    // The two labels, made like the other read-outs: the name and the value under it.
    ClockReadout(QLabel* name, QLabel* value);

    // A game or replay comes on the screen: the clock shows for a mode that has one. Returns
    // the area of both labels, to be painted anew.
    QRect begin(const Game& g);
    // The menu comes back: the clock goes (the summary gives the time).
    void end();
    // The frame's clock text; returns the area to show again when it changed.
    QRegion update(const QString& text);

    QLabel* value() const { return value_; }

  private:
    QLabel* name_;
    QLabel* value_;
};

} // namespace zembrik
