// SPDX-License-Identifier: GPL-3.0-or-later
// The game window (Form1): the menu panel and read-outs, dialogs, keys, start-up, shut-down
// and settings.
//
// Owns the settings, the style, the menu and read-out widgets and the game session. Draws
// through the design view it is (app/design_view.h), starts and leaves games through the
// session (app/game_session.h), and shows for the session what it asks (SessionScreen).
#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>
#include <tuple>

#include "app/clock_readout.h"
#include "app/design_view.h"
#include "app/game_session.h"
#include "app/pad_layout.h"
#include "app/places.h"
#include "app/settings.h"
#include "audio/alerts.h"
#include "audio/sound.h"
#include "render/background.h"
#include "render/panels.h"
#include "render/style.h"

class QLabel;

namespace zembrik {

class MenuPanel;
class PadInput;
class MenuHighlight;
enum class PadCommand : uint8_t;

// What the window takes from outside, so tests can run it without real dialogs or an exit.
struct ShellServices {
    Alerts& alerts;    // message boxes: start-up notes, sound failures, the About box
    Clock& clock;      // time of the frame loop
    SeedSource& seeds; // seeds of the random source, per game and per tick call
    std::unique_ptr<Sound> sound;
    // Ends the process at once with the given status; must not return in the real game.
    std::function<void(int)> terminate;
    // `clock`'s counter is CLOCK_MONOTONIC in nanoseconds (RealClock): passes wake to the
    // microsecond.
    bool monotonicCounter = false;
};

class MainWindow : public DesignView, private SessionScreen {
    Q_OBJECT
  public:
    // The window of the game whose files are where `places` says.
    MainWindow(const Places& places, ShellServices services);
    // The same for the program in appDir, wherever findPlaces puts its files.
    MainWindow(const QString& appDir, ShellServices services);
    ~MainWindow() override;

    // Start-up: shows the window as "Loading~" with the busy pointer, reads the settings,
    // warns once (standard error and a message box) when they cannot be kept, lights the menu, sets
    // up the sound (a fatal failure terminates with status 1 without writing the settings; no
    // output device is said and the run goes on quiet, the saved sound choice kept for the next)
    // and ends with the caption "Zembrik". False after a fatal failure.
    bool startUp();
    // The start key or button: a game begins and runs on the event loop, pass by pass; this
    // returns at once. Nothing while a game runs or after shut-down.
    void startGame();
    // The Escape operation: leaves a running game for the menu, or closes the window.
    void gotomenu();
    // W on the menu: the newest replay plays in the window (GameSession::watchNewest); with no
    // replay (or an unreadable one) a message says so.
    void watchNewestReplay();
    // Quick restart (R): the same start level and options again at once, without the menu.
    void restartGame();
    // Pauses or resumes the running game.
    void setPaused(bool on);
    // Shows or hides the debug read-out.
    void showDebug(bool on);
    // The key handlers on virtual-key codes: F11, then the session's keys during a game or a
    // replay, the menu's (start key, Escape, W) between games.
    void keyDownCode(int code);
    void keyUpCode(int code);
    // Writes the settings unless start-up found they cannot be kept, releases the sound and
    // terminates: with status 0, or 1 when a settings file could not be written (each failure
    // is a line on stderr).
    void shutDown();
    // The About box, the Controls dialog and the settings dialog.
    void showAbout();
    void openControls();
    void openSettings();

    // State and parts for tests and tools.
    GameSession& session() { return session_; }
    Game& game() { return session_.game(); }
    const Game& game() const { return session_.game(); }
    const Places& places() const { return places_; }
    Settings& settings() { return s_; }
    MenuPanel* menu() const { return p1_; }
    MenuHighlight* highlight() const { return highlight_; }
    // The game controllers, once start-up has begun them.
    PadInput* pads() const { return pads_.get(); }
    QWidget* wellSurface() const { return p2_; }
    QWidget* p3() const { return P3_; }
    QLabel* title() const { return Imgtitle_; }
    QLabel* debugLabel() const { return lblDeb_; }
    QLabel* replayLabel() const { return lblReplay_; }
    QLabel* scoreLabel() const { return lblscore_; }
    QLabel* linesLabel() const { return lbllines_; }
    QLabel* pointsLabel() const { return lblpoints_; }
    QLabel* clockLabel() const { return clock_->value(); }
    // The summary offers "W: watch this game": its replay is the newest kept.
    bool summaryOffersWatching() const {
        return session_.lastGame() && session_.lastGameReplayKept();
    }
    // The frame loop's timing line for the debug read-out.
    void showDebugText(std::string_view text) override;
    bool debugTextShown() const override;

  protected:
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool event(QEvent* e) override;
    bool focusNextPrevChild(bool) override { return false; } // Tab is a game key
    // DesignView: the well while a game shows it, the pause panel and the game-over summary.
    bool fillScaling() const override { return s_.scaling != 0; }
    bool wellShown() const override;
    PanelsOver panelsOver(const QRect& r) const override;
    void paintPanels(QPainter& p, const QRect& r) override;

  private:
    // SessionScreen.
    void drawFrame(int16_t nocurr) override;
    void showPlayfield() override;
    void showMenuAgain() override;
    void showStartLevel(int16_t level) override;
    void showSessionState() override;
    void closeWindow() override;

    // Game controllers (app/window_pad.cpp): the pads started with the layout of
    // option_pad.000 (unreadable lines said once on standard error), and the file written
    // back through the safe writer when its text would change.
    void startPads();
    QString writePadSettings();
    void padAction(Action a, bool down);
    void padCommand(PadCommand c);
    // A menu move or choice from a pad or the keyboard (app/window_pad.cpp).
    void menuCommand(PadCommand c);
    // A key on the menu that moves or acts on the highlight; false for any other.
    bool menuKey(int code);

    QLabel* addLabel(int x, int y, int w, int h, const QString& text, double points);
    void showGameSurfaces(bool on);
    QString resumeHint() const;
    SummaryText summaryText() const;
    // The pause panel or the game-over summary as text, the window's accessible description,
    // since both are drawn: a screen reader reads them from there.
    void describePanels();

    Places places_;
    ShellServices services_;
    Settings s_;
    Style style_;
    Background bg_;
    GameSession session_;
    PadLayout padLayout_ = defaultPadLayout();
    std::string padFileText_; // option_pad.000 as read, "" when there was none
    std::unique_ptr<PadInput> pads_;
    struct {
        int code = -1;
        quint64 stamp = 0;
    } lastRelease_; // the last key released and the window system's time stamp of it
    bool shuttingDown_ = false;
    bool settingsLoaded_ = false; // the settings files have been read
    bool settingsKept_ = true;    // the settings folder can be written
    bool soundOffForRun_ = false; // no output device: muteOpt is 1 for this run only
    // The read-outs as watching found them (score, lines, level), put back after.
    std::optional<std::tuple<QString, QString, QString>> readoutsBeforeWatching_;

    // The controls, by the names of the game's design.
    MenuPanel* p1_ = nullptr;            // p1: the menu panel, shown between games
    MenuHighlight* highlight_ = nullptr; // the menu's highlight, over p1
    QWidget* p2_ = nullptr;       // p2: stands for the well surface (frame_.p2) while a game runs
    QWidget* P3_ = nullptr;       // P3: an 8 x 8 black square at (632, 0), shown with p2
    QLabel* Imgtitle_ = nullptr;  // the title picture, shown with the menu
    QLabel* lblscore_ = nullptr;  // score read-out
    QLabel* lbllines_ = nullptr;  // cleared-rows read-out
    QLabel* lblpoints_ = nullptr; // level and level count read-out, e.g. "H3-42"
    QLabel* lblDeb_ = nullptr;    // the frame loop's debug read-out, in debug mode only
    QLabel* lblReplay_ = nullptr; // "REPLAY 2×" and the watching keys, while watching
    std::optional<ClockReadout> clock_; // "Time:" and the mode's clock, under the level
};

} // namespace zembrik
