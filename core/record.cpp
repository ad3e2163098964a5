// SPDX-License-Identifier: GPL-3.0-or-later
// Resets of the game record shared by a new game and the Escape operation.
#include "core/record.h"

namespace zembrik {

void applyOptions(Game& g, const GameOptions& o) {
    g.curLevel = o.startLevel;
    g.holdOpt = o.holdOpt;
    g.quaOpt = o.quaOpt;
    g.ghostOpt = o.ghostOpt;
    g.nextOpt = o.nextOpt;
    g.clbOpt = o.clbOpt;
    g.climbLimit = o.clbOpt < 2 ? o.clbOpt : int16_t{3};
    g.mode = o.mode;
    g.handling = o.handling;
}

void emptyWell(Game& g) {
    for (int y = -5; y <= 21; ++y)
        for (int x = 0; x < kWellW; ++x)
            g.field(x, y) = -1;
}

void emptyShapeZero(Game& g) {
    for (int mode = 0; mode < 4; ++mode)
        for (int cell = 0; cell < 16; ++cell)
            g.shapes(0, mode, cell) = -1;
}

void releaseAllKeys(Game& g) {
    g.keyMlDown = g.keyMrDown = g.keyMdDown = g.keyRlDown = 0;
    g.keyRrDown = g.keyRoDown = g.keyFdDown = g.keyHdDown = 0;
    g.mlCount = g.mrCount = 0;
    g.rlCmd = g.rrCmd = g.roCmd = g.mdCmd = g.fdCmd = g.holdCmd = Latch::Idle;
}

} // namespace zembrik
