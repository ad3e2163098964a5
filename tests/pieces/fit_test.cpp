// SPDX-License-Identifier: GPL-3.0-or-later
// Fit tests: walls, floor, the empty shape and the climb limit.
#include <gtest/gtest.h>

#include "pieces/fit.h"
#include "well_builder.h"

using namespace zembrik;
using namespace zembrik::test;

TEST(Rin4, WrapsOnce) {
    EXPECT_EQ(rin4(3, 1), 0);
    EXPECT_EQ(rin4(0, -1), 3);
    EXPECT_EQ(rin4(3, 2), 1);
    EXPECT_EQ(rin4(2, 0), 2);
    EXPECT_EQ(rin4(2, 2), 0);
}

TEST(IsOK, FreshProgramHasNoFreeCell) {
    Game g; // all cells 0 until a game empties the well
    g.shapes(T, 0, 5) = 0;
    EXPECT_FALSE(IsOK(g, T, 0, 3, 0));
}

TEST(IsOK, NewGameEmptiesOnlyThePlayingColumns) {
    Game g;
    emptyWell(g);
    int empty = 0, solid = 0;
    for (int y = kFieldMinY; y <= kFieldMaxY; ++y)
        for (int x = kFieldMinX; x <= kFieldMaxX; ++x)
            (g.field(x, y) == -1 ? empty : solid)++;
    EXPECT_EQ(empty, 270);
    EXPECT_EQ(solid, 300);
}

TEST(IsOK, WallsAndFloorBlock) {
    Game g = newRecord();
    // The horizontal I of state 0 lies on box row 1, columns 0..3.
    EXPECT_TRUE(IsOK(g, I, 0, 0, 0));
    EXPECT_FALSE(IsOK(g, I, 0, -1, 0)); // column -1
    EXPECT_TRUE(IsOK(g, I, 0, 6, 0));
    EXPECT_FALSE(IsOK(g, I, 0, 7, 0));  // column 10
    EXPECT_TRUE(IsOK(g, I, 0, 0, 20));  // row 21
    EXPECT_FALSE(IsOK(g, I, 0, 0, 21)); // row 22 is floor
}

TEST(IsOK, EmptyShapeFitsEverywhere) {
    Game g; // even in a solid well
    emptyShapeZero(g);
    for (int16_t mode = 0; mode < 4; ++mode) {
        EXPECT_TRUE(IsOK(g, 0, mode, -4, -5));
        EXPECT_TRUE(IsOK(g, 0, mode, 3, 10));
    }
}

TEST(IsOK, OneBlockAtEveryBoxCellFitsOnlyInThePlayingArea) {
    // Every box cell, every box position up to five columns and rows beyond the record's well:
    // a block fits exactly where it lands on an empty cell of columns 0..9, rows -5..21, and
    // no position reads outside the well (the bounds assertion would abort).
    Game g = newRecord();
    for (int cell = 0; cell < 16; ++cell) {
        for (int mode = 0; mode < 4; ++mode)
            for (int k = 0; k < 16; ++k)
                g.shapes(1, mode, k) = k == cell ? 0 : -1;
        for (int X = kFieldMinX - 5; X <= kFieldMaxX + 5; ++X)
            for (int Y = kFieldMinY - 5; Y <= kFieldMaxY + 5; ++Y) {
                const int x = X + cell % 4, y = Y + cell / 4;
                const bool free = x >= 0 && x < kWellW && y >= kFieldMinY && y < kWellH;
                ASSERT_EQ(IsOK(g, 1, 0, static_cast<int16_t>(X), static_cast<int16_t>(Y)), free)
                    << "cell " << cell << " box " << X << "," << Y;
            }
    }
}

TEST(IsOK, SettledBlockCollides) {
    Game g = newRecord();
    setRows(g, {"....#....."});
    EXPECT_FALSE(IsOK(g, O, 0, 3, 20)); // O covers columns 4-5, rows 21-22 -> blocked
    EXPECT_TRUE(IsOK(g, O, 0, 3, 19));
}

TEST(IsOKnp, ClimbLimitRejectsBeforeTheWell) {
    Game g = newRecord();
    g.climbLimit = 0;
    g.lowestY = 18;
    g.curY = 17;
    for (int16_t dmode = -1; dmode <= 1; ++dmode)
        EXPECT_FALSE(IsOKnp(g, dmode, 0, 0));
    EXPECT_TRUE(IsOKnp(g, 1, 0, 1)); // decided by the well alone
    g.climbLimit = 1;
    EXPECT_TRUE(IsOKnp(g, 1, 0, 0));
    EXPECT_FALSE(IsOKnp(g, 0, 0, -2)); // lifting by 2 exceeds the limit
}

TEST(Letnp, HalfTurnMarksOnlyTheThirdKey) {
    Game g = newRecord();
    g.rlCmd = Latch::Pending;
    g.rrCmd = Latch::Pending;
    g.roCmd = Latch::Pending;
    Letnp(g, 2, 0, 0, 1);
    EXPECT_EQ(g.curMode, 2);
    EXPECT_EQ(g.rlCmd, Latch::Pending);
    EXPECT_EQ(g.rrCmd, Latch::Pending);
    EXPECT_EQ(g.roCmd, Latch::UsedUp);
    Letnp(g, -1, 1, 1, 0);
    EXPECT_EQ(g.curMode, 1);
    EXPECT_EQ(g.curX, 4);
    EXPECT_EQ(g.curY, 1);
    EXPECT_EQ(g.rlCmd, Latch::UsedUp);
    EXPECT_EQ(g.rrCmd, Latch::Pending);
}
