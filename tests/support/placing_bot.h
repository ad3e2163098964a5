// SPDX-License-Identifier: GPL-3.0-or-later
// A player for tests that need long games which clear lines: it places each piece where the
// replay bot's chooser says, with the default keys, one key at a time.
#pragma once

#include <cstdint>

#include "core/record.h"
#include "placement.h"

namespace zembrik::test {

// A key to press before the next step and release after `steps` steps; code 0: no key.
struct BotAction {
    int code = 0;
    int steps = 1;
};

class PlacingBot {
  public:
    // What to do next on g: turn the falling piece to its chosen state, move it to its chosen
    // column, drop it, then lock it with soft drop.
    BotAction next(const Game& g);

  private:
    int32_t piece_ = -1; // piecesPlaced when the target was chosen
    Target target_;
    int actions_ = 0; // actions for this piece: a piece that cannot get there is dropped
};

} // namespace zembrik::test
