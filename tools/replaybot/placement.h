// SPDX-License-Identifier: GPL-3.0-or-later
// Where a player who places each piece well would put it: shared by the replay bot, which
// plays the window, and by tests that need long games that clear lines.
#pragma once

#include <cstdint>

#include "core/record.h"

namespace zembrik {

// Where a piece should go: its rotation state and the column of its box.
struct Target {
    int16_t mode = 0, x = 3;
};

// The best place the active piece can reach by turning where it is, then moving sideways.
Target choose(const Game& g);

} // namespace zembrik
