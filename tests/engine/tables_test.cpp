// SPDX-License-Identifier: GPL-3.0-or-later
// The rules' tables, each stated once and checked against the game: the level table, the
// auto-repeat delays and the scoring rule. A change to any entry fails one of these.
#include <gtest/gtest.h>

#include <vector>

#include "core/levels.h"
#include "engine/tick.h"
#include "pieces/lines.h"
#include "well_builder.h"

using namespace zembrik;
using namespace zembrik::test;

namespace {

class Tables : public ::testing::Test {
  protected:
    void run(int n) {
        for (int i = 0; i < n; ++i)
            tick(g, rules, 1);
    }
    // Steps run until the state is no longer `s` (the step that leaves it counted).
    int stepsIn(GameState s) {
        int n = 0;
        while (g.gameState == s && n < 2000) {
            run(1);
            ++n;
        }
        return n;
    }
    Game g = newRecord();
    RecordingHost host;
    XorShiftRandom rng{7};
    CountedSeeds seeds{7};
    Rules rules{host, rng, seeds};
};

} // namespace

// Falling: steps per row (levels 0-6), rows per step (7-9), or none: the new piece lands at
// once (10-20). Then the lock delay, the line-clear delay, the entry delay, the level's text.
TEST_F(Tables, EveryLevelsGravityDelaysAndBand) {
    enum Band { StepsPerRow, RowsPerStep, AtOnce };
    struct Level {
        Band band;
        int fall, lock, clear, entry;
        const char* text;
    };
    const Level kLevels[21] = {
        {StepsPerRow, 60, 40, 15, 25, "H0"}, {StepsPerRow, 30, 40, 15, 25, "H1"},
        {StepsPerRow, 15, 40, 15, 25, "H2"}, {StepsPerRow, 8, 40, 15, 25, "H3"},
        {StepsPerRow, 4, 40, 15, 25, "H4"},  {StepsPerRow, 2, 40, 15, 25, "H5"},
        {StepsPerRow, 1, 40, 15, 25, "H6"},  {RowsPerStep, 2, 40, 15, 25, "H7"},
        {RowsPerStep, 3, 40, 15, 25, "H8"},  {RowsPerStep, 5, 40, 15, 25, "H9"},
        {AtOnce, 0, 1000, 5, 20, "M0"},      {AtOnce, 0, 33, 5, 15, "M1"},
        {AtOnce, 0, 28, 5, 12, "M2"},        {AtOnce, 0, 24, 5, 10, "M3"},
        {AtOnce, 0, 20, 5, 7, "M4"},         {AtOnce, 0, 17, 5, 5, "M5"},
        {AtOnce, 0, 14, 5, 5, "M6"},         {AtOnce, 0, 12, 5, 5, "M7"},
        {AtOnce, 0, 10, 5, 5, "M8"},         {AtOnce, 0, 8, 5, 5, "M9"},
        {AtOnce, 0, 20, 5, 10, "?!"},
    };
    for (int16_t level = 0; level <= 20; ++level) {
        SCOPED_TRACE(level);
        const Level& want = kLevels[level];
        g = newRecord();
        g.curLevel = level;
        setRows(g, {"###....###"}); // the first piece, an I, fills the gap
        g.gameState = GameState::Entry;
        g.waitTicks = 1;
        g.curBlox = 0;
        run(1);
        ASSERT_EQ(g.curBlox, I);
        if (want.band == AtOnce) {
            EXPECT_EQ(g.gameState, GameState::Landed);
            EXPECT_EQ(g.curY, 20);
        } else {
            ASSERT_EQ(g.gameState, GameState::Falling);
            EXPECT_EQ(g.waitTicks, want.fall); // the countdown the delay bar shows
            int steps = 0;
            while (g.curY == 0 && steps < 100) {
                run(1);
                ++steps;
            }
            if (want.band == StepsPerRow) {
                EXPECT_EQ(steps, want.fall);
                EXPECT_EQ(g.curY, 1);
            } else {
                EXPECT_EQ(steps, 1);
                EXPECT_EQ(g.curY, want.fall);
            }
            g.keyFdDown = 1; // the hard drop lands it with a fresh lock delay
            run(1);
            g.keyFdDown = 0;
        }
        EXPECT_EQ(stepsIn(GameState::Landed), want.lock);
        EXPECT_EQ(g.lines, 1);
        EXPECT_EQ(stepsIn(GameState::ClearDelay), want.clear);
        EXPECT_EQ(stepsIn(GameState::Entry), want.entry);
        EXPECT_EQ(g.curBlox, O);
        EXPECT_EQ(levelstr(level), want.text);
    }
    EXPECT_EQ(levelstr(-1), "");
    EXPECT_EQ(levelstr(21), "");
}

// A move key pressed after the spawn moves on the second step, then on the step the repeat
// delay ends and every step after it. A new game and every level-up take the level's delay.
TEST_F(Tables, AutoRepeatDelayOfEveryLevel) {
    const int kDelay[21] = {10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 6,
                            6,  6,  6,  6,  3,  3,  3,  3,  3,  3};
    for (int16_t level = 0; level <= 20; ++level) {
        SCOPED_TRACE(level);
        const int d = kDelay[level];
        g = newRecord();
        g.curLevel = level;
        newGame(g, host, rng);
        stepsIn(GameState::Entry);
        g.keyMrDown = 1;
        std::vector<int> moved;
        for (int t = 1; t <= d + 2; ++t) {
            const int16_t x = g.curX;
            run(1);
            if (g.curX != x) moved.push_back(t);
        }
        EXPECT_EQ(moved, (std::vector<int>{2, d + 1, d + 2}));
        if (level < 20) {
            g.levelCount = 100;
            levelUp(g);
            EXPECT_EQ(g.moveDelay, kDelay[level + 1]);
        }
    }
}

// Each cleared row is worth 10 * 2^(level / 5) * 2^((21 - y) / 10); n rows cleared together
// score 10 * n * their sum. A lock with the box top on row y adds
// 25 * 2^((20 - y) / 10) * 2^(level / 5).
TEST_F(Tables, ScoringOfLocksAndClears) {
    struct Score {
        int16_t level, lockY;
        std::vector<int> rows;
        double lock, clear;
    };
    const Score kScores[] = {
        {0, 20, {21}, 25.0, 100.0},
        {0, 16, {18, 19, 20, 21}, 32.9877, 1780.6465},
        {5, 20, {21}, 50.0, 200.0},
        {3, 9, {11}, 81.2252, 303.1433},
        {10, 19, {20, 21}, 107.1773, 1657.4188},
        {20, 0, {1}, 1600.0, 6400.0},
        {7, -2, {0}, 303.1433, 1131.3708},
        {13, 17, {5, 21}, 186.6066, 4888.4080},
        {4, 14, {15, 17, 19}, 65.9754, 2080.9238},
    };
    for (const Score& s : kScores) {
        SCOPED_TRACE(::testing::Message() << "level " << s.level << ", row " << s.rows[0]);
        EXPECT_NEAR(lockAward(s.level, s.lockY), s.lock, 1e-4);
        g = newRecord();
        g.curLevel = s.level;
        g.score = 1000;
        for (int y : s.rows)
            for (int x = 0; x < kWellW; ++x)
                g.field(x, y) = 0;
        EXPECT_EQ(killline(g, host), static_cast<int16_t>(s.rows.size()));
        EXPECT_NEAR(g.score, 1000 + s.clear, 1e-3);
    }
}

// A move key held through the entry and line-clear delays is charged (its count set to the
// repeat delay, so the next piece moves at once) and the other direction suspended (delay + 1).
// With both held, left wins unless its count already runs and right's does not.
TEST_F(Tables, MoveKeysHeldThroughADelay) {
    const struct {
        int16_t ml, mr, mlCount, mrCount, mlAfter, mrAfter;
    } kCharges[] = {
        {1, 1, 0, 0, 10, 11}, {1, 1, 0, 5, 10, 11}, {1, 1, 4, 0, 11, 10}, {1, 1, 4, 5, 4, 5},
        {1, 0, 4, 0, 10, 11}, {0, 1, 0, 0, 11, 10}, {0, 1, 3, 7, 11, 10}, {0, 0, 3, 7, 3, 7},
    };
    for (const GameState delay : {GameState::Entry, GameState::ClearDelay}) {
        for (const auto& c : kCharges) {
            SCOPED_TRACE(::testing::Message() << static_cast<int>(delay) << ": " << c.ml << c.mr
                                              << " " << c.mlCount << " " << c.mrCount);
            g = newRecord();
            g.gameState = delay;
            g.waitTicks = 5;
            g.keyMlDown = c.ml;
            g.keyMrDown = c.mr;
            g.mlCount = c.mlCount;
            g.mrCount = c.mrCount;
            run(1);
            EXPECT_EQ(g.mlCount, c.mlAfter);
            EXPECT_EQ(g.mrCount, c.mrAfter);
        }
    }
}
