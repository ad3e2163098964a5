// SPDX-License-Identifier: GPL-3.0-or-later
// Moving the active piece: sideways with auto-repeat, down until it lands, and turning with kicks.
#pragma once

#include <cstdint>

#include "core/host.h"
#include "core/record.h"

namespace zembrik {

// Applies this step's sideways movement with the auto-repeat of moveDelay steps.
// Returns 0 when the piece moved, else the pushed direction (-1 left, 1 right, 0 none).
int16_t moveb(Game& g);

// Lets the active piece fall up to `rows` rows. When it comes to rest it lands: Landed,
// the lock delay restarts when it rests deeper than ever (or was falling), and "lnd" plays.
// Returns the new curY.
int16_t dropb(Game& g, Host& host, int16_t rows);

// The row at which shape blox in rotation mode, dropped from box (X, Y), comes to rest.
// Changes nothing.
int16_t dropb(const Game& g, int16_t blox, int16_t X, int16_t Y, int16_t mode);

// Turns the active piece. dire 0 takes the direction from the pending rotation commands;
// -1 or 1 forces a turn (used for the third rotation key). moving is moveb's result and
// selects the kick list.
void Rotateb(Game& g, int16_t moving, int16_t dire);

} // namespace zembrik
