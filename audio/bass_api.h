// SPDX-License-Identifier: GPL-3.0-or-later
// The seven calls the game makes into the audio module, and the loader that finds the module.
#pragma once

#include "audio/bass.h"

#include <memory>
#include <string>

namespace zembrik {

// The audio module as the game sees it: the real one resolved from libbass.so, or a fake.
struct BassApi {
    virtual ~BassApi() = default;
    virtual bass::DWORD getVersion() = 0;
    virtual bass::BOOL init(int device, bass::DWORD freq, bass::DWORD flags, void* win,
                            void* clsid) = 0;
    virtual int errorGetCode() = 0;
    virtual bass::HSTREAM streamCreateFile(bass::BOOL mem, const void* file, bass::QWORD offset,
                                           bass::QWORD length, bass::DWORD flags) = 0;
    virtual bass::HMUSIC musicLoad(bass::BOOL mem, const void* file, bass::QWORD offset,
                                   bass::DWORD length, bass::DWORD flags, bass::DWORD freq) = 0;
    virtual bass::BOOL channelPlay(bass::DWORD handle, bass::BOOL restart) = 0;
    virtual bass::BOOL free() = 0;
};

// Opens the module file at a path; nullptr when it cannot be loaded or lacks one of the calls.
struct BassLoader {
    virtual ~BassLoader() = default;
    virtual std::unique_ptr<BassApi> open(const std::string& path) = 0;
};

// The loader for the real module: loads the shared library at the path and resolves its calls.
// The library stays mapped for the life of the process, as the sound device may still be
// winding down its threads when the game lets go of it.
std::unique_ptr<BassLoader> makeSharedLibraryLoader();

} // namespace zembrik
