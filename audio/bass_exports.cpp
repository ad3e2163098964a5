// SPDX-License-Identifier: GPL-3.0-or-later
// The C entry points of libbass.so, each a thin call into the module's single device.
#include "audio/bass.h"
#include "audio/mixer_module.h"

using namespace zembrik::bass;

#define BASS_EXPORT extern "C" __attribute__((visibility("default")))

BASS_EXPORT DWORD BASS_GetVersion() {
    return kVersion;
}

BASS_EXPORT BOOL BASS_Init(int device, DWORD freq, DWORD, void*, void*) {
    return theModule().init(device, freq);
}

BASS_EXPORT int BASS_ErrorGetCode() {
    return theModule().lastError();
}

BASS_EXPORT HSTREAM BASS_StreamCreateFile(BOOL mem, const void* file, QWORD offset, QWORD length,
                                          DWORD flags) {
    return theModule().streamCreate(mem, file, offset, length, flags);
}

BASS_EXPORT HMUSIC BASS_MusicLoad(BOOL mem, const void* file, QWORD offset, DWORD length,
                                  DWORD flags, DWORD) {
    return theModule().musicLoad(mem, file, offset, length, flags);
}

BASS_EXPORT BOOL BASS_ChannelPlay(DWORD handle, BOOL restart) {
    return theModule().play(handle, restart);
}

BASS_EXPORT BOOL BASS_Free() {
    return theModule().free();
}

BASS_EXPORT DWORD BASS_ChannelIsActive(DWORD handle) {
    return theModule().isActive(handle);
}

BASS_EXPORT QWORD BASS_ChannelGetPosition(DWORD handle) {
    return theModule().position(handle);
}
