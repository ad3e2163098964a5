// SPDX-License-Identifier: GPL-3.0-or-later
// Recording a game as it is played: its start, every tick call with its seed, the key events
// between them, regular checks of the record and the state it ended in. Memory only.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/random.h"
#include "core/record.h"
#include "engine/keys.h"
#include "engine/tick.h"
#include "store/replay.h"

namespace zembrik {

// A random source that counts the numbers drawn from another one.
class CountingRandom : public Random {
  public:
    explicit CountingRandom(Random& inner) : inner_(inner) {}
    float next() override {
        ++draws_;
        return inner_.next();
    }
    void seed(uint64_t s) override { inner_.seed(s); }
    int64_t draws() const { return draws_; }

  private:
    Random& inner_;
    int64_t draws_ = 0;
};

// A seed source that hands out another one's seeds and remembers the last.
class RememberingSeeds : public SeedSource {
  public:
    explicit RememberingSeeds(SeedSource& inner) : inner_(inner) {}
    uint64_t nextSeed() override { return last_ = inner_.nextSeed(); }
    uint64_t last() const { return last_; }

  private:
    SeedSource& inner_;
    uint64_t last_ = 0;
};

// Builds the replay of the game being played. The rules must be given random() and seeds() so
// that the recorder sees the seed of every tick call and whether the rules drew a number in it.
// Nothing here blocks or touches a file: the caller writes the finished replay.
class ReplayRecorder {
  public:
    // The game's own random source and seed source, which the rules reach through this.
    ReplayRecorder(Random& rng, SeedSource& seeds) : random_(rng), seeds_(seeds) {}

    Random& random() { return random_; }
    SeedSource& seeds() { return seeds_; }

    // Starts recording the game about to start on g from `options` (kept whole in the
    // replay): call it after applyOptions and seeding the random source with gameSeed, and
    // before newGame. Drops any game not finished.
    void begin(const Game& g, uint64_t gameSeed, GameOptions options);
    // True between begin and finish (or cancel).
    bool recording() const { return recording_; }

    // Around every tick call of the game: before it with the steps it is given, after it with
    // the record as it returned. Key events that arrive in between (while its frame is shown)
    // count as arriving before the next call.
    void beforeCall(int32_t steps);
    void afterCall(const Game& g);

    // The rules' key events, recorded just before the rules get them. Codes outside 0..255
    // match no assignment and are not kept.
    void keyDown(int code) { key(ReplayEntry::Kind::KeyDown, code); }
    void keyUp(int code) { key(ReplayEntry::Kind::KeyUp, code); }
    // A game action going down or up in the rules, whatever device it came from.
    void actionDown(Action a) { action(ReplayEntry::Kind::ActionDown, a); }
    void actionUp(Action a) { action(ReplayEntry::Kind::ActionUp, a); }
    void releaseKeys();

    // Ends the recording with the record as the game ended, before anything resets it. Empty
    // when nothing was being recorded, or when the game outgrew what a replay may hold.
    std::optional<Replay> finish(const Game& g, GameEnd how, int64_t endTime);
    // Ends the recording without a replay.
    void cancel() { recording_ = false; }

    // Steps given to the tick so far in the game being recorded.
    int64_t steps() const { return nextStep_ - 1; }

  private:
    void flushCall();
    void key(ReplayEntry::Kind kind, int code);
    void action(ReplayEntry::Kind kind, Action a);
    void push(ReplayEntry e);

    CountingRandom random_;
    RememberingSeeds seeds_;
    Replay replay_;
    bool recording_ = false;
    bool tooLong_ = false;
    int64_t nextStep_ = 1;  // the first step of the next call
    int64_t lastCheck_ = 0; // checks made so far: the last one followed step lastCheck_ * 600
    // The call running (or whose frame is shown), not yet entered.
    bool pending_ = false;
    int32_t pendingSteps_ = 0;
    int64_t pendingDrawsBefore_ = 0;
};

} // namespace zembrik
