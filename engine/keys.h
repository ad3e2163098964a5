// SPDX-License-Identifier: GPL-3.0-or-later
// Game actions and the keyboard's way to them: held flags, command latches and the rotation
// protocol. Every device (keyboard, game controller) reaches the rules as actions going down
// and up; the keyboard turns its virtual-key codes into actions through the key assignment.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "core/host.h"
#include "core/record.h"

namespace zembrik {

// Fixed virtual-key codes: Escape, the debug digits 1..7 (next piece) and 9 (level 20).
inline constexpr int kKeyEscape = 27;
inline constexpr int kKeyDigit1 = 49, kKeyDigit7 = 55, kKeyDigit9 = 57;

// The eight game actions, in the order in which key assignments are compared.
enum class Action : uint8_t {
    MoveLeft,
    MoveRight,
    SoftDrop,
    TurnLeft,
    TurnRight,
    TurnThird, // the third rotation key
    HardDrop,
    Hold,
};
inline constexpr int kActionCount = 8;

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

// The action of the first assignment (move left, right, soft drop, rotate left, right, third
// rotation key, hard drop, hold) that matches code; none when no assignment matches.
std::optional<Action> keyAction(const Game& g, int code);

// During a game: the action goes down (its held flag is set; a new press is counted).
// Ignored on the menu.
void actionDown(Game& g, Action a);
// During a game: the action goes up (its held flag and its latch or repeat count clear).
// Ignored on the menu.
void actionUp(Game& g, Action a);

// The keyboard's key-down. Escape runs host.leaveToMenu(); during a game the debug digits act
// (when debugOpt is 1), then the action of the first matching assignment goes down.
void keyDown(Game& g, Host& host, int code);

// True when the key-down of code does more than put an action down: Escape, and during a game
// in debug mode the debug digits.
bool isCommandKey(const Game& g, int code);

// True when code is assigned to one of the eight game actions (move left ... hold).
bool isGameActionKey(const Game& g, int code);

// The keyboard's key-up: during a game, the action of the first matching assignment goes up.
void keyUp(Game& g, int code);

// Every held action counts as released; for a window that loses the keyboard focus during a
// game.
void releaseHeldKeys(Game& g);

// Keeps a quick tap from being lost. The window hands key events to the rules only between
// tick calls, so a press and its release that arrive in the same round of window messages (a
// tap shorter than a step, or two events the window system delivers together) would set and
// clear a held flag before any step saw it. An action's release is held back until it has
// been down for as many steps as it needs to act: one for a command, two for a move (its first
// step only counts the press). An action held longer is released at once.
class TapKeeper {
  public:
    // An action going down in the rules. A held-back release of the same action is dropped: it
    // is down again, and releasing it later would leave it up while held.
    void pressed(Action a);
    // An action going up: true when it must wait for stepsRan() instead of reaching the rules
    // now.
    bool holdsBack(Action a);
    // After a tick call that ran `steps` steps: the held-back releases now due to reach the
    // rules, oldest first.
    std::vector<Action> stepsRan(int32_t steps);
    // A game begins or ends, a pause begins or every action was released at once: nothing is
    // pending any more. Returns the releases that were held back.
    std::vector<Action> clear();

  private:
    struct Press {
        Action action;
        int32_t stepsToAct; // steps still needed before the release may pass
        bool released;      // its release came and is held back
    };
    std::vector<Press> presses_; // oldest first
};

// Turns at most one newly pressed rotation key into a pending command, cancelling the pending
// commands of the other two; left before right before the third key. Once per step.
void kpr2kcr(Game& g);

// A pending command becomes used up (cancelled); idle and used-up latches stay as they are.
void kcrset(Latch& kcrwhat);

} // namespace zembrik
