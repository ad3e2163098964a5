// SPDX-License-Identifier: GPL-3.0-or-later
// How long a play request takes on the real module; it runs inside the 60-per-second tick.
#include "audio/sound.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <stdexcept>

namespace {

using namespace zembrik;

struct NoAlerts : Alerts {
    void show(AlertIcon, const std::string&, const std::string& text) override {
        throw std::runtime_error(text);
    }
};

Sound& readySound() {
    static Sound sound;
    static bool ready = [] {
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        NoAlerts alerts;
        return sound.setup(ZEMBRIK_APP_DIR, alerts, 0);
    }();
    if (!ready) throw std::runtime_error("sound set-up failed");
    return sound;
}

// A request that restarts the same channel each time, as a run of "lnd" does.
void BM_RestartSameSound(benchmark::State& state) {
    Sound& sound = readySound();
    for (auto _ : state)
        sound.playsound("lnd", 0, 0);
}
BENCHMARK(BM_RestartSameSound);

// The busiest moment of a tick: a clear and its lock together.
void BM_ClearAndLock(benchmark::State& state) {
    Sound& sound = readySound();
    for (auto _ : state) {
        sound.playsound("ers", 4, 0);
        sound.playsound("lck", 0, 0);
    }
}
BENCHMARK(BM_ClearAndLock);

// Set-up cost: loading and decoding the nine sounds.
void BM_Setup(benchmark::State& state) {
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    readySound().shutdown();
    for (auto _ : state) {
        Sound sound;
        NoAlerts alerts;
        benchmark::DoNotOptimize(sound.setup(ZEMBRIK_APP_DIR, alerts, 0));
        sound.shutdown();
    }
}
BENCHMARK(BM_Setup)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
