// SPDX-License-Identifier: GPL-3.0-or-later
// The application icon, built from the game's own block sprites.
#pragma once

#include <QImage>

namespace artgen {

// The icon at size x size pixels (16, 32, 48, 64, 128 or 256): a few pieces drawn with the
// sprites of `sheet` (a 128 x 64 block sheet), 8-pixel blocks enlarged by a whole factor so they
// stay crisp, on a transparent ground.
QImage iconImage(const QImage& sheet, int size);

} // namespace artgen
