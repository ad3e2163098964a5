// SPDX-License-Identifier: GPL-3.0-or-later
// The game's replay recorder.
#include "replay/recorder.h"

#include <algorithm>
#include <utility>

namespace zembrik {

namespace {

ReplayEntry entry(ReplayEntry::Kind kind, int64_t step, int32_t count = 0) {
    ReplayEntry e;
    e.kind = kind;
    e.step = step;
    e.count = count;
    return e;
}

} // namespace

void ReplayRecorder::begin(const Game& g, uint64_t gameSeed, GameOptions options) {
    replay_ = Replay();
    replay_.start = startOf(g, gameSeed, std::move(options));
    replay_.entries.reserve(4096);
    recording_ = true;
    tooLong_ = false;
    nextStep_ = 1;
    lastCheck_ = 0;
    pending_ = false;
}

void ReplayRecorder::push(ReplayEntry e) {
    // Room is kept for the last call and check; a longer game is not kept at all.
    if (replay_.entries.size() + 2 >= kReplayMaxEntries) {
        tooLong_ = true;
        return;
    }
    replay_.entries.push_back(e);
}

void ReplayRecorder::flushCall() {
    if (!pending_) return;
    pending_ = false;
    const auto draws = static_cast<int32_t>(random_.draws() - pendingDrawsBefore_);
    const int64_t first = nextStep_ - pendingSteps_;
    if (pendingSteps_ == 1 && draws == 0) {
        // The usual call: one step, nothing drawn. Runs of them take one entry.
        if (!replay_.entries.empty() && replay_.entries.back().kind == ReplayEntry::Kind::Calls &&
            replay_.entries.back().count < INT32_MAX) {
            ++replay_.entries.back().count;
            return;
        }
        push(entry(ReplayEntry::Kind::Calls, first, 1));
        return;
    }
    ReplayEntry e = entry(ReplayEntry::Kind::Call, first, pendingSteps_);
    e.draws = draws;
    e.seed = draws > 0 ? seeds_.last() : 0;
    push(e);
}

void ReplayRecorder::beforeCall(int32_t steps) {
    if (!recording_ || steps <= 0) return;
    flushCall();
    // The tick runs at most this many, whatever it is given.
    pendingSteps_ = std::min(steps, kMaxTickSteps);
    pendingDrawsBefore_ = random_.draws();
    pending_ = true;
    nextStep_ += pendingSteps_;
}

void ReplayRecorder::afterCall(const Game& g) {
    if (!recording_) return;
    flushCall();
    const int64_t done = nextStep_ - 1;
    // A check at the end of the call that reached the next multiple of the check interval.
    if (done / kReplayCheckEvery > lastCheck_) {
        lastCheck_ = done / kReplayCheckEvery;
        ReplayEntry e = entry(ReplayEntry::Kind::Check, nextStep_);
        e.check = checkOf(g, done);
        push(e);
    }
}

void ReplayRecorder::key(ReplayEntry::Kind kind, int code) {
    // Assignments are codes 0..255: any other code changes nothing in the rules.
    if (!recording_ || code < 0 || code > 255) return;
    flushCall();
    ReplayEntry e = entry(kind, nextStep_);
    e.code = static_cast<int16_t>(code);
    push(e);
}

void ReplayRecorder::action(ReplayEntry::Kind kind, Action a) {
    if (!recording_) return;
    flushCall();
    ReplayEntry e = entry(kind, nextStep_);
    e.code = static_cast<int16_t>(a);
    push(e);
}

void ReplayRecorder::releaseKeys() {
    if (!recording_) return;
    flushCall();
    push(entry(ReplayEntry::Kind::ReleaseKeys, nextStep_));
}

std::optional<Replay> ReplayRecorder::finish(const Game& g, GameEnd how, int64_t endTime) {
    if (!recording_) return std::nullopt;
    flushCall();
    recording_ = false;
    if (tooLong_) return std::nullopt;
    replay_.end = how;
    replay_.endTime = endTime;
    replay_.final = checkOf(g, nextStep_ - 1);
    Replay out = std::move(replay_);
    replay_ = Replay();
    return out;
}

} // namespace zembrik
