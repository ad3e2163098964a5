// SPDX-License-Identifier: GPL-3.0-or-later
// The state behind libbass.so: the output device and the channels made from sound data.
#pragma once

#include "audio/bass.h"

#include <atomic>
#include <cstddef>
#include <map>
#include <memory>
#include <mutex>
#include <vector>

struct Mix_Chunk;
struct _Mix_Music;

namespace zembrik::bass {

// One output device and its channels on SDL2_mixer. Every member is safe to call from any
// thread and in any state; failures return 0 and leave their code for lastError().
class MixerModule {
  public:
    MixerModule() = default;
    ~MixerModule();
    MixerModule(const MixerModule&) = delete;
    MixerModule& operator=(const MixerModule&) = delete;

    int lastError();
    BOOL init(int device, DWORD freq);
    // Decodes a whole sound file into a channel of its own.
    HSTREAM streamCreate(BOOL mem, const void* file, QWORD offset, QWORD length, DWORD flags);
    // Opens a tracker module; memory given here must outlive the channel.
    HMUSIC musicLoad(BOOL mem, const void* file, QWORD offset, DWORD length, DWORD flags);
    BOOL play(DWORD handle, BOOL restart);
    DWORD isActive(DWORD handle);
    QWORD position(DWORD handle);
    BOOL free();

  private:
    struct Channel;

    // Records the outcome of a call (kOk or an error code) and returns value.
    template <typename T> T finish(int code, T value) {
        error_ = code;
        return value;
    }
    // Reads the file at path from offset, length bytes (0: to its end) into bytes; kOk, or
    // kErrorFileOpen, or kErrorMem for more than a sound file may hold (then nothing is read).
    int readFile(const void* path, QWORD offset, QWORD length, std::vector<uint8_t>& bytes);
    DWORD addChannel(std::unique_ptr<Channel> channel);
    Channel* find(DWORD handle);
    void releaseAll();

    std::mutex mutex_;
    int error_ = kOk;
    bool ready_ = false;
    int outRate_ = 44100;
    int mixerChannels_ = 0;
    DWORD nextHandle_ = 0x10000; // handles never repeat within a process
    DWORD currentMusic_ = 0;     // the module that owns the mixer's single music stream
    std::map<DWORD, std::unique_ptr<Channel>> channels_;
};

// The module's single device, as the C interface has no handle for it.
MixerModule& theModule();

} // namespace zembrik::bass
