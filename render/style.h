// SPDX-License-Identifier: GPL-3.0-or-later
// The five images of a block style: two sprite sheets, the well floor, the walls, a spare.
#pragma once

#include <QImage>

namespace zembrik {

// Images of the current block style, all RGB32 once loaded (null before the first load).
struct Style {
    QImage picBlox;  // 128 x 64: row 0 settled blocks, rows 1..7 shapes 1..7; column = join mask
    QImage picBlox2; // 128 x 16: row 0 plain blocks, row 1 ghost and outlined blocks
    QImage picFloor; // 80 x 8, drawn doubled under the well
    QImage picWall;  // 16 x 192: x 0..7 the left wall, x 8..15 the right wall, drawn doubled
    QImage picSpare; // held with the style; nothing draws it
};

} // namespace zembrik
