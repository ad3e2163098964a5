// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the audio module's loading from memory: a stream first, then a tracker module, as the
// game's sound set-up does; the output is SDL's dummy driver.
#include <cstdlib>
#include <vector>

#include "audio/bass.h"

namespace {

constexpr zembrik::bass::DWORD kMusicFlags =
    zembrik::bass::kMusicRamp | zembrik::bass::kMusicPrescan;

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The module plays straight from the caller's memory, which must live until BASS_Free; the
    // device is reopened every few inputs, as opening it is slow.
    static std::vector<std::vector<uint8_t>> kept;
    if (kept.empty() && !BASS_Init(-1, 44100, 0, nullptr, nullptr)) std::abort();
    const std::vector<uint8_t>& bytes = kept.emplace_back(data, data + size);
    const auto length = static_cast<zembrik::bass::DWORD>(bytes.size());
    zembrik::bass::DWORD channel = BASS_StreamCreateFile(1, bytes.data(), 0, length, 0);
    if (channel == 0) {
        if (BASS_ErrorGetCode() == zembrik::bass::kOk) std::abort(); // a failure said nothing
        channel = BASS_MusicLoad(1, bytes.data(), 0, length, kMusicFlags, 0);
    }
    if (channel == 0) {
        if (BASS_ErrorGetCode() == zembrik::bass::kOk) std::abort();
    } else {
        // A module can load and still refuse to play (SDL_mixer plays one module at a time, and
        // some decode to nothing); the game ignores the result, but a refusal must say why.
        for (int round = 0; round < 2; ++round) // the second is a restart of the same sound
            if (!BASS_ChannelPlay(channel, 1) && BASS_ErrorGetCode() == zembrik::bass::kOk)
                std::abort();
    }
    if (kept.size() == 32) {
        if (!BASS_Free()) std::abort();
        kept.clear();
    }
    return 0;
}
