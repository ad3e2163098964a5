// SPDX-License-Identifier: GPL-3.0-or-later
// The window's own keys, on virtual-key codes: pause, restart and the menu's keys. The rules
// never see them; a key the player gave a game action keeps that action instead.
#pragma once

#include "core/record.h"
#include "engine/keys.h"

namespace zembrik {

// During a game: P and Pause pause and resume it, R restarts it.
inline constexpr int kKeyPause = 19, kKeyP = 80, kKeyR = 82;

// During a game: true for P and Pause, unless the player gave that key a game action.
inline bool pausesGame(const Game& g, int code) {
    return (code == kKeyP || code == kKeyPause) && !isGameActionKey(g, code);
}

// During a game: true for R, unless the player gave it a game action.
inline bool restartsGame(const Game& g, int code) {
    return code == kKeyR && !isGameActionKey(g, code);
}

// What a key-down on the menu asks of the window, in this order: start a game, then run the
// Escape operation.
struct MenuKey {
    bool startGame = false;
    bool escape = false;
};

// The menu's key-down: startGame when the code is the start key, escape when it is Escape.
inline MenuKey menuKeyDown(const Game& g, int code) {
    return {code == g.keySt, code == kKeyEscape};
}

} // namespace zembrik
