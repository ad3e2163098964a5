// SPDX-License-Identifier: GPL-3.0-or-later
// SDL2_mixer behind the module's calls: one mixer channel per sound, tracker modules as music.
#include "audio/mixer_module.h"
#include "audio/sound_length.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstring>
#include <fstream>
#include <string_view>

namespace zembrik::bass {

struct MixerModule::Channel {
    Mix_Chunk* chunk = nullptr; // a decoded sound, played on mixerChannel
    Mix_Music* music = nullptr; // a tracker module, played as the mixer's music
    int mixerChannel = -1;
    int loops = 0;                  // -1 loops forever
    std::vector<uint8_t> ownBytes;  // a module read from a file stays here while it plays
    std::atomic<uint64_t> mixed{0}; // bytes mixed since the latest start (audio thread adds)
};

namespace {

// Counts what the mixer takes from a channel; runs on the audio thread.
void countMixed(int, void*, int len, void* udata) {
    static_cast<std::atomic<uint64_t>*>(udata)->fetch_add(static_cast<uint64_t>(len));
}

bool startsWith(const uint8_t* p, size_t n, std::string_view magic, size_t at = 0) {
    return n >= at + magic.size() && std::memcmp(p + at, magic.data(), magic.size()) == 0;
}

// Whether the bytes open like one of the whole-file formats the chunk decoder reads. Anything
// else is left to the tracker-module loader instead of being guessed at here.
// True when every chunk after the 12-byte header claims no more bytes than the buffer still
// holds. The decoder allocates what a chunk claims before reading it, so a few hostile bytes
// claiming gigabytes would otherwise cost gigabytes.
bool chunksFit(const uint8_t* p, size_t n, bool bigEndian) {
    size_t pos = 12;
    while (n - pos >= 8) {
        const uint8_t* c = p + pos + 4;
        const uint32_t len =
            bigEndian ? (uint32_t{c[0]} << 24 | uint32_t{c[1]} << 16 | uint32_t{c[2]} << 8 | c[3])
                      : (uint32_t{c[3]} << 24 | uint32_t{c[2]} << 16 | uint32_t{c[1]} << 8 | c[0]);
        if (len > n - pos - 8) return false;
        pos += 8 + len + (len & 1);
        if (pos > n) break;
    }
    return true;
}

bool looksLikeStream(const uint8_t* p, size_t n) {
    if (startsWith(p, n, "RIFF") && startsWith(p, n, "WAVE", 8)) return chunksFit(p, n, false);
    if (startsWith(p, n, "FORM") && (startsWith(p, n, "AIFF", 8) || startsWith(p, n, "AIFC", 8)))
        return chunksFit(p, n, true);
    if (startsWith(p, n, "Creative Voice File")) return true;
    if (startsWith(p, n, "OggS") || startsWith(p, n, "fLaC") || startsWith(p, n, "ID3"))
        return true;
    return n >= 4 && p[0] == 0xFF && (p[1] & 0xE0) == 0xE0;
}

} // namespace

MixerModule::~MixerModule() {
    free();
}

int MixerModule::lastError() {
    std::lock_guard lock(mutex_);
    return error_;
}

BOOL MixerModule::init(int device, DWORD freq) {
    std::lock_guard lock(mutex_);
    if (ready_) return finish(kErrorAlready, 0);
    if (device != -1 && device != 1) return finish(kErrorDevice, 0);
    if (freq == 0) freq = 44100;
    if (freq < 8000 || freq > 192000) return finish(kErrorIllParam, 0);
    // SDL would otherwise turn SIGINT/SIGTERM into a quit event nobody reads, and the game
    // could no longer be ended by a signal.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return finish(kErrorDriver, 0);
    if (Mix_OpenAudio(static_cast<int>(freq), AUDIO_S16SYS, 2, 1024) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return finish(kErrorDriver, 0);
    }
    int rate = 0;
    Uint16 format = 0;
    int outChannels = 0;
    Mix_QuerySpec(&rate, &format, &outChannels);
    outRate_ = rate > 0 ? rate : static_cast<int>(freq);
    mixerChannels_ = 0;
    Mix_AllocateChannels(0);
    ready_ = true;
    return finish(kOk, 1);
}

int MixerModule::readFile(const void* path, QWORD offset, QWORD length,
                          std::vector<uint8_t>& bytes) {
    std::ifstream in(static_cast<const char*>(path), std::ios::binary | std::ios::ate);
    if (!in) return kErrorFileOpen;
    const auto end = static_cast<QWORD>(in.tellg());
    if (offset > end) return kErrorFileOpen;
    QWORD size = end - offset;
    if (length != 0 && length < size) size = length;
    // Nothing larger than a sound file may be is read at all.
    if (size > kMaxSoundFileBytes) return kErrorMem;
    bytes.resize(static_cast<size_t>(size));
    in.seekg(static_cast<std::streamoff>(offset));
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size));
    return static_cast<QWORD>(in.gcount()) == size ? kOk : kErrorFileOpen;
}

DWORD MixerModule::addChannel(std::unique_ptr<Channel> channel) {
    const DWORD handle = nextHandle_++;
    channels_.emplace(handle, std::move(channel));
    return finish(kOk, handle);
}

HSTREAM MixerModule::streamCreate(BOOL mem, const void* file, QWORD offset, QWORD length,
                                  DWORD flags) {
    std::lock_guard lock(mutex_);
    if (!ready_) return finish(kErrorInit, 0);
    if (file == nullptr) return finish(kErrorIllParam, 0);
    std::vector<uint8_t> fromDisk;
    const uint8_t* bytes = static_cast<const uint8_t*>(file);
    if (!mem) {
        const int err = readFile(file, offset, length, fromDisk);
        if (err != kOk) return finish(err, 0);
        bytes = fromDisk.data();
        length = fromDisk.size();
    }
    if (length == 0) return finish(kErrorFileForm, 0);
    if (length > kMaxSoundFileBytes) return finish(kErrorMem, 0);
    if (!looksLikeStream(bytes, static_cast<size_t>(length))) return finish(kErrorFileForm, 0);
    // The decoder makes the whole sound at once: one that would play for hours (a low rate, a
    // run of silence blocks, thousands of tiny frames) would take gigabytes, and some layouts
    // would have it read beyond its buffers. Both are refused unread.
    const SoundMeasure measure = measureSound(bytes, static_cast<size_t>(length));
    if (measure.refusal != nullptr) return finish(kErrorFileForm, 0);
    if (measure.seconds > kMaxSoundSeconds) return finish(kErrorMem, 0);

    // The decoder copies what it needs, so the caller's bytes are only read here.
    SDL_RWops* rw = SDL_RWFromConstMem(bytes, static_cast<int>(length));
    if (rw == nullptr) return finish(kErrorMem, 0);
    Mix_Chunk* chunk = Mix_LoadWAV_RW(rw, 1);
    if (chunk == nullptr) return finish(kErrorFileForm, 0);
    // The decoder converts into a buffer sized for the worst case of its conversion steps,
    // twice what a mono sound turned into the device's stereo needs, and keeps all of it. The
    // chunk owns its buffer (SDL_free on release), so it may shrink to the samples it holds:
    // 0.75 MB less for the nine sounds of the game.
    if (chunk->allocated != 0 && chunk->abuf != nullptr && chunk->alen > 0) {
        if (auto* fitted = static_cast<Uint8*>(SDL_realloc(chunk->abuf, chunk->alen)))
            chunk->abuf = fitted;
    }

    auto channel = std::make_unique<Channel>();
    channel->chunk = chunk;
    channel->mixerChannel = mixerChannels_++;
    channel->loops = (flags & kSampleLoop) ? -1 : 0;
    Mix_AllocateChannels(mixerChannels_);
    return addChannel(std::move(channel));
}

HMUSIC MixerModule::musicLoad(BOOL mem, const void* file, QWORD offset, DWORD length, DWORD flags) {
    std::lock_guard lock(mutex_);
    if (!ready_) return finish(kErrorInit, 0);
    if (file == nullptr) return finish(kErrorIllParam, 0);
    auto channel = std::make_unique<Channel>();
    const void* bytes = file;
    QWORD size = length;
    if (!mem) {
        const int err = readFile(file, offset, length, channel->ownBytes);
        if (err != kOk) return finish(err, 0);
        bytes = channel->ownBytes.data();
        size = channel->ownBytes.size();
    }
    if (size == 0) return finish(kErrorFileForm, 0);
    if (size > kMaxSoundFileBytes) return finish(kErrorMem, 0);

    SDL_RWops* rw = SDL_RWFromConstMem(bytes, static_cast<int>(size));
    if (rw == nullptr) return finish(kErrorMem, 0);
    channel->music = Mix_LoadMUSType_RW(rw, MUS_MOD, 1);
    if (channel->music == nullptr) return finish(kErrorFileForm, 0);
    channel->loops = (flags & kSampleLoop) ? -1 : 0;
    return addChannel(std::move(channel));
}

MixerModule::Channel* MixerModule::find(DWORD handle) {
    const auto it = channels_.find(handle);
    return it == channels_.end() ? nullptr : it->second.get();
}

BOOL MixerModule::play(DWORD handle, BOOL restart) {
    std::lock_guard lock(mutex_);
    Channel* c = find(handle);
    if (c == nullptr) return finish(kErrorHandle, 0);
    if (c->chunk != nullptr) {
        if (!restart && Mix_Playing(c->mixerChannel)) {
            Mix_Resume(c->mixerChannel);
            return finish(kOk, 1);
        }
        // Playing on the same mixer channel halts its earlier play first.
        if (Mix_PlayChannel(c->mixerChannel, c->chunk, c->loops) < 0)
            return finish(kErrorUnknown, 0);
        c->mixed = 0;
        Mix_RegisterEffect(c->mixerChannel, countMixed, nullptr, &c->mixed);
        return finish(kOk, 1);
    }
    if (!restart && currentMusic_ == handle && Mix_PlayingMusic()) {
        Mix_ResumeMusic();
        return finish(kOk, 1);
    }
    if (Mix_PlayMusic(c->music, c->loops) != 0) return finish(kErrorUnknown, 0);
    currentMusic_ = handle;
    return finish(kOk, 1);
}

DWORD MixerModule::isActive(DWORD handle) {
    std::lock_guard lock(mutex_);
    Channel* c = find(handle);
    if (c == nullptr) return finish(kErrorHandle, kActiveStopped);
    error_ = kOk;
    if (c->chunk != nullptr) return Mix_Playing(c->mixerChannel) ? kActivePlaying : kActiveStopped;
    return currentMusic_ == handle && Mix_PlayingMusic() ? kActivePlaying : kActiveStopped;
}

QWORD MixerModule::position(DWORD handle) {
    std::lock_guard lock(mutex_);
    Channel* c = find(handle);
    if (c == nullptr) return finish(kErrorHandle, ~QWORD{0});
    error_ = kOk;
    if (c->chunk != nullptr) return c->mixed.load();
    if (currentMusic_ != handle) return 0;
    const double seconds = Mix_GetMusicPosition(c->music);
    return seconds > 0 ? static_cast<QWORD>(seconds * outRate_) * 4 : 0;
}

void MixerModule::releaseAll() {
    // Halting first removes the counting effects, so no channel is freed while being mixed.
    Mix_HaltChannel(-1);
    Mix_HaltMusic();
    for (auto& [handle, c] : channels_) {
        if (c->chunk != nullptr) Mix_FreeChunk(c->chunk);
        if (c->music != nullptr) Mix_FreeMusic(c->music);
    }
    channels_.clear();
    currentMusic_ = 0;
    mixerChannels_ = 0;
}

BOOL MixerModule::free() {
    std::lock_guard lock(mutex_);
    if (!ready_) return finish(kErrorInit, 0);
    releaseAll();
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    ready_ = false;
    return finish(kOk, 1);
}

MixerModule& theModule() {
    static MixerModule module;
    return module;
}

} // namespace zembrik::bass
