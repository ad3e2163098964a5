// SPDX-License-Identifier: GPL-3.0-or-later
// The test player: turn, move, drop, lock.
#include "placing_bot.h"

#include "engine/keys.h"

namespace zembrik::test {

BotAction PlacingBot::next(const Game& g) {
    const KeyAssignment& k = kDefaultKeys;
    if (g.gameState == GameState::Landed) return {k.md, 1};
    if (g.gameState != GameState::Falling) return {};
    if (g.piecesPlaced != piece_) {
        piece_ = g.piecesPlaced;
        target_ = choose(g);
        actions_ = 0;
    }
    if (++actions_ > 12) return {k.fd, 1};
    if (g.curMode != target_.mode) return {k.rr, 1};
    // A move key acts in the second step it is held.
    if (g.curX != target_.x) return {g.curX > target_.x ? k.ml : k.mr, 2};
    return {k.fd, 1};
}

} // namespace zembrik::test
