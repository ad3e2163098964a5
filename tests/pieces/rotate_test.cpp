// SPDX-License-Identifier: GPL-3.0-or-later
// Rotation with ordered kicks, the climb limit and the third rotation key.
#include <gtest/gtest.h>

#include "pieces/fit.h"
#include "pieces/move.h"
#include "well_builder.h"

using namespace zembrik;
using namespace zembrik::test;

TEST(Rotateb, PendingCommandTurnsInPlace) {
    Game g = newRecord();
    spawn(g, T, 0, 3, 5);
    g.rrCmd = Latch::Pending;
    Rotateb(g, 0, 0);
    EXPECT_EQ(g.curMode, 1);
    EXPECT_EQ(g.curX, 3);
    EXPECT_EQ(g.rrCmd, Latch::UsedUp);
    Rotateb(g, 0, 0); // used up: nothing more
    EXPECT_EQ(g.curMode, 1);
}

TEST(Rotateb, RightWinsWhenBothPending) {
    Game g = newRecord();
    spawn(g, T, 0, 3, 5);
    g.rlCmd = Latch::Pending;
    g.rrCmd = Latch::Pending;
    Rotateb(g, 0, 0);
    EXPECT_EQ(g.curMode, 1);
    EXPECT_EQ(g.rlCmd, Latch::Pending);
}

TEST(Rotateb, PushingTowardTriesTheShiftFirst) {
    Game g = newRecord();
    spawn(g, T, 0, 3, 5);
    g.rlCmd = Latch::Pending;
    Rotateb(g, -1, 0); // turning left while pushing left: (-1, 0) first
    EXPECT_EQ(g.curMode, 3);
    EXPECT_EQ(g.curX, 2);
    EXPECT_EQ(g.curY, 5);
}

TEST(Rotateb, PushingAwayShiftsTowardThePush) {
    Game g = newRecord();
    spawn(g, T, 0, 3, 5);
    g.rrCmd = Latch::Pending;
    Rotateb(g, -1, 0); // turning right while pushing left: (1-1... ) = (-r, 0) = (-1, 0)
    EXPECT_EQ(g.curMode, 1);
    EXPECT_EQ(g.curX, 2);
}

TEST(Rotateb, AgainstTheLeftWallKicksRight) {
    Game g = newRecord();
    // Vertical I in state 3 sits in box column 1; against the left wall the box is at x = -1.
    spawn(g, I, 3, -1, 5);
    g.rrCmd =
        Latch::Pending; // state 0 is horizontal on box columns 0..3: at x = -1 it hits the wall
    Rotateb(g, -1, 0);
    // Away list for r = 1, m = -1: (-1,0) wall, (-1,1) wall, (0,1) wall, (0,0) wall, (1,0) fits.
    EXPECT_EQ(g.curMode, 0);
    EXPECT_EQ(g.curX, 0);
    EXPECT_EQ(g.curY, 5);
}

TEST(Rotateb, KickPastTheLeftWallOfAnEdgeShapeIsRefused) {
    // A player's shape: one block in box column 3 in state 0, in box column 0 in state 3.
    // Against the left wall (box at x = -3) turning left while pushing left tries the box at
    // x = -5 first, beyond the record's well: it must count as blocked, not be read.
    Game g = newRecord();
    for (int mode = 0; mode < 4; ++mode)
        for (int k = 0; k < 16; ++k)
            g.shapes(T, mode, k) = -1;
    g.shapes(T, 0, 3 + 4 * 1) = 0;
    g.shapes(T, 3, 0 + 4 * 1) = 0;
    spawn(g, T, 0, -3, 5);
    g.rlCmd = Latch::Pending;
    Rotateb(g, -1, 0); // toward list for r = -1: (-2, 0) is the third; no kick reaches column 0
    EXPECT_EQ(g.curMode, 0);
    EXPECT_EQ(g.curX, -3);
    EXPECT_EQ(g.curY, 5);
}

TEST(Rotateb, KicksDownWhenTheTurnOnlyFitsLower) {
    Game g = newRecord();
    spawn(g, T, 0, 3, 10);
    g.field(4, 12) = 0; // blocks the turn in place
    g.field(6, 11) = 0; // blocks the turn shifted right
    g.rrCmd = Latch::Pending;
    Rotateb(g, 0, 0); // (0,0) and (1,0) fail, (1,1) is the first that fits
    EXPECT_EQ(g.curMode, 1);
    EXPECT_EQ(g.curX, 4);
    EXPECT_EQ(g.curY, 11);
}

TEST(Rotateb, NoKickLiftsAPiece) {
    Game g = newRecord();
    // A horizontal I on the floor between blocks: turning needs the rows above, never offered.
    setRows(g, {"#..#######", "#....#####"});
    spawn(g, I, 0, 1, 20); // blocks on row 21, columns 1..4
    g.lowestY = 20;
    g.climbLimit = 3;
    g.rrCmd = Latch::Pending;
    Rotateb(g, 0, 0);
    EXPECT_EQ(g.curMode, 0);
    EXPECT_EQ(g.curY, 20);
    EXPECT_EQ(g.rrCmd, Latch::Pending); // stays pending for the next steps
}

TEST(Rotateb, ClimbLimitBlocksTurnsAboveTheLandingRow) {
    Game g = newRecord();
    spawn(g, T, 0, 3, 9);
    g.lowestY = 12; // the piece has landed lower before and was lifted since
    g.climbLimit = 1;
    g.rrCmd = Latch::Pending;
    Rotateb(g, 0, 0); // every candidate leaves the box above row 12 - 1
    EXPECT_EQ(g.curMode, 0);
    g.curY = 10;
    Rotateb(g, 0, 0); // only the candidates one row down are allowed: (1, 1) first
    EXPECT_EQ(g.curMode, 1);
    EXPECT_EQ(g.curX, 4);
    EXPECT_EQ(g.curY, 11);
}

TEST(Rotateb, ThirdKeyAtSpawnTurnsTwiceUntested) {
    Game g = newRecord();
    spawn(g, T);
    g.gameState = GameState::Entry;
    g.roCmd = Latch::Pending;
    Rotateb(g, 0, 0);
    EXPECT_EQ(g.curMode, 2);
    EXPECT_EQ(g.roCmd, Latch::UsedUp);
}

TEST(Rotateb, ThirdKeyInPlayNeedsExactlyOneTurnKeyHeld) {
    Game g = newRecord();
    spawn(g, T, 0, 3, 5);
    g.roCmd = Latch::Pending;
    Rotateb(g, 0, 0); // nothing held: nothing happens
    EXPECT_EQ(g.curMode, 0);
    EXPECT_EQ(g.roCmd, Latch::Pending);
    g.keyRlDown = g.keyRrDown = 1; // both held: nothing either
    Rotateb(g, 0, 0);
    EXPECT_EQ(g.curMode, 0);
    g.keyRlDown = 0; // right held: one more right turn
    Rotateb(g, 0, 0);
    EXPECT_EQ(g.curMode, 1);
    EXPECT_EQ(g.roCmd, Latch::UsedUp);
    EXPECT_EQ(g.rrCmd, Latch::UsedUp);
}

TEST(Rotateb, NoCommandLeavesAFittingPieceAlone) {
    Game g = newRecord();
    spawn(g, S, 0, 3, 5);
    const Game before = g;
    Rotateb(g, 1, 0);
    EXPECT_EQ(g.curX, before.curX);
    EXPECT_EQ(g.curY, before.curY);
    EXPECT_EQ(g.curMode, before.curMode);
}
