// SPDX-License-Identifier: GPL-3.0-or-later
// The score, lines and level texts beside the well, and the delay bar under it.
#pragma once

#include <cstdint>

#include <QImage>
#include <QString>

#include "core/record.h"

namespace zembrik {

// Int(score) with seven significant digits: plain digits below 10,000,000, from there on
// exponent form with a mantissa of up to seven digits, e.g. "1.234568E+07".
QString scoreText(float score);

// The level text and levelCount with at least two digits, e.g. "H0-00", "M3-42", "?!-07".
QString pointsText(int16_t curLevel, int16_t levelCount);

// Game time as m:ss.cc from steps of 1/60 s, hundredths rounded down: "0:00.00", "1:59.98",
// "2:00.00". Negative steps count as none.
QString clockText(int64_t steps);

// The clock of a game with a goal: a Sprint's time counting up from 0:00.00, an Ultra's time
// left counting down from 2:00.00 to 0:00.00 (any mode with a step limit counts down); empty
// for Classic, which shows no clock.
QString modeClockText(const Game& g);

// Paints the delay bar for the current state on ptls (192 x 8): entry delay in grey 127
// growing from the left, lock delay in grey 128 shrinking to the left, empty during collapse
// and line-clear delay. While falling (and in any other state) the bar is left as it was.
void drawDelayBar(const Game& g, QImage& ptls);

} // namespace zembrik
