// SPDX-License-Identifier: GPL-3.0-or-later
// The cascade: groups fall a row per step, links hold remnants up, chains clear again.
#include <gtest/gtest.h>

#include "engine/cascade.h"
#include "well_builder.h"

using namespace zembrik;
using namespace zembrik::test;

namespace {

class Cascade : public ::testing::Test {
  protected:
    void SetUp() override {
        g.quaOpt = 1;
        g.gameState = GameState::Cascade;
        g.curBlox = 0;
    }
    Game g = newRecord();
    RecordingHost host;
};

} // namespace

TEST_F(Cascade, LoneBlockFallsOneRowPerStep) {
    g.field(2, 18) = 0;
    EXPECT_TRUE(cascadePass(g, host));
    EXPECT_EQ(g.field(2, 18), -1);
    EXPECT_EQ(g.field(2, 19), 0);
    EXPECT_TRUE(cascadePass(g, host));
    EXPECT_TRUE(cascadePass(g, host));
    EXPECT_EQ(g.field(2, 21), 0);
    EXPECT_EQ(g.gameState, GameState::Cascade);
    // Resting and no full row: the entry delay of the current level.
    EXPECT_FALSE(cascadePass(g, host));
    EXPECT_EQ(g.gameState, GameState::Entry);
    EXPECT_EQ(g.waitTicks, 25);
    EXPECT_TRUE(host.sounds.empty());
}

TEST_F(Cascade, RemnantHeldUpThroughItsLink) {
    setRows(g, {"#.........", "#........."});
    g.field(0, 19) = 8;     // rests on the stack, linked right
    g.field(1, 19) = 4 | 2; // linked left and down
    g.field(1, 20) = 1;     // hangs over the empty (1, 21)
    const std::string before = wellText(g, 18, false);
    EXPECT_FALSE(cascadePass(g, host));
    EXPECT_EQ(wellText(g, 18, false), before);
}

TEST_F(Cascade, ScanResumesAboveTheLowestBlockOfAGroup) {
    setRows(g, {"...#......", "...#......", "...#......"});
    g.field(3, 18) = 8;     // rests on the column at x = 3
    g.field(4, 18) = 4 | 2; // the group reaches down to row 20 at x = 4, 5
    g.field(4, 19) = 1 | 2;
    g.field(4, 20) = 1 | 8;
    g.field(5, 20) = 4;
    g.field(5, 19) = 0; // unlinked, sits on the group's lowest block
    const std::string before = wellText(g, 17, false);
    EXPECT_FALSE(cascadePass(g, host));
    EXPECT_EQ(wellText(g, 17, false), before);
}

TEST_F(Cascade, UnsupportedGroupFallsAsAUnit) {
    setRows(g, {"..........", "..........", "#........."});
    g.field(3, 17) = 8;
    g.field(4, 17) = 4 | 2;
    g.field(4, 18) = 1;
    EXPECT_TRUE(cascadePass(g, host));
    EXPECT_EQ(wellText(g, 17, false), "..........\n"
                                      "...##.....\n"
                                      "....#.....\n"
                                      "..........\n"
                                      "#.........\n");
    EXPECT_EQ(g.field(4, 19), 1); // links travel with the blocks
}

TEST_F(Cascade, UpLinkFromRowZeroIsNotFollowed) {
    g.field(6, 0) = 1;
    EXPECT_TRUE(cascadePass(g, host));
    EXPECT_EQ(g.field(6, 0), -1);
    EXPECT_EQ(g.field(6, 1), 1);
}

TEST_F(Cascade, ChainClearsAgainWithAnotherDelay) {
    setRows(g, {"..........", "..........", ".#########"});
    g.field(0, 19) = 0;
    EXPECT_TRUE(cascadePass(g, host));
    EXPECT_TRUE(cascadePass(g, host));
    EXPECT_FALSE(cascadePass(g, host));
    EXPECT_EQ(g.gameState, GameState::ClearDelay);
    EXPECT_EQ(g.waitTicks, 15);
    EXPECT_EQ(g.lines, 1);
    EXPECT_EQ(host.sounds, std::vector<std::string>{"ers:1"});
}

TEST_F(Cascade, LevelRisesAfterTheDelayWasChosen) {
    g.curLevel = 9;
    g.levelCount = 99;
    g.mlCount = 4;
    setRows(g, {"##########"});
    EXPECT_FALSE(cascadePass(g, host));
    EXPECT_EQ(g.gameState, GameState::ClearDelay);
    EXPECT_EQ(g.waitTicks, 15); // level 9's delay, not level 10's 5
    EXPECT_EQ(g.curLevel, 10);
    EXPECT_EQ(g.levelCount, 0);
    EXPECT_EQ(g.moveDelay, 6);
    EXPECT_EQ(g.mlCount, 0);
}

TEST_F(Cascade, FromLevelTenTheChainDelayIsFive) {
    for (int16_t level : {10, 12}) {
        g.curLevel = level;
        setRows(g, {"##########"});
        cascadePass(g, host);
        EXPECT_EQ(g.waitTicks, 5) << level;
    }
}

TEST_F(Cascade, LinksAlongTheTopRowHoldAGroupUp) {
    for (int y = 1; y < kWellH; ++y)
        g.field(0, y) = 0; // a column from the floor to row 1
    g.field(0, 0) = 8;     // on top of it, linked right
    g.field(1, 0) = 4;     // held up only by that link
    const std::string before = wellText(g, 0, false);
    EXPECT_FALSE(cascadePass(g, host));
    EXPECT_EQ(wellText(g, 0, false), before);
}
