// The monotonic clock's readings, the deadline sleep and time-of-day seeds.
#include "app/real_clock.h"

#include <cerrno>
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

void RealClock::sleepUntil(int64_t deadline) {
    // An absolute deadline on the same clock as the counter: no drift from the time spent
    // between reading the clock and going to sleep. The kernel may add its timer slack (50 µs
    // by default for a normal thread), 0.3 % of a step, which the loop absorbs.
    if (deadline < 0) return; // never before the clock's start
    timespec t{};
    t.tv_sec = static_cast<time_t>(deadline / kNanosPerSecond);
    t.tv_nsec = static_cast<long>(deadline % kNanosPerSecond);
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &t, nullptr) == EINTR) {
    }
}

uint64_t timeOfDaySeed() {
    return static_cast<uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(
                                     std::chrono::system_clock::now().time_since_epoch())
                                     .count());
}

} // namespace zembrik
