// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the game's nine sound effects into a folder: zembrik-soundgen <folder>. Run by hand;
// its output is kept in snd/.
#include "synth.h"

#include <cstdio>
#include <string>

using namespace soundgen;

namespace {

constexpr double kC5 = 523.25, kE5 = 659.26, kG5 = 783.99, kC6 = 1046.50, kE6 = 1318.51;
constexpr double kG4 = 392.00, kA4 = 440.00, kF4 = 349.23, kD5 = 587.33;

// A soft mallet note: fundamental with a little octave and twelfth.
Tone bell(double start, double freq, double length, double amp, double decay) {
    Tone t;
    t.start = start;
    t.freq = freq;
    t.length = length;
    t.amp = amp;
    t.decay = decay;
    t.attack = 0.005;
    t.partials = {1.0, 0.28, 0.08};
    return t;
}

// A piece settling into the stack: a short, low, round knock.
Buffer lock() {
    Buffer b;
    Tone t;
    t.freq = 260;
    t.freqEnd = 150;
    t.length = 0.14;
    t.decay = 0.035;
    t.attack = 0.003;
    t.partials = {1.0, 0.2};
    addTone(b, t);
    addNoise(b, 0, 0.05, 0.25, 0.012, 0.08, 7);
    finish(b, 0.42);
    return b;
}

// A piece touching down: a quieter, higher tick than the lock.
Buffer land() {
    Buffer b;
    Tone t;
    t.freq = 620;
    t.freqEnd = 470;
    t.length = 0.09;
    t.decay = 0.022;
    t.attack = 0.002;
    t.partials = {1.0, 0.15};
    addTone(b, t);
    finish(b, 0.26);
    return b;
}

// Rows cleared: more rows, more notes climbing higher and a brighter tail.
Buffer erase(int rows) {
    Buffer b;
    const double notes[] = {kC5, kE5, kG5, kC6};
    const double step = 0.055;
    for (int i = 0; i < rows; ++i) {
        const double last = i == rows - 1;
        const double start = step * i;
        addTone(b, bell(start, notes[i], last ? 0.3 + 0.1 * rows : 0.25, 0.5, last ? 0.16 : 0.07));
    }
    if (rows >= 3) addTone(b, bell(step * (rows - 1), rows == 4 ? kE6 : kC6, 0.35, 0.12, 0.12));
    if (rows == 4) {
        // A light sparkle over the final chord.
        for (int i = 0; i < 4; ++i)
            addTone(b, bell(0.22 + 0.06 * i, kC6 * (2.0 + 0.25 * i), 0.12, 0.05, 0.04));
        addNoise(b, 0.16, 0.5, 0.04, 0.08, 0.25, 11);
    }
    finish(b, 0.36 + 0.04 * rows);
    return b;
}

// A new game: two rising notes, then both together.
Buffer start() {
    Buffer b;
    addTone(b, bell(0.0, kG4, 0.25, 0.5, 0.09));
    addTone(b, bell(0.12, kC5, 0.45, 0.5, 0.16));
    addTone(b, bell(0.12, kG5, 0.45, 0.22, 0.16));
    finish(b, 0.45);
    return b;
}

// The game is over: a slow, gentle fall of four notes.
Buffer end() {
    Buffer b;
    const double notes[] = {kD5, kC5, kA4, kF4};
    for (int i = 0; i < 4; ++i) {
        const bool last = i == 3;
        addTone(b, bell(0.16 * i, notes[i], last ? 0.4 : 0.3, 0.5, last ? 0.16 : 0.1));
    }
    finish(b, 0.4);
    return b;
}

// A piece put aside: a quick upward swish.
Buffer hold() {
    Buffer b;
    Tone t;
    t.freq = 480;
    t.freqEnd = 880;
    t.length = 0.16;
    t.decay = 0.06;
    t.attack = 0.02;
    t.partials = {1.0, 0.1};
    addTone(b, t);
    addNoise(b, 0, 0.12, 0.08, 0.04, 0.3, 5);
    finish(b, 0.3);
    return b;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: zembrik-soundgen <folder>\n");
        return 2;
    }
    const std::string dir = std::string(argv[1]) + "/";
    const struct {
        const char* name;
        Buffer sound;
    } files[] = {{"lock.wav", lock()},     {"erase1.wav", erase(1)}, {"erase2.wav", erase(2)},
                 {"erase3.wav", erase(3)}, {"erase4.wav", erase(4)}, {"land.wav", land()},
                 {"start.wav", start()},   {"end.wav", end()},       {"hold.wav", hold()}};
    for (const auto& f : files) {
        if (!writeWav(dir + f.name, f.sound)) {
            std::fprintf(stderr, "cannot write %s%s\n", dir.c_str(), f.name);
            return 1;
        }
    }
    return 0;
}
