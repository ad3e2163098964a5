// SPDX-License-Identifier: GPL-3.0-or-later
// Tone and noise synthesis and the WAV writer used by the sound generator.
#include "synth.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <numbers>

namespace soundgen {

namespace {

void put16(std::ofstream& f, uint16_t v) {
    const char b[2] = {static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)};
    f.write(b, 2);
}

void put32(std::ofstream& f, uint32_t v) {
    put16(f, static_cast<uint16_t>(v & 0xFFFF));
    put16(f, static_cast<uint16_t>(v >> 16));
}

size_t samplesFor(double seconds) {
    return static_cast<size_t>(seconds * kRate + 0.5);
}

// A raised-cosine rise from 0 to 1 over the attack time, so nothing clicks at the start.
double attackGain(double t, double attack) {
    if (t >= attack) return 1.0;
    return 0.5 - 0.5 * std::cos(std::numbers::pi * t / attack);
}

} // namespace

void addTone(Buffer& out, const Tone& t) {
    const size_t first = samplesFor(t.start);
    const size_t n = samplesFor(t.length);
    if (out.size() < first + n) out.resize(first + n, 0.0);
    const double endFreq = t.freqEnd > 0 ? t.freqEnd : t.freq;
    double phase = 0;
    for (size_t i = 0; i < n; ++i) {
        const double time = static_cast<double>(i) / kRate;
        const double along = time / t.length;
        // Exponential glide sounds even to the ear.
        const double f = t.freq * std::pow(endFreq / t.freq, along);
        phase += 2 * std::numbers::pi * f / kRate;
        double v = 0;
        for (size_t h = 0; h < t.partials.size(); ++h) {
            // Higher harmonics fade sooner, as in a struck bar.
            const double k = static_cast<double>(h + 1);
            v += t.partials[h] * std::sin(k * phase) * std::exp(-time * (k - 1) * 6.0);
        }
        const double env = attackGain(time, t.attack) * std::exp(-time / t.decay);
        out[first + i] += t.amp * env * v;
    }
}

void addNoise(Buffer& out, double start, double length, double amp, double decay, double smooth,
              uint32_t seed) {
    const size_t first = samplesFor(start);
    const size_t n = samplesFor(length);
    if (out.size() < first + n) out.resize(first + n, 0.0);
    uint32_t x = seed ? seed : 1;
    double low = 0;
    for (size_t i = 0; i < n; ++i) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        const double white = static_cast<double>(x) / 4294967295.0 * 2 - 1;
        low += (white - low) * smooth; // one-pole low-pass: smaller smooth, darker noise
        const double time = static_cast<double>(i) / kRate;
        out[first + i] += amp * low * attackGain(time, 0.002) * std::exp(-time / decay);
    }
}

void finish(Buffer& b, double peak) {
    double loudest = 0;
    for (double v : b)
        loudest = std::max(loudest, std::abs(v));
    const double scale = loudest > 0 ? peak / loudest : 0;
    const size_t fade = std::min(b.size(), samplesFor(0.010));
    for (size_t i = 0; i < b.size(); ++i) {
        b[i] *= scale;
        const size_t left = b.size() - i;
        if (left <= fade) b[i] *= static_cast<double>(left - 1) / static_cast<double>(fade);
    }
}

bool writeWav(const std::string& path, const Buffer& b) {
    std::ofstream f(path, std::ios::binary);
    const auto dataBytes = static_cast<uint32_t>(b.size() * 2);
    f.write("RIFF", 4);
    put32(f, 36 + dataBytes);
    f.write("WAVEfmt ", 8);
    put32(f, 16);
    put16(f, 1); // PCM
    put16(f, 1); // mono
    put32(f, kRate);
    put32(f, kRate * 2);
    put16(f, 2);
    put16(f, 16);
    f.write("data", 4);
    put32(f, dataBytes);
    for (double v : b) {
        const double clamped = std::clamp(v, -1.0, 1.0);
        put16(f, static_cast<uint16_t>(static_cast<int16_t>(std::lround(clamped * 32767))));
    }
    return static_cast<bool>(f);
}

} // namespace soundgen
