// SPDX-License-Identifier: GPL-3.0-or-later
// The injected random source: uniform single-precision values in [0, 1).
#pragma once

#include <cstdint>

namespace zembrik {

struct Random {
    virtual ~Random() = default;
    virtual float next() = 0;          // uniform in [0, 1)
    virtual void seed(uint64_t s) = 0; // restart the sequence from s
};

// A small, fast, seedable generator (splitmix64 feeding xorshift64*).
class XorShiftRandom : public Random {
  public:
    explicit XorShiftRandom(uint64_t s = 1) { seed(s); }
    void seed(uint64_t s) override {
        uint64_t z = s + 0x9E3779B97F4A7C15ull;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        state_ = (z ^ (z >> 31)) | 1;
    }
    float next() override {
        state_ ^= state_ >> 12;
        state_ ^= state_ << 25;
        state_ ^= state_ >> 27;
        uint64_t v = state_ * 0x2545F4914F6CDD1Dull;
        // 24 random bits give every float in [0, 1) with spacing 2^-24, never 1.0.
        return static_cast<float>(v >> 40) * (1.0f / 16777216.0f);
    }

  private:
    uint64_t state_ = 1;
};

} // namespace zembrik
