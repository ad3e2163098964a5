// SPDX-License-Identifier: GPL-3.0-or-later
// The cascade collapse: linked groups with nothing under them fall one row per step.
#pragma once

#include "core/host.h"
#include "core/record.h"

namespace zembrik {

// One cascade step: every block that does not rest on the floor through links and other
// resting blocks falls one row. When nothing moved, full rows are cleared again: ClearDelay
// with the line-clear delay when any were, else Entry with the entry delay; then the level-up.
// Returns true when something moved (the cascade goes on).
bool cascadePass(Game& g, Host& host);

} // namespace zembrik
