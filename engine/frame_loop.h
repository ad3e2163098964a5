// The frame loop: fixed steps of 1/60 s measured against a clock, one tick call per pass.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "core/host.h"
#include "core/record.h"

namespace zembrik {

// The time sources of the frame loop. The game implements it with a steady clock and a real
// sleep; tests with a fake clock that advances when asked to sleep.
struct Clock {
    virtual ~Clock() = default;
    // Counts of the high-resolution counter per second (for example 1e9 for nanoseconds).
    virtual int64_t frequency() const = 0;
    // The high-resolution counter, in counts.
    virtual int64_t counter() = 0;
    // A millisecond clock; may wrap, only differences are used.
    virtual uint32_t milliseconds() = 0;
    // Sleeps about one millisecond.
    virtual void sleep1ms() = 0;
};

// Sets qpcFreq (counts per second) and stepLen (counts per step, qpcFreq / 60) from the clock.
// The counts are the raw counter; every difference the loop takes is in them. The loop needs
// qpcFreq to be set.
void initTiming(Game& g, const Clock& clock);

// The debug read-out of one pass, e.g. "GAME60, GRAPHIC=60, SKIP-0 RENDER03.1ms, dc=25".
std::string debugText(int32_t stepsLastSecond, int32_t framesLastSecond, int32_t dueSteps,
                      double renderMs, int16_t waitTicks);

// The loop of a running game. Each pass sleeps 1 ms, closes the one-second statistics window
// when it is over, and when at least one step is due calls the tick with the whole steps due,
// keeping the fraction of a step for later. More than 32767 steps due at once (a stall of
// over nine minutes) runs 32767 of them and drops the rest.
class FrameLoop {
  public:
    using TickFn = std::function<void(int32_t steps)>;
    // Reads the clocks: the first step falls due one step length from now.
    FrameLoop(Game& g, Clock& clock, Host& host, TickFn tick);

    // One pass. False (and nothing done) once inGame is 0.
    bool pass();
    // Passes until inGame is 0.
    void run();

    // The counter reading at which the next step falls due (rounded down to a whole count).
    int64_t stepOrigin() const { return base_ + origin60_ / 60; }
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
