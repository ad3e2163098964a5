// SPDX-License-Identifier: GPL-3.0-or-later
// Colours and looks of the shipped block styles.
#pragma once

#include <array>

#include <QColor>

namespace artgen {

// How blocks are drawn: bevelled tiles or flat tiles with rounded gaps, each with a small mark
// per shape; or outlined tiles whose whole face carries a bold pattern per shape.
enum class Edge { Bevel, Flat, Patterned };

// One style's colours. Shapes 1..7 are I, O, T, S, Z, J, L.
struct Palette {
    Edge edge = Edge::Bevel;
    QColor empty;                        // the empty cell
    QColor emptyDot;                     // its faint grid dot (top-left pixel)
    QColor settled;                      // the stack at low levels
    QColor plain;                        // plain blocks of the higher levels
    QColor ghost;                        // ghost and outline lines
    std::array<QColor, 8> shape;         // index 1..7 used
    QColor wallDark, wallMid, wallLight; // walls and floor
};

// The default style: bevelled blocks in a palette that colour-blind players can tell apart.
Palette classicPalette();

// The second style: flat rounded tiles in lighter tones with a slate frame.
Palette flatPalette();

// The third style, for players who cannot rely on colour: black-outlined tiles whose seven
// shapes carry seven bold patterns, a near-white settled stack on black, a black and white well.
Palette contrastPalette();

} // namespace artgen
