// SPDX-License-Identifier: GPL-3.0-or-later
// Game modes and handling: where a Sprint and an Ultra game end, that a top-out leaves them
// unfinished, and custom auto-repeat and soft drop counted in steps beside classic handling.
#include <gtest/gtest.h>

#include "core/levels.h"
#include "engine/keys.h"
#include "engine/tick.h"
#include "well_builder.h"

using namespace zembrik;
using namespace zembrik::test;

namespace {

struct CountingSeeds : SeedSource {
    uint64_t nextSeed() override { return 1; }
};

class Modes : public ::testing::Test {
  protected:
    // A game under way in `mode` (stepsPlayed as a new game leaves it), an I falling.
    void playing(Mode mode) {
        g.mode = mode;
        g.inGame = InGame::Playing;
        g.stepsPlayed = 0;
    }
    // An O resting in a gap of two in the bottom two rows: its lock next step clears them.
    void lockClearsTwoRows() {
        setRows(g, {"####..####", "####..####"});
        spawn(g, O, 0, 3, 20);
        g.gameState = GameState::Landed;
        g.waitTicks = 1;
        g.lowestY = 20;
    }
    Game g = newRecord();
    RecordingHost host;
    XorShiftRandom rng{7};
    CountingSeeds seeds;
    Rules rules{host, rng, seeds};
};

} // namespace

TEST_F(Modes, SprintEndsFinishedOnTheStepItsFortiethLineClears) {
    // Lines before a two-row clear: 37 ends at 39, 38 at exactly 40, 39 passes 40 in one clear.
    for (const auto& [before, ends] : {std::pair{37, false}, {38, true}, {39, true}}) {
        SCOPED_TRACE(before);
        g = newRecord();
        host = RecordingHost();
        playing(Mode::Sprint);
        g.stepsPlayed = 1000;
        g.lines = static_cast<int16_t>(before);
        lockClearsTwoRows();
        tick(g, rules, 30); // the lock comes in the first of the thirty steps
        EXPECT_EQ(g.lines, before + 2);
        EXPECT_EQ(g.inGame, ends ? InGame::Menu : InGame::Playing);
        EXPECT_EQ(g.finished, ends ? 1 : 0);
        EXPECT_EQ(g.stepsPlayed, ends ? 1001 : 1030) << "the game time stops on that step";
        EXPECT_EQ(host.topOuts, ends ? 1 : 0);
        EXPECT_EQ(host.rends, 1);
    }
}

TEST_F(Modes, UltraEndsFinishedWhenItsTimeHasRunNotOneStepLater) {
    for (const int32_t call : {1, 7, 600, 32767}) {
        SCOPED_TRACE(call);
        g = newRecord();
        newGame(g, host, rng);
        g.mode = Mode::Ultra;
        // Tick calls of `call` steps, with pauses between them: a pause gives the tick no steps,
        // so it never counts.
        int64_t given = 0;
        while (g.inGame == InGame::Playing && given < 10000) {
            tick(g, rules, call);
            given += call;
            if (g.stepsPlayed < 7200) {
                EXPECT_EQ(g.inGame, InGame::Playing) << g.stepsPlayed;
            }
        }
        EXPECT_EQ(g.stepsPlayed, 7200);
        EXPECT_EQ(g.inGame, InGame::Menu);
        EXPECT_EQ(g.finished, 1);
    }
}

TEST_F(Modes, ATopOutEndsEveryModeUnfinishedAndClassicNeverEndsAtAGoal) {
    for (const ModeRule& rule : kModes) {
        SCOPED_TRACE(rule.key);
        g = newRecord();
        playing(rule.mode);
        g.stepsPlayed = 7199;
        g.gameState = GameState::Entry;
        g.waitTicks = 1;
        g.field(4, 1) = 0; // under the I's spawn row: the spawn in step 7200 tops out
        tick(g, rules, 5);
        EXPECT_EQ(g.inGame, InGame::Menu);
        EXPECT_EQ(g.finished, 0);
    }
    g = newRecord();
    playing(Mode::Classic);
    g.lines = 39;
    g.stepsPlayed = 7199;
    lockClearsTwoRows();
    tick(g, rules, 5);
    EXPECT_EQ(g.inGame, InGame::Playing);
    EXPECT_EQ(g.lines, 41);
}

namespace {

// The steps (counted from the press) in which the piece moved, while left is held from an I
// falling at column 3 at level 0; at most `steps` steps.
std::vector<int> moveSteps(Game g, int steps) {
    RecordingHost host;
    XorShiftRandom rng{1};
    CountingSeeds seeds;
    Rules rules{host, rng, seeds};
    g.inGame = InGame::Playing;
    assignDefaultKeys(g);
    changemovedl(g, g.curLevel);
    keyDown(g, host, kDefaultKeys.ml);
    std::vector<int> moved;
    for (int s = 1; s <= steps; ++s) {
        const int16_t x = g.curX;
        tick(g, rules, 1);
        for (int16_t c = g.curX; c < x; ++c)
            moved.push_back(s);
    }
    return moved;
}

} // namespace

TEST_F(Modes, CustomHandlingMovesAfterItsDelayEveryIntervalAndClassicIsUnchanged) {
    // An I at column 3 can move three columns left. The press counts in step 1, the first
    // move comes in step 2, the repeat `delay` steps later, then one every `interval` steps;
    // an interval of 0 takes the rest of the way at once.
    struct Case {
        Handling h;
        std::vector<int> moves;
    };
    const Case cases[] = {
        {{1, 0, 1, 1}, {2, 3, 4}},
        {{1, 3, 2, 1}, {2, 5, 7}},
        {{1, 5, 0, 1}, {2, 7, 7}},
        {{1, 0, 0, 1}, {2, 2, 2}},
        {{1, 20, 10, 1}, {2, 22, 32}},
        {{0, 0, 0, 0}, {2, 11, 12}}, // classic: the numbers are not read
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.h.custom << " " << c.h.delay << " " << c.h.interval);
        Game game = newRecord();
        game.handling = c.h;
        EXPECT_EQ(moveSteps(game, 40), c.moves);
    }
    // The custom delay stays at every level; classic handling keeps the rules' own.
    Game game = newRecord();
    game.handling = {1, 4, 2, 1};
    changemovedl(game, 15);
    EXPECT_EQ(game.moveDelay, 5);
    game.handling.custom = 0;
    changemovedl(game, 15);
    EXPECT_EQ(game.moveDelay, 3);
}

TEST_F(Modes, CustomSoftDropFallsOneRowEveryIntervalOrToTheFloorAtOnce) {
    // Rows the I has fallen after each of the first six steps with soft drop held.
    struct Case {
        Handling h;
        std::vector<int> rows;
    };
    const Case cases[] = {
        {{0, 10, 2, 5}, {1, 2, 3, 4, 5, 6}}, // classic: a row every step
        {{1, 10, 2, 1}, {1, 2, 3, 4, 5, 6}},
        {{1, 10, 2, 3}, {0, 0, 1, 1, 1, 2}},
        {{1, 10, 2, 0}, {20, 20, 20, 20, 20, 20}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.h.softDrop);
        g = newRecord();
        g.inGame = InGame::Playing;
        g.handling = c.h;
        assignDefaultKeys(g);
        keyDown(g, host, kDefaultKeys.md);
        std::vector<int> rows;
        for (size_t s = 0; s < c.rows.size(); ++s) {
            tick(g, rules, 1);
            rows.push_back(g.curY);
            if (g.gameState != GameState::Falling) break;
        }
        rows.resize(c.rows.size(), rows.back());
        EXPECT_EQ(rows, c.rows);
    }
    // Gravity faster than the soft drop is kept: level 6 falls a row every step.
    g = newRecord();
    g.inGame = InGame::Playing;
    g.curLevel = 6;
    g.waitTicks = 1;
    g.handling = {1, 10, 2, 4};
    assignDefaultKeys(g);
    keyDown(g, host, kDefaultKeys.md);
    tick(g, rules, 3);
    EXPECT_EQ(g.curY, 3);
}
