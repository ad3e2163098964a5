// SPDX-License-Identifier: GPL-3.0-or-later
// Running a recorded game again on a record: the simulator checks it, the window shows it.
#pragma once

#include <cstdint>
#include <string>

#include "core/host.h"
#include "core/random.h"
#include "core/record.h"
#include "engine/tick.h"
#include "replay/recorder.h"
#include "store/replay.h"

namespace zembrik {

// Plays a replay's game: the start, then each recorded tick call with its recorded steps and
// seed, with the key events and checks in between, in their order. Time plays no part: the
// caller decides when the next call runs. The first difference from the recording is kept as
// "replay diverged at step S: FIELD", FIELD one of random (a call drew another count of
// numbers), end (the game ended at another point or in another way), well, score, lines,
// level. A game whose piece has no blocks, and so can never land, stops the rerun with
// "replay stopped at step S: shape N has no blocks and can never land".
class ReplayPlayer {
  public:
    // `host` gets the sounds and frames of the rules. The end of the game, the Escape
    // operation and the level click of debug mode are the player's own: it records the end
    // and leaves the record as the game ended (inGame Menu, nothing reset).
    ReplayPlayer(const Replay& replay, Game& g, Host& host);
    ReplayPlayer(const ReplayPlayer&) = delete;
    ReplayPlayer& operator=(const ReplayPlayer&) = delete;

    // Puts the replay's start into the record and starts the game as the window did.
    void start();
    // Delivers what comes before the next tick call and runs it. False when no call was left
    // (or the game had ended): what followed the last call has been delivered and the end
    // compared, and the player is finished.
    bool runCall();
    bool finished() const { return finished_; }

    // Steps of the next tick call; 0 when none is left.
    int32_t nextCallSteps() const;
    // Steps given to the tick so far.
    int64_t steps() const { return steps_; }
    // Empty while the rerun matches the recording.
    const std::string& divergence() const { return divergence_; }

  private:
    struct PlayerHost : Host {
        PlayerHost(ReplayPlayer& p, Host& outer) : p(p), outer(outer) {}
        ReplayPlayer& p;
        Host& outer;
        void playSound(std::string_view code, int16_t count) override;
        void drawFrame(int16_t nocurr) override;
        void showStartLevel(int16_t level) override;
        void gameToppedOut() override;
        void leaveToMenu() override;
        void showDebugText(std::string_view text) override;
    };
    // Replays the seed of the call about to run.
    struct FixedSeed : SeedSource {
        uint64_t seed = 0;
        uint64_t nextSeed() override { return seed; }
    };

    void deliver(const ReplayEntry& e);
    void compare(const ReplayCheck& want, const ReplayCheck& got);
    void diverge(int64_t step, const char* field);
    void ended(GameEnd how, int64_t step);
    void finish();

    const Replay& replay_;
    Game& g_;
    PlayerHost host_;
    XorShiftRandom rng_;
    CountingRandom counted_{rng_};
    FixedSeed seed_;
    Rules rules_{host_, counted_, seed_};
    size_t next_ = 0;       // entry to deliver next
    int32_t callsDone_ = 0; // calls of a run already made
    int64_t steps_ = 0;
    int64_t callEnd_ = 0; // last step of the call running
    bool ended_ = false;
    GameEnd how_ = GameEnd::TopOut;
    ReplayCheck reached_; // the record as the rerun's game ended
    bool finished_ = false;
    std::string divergence_;
};

} // namespace zembrik
