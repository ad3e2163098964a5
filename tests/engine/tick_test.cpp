// SPDX-License-Identifier: GPL-3.0-or-later
// The tick: spawn, top-out, soft and hard drop, lock, level-up, the delays and the resets.
#include <gtest/gtest.h>

#include "engine/keys.h"
#include "engine/tick.h"
#include "pieces/lines.h"
#include "well_builder.h"

using namespace zembrik;
using namespace zembrik::test;

namespace {

struct FrameHost : RecordingHost {
    int16_t lastNocurr = -1;
    void drawFrame(int16_t nocurr) override {
        RecordingHost::drawFrame(nocurr);
        lastNocurr = nocurr;
    }
};

struct CountingSeeds : SeedSource {
    int calls = 0;
    uint64_t nextSeed() override { return static_cast<uint64_t>(++calls); }
};

class Tick : public ::testing::Test {
  protected:
    // A piece that spawns next is an I; the queue continues 2, 3, then whatever rng gives.
    void entryDelay(int16_t ticks) {
        g.gameState = GameState::Entry;
        g.waitTicks = ticks;
        g.curBlox = 0;
    }
    // Runs single steps, as the frame loop does at 60 frames per second.
    void run(int n) {
        for (int i = 0; i < n; ++i)
            tick(g, rules, 1);
    }
    // Puts the active piece at rest on the stack with `wait` steps of lock delay left.
    void landedAt(int16_t piece, int16_t x, int16_t y, int16_t wait) {
        spawn(g, piece, 0, x, y);
        g.gameState = GameState::Landed;
        g.waitTicks = wait;
        g.lowestY = y;
    }
    Game g = newRecord();
    FrameHost host;
    XorShiftRandom rng{7};
    CountingSeeds seeds;
    Rules rules{host, rng, seeds};
};

} // namespace

TEST_F(Tick, ZeroStepsDrawNothing) {
    tick(g, rules, 0);
    EXPECT_EQ(host.rends, 0);
    EXPECT_EQ(seeds.calls, 0);
    tick(g, rules, 3);
    EXPECT_EQ(host.rends, 1);
    EXPECT_EQ(seeds.calls, 1);
}

TEST_F(Tick, EntryDelayIsExactlyTheStoredCount) {
    entryDelay(3);
    run(2);
    EXPECT_EQ(g.gameState, GameState::Entry);
    EXPECT_EQ(host.lastNocurr, 1);
    run(1);
    EXPECT_EQ(g.gameState, GameState::Falling);
    EXPECT_EQ(g.curBlox, I);
    EXPECT_EQ(g.curX, 3);
    EXPECT_EQ(g.curY, 0);
    EXPECT_EQ(g.waitTicks, 60);
    EXPECT_EQ(g.levelCount, 1);
    EXPECT_EQ(g.nextBlox[0], O);
    EXPECT_EQ(g.nextBlox[1], T);
    EXPECT_EQ(host.lastNocurr, 0);
}

TEST_F(Tick, LevelCountStopsAtNinetyNineOnSpawn) {
    entryDelay(1);
    g.levelCount = 99;
    run(1);
    EXPECT_EQ(g.levelCount, 99);
}

TEST_F(Tick, RotationPressedDuringTheDelayTurnsTheNewPiece) {
    entryDelay(5);
    g.keyRlDown = 1;
    run(5);
    EXPECT_EQ(g.curMode, 3);
    EXPECT_EQ(g.rlCmd, Latch::UsedUp);
    EXPECT_EQ(host.lastNocurr, 0);
}

TEST_F(Tick, SecondRotationKeyInTheDelayCancelsTheFirst) {
    entryDelay(3);
    g.keyRlDown = g.keyRrDown = 1;
    run(3);
    EXPECT_EQ(g.curMode, 1);
    EXPECT_EQ(g.rlCmd, Latch::UsedUp);
    EXPECT_EQ(g.rrCmd, Latch::UsedUp);
}

TEST_F(Tick, ThirdRotationKeyAtSpawnTurnsTwice) {
    entryDelay(2);
    g.keyRoDown = 1;
    run(2);
    EXPECT_EQ(g.curMode, 2);
    EXPECT_EQ(g.roCmd, Latch::UsedUp);
}

TEST_F(Tick, SpawnKeepsClimbLimit) {
    entryDelay(2);
    g.climbLimit = 3;
    g.keyRrDown = 1;
    run(2);
    EXPECT_EQ(g.climbLimit, 3);
}

TEST_F(Tick, BlockedSpawnTopsOut) {
    entryDelay(1);
    g.field(4, 1) = 0; // under the I's spawn row
    g.levelCount = 42;
    g.score = 500;
    g.curLevel = 4;
    tick(g, rules, 5);
    EXPECT_EQ(g.inGame, InGame::Menu);
    EXPECT_EQ(g.gameState, GameState::Entry);
    EXPECT_EQ(host.levelClicks, std::vector<int16_t>{4});
    ASSERT_FALSE(host.sounds.empty());
    EXPECT_EQ(host.sounds.back(), "end:0");
    EXPECT_EQ(host.topOuts, 1);
    EXPECT_EQ(host.rends, 1);
    EXPECT_EQ(g.levelCount, 42);
    EXPECT_FLOAT_EQ(g.score, 500);
}

TEST_F(Tick, SoftDropHeldIntoTheNextPiece) {
    g.keyMdDown = 1;
    int steps = 0;
    while (g.gameState == GameState::Falling) {
        run(1);
        ++steps;
        if (g.gameState == GameState::Falling) {
            EXPECT_EQ(g.curY, steps);
        }
    }
    EXPECT_EQ(steps, 20); // one row per step down to row 20
    EXPECT_EQ(g.gameState, GameState::Landed);
    run(1); // and locks in the next step
    EXPECT_EQ(g.gameState, GameState::Entry);
    EXPECT_EQ(g.mdCmd, Latch::Pending);
    while (g.gameState == GameState::Entry)
        run(1);
    run(59); // the next piece keeps normal gravity while the key stays down
    EXPECT_EQ(g.curY, 0);
    run(1);
    EXPECT_EQ(g.curY, 1);
}

TEST_F(Tick, HardDropDoesNothingElseInItsStep) {
    g.keyFdDown = 1;
    g.keyMlDown = 1;
    run(1);
    EXPECT_EQ(g.curY, 20);
    EXPECT_EQ(g.curX, 3);
    EXPECT_EQ(g.mlCount, 0);
    EXPECT_EQ(g.gameState, GameState::Landed);
    EXPECT_EQ(g.waitTicks, 40);
    EXPECT_EQ(g.fdCmd, Latch::UsedUp);
    EXPECT_EQ(host.sounds, std::vector<std::string>{"lnd:0"});
    g.keyMlDown = 0;
    run(39);
    EXPECT_EQ(g.gameState, GameState::Landed);
    run(1);
    EXPECT_EQ(g.gameState, GameState::Entry);
}

TEST_F(Tick, AQuickTapActsAndNoKeyIsLeftDown) {
    // The window's order: key events, a tick call, then the releases now due.
    TapKeeper taps;
    g.inGame = InGame::Playing;
    assignDefaultKeys(g);
    const int fd = kDefaultKeys.fd, ml = kDefaultKeys.ml;
    const auto call = [&](int32_t steps) {
        tick(g, rules, steps);
        for (const Action a : taps.stepsRan(steps))
            actionUp(g, a);
    };
    const auto tap = [&](int code) {
        keyDown(g, host, code);
        taps.pressed(*keyAction(g, code));
        EXPECT_TRUE(taps.holdsBack(*keyAction(g, code)));
    };

    // A move key needs two steps: the first counts the press, the second moves.
    tap(ml);
    call(1);
    EXPECT_EQ(g.keyMlDown, 1);
    call(1);
    EXPECT_EQ(g.curX, 2);
    EXPECT_EQ(g.keyMlDown, 0);
    tap(ml);
    call(2); // a catch-up call of two steps is enough
    EXPECT_EQ(g.curX, 1);
    EXPECT_EQ(g.keyMlDown, 0);

    // Pressed, released and pressed again before a step: it is down, and stays down.
    tap(ml);
    keyDown(g, host, ml);
    taps.pressed(Action::MoveLeft);
    call(2);
    EXPECT_EQ(g.keyMlDown, 1);
    EXPECT_FALSE(taps.holdsBack(Action::MoveLeft)); // held long enough: its release passes at once
    keyUp(g, ml);

    // A command key acts in the first step that sees it.
    tap(fd);
    call(1);
    EXPECT_EQ(g.curY, 20);
    EXPECT_EQ(g.keyFdDown, 0);
    EXPECT_EQ(g.fdCmd, Latch::Idle);
}

TEST_F(Tick, LockWritesThePieceAndAddsTheBonus) {
    setRows(g, {"....##....", "..........", "..........", ".........."});
    landedAt(O, 3, 16, 1);
    g.holdUsed = 1;
    run(1);
    EXPECT_EQ(wellText(g, 16, false), "....##....\n"
                                      "....##....\n"
                                      "....##....\n"
                                      "..........\n"
                                      "..........\n"
                                      "..........\n");
    EXPECT_EQ(g.field(4, 16), 10);
    EXPECT_FLOAT_EQ(g.score, static_cast<float>(lockAward(0, 16)));
    EXPECT_NEAR(g.score, 32.99, 0.005);
    EXPECT_EQ(g.holdUsed, 0);
    EXPECT_EQ(g.lowestY, -100);
    EXPECT_EQ(g.gameState, GameState::Entry);
    EXPECT_EQ(g.waitTicks, 25);
    EXPECT_EQ(host.sounds, std::vector<std::string>{"lck:0"});
}

TEST_F(Tick, LockFromNinetyNineWithTwoRowsRaisesTheLevelOnce) {
    setRows(g, {"####..####", "####..####"});
    landedAt(O, 3, 20, 1);
    g.levelCount = 99;
    g.curLevel = 14;
    run(1);
    EXPECT_EQ(g.curLevel, 15);
    EXPECT_EQ(g.levelCount, 1);
    EXPECT_EQ(g.moveDelay, 3);
    EXPECT_EQ(g.gameState, GameState::ClearDelay);
    EXPECT_EQ(g.waitTicks, 5);
    EXPECT_EQ(host.sounds, (std::vector<std::string>{"ers:2", "lck:0"}));
}

TEST_F(Tick, LineClearDelayThenCollapse) {
    setRows(g, {"#.........", "####..####"});
    landedAt(O, 3, 20, 1);
    run(1);
    EXPECT_EQ(g.gameState, GameState::ClearDelay);
    EXPECT_EQ(g.waitTicks, 15);
    run(14);
    EXPECT_EQ(g.gameState, GameState::ClearDelay);
    EXPECT_EQ(wellText(g, 21, false), "..........\n");
    run(1);
    EXPECT_EQ(g.gameState, GameState::Entry);
    EXPECT_EQ(g.waitTicks, 25);
    EXPECT_EQ(wellText(g, 20, false), "..........\n"
                                      "#...##....\n");
}

TEST_F(Tick, LevelTwentyPassesEveryLockThroughTheClearDelay) {
    g.curLevel = 20;
    g.levelCount = 50;
    landedAt(O, 3, 20, 1);
    run(1);
    EXPECT_EQ(g.gameState, GameState::ClearDelay);
    EXPECT_EQ(g.waitTicks, 5);
    EXPECT_EQ(g.levelCount, 0);
    run(4);
    EXPECT_EQ(g.gameState, GameState::ClearDelay);
    EXPECT_EQ(host.lastNocurr, 0); // the stack stays on show at level 20
    run(1);
    EXPECT_EQ(g.gameState, GameState::Entry);
    EXPECT_EQ(g.waitTicks, 10);
    EXPECT_EQ(g.curLevel, 20);
}

TEST_F(Tick, CascadeOptionRunsAPassAfterEveryLock) {
    g.quaOpt = 1;
    landedAt(O, 3, 20, 1);
    run(1);
    EXPECT_EQ(g.gameState, GameState::ClearDelay);
    run(15);
    EXPECT_EQ(g.gameState, GameState::Cascade);
    run(1);
    EXPECT_EQ(g.gameState, GameState::Entry);
    EXPECT_EQ(g.waitTicks, 25);
}

TEST_F(Tick, FromLevelTenTheSpawnLandsAtOnce) {
    g.curLevel = 10;
    entryDelay(1);
    run(1);
    EXPECT_EQ(g.gameState, GameState::Landed);
    EXPECT_EQ(g.curY, 20);
    EXPECT_EQ(g.waitTicks, 1000);
    EXPECT_EQ(host.sounds, std::vector<std::string>{"lnd:0"});
    EXPECT_EQ(host.lastNocurr, 0);
}

TEST_F(Tick, GravityAtLevelZeroIsSixtySteps) {
    run(59);
    EXPECT_EQ(g.curY, 0);
    run(1);
    EXPECT_EQ(g.curY, 1);
}

TEST_F(Tick, FastLevelsFallSeveralRowsPerStep) {
    g.curLevel = 9;
    run(1);
    EXPECT_EQ(g.curY, 5);
}

TEST_F(Tick, MoveHeldThroughTheDelayRepeatsFromTheFirstStep) {
    entryDelay(3);
    g.keyMlDown = 1;
    run(3);
    EXPECT_EQ(g.mlCount, 10);
    EXPECT_EQ(g.mrCount, 11);
    run(2);
    EXPECT_EQ(g.curX, 1);
}

TEST_F(Tick, StepCountIsClamped) {
    entryDelay(32767);
    tick(g, rules, 40000);
    EXPECT_EQ(g.gameState, GameState::Falling); // spawned in the very last step
    EXPECT_EQ(g.waitTicks, 60);
}

TEST_F(Tick, NewGameResetsTheRecord) {
    g.score = 9;
    g.levelCount = 30;
    g.lines = 12;
    g.stepsPlayed = 500;
    g.piecesPlaced = 20;
    g.clears = {3, 2, 1, 1};
    g.holdUsed = 1;
    g.holdBlox = 4;
    g.keyMlDown = 1;
    g.rlCmd = Latch::Pending;
    g.curLevel = 12;
    g.field(0, 21) = 0;
    g.inGame = InGame::Menu;
    newGame(g, host, rng);
    EXPECT_EQ(g.inGame, InGame::Playing);
    EXPECT_FLOAT_EQ(g.score, 0);
    EXPECT_EQ(g.levelCount, 0);
    EXPECT_EQ(g.lines, 0); // a new game never shows the last game's lines beside a score of 0
    EXPECT_EQ(g.stepsPlayed + g.piecesPlaced, 0);
    EXPECT_EQ(g.clears, (std::array<int32_t, 4>{}));
    EXPECT_EQ(g.holdUsed, 1);
    EXPECT_EQ(g.waitTicks, 120);
    EXPECT_EQ(g.holdBlox, 0);
    EXPECT_EQ(g.curBlox, 0);
    EXPECT_EQ(g.lowestY, 0);
    EXPECT_EQ(g.nextBlox[0], O); // the queue continues by one
    EXPECT_EQ(g.keyMlDown, 0);
    EXPECT_EQ(g.rlCmd, Latch::Idle);
    EXPECT_EQ(g.gameState, GameState::Entry);
    EXPECT_EQ(g.moveDelay, 6);
    EXPECT_EQ(g.field(0, 21), -1);
    EXPECT_EQ(host.sounds, std::vector<std::string>{"stt:0"});
}

TEST_F(Tick, AbandonClearsTheCounters) {
    g.score = 9;
    g.levelCount = 30;
    g.lines = 12;
    g.field(0, 21) = 0;
    abandonGame(g);
    EXPECT_EQ(g.inGame, InGame::Menu);
    EXPECT_FLOAT_EQ(g.score, 0);
    EXPECT_EQ(g.levelCount + g.lines, 0);
    EXPECT_EQ(g.gameState, GameState::Entry);
    EXPECT_EQ(g.field(0, 21), -1);
}
