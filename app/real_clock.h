// SPDX-License-Identifier: GPL-3.0-or-later
// The wall-time sources of a real game: the frame loop's clock and the per-tick seeds.
#pragma once

#include <cstdint>

#include "engine/frame_loop.h"
#include "engine/tick.h"

namespace zembrik {

// The monotonic clock (CLOCK_MONOTONIC) in nanoseconds for the counter, a millisecond reading
// of the same clock, and the wait until a deadline on it.
class RealClock : public Clock {
  public:
    int64_t frequency() const override { return 1'000'000'000; }
    int64_t counter() override;
    uint32_t milliseconds() override;
    int64_t millisecondsUntil(int64_t deadline) override;
};

// A seed from the time of day, for the start of a game and every tick call.
uint64_t timeOfDaySeed();

// Seeds every tick call from the time of day.
class ClockSeeds : public SeedSource {
  public:
    uint64_t nextSeed() override { return timeOfDaySeed(); }
};

} // namespace zembrik
