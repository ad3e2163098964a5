// Key-down and key-up on the game record, and the per-step rotation command protocol.
#include "engine/keys.h"

#include <array>

namespace zembrik {

namespace {

// One game key: its assignment, its held flag and the latch its release clears.
struct KeySlot {
    int16_t Game::*assigned;
    int16_t Game::*held;
    int16_t Game::*latch;
};

// The order in which assignments are compared: the first match is the only one that reacts.
constexpr std::array<KeySlot, 8> kSlots{{
    {&Game::keyMl, &Game::keyMlDown, &Game::mlCount},
    {&Game::keyMr, &Game::keyMrDown, &Game::mrCount},
    {&Game::keyMd, &Game::keyMdDown, &Game::mdCmd},
    {&Game::keyRl, &Game::keyRlDown, &Game::rlCmd},
    {&Game::keyRr, &Game::keyRrDown, &Game::rrCmd},
    {&Game::keyRo, &Game::keyRoDown, &Game::roCmd},
    {&Game::keyFd, &Game::keyFdDown, &Game::fdCmd},
    {&Game::keyHd, &Game::keyHdDown, &Game::holdCmd},
}};

const KeySlot* firstMatch(const Game& g, int code) {
    for (const KeySlot& slot : kSlots)
        if (g.*slot.assigned == code) return &slot;
    return nullptr;
}

} // namespace

void keyDown(Game& g, Host& host, int code) {
    if (code == kKeyEscape) host.gotomenu();
    if (g.inGame == 0) return;
    if (g.debugOpt == 1) {
        if (code == kKeyDigit9) host.shplvl_Click(20);
        if (code >= kKeyDigit1 && code <= kKeyDigit7)
            g.nextBlox[0] = static_cast<int16_t>(code - kKeyDigit1 + 1);
    }
    if (const KeySlot* slot = firstMatch(g, code)) g.*slot->held = 1;
}

void keyUp(Game& g, int code) {
    if (g.inGame == 0) return;
    if (const KeySlot* slot = firstMatch(g, code)) {
        g.*slot->held = 0;
        g.*slot->latch = 0;
    }
}

void releaseHeldKeys(Game& g) {
    if (g.inGame == 0) return;
    for (const KeySlot& slot : kSlots) {
        if (g.*slot.held == 0) continue;
        g.*slot.held = 0;
        g.*slot.latch = 0;
    }
}

MenuKey menuKeyDown(const Game& g, int code) {
    return {code == g.keySt, code == kKeyEscape};
}

void kcrset(int16_t& kcrwhat) {
    if (kcrwhat == 1) kcrwhat = 2;
}

void kpr2kcr(Game& g) {
    if (g.keyRlDown == 1 && g.rlCmd == 0) {
        g.rlCmd = 1;
        kcrset(g.rrCmd);
        kcrset(g.roCmd);
    } else if (g.keyRrDown == 1 && g.rrCmd == 0) {
        kcrset(g.rlCmd);
        g.rrCmd = 1;
        kcrset(g.roCmd);
    } else if (g.keyRoDown == 1 && g.roCmd == 0) {
        kcrset(g.rlCmd);
        kcrset(g.rrCmd);
        g.roCmd = 1;
    }
}

} // namespace zembrik
