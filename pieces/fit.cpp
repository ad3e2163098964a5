// SPDX-License-Identifier: GPL-3.0-or-later
// Fit tests and placement of the active piece.
#include "pieces/fit.h"

namespace zembrik {

int16_t rin4(int16_t a, int16_t b) {
    const int s = a + b;
    if (s >= 4) return static_cast<int16_t>(s - 4);
    if (s < 0) return static_cast<int16_t>(s + 4);
    return static_cast<int16_t>(s);
}

bool IsOK(const Game& g, int16_t blox, int16_t mode, int16_t X, int16_t Y) {
    for (int dx = 0; dx < 4; ++dx)
        for (int dy = 0; dy < 4; ++dy) {
            if (g.shapes(blox, mode, dx + 4 * dy) == -1) continue;
            // A shape set may put blocks at any edge of the box, and a kick may then take the
            // box past the walls: a cell beyond the record's well blocks like the wall.
            const int x = X + dx, y = Y + dy;
            if (x < kFieldMinX || x > kFieldMaxX || y < kFieldMinY || y > kFieldMaxY) return false;
            if (g.field(x, y) != -1) return false;
        }
    return true;
}

bool IsOKnp(const Game& g, int16_t dmode, int16_t dx, int16_t dy) {
    if (-dy > g.climbLimit || g.curY + dy < g.lowestY - g.climbLimit) return false;
    return IsOK(g, g.curBlox, rin4(g.curMode, dmode), static_cast<int16_t>(g.curX + dx),
                static_cast<int16_t>(g.curY + dy));
}

void Letnp(Game& g, int16_t dmode, int16_t dx, int16_t dy, int16_t isro) {
    g.curMode = rin4(g.curMode, dmode);
    g.curX = static_cast<int16_t>(g.curX + dx);
    g.curY = static_cast<int16_t>(g.curY + dy);
    if (dmode == -1) g.rlCmd = Latch::UsedUp;
    if (dmode == 1) g.rrCmd = Latch::UsedUp;
    if (isro == 1) g.roCmd = Latch::UsedUp;
}

} // namespace zembrik
