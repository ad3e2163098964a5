// SPDX-License-Identifier: GPL-3.0-or-later
// Loads libbass.so at run time and forwards the game's calls to its exported functions.
#include "audio/bass_api.h"

#include <dlfcn.h>

namespace zembrik {
namespace {

using namespace bass;

// The module's entry points, resolved by name.
struct Entry {
    DWORD (*getVersion)() = nullptr;
    BOOL (*init)(int, DWORD, DWORD, void*, void*) = nullptr;
    int (*errorGetCode)() = nullptr;
    HSTREAM (*streamCreateFile)(BOOL, const void*, QWORD, QWORD, DWORD) = nullptr;
    HMUSIC (*musicLoad)(BOOL, const void*, QWORD, DWORD, DWORD, DWORD) = nullptr;
    BOOL (*channelPlay)(DWORD, BOOL) = nullptr;
    BOOL (*free)() = nullptr;
};

template <typename F> bool resolve(void* lib, const char* name, F& fn) {
    fn = reinterpret_cast<F>(dlsym(lib, name));
    return fn != nullptr;
}

class SharedBass : public BassApi {
  public:
    explicit SharedBass(const Entry& e) : e_(e) {}
    DWORD getVersion() override { return e_.getVersion(); }
    BOOL init(int device, DWORD freq, DWORD flags, void* win, void* clsid) override {
        return e_.init(device, freq, flags, win, clsid);
    }
    int errorGetCode() override { return e_.errorGetCode(); }
    HSTREAM streamCreateFile(BOOL mem, const void* file, QWORD offset, QWORD length,
                             DWORD flags) override {
        return e_.streamCreateFile(mem, file, offset, length, flags);
    }
    HMUSIC musicLoad(BOOL mem, const void* file, QWORD offset, DWORD length, DWORD flags,
                     DWORD freq) override {
        return e_.musicLoad(mem, file, offset, length, flags, freq);
    }
    BOOL channelPlay(DWORD handle, BOOL restart) override {
        return e_.channelPlay(handle, restart);
    }
    BOOL free() override { return e_.free(); }

  private:
    Entry e_;
};

class SharedLibraryLoader : public BassLoader {
  public:
    std::unique_ptr<BassApi> open(const std::string& path) override {
        // A path with a slash is never looked up on the system's library search path.
        const std::string file = path.find('/') == std::string::npos ? "./" + path : path;
        // Lazy binding: the forty-odd libraries the mixer pulls in resolve a function only when
        // it is first called, most of them never, which halves the time to load. The module
        // itself is linked to bind at once, so a mixer missing one of its calls still fails
        // here, cleanly.
        void* lib = dlopen(file.c_str(), RTLD_LAZY | RTLD_LOCAL | RTLD_NODELETE);
        if (lib == nullptr) return nullptr;
        Entry e;
        const bool all =
            resolve(lib, "BASS_GetVersion", e.getVersion) && resolve(lib, "BASS_Init", e.init) &&
            resolve(lib, "BASS_ErrorGetCode", e.errorGetCode) &&
            resolve(lib, "BASS_StreamCreateFile", e.streamCreateFile) &&
            resolve(lib, "BASS_MusicLoad", e.musicLoad) &&
            resolve(lib, "BASS_ChannelPlay", e.channelPlay) && resolve(lib, "BASS_Free", e.free);
        // With RTLD_NODELETE this only drops the reference; the code stays mapped.
        if (!all) {
            dlclose(lib);
            return nullptr;
        }
        return std::make_unique<SharedBass>(e);
    }
};

} // namespace

std::unique_ptr<BassLoader> makeSharedLibraryLoader() {
    return std::make_unique<SharedLibraryLoader>();
}

} // namespace zembrik
