// SPDX-License-Identifier: GPL-3.0-or-later
// Test helpers: a game with the shipped shapes, wells drawn as text, a host that records.
#pragma once

#include <deque>
#include <ostream>
#include <string>
#include <vector>

#include "core/host.h"
#include "core/random.h"
#include "core/record.h"

namespace zembrik {

// Test messages show the named states by their numbers.
inline std::ostream& operator<<(std::ostream& os, InGame v) {
    return os << static_cast<int>(v);
}
inline std::ostream& operator<<(std::ostream& os, GameState v) {
    return os << static_cast<int>(v);
}
inline std::ostream& operator<<(std::ostream& os, Latch v) {
    return os << static_cast<int>(v);
}

} // namespace zembrik

namespace zembrik::test {

// Shape numbers of the shipped sets.
enum Shape : int16_t { I = 1, O = 2, T = 3, S = 4, Z = 5, J = 6, L = 7 };

// A game as a new game leaves it: shipped shapes (centre.kblox), empty well, level 0,
// moveDelay 10, Falling with the given piece at the spawn position.
Game newRecord(const std::string& shapeSet = "centre.kblox");

// Puts `piece` at the spawn position (column 3, row 0, state 0), falling.
void spawn(Game& g, int16_t piece, int16_t mode = 0, int16_t x = 3, int16_t y = 0);

// Fills the bottom of the well from a picture: the last string is row 21. '#' is a block
// (value 0), '.' empty. Rows above the picture are left as they are.
void setRows(Game& g, const std::vector<std::string>& rows);

// The rows first..21 as text, '#' for blocks, '.' empty, '@' for the active piece.
std::string wellText(const Game& g, int first, bool withPiece = true);

// Records every sound request and host call.
struct RecordingHost : Host {
    std::vector<std::string> sounds; // "code:count"
    int rends = 0, topOuts = 0, gotomenus = 0;
    std::vector<int16_t> levelClicks;
    void playSound(std::string_view code, int16_t count) override {
        sounds.push_back(std::string(code) + ":" + std::to_string(count));
    }
    void drawFrame(int16_t) override { ++rends; }
    void showStartLevel(int16_t level) override { levelClicks.push_back(level); }
    void gameToppedOut() override { ++topOuts; }
    void leaveToMenu() override { ++gotomenus; }
};

// Returns the given values in order, then repeats the last one.
struct ScriptedRandom : Random {
    std::deque<float> values;
    float last = 0;
    explicit ScriptedRandom(std::initializer_list<float> v = {}) : values(v) {}
    float next() override {
        if (!values.empty()) {
            last = values.front();
            values.pop_front();
        }
        return last;
    }
    void seed(uint64_t) override {}
};

} // namespace zembrik::test
