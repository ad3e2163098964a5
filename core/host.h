// What the rules need from outside themselves: sound, drawing, the menu. The shell implements it.
#pragma once

#include <cstdint>
#include <string_view>

namespace zembrik {

struct Host {
    virtual ~Host() = default;
    // Asks for a sound by its three-letter code; never blocks.
    virtual void playsound(std::string_view code, int16_t count) = 0;
    // Draws the frame (nocurr != 0: without the active piece), then lets pending events run.
    virtual void rend(int16_t nocurr) = 0;
    // The level bar click: lights levels 0..level and makes it the current level.
    virtual void shplvl_Click(int16_t level) = 0;
    // Top-out: back to the menu with the game surfaces hidden (the rules did the rest).
    virtual void topOut() = 0;
    // The Escape operation: leaves a running game for the menu, or closes the program.
    virtual void gotomenu() = 0;
    // The frame loop's debug read-out, written on every pass; shown only in debug mode.
    virtual void setDebugText(std::string_view) {}
    // Lets pending window messages run once; the frame loop calls it right after each sleep,
    // before the tick, so a key pressed while the loop slept reaches the key state in time for
    // the next step.
    virtual void letMessagesRun() {}
};

// A host that does nothing: for tools and tests that only need the rules.
struct NullHost : Host {
    void playsound(std::string_view, int16_t) override {}
    void rend(int16_t) override {}
    void shplvl_Click(int16_t) override {}
    void topOut() override {}
    void gotomenu() override {}
};

} // namespace zembrik
