// SPDX-License-Identifier: GPL-3.0-or-later
// Measuring what a sound file decodes to from its headers alone, for each format the module
// decodes whole: WAV, AIFF, VOC, FLAC, MPEG audio, Ogg Vorbis and Ogg Opus.
#include "audio/sound_length.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string_view>
#include <vector>

namespace zembrik {

namespace {

// Bounds-checked reads of little- and big-endian numbers.
struct Bytes {
    const uint8_t* p;
    size_t n;

    bool has(size_t at, size_t len) const { return at <= n && len <= n - at; }
    // The first place at or after `from` that holds text, or npos.
    size_t find(size_t from, std::string_view text) const {
        return std::string_view(reinterpret_cast<const char*>(p), n).find(text, from);
    }
    // The first place at or after `from` that holds the byte 0xFF, where every frame header of
    // FLAC and MPEG audio starts, or npos.
    size_t nextFF(size_t from) const {
        if (from >= n) return std::string_view::npos;
        const void* at = std::memchr(p + from, 0xFF, n - from);
        return at ? static_cast<size_t>(static_cast<const uint8_t*>(at) - p)
                  : std::string_view::npos;
    }
    bool is(size_t at, std::string_view text) const {
        return has(at, text.size()) && std::memcmp(p + at, text.data(), text.size()) == 0;
    }
    uint32_t le(size_t at, int bytes) const {
        uint32_t v = 0;
        for (int i = bytes - 1; i >= 0; --i)
            v = v << 8 | p[at + static_cast<size_t>(i)];
        return v;
    }
    uint32_t be(size_t at, int bytes) const {
        uint32_t v = 0;
        for (int i = 0; i < bytes; ++i)
            v = v << 8 | p[at + static_cast<size_t>(i)];
        return v;
    }
};

// A rate the decoder can be given is at least 1 Hz; anything lower plays as slowly as that.
double atLeastOneHz(double rate) {
    return std::isfinite(rate) && rate >= 1 ? rate : 1;
}

// WAV: the decoder takes the data chunk in frames of the format chunk's block size (ADPCM in
// blocks of samplesPerBlock frames). Every format chunk is tried and the longest answer kept,
// and all data chunks count, so no reading of a hostile file gives more than this.
double wavSeconds(Bytes b) {
    struct Format {
        uint32_t tag, channels, rate, blockAlign, bits, samplesPerBlock;
    };
    std::vector<Format> formats;
    uint64_t data = 0;
    size_t pos = 12;
    while (b.has(pos, 8)) {
        const uint32_t claimed = b.le(pos + 4, 4);
        const size_t body = pos + 8;
        const size_t len = std::min<size_t>(claimed, b.n - body);
        if (b.is(pos, "fmt ") && len >= 16) {
            Format f{b.le(body, 2),      b.le(body + 2, 2),  b.le(body + 4, 4),
                     b.le(body + 12, 2), b.le(body + 14, 2), 0};
            if (len >= 20) f.samplesPerBlock = b.le(body + 18, 2);
            if (f.tag == 0xFFFE && len >= 26) f.tag = b.le(body + 24, 2); // the sub-format
            formats.push_back(f);
        } else if (b.is(pos, "data")) {
            data += len;
        }
        if (claimed > b.n - body) break;
        pos = body + claimed + (claimed & 1);
    }
    double longest = 0;
    for (const Format& f : formats) {
        if (f.rate == 0 || f.channels == 0) continue; // refused by the decoder
        double frames = 0;
        if (f.tag == 2 || f.tag == 0x11) { // MS and IMA ADPCM: 4 bits a sample
            if (f.blockAlign == 0) continue;
            const uint64_t blocks = (data + f.blockAlign - 1) / f.blockAlign;
            const uint32_t most = f.blockAlign * 2 / f.channels + 2;
            frames = static_cast<double>(blocks) * std::max(most, f.samplesPerBlock);
        } else if (f.tag == 1 || f.tag == 3 || f.tag == 6 || f.tag == 7) { // PCM, float, a/u-law
            uint32_t frame = f.channels * ((f.bits + 7) / 8);
            if (f.blockAlign != 0 && (frame == 0 || f.blockAlign < frame)) frame = f.blockAlign;
            if (frame == 0) continue;
            frames = static_cast<double>(data / frame);
        }
        longest = std::max(longest, frames / f.rate);
    }
    return longest;
}

// The 80-bit extended float of an AIFF sample rate, as the decoder reads it: at least 1 Hz,
// and it stops at 2^26 Hz.
double aiffRate(Bytes b, size_t at) {
    if (b.p[at] & 0x80) return 1;
    const int exponent = static_cast<int>(b.be(at, 2) & 0x7FFF) - 16383 - 63;
    double mantissa = 0;
    for (int i = 0; i < 8; ++i)
        mantissa = mantissa * 256 + b.p[at + 2 + static_cast<size_t>(i)];
    const double rate = std::floor(std::ldexp(mantissa, exponent));
    return std::min(atLeastOneHz(rate), 67108864.0);
}

// AIFF: the decoder takes the frame count and rate of the COMM chunk.
double aiffSeconds(Bytes b) {
    double longest = 0;
    size_t pos = 12;
    while (b.has(pos, 8)) {
        const uint32_t claimed = b.be(pos + 4, 4);
        const size_t body = pos + 8;
        if (b.is(pos, "COMM") && b.has(body, 18))
            longest = std::max(longest, b.be(body + 2, 4) / aiffRate(b, body + 8));
        if (claimed > b.n - body) break;
        pos = body + claimed + (claimed & 1);
    }
    return longest;
}

// VOC: sound blocks in frames at the first block's rate; a silence block of n frames at its
// own rate becomes n * (first rate / its rate) frames of that first rate. The decoder keeps a
// rate of a sound block in 16 bits, so one above 65535 Hz wraps round to a lower one: the
// lower of the two is taken. The decoder reads some blocks by their fixed layout whatever
// length they claim, and makes up what a block cut short lacks: only a file whose blocks all
// have their layout's length and end inside the file can be measured.
SoundMeasure vocMeasure(Bytes b) {
    constexpr const char* kRefused =
        "its blocks are not laid out as a VOC file's must be, so its length cannot be told";
    if (!b.has(20, 2)) return {0, kRefused};
    size_t pos = b.le(20, 2);
    double first = 0; // the first sound block's rate, 0 before it
    double frames = 0, silence = 0;
    double extRate = 0, extChannels = 1;
    double framesPerByte = 1; // of the latest sound block, for the blocks that continue it
    auto startSound = [&](double rate) {
        if (first == 0) first = atLeastOneHz(rate);
    };
    while (b.has(pos, 1) && b.p[pos] != 0) {
        const uint32_t type = b.p[pos];
        if (!b.has(pos, 4)) return {0, kRefused};
        const size_t body = pos + 4;
        const uint32_t len = b.le(pos + 1, 3);
        if (!b.has(body, len)) return {0, kRefused};
        if (type == 1 && len >= 2) {
            // 8-bit or 16-bit samples; the packed kinds hold up to four samples a byte.
            const uint8_t codec = b.p[body + 1];
            const double perByte = codec == 0 ? 1 : codec == 4 ? 0.5 : 4;
            framesPerByte = perByte / (extRate > 0 ? extChannels : 1);
            startSound(extRate > 0 ? extRate : std::floor(1e6 / (256 - b.p[body])));
            extRate = 0;
            frames += (len - 2) * framesPerByte;
        } else if (type == 2) {
            frames += len * framesPerByte;
        } else if (type == 3 && len == 3) {
            const double rate = std::floor(1e6 / (256 - b.p[body + 2]));
            silence += (b.le(body, 2) + 1.0) * (first > 0 ? first : 1e6) / rate;
        } else if (type == 8 && len == 4) {
            extChannels = b.p[body + 3] + 1.0;
            extRate = 256e6 / (extChannels * (65536.0 - b.le(body, 2)));
        } else if (type == 9 && len >= 12) {
            const double bits = std::max<uint8_t>(1, b.p[body + 4]);
            framesPerByte = 8 / bits / std::max<uint8_t>(1, b.p[body + 5]);
            startSound(b.le(body, 4));
            frames += (len - 12) * framesPerByte;
        } else if (!((type == 4 || type == 6) && len == 2) && !(type == 7 && len == 0)) {
            return {0, kRefused}; // markers and repeats are skipped; anything else is unknown
        }
        pos = body + len;
    }
    if (first == 0) first = 1130; // the lowest rate a wrapped 16-bit rate can give
    double play = first;
    if (first > 65535) play = atLeastOneHz(std::fmod(first, 65536));
    return {(frames + silence) / std::min(first, play), nullptr};
}

// FLAC: every frame header (sync code, valid fields, matching CRC-8) anywhere in the bytes
// counts its block size, at the lower of its own rate and the stream's.
// The decoder hands on every frame as if it had the stream's channels: a frame with fewer
// would be read beyond its end, so such a file is refused unread.
SoundMeasure flacMeasure(Bytes b) {
    double streamRate = 0;
    uint32_t streamChannels = 0;
    if (b.is(0, "fLaC") && b.has(18, 3) && (b.p[4] & 0x7F) == 0) {
        streamRate = b.be(18, 3) >> 4;
        streamChannels = ((b.p[20] >> 1) & 7) + 1;
    }
    static const uint32_t kRates[12] = {0,     88200, 176400, 192000, 8000,  16000,
                                        22050, 24000, 32000,  44100,  48000, 96000};
    double seconds = 0;
    for (size_t p = b.nextFF(0); p != std::string_view::npos && b.has(p, 6); p = b.nextFF(p + 1)) {
        if ((b.p[p + 1] & 0xFE) != 0xF8) continue;
        const uint32_t sizeCode = b.p[p + 2] >> 4, rateCode = b.p[p + 2] & 15;
        if (sizeCode == 0 || rateCode == 15) continue; // no block size or rate: no frame
        // The frame or sample number, coded like UTF-8 in 1 to 7 bytes.
        size_t at = p + 4;
        const uint8_t lead = b.p[at];
        int more = lead < 0x80    ? 0
                   : lead < 0xC0  ? -1
                   : lead < 0xE0  ? 1
                   : lead < 0xF0  ? 2
                   : lead < 0xF8  ? 3
                   : lead < 0xFC  ? 4
                   : lead < 0xFE  ? 5
                   : lead == 0xFE ? 6
                                  : -1;
        if (more < 0 || !b.has(at, static_cast<size_t>(more) + 1)) continue;
        bool ok = true;
        for (int i = 1; i <= more; ++i)
            ok = ok && (b.p[at + static_cast<size_t>(i)] & 0xC0) == 0x80;
        if (!ok) continue;
        at += static_cast<size_t>(more) + 1;
        uint32_t block = sizeCode == 1 ? 192 : sizeCode <= 5 ? 576u << (sizeCode - 2) : 0;
        if (sizeCode >= 8) block = 256u << (sizeCode - 8);
        const size_t sizeBytes = sizeCode == 6 ? 1 : sizeCode == 7 ? 2 : 0;
        const size_t rateBytes = rateCode == 12 ? 1 : rateCode >= 13 ? 2 : 0;
        if (!b.has(at, sizeBytes + rateBytes + 1)) continue;
        if (sizeBytes > 0) block = b.be(at, static_cast<int>(sizeBytes)) + 1;
        at += sizeBytes;
        double rate = rateCode < 12 ? kRates[rateCode] : 0;
        if (rateBytes > 0) {
            const uint32_t v = b.be(at, static_cast<int>(rateBytes));
            rate = rateCode == 12 ? v * 1000.0 : rateCode == 13 ? v : v * 10.0;
        }
        at += rateBytes;
        uint8_t crc = 0;
        for (size_t i = p; i < at; ++i) {
            crc ^= b.p[i];
            for (int k = 0; k < 8; ++k)
                crc = static_cast<uint8_t>(crc & 0x80 ? (crc << 1) ^ 0x07 : crc << 1);
        }
        if (crc != b.p[at]) continue;
        const uint32_t assignment = b.p[p + 3] >> 4;
        const uint32_t channels = assignment < 8 ? assignment + 1 : assignment < 11 ? 2 : 0;
        if (channels != 0 && channels < streamChannels)
            return {0, "a frame in it has fewer channels than its header says"};
        if (rate == 0 || (streamRate > 0 && streamRate < rate)) rate = streamRate;
        seconds += block / atLeastOneHz(rate);
    }
    return {seconds, nullptr};
}

// MPEG audio: every position that holds a valid frame header counts the frame's samples.
double mpegSeconds(Bytes b) {
    static const double kRates[3] = {44100, 48000, 32000};
    double seconds = 0;
    for (size_t p = b.nextFF(0); p != std::string_view::npos && b.has(p, 4); p = b.nextFF(p + 1)) {
        if ((b.p[p + 1] & 0xE0) != 0xE0) continue;
        const uint32_t version = (b.p[p + 1] >> 3) & 3, layer = (b.p[p + 1] >> 1) & 3;
        const uint32_t bitrate = b.p[p + 2] >> 4, rateIndex = (b.p[p + 2] >> 2) & 3;
        if (version == 1 || layer == 0 || bitrate == 15 || rateIndex == 3) continue;
        const double rate = kRates[rateIndex] / (version == 3 ? 1 : version == 2 ? 2 : 4);
        const double samples = layer == 3 ? 384 : (layer == 1 && version != 3) ? 576 : 1152;
        seconds += samples / rate;
    }
    return seconds;
}

// The longest an Opus packet plays, from its table-of-contents byte, in 48 kHz samples.
double opusPacketSamples(Bytes b, size_t at) {
    const uint32_t config = b.p[at] >> 3, code = b.p[at] & 3;
    double frame = config < 12   ? (config & 3) == 0   ? 480
                                   : (config & 3) == 1 ? 960
                                   : (config & 3) == 2 ? 1920
                                                       : 2880
                   : config < 16 ? ((config & 1) ? 960 : 480)
                                 : 120 << (config & 3);
    double count = code == 0 ? 1 : code < 3 ? 2 : b.has(at + 1, 1) ? (b.p[at + 1] & 0x3F) : 48;
    return std::min(frame * count, 5760.0);
}

// Calls f(p, lacing, segments) for every Ogg page header anywhere in the bytes whose segment
// table fits in them: the page starts at p, its table of `segments` sizes at lacing.
template <class F> void forEachOggPage(Bytes b, F f) {
    for (size_t p = b.find(0, "OggS"); p != std::string_view::npos && b.has(p, 27);
         p = b.find(p + 1, "OggS")) {
        if (b.p[p + 4] != 0) continue;
        const size_t lacing = p + 27, segments = b.p[p + 26];
        if (!b.has(lacing, segments)) continue;
        f(p, lacing, segments);
    }
}

// Ogg: every page header anywhere in the bytes counts each packet that starts in it, at the
// most that packet can play: from its table of contents for Opus, half the long block size
// for Vorbis.
double oggSeconds(Bytes b) {
    const bool opus = b.is(28, "OpusHead"); // the decoder is chosen by the first page
    double vorbisPacket = 0;                // longest Vorbis packet, in seconds
    forEachOggPage(b, [&](size_t p, size_t lacing, size_t segments) {
        const size_t body = lacing + segments;
        if ((b.p[p + 5] & 2) && b.is(body, "\x01vorbis") && b.has(body, 29)) {
            const double rate = atLeastOneHz(b.le(body + 12, 4));
            vorbisPacket = std::max(vorbisPacket, (1u << (b.p[body + 28] >> 4)) / 2 / rate);
        }
    });
    double seconds = 0;
    forEachOggPage(b, [&](size_t p, size_t lacing, size_t segments) {
        size_t start = lacing + segments; // where the next packet would start
        bool starts = !(b.p[p + 5] & 1);  // a continued page begins inside a packet
        for (size_t s = 0; s < segments; ++s) {
            if (starts && b.has(start, 1))
                seconds += opus ? opusPacketSamples(b, start) / 48000 : vorbisPacket;
            start += b.p[lacing + s];
            starts = b.p[lacing + s] < 255;
        }
    });
    return seconds;
}

} // namespace

SoundMeasure measureSound(const uint8_t* bytes, size_t size) {
    const Bytes b{bytes, size};
    if (b.is(0, "RIFF") && b.is(8, "WAVE")) return {wavSeconds(b), nullptr};
    if (b.is(0, "FORM") && (b.is(8, "AIFF") || b.is(8, "AIFC"))) return {aiffSeconds(b), nullptr};
    if (b.is(0, "Creative Voice File")) return vocMeasure(b);
    if (b.is(0, "OggS")) return {oggSeconds(b), nullptr};
    if (b.is(0, "fLaC")) return flacMeasure(b);
    if (b.is(0, "ID3") || (b.has(0, 2) && b.p[0] == 0xFF && (b.p[1] & 0xE0) == 0xE0))
        return {mpegSeconds(b), nullptr};
    return {};
}

std::string durationText(double seconds) {
    if (!(seconds < 1e9)) return "more than 30 years";
    const auto s = static_cast<uint64_t>(seconds);
    if (s >= 3600) return std::to_string(s / 3600) + " h " + std::to_string(s / 60 % 60) + " min";
    if (s >= 60) return std::to_string(s / 60) + " min " + std::to_string(s % 60) + " s";
    return std::to_string(s) + " s";
}

std::string soundProblem(const uint8_t* bytes, size_t size) {
    const SoundMeasure m = measureSound(bytes, size);
    if (m.refusal != nullptr) return m.refusal;
    if (m.seconds <= kMaxSoundSeconds) return {};
    return "it would play for " + durationText(m.seconds) +
           " once decoded; a sound may last at most 10 minutes";
}

} // namespace zembrik
