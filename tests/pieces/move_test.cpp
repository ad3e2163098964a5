// SPDX-License-Identifier: GPL-3.0-or-later
// Sideways auto-repeat and dropping/landing of the active piece.
#include <gtest/gtest.h>

#include <vector>

#include "pieces/move.h"
#include "well_builder.h"

using namespace zembrik;
using namespace zembrik::test;

namespace {

// Runs moveb for `ticks` steps and returns the steps (counted from 1) on which the piece moved.
std::vector<int> movesOver(Game& g, int ticks) {
    std::vector<int> moved;
    for (int t = 1; t <= ticks; ++t) {
        const int16_t x = g.curX;
        moveb(g);
        if (g.curX != x) moved.push_back(t);
    }
    return moved;
}

} // namespace

TEST(Moveb, AutoRepeatTiming) {
    Game g = newRecord();
    spawn(g, O, 0, 6, 0); // room to travel left
    g.keyMlDown = 1;
    EXPECT_EQ(movesOver(g, 13), (std::vector<int>{2, 11, 12, 13}));
}

TEST(Moveb, ShorterDelayAtHigherLevels) {
    Game g = newRecord();
    g.moveDelay = 3;
    spawn(g, O, 0, 6, 0);
    g.keyMlDown = 1;
    EXPECT_EQ(movesOver(g, 6), (std::vector<int>{2, 4, 5, 6}));
}

TEST(Moveb, BothSeenTogetherLeftWinsRightResumesAfterRelease) {
    Game g = newRecord();
    spawn(g, O, 0, 3, 0);
    g.keyMlDown = g.keyMrDown = 1;
    moveb(g);
    EXPECT_EQ(g.mlCount, 1);
    EXPECT_EQ(g.mrCount, 11); // suspended
    moveb(g);
    EXPECT_EQ(g.curX, 2); // left moved
    g.keyMlDown = 0;
    g.mlCount = 0;
    const int16_t x = g.curX;
    moveb(g); // resume: no move on this tick
    EXPECT_EQ(g.curX, x);
    moveb(g);
    EXPECT_EQ(g.curX, x + 1); // then one column every tick
    moveb(g);
    EXPECT_EQ(g.curX, x + 2);
}

TEST(Moveb, OppositeKeyTakesOverThenHandsBack) {
    Game g = newRecord();
    spawn(g, O, 0, 4, 0);
    g.keyMlDown = 1;
    movesOver(g, 12); // left is repeating
    const int16_t x = g.curX;
    g.keyMrDown = 1;
    moveb(g); // left side may still step, right starts as a fresh press
    EXPECT_EQ(g.curX, x - 1);
    EXPECT_EQ(g.mlCount, 11);
    moveb(g);
    EXPECT_EQ(g.curX, x); // right steps
    for (int i = 0; i < 3; ++i)
        moveb(g);
    EXPECT_EQ(g.curX, x); // right waits its delay, left suspended
    g.keyMrDown = 0;
    g.mrCount = 0;
    moveb(g);
    EXPECT_EQ(g.curX, x);
    moveb(g);
    EXPECT_EQ(g.curX, x - 1); // left resumes at full speed
    moveb(g);
    EXPECT_EQ(g.curX, x - 2);
}

TEST(Moveb, PushAgainstWallReportsDirection) {
    Game g = newRecord();
    spawn(g, O, 0, -1, 0); // O occupies box columns 1-2: column 0 is its leftmost
    g.keyMlDown = 1;
    EXPECT_EQ(moveb(g), -1); // new press: no move, pushing left
    for (int t = 0; t < 20; ++t)
        EXPECT_EQ(moveb(g), -1);
    EXPECT_EQ(g.curX, -1);
}

TEST(Moveb, ResultIsZeroWhenMovedAndRightWinsWhenBothPush) {
    Game g = newRecord();
    spawn(g, O, 0, 3, 0);
    g.keyMrDown = 1;
    EXPECT_EQ(moveb(g), 1);
    EXPECT_EQ(moveb(g), 0); // moved
    g.keyMlDown = 1;
    g.mlCount = 5; // both counting, neither suspended
    g.mrCount = 5;
    EXPECT_EQ(moveb(g), 1);
}

TEST(Dropb, LandsOnExactRowWithLockDelayAndSound) {
    Game g = newRecord();
    RecordingHost host;
    setRows(g, {"##########"});
    spawn(g, O, 0, 3, 0); // O blocks in box rows 0-1: rests when box row 1 is row 20
    g.lowestY = 0;
    EXPECT_EQ(dropb(g, host, 20), 19);
    EXPECT_EQ(g.curY, 19);
    EXPECT_EQ(g.gameState, GameState::Landed);
    EXPECT_EQ(g.waitTicks, 40);
    EXPECT_EQ(g.lowestY, 19);
    EXPECT_EQ(host.sounds, (std::vector<std::string>{"lnd:0"}));
}

TEST(Dropb, LockDelayFromLevelTableAtHighLevels) {
    Game g = newRecord();
    RecordingHost host;
    g.curLevel = 12;
    spawn(g, O);
    dropb(g, host, 20);
    EXPECT_EQ(g.waitTicks, 28);
}

TEST(Dropb, OneFreeRowLandsAtOnce) {
    Game g = newRecord();
    RecordingHost host;
    spawn(g, O, 0, 3, 19); // blocks on rows 19-20, one free row (21) below
    EXPECT_EQ(dropb(g, host, 1), 20);
    EXPECT_EQ(g.gameState, GameState::Landed);
    EXPECT_EQ(host.sounds.size(), 1u);
}

TEST(Dropb, FreeFallMovesExactlyAndStaysSilent) {
    Game g = newRecord();
    RecordingHost host;
    spawn(g, O);
    EXPECT_EQ(dropb(g, host, 5), 5);
    EXPECT_EQ(g.gameState, GameState::Falling);
    EXPECT_TRUE(host.sounds.empty());
}

TEST(Dropb, RestingHigherKeepsLockDelayUnlessFalling) {
    Game g = newRecord();
    RecordingHost host;
    spawn(g, O, 0, 3, 19);
    g.gameState = GameState::Landed;
    g.lowestY = 20;
    g.waitTicks = 7;
    dropb(g, host, 1); // rests at 20, not deeper than lowestY, not falling
    EXPECT_EQ(g.waitTicks, 7);
    EXPECT_EQ(host.sounds.size(), 1u); // lands (and sounds) all the same
}

TEST(Dropb, GivenPieceFormFindsRestingRowWithoutChanges) {
    Game g = newRecord();
    setRows(g, {"###.######", "###.######"});
    const Game before = g;
    EXPECT_EQ(dropb(g, O, 3, 0, 0), 18); // O over the gap rests on the stack at box row 18
    EXPECT_EQ(dropb(g, I, 1, 0, 1), 18); // vertical I (box column 2) falls into the gap
    EXPECT_EQ(dropb(g, I, 3, 0, 1), 16); // one column further it rests on the stack
    EXPECT_EQ(g.cells, before.cells);
    EXPECT_EQ(g.curY, before.curY);
    // An empty shape never reads the well and stops on the last box row.
    EXPECT_EQ(dropb(g, 0, 3, 0, 0), 21);
}
