// SPDX-License-Identifier: GPL-3.0-or-later
// The game session: one game (or one watched replay) at a time, run pass by pass on the
// application's event loop.
//
// Owns the game record, the rules' host, the frame loop and its schedule, the tap keeper, the
// replay recorder and keeper, pause, restart, watching a replay and the records at a game's
// end. May call the rules, replay/, store/ and the sound; reaches the window only through
// SessionScreen.
#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <QTimer>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "app/settings.h"
#include "app/shell_keys.h"
#include "audio/sound.h"
#include "core/host.h"
#include "core/random.h"
#include "core/record.h"
#include "engine/frame_loop.h"
#include "engine/keys.h"
#include "engine/tick.h"
#include "replay/keeper.h"
#include "store/records.h"

namespace zembrik {

struct Replay;
class ReplayPlayer;

// What a session asks of the window it runs in.
struct SessionScreen {
    virtual ~SessionScreen() = default;
    // Draw the record into the frame and show what changed (nocurr != 0: no falling piece).
    virtual void drawFrame(int16_t nocurr) = 0;
    // The menu gives way to the well (a game or a replay begins).
    virtual void showPlayfield() = 0;
    // The menu comes back (a game or a replay has ended).
    virtual void showMenuAgain() = 0;
    // The level bar: `level` becomes the start level and is lit up to it.
    virtual void showStartLevel(int16_t level) = 0;
    // The frame loop's timing line.
    virtual void showDebugText(std::string_view text) = 0;
    // Whether that line is shown at all.
    virtual bool debugTextShown() const = 0;
    // Pause, watching or its speed changed: the panels and the replay label are shown anew.
    virtual void showSessionState() = 0;
    // Escape on the menu: the window closes.
    virtual void closeWindow() = 0;
};

// Where the session's files go and what it takes from outside.
struct SessionParts {
    Clock& clock;
    SeedSource& seeds;
    Sound& sound;
    const Settings& settings;  // its options: the menu's choice a new game starts from
    std::string recordsFile;   // records.000, as a file name; "" keeps no records
    std::string replaysFolder; // the folder replays go to; "" keeps none
    // The clock's counter is CLOCK_MONOTONIC in nanoseconds: each pass is woken at its step's
    // deadline to the microsecond (a timerfd) instead of at the next whole millisecond.
    bool monotonicCounter = false;
};

class GameSession : public QObject, private Host {
    Q_OBJECT
  public:
    GameSession(SessionScreen& screen, SessionParts parts);
    ~GameSession() override;

    Game& game() { return g_; }
    const Game& game() const { return g_; }
    // The game's random source, shared with the background the window draws.
    XorShiftRandom& random() { return rnd_; }
    ReplayKeeper& replays() { return replays_; }

    // True while a game or a watched replay has passes scheduled (or is paused).
    bool running() const { return loop_ != nullptr; }
    // Starts a game from the menu's options (the settings'), copied whole; nothing while one
    // runs or after shut-down.
    void start();
    // Plays the newest replay at real speed, sounds included; F cycles 1x, 2x, 4x, P or Pause
    // pauses it, Esc stops. Ends back on the menu with the record as it was before; keeps no
    // replay and touches no file. False (nothing started) with no replay to watch; `why` says
    // what is wrong then.
    bool watchNewest(std::string& why);
    // R: abandons the running game and starts a new one from the options it started with,
    // whatever the menu's are now.
    void restart();
    // Escape: leaves the running game (or replay) for the menu; on the menu closes the window.
    void leave();
    // A pad's Back: leaves the running game as the Escape key does (its replay ends with
    // Escape), or stops a watched replay.
    void leaveByPad();
    // Called at the start of every pass, before its steps: a device read there is seen by
    // them, without a wake-up of its own.
    void setBeforePass(std::function<void()> f) { beforePass_ = std::move(f); }
    // Pauses or resumes: no pass runs while paused; on resume no step is owed for the pause.
    void setPaused(bool on);
    bool paused() const { return paused_; }
    bool watching() const { return watching_; }
    // The options the running (or last) game started with.
    const GameOptions& gameOptions() const { return options_; }
    int watchSpeed() const { return watchSpeed_; }
    // A key of a running game or replay (pause, restart, the rules' keys; the watching keys).
    void keyDown(int code);
    void keyUp(int code);
    // A game controller's action going down or up (the pads already merged into one). An
    // action is down while the keyboard or a pad holds it.
    void padAction(Action a, bool down);
    // P or Pause pressed: true when it is the pause key now (a held one toggles once).
    bool isPauseKey(int code) const;
    // The window system repeats a held key as a release and a press: the pause key is still
    // down, and its next press must not toggle again.
    void pauseKeyStillHeld(int code);
    // The key belongs to an action of the running game (F11 gives way to it).
    bool takesKey(int code) const;
    // The window lost the keyboard: no key-up will come; pauses when the settings say so.
    void focusLost(bool pause);
    // Shut-down: the watched record is put back, a running game's replay kept, every replay
    // flushed to disk and the schedule stopped.
    void close();

    // The last game that ended in a top-out in this run; nothing before the first, nor once a
    // game has been left by Esc (its summary would stand beside that game's read-outs).
    const std::optional<FinishedGame>& lastGame() const { return lastGame_; }
    // The summary offers "W: watch this game": its replay is the newest kept.
    bool lastGameReplayKept() const { return lastGameReplay_; }

  signals:
    // A game or a watched replay has ended, whatever way.
    void finished();

  private:
    // Host: what the rules ask.
    void playSound(std::string_view code, int16_t count) override;
    void drawFrame(int16_t nocurr) override;
    void showStartLevel(int16_t level) override;
    void gameToppedOut() override;
    void leaveToMenu() override;
    void showDebugText(std::string_view text) override;
    bool debugTextWanted() const override { return screen_.debugTextShown(); }

    Host& host() { return *this; }
    void beginGame();
    void watchReplay(std::shared_ptr<const Replay> replay);
    void watchKey(int code);
    // Devices holding an action: the keyboard and the pads.
    static constexpr uint8_t kFromKeyboard = 1, kFromPad = 2;
    static size_t index(Action a) { return static_cast<size_t>(a); }
    void press(Action a, uint8_t source);
    void release(Action a, uint8_t source);
    // The action reaches the rules (and the replay).
    void toRules(Action a, bool down);
    void pauseKeyDown(int code);
    // Arms the timer for the next pass at its due time; stops it while paused or ended.
    void schedule();
    // The timer or the timerfd fired: the pass runs after the input already waiting.
    void wake();
    // One pass of the frame loop, after a wake; nothing while paused or without a game.
    void runPass();
    // The loop is over: the watched record is put back, the schedule dropped, finished sent.
    void endLoop();
    // Stops the timer or the timerfd of the next pass.
    void stopWake();
    std::string keepReplay(GameEnd how, int64_t endTime);
    void recordFinishedGame(int64_t endTime);
    std::string recordsPath() const;

    SessionScreen& screen_;
    SessionParts parts_;
    Game g_;
    // The options of the game that runs: the menu's, copied whole when it started. The record,
    // the replay and the records line take them from here.
    GameOptions options_;
    XorShiftRandom rnd_;
    ReplayKeeper replays_; // records every game; the rules draw and seed through it
    Rules rules_;
    std::shared_ptr<FrameLoop> loop_; // the running game's (or replay's) passes
    QTimer timer_;                    // wakes the next pass
    int wakeFd_ = -1;                 // or this timerfd, when the counter is CLOCK_MONOTONIC
    std::unique_ptr<QSocketNotifier> wakeNote_;
    std::function<void()> beforePass_;
    TapKeeper taps_; // releases of game actions held back until a step has seen them down
    std::array<uint8_t, kActionCount> holders_{}; // which devices hold each action down
    bool paused_ = false;
    bool closed_ = false;
    int pauseKeyHeld_ = -1; // the pause key pressed and not yet released, -1 for none
    std::optional<FinishedGame> lastGame_;
    bool lastGameReplay_ = false; // the last finished game's replay was kept

    bool watching_ = false;
    int watchSpeed_ = 1;                    // steps of the replay per step of the clock: 1, 2, 4
    std::shared_ptr<const Replay> watched_; // the replay being watched
    std::unique_ptr<ReplayPlayer> player_;  // playing it
    int64_t watchDue_ = 0;                  // clock steps given to the replay not yet used
    std::unique_ptr<Game> beforeWatching_;  // the record as watching found it, put back after
};

} // namespace zembrik
