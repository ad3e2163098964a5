// SPDX-License-Identifier: GPL-3.0-or-later
// The replay player.
#include "replay/player.h"

#include "engine/keys.h"

namespace zembrik {

namespace {

bool isCall(const ReplayEntry& e) {
    return e.kind == ReplayEntry::Kind::Calls || e.kind == ReplayEntry::Kind::Call;
}

} // namespace

void ReplayPlayer::PlayerHost::playSound(std::string_view code, int16_t count) {
    outer.playSound(code, count);
}
void ReplayPlayer::PlayerHost::drawFrame(int16_t nocurr) {
    outer.drawFrame(nocurr);
}
void ReplayPlayer::PlayerHost::showDebugText(std::string_view text) {
    outer.showDebugText(text);
}
void ReplayPlayer::PlayerHost::showStartLevel(int16_t level) {
    p.g_.curLevel = level;
}
void ReplayPlayer::PlayerHost::gameToppedOut() {
    p.ended(GameEnd::TopOut, p.callEnd_);
}
void ReplayPlayer::PlayerHost::leaveToMenu() {
    if (p.g_.inGame == InGame::Menu) return;
    p.ended(GameEnd::Escape, p.steps_);
    p.g_.inGame = InGame::Menu;
}

ReplayPlayer::ReplayPlayer(const Replay& replay, Game& g, Host& host)
    : replay_(replay), g_(g), host_(*this, host) {}

void ReplayPlayer::start() {
    applyStart(g_, replay_.start);
    rng_.seed(replay_.start.gameSeed);
    newGame(g_, host_, rng_);
}

int32_t ReplayPlayer::nextCallSteps() const {
    if (finished_ || ended_) return 0;
    for (size_t i = next_; i < replay_.entries.size(); ++i) {
        const ReplayEntry& e = replay_.entries[i];
        if (e.kind == ReplayEntry::Kind::Calls) return 1;
        if (e.kind == ReplayEntry::Kind::Call) return e.count;
    }
    return 0;
}

bool ReplayPlayer::runCall() {
    if (finished_) return false;
    const auto& entries = replay_.entries;
    while (!ended_ && next_ < entries.size() && !isCall(entries[next_]))
        deliver(entries[next_++]);
    if (ended_ || next_ == entries.size()) {
        finish();
        return false;
    }
    const ReplayEntry& e = entries[next_];
    const bool plain = e.kind == ReplayEntry::Kind::Calls;
    const int32_t count = plain ? 1 : e.count;
    const int64_t wantDraws = plain ? 0 : e.draws;
    seed_.seed = plain ? 0 : e.seed;
    if (!plain || ++callsDone_ == e.count) {
        callsDone_ = 0;
        ++next_;
    }
    const int64_t first = steps_ + 1;
    callEnd_ = steps_ + count;
    const int64_t drawsBefore = counted_.draws();
    tick(g_, rules_, count);
    steps_ = callEnd_;
    if (counted_.draws() - drawsBefore != wantDraws) diverge(first, "random");
    // A box below the well's last row holds no block (any block there would be in the floor):
    // a shape with no blocks falls for ever and the rerun would run to the last step.
    if (!ended_ && g_.inGame == InGame::Playing && g_.curY > kWellH - 1) {
        if (divergence_.empty())
            divergence_ = "replay stopped at step " + std::to_string(steps_) + ": shape " +
                          std::to_string(g_.curBlox) + " has no blocks and can never land";
        finished_ = true;
        return false;
    }
    return true;
}

void ReplayPlayer::deliver(const ReplayEntry& e) {
    switch (e.kind) {
    case ReplayEntry::Kind::KeyDown:
        keyDown(g_, host_, e.code);
        break;
    case ReplayEntry::Kind::KeyUp:
        keyUp(g_, e.code);
        break;
    case ReplayEntry::Kind::ActionDown:
        actionDown(g_, static_cast<Action>(e.code));
        break;
    case ReplayEntry::Kind::ActionUp:
        actionUp(g_, static_cast<Action>(e.code));
        break;
    case ReplayEntry::Kind::ReleaseKeys:
        releaseHeldKeys(g_);
        break;
    case ReplayEntry::Kind::Check:
        compare(e.check, checkOf(g_, steps_));
        break;
    case ReplayEntry::Kind::Calls:
    case ReplayEntry::Kind::Call:
        break;
    }
}

void ReplayPlayer::compare(const ReplayCheck& want, const ReplayCheck& got) {
    if (got.step != want.step) diverge(want.step, "end");
    if (got.wellHash != want.wellHash) diverge(want.step, "well");
    if (got.scoreBits != want.scoreBits) diverge(want.step, "score");
    if (got.lines != want.lines) diverge(want.step, "lines");
    if (got.level != want.level) diverge(want.step, "level");
}

void ReplayPlayer::diverge(int64_t step, const char* field) {
    if (divergence_.empty())
        divergence_ = "replay diverged at step " + std::to_string(step) + ": " + field;
}

void ReplayPlayer::ended(GameEnd how, int64_t step) {
    if (ended_) return;
    ended_ = true;
    how_ = how;
    reached_ = checkOf(g_, step);
}

void ReplayPlayer::finish() {
    finished_ = true;
    const bool ruleEnd = replay_.end == GameEnd::TopOut || replay_.end == GameEnd::Escape;
    if (ended_ && next_ < replay_.entries.size()) {
        diverge(reached_.step, "end"); // the rerun ended where the game went on
    } else if (!ended_) {
        if (ruleEnd) diverge(steps_, "end"); // the game ended where the rerun goes on
        reached_ = checkOf(g_, steps_);
    } else if (how_ != replay_.end) {
        diverge(reached_.step, "end");
    }
    compare(replay_.final, reached_);
}

} // namespace zembrik
