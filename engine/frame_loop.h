// SPDX-License-Identifier: GPL-3.0-or-later
// The frame loop: fixed steps of 1/60 s measured against a clock, one tick call per pass.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "core/host.h"
#include "core/record.h"

namespace zembrik {

// The time sources of the frame loop. The game implements it with a steady clock; tests with a
// fake clock that advances when the schedule asks how long to wait.
struct Clock {
    virtual ~Clock() = default;
    // Counts of the high-resolution counter per second (for example 1e9 for nanoseconds).
    virtual int64_t frequency() const = 0;
    // The high-resolution counter, in counts.
    virtual int64_t counter() = 0;
    // A millisecond clock; may wrap, only differences are used.
    virtual uint32_t milliseconds() = 0;
    // The whole milliseconds from now until the counter reads `deadline` (an absolute reading,
    // not a length), rounded up; 0 when it already does. The game's schedule waits that long on
    // its event loop before the next pass. A clock for tests may move its own time to the
    // deadline instead and answer 0.
    virtual int64_t millisecondsUntil(int64_t deadline) = 0;
};

// Sets qpcFreq (counts per second) and stepLen (counts per step, qpcFreq / 60) from the clock.
// The counts are the raw counter; every difference the loop takes is in them. The loop needs
// qpcFreq to be set.
void initTiming(Game& g, const Clock& clock);

// The debug read-out of one pass, e.g. "GAME60, GRAPHIC=60, SKIP-0 RENDER03.1ms, dc=25".
std::string debugText(int32_t stepsLastSecond, int32_t framesLastSecond, int32_t dueSteps,
                      double renderMs, int16_t waitTicks);

// The passes of a running game, each one called by a schedule outside (the window's event loop
// in the game, a plain loop in tests) at wakeAt() or later. A pass closes the one-second
// statistics window when it is over and, when at least one step is due, calls the tick with
// the whole steps due, keeping the fraction of a step for later, then writes the debug
// read-out. Nothing else runs inside a pass: keys and clicks are handled between passes, so a
// key pressed before the pass's time is seen by its first step, and key state never changes
// inside a tick. More than 32767 steps due at once (a stall of over nine minutes) runs 32767
// of them and drops the rest; a counter that has gone backwards restarts the step origin from it.
class FrameLoop {
  public:
    using TickFn = std::function<void(int32_t steps)>;
    // Reads the clocks: the first step falls due one step length from now.
    FrameLoop(Game& g, Clock& clock, Host& host, TickFn tick);

    // One pass. False (and nothing done) once inGame is Menu.
    bool pass();
    // Where the next pass belongs: nextStepDue(), after restarting the step origin from the
    // counter when it has gone backwards (else the schedule would wait for the old origin).
    int64_t wakeAt();

    // Restarts the step origin from the counter's current reading: the next step falls due one
    // step length from now and the time before is never caught up. For a pause: call it when
    // the game resumes (the one-second statistics window runs on).
    void restartSteps();

    // The counter reading at which the next step falls due (rounded down to a whole count).
    int64_t stepOrigin() const { return base_ + origin60_ / 60; }
    // The first whole counter reading at which the next step is due.
    int64_t nextStepDue() const;
    int32_t lastDueSteps() const { return dueSteps_; }
    int32_t stepsLastSecond() const { return stepsLastSecond_; }
    int32_t framesLastSecond() const { return framesLastSecond_; }
    uint32_t secondStart() const { return secondStart_; }

  private:
    Game& g_;
    Clock& clock_;
    Host& host_;
    TickFn tick_;
    int64_t base_ = 0;     // counter reading when the loop started
    int64_t origin60_ = 0; // next step's due time since base_, in sixtieths of a count
    uint32_t secondStart_ = 0;
    int32_t stepsThisSecond_ = 0, framesThisSecond_ = 0;
    int32_t stepsLastSecond_ = 0, framesLastSecond_ = 0;
    int32_t dueSteps_ = 0;
};

} // namespace zembrik
