// SPDX-License-Identifier: GPL-3.0-or-later
// How long a sound file would play once decoded, told from its structure before any decoding.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace zembrik {

// The largest sound file read, and the longest sound decoded. The decoder turns a whole sound
// into 44.1 kHz stereo samples in memory (10 minutes take 106 MB), so a small file that claims
// hours could otherwise take gigabytes.
inline constexpr uint64_t kMaxSoundFileBytes = 64ull << 20;
inline constexpr double kMaxSoundSeconds = 600;

// What the decoder would make of some bytes as a whole-file sound, measured without decoding
// from what the decoder itself goes by: the format and data chunks of a WAV file, the frame
// count and rate of an AIFF file, the blocks of a VOC file (silence blocks included), every
// frame header of a FLAC or MPEG audio file, and every packet of an Ogg Vorbis or Opus stream
// (the longest a packet can be). Units that cannot all be real (a header claiming more than
// the file holds, junk that looks like a frame) are counted anyway, so `seconds` is never
// less than what decoding would give. Bytes that are no such format measure 0: the decoder
// refuses them.
struct SoundMeasure {
    double seconds = 0;
    // Set when the bytes must not reach the decoder at all: a VOC file laid out so that its
    // length cannot be told, a FLAC file whose frames would be read beyond their end.
    const char* refusal = nullptr;
};
SoundMeasure measureSound(const uint8_t* bytes, size_t size);

// "" when the bytes may be decoded, else a plain reason why not (the refusal above, or a sound
// that would play longer than kMaxSoundSeconds). The file size is checked before reading; see
// kMaxSoundFileBytes.
std::string soundProblem(const uint8_t* bytes, size_t size);

// A duration for a message: "2 h 13 min", "14 min 5 s", "7 s".
std::string durationText(double seconds);

} // namespace zembrik
