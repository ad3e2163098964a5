// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing the well's walls and floor, and the spare image of a style.
#pragma once

#include <QImage>

#include "palette.h"

namespace artgen {

// 16 x 192: x 0..7 the left wall, x 8..15 the right wall, lit on the side facing the well.
QImage wallImage(const Palette& p);

// 80 x 8: the floor slab, with a seam under every column.
QImage floorImage(const Palette& p);

// 128 x 32: a swatch of the style's seven shapes; held with the style, not drawn in play.
QImage spareImage(const Palette& p, const QImage& sheet);

} // namespace artgen
