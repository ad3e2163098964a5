// SPDX-License-Identifier: GPL-3.0-or-later
// Sideways movement, dropping and rotation with ordered kick lists.
#include "pieces/move.h"

#include <array>
#include <span>

#include "core/levels.h"
#include "pieces/fit.h"

namespace zembrik {

namespace {

// A charged move key under custom handling: one column every handling.interval steps, or
// with an interval of 0 as far as the piece goes. Returns true when the piece moved.
bool repeatMove(Game& g, int16_t step) {
    if (g.repeatWait > 0) {
        g.repeatWait = static_cast<int16_t>(g.repeatWait - 1);
        return false;
    }
    g.repeatWait = static_cast<int16_t>(g.handling.interval - 1);
    bool moved = false;
    while (IsOK(g, g.curBlox, g.curMode, static_cast<int16_t>(g.curX + step), g.curY)) {
        g.curX = static_cast<int16_t>(g.curX + step);
        moved = true;
        if (g.handling.interval > 0) break;
    }
    return moved;
}

// One side of moveb. own/other are the held flags and repeat counters of this direction and
// the opposite one; step is -1 or 1. Returns true when the piece moved.
bool moveSide(Game& g, int16_t ownDown, int16_t& ownCount, int16_t otherDown, int16_t& otherCount,
              int16_t step) {
    const int16_t d = g.moveDelay;
    if (ownDown == 0) {
        ownCount = 0;
        return false;
    }
    if (ownCount == 0) { // a new press: count it, suspend the opposite key, move next step
        ownCount = 1;
        g.repeatWait = 0;
        if (otherDown == 1) otherCount = static_cast<int16_t>(d + 1);
        return false;
    }
    if (ownCount == d + 1 && otherDown == 0) { // the opposite key was let go: resume
        ownCount = d;
        g.repeatWait = 0;
        return false;
    }
    const int16_t c = ownCount;
    bool moved = false;
    if (g.handling.custom == 1 && c == d) {
        moved = repeatMove(g, step);
    } else if ((c == 1 || c == d) &&
               IsOK(g, g.curBlox, g.curMode, static_cast<int16_t>(g.curX + step), g.curY)) {
        g.curX = static_cast<int16_t>(g.curX + step);
        moved = true;
    }
    ownCount = c >= d ? c : static_cast<int16_t>(c + 1);
    return moved;
}

struct Offset {
    int16_t dx, dy;
};

} // namespace

int16_t moveb(Game& g) {
    bool moved = moveSide(g, g.keyMlDown, g.mlCount, g.keyMrDown, g.mrCount, -1);
    moved = moveSide(g, g.keyMrDown, g.mrCount, g.keyMlDown, g.mlCount, 1) || moved;
    if (moved) return 0;
    const int16_t suspended = static_cast<int16_t>(g.moveDelay + 1);
    int16_t push = 0;
    if (g.mlCount != suspended && g.keyMlDown == 1) push = -1;
    if (g.mrCount != suspended && g.keyMrDown == 1) push = 1;
    return push;
}

int16_t dropb(Game& g, Host& host, int16_t rows) {
    for (int i = 0; i <= rows; ++i) {
        if (IsOK(g, g.curBlox, g.curMode, g.curX, static_cast<int16_t>(g.curY + i + 1))) continue;
        g.curY = static_cast<int16_t>(g.curY + i);
        if (g.lowestY < g.curY || g.gameState == GameState::Falling) {
            g.lowestY = g.curY;
            g.waitTicks = lockdelay(g.curLevel);
        }
        host.playSound("lnd", 0);
        g.gameState = GameState::Landed;
        return g.curY;
    }
    g.curY = static_cast<int16_t>(g.curY + rows);
    return g.curY;
}

int16_t dropb(const Game& g, int16_t blox, int16_t X, int16_t Y, int16_t mode) {
    // No limit on the rows: the caller always gets the resting row. A box whose top is on
    // row 21 reaches the floor with any block it has, so the search ends there.
    int i = 0;
    while (Y + i + 1 <= kWellH - 1 && IsOK(g, blox, mode, X, static_cast<int16_t>(Y + i + 1)))
        ++i;
    return static_cast<int16_t>(Y + i);
}

void Rotateb(Game& g, int16_t moving, int16_t dire) {
    const bool forced = dire != 0;
    if (!forced) {
        if (g.rlCmd == Latch::Pending) dire = -1;
        if (g.rrCmd == Latch::Pending) dire = 1;
    }
    const int16_t r = dire, m = moving;
    const auto o = [](int a, int b) {
        return Offset{static_cast<int16_t>(a), static_cast<int16_t>(b)};
    };
    const std::array<Offset, 6> still{o(0, 0), o(r, 0), o(r, 1), o(0, 1), o(-r, 1), o(-r, 0)};
    const std::array<Offset, 7> toward{o(r, 0), o(r, 1),  o(2 * r, 0), o(0, 0),
                                       o(0, 1), o(-r, 1), o(-r, 0)};
    const std::array<Offset, 6> away{o(-r, 0), o(-r, 1), o(0, 1), o(0, 0), o(r, 0), o(r, 1)};
    std::span<const Offset> kicks = m == 0   ? std::span<const Offset>(still)
                                    : r == m ? std::span<const Offset>(toward)
                                             : std::span<const Offset>(away);
    for (const Offset& k : kicks) {
        if (IsOKnp(g, r, k.dx, k.dy)) {
            Letnp(g, r, k.dx, k.dy, forced ? 1 : 0);
            break;
        }
    }
    if (forced || g.roCmd != Latch::Pending) return;
    if (g.gameState == GameState::Entry) {
        Letnp(g, 2, 0, 0, 1); // at spawn the third key turns the piece twice, without a fit test
    } else if ((g.keyRlDown == 1) != (g.keyRrDown == 1)) {
        Rotateb(g, moving, g.keyRlDown == 1 ? -1 : 1);
    }
}

} // namespace zembrik
