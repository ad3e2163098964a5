// SPDX-License-Identifier: GPL-3.0-or-later
// Piece supply: the next queue with its no-immediate-repeat randomiser, and hold.
#pragma once

#include <cstdint>

#include "core/host.h"
#include "core/random.h"
#include "core/record.h"

namespace zembrik {

// Int(u * k) + 1 for a uniform u in [0, 1): a whole number 1..k.
int16_t randomPick(Random& rng, int16_t k);

// A shape 1..7 other than p, uniform over the six others.
int16_t pickAfter(Random& rng, int16_t p);

// Fills the next queue the first time (entry 0 is 0), afterwards advances it by one piece.
void makenext(Game& g, Random& rng);

// The hold action, once per piece while hold is allowed. inplay = 1 swaps the active piece
// with the slot and restarts it from the top; inplay = 0 swaps the head of the next queue.
void holdb(Game& g, Host& host, Random& rng, int16_t inplay);

} // namespace zembrik
