// Key events on virtual-key codes: held flags, command latches and the rotation protocol.
#pragma once

#include <cstdint>

#include "core/host.h"
#include "core/record.h"

namespace zembrik {

// Fixed virtual-key codes: Escape, the debug digits 1..7 (next piece) and 9 (level 20).
inline constexpr int kKeyEscape = 27;
inline constexpr int kKeyDigit1 = 49, kKeyDigit7 = 55, kKeyDigit9 = 57;
// Keys of the shell during a game: P and Pause pause and resume it, R restarts it.
inline constexpr int kKeyPause = 19, kKeyP = 80, kKeyR = 82;

// The nine key assignments, named after the record's key variables (keyMl ... keySt): move
// left, move right, soft drop, rotate left, rotate right, third rotation key, hard drop, hold,
// start.
struct KeyAssignment {
    int16_t ml, mr, md, rl, rr, ro, fd, hd, st;
};

// The shipped assignments: the defaults of the key settings, and the keys the simulator and
// the tests play with.
inline constexpr KeyAssignment kDefaultKeys{37, 39, 40, 90, 38, 65, 32, 67, 13};

// Sets the record's nine key assignments to kDefaultKeys.
void assignDefaultKeys(Game& g);

// The game window's key-down. Escape runs host.gotomenu(); during a game the debug digits act
// (when debugOpt is 1), then the held flag of the first assignment that matches is set, in
// the order move left, right, soft drop, rotate left, right, third rotation key, hard drop,
// hold.
void keyDown(Game& g, Host& host, int code);

// True when code is assigned to one of the eight game actions (move left ... hold).
bool isGameActionKey(const Game& g, int code);

// During a game: true for P and Pause, unless the player gave that key a game action, which
// it then keeps.
bool pausesGame(const Game& g, int code);

// During a game: true for R, unless the player gave it a game action.
bool restartsGame(const Game& g, int code);

// The game window's key-up: during a game, clears the held flag and the latch of the first
// matching assignment. Ignored on the menu.
void keyUp(Game& g, int code);

// Every held key counts as released, as after a key-up of each; for a window that loses the
// keyboard focus during a game.
void releaseHeldKeys(Game& g);

// What the menu panel's key-down asks of the shell, in this order: start a game (it returns
// when the game has ended), then run the Escape operation.
struct MenuKey {
    bool startGame = false;
    bool escape = false;
};

// The menu panel's key-down: startGame when the code is the start key, escape when it is 27.
MenuKey menuKeyDown(const Game& g, int code);

// Turns at most one newly pressed rotation key into a pending command, cancelling the pending
// commands of the other two; left before right before the third key. Once per step.
void kpr2kcr(Game& g);

// A pending command becomes used up (cancelled); idle and used-up latches stay as they are.
void kcrset(Latch& kcrwhat);

} // namespace zembrik
