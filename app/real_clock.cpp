// SPDX-License-Identifier: GPL-3.0-or-later
// The monotonic clock's readings, the wait until a deadline and time-of-day seeds.
#include "app/real_clock.h"

#include <chrono>
#include <time.h>

namespace zembrik {

namespace {

constexpr int64_t kNanosPerSecond = 1'000'000'000;

int64_t monotonicNanos() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<int64_t>(t.tv_sec) * kNanosPerSecond + t.tv_nsec;
}

} // namespace

int64_t RealClock::counter() {
    return monotonicNanos();
}

uint32_t RealClock::milliseconds() {
    // Wraps after about 49 days; the loop only takes differences.
    return static_cast<uint32_t>(monotonicNanos() / 1'000'000);
}

int64_t RealClock::millisecondsUntil(int64_t deadline) {
    // Rounded up: a timer that wakes at the whole millisecond finds the step due, so each step
    // costs one wake-up, at most a millisecond late; the steps themselves never drift (the frame
    // loop counts them from the counter).
    const int64_t left = deadline - monotonicNanos();
    return left <= 0 ? 0 : (left + 999'999) / 1'000'000;
}

uint64_t timeOfDaySeed() {
    return static_cast<uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(
                                     std::chrono::system_clock::now().time_since_epoch())
                                     .count());
}

} // namespace zembrik
