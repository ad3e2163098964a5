// SPDX-License-Identifier: GPL-3.0-or-later
// The game session: starting, pausing, restarting and leaving games, watching replays, and the
// schedule that runs the frame loop's passes on the event loop.
#include "app/game_session.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <sys/timerfd.h>
#include <unistd.h>

#include "replay/player.h"
#include "store/replay_files.h"

namespace zembrik {

namespace {

// While watching: F (speed).
constexpr int kKeyWatchSpeed = 70;

int64_t now() {
    return static_cast<int64_t>(std::time(nullptr));
}

} // namespace

GameSession::GameSession(SessionScreen& screen, SessionParts parts)
    : screen_(screen), parts_(std::move(parts)),
      replays_(rnd_, parts_.seeds, parts_.replaysFolder), rules_{*this,
                                                                 replays_.recorder().random(),
                                                                 replays_.recorder().seeds()} {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &GameSession::wake);
    if (parts_.monotonicCounter)
        wakeFd_ = timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
    if (wakeFd_ >= 0) {
        wakeNote_ = std::make_unique<QSocketNotifier>(wakeFd_, QSocketNotifier::Read);
        connect(wakeNote_.get(), &QSocketNotifier::activated, this, [this] {
            uint64_t expirations = 0;
            if (::read(wakeFd_, &expirations, sizeof expirations) <= 0) return; // disarmed since
            wake();
        });
    }
}

GameSession::~GameSession() {
    wakeNote_.reset();
    if (wakeFd_ >= 0) ::close(wakeFd_);
}

void GameSession::stopWake() {
    timer_.stop();
    if (wakeFd_ < 0) return;
    const itimerspec off{};
    timerfd_settime(wakeFd_, 0, &off, nullptr);
    uint64_t expirations = 0;
    (void)!::read(wakeFd_, &expirations, sizeof expirations); // one that fired unread goes too
}

void GameSession::schedule() {
    const auto due = [this] { return loop_ && !paused_ && g_.inGame != InGame::Menu; };
    if (!due()) {
        stopWake();
        return;
    }
    // The next pass when its step is due: one wake-up a step, and the pass's own arithmetic
    // decides how many steps run. A timerfd wakes it at the deadline itself; a timer, at the
    // first whole millisecond after it (0-2 ms later, which a key waits on top of the step).
    const int64_t deadline = loop_->wakeAt();
    const int64_t wait = parts_.clock.millisecondsUntil(deadline);
    // A test's clock may act while asked (a key, the window closing): the state is read again.
    if (!due()) return;
    if (wakeFd_ >= 0) {
        const int64_t at = std::max<int64_t>(deadline, 1); // 0 would disarm it
        itimerspec when{};
        when.it_value.tv_sec = static_cast<time_t>(at / 1'000'000'000);
        when.it_value.tv_nsec = static_cast<long>(at % 1'000'000'000);
        if (timerfd_settime(wakeFd_, TFD_TIMER_ABSTIME, &when, nullptr) == 0) return;
    }
    timer_.start(static_cast<int>(std::clamp<int64_t>(wait, 0, 60'000)));
}

void GameSession::wake() {
    // The event loop serves the wake before the window system's input that came with it (a
    // key read from the X connection while the process slept is delivered later in the same
    // turn), so the pass runs as a posted call, after that input: the step falling due sees
    // every key pressed before it, as when a pass let the messages run before its steps.
    QMetaObject::invokeMethod(this, &GameSession::runPass, Qt::QueuedConnection);
}

void GameSession::runPass() {
    // Held for the pass: a game ended inside it may be followed by another before it returns.
    const std::shared_ptr<FrameLoop> loop = loop_;
    // The input served before this pass may have paused or ended the game.
    if (!loop || paused_) return;
    if (beforePass_) {
        beforePass_();
        // A pad's Back or Start may have ended or paused the game.
        if (loop != loop_ || paused_ || g_.inGame == InGame::Menu) {
            if (loop == loop_) schedule();
            return;
        }
    }
    loop->pass();
    if (loop != loop_) {
        // The game ended inside that pass and a new one began there too: it runs on its own
        // schedule, and the old loop goes with this pass.
        emit finished();
        return;
    }
    if (g_.inGame == InGame::Menu) {
        endLoop();
        return;
    }
    schedule();
}

void GameSession::endLoop() {
    stopWake();
    loop_.reset();
    paused_ = false;
    if (watching_ || player_) {
        if (player_ && !player_->divergence().empty() && player_->finished())
            std::fprintf(stderr, "zembrik: %s\n", player_->divergence().c_str());
        watching_ = false;
        player_.reset();
        watched_.reset();
        g_ = *beforeWatching_;
        beforeWatching_.reset();
        if (!closed_) screen_.showMenuAgain();
    }
    emit finished();
}

void GameSession::start() {
    // A game that ended inside the running pass may be followed at once: that pass finishes
    // on the old loop, which goes with it (runPass).
    if (closed_ || g_.inGame != InGame::Menu) return;
    options_ = parts_.settings.options;
    beginGame();
    loop_ = std::make_shared<FrameLoop>(g_, parts_.clock, host(), [this](int32_t steps) {
        replays_.recorder().beforeCall(steps);
        tick(g_, rules_, steps);
        replays_.recorder().afterCall(g_);
        // Quick taps that these steps have seen long enough to act on let go now.
        for (const Action a : taps_.stepsRan(steps))
            toRules(a, false);
    });
    schedule();
}

void GameSession::beginGame() {
    const uint64_t gameSeed = parts_.seeds.nextSeed();
    rnd_.seed(gameSeed);
    paused_ = false;
    taps_.clear();
    holders_.fill(0);
    applyOptions(g_, options_);
    replays_.recorder().begin(g_, gameSeed, options_);
    newGame(g_, *this, rnd_);
    screen_.showPlayfield();
}

void GameSession::restart() {
    if (g_.inGame == InGame::Menu || watching_) return;
    // Esc would leave the level bar at the level reached; a restart plays the same game again,
    // from options_ as the game began (the menu's level may have moved since: debug mode's 9).
    keepReplay(GameEnd::Restart, now());
    abandonGame(g_);
    screen_.showStartLevel(options_.startLevel);
    beginGame();
    // The new game's steps count from now.
    loop_->restartSteps();
    schedule();
}

void GameSession::leave() {
    if (!loop_) {
        screen_.closeWindow();
        return;
    }
    if (watching_) {
        g_.inGame = InGame::Menu;
        endLoop();
        return;
    }
    keepReplay(GameEnd::Escape, now());
    // The summary belongs to the last finished game: beside the read-outs of a game left
    // unfinished it would be taken for this one's.
    lastGame_.reset();
    lastGameReplay_ = false;
    paused_ = false;
    abandonGame(g_);
    screen_.showStartLevel(g_.curLevel);
    screen_.showMenuAgain();
    endLoop();
}

void GameSession::leaveByPad() {
    if (!loop_) return;
    if (!watching_) replays_.recorder().keyDown(kKeyEscape);
    leave();
}

void GameSession::leaveToMenu() {
    leave();
}

void GameSession::setPaused(bool on) {
    if (!loop_) on = false;
    if (paused_ == on) return;
    paused_ = on;
    if (on) {
        // A release held back for a step that a pause now puts off reaches the rules at once.
        for (const Action a : taps_.clear())
            toRules(a, false);
    } else {
        // The pause is not owed: no burst of steps to catch up, and the game's steps exclude it.
        loop_->restartSteps();
    }
    screen_.showSessionState();
    schedule();
}

bool GameSession::isPauseKey(int code) const {
    // A watched game's keys are not the player's: P and Pause always pause it.
    if (watching_) return code == kKeyP || code == kKeyPause;
    return g_.inGame != InGame::Menu && pausesGame(g_, code);
}

bool GameSession::takesKey(int code) const {
    return !watching_ && g_.inGame != InGame::Menu && isGameActionKey(g_, code);
}

void GameSession::pauseKeyStillHeld(int code) {
    pauseKeyHeld_ = code;
}

void GameSession::pauseKeyDown(int code) {
    // One toggle per press: a key held down (or repeated without being marked as a repeat)
    // must not flicker the pause on and off.
    if (pauseKeyHeld_ != code) setPaused(!paused_);
    pauseKeyHeld_ = code;
}

void GameSession::keyDown(int code) {
    if (watching_) {
        watchKey(code);
        return;
    }
    if (g_.inGame == InGame::Menu) return;
    if (isPauseKey(code)) {
        pauseKeyDown(code);
    } else if (restartsGame(g_, code)) {
        restart();
    } else if (isCommandKey(g_, code)) {
        // Escape and the debug digits reach the rules as the key itself (with the action the
        // key may also have).
        if (const auto a = keyAction(g_, code)) {
            holders_[index(*a)] |= kFromKeyboard;
            if (!paused_) taps_.pressed(*a);
        }
        replays_.recorder().keyDown(code);
        zembrik::keyDown(g_, *this, code);
    } else if (const auto a = keyAction(g_, code)) {
        press(*a, kFromKeyboard);
    }
}

void GameSession::keyUp(int code) {
    if (code == pauseKeyHeld_) pauseKeyHeld_ = -1;
    if (watching_ || g_.inGame == InGame::Menu) return;
    if (const auto a = keyAction(g_, code)) release(*a, kFromKeyboard);
}

void GameSession::padAction(Action a, bool down) {
    if (watching_ || g_.inGame == InGame::Menu) return;
    down ? press(a, kFromPad) : release(a, kFromPad);
}

void GameSession::press(Action a, uint8_t source) {
    uint8_t& holders = holders_[index(a)];
    const bool wasDown = holders != 0;
    holders |= source;
    // Already down (from the other device, or a repeat): the rules would see nothing new.
    if (wasDown) return;
    if (!paused_) taps_.pressed(a);
    toRules(a, true);
}

void GameSession::release(Action a, uint8_t source) {
    uint8_t& holders = holders_[index(a)];
    if ((holders & source) == 0) return;
    holders &= static_cast<uint8_t>(~source);
    // Held from the other device: it stays down.
    if (holders != 0) return;
    // A tap shorter than a step reaches the rules all the same; in a pause no step would
    // see it, and it must not act once the game goes on.
    if (!paused_ && taps_.holdsBack(a)) return;
    toRules(a, false);
}

void GameSession::toRules(Action a, bool down) {
    if (g_.inGame == InGame::Menu) return;
    if (down) {
        replays_.recorder().actionDown(a);
        actionDown(g_, a);
    } else {
        replays_.recorder().actionUp(a);
        actionUp(g_, a);
    }
}

void GameSession::focusLost(bool pause) {
    if (g_.inGame == InGame::Menu || watching_) return;
    replays_.recorder().releaseKeys();
    releaseHeldKeys(g_);
    holders_.fill(0);
    taps_.clear();
    pauseKeyHeld_ = -1;
    if (pause) setPaused(true);
}

void GameSession::gameToppedOut() {
    // Inside the game's last pass: the pass finishes, then the loop ends (runPass).
    const int64_t endTime = now(); // one time for the records line and the replay's name
    recordFinishedGame(endTime);
    lastGameReplay_ = !keepReplay(GameEnd::TopOut, endTime).empty();
    screen_.showMenuAgain();
}

std::string GameSession::recordsPath() const {
    return parts_.recordsFile;
}

void GameSession::recordFinishedGame(int64_t endTime) {
    const std::string path = recordsPath();
    const RecordsOutcome o =
        addRecord(path, recordOf(g_, options_, static_cast<std::time_t>(endTime)), g_.stepsPlayed,
                  g_.keysPressed);
    // Neither a damaged nor an unwritable records file stops the game: the player is told on
    // standard error and the summary still shows this game.
    if (!o.notice.empty()) std::fprintf(stderr, "zembrik: %s\n", o.notice.c_str());
    if (!o.error.empty()) std::fprintf(stderr, "zembrik: %s\n", o.error.c_str());
    lastGame_ = o.game;
}

std::string GameSession::keepReplay(GameEnd how, int64_t endTime) {
    // The replays of games that set a best stay whatever their age; records.000 says which.
    const std::string stem = replays_.gameEnded(g_, how, endTime, bestsFromRecords(recordsPath()));
    // W plays the newest replay: once another game's is kept, it is not the summary's game.
    if (!stem.empty() && how != GameEnd::TopOut) lastGameReplay_ = false;
    return stem;
}

bool GameSession::watchNewest(std::string& why) {
    why.clear();
    if (closed_ || g_.inGame != InGame::Menu || loop_) return false;
    // The game kept last in this run is the newest, and needs no disk.
    if (std::shared_ptr<const Replay> last = replays_.lastKept()) {
        watchReplay(std::move(last));
        return true;
    }
    const std::vector<std::string> files = listReplays(replays_.folder());
    if (files.empty()) {
        why = tr("There is no replay to watch yet: every game you play is kept.").toStdString();
        return false;
    }
    const ReplayRead read = readReplayFile(replays_.folder() + "/" + files.back());
    if (!read.error.empty()) {
        why = tr("The newest replay cannot be watched: %1")
                  .arg(QString::fromStdString(read.error))
                  .toStdString();
        return false;
    }
    watchReplay(std::make_shared<const Replay>(read.replay));
    return true;
}

void GameSession::watchReplay(std::shared_ptr<const Replay> replay) {
    watched_ = std::move(replay); // the player reads it for as long as it plays
    beforeWatching_ = std::make_unique<Game>(g_);
    watching_ = true;
    watchSpeed_ = 1;
    paused_ = false;
    player_ = std::make_unique<ReplayPlayer>(*watched_, g_, host());
    player_->start();
    screen_.showPlayfield();
    screen_.showSessionState();
    // Each recorded call runs once the clock has given as many steps (times the speed) as it
    // had, so the game shows at the pace it was played, stalls included.
    watchDue_ = 0;
    loop_ = std::make_shared<FrameLoop>(g_, parts_.clock, host(), [this](int32_t steps) {
        watchDue_ += static_cast<int64_t>(steps) * watchSpeed_;
        while (!player_->finished()) {
            const int32_t next = player_->nextCallSteps();
            if (next > watchDue_) break;
            watchDue_ -= next;
            player_->runCall();
        }
        if (player_->finished()) g_.inGame = InGame::Menu;
    });
    schedule();
}

void GameSession::watchKey(int code) {
    if (isPauseKey(code)) {
        pauseKeyDown(code);
    } else if (code == kKeyEscape) {
        leave();
    } else if (code == kKeyWatchSpeed) {
        watchSpeed_ = watchSpeed_ == 4 ? 1 : watchSpeed_ * 2;
        screen_.showSessionState();
    }
}

void GameSession::close() {
    if (closed_) return;
    closed_ = true;
    if (watching_) {
        // The record holds the watched game's options and keys: the player's own come back.
        g_.inGame = InGame::Menu;
        endLoop();
    }
    if (g_.inGame != InGame::Menu) keepReplay(GameEnd::Closed, now());
    // The process ends at once after this: every replay handed over must be on the disk.
    replays_.flush();
    g_.inGame = InGame::Menu;
    if (loop_) endLoop();
}

void GameSession::playSound(std::string_view code, int16_t count) {
    parts_.sound.playsound(code, count, g_.muteOpt);
}

void GameSession::drawFrame(int16_t nocurr) {
    screen_.drawFrame(nocurr);
}

void GameSession::showStartLevel(int16_t level) {
    // The game goes on at that level (debug mode's 9); the menu's start level follows it.
    g_.curLevel = level;
    screen_.showStartLevel(level);
}

void GameSession::showDebugText(std::string_view text) {
    screen_.showDebugText(text);
}

} // namespace zembrik
