// Steady-clock readings, the 1 ms sleep and time-of-day seeds.
#include "app/real_clock.h"

#include <chrono>
#include <thread>

namespace zembrik {

int64_t RealClock::counter() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

uint32_t RealClock::milliseconds() {
    // Wraps after about 49 days; the loop only takes differences.
    return static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                     std::chrono::steady_clock::now().time_since_epoch())
                                     .count());
}

void RealClock::sleep1ms() {
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

uint64_t timeOfDaySeed() {
    return static_cast<uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(
                                     std::chrono::system_clock::now().time_since_epoch())
                                     .count());
}

} // namespace zembrik
