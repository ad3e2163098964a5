// SPDX-License-Identifier: GPL-3.0-or-later
// The game record: every variable the rules work on, in one struct owned by the main window.
#pragma once

#include <array>
#include <cassert>
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/options.h"

namespace zembrik {

// Well bounds: columns -4..14 and rows -5..24. Columns 0..9 and rows 0..21 are the playing
// area; the rest is wall, floor (always 0, solid) and an empty buffer above the top.
inline constexpr int kFieldMinX = -4, kFieldMaxX = 14;
inline constexpr int kFieldMinY = -5, kFieldMaxY = 24;
inline constexpr int kFieldW = kFieldMaxX - kFieldMinX + 1; // 19
inline constexpr int kFieldH = kFieldMaxY - kFieldMinY + 1; // 30
inline constexpr int kWellW = 10, kWellH = 22;

// Whether a game runs (the record's inGame).
enum class InGame : int16_t {
    Menu = 0,     // no game: the menu is up
    Playing = -1, // a game runs
};

// The tick's state machine (the record's gameState).
enum class GameState : int16_t {
    None = 0,       // the record before the first game
    Entry = 1,      // entry delay: no active piece, the next one comes when waitTicks runs out
    Falling = 2,    // the active piece falls by gravity
    Landed = 3,     // the piece rests; the lock delay runs in waitTicks
    Cascade = 4,    // the cascade collapse, one row per step
    ClearDelay = 5, // line-clear delay after a lock or a cascade
};

// A command latch: whether the press of a key has been acted on yet.
enum class Latch : int16_t {
    Idle = 0,    // nothing pending: the key's next press counts
    Pending = 1, // pressed, waiting to be carried out
    UsedUp = 2,  // carried out or cancelled: nothing more until the key is released
};

struct Game {
    // Frame loop timing: counter frequency in units of 10000 raw counts, and one step in the
    // same units.
    int64_t qpcFreq = 0;
    double stepLen = 0;
    InGame inGame = InGame::Menu;

    // Tick state machine.
    GameState gameState = GameState::None;
    int16_t waitTicks = 0; // countdown of the current state, in steps
    int16_t curLevel = 0;  // 0..20
    int16_t levelCount = 0;
    float score = 0; // single precision, always updated in double precision
    int16_t lines = 0;
    int16_t holdUsed = 0;
    int16_t moveDelay = 0; // auto-repeat delay in steps: 10, 6 or 3

    // Key state: held flags (1 while held), repeat counters and command latches.
    int16_t keyMlDown = 0, keyMrDown = 0, keyMdDown = 0, keyRlDown = 0;
    int16_t keyRrDown = 0, keyRoDown = 0, keyFdDown = 0, keyHdDown = 0;
    int16_t mlCount = 0, mrCount = 0;
    Latch rlCmd = Latch::Idle, rrCmd = Latch::Idle, roCmd = Latch::Idle, mdCmd = Latch::Idle,
          fdCmd = Latch::Idle, holdCmd = Latch::Idle;

    // Options, as the index of the chosen selector square.
    int16_t holdOpt = 0, quaOpt = 0, ghostOpt = 0, nextOpt = 0, clbOpt = 0, muteOpt = 0;
    int16_t debugOpt = 0; // never saved
    Mode mode = Mode::Classic;
    Handling handling;

    // Key assignments: virtual-key codes 0..255.
    int16_t keyMl = 0, keyMr = 0, keyMd = 0, keyRl = 0, keyRr = 0, keyRo = 0, keyFd = 0, keyHd = 0,
            keySt = 0;

    // The active piece: shape 0..7, rotation state 0..3, top-left corner of its 4x4 box.
    int16_t curBlox = 0, curMode = 0, curX = 0, curY = 0;
    int16_t lowestY = 0;    // deepest box row the piece has landed at
    int16_t climbLimit = 0; // rows a rotation may lift the piece above lowestY: 0, 1 or 3

    std::array<int16_t, 3> nextBlox{}; // entry 0 spawns next; 0 = queue never filled
    int16_t holdBlox = 0;              // 0 = empty slot

    // How the current game has gone, for its summary and the records file: counted by the
    // rules, zeroed by a new game, never read by them (so they cannot change play).
    int16_t startLevel = 0;          // curLevel when the game started
    int32_t stepsPlayed = 0;         // steps run since the game started
    int32_t piecesPlaced = 0;        // pieces locked into the well
    int32_t keysPressed = 0;         // presses of the eight game keys (not repeats of a held one)
    std::array<int32_t, 4> clears{}; // clears of 1, 2, 3 and 4 or more rows at once
    int16_t finished = 0;            // 1: the rules ended the game at its mode's goal

    // Custom handling: steps until a charged move key's next repeated move (never read by
    // classic handling).
    int16_t repeatWait = 0;

    // The well: -1 empty, any other value occupied (low four bits are join flags:
    // 1 up, 2 down, 4 left, 8 right). All 0 (solid) until the first game empties it.
    std::array<int16_t, kFieldW * kFieldH> cells{};
    // The shape table: shape 0..7, rotation state 0..3, cell dx + 4*dy.
    std::array<int16_t, 8 * 4 * 16> shapeCells{};

    int16_t& field(int x, int y) {
        assert(x >= kFieldMinX && x <= kFieldMaxX && y >= kFieldMinY && y <= kFieldMaxY);
        return cells[static_cast<size_t>((y - kFieldMinY) * kFieldW + (x - kFieldMinX))];
    }
    int16_t field(int x, int y) const { return const_cast<Game*>(this)->field(x, y); }

    int16_t& shapes(int blox, int mode, int cell) {
        assert(blox >= 0 && blox <= 7 && mode >= 0 && mode <= 3 && cell >= 0 && cell <= 15);
        return shapeCells[static_cast<size_t>((blox * 4 + mode) * 16 + cell)];
    }
    int16_t shapes(int blox, int mode, int cell) const {
        return const_cast<Game*>(this)->shapes(blox, mode, cell);
    }
};

// Puts a game's options into the record, the one place they are copied into the rules'
// fields: curLevel is the start level, the climb limit follows the climb option. The shape set
// is loaded by the caller (it is a file).
void applyOptions(Game& g, const GameOptions& o);

// Empties columns 0..9 of rows -5..21; walls and floor keep their 0.
void emptyWell(Game& g);

// Sets every entry of shape 0, the shape that stands for "no piece", to -1.
void emptyShapeZero(Game& g);

// Clears the sixteen key-state variables: every key counts as released.
void releaseAllKeys(Game& g);

} // namespace zembrik
