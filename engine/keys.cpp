// SPDX-License-Identifier: GPL-3.0-or-later
// Actions and keys going down and up on the game record, and the per-step rotation command
// protocol.
#include "engine/keys.h"

#include <algorithm>
#include <array>

namespace zembrik {

namespace {

// One game key: its assignment, its held flag and what its release clears: the latch of a
// command key, the repeat counter of a move key.
struct KeySlot {
    int16_t Game::*assigned;
    int16_t Game::*held;
    Latch Game::*latch = nullptr;
    int16_t Game::*repeat = nullptr;
};

// The order in which assignments are compared: the first match is the only one that reacts.
constexpr std::array<KeySlot, 8> kSlots{{
    {&Game::keyMl, &Game::keyMlDown, nullptr, &Game::mlCount},
    {&Game::keyMr, &Game::keyMrDown, nullptr, &Game::mrCount},
    {&Game::keyMd, &Game::keyMdDown, &Game::mdCmd},
    {&Game::keyRl, &Game::keyRlDown, &Game::rlCmd},
    {&Game::keyRr, &Game::keyRrDown, &Game::rrCmd},
    {&Game::keyRo, &Game::keyRoDown, &Game::roCmd},
    {&Game::keyFd, &Game::keyFdDown, &Game::fdCmd},
    {&Game::keyHd, &Game::keyHdDown, &Game::holdCmd},
}};

void release(Game& g, const KeySlot& slot) {
    g.*slot.held = 0;
    if (slot.latch) g.*slot.latch = Latch::Idle;
    if (slot.repeat) g.*slot.repeat = 0;
}

const KeySlot& slotOf(Action a) {
    return kSlots[static_cast<size_t>(a)];
}

} // namespace

std::optional<Action> keyAction(const Game& g, int code) {
    for (size_t i = 0; i < kSlots.size(); ++i)
        if (g.*kSlots[i].assigned == code) return static_cast<Action>(i);
    return std::nullopt;
}

void actionDown(Game& g, Action a) {
    if (g.inGame == InGame::Menu) return;
    const KeySlot& slot = slotOf(a);
    if (g.*slot.held == 0) ++g.keysPressed;
    g.*slot.held = 1;
}

void actionUp(Game& g, Action a) {
    if (g.inGame == InGame::Menu) return;
    release(g, slotOf(a));
}

void keyDown(Game& g, Host& host, int code) {
    if (code == kKeyEscape) host.leaveToMenu();
    if (g.inGame == InGame::Menu) return;
    if (g.debugOpt == 1) {
        if (code == kKeyDigit9) host.showStartLevel(20);
        if (code >= kKeyDigit1 && code <= kKeyDigit7)
            g.nextBlox[0] = static_cast<int16_t>(code - kKeyDigit1 + 1);
    }
    if (const auto a = keyAction(g, code)) actionDown(g, *a);
}

bool isCommandKey(const Game& g, int code) {
    if (code == kKeyEscape) return true;
    return g.inGame != InGame::Menu && g.debugOpt == 1 &&
           ((code >= kKeyDigit1 && code <= kKeyDigit7) || code == kKeyDigit9);
}

bool isGameActionKey(const Game& g, int code) {
    return keyAction(g, code).has_value();
}

void keyUp(Game& g, int code) {
    if (const auto a = keyAction(g, code)) actionUp(g, *a);
}

void releaseHeldKeys(Game& g) {
    if (g.inGame == InGame::Menu) return;
    for (const KeySlot& slot : kSlots)
        if (g.*slot.held != 0) release(g, slot);
}

void TapKeeper::pressed(Action a) {
    std::erase_if(presses_, [a](const Press& p) { return p.action == a; });
    presses_.push_back({a, slotOf(a).repeat ? 2 : 1, false});
}

bool TapKeeper::holdsBack(Action a) {
    for (Press& p : presses_)
        if (p.action == a) return p.released = true;
    return false;
}

std::vector<Action> TapKeeper::stepsRan(int32_t steps) {
    std::vector<Action> due;
    for (Press& p : presses_) {
        p.stepsToAct -= steps;
        if (p.stepsToAct <= 0 && p.released) due.push_back(p.action);
    }
    std::erase_if(presses_, [](const Press& p) { return p.stepsToAct <= 0; });
    return due;
}

std::vector<Action> TapKeeper::clear() {
    std::vector<Action> heldBack;
    for (const Press& p : presses_)
        if (p.released) heldBack.push_back(p.action);
    presses_.clear();
    return heldBack;
}

void assignDefaultKeys(Game& g) {
    const KeyAssignment& k = kDefaultKeys;
    g.keyMl = k.ml;
    g.keyMr = k.mr;
    g.keyMd = k.md;
    g.keyRl = k.rl;
    g.keyRr = k.rr;
    g.keyRo = k.ro;
    g.keyFd = k.fd;
    g.keyHd = k.hd;
    g.keySt = k.st;
}

void kcrset(Latch& kcrwhat) {
    if (kcrwhat == Latch::Pending) kcrwhat = Latch::UsedUp;
}

void kpr2kcr(Game& g) {
    if (g.keyRlDown == 1 && g.rlCmd == Latch::Idle) {
        g.rlCmd = Latch::Pending;
        kcrset(g.rrCmd);
        kcrset(g.roCmd);
    } else if (g.keyRrDown == 1 && g.rrCmd == Latch::Idle) {
        kcrset(g.rlCmd);
        g.rrCmd = Latch::Pending;
        kcrset(g.roCmd);
    } else if (g.keyRoDown == 1 && g.roCmd == Latch::Idle) {
        kcrset(g.rlCmd);
        kcrset(g.rrCmd);
        g.roCmd = Latch::Pending;
    }
}

} // namespace zembrik
