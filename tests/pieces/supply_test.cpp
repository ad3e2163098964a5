// SPDX-License-Identifier: GPL-3.0-or-later
// The next queue's randomiser and the hold action.
#include <gtest/gtest.h>

#include <set>

#include "pieces/supply.h"
#include "well_builder.h"

using namespace zembrik;
using namespace zembrik::test;

TEST(Picks, CoverTheirRangeAndNeverRepeat) {
    XorShiftRandom rng(7);
    std::set<int16_t> seen;
    for (int i = 0; i < 20000; ++i) {
        const int16_t v = randomPick(rng, 7);
        ASSERT_GE(v, 1);
        ASSERT_LE(v, 7);
        seen.insert(v);
    }
    EXPECT_EQ(seen.size(), 7u);
    for (int16_t p = 1; p <= 7; ++p) {
        std::set<int16_t> after;
        for (int i = 0; i < 2000; ++i) {
            const int16_t v = pickAfter(rng, p);
            ASSERT_NE(v, p);
            after.insert(v);
        }
        EXPECT_EQ(after.size(), 6u);
    }
}

TEST(Picks, EdgesOfTheUnitInterval) {
    ScriptedRandom rng{0.0f, 0.99999994f, 0.0f, 0.99999994f};
    EXPECT_EQ(randomPick(rng, 7), 1);
    EXPECT_EQ(randomPick(rng, 7), 7);
    EXPECT_EQ(pickAfter(rng, 1), 2); // r = 1 is not below 1: shifted up
    EXPECT_EQ(pickAfter(rng, 7), 6);
}

TEST(Makenext, FirstFillThenAdvance) {
    Game g;
    ScriptedRandom rng{0.6f, 0.5f, 0.5f, 0.0f};
    makenext(g, rng);
    // 0.6*7 -> 5; after 5: r = 4 -> 4; after 4: r = 4 -> 5.
    EXPECT_EQ(g.nextBlox, (std::array<int16_t, 3>{5, 4, 5}));
    makenext(g, rng); // after 5: r = 1 -> 1
    EXPECT_EQ(g.nextBlox, (std::array<int16_t, 3>{4, 5, 1}));
}

TEST(Makenext, NoShapeDirectlyFollowsItself) {
    Game g;
    XorShiftRandom rng(3);
    makenext(g, rng);
    int16_t prev = g.nextBlox[0];
    for (int i = 0; i < 10000; ++i) {
        makenext(g, rng);
        ASSERT_NE(g.nextBlox[0], prev);
        ASSERT_NE(g.nextBlox[1], g.nextBlox[0]);
        ASSERT_NE(g.nextBlox[2], g.nextBlox[1]);
        prev = g.nextBlox[0];
    }
}

class Hold : public ::testing::Test {
  protected:
    Game g = newRecord();
    RecordingHost host;
    ScriptedRandom rng{0.0f};
    void SetUp() override {
        g.holdOpt = 1;
        g.nextBlox = {4, 5, 6};
        spawn(g, T, 1, 6, 9);
        g.keyHdDown = 1;
    }
};

TEST_F(Hold, FirstHoldTakesTheNextPieceAndAdvancesTheQueue) {
    holdb(g, host, rng, 1);
    EXPECT_EQ(g.holdBlox, T);
    EXPECT_EQ(g.curBlox, 4);
    EXPECT_EQ(g.nextBlox, (std::array<int16_t, 3>{5, 6, 1}));
    // The incoming piece restarts at the spawn position, falling.
    EXPECT_EQ(g.curMode, 0);
    EXPECT_EQ(g.curX, 3);
    EXPECT_EQ(g.curY, 0);
    EXPECT_EQ(g.gameState, GameState::Falling);
    EXPECT_EQ(g.waitTicks, 1);
    EXPECT_EQ(g.lowestY, 0);
    EXPECT_EQ(g.holdUsed, 1);
    EXPECT_EQ(g.holdCmd, Latch::UsedUp);
    EXPECT_EQ(host.sounds, (std::vector<std::string>{"hld:0"}));
}

TEST_F(Hold, LaterHoldsExchangeWithoutTouchingTheQueue) {
    g.holdBlox = L;
    holdb(g, host, rng, 1);
    EXPECT_EQ(g.holdBlox, T);
    EXPECT_EQ(g.curBlox, L);
    EXPECT_EQ(g.nextBlox, (std::array<int16_t, 3>{4, 5, 6}));
}

TEST_F(Hold, OncePerPieceAndOncePerPress) {
    holdb(g, host, rng, 1);
    g.holdCmd = Latch::Idle; // even re-armed, the piece has used its hold
    holdb(g, host, rng, 1);
    EXPECT_EQ(g.holdBlox, T);
    EXPECT_EQ(host.sounds.size(), 1u);
    g.holdUsed = 0; // a lock re-allows it, but the key is still held from the last press
    g.holdCmd = Latch::UsedUp;
    holdb(g, host, rng, 1);
    EXPECT_EQ(host.sounds.size(), 1u);
    g.keyHdDown = 0;
    holdb(g, host, rng, 1); // seen up: re-armed
    EXPECT_EQ(g.holdCmd, Latch::Idle);
}

TEST_F(Hold, DisabledDoesNothing) {
    g.holdOpt = 0;
    holdb(g, host, rng, 1);
    EXPECT_EQ(g.holdBlox, 0);
    EXPECT_EQ(g.curBlox, T);
    EXPECT_TRUE(host.sounds.empty());
}

TEST_F(Hold, BetweenPiecesSwapsTheQueueHead) {
    g.gameState = GameState::Entry;
    holdb(g, host, rng, 0);
    EXPECT_EQ(g.holdBlox, 4);
    EXPECT_EQ(g.nextBlox[0], 5);
    EXPECT_EQ(g.curBlox, T); // the active-piece variables are untouched
    EXPECT_EQ(g.curX, 6);
    g.holdUsed = 0;
    g.holdCmd = Latch::Idle;
    holdb(g, host, rng, 0);
    EXPECT_EQ(g.holdBlox, 5);
    EXPECT_EQ(g.nextBlox[0], 4);
}
