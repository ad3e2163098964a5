// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing the two sprite sheets of a block style.
#pragma once

#include <QImage>

#include "palette.h"

namespace artgen {

// The 128 x 64 sheet: row 0 the settled stack, rows 1..7 the shapes; column = join mask,
// column 15 the empty cell.
QImage blockSheet(const Palette& p);

// The 128 x 16 sheet: row 0 plain blocks, row 1 ghost outlines; column 15 the empty cell.
QImage blockSheet2(const Palette& p);

} // namespace artgen
