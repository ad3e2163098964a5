// SPDX-License-Identifier: GPL-3.0-or-later
// The C interface of the audio module libbass.so: the calls the game makes, with their error codes.
#pragma once

#include <cstdint>

namespace zembrik::bass {

using DWORD = uint32_t;
using QWORD = uint64_t;
using BOOL = int;
using HSTREAM = uint32_t;
using HMUSIC = uint32_t;

// The version the game expects, major in the high word and minor in the low word.
inline constexpr DWORD kVersion = 0x20002;

// Error codes reported by BASS_ErrorGetCode.
inline constexpr int kOk = 0;
inline constexpr int kErrorMem = 1;       // out of memory
inline constexpr int kErrorFileOpen = 2;  // a file could not be opened
inline constexpr int kErrorDriver = 3;    // no usable output driver
inline constexpr int kErrorHandle = 5;    // not a handle of this module
inline constexpr int kErrorFormat = 6;    // output format not supported
inline constexpr int kErrorInit = 8;      // BASS_Init has not succeeded
inline constexpr int kErrorAlready = 14;  // already initialised
inline constexpr int kErrorIllParam = 20; // a parameter is invalid
inline constexpr int kErrorDevice = 23;   // no such device
inline constexpr int kErrorNotAvail = 37; // not available for this channel
inline constexpr int kErrorFileForm = 41; // data of an unknown or broken format
inline constexpr int kErrorUnknown = -1;  // anything else

// Flags the module understands (others are accepted and ignored).
inline constexpr DWORD kSampleLoop = 4;         // loop the channel forever
inline constexpr DWORD kMusicRamp = 0x200;      // volume ramping (ignored: the mixer ramps)
inline constexpr DWORD kMusicPrescan = 0x20000; // length pre-scan (ignored)

// Answers of BASS_ChannelIsActive.
inline constexpr DWORD kActiveStopped = 0;
inline constexpr DWORD kActivePlaying = 1;

} // namespace zembrik::bass

extern "C" {

// The module's version, 0x20002.
zembrik::bass::DWORD BASS_GetVersion();
// Opens the default output (device -1 or 1) at freq Hz (0: 44100). win and clsid are unused.
zembrik::bass::BOOL BASS_Init(int device, zembrik::bass::DWORD freq, zembrik::bass::DWORD flags,
                              void* win, void* clsid);
// The code of the last failure, or 0 when the last call succeeded.
int BASS_ErrorGetCode();
// Makes a channel from a complete sound file (WAV, AIFF, VOC, Ogg, FLAC, MP3): from memory when
// mem is non-zero (file points at length bytes; offset is ignored), otherwise from the path in
// file, starting at offset (length 0: to the end). Returns 0 on failure.
zembrik::bass::HSTREAM BASS_StreamCreateFile(zembrik::bass::BOOL mem, const void* file,
                                             zembrik::bass::QWORD offset,
                                             zembrik::bass::QWORD length,
                                             zembrik::bass::DWORD flags);
// Makes a channel from a tracker module, in memory or from a path as above; memory given here is
// read while the channel plays, so the caller keeps it alive until BASS_Free. freq is unused.
// Returns 0 on failure.
zembrik::bass::HMUSIC BASS_MusicLoad(zembrik::bass::BOOL mem, const void* file,
                                     zembrik::bass::QWORD offset, zembrik::bass::DWORD length,
                                     zembrik::bass::DWORD flags, zembrik::bass::DWORD freq);
// Starts a channel without waiting. restart != 0 plays it from its start, cutting off its own
// earlier play; otherwise a channel already playing goes on. Other channels keep mixing.
zembrik::bass::BOOL BASS_ChannelPlay(zembrik::bass::DWORD handle, zembrik::bass::BOOL restart);
// Releases the output and every channel. Harmless when nothing is initialised.
zembrik::bass::BOOL BASS_Free();

// Whether a channel is playing (kActivePlaying) or not (kActiveStopped).
zembrik::bass::DWORD BASS_ChannelIsActive(zembrik::bass::DWORD handle);
// Bytes of output mixed from a channel since its latest start; -1 for an unknown handle.
zembrik::bass::QWORD BASS_ChannelGetPosition(zembrik::bass::DWORD handle);

} // extern "C"
