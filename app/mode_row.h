// SPDX-License-Identifier: GPL-3.0-or-later
// The menu's mode choice: Classic, Sprint or Ultra, one small square each, in the black column
// right of the option rows.
#pragma once

#include <QRect>
#include <QString>
#include <array>

#include "core/options.h"

class QWidget;

namespace zembrik {

class ClickLabel;

// Where the mode choice sits on the menu panel (panel pixels): right of the option rows, where
// the options picture is black, from the Holding row's height down to the Next row's.
inline constexpr QRect kModeArea(140, 186, 52, 80);

// Draws the heading and the mode names on `panel` and makes one square per mode, in the order
// of kModes, returned for the panel to colour and connect. The squares are the option rows'
// kind (9 x 9, grey or white).
// A mode's name as the menu and the summaries show it, in the player's language.
QString modeName(Mode m);

std::array<ClickLabel*, kModes.size()> addModeSquares(QWidget* panel);

// The tooltips of the mode heading and of each mode's square.
QString modeHeadingToolTip();
QString modeToolTip(Mode m);

} // namespace zembrik
