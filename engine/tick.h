// SPDX-License-Identifier: GPL-3.0-or-later
// The game tick: the per-step state machine of entry delay, falling, landing, cascade and
// line-clear delay, followed by one frame.
#pragma once

#include <cstdint>

#include "core/host.h"
#include "core/random.h"
#include "core/record.h"

namespace zembrik {

// Where the seed for each tick call comes from. The game uses the clock; tools and tests a
// deterministic sequence so that a run can be replayed.
struct SeedSource {
    virtual ~SeedSource() = default;
    virtual uint64_t nextSeed() = 0; // called once at the start of every tick call
};

// Deterministic seeds: the base seed mixed with the number of the call (1, 2, ...).
class CountedSeeds : public SeedSource {
  public:
    explicit CountedSeeds(uint64_t base) : base_(base) {}
    uint64_t nextSeed() override { return mix(base_, ++calls_); }
    uint64_t calls() const { return calls_; }
    // The seed of call number `call` under base seed `base`.
    static uint64_t mix(uint64_t base, uint64_t call) {
        return base * 0x9E3779B97F4A7C15ull + call;
    }

  private:
    uint64_t base_;
    uint64_t calls_ = 0;
};

// What the rules reach outside the record: the host, the random source and its seeding.
struct Rules {
    Host& host;
    Random& rng;
    SeedSource& seeds;
};

// The largest step count one tick call runs; the count is a 16-bit number.
inline constexpr int32_t kMaxTickSteps = 32767;

// Runs `steps` steps (at most kMaxTickSteps) of the state machine, then draws one frame with
// host.drawFrame. 0 steps (or fewer) does nothing, not even the frame. The random source is
// re-seeded once per call. A top-out ends the call after its step, frame still drawn, and so
// does the step that reaches the mode's goal (modeRule: its lines cleared, or its game time,
// stepsPlayed, run), which ends the game finished (g.finished 1) the way a top-out does.
void tick(Game& g, Rules& rules, int32_t steps);

// One step of the state machine. nocurr is the render flag the steps of one call share: the
// states that show no active piece set it to 1, a spawn sets it back to 0. Returns false when
// the step ended the game (top-out): the call runs no further steps.
bool step(Game& g, Rules& rules, int16_t& nocurr);

// The record part of starting a game, in the game's order: Playing, empty well, score,
// levelCount, lines and the game's figures (steps, pieces, clears, finished) 0,
// startLevel = curLevel, a first entry delay of 120 steps, empty hold slot and piece, the next
// queue filled, every key released, Entry, the sound "stt" and the auto-repeat delay of
// curLevel (or of the custom handling). The caller seeds rng from its clock first.
void newGame(Game& g, Host& host, Random& rng);

// The record part of abandoning a running game: Menu, empty well, score, levelCount and
// lines 0, Entry.
void abandonGame(Game& g);

} // namespace zembrik
