// SPDX-License-Identifier: GPL-3.0-or-later
// Game controllers: SDL's game-controller subsystem polled while a pad is open, device nodes
// watched while none is.
#include "app/pad_input.h"

#include <SDL.h>

#include <QDir>
#include <QFile>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace zembrik {

namespace {

// Polls while a pad is open and no game runs (a running game polls once a step, before its
// steps: no wake-up of its own, and the timer never comes due): ten a second while the pad
// rests, fifty a second for three seconds after it was last touched, so the menu answers at
// once and costs next to nothing while nobody plays.
constexpr int kRestingPollMs = 100, kBusyPollMs = 20, kBusyPolls = 150;
// After a device node appears, SDL may see it only once its permissions are set: look for
// a pad every quarter second for three seconds.
constexpr int kScanMs = 250, kScanPolls = 12;
// A stick direction presses at half deflection and lets go below 40 %.
constexpr int kStickPress = 16384, kStickRelease = 13107;
// The stick stands for the D-pad: these bits follow the buttons'.
constexpr int kStickBit = 21;

constexpr uint32_t bit(int b) {
    return uint32_t{1} << b;
}

} // namespace

PadInput::PadInput(const std::string& settingsFolder) {
    // The program's own signals stay its own, and only the window says whether input counts.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) {
        std::fprintf(stderr, "zembrik: game controllers cannot be used: %s\n", SDL_GetError());
        return;
    }
    started_ = true;
    if (!settingsFolder.empty()) {
        const std::string db = settingsFolder + "/gamecontrollerdb.txt";
        if (QFile::exists(QString::fromStdString(db)) &&
            SDL_GameControllerAddMappingsFromFile(db.c_str()) < 0)
            std::fprintf(stderr, "zembrik: %s: cannot be read: %s\n", db.c_str(), SDL_GetError());
    }
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &PadInput::poll);
    // A new device node is the only sign of a pad plugged in that costs nothing meanwhile.
    if (QDir(QStringLiteral("/dev/input")).exists()) {
        devices_.addPath(QStringLiteral("/dev/input"));
        connect(&devices_, &QFileSystemWatcher::directoryChanged, this, &PadInput::watchForPads);
    }
    poll(); // the pads plugged in before the game started
}

PadInput::~PadInput() {
    for (const Pad& p : pads_)
        SDL_GameControllerClose(static_cast<SDL_GameController*>(p.handle));
    if (started_) SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

void PadInput::setLayout(const PadLayout& layout) {
    layout_ = layout;
    update();
}

void PadInput::setActive(bool on) {
    if (active_ == on) return;
    active_ = on;
    // Whatever is held now was pressed for another program or before: it counts once let go.
    for (Pad& p : pads_) {
        p.ignored = down(p);
        if (!on) p.ignored = ~uint32_t{0};
    }
    actionDown_.fill(false);
    lastDown_.clear();
    for (const Pad& p : pads_)
        lastDown_.emplace_back(p.id, 0);
}

void PadInput::setCapturing(bool on) {
    if (capturing_ == on) return;
    capturing_ = on;
    // Capturing: a fresh press counts even though the game's own window is not the active
    // one (the dialog is). Either way, what is held now was pressed for something else.
    for (Pad& p : pads_)
        p.ignored = on || active_ ? down(p) : ~uint32_t{0};
    update();
}

void PadInput::watchForPads() {
    scanPolls_ = kScanPolls;
    scheduleNext();
}

void PadInput::scheduleNext() {
    if (!pads_.empty()) {
        timer_.start(busyPolls_ > 0 ? kBusyPollMs : kRestingPollMs);
        if (busyPolls_ > 0) --busyPolls_;
    } else if (scanPolls_ > 0) {
        --scanPolls_;
        timer_.start(kScanMs);
    } else {
        timer_.stop();
    }
}

void PadInput::poll() {
    if (!started_) return;
    // Reading the events pumps them: SDL updates its pads then.
    SDL_Event e;
    while (SDL_PollEvent(&e) == 1)
        handle(&e);
    for (Pad& p : pads_) {
        const int before = p.stick;
        p.stick = stickDirection(p);
        if (before >= 0 && p.stick != before) p.ignored &= ~bit(kStickBit + before - kPadUp);
    }
    update();
    scheduleNext();
}

void PadInput::open(int deviceIndex) {
    SDL_GameController* c = SDL_GameControllerOpen(deviceIndex);
    if (!c) return;
    const int32_t id = SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(c));
    if (std::any_of(pads_.begin(), pads_.end(), [id](const Pad& p) { return p.id == id; })) {
        SDL_GameControllerClose(c);
        return;
    }
    Pad p;
    p.id = id;
    p.handle = c;
    pads_.push_back(p);
}

void PadInput::close(int32_t id) {
    const auto it =
        std::find_if(pads_.begin(), pads_.end(), [id](const Pad& p) { return p.id == id; });
    if (it == pads_.end()) return;
    SDL_GameControllerClose(static_cast<SDL_GameController*>(it->handle));
    pads_.erase(it);
    update(); // its actions go up
    emit padRemoved();
}

void PadInput::handle(const void* event) {
    const SDL_Event& e = *static_cast<const SDL_Event*>(event);
    const auto pad = [this](SDL_JoystickID id) -> Pad* {
        for (Pad& p : pads_)
            if (p.id == id) return &p;
        return nullptr;
    };
    if (e.type == SDL_CONTROLLERBUTTONDOWN || e.type == SDL_CONTROLLERAXISMOTION)
        busyPolls_ = kBusyPolls;
    switch (e.type) {
    case SDL_CONTROLLERDEVICEADDED:
        open(e.cdevice.which);
        break;
    case SDL_CONTROLLERDEVICEREMOVED:
        close(e.cdevice.which);
        break;
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP:
        if (Pad* p = pad(e.cbutton.which); p && e.cbutton.button < kPadButtons) {
            const uint32_t b = bit(e.cbutton.button);
            const bool on = e.type == SDL_CONTROLLERBUTTONDOWN;
            p->buttons = on ? p->buttons | b : p->buttons & ~b;
            if (!on) p->ignored &= ~b;
            if (on && capturing_ && !(p->ignored & b)) {
                emit buttonPressed(e.cbutton.button);
                p->ignored |= b; // its release and the rest of this press do nothing more
            }
            // Each button event on its own: a press and its release read in one poll both count.
            update();
        }
        break;
    case SDL_CONTROLLERAXISMOTION:
        if (Pad* p = pad(e.caxis.which)) {
            if (e.caxis.axis == SDL_CONTROLLER_AXIS_LEFTX) p->x = e.caxis.value;
            if (e.caxis.axis == SDL_CONTROLLER_AXIS_LEFTY) p->y = e.caxis.value;
            // The stick is read once both axes of this poll are in (poll): a diagonal read
            // one axis at a time would press the first axis' direction on its way.
        }
        break;
    default:
        break;
    }
}

int PadInput::stickDirection(const Pad& p) {
    // The stronger axis only: a diagonal is the direction it leans to most.
    const int x = p.x, y = p.y;
    const int ax = std::abs(x), ay = std::abs(y);
    const int strong = ax >= ay ? (x < 0 ? kPadLeft : kPadRight) : (y < 0 ? kPadUp : kPadDown);
    const int strength = std::max(ax, ay);
    // Held while it stays the stronger axis above 40 %: no chatter at the edge.
    if (p.stick == strong && strength >= kStickRelease) return strong;
    return strength >= kStickPress ? strong : -1;
}

uint32_t PadInput::down(const Pad& p) const {
    uint32_t d = p.buttons;
    if (p.stick >= 0) d |= bit(kStickBit + p.stick - kPadUp);
    return d;
}

void PadInput::update() {
    std::array<bool, kActionCount> actions{};
    std::vector<PadCommand> commands;
    std::vector<std::pair<int32_t, uint32_t>> now;
    // The stick's bits folded onto the D-pad's: two sources of the same direction.
    const auto asButtons = [](uint32_t d) {
        return (d & (bit(kStickBit) - 1)) | ((d >> kStickBit) << kPadUp);
    };
    for (const Pad& p : pads_) {
        const uint32_t d = active_ && !capturing_ ? down(p) & ~p.ignored : 0;
        now.emplace_back(p.id, d);
        const uint32_t buttons = asButtons(d);
        for (int b = 0; b < kPadButtons; ++b) {
            if (!(buttons & bit(b))) continue;
            // The first action given the button takes it, as with the keyboard's keys.
            for (size_t a = 0; a < layout_.buttons.size(); ++a)
                if (layout_.buttons[a] & bit(b)) {
                    actions[a] = true;
                    break;
                }
        }
        // Commands: a press of a direction (from either source), A, Start or Back.
        uint32_t before = 0;
        for (const auto& [id, was] : lastDown_)
            if (id == p.id) before = was;
        const uint32_t pressed = buttons & ~asButtons(before);
        static constexpr std::pair<int, PadCommand> kCommands[] = {
            {kPadUp, PadCommand::Up},     {kPadDown, PadCommand::Down},
            {kPadLeft, PadCommand::Left}, {kPadRight, PadCommand::Right},
            {kPadA, PadCommand::Accept},  {kPadStart, PadCommand::Start},
            {kPadBack, PadCommand::Back}};
        for (const auto& [b, c] : kCommands)
            if (pressed & bit(b)) commands.push_back(c);
    }
    // The state is whole before anything is reported: a receiver may open a dialog whose
    // event loop polls again.
    lastDown_ = std::move(now);
    std::vector<std::pair<Action, bool>> changes;
    for (size_t a = 0; a < actions.size(); ++a)
        if (actions[a] != actionDown_[a]) {
            actionDown_[a] = actions[a];
            changes.emplace_back(static_cast<Action>(a), actions[a]);
        }
    for (const auto& [a, on] : changes)
        emit action(a, on);
    for (const PadCommand c : commands)
        emit command(c);
}

} // namespace zembrik
