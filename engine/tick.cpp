// SPDX-License-Identifier: GPL-3.0-or-later
// The per-step state machine and the new-game and abandon resets of the record.
#include "engine/tick.h"

#include <algorithm>

#include "core/levels.h"
#include "engine/cascade.h"
#include "engine/keys.h"
#include "pieces/fit.h"
#include "pieces/lines.h"
#include "pieces/move.h"
#include "pieces/supply.h"

namespace zembrik {

namespace {

// During a delay a move key held down is charged so the next piece repeats from its first
// step; the other direction is suspended. Left gets the priority when its counter is idle.
void chargeRepeat(Game& g) {
    const int16_t d = g.moveDelay;
    g.repeatWait = 0;
    if (g.keyMlDown == 1 && (g.mlCount == 0 || g.keyMrDown == 0)) {
        g.mlCount = d;
        g.mrCount = static_cast<int16_t>(d + 1);
    } else if (g.keyMrDown == 1 && (g.mrCount == 0 || g.keyMlDown == 0)) {
        g.mrCount = d;
        g.mlCount = static_cast<int16_t>(d + 1);
    }
}

// The end of a game by the rules: a top-out, or the mode's goal reached (finished).
void endGame(Game& g, Host& host) {
    g.inGame = InGame::Menu;
    g.gameState = GameState::Entry;
    host.showStartLevel(g.curLevel);
    host.playSound("end", 0);
    host.gameToppedOut();
}

// Brings in the next piece, turned by a rotation pressed during the delay. False at top-out.
bool spawn(Game& g, Rules& rules, int16_t& nocurr) {
    g.curBlox = g.nextBlox[0];
    g.curMode = 0;
    g.curX = 3;
    g.curY = 0;
    const int16_t climb = g.climbLimit;
    g.climbLimit = 0;
    Rotateb(g, 0, 0);
    g.climbLimit = climb;
    makenext(g, rules.rng);
    if (!IsOK(g, g.curBlox, g.curMode, 3, 0)) {
        endGame(g, rules.host);
        return false;
    }
    if (g.levelCount != 99) g.levelCount = static_cast<int16_t>(g.levelCount + 1);
    g.gameState = GameState::Falling;
    if (g.curLevel >= 10) {
        dropb(g, rules.host, 20);
        g.gameState = GameState::Landed;
    } else {
        g.waitTicks = levels(g.curLevel);
    }
    nocurr = 0;
    return true;
}

bool entryDelay(Game& g, Rules& rules, int16_t& nocurr) {
    nocurr = 1;
    g.waitTicks = static_cast<int16_t>(g.waitTicks - 1);
    if (g.waitTicks > 0) {
        holdb(g, rules.host, rules.rng, 0);
        chargeRepeat(g);
        kpr2kcr(g);
        return true;
    }
    return spawn(g, rules, nocurr);
}

// Hold, sideways movement, then rotation with the push direction of the same step.
void steer(Game& g, Rules& rules) {
    holdb(g, rules.host, rules.rng, 1);
    const int16_t push = moveb(g);
    kpr2kcr(g);
    Rotateb(g, push, 0);
}

// True when the step just run reached the mode's goal: its lines cleared or its time run.
bool reachedGoal(const Game& g) {
    const ModeRule& rule = modeRule(g.mode);
    return (rule.lineGoal > 0 && g.lines >= rule.lineGoal) ||
           (rule.stepLimit > 0 && g.stepsPlayed >= rule.stepLimit);
}

void falling(Game& g, Rules& rules) {
    if (g.keyMdDown == 1 && g.mdCmd == Latch::Idle) {
        // Soft drop: a row every step, or with custom handling every handling.softDrop steps
        // (gravity stays when it is faster), or with 0 down to the floor at once.
        const int16_t every = g.handling.custom == 1 ? g.handling.softDrop : int16_t{1};
        if (every == 0) {
            dropb(g, rules.host, 20);
            return;
        }
        if (g.waitTicks > every || g.handling.custom == 0) g.waitTicks = every;
    }
    if (g.keyFdDown == 1 && g.fdCmd == Latch::Idle) {
        dropb(g, rules.host, 20);
        g.fdCmd = Latch::UsedUp;
        return;
    }
    steer(g, rules);
    if (g.curLevel <= 6) {
        g.waitTicks = static_cast<int16_t>(g.waitTicks - 1);
        if (g.waitTicks > 0) return;
        dropb(g, rules.host, 1);
        if (g.gameState == GameState::Falling) g.waitTicks = levels(g.curLevel);
    } else if (g.curLevel <= 9) {
        dropb(g, rules.host, levels(g.curLevel));
    }
}

void lock(Game& g, Host& host) {
    for (int dx = 0; dx < 4; ++dx)
        for (int dy = 0; dy < 4; ++dy) {
            const int16_t v = g.shapes(g.curBlox, g.curMode, dx + 4 * dy);
            if (v != -1) g.field(g.curX + dx, g.curY + dy) = v;
        }
    g.score = static_cast<float>(static_cast<double>(g.score) + lockAward(g.curLevel, g.curY));
    g.holdUsed = 0;
    g.lowestY = -100;
    ++g.piecesPlaced;
    const int16_t rows = killline(g, host);
    host.playSound("lck", 0);
    levelUp(g);
    if (g.quaOpt == 1 || rows >= 1 || g.curLevel == 20) {
        g.waitTicks = linedelay(g.curLevel);
        g.gameState = GameState::ClearDelay;
    } else {
        g.waitTicks = newdelay(g.curLevel);
        g.gameState = GameState::Entry;
    }
}

void landed(Game& g, Rules& rules) {
    if (g.keyMdDown == 1 && g.mdCmd == Latch::Idle) {
        g.waitTicks = 1;
        g.mdCmd = Latch::Pending;
    }
    steer(g, rules);
    if (IsOK(g, g.curBlox, g.curMode, g.curX, static_cast<int16_t>(g.curY + 1))) {
        // Moved or turned off its support. Falling back no deeper than before keeps the lock
        // delay running, so kicks cannot stall the lock for ever. As no kick lifts a piece, it
        // is never above lowestY here and any fall ends deeper: `>= lowest` would behave the
        // same (the simulator's invariants check curY >= lowestY on every soak step).
        const int16_t lowest = g.lowestY;
        if (g.curLevel <= 6) {
            if (dropb(g, rules.host, 1) > lowest) {
                g.gameState = GameState::Falling;
                g.waitTicks = levels(g.curLevel);
            }
        } else if (g.curLevel <= 9) {
            if (dropb(g, rules.host, levels(g.curLevel)) > lowest) g.gameState = GameState::Falling;
        } else {
            if (dropb(g, rules.host, 20) > lowest) g.waitTicks = levels(g.curLevel);
        }
        return;
    }
    g.waitTicks = static_cast<int16_t>(g.waitTicks - 1);
    if (g.waitTicks > 0) return;
    lock(g, rules.host);
}

void clearDelay(Game& g, Rules& rules, int16_t& nocurr) {
    if (g.curLevel < 20) nocurr = 1;
    g.waitTicks = static_cast<int16_t>(g.waitTicks - 1);
    if (g.waitTicks < 1) {
        if (g.quaOpt == 1) {
            g.gameState = GameState::Cascade;
        } else {
            fallfield(g);
            g.gameState = GameState::Entry;
            g.waitTicks = newdelay(g.curLevel);
        }
        nocurr = 1;
    }
    holdb(g, rules.host, rules.rng, 0);
    chargeRepeat(g);
    kpr2kcr(g);
}

} // namespace

bool step(Game& g, Rules& rules, int16_t& nocurr) {
    switch (g.gameState) {
    case GameState::Entry:
        return entryDelay(g, rules, nocurr);
    case GameState::Falling:
        falling(g, rules);
        break;
    case GameState::Landed:
        landed(g, rules);
        break;
    case GameState::Cascade:
        cascadePass(g, rules.host);
        nocurr = 1;
        break;
    case GameState::ClearDelay:
        clearDelay(g, rules, nocurr);
        break;
    case GameState::None:
        break;
    }
    return true;
}

void tick(Game& g, Rules& rules, int32_t steps) {
    if (steps <= 0) return;
    const int32_t count = std::min(steps, kMaxTickSteps);
    rules.rng.seed(rules.seeds.nextSeed());
    int16_t nocurr = 0;
    for (int32_t i = 0; i < count; ++i) {
        ++g.stepsPlayed;
        if (!step(g, rules, nocurr)) break;
        if (reachedGoal(g)) {
            g.finished = 1;
            endGame(g, rules.host);
            break;
        }
    }
    rules.host.drawFrame(nocurr);
}

void newGame(Game& g, Host& host, Random& rng) {
    g.inGame = InGame::Playing;
    emptyWell(g);
    g.score = 0;
    g.levelCount = 0;
    g.lines = 0;
    g.startLevel = g.curLevel;
    g.stepsPlayed = 0;
    g.piecesPlaced = 0;
    g.keysPressed = 0;
    g.clears = {};
    g.finished = 0;
    g.repeatWait = 0;
    g.waitTicks = 120;
    g.holdBlox = 0;
    g.curBlox = 0;
    g.lowestY = 0;
    makenext(g, rng);
    releaseAllKeys(g);
    g.gameState = GameState::Entry;
    host.playSound("stt", 0);
    changemovedl(g, g.curLevel);
}

void abandonGame(Game& g) {
    g.inGame = InGame::Menu;
    emptyWell(g);
    g.score = 0;
    g.levelCount = 0;
    g.lines = 0;
    g.gameState = GameState::Entry;
}

} // namespace zembrik
