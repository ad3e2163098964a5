// SPDX-License-Identifier: GPL-3.0-or-later
// What the rules ask of the world outside them: sound, drawing, the menu. The shell implements
// it (app/), the simulator and the replay player with hosts of their own.
#pragma once

#include <cstdint>
#include <string_view>

namespace zembrik {

struct Host {
    virtual ~Host() = default;
    // Play the sound with this three-letter code (count: rows cleared, for "ers"); never blocks.
    virtual void playSound(std::string_view code, int16_t count) = 0;
    // Draw the record as it now is and show it (nocurr != 0: without the falling piece).
    virtual void drawFrame(int16_t nocurr) = 0;
    // Make `level` the menu's start level and light the level bar up to it.
    virtual void showStartLevel(int16_t level) = 0;
    // The stack reached the top and the rules have reset their part: keep the game, show the menu.
    virtual void gameToppedOut() = 0;
    // Escape: leave the running game for the menu; on the menu, close the program.
    virtual void leaveToMenu() = 0;
    // Show the frame loop's timing line, written on every pass while debugTextWanted().
    virtual void showDebugText(std::string_view) {}
    // Whether the timing line is seen now (debug mode); while not, the loop does not make it.
    virtual bool debugTextWanted() const { return true; }
};

// A host that does nothing: for tools and tests that only need the rules.
struct NullHost : Host {
    void playSound(std::string_view, int16_t) override {}
    void drawFrame(int16_t) override {}
    void showStartLevel(int16_t) override {}
    void gameToppedOut() override {}
    void leaveToMenu() override {}
};

} // namespace zembrik
