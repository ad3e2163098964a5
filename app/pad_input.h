// SPDX-License-Identifier: GPL-3.0-or-later
// Game controllers through SDL's game-controller API: pads plugged in and pulled out at any
// moment, their buttons, D-pad and left stick turned into game actions and into the window's
// own pad commands. No SDL window: only the game-controller subsystem is started.
//
// Owns SDL's game-controller subsystem and the open pads. Knows nothing of the game: it
// reports actions going down and up (all pads merged) and command presses, and the window
// decides what they do.
#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "app/pad_layout.h"
#include "engine/keys.h"

namespace zembrik {

// What a pad asks of the window besides game actions: the menu's moves and choices, pause
// and leaving. A direction is the D-pad's or the left stick's.
enum class PadCommand : uint8_t { Up, Down, Left, Right, Accept, Start, Back };

class PadInput : public QObject {
    Q_OBJECT
  public:
    // Starts SDL's game-controller subsystem with the mappings SDL knows, those in
    // SDL_GAMECONTROLLERCONFIG and those in <settingsFolder>/gamecontrollerdb.txt when there
    // is one ("" for none). A failure is said once on standard error; the game goes on
    // without pads.
    explicit PadInput(const std::string& settingsFolder);
    ~PadInput() override;

    // True when SDL's subsystem started.
    bool available() const { return started_; }
    // How many pads are open.
    int padCount() const { return static_cast<int>(pads_.size()); }
    // Input counts only while the game's window is the active window: going inactive lets go
    // of every action without reporting it (the window releases its keys itself), and what
    // is held when it comes back counts only once released and pressed again.
    void setActive(bool on);
    // The layout: which pad button gives each action.
    const PadLayout& layout() const { return layout_; }
    void setLayout(const PadLayout& layout);
    // Reads SDL's events now: pads added and removed, buttons and sticks. Runs on its own
    // while a pad is open, and for a while after a device appears; a running game calls it
    // before each pass (which keeps the timer from coming due); tests call it.
    void poll();
    // While set, each button pressed is reported by buttonPressed() and nothing else (the
    // Controls dialog's rebinding, whose window is then the active one): buttons held when it
    // is set count once released. When it ends, what is still held counts once released too.
    void setCapturing(bool on);

  signals:
    void action(zembrik::Action a, bool down);
    void command(zembrik::PadCommand c);
    // A pad was pulled out (after its actions went up).
    void padRemoved();
    void buttonPressed(int button);

  private:
    struct Pad {
        int32_t id = -1;      // SDL's instance id
        void* handle;         // SDL_GameController*
        uint32_t buttons = 0; // buttons down, bit per SDL_GameControllerButton
        uint32_t ignored = 0; // held when the window became active: ignored until released
        int16_t x = 0, y = 0; // the left stick
        int stick = -1;       // the stick's direction held (a D-pad button number), -1 none
    };
    void open(int deviceIndex);
    void close(int32_t id);
    void handle(const void* event);
    // The stick's direction after a move, with its hysteresis.
    static int stickDirection(const Pad& p);
    // Sources down on a pad: its buttons and its stick as the D-pad button it stands for.
    uint32_t down(const Pad& p) const;
    // Reports what changed since the last call: actions (all pads merged) and commands.
    void update();
    // Polls for a while: a device node appeared and may become a pad.
    void watchForPads();
    void scheduleNext();

    bool started_ = false;
    bool active_ = true;
    bool capturing_ = false;
    PadLayout layout_ = defaultPadLayout();
    std::vector<Pad> pads_;
    std::array<bool, kActionCount> actionDown_{};
    std::vector<std::pair<int32_t, uint32_t>> lastDown_; // per pad id: sources down last time
    QTimer timer_;
    int scanPolls_ = 0; // polls left while looking for a pad that may appear
    int busyPolls_ = 0; // quick polls left since a pad was last touched
    QFileSystemWatcher devices_;
};

} // namespace zembrik
