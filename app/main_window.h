// The game window: the menu between games, the well and read-outs during one, and the start-up
// and shut-down sequences.
#pragma once

#include <QImage>
#include <QPointer>
#include <QRegion>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>

#include "app/game_host.h"
#include "app/places.h"
#include "app/settings.h"
#include "audio/alerts.h"
#include "audio/sound.h"
#include "core/random.h"
#include "core/record.h"
#include "engine/frame_loop.h"
#include "engine/keys.h"
#include "engine/tick.h"
#include "render/background.h"
#include "render/frame.h"
#include "render/panels.h"
#include "render/scale.h"
#include "render/style.h"
#include "replay/keeper.h"
#include "store/records.h"

class QLabel;

namespace zembrik {

class MenuPanel;

// What the window takes from outside, so tests can run it without real dialogs or an exit.
struct ShellServices {
    Alerts& alerts;    // message boxes: start-up notes, sound failures, the About box
    Clock& clock;      // time of the frame loop
    SeedSource& seeds; // seeds of the random source, per game and per tick call
    std::unique_ptr<Sound> sound;
    // Ends the process at once with the given status; must not return in the real game.
    std::function<void(int)> terminate;
};

// Form1: the game window. Owns the game record, settings, style, sound and the frame that rend
// draws.
//
// Everything the player sees is laid out in one 640 x 480 design, and the window shows that
// design at the largest whole scale its client area allows, centred on black (render/scale.h);
// with Fill scaling chosen, at the largest size that fits at any factor, each device pixel the
// design pixel a click there maps to.
// The design is two layers, composed afresh for every paint: the frame images (frame_.window,
// the well p2 at (216, 16), the delay bar at (216, 472)), and on top of them the widgets that are
// children of designSurface(): the title, the menu panel, the read-outs, the debug read-out.
// designSurface() itself is never shown; its children are drawn through QWidget::render at 1x
// and the result is enlarged pixel by pixel, so text and art scale as sharp blocks like the rest.
// Mouse events on the window are mapped back to design pixels and sent to the design widget
// under them (a press grabs the mouse for that widget until the last button is released), and
// the pointer takes that widget's cursor.
//
// To add something that must scale with the game (a panel, a summary, a notice):
// - either draw it into the frame images, in design pixels,
// - or make a widget whose parent is designSurface() (or one of its children), placed in design
//   pixels; it never takes the keyboard focus (keys go to this window).
// A hidden widget never asks for a paint of its own: after changing what a design widget shows,
// call updateDesign() (the events this window handles, keys, clicks and dialogs, already do).
// During a game each frame repaints only what it changed (Frame::changed: the moving outlines,
// the rows of the well that differ, the delay bar) and the read-outs whose text changed; a
// widget shown or changed during a game needs its own updateDesign().
class MainWindow : public QWidget {
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
    // Starts a game and runs its frame loop; returns when the game has ended. Asked for while
    // a frame loop is already running, the start waits until that loop has returned.
    void startGame();
    // The Escape operation: leaves a running game for the menu, or closes the window.
    void gotomenu();
    // W on the menu: plays the newest replay in the window at real speed, sounds included; F
    // cycles the speed 1x, 2x, 4x, P or Pause pauses it and Esc stops. Returns once it has
    // ended, back on the menu with the record as it was before. Watching keeps no replay and
    // touches no file: no records line, whatever way the watched game ends. With no replay (or
    // an unreadable one) a message says so.
    void watchNewestReplay();
    bool watching() const { return watching_; }
    int watchSpeed() const { return watchSpeed_; }
    // Quick restart (R): abandons the running game and at once starts a new one from the same
    // start level with the same options, as Esc and the start key would, without the menu.
    void restartGame();
    // Pauses or resumes the running game. While paused no step runs and the process sleeps
    // until an event comes; on resume the frame loop owes no time for the pause.
    void setPaused(bool on);
    bool paused() const { return paused_; }
    // Back to the menu after a top-out (the rules have already reset their part); the game goes
    // into records.000 and its summary is shown beside the menu.
    void topOut();
    // The level bar click.
    void shplvl_Click(int16_t level);
    // Draws the frame from the record, shows it, then lets pending events run once.
    void rendFrame(int16_t nocurr);
    // A sound request, silent when sound is off.
    void playsound(std::string_view code, int16_t count);
    // Lets pending window messages (keys, clicks, closing) run once.
    void letMessagesRun();
    // The frame loop's timing line for the debug read-out.
    void setDebugText(std::string_view text);
    // Shows or hides the debug read-out.
    void showDebug(bool on);
    // Asks for a paint of the design rectangle r (design pixels; the whole design by default).
    void updateDesign(const QRect& r = QRect(0, 0, kWindowW, kWindowH));
    // Paints the design rectangle r at once.
    void repaintDesign(const QRect& r = QRect(0, 0, kWindowW, kWindowH));
    void repaintDesign(const QRegion& r);
    // Where the design sits in the client area now, in device pixels.
    DesignPlacement placement() const;
    // The design pixel under a point of the window (device-independent pixels), or nothing in
    // the black border.
    std::optional<QPoint> designPointAt(QPointF pos) const;
    // F11: full screen on and off, with the same scaling.
    void toggleFullScreen();
    // The key handlers on virtual-key codes: during a game the rules' key-down and key-up, on
    // the menu the panel's key-down (start key, Escape).
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

    // State and parts for tests and for the host.
    Game& game() { return g_; }
    const Places& places() const { return places_; }
    Settings& settings() { return s_; }
    MenuPanel* menu() const { return p1_; }
    QWidget* wellSurface() const { return p2_; }
    QWidget* p3() const { return P3_; }
    QLabel* title() const { return Imgtitle_; }
    QLabel* debugLabel() const { return lblDeb_; }
    QLabel* replayLabel() const { return lblReplay_; }
    QLabel* scoreLabel() const { return lblscore_; }
    QLabel* linesLabel() const { return lbllines_; }
    QLabel* pointsLabel() const { return lblpoints_; }
    const Frame& frame() const { return frame_; }
    // The 640 x 480 parent of every widget in the design; never shown itself.
    QWidget* designSurface() const { return design_; }
    // The last game that ended in a top-out in this run (its records line, steps, best and
    // whether it set the best); nothing before the first, nor once a game has been left by Esc
    // (its summary would stand beside that game's read-outs). Games left by Esc or R are not
    // kept.
    const std::optional<FinishedGame>& lastGame() const { return lastGame_; }
    // The summary offers "W: watch this game": its replay is the newest kept.
    bool summaryOffersWatching() const { return lastGame_ && lastGameReplay_; }
    bool loopRunning() const { return loopDepth_ > 0; }
    ReplayKeeper& replays() { return replays_; }

  protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override { forwardMouse(e); }
    void mouseReleaseEvent(QMouseEvent* e) override { forwardMouse(e); }
    void mouseDoubleClickEvent(QMouseEvent* e) override { forwardMouse(e); }
    void mouseMoveEvent(QMouseEvent* e) override { forwardMouse(e); }
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    // Keeps the size the window has out of the maximised and full-screen states.
    void resizeEvent(QResizeEvent* e) override;
    bool event(QEvent* e) override;
    bool focusNextPrevChild(bool) override { return false; } // Tab is a game key

  private:
    QLabel* addLabel(int x, int y, int w, int h, const QString& text, double points);
    void showGameSurfaces(bool on);
    // Draws the design rectangle r (design pixels) with p, whose origin is the design's.
    // `widgets` is shownWidgets(), where the design's widgets are drawn over the frame.
    void paintDesign(QPainter& p, const QRect& r, const QRegion& widgets);
    // Draws the design's widgets over the design rectangle r (p's origin is the design's).
    void paintWidgets(QPainter& p, const QRect& r, const QRegion& widgets);
    // The design rectangles covered by shown widgets that draw something.
    QRegion shownWidgets() const;
    // The design rectangles covered by shown widgets that fill their background opaque.
    QRegion opaqueWidgets() const;
    // Sends a mouse event of the window to the design widget under it, in its own pixels.
    void forwardMouse(QMouseEvent* e);
    // The window rectangle (device-independent pixels) covering the design rectangle r.
    QRect windowRectOf(const QRect& r) const;
    // Hands the game that has just ended (at endTime, seconds since 1970 UTC) to the replay
    // keeper, the record as it ended; replays of games that set a best stay. Returns the name
    // stem of the replay kept, empty when none is.
    std::string keepReplay(GameEnd how, int64_t endTime);
    void watchReplay(const Replay& replay);
    // The watching keys: F (speed), P or Pause (pause the replay, the well staying in view),
    // Esc; every other key is ignored while watching, R too (Esc and W watch it again).
    void watchKey(int code);
    // P or Pause as the pause key: in a game unless assigned to a game action, always while
    // watching.
    bool isPauseKey(int code) const;
    void pauseKeyDown(int code);
    void beginGame();
    // Inside a game's frame loop (loopDepth_ > 0): `again` is called once the loop has
    // returned, at most once while `pending`, and the caller stops. False outside a loop.
    bool deferredPastLoop(bool& pending, void (MainWindow::*again)());
    // The menu gives way to the well, a fresh background and the keyboard focus.
    void showPlayfield();
    // The menu comes back with the focus, the well hidden and the caption "Zembrik".
    void showMenuAgain();
    // True while the frame's well surface is shown: in a game and not paused.
    bool wellShown() const;
    // The pause panel and the game-over summary, where they overlap the design rectangle r.
    void paintPanels(QPainter& p, const QRect& r);
    struct PanelsOver {
        bool pause = false, summary = false;
    };
    // Which of them paintPanels would draw over the design rectangle r.
    PanelsOver panelsOver(const QRect& r) const;
    // Composes the design rectangle d into designImg_ (made on first use), for enlarging.
    void paintDesignImage(const QRect& d, const QRegion& widgets);
    // Paints the design rectangle d into `image`, the window's 32-bit pixels one to one (no
    // screen scaling), the window's top-left at `origin`: the frame's rows copied, enlarged
    // at.scale times, with the panels and widgets over them drawn with painter() (asked for
    // only where there are any; its origin the window's).
    void paintDesignInto(QImage& image, QPoint origin, const DesignPlacement& at, const QRect& d,
                         const QRegion& widgets, const std::function<QPainter&()>& painter);
    // Shows the design region `changed` of a new frame: painted straight into the window's
    // backing store and flushed. False (nothing shown) where that cannot be done; then
    // repaintDesign does it.
    bool showFrameDirect(const QRegion& changed);
    QString resumeHint() const;
    SummaryText summaryText() const;
    void waitWhilePaused();
    // Adds the game that has just topped out (at endTime) to records.000.
    void recordFinishedGame(int64_t endTime);
    std::string recordsPath() const;
    Places places_;
    ShellServices services_;
    Game g_;
    Settings s_;
    Style style_;
    Background bg_;
    Frame frame_;
    XorShiftRandom rnd_;
    GameHost host_{*this};
    ReplayKeeper replays_; // records every game; the rules draw and seed through it
    Rules rules_;
    int loopDepth_ = 0;
    FrameLoop* loop_ = nullptr; // the running game's frame loop
    bool paused_ = false;
    TapKeeper taps_;        // releases of game keys held back until a step has seen them down
    int pauseKeyHeld_ = -1; // the pause key pressed and not yet released, -1 for none
    struct {
        int code = -1;
        quint64 stamp = 0;
    } lastRelease_; // the last key released and the window system's time stamp of it
    std::optional<FinishedGame> lastGame_;
    bool lastGameReplay_ = false; // the last finished game's replay was kept
    bool startPending_ = false;
    bool shuttingDown_ = false;
    bool settingsLoaded_ = false; // the settings files have been read
    bool watching_ = false;
    bool watchPending_ = false;
    int watchSpeed_ = 1;                   // steps of the replay per step of the clock: 1, 2, 4
    std::unique_ptr<Game> beforeWatching_; // the record as watching found it, put back after
    bool settingsKept_ = true;             // the settings folder can be written
    bool soundOffForRun_ = false;          // no output device: muteOpt is 1 for this run only

    QWidget* design_ = nullptr;
    QImage designImg_;                  // the design composed at 1x, for enlarging
    QImage scaled_;                     // the enlarged design, in device pixels
    QPointer<QWidget> mouseGrab_;       // the design widget a pressed button belongs to
    QSize normalSize_;                  // the client size out of full screen and not maximised
    Qt::WindowStates beforeFullScreen_; // the window's state when it went full screen
    // The controls, by the names of the game's design.
    MenuPanel* p1_ = nullptr;     // p1: the menu panel, shown between games
    QWidget* p2_ = nullptr;       // p2: stands for the well surface (frame_.p2) while a game runs
    QWidget* P3_ = nullptr;       // P3: an 8 x 8 black square at (632, 0), shown with p2
    QLabel* Imgtitle_ = nullptr;  // the title picture, shown with the menu
    QLabel* lblscore_ = nullptr;  // score read-out
    QLabel* lbllines_ = nullptr;  // cleared-rows read-out
    QLabel* lblpoints_ = nullptr; // level and level count read-out, e.g. "H3-42"
    QLabel* lblDeb_ = nullptr;    // the frame loop's debug read-out, in debug mode only
    QLabel* lblReplay_ = nullptr; // "REPLAY 2×" and the watching keys, while watching
};

} // namespace zembrik
