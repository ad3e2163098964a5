// Replay scripts: one event per line, "STEP EVENT [ARG]", steps counted from 1.
#pragma once

#include <cstdint>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

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

// Fixed virtual-key codes the simulator assigns to the game's keys.
inline constexpr int kCodeLeft = 37, kCodeRight = 39, kCodeDown = 40, kCodeRotl = 90,
                     kCodeRotr = 38, kCodeRot3 = 65, kCodeDrop = 32, kCodeHold = 67,
                     kCodeStart = 13, kCodeEsc = 27;

// The code of a key name (left right down rotl rotr rot3 drop hold esc, digits 1..9), or -1.
int keyCode(std::string_view name);

// Reads a script. Blank lines and lines starting with '#' are skipped; steps never decrease.
Script parseScript(std::istream& in);

} // namespace zembrik::sim
