// SPDX-License-Identifier: GPL-3.0-or-later
// The fixed-step frame loop and its debug read-out.
#include "engine/frame_loop.h"

#include <cstdio>

#include "engine/tick.h"

namespace zembrik {

void initTiming(Game& g, const Clock& clock) {
    g.qpcFreq = clock.frequency();
    g.stepLen = static_cast<double>(g.qpcFreq) / 60.0;
}

std::string debugText(int32_t stepsLastSecond, int32_t framesLastSecond, int32_t dueSteps,
                      double renderMs, int16_t waitTicks) {
    char ms[32];
    std::snprintf(ms, sizeof ms, "%04.1f", renderMs);
    return "GAME" + std::to_string(stepsLastSecond) +
           ", GRAPHIC=" + std::to_string(framesLastSecond) + ", SKIP-" +
           std::to_string(dueSteps - 1) + " RENDER" + ms + "ms, dc=" + std::to_string(waitTicks);
}

FrameLoop::FrameLoop(Game& g, Clock& clock, Host& host, TickFn tick)
    : g_(g), clock_(clock), host_(host), tick_(std::move(tick)) {
    if (g_.qpcFreq <= 0) initTiming(g_, clock_); // never divide by a frequency not yet read
    base_ = clock_.counter();
    secondStart_ = clock_.milliseconds();
}

void FrameLoop::restartSteps() {
    base_ = clock_.counter();
    origin60_ = 0;
}

int64_t FrameLoop::nextStepDue() const {
    // A step is due once (now - base) * 60 - origin60 >= frequency: round the reading up.
    return base_ + (origin60_ + g_.qpcFreq + 59) / 60;
}

int64_t FrameLoop::wakeAt() {
    const int64_t now = clock_.counter();
    if ((now - base_) * 60 < origin60_) {
        // The counter went backwards (never the case for a monotonic clock): without this the
        // wait would last, window frozen, until it caught up with the old origin.
        base_ = now;
        origin60_ = 0;
    }
    return nextStepDue();
}

bool FrameLoop::pass() {
    if (g_.inGame == InGame::Menu) return false;
    wakeAt(); // a counter gone back since the schedule asked
    // The window advances by a whole second, not to now, so a stall shows as a few short
    // windows; the signed difference survives the millisecond clock wrapping.
    const uint32_t t = clock_.milliseconds();
    if (static_cast<int32_t>(t - secondStart_) >= 1000) {
        secondStart_ += 1000;
        stepsLastSecond_ = stepsThisSecond_;
        framesLastSecond_ = framesThisSecond_;
        stepsThisSecond_ = framesThisSecond_ = 0;
    }
    // Time is kept in integers, in sixtieths of a count since the loop started, so whole
    // steps move the origin exactly and the fraction of a step stays pending: nothing drifts.
    const int64_t now60 = (clock_.counter() - base_) * 60;
    const int64_t freq = g_.qpcFreq;
    if (now60 - origin60_ < freq) return true;
    const int64_t due = (now60 - origin60_) / freq;
    origin60_ += due * freq;
    dueSteps_ = due > kMaxTickSteps ? kMaxTickSteps : static_cast<int32_t>(due);

    const int64_t tickStart = clock_.counter();
    tick_(dueSteps_);
    const int64_t tickEnd = clock_.counter();
    const double renderMs =
        static_cast<double>(tickEnd - tickStart) / static_cast<double>(g_.qpcFreq) * 1000.0;
    if (host_.debugTextWanted())
        host_.showDebugText(
            debugText(stepsLastSecond_, framesLastSecond_, dueSteps_, renderMs, g_.waitTicks));
    stepsThisSecond_ += dueSteps_;
    framesThisSecond_ += 1;
    return true;
}

} // namespace zembrik
