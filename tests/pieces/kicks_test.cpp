// SPDX-License-Identifier: GPL-3.0-or-later
// The three kick lists, in order and in both directions, read off the game: a piece of one
// block turns, the cell it took is walled up, and it turns again, until no offset is left.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "pieces/move.h"
#include "well_builder.h"

using namespace zembrik;
using namespace zembrik::test;

namespace {

using Offsets = std::vector<std::pair<int, int>>;

// The offsets a turn in direction `dire` tries, in order, while the piece is pushed `moving`.
Offsets kicksTried(int16_t dire, int16_t moving) {
    Game g = newRecord();
    for (int mode = 0; mode < 4; ++mode)
        for (int cell = 0; cell < 16; ++cell)
            g.shapes(I, mode, cell) = cell == 5 ? 0 : -1; // one block at (1, 1) in every state
    spawn(g, I, 0, 3, 10);
    Offsets tried;
    for (int i = 0; i < 10; ++i) {
        Game t = g;
        (dire < 0 ? t.rlCmd : t.rrCmd) = Latch::Pending;
        Rotateb(t, moving, 0);
        if (t.curMode == g.curMode) break;
        EXPECT_EQ(t.curMode, (4 + dire) % 4);
        const int dx = t.curX - g.curX, dy = t.curY - g.curY;
        tried.emplace_back(dx, dy);
        g.field(g.curX + 1 + dx, g.curY + 1 + dy) = 0;
    }
    return tried;
}

} // namespace

TEST(KickLists, InOrderForBothDirections) {
    // For a right turn (r = 1); a left turn mirrors the columns. "Toward" is a turn in the
    // direction the piece is pushed, "away" one against it.
    const Offsets kStill{{0, 0}, {1, 0}, {1, 1}, {0, 1}, {-1, 1}, {-1, 0}};
    const Offsets kToward{{1, 0}, {1, 1}, {2, 0}, {0, 0}, {0, 1}, {-1, 1}, {-1, 0}};
    const Offsets kAway{{-1, 0}, {-1, 1}, {0, 1}, {0, 0}, {1, 0}, {1, 1}};
    const auto mirrored = [](Offsets o) {
        for (auto& [dx, dy] : o)
            dx = -dx;
        return o;
    };
    EXPECT_EQ(kicksTried(1, 0), kStill);
    EXPECT_EQ(kicksTried(-1, 0), mirrored(kStill));
    EXPECT_EQ(kicksTried(1, 1), kToward);
    EXPECT_EQ(kicksTried(-1, -1), mirrored(kToward));
    EXPECT_EQ(kicksTried(1, -1), kAway);
    EXPECT_EQ(kicksTried(-1, 1), mirrored(kAway));
}
