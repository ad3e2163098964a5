// SPDX-License-Identifier: GPL-3.0-or-later
// Replay scripts: one event per line, "STEP EVENT [ARG]", steps counted from 1.
#pragma once

#include <cstdint>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

#include "engine/keys.h"

namespace zembrik::sim {

// What an event does. Presses and releases happen before their step runs, dumps after it.
enum class EventKind { Press, Release, Dump, Shot };

struct Event {
    int64_t step = 0;
    EventKind kind = EventKind::Dump;
    int key = 0;      // virtual-key code of a press or release
    std::string file; // picture file of a shot
};

// The events in script order, or an error naming the line.
struct Script {
    std::vector<Event> events;
    std::string error;
};

// The virtual-key codes of the script's key names: the shipped assignments, and Escape.
inline constexpr int kCodeLeft = kDefaultKeys.ml, kCodeRight = kDefaultKeys.mr,
                     kCodeDown = kDefaultKeys.md, kCodeRotl = kDefaultKeys.rl,
                     kCodeRotr = kDefaultKeys.rr, kCodeRot3 = kDefaultKeys.ro,
                     kCodeDrop = kDefaultKeys.fd, kCodeHold = kDefaultKeys.hd,
                     kCodeStart = kDefaultKeys.st, kCodeEsc = kKeyEscape;

// The code of a key name (left right down rotl rotr rot3 drop hold esc, digits 1..9), or -1.
int keyCode(std::string_view name);

// Reads a script. Blank lines and lines starting with '#' are skipped; steps never decrease.
Script parseScript(std::istream& in);

} // namespace zembrik::sim
