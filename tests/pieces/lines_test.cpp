// SPDX-License-Identifier: GPL-3.0-or-later
// Line clearing and collapse: scores, link removal around cleared rows, closing gaps.
#include <cmath>

#include <gtest/gtest.h>

#include "pieces/lines.h"
#include "well_builder.h"

using namespace zembrik;
using namespace zembrik::test;

namespace {

class Lines : public ::testing::Test {
  protected:
    Game g = newRecord();
    RecordingHost host;
};

} // namespace

TEST_F(Lines, SingleOnTheBottomRowScoresOneHundred) {
    setRows(g, {"##########"});
    EXPECT_EQ(killline(g, host), 1);
    EXPECT_FLOAT_EQ(g.score, 100.0f);
    EXPECT_EQ(g.lines, 1);
    EXPECT_EQ(g.levelCount, 1);
    EXPECT_EQ(host.sounds, std::vector<std::string>{"ers:1"});
    EXPECT_EQ(wellText(g, 21, false), "..........\n");
}

TEST_F(Lines, FourBottomRowsAtLevelZero) {
    setRows(g, {"##########", "##########", "##########", "##########"});
    EXPECT_EQ(killline(g, host), 4);
    const double sum = std::pow(2, 0.3) + std::pow(2, 0.2) + std::pow(2, 0.1) + 1;
    EXPECT_FLOAT_EQ(g.score, static_cast<float>(10 * 4 * sum * 10));
    EXPECT_NEAR(g.score, 1781, 1);
    EXPECT_EQ(host.sounds, std::vector<std::string>{"ers:4"});
}

TEST_F(Lines, RowValueDoublesEveryFiveLevelsAndTenRows) {
    EXPECT_DOUBLE_EQ(rowValue(0, 21), 10);
    EXPECT_DOUBLE_EQ(rowValue(0, 11), 20);
    EXPECT_DOUBLE_EQ(rowValue(0, 1), 40);
    EXPECT_DOUBLE_EQ(rowValue(5, 21), 20);
    EXPECT_DOUBLE_EQ(rowValue(20, 21), 160);
}

TEST_F(Lines, LockAward) {
    EXPECT_NEAR(lockAward(0, 16), 32.99, 0.005);
    EXPECT_DOUBLE_EQ(lockAward(0, 20), 25);
    EXPECT_DOUBLE_EQ(lockAward(0, 0), 100);
    EXPECT_DOUBLE_EQ(lockAward(10, 20), 100);
}

TEST_F(Lines, NoFullRowChangesNothing) {
    setRows(g, {"#########."});
    g.score = 5;
    const std::string before = wellText(g, 0, false);
    EXPECT_EQ(killline(g, host), 0);
    EXPECT_EQ(wellText(g, 0, false), before);
    EXPECT_FLOAT_EQ(g.score, 5);
    EXPECT_EQ(g.lines, 0);
    EXPECT_TRUE(host.sounds.empty());
}

TEST_F(Lines, LevelTwentyResetsTheCountEvenWithoutRows) {
    g.curLevel = 20;
    g.levelCount = 7;
    EXPECT_EQ(killline(g, host), 0);
    EXPECT_EQ(g.levelCount, 0);
    setRows(g, {"##########"});
    killline(g, host);
    EXPECT_EQ(g.levelCount, 0);
}

TEST_F(Lines, LinksIntoTheClearedRowAreRemoved) {
    setRows(g, {"..........", "##########", ".........."});
    g.field(4, 19) = 1 | 2 | 4 | 8; // above: loses only its down link
    g.field(4, 21) = 1 | 2 | 4 | 8; // below: loses only its up link
    g.field(5, 19) = 2;
    killline(g, host);
    EXPECT_EQ(g.field(4, 19), 1 | 4 | 8);
    EXPECT_EQ(g.field(4, 21), 2 | 4 | 8);
    EXPECT_EQ(g.field(5, 19), 0);
    EXPECT_EQ(g.field(4, 22), 0); // the floor stays solid
}

TEST_F(Lines, SeparatedRowsClearTogetherAndFallfieldClosesBothGaps) {
    setRows(g, {"#.........", "##########", "..#.......", "##########"});
    EXPECT_EQ(killline(g, host), 2);
    fallfield(g);
    EXPECT_EQ(wellText(g, 18, false), "..........\n"
                                      "..........\n"
                                      "#.........\n"
                                      "..#.......\n");
}

TEST_F(Lines, LeaveGapsOptionKeepsTheHoles) {
    g.quaOpt = 2;
    setRows(g, {"#.........", "##########"});
    killline(g, host);
    fallfield(g);
    EXPECT_EQ(wellText(g, 20, false), "#.........\n"
                                      "..........\n");
}

TEST_F(Lines, FallfieldClosesABlockOfEmptyRows) {
    setRows(g, {"...#......", "..........", "..........", "..........", "#........."});
    fallfield(g);
    EXPECT_EQ(wellText(g, 20, false), "...#......\n"
                                      "#.........\n");
}

TEST_F(Lines, FallfieldLowersABlockOfTheTopRowIntoAClearedRowOne) {
    // A piece that locked across rows 0 and 1 and filled row 1: the block left in row 0 comes
    // down into the emptied row.
    std::vector<std::string> rows(22, "#.........");
    rows[0] = "....#.....";
    rows[1] = "..........";
    setRows(g, rows);
    fallfield(g);
    EXPECT_EQ(wellText(g, 0, false).substr(0, 22), "..........\n"
                                                   "....#.....\n");
}

TEST_F(Lines, LinesStopAtTheTopOfTheirRange) {
    g.lines = 32766;
    setRows(g, {"##########", "##########"});
    killline(g, host);
    EXPECT_EQ(g.lines, 32767);
}
