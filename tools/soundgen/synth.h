// SPDX-License-Identifier: GPL-3.0-or-later
// Small synthesis helpers for the game's sound effects: mono sample buffers, tones, noise.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace soundgen {

inline constexpr int kRate = 44100;

// A mono buffer of samples in -1..1 at kRate.
using Buffer = std::vector<double>;

// A tone with a pitch glide and an exponential decay, added to out at start seconds.
struct Tone {
    double start = 0;                  // seconds from the buffer's start
    double length = 0.3;               // seconds
    double freq = 440;                 // Hz at the start
    double freqEnd = 0;                // Hz at the end (0: no glide)
    double amp = 0.5;                  // peak before mixing
    double attack = 0.006;             // seconds of soft rise
    double decay = 0.15;               // seconds for the level to fall to 1/e
    std::vector<double> partials{1.0}; // level of harmonic 1, 2, 3, ...
};

void addTone(Buffer& out, const Tone& t);
// Soft filtered noise for a tap or a breath, added at start seconds.
void addNoise(Buffer& out, double start, double length, double amp, double decay, double smooth,
              uint32_t seed);
// Scales so the loudest sample reaches peak, and fades the last 10 ms to silence.
void finish(Buffer& b, double peak);
// Writes a 16-bit mono PCM WAV file; false on a write error.
bool writeWav(const std::string& path, const Buffer& b);

} // namespace soundgen
