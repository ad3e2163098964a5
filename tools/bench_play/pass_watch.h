// SPDX-License-Identifier: GPL-3.0-or-later
// A clock for the game window that counts the steps and frames its frame loop really runs.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

#include "engine/frame_loop.h"

class QLabel;

namespace zembrik {

// The steps the frame-loop pass behind a debug read-out ran ("... SKIP-2 ..." is 3 steps), or
// -1 when the text is not a read-out.
int32_t dueStepsOf(std::string_view debugText);

// Forwards to another clock. After every pass of the frame loop the game's schedule asks the
// clock how long to wait for the next; then the watch reads the window's debug read-out, which
// that pass wrote only if it ran a tick, adds that pass's steps and one frame, and clears the
// read-out again. The read-out must be shown (the loop makes it only then); the window is not
// changed in any other way, so the figures are those of the real game.
class PassWatch : public Clock {
  public:
    explicit PassWatch(Clock& inner) : inner_(inner) {}

    // Starts watching `label`. The next counter reading is taken as the start of the loop (a
    // frame loop reads the counter first when it starts). `onDeadline` is called once, when the
    // schedule first asks for a wait that ends half a step or more past `duration` counts since
    // that start: the wait for the pass that would run the first step beyond the duration. A
    // key queued then runs before that pass, so it ends the game before that step.
    void watch(QLabel* label, int64_t duration, std::function<void()> onDeadline);
    // Takes in the read-out of the last pass of a loop (which ends without another sleep).
    void collect();

    int64_t steps() const { return steps_; }
    int64_t frames() const { return frames_; }
    // Read-outs that could not be read as one (never expected).
    int64_t unreadable() const { return unreadable_; }

    // True once the deadline has passed.
    bool deadlineReached() const { return reached_; }
    // Seconds from the start of the loop to the last read-out taken in.
    double elapsedSeconds() const;

    int64_t frequency() const override { return inner_.frequency(); }
    int64_t counter() override;
    uint32_t milliseconds() override { return inner_.milliseconds(); }
    int64_t millisecondsUntil(int64_t deadline) override;

  private:
    Clock& inner_;
    QLabel* label_ = nullptr;
    int64_t duration_ = 0;
    int64_t start_ = 0, last_ = 0;
    bool started_ = false, reached_ = false;
    std::function<void()> onDeadline_;
    int64_t steps_ = 0, frames_ = 0, unreadable_ = 0;
};

} // namespace zembrik
