// SPDX-License-Identifier: GPL-3.0-or-later
// Read-out texts and the delay bar in every state.
#include <gtest/gtest.h>

#include "render/readouts.h"
#include "render/surface.h"
#include "well_builder.h"

using namespace zembrik;
using namespace zembrik::test;

namespace {

TEST(ScoreText, SevenSignificantDigitsThenExponentForm) {
    EXPECT_EQ(scoreText(0.0f), "0");
    EXPECT_EQ(scoreText(975.9f), "975");
    EXPECT_EQ(scoreText(9999999.0f), "9999999");
    EXPECT_EQ(scoreText(10000000.0f), "1E+07");
    EXPECT_EQ(scoreText(12345678.0f), "1.234568E+07");
    EXPECT_EQ(scoreText(12300000.0f), "1.23E+07");
    EXPECT_EQ(scoreText(99999999.0f), "1E+08");
    EXPECT_EQ(scoreText(3.0e20f), "3E+20");
    EXPECT_EQ(scoreText(-0.5f), "-1");
}

// The clock's edges: hundredths rounded down, seconds and minutes carried exactly.
TEST(ModeClock, CountsUpForSprintDownForUltraAndNotAtAllForClassic) {
    struct Case {
        Mode mode;
        int32_t steps;
        const char* text;
    };
    const Case cases[] = {
        {Mode::Sprint, 0, "0:00.00"},      {Mode::Sprint, 1, "0:00.01"},
        {Mode::Sprint, 3, "0:00.05"},      {Mode::Sprint, 3599, "0:59.98"},
        {Mode::Sprint, 3600, "1:00.00"},   {Mode::Sprint, 7200, "2:00.00"},
        {Mode::Sprint, 36599, "10:09.98"}, {Mode::Ultra, 0, "2:00.00"},
        {Mode::Ultra, 1, "1:59.98"},       {Mode::Ultra, 3600, "1:00.00"},
        {Mode::Ultra, 7199, "0:00.01"},    {Mode::Ultra, 7200, "0:00.00"},
        {Mode::Ultra, 9000, "0:00.00"},    {Mode::Classic, 500, ""},
    };
    Game g;
    for (const Case& c : cases) {
        g.mode = c.mode;
        g.stepsPlayed = c.steps;
        EXPECT_EQ(modeClockText(g), c.text) << c.steps;
    }
    EXPECT_EQ(clockText(-5), "0:00.00");
}

TEST(PointsText, LevelThenCountWithTwoDigits) {
    EXPECT_EQ(pointsText(0, 0), "H0-00");
    EXPECT_EQ(pointsText(13, 42), "M3-42");
    EXPECT_EQ(pointsText(9, 7), "H9-07");
    EXPECT_EQ(pointsText(20, 5), "?!-05");
    EXPECT_EQ(pointsText(19, 123), "M9-123");
}

class DelayBar : public ::testing::Test {
  protected:
    Game g = newRecord();
    QImage bar = makeSurface(192, 8);

    // The bar as text: how many columns from the left are the given grey on every row,
    // and whether everything right of them is black.
    int greyColumns(int grey) {
        int n = 0;
        while (n < 192 && bar.pixel(n, 0) == qRgb(grey, grey, grey))
            ++n;
        for (int x = 0; x < 192; ++x)
            for (int y = 0; y < 8; ++y) {
                const QRgb want = x < n ? qRgb(grey, grey, grey) : qRgb(0, 0, 0);
                if (bar.pixel(x, y) != want) return -1;
            }
        return n;
    }
};

TEST_F(DelayBar, FirstEntryDelayFillsOverTwoSeconds) {
    g.gameState = GameState::Entry;
    g.curBlox = 0;
    g.waitTicks = 120;
    drawDelayBar(g, bar);
    EXPECT_EQ(greyColumns(127), 1);
    g.waitTicks = 60;
    drawDelayBar(g, bar);
    EXPECT_EQ(greyColumns(127), 97);
    g.waitTicks = 1;
    drawDelayBar(g, bar);
    EXPECT_EQ(greyColumns(127), 192);
}

TEST_F(DelayBar, EntryDelayUsesTheLevelsDelay) {
    g.gameState = GameState::Entry;
    g.curBlox = T;
    g.curLevel = 0; // entry delay 25
    g.waitTicks = 26;
    drawDelayBar(g, bar);
    EXPECT_EQ(greyColumns(127), 1);
    g.waitTicks = 13; // t = 12 * 192 / 25 = 92.16
    drawDelayBar(g, bar);
    EXPECT_EQ(greyColumns(127), 192 - 92 + 1);
    g.waitTicks = 1;
    drawDelayBar(g, bar);
    EXPECT_EQ(greyColumns(127), 192);
    g.waitTicks = 0; // past the end: still full, never a crash
    drawDelayBar(g, bar);
    EXPECT_EQ(greyColumns(127), 192);
}

TEST_F(DelayBar, LockDelayShrinksToTheLeft) {
    g.gameState = GameState::Landed;
    g.waitTicks = 40;
    drawDelayBar(g, bar);
    EXPECT_EQ(greyColumns(128), 192);
    g.waitTicks = 10; // 10 * 192 / 40 = 48: grey 0..47
    drawDelayBar(g, bar);
    EXPECT_EQ(greyColumns(128), 48);
    g.waitTicks = 0;
    drawDelayBar(g, bar);
    EXPECT_EQ(greyColumns(128), 0);
    g.curLevel = 10; // lock delay 1000 steps
    g.waitTicks = 999;
    drawDelayBar(g, bar);
    EXPECT_EQ(greyColumns(128), 191);
    g.curLevel = 15; // 17 steps
    g.waitTicks = 5;
    drawDelayBar(g, bar);
    EXPECT_EQ(greyColumns(128), 5 * 192 / 17);
}

TEST_F(DelayBar, EmptyDuringCollapseAndLineClear) {
    for (GameState state : {GameState::Cascade, GameState::ClearDelay}) {
        bar.fill(qRgb(128, 128, 128));
        g.gameState = state;
        drawDelayBar(g, bar);
        EXPECT_EQ(greyColumns(128), 0) << state;
    }
}

TEST_F(DelayBar, FallingKeepsWhatWasThere) {
    g.gameState = GameState::Landed;
    g.waitTicks = 20;
    drawDelayBar(g, bar);
    const QImage before = bar.copy();
    for (GameState state : {GameState::Falling, GameState::None, GameState{6}}) {
        g.gameState = state;
        g.waitTicks = 3;
        drawDelayBar(g, bar);
        EXPECT_EQ(bar, before) << state;
    }
}

TEST_F(DelayBar, LevelWithoutADelayDoesNotDivideByZero) {
    g.curLevel = 25;
    g.curBlox = T;
    g.gameState = GameState::Entry;
    drawDelayBar(g, bar);
    EXPECT_EQ(greyColumns(127), 192);
    g.gameState = GameState::Landed;
    drawDelayBar(g, bar);
    EXPECT_EQ(greyColumns(128), 0);
}

} // namespace
