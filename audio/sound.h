// SPDX-License-Identifier: GPL-3.0-or-later
// The game's nine sound effects: set-up at start, play requests by code, release at shut-down.
#pragma once

#include "audio/alerts.h"
#include "audio/bass_api.h"

#include <cstdint>
#include <future>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zembrik {

// The slot a play request names: the first three characters of code pick it, count serves
// "ers" (rows cleared) and "abs" (the slot itself). Unknown codes give the lock sound, 0.
// The answer may lie outside 0..8 ("abs", or "ers" with a negative count).
int soundSlot(std::string_view code, int16_t count);

// The sound files in slot order, relative to the folder of the shipped files.
inline constexpr const char* kSoundFiles[] = {"snd/lock.wav",   "snd/erase1.wav", "snd/erase2.wav",
                                              "snd/erase3.wav", "snd/erase4.wav", "snd/land.wav",
                                              "snd/start.wav",  "snd/end.wav",    "snd/hold.wav"};

// The module file looked for in the module folder.
inline constexpr const char* kModuleFile = "libbass.so";

class Sound {
  public:
    // Uses the real module loader.
    Sound();
    // Uses the given loader (tests pass a fake module).
    explicit Sound(std::unique_ptr<BassLoader> loader);
    ~Sound();
    Sound(const Sound&) = delete;
    Sound& operator=(const Sound&) = delete;

    // Starts the whole set-up (loading the module, opening the device, loading the nine sounds)
    // on a thread of its own: the module's library pulls in some forty others and takes longer
    // than anything else at start-up, so it can load while the window comes up. setup() with
    // the same folders then takes the result, waiting for it if need be, and shows what it
    // found just as it would have; nothing is shown from the other thread. A set-up started
    // here but never taken (sound off) is released by shutdown().
    void preload(const std::string& moduleDir, const std::string& soundRoot);
    // Runs the set-up with the module in moduleDir and loads the nine sounds from
    // soundRoot/snd, once, at start-up. With muteOpt 1 nothing is touched and the answer is
    // true. false = a fatal message was shown through alerts and nothing stays loaded; the
    // caller ends the program without writing settings. A module that loads but cannot open
    // an output device (a machine without sound) is shown the same way and is not fatal: the
    // answer is true, nothing stays loaded and silent() is true, so the run goes on without
    // sound.
    bool setup(const std::string& moduleDir, const std::string& soundRoot, Alerts& alerts,
               int16_t muteOpt);
    // True once setup() found no output device: this run plays nothing.
    bool silent() const { return silent_; }
    // The same with the module and snd/ both in appDir (a portable folder).
    bool setup(const std::string& appDir, Alerts& alerts, int16_t muteOpt) {
        return setup(appDir, appDir, alerts, muteOpt);
    }
    // Plays the sound a code names from its start; never touches the disk and never waits.
    // Silent when muteOpt is 1 or the slot holds no sound (a quiet start, "abs" out of range).
    void playsound(std::string_view code, int16_t count, int16_t muteOpt);
    // Releases the module's device and channels (whether or not it was initialised) and
    // discards the sounds. Safe to call more than once.
    void shutdown();
    // The number of sounds loaded.
    int32_t soundCount() const { return static_cast<int32_t>(sounds_.size()); }

  private:
    // One loaded sound. The module plays straight from bytes, which therefore never change
    // or move while the channel exists (moving the vector keeps its buffer in place).
    struct Entry {
        std::vector<uint8_t> bytes;
        int32_t size = 0;
        uint32_t channel = 0;
        std::string name; // the file name, fitted to 20 characters
    };

    // A fatal message of the set-up, shown by setup() on the caller's thread.
    struct Failure {
        AlertIcon icon;
        std::string title, text;
        bool fatal = true; // false: no output device, the game goes on without sound
    };
    // What a set-up made: the module (kept, freed, after a failure that came once it was
    // initialised), the sounds, and the message to show when it failed.
    struct Loaded {
        std::unique_ptr<BassApi> bass;
        std::vector<Entry> sounds;
        std::optional<Failure> failure;
    };
    // The whole set-up without showing anything; on a failure nothing stays in use.
    static Loaded load(BassLoader& loader, const std::string& moduleDir,
                       const std::string& soundRoot);
    static std::optional<Failure> loadsound(Loaded& l, const std::string& path);
    // The warning with the module's last error code under the text.
    static Failure basserror(BassApi& bass, const std::string& text);
    static void release(Loaded& l);

    std::unique_ptr<BassLoader> loader_;
    std::future<Loaded> preloaded_;
    std::string preloadedModuleDir_, preloadedSoundRoot_;
    std::unique_ptr<BassApi> bass_;
    std::vector<Entry> sounds_;
    bool silent_ = false;
};

} // namespace zembrik
