// SPDX-License-Identifier: GPL-3.0-or-later
// The next queue and the hold slot.
#include "pieces/supply.h"

#include <algorithm>
#include <utility>

namespace zembrik {

int16_t randomPick(Random& rng, int16_t k) {
    const int v = static_cast<int>(rng.next() * static_cast<float>(k)) + 1;
    return static_cast<int16_t>(std::clamp(v, 1, static_cast<int>(k)));
}

int16_t pickAfter(Random& rng, int16_t p) {
    const int16_t r = randomPick(rng, 6);
    return r < p ? r : static_cast<int16_t>(r + 1);
}

void makenext(Game& g, Random& rng) {
    if (g.nextBlox[0] == 0) {
        g.nextBlox[0] = randomPick(rng, 7);
        g.nextBlox[1] = pickAfter(rng, g.nextBlox[0]);
        g.nextBlox[2] = pickAfter(rng, g.nextBlox[1]);
        return;
    }
    g.nextBlox[0] = g.nextBlox[1];
    g.nextBlox[1] = g.nextBlox[2];
    g.nextBlox[2] = pickAfter(rng, g.nextBlox[1]);
}

void holdb(Game& g, Host& host, Random& rng, int16_t inplay) {
    if (g.holdOpt != 1 || g.holdUsed != 0) return;
    if (g.keyHdDown == 1 && g.holdCmd == Latch::Idle) {
        g.holdCmd = Latch::UsedUp;
        g.holdUsed = 1;
        if (inplay == 1) {
            if (g.holdBlox == 0) {
                g.holdBlox = g.curBlox;
                g.curBlox = g.nextBlox[0];
                makenext(g, rng);
            } else {
                std::swap(g.holdBlox, g.curBlox);
            }
            // The piece restarts from the spawn position without a fit test.
            g.lowestY = 0;
            g.gameState = GameState::Falling;
            g.waitTicks = 1;
            g.curMode = 0;
            g.curX = 3;
            g.curY = 0;
        } else {
            if (g.holdBlox == 0) {
                g.holdBlox = g.nextBlox[0];
                makenext(g, rng);
            } else {
                std::swap(g.holdBlox, g.nextBlox[0]);
            }
        }
        host.playSound("hld", 0);
    } else if (g.keyHdDown == 0) {
        g.holdCmd = Latch::Idle;
    }
}

} // namespace zembrik
