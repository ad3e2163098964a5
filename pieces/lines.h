// SPDX-License-Identifier: GPL-3.0-or-later
// Line clearing, closing the emptied rows, and the scoring rule.
#pragma once

#include <cstdint>

#include "core/host.h"
#include "core/record.h"

namespace zembrik {

// Points for locking a piece whose box top is on row curY at `level`:
// 25 * 2^((20 - curY) / 10) * 2^(level / 5), in double precision.
double lockAward(int16_t level, int16_t curY);

// Value of one cleared row y at `level`: 10 * 2^(level / 5) * 2^((21 - y) / 10).
double rowValue(int16_t level, int y);

// Empties every full row of 0..21, unlinks the blocks touching them, scores them
// (10 * n * the sum of their row values), adds them to lines and levelCount (level 20 resets
// levelCount instead) and plays "ers" with n. Rows are not moved. Returns n, the rows cleared.
// lines stops at 32767 instead of wrapping.
int16_t killline(Game& g, Host& host);

// Closes every empty row of 1..21 by moving the rows above it down, unless quaOpt is 2.
void fallfield(Game& g);

} // namespace zembrik
