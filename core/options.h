// SPDX-License-Identifier: GPL-3.0-or-later
// The options a game starts with, as one value: start level, the five option switches, the
// mode, the handling and the shape set. The menu sets it, a new game starts from it, replays
// carry it and records lines describe it.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zembrik {

// What a game is played for. The number is what files and the command line store.
enum class Mode : int16_t {
    Classic = 0, // until the stack tops out
    Sprint = 1,  // until 40 lines are cleared
    Ultra = 2,   // for two minutes of game time
};

// A mode's goal. A game that reaches its goal ends there, finished; a top-out before it ends
// it unfinished. Classic has no goal: its top-out is its end.
struct ModeRule {
    Mode mode;
    const char* key;   // its name on the command line: "classic", "sprint", "ultra"
    const char* title; // its name for the player
    int32_t lineGoal;  // lines that end the game; 0: none
    int32_t stepLimit; // game steps that end the game; 0: none
};

// Every mode, in the order of their numbers: a new mode is one more entry.
inline constexpr std::array<ModeRule, 3> kModes{{
    {Mode::Classic, "classic", "Classic", 0, 0},
    {Mode::Sprint, "sprint", "Sprint", 40, 0},
    {Mode::Ultra, "ultra", "Ultra", 0, 7200},
}};

// The rule of a mode; Classic's for a number outside the table.
inline const ModeRule& modeRule(Mode m) {
    const auto i = static_cast<size_t>(m);
    return i < kModes.size() ? kModes[i] : kModes[0];
}

// The mode of a stored number, nothing when the table has none.
inline std::optional<Mode> modeOf(int64_t number) {
    if (number < 0 || number >= static_cast<int64_t>(kModes.size())) return std::nullopt;
    return kModes[static_cast<size_t>(number)].mode;
}

// The mode of a command-line name, nothing for an unknown one.
inline std::optional<Mode> modeNamed(std::string_view key) {
    for (const ModeRule& r : kModes)
        if (key == r.key) return r.mode;
    return std::nullopt;
}

// Handling ranges, in steps of 1/60 s.
inline constexpr int16_t kMaxRepeatDelay = 20;
inline constexpr int16_t kMaxRepeatInterval = 10;
inline constexpr int16_t kMaxSoftDropInterval = 10;

// How a held move or soft-drop key acts. Classic handling is the rules' own per-level
// auto-repeat and soft drop; custom handling replaces them with the player's three numbers.
struct Handling {
    int16_t custom = 0;   // 0 classic, 1 custom
    int16_t delay = 10;   // steps from a held key's first move to its auto-repeat, 0..20
    int16_t interval = 2; // steps between repeated moves, 0..10; 0: to the wall at once
    int16_t softDrop = 1; // steps per row of soft drop, 0..10; 0: to the floor at once
    bool operator==(const Handling&) const = default;
};

// True when every number is inside its range (and custom is 0 or 1).
inline bool validHandling(const Handling& h) {
    return h.custom >= 0 && h.custom <= 1 && h.delay >= 0 && h.delay <= kMaxRepeatDelay &&
           h.interval >= 0 && h.interval <= kMaxRepeatInterval && h.softDrop >= 0 &&
           h.softDrop <= kMaxSoftDropInterval;
}

struct GameOptions {
    int16_t startLevel = 0; // 0..20
    int16_t holdOpt = 0;    // 0|1
    int16_t quaOpt = 0;     // 0|1|2: close rows, cascade, leave gaps
    int16_t ghostOpt = 0;   // 0|1
    int16_t nextOpt = 0;    // 0|1
    int16_t clbOpt = 0;     // 0|1|2, a climb limit of 0, 1 or 3
    Mode mode = Mode::Classic;
    Handling handling;
    std::string shapeFile; // bare file name of the shape set
    bool operator==(const GameOptions&) const = default;
};

} // namespace zembrik
