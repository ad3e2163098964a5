// SPDX-License-Identifier: GPL-3.0-or-later
// The colours of the shipped styles. The seven shape colours come from a palette chosen to stay
// apart under the common kinds of colour blindness, spread over light and dark tones.
#include "palette.h"

namespace artgen {

Palette classicPalette() {
    Palette p;
    p.edge = Edge::Bevel;
    p.empty = QColor(10, 12, 17);
    p.emptyDot = QColor(30, 35, 44);
    p.settled = QColor(112, 124, 140);
    p.plain = QColor(200, 205, 212);
    p.ghost = QColor(150, 160, 175);
    p.shape = {QColor(0, 0, 0),       QColor(86, 180, 233), QColor(240, 228, 66),
               QColor(204, 121, 167), QColor(0, 158, 115),  QColor(213, 94, 0),
               QColor(0, 114, 178),   QColor(230, 159, 0)};
    p.wallDark = QColor(28, 32, 40);
    p.wallMid = QColor(74, 82, 96);
    p.wallLight = QColor(150, 160, 178);
    return p;
}

Palette flatPalette() {
    Palette p;
    p.edge = Edge::Flat;
    p.empty = QColor(14, 16, 22);
    p.emptyDot = QColor(34, 38, 50);
    p.settled = QColor(138, 146, 160);
    p.plain = QColor(225, 228, 235);
    p.ghost = QColor(175, 185, 200);
    p.shape = {QColor(0, 0, 0),       QColor(128, 205, 245), QColor(250, 240, 120),
               QColor(225, 150, 195), QColor(40, 185, 140),  QColor(235, 120, 40),
               QColor(40, 120, 200),  QColor(245, 185, 60)};
    p.wallDark = QColor(20, 24, 34);
    p.wallMid = QColor(48, 56, 74);
    p.wallLight = QColor(110, 125, 150);
    return p;
}

Palette contrastPalette() {
    Palette p;
    p.edge = Edge::Patterned;
    p.empty = QColor(0, 0, 0);
    p.emptyDot = QColor(48, 48, 48);
    p.settled = QColor(220, 220, 220);
    p.plain = QColor(255, 255, 255);
    p.ghost = QColor(255, 255, 255);
    p.shape = classicPalette().shape; // the same colours; the patterns set the shapes apart
    p.wallDark = QColor(0, 0, 0);
    p.wallMid = QColor(96, 96, 96);
    p.wallLight = QColor(255, 255, 255);
    return p;
}

} // namespace artgen
