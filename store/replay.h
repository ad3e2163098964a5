// SPDX-License-Identifier: GPL-3.0-or-later
// Replays: one whole game kept so that the rules can run it again exactly, and its file format
// (docs/replay-format.md). The game records them, the simulator and the window run them.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/options.h"
#include "core/record.h"

namespace zembrik {

// The format version this program writes. It reads this one and every earlier one: version 1
// has no mode and handling (a Classic game with classic handling); versions 1 and 2 have no
// action events.
inline constexpr uint16_t kReplayVersion = 3;
// A replay checks the record every this many steps (ten seconds of play) besides at the end.
inline constexpr int64_t kReplayCheckEvery = 600;
// Limits that keep a hostile file from taking the memory: far above a day of play.
inline constexpr size_t kReplayMaxFileBytes = 8u << 20;
inline constexpr size_t kReplayMaxBodyBytes = 16u << 20;
inline constexpr size_t kReplayMaxEntries = 1u << 20;

// How a game ended.
enum class GameEnd : uint8_t {
    TopOut = 0,  // the rules ended it: no room for the next piece
    Escape = 1,  // the player left it with the Escape key
    Restart = 2, // the player started a new game over it
    Closed = 3,  // the window closed while it ran
};

// The record as the game started from it: everything a new game does not reset itself.
struct ReplayStart {
    // The game's options: start level, option switches, mode, handling and the shape set's
    // file name (for people only: the shapes themselves are below).
    GameOptions options;
    int16_t lines = 0; // the line count the game started with
    int16_t debugOpt = 0;
    int16_t climbLimit = 0; // 0, 1 or 3
    // The key assignment: keyMl, keyMr, keyMd, keyRl, keyRr, keyRo, keyFd, keyHd, keySt.
    std::array<int16_t, 9> keys{};
    std::array<int16_t, 3> nextBlox{}; // the queue a new game advances (all 0: filled afresh)
    int16_t holdUsed = 0;
    uint64_t gameSeed = 0;             // the random source's seed when the game started
    std::array<int16_t, 448> shapes{}; // shapes 1..7, in the shape-set file's order
    bool operator==(const ReplayStart&) const = default;
};

// The record at one point: what a rerun must match.
struct ReplayCheck {
    int64_t step = 0;       // steps given to the tick so far
    uint32_t scoreBits = 0; // the score's single-precision bits
    int16_t lines = 0;
    int16_t level = 0;
    uint64_t wellHash = 0; // wellHash() of the record
    bool operator==(const ReplayCheck&) const = default;
};

// One entry of a game's stream, in the order the game saw them. `step` is derived from the
// order (files do not store it): for calls their first step, for key events the step before
// which they arrived.
struct ReplayEntry {
    enum class Kind : uint8_t {
        Calls,       // `count` tick calls of one step each that drew no random number
        Call,        // one tick call of `count` steps that drew `draws` numbers after `seed`
        KeyDown,     // the rules' key-down of virtual-key `code`
        KeyUp,       // the rules' key-up of `code`
        ReleaseKeys, // every held key released (the window lost the keyboard)
        ActionDown,  // game action `code` (0..7, engine/keys.h Action) goes down
        ActionUp,    // game action `code` goes up
        Check,       // the record after what came before must match `check`
    };
    Kind kind = Kind::Calls;
    int64_t step = 0;
    int32_t count = 0;
    int32_t draws = 0;
    uint64_t seed = 0; // 0 when no number was drawn: no seed can change such a call
    int16_t code = 0;
    ReplayCheck check;
    bool operator==(const ReplayEntry&) const = default;
};

struct Replay {
    ReplayStart start;
    std::vector<ReplayEntry> entries;
    GameEnd end = GameEnd::TopOut;
    int64_t endTime = 0; // when the game ended, in seconds since 1970-01-01 UTC
    ReplayCheck final;   // the record when the game ended
    bool operator==(const Replay&) const = default;
};

// FNV-1a (64 bits) over rows 0..21, columns 0..9 of the well, each cell as two bytes, low first.
uint64_t wellHash(const Game& g);

// The check of the record after `step` steps.
ReplayCheck checkOf(const Game& g, int64_t step);

// The start of a game about to begin on g from `options` (kept whole; applyOptions has put
// them into g), with the seed the random source was given for it.
ReplayStart startOf(const Game& g, uint64_t gameSeed, GameOptions options);

// Puts a replay's start into the record (shape 0 emptied), ready for newGame.
void applyStart(Game& g, const ReplayStart& s);

// The file's bytes: header, then the compressed body.
std::string encodeReplay(const Replay& r);

// A replay read back, or a one-line reason (then `replay` is meaningless).
struct ReplayRead {
    Replay replay;
    std::string error;
};

// Reads a replay from the file's bytes. Every value is range-checked, so a replay that reads
// never puts a value into the record that the game itself could not have.
ReplayRead decodeReplay(std::string_view bytes);

// Reads the replay file at path; errors name the file.
ReplayRead readReplayFile(const std::string& path);

// "top-out", "Escape", "restart" or "closed".
const char* gameEndName(GameEnd e);

} // namespace zembrik
