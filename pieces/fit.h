// SPDX-License-Identifier: GPL-3.0-or-later
// Fit tests and placement: where a shape may be, and moving the active piece there.
#pragma once

#include <cstdint>

#include "core/record.h"

namespace zembrik {

// Adds rotation step b (-1, 0, 1 or 2) to rotation state a, modulo 4.
int16_t rin4(int16_t a, int16_t b);

// True when shape blox in rotation mode fits with its box at column X, row Y.
// Only -1 is free, so walls and floor block like settled blocks, and so does every cell
// beyond the record's well (a box may be moved past the walls by a kick).
bool IsOK(const Game& g, int16_t blox, int16_t mode, int16_t X, int16_t Y);

// True when the active piece turned by dmode and shifted by (dx, dy) fits and stays within
// climbLimit rows of its deepest landing row.
bool IsOKnp(const Game& g, int16_t dmode, int16_t dx, int16_t dy);

// Applies a change IsOKnp accepted and marks the rotation commands it carries out as used.
void Letnp(Game& g, int16_t dmode, int16_t dx, int16_t dy, int16_t isro);

} // namespace zembrik
