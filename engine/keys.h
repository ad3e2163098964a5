// SPDX-License-Identifier: GPL-3.0-or-later
// Key events on virtual-key codes: held flags, command latches and the rotation protocol.
#pragma once

#include <cstdint>
#include <vector>

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

// The game window's key-down. Escape runs host.leaveToMenu(); during a game the debug digits act
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

// Keeps a quick tap from being lost. The window hands key events to the rules only between
// tick calls, so a press and its release that arrive in the same round of window messages (a
// tap shorter than a step, or two events the window system delivers together) would set and
// clear a held flag before any step saw it. A key's release is held back until the key has
// been down for as many steps as it needs to act: one for a command key, two for a move key
// (its first step only counts the press). A key held longer is released at once.
class TapKeeper {
  public:
    // A key-down handed to the rules. A held-back release of the same key is dropped: the key
    // is down again, and releasing it later would leave it up while held.
    void pressed(const Game& g, int code);
    // A key-up: true when it must wait for stepsRan() instead of reaching the rules now.
    bool holdsBack(int code);
    // After a tick call that ran `steps` steps: the held-back releases now due to reach the
    // rules, oldest first.
    std::vector<int> stepsRan(int32_t steps);
    // A game begins or ends, a pause begins or every key was released at once: nothing is
    // pending any more. Returns the releases that were held back.
    std::vector<int> clear();

  private:
    struct Press {
        int code;
        int32_t stepsToAct; // steps still needed before the release may pass
        bool released;      // its release came and is held back
    };
    std::vector<Press> presses_; // oldest first
};

// What the menu panel's key-down asks of the shell, in this order: start a game, then run the
// Escape operation.
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
