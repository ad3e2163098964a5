// SPDX-License-Identifier: GPL-3.0-or-later
// The real audio module on SDL2_mixer, run with the dummy output so no sound card is needed.
#include "audio/bass.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace zembrik {
namespace {

using namespace bass;
using namespace std::chrono_literals;

std::vector<uint8_t> shipped(const std::string& name) {
    std::ifstream in(std::string(ZEMBRIK_SOURCE_DIR) + "/snd/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

HSTREAM streamOf(const std::vector<uint8_t>& bytes) {
    return BASS_StreamCreateFile(1, bytes.data(), 0, bytes.size(), 0);
}

// A tiny four-channel tracker module made here: one looping triangle-wave sample and one
// pattern that starts a note on its first row.
std::vector<uint8_t> tinyModule() {
    std::vector<uint8_t> m(20, 0);
    const std::string title = "zembrik test";
    std::copy(title.begin(), title.end(), m.begin());
    const int sampleWords = 32;
    for (int s = 0; s < 31; ++s) {
        std::vector<uint8_t> header(30, 0);
        if (s == 0) {
            header[23] = sampleWords; // length in words, big-endian
            header[25] = 64;          // volume
            header[29] = sampleWords; // loop length in words
        }
        m.insert(m.end(), header.begin(), header.end());
    }
    m.push_back(1);   // song length
    m.push_back(127); // restart
    std::vector<uint8_t> order(128, 0);
    m.insert(m.end(), order.begin(), order.end());
    for (char c : std::string("M.K."))
        m.push_back(static_cast<uint8_t>(c));
    std::vector<uint8_t> pattern(64 * 4 * 4, 0);
    const int period = 428;
    pattern[0] = static_cast<uint8_t>(period >> 8);
    pattern[1] = static_cast<uint8_t>(period & 0xFF);
    pattern[2] = 0x10; // sample 1, no effect
    m.insert(m.end(), pattern.begin(), pattern.end());
    for (int i = 0; i < sampleWords * 2; ++i) {
        const int tri = i < sampleWords ? i * 4 - 64 : 192 - i * 4;
        m.push_back(static_cast<uint8_t>(static_cast<int8_t>(tri)));
    }
    return m;
}

class AudioModule : public ::testing::Test {
  protected:
    void SetUp() override {
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        ASSERT_EQ(BASS_Init(-1, 44100, 0, nullptr, nullptr), 1) << BASS_ErrorGetCode();
    }
    void TearDown() override { BASS_Free(); }
};

TEST(AudioModuleIdle, VersionAndCallsBeforeInit) {
    EXPECT_EQ(BASS_GetVersion(), 0x20002u);
    const std::vector<uint8_t> lock = shipped("lock.wav");
    EXPECT_EQ(streamOf(lock), 0u);
    EXPECT_EQ(BASS_ErrorGetCode(), kErrorInit);
    EXPECT_EQ(BASS_MusicLoad(1, lock.data(), 0, 10, 0, 0), 0u);
    EXPECT_EQ(BASS_ErrorGetCode(), kErrorInit);
    EXPECT_EQ(BASS_ChannelPlay(0x10000, 1), 0);
    EXPECT_EQ(BASS_ErrorGetCode(), kErrorHandle);
    EXPECT_EQ(BASS_Free(), 0);
    EXPECT_EQ(BASS_ErrorGetCode(), kErrorInit);
}

TEST(AudioModuleIdle, InitRefusesBadDeviceAndRate) {
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    EXPECT_EQ(BASS_Init(7, 44100, 0, nullptr, nullptr), 0);
    EXPECT_EQ(BASS_ErrorGetCode(), kErrorDevice);
    EXPECT_EQ(BASS_Init(-1, 1000000, 0, nullptr, nullptr), 0);
    EXPECT_EQ(BASS_ErrorGetCode(), kErrorIllParam);
}

TEST_F(AudioModule, SecondInitIsRefusedAndFreeTwiceIsHarmless) {
    EXPECT_EQ(BASS_Init(-1, 44100, 0, nullptr, nullptr), 0);
    EXPECT_EQ(BASS_ErrorGetCode(), kErrorAlready);
    EXPECT_EQ(BASS_Free(), 1);
    EXPECT_EQ(BASS_ErrorGetCode(), kOk);
    EXPECT_EQ(BASS_Free(), 0);
    EXPECT_EQ(BASS_ErrorGetCode(), kErrorInit);
    ASSERT_EQ(BASS_Init(-1, 44100, 0, nullptr, nullptr), 1); // and it can start again
}

TEST_F(AudioModule, AllShippedSoundsLoadFromMemory) {
    const char* names[] = {"lock.wav", "erase1.wav", "erase2.wav", "erase3.wav", "erase4.wav",
                           "land.wav", "start.wav",  "end.wav",    "hold.wav"};
    std::vector<std::vector<uint8_t>> files;
    std::vector<HSTREAM> handles;
    for (const char* n : names) {
        files.push_back(shipped(n));
        ASSERT_GT(files.back().size(), 44u) << n;
        handles.push_back(streamOf(files.back()));
        EXPECT_NE(handles.back(), 0u) << n << " error " << BASS_ErrorGetCode();
    }
    for (size_t i = 0; i < handles.size(); ++i)
        for (size_t j = i + 1; j < handles.size(); ++j)
            EXPECT_NE(handles[i], handles[j]);
    for (HSTREAM h : handles)
        EXPECT_EQ(BASS_ChannelPlay(h, 1), 1);
}

TEST_F(AudioModule, ReplayRestartsItsOwnChannel) {
    const std::vector<uint8_t> bytes = shipped("erase4.wav");
    const HSTREAM h = streamOf(bytes);
    ASSERT_NE(h, 0u);
    ASSERT_EQ(BASS_ChannelPlay(h, 1), 1);
    std::this_thread::sleep_for(300ms);
    const QWORD first = BASS_ChannelGetPosition(h);
    EXPECT_GT(first, 0u);
    ASSERT_EQ(BASS_ChannelPlay(h, 0), 1); // without restart it carries on
    EXPECT_GE(BASS_ChannelGetPosition(h), first);
    ASSERT_EQ(BASS_ChannelPlay(h, 1), 1);
    EXPECT_LT(BASS_ChannelGetPosition(h), first);
    EXPECT_EQ(BASS_ChannelIsActive(h), kActivePlaying);
}

TEST_F(AudioModule, DifferentChannelsPlayTogether) {
    const std::vector<uint8_t> a = shipped("end.wav");
    const std::vector<uint8_t> b = shipped("erase4.wav");
    const HSTREAM ha = streamOf(a);
    const HSTREAM hb = streamOf(b);
    ASSERT_EQ(BASS_ChannelPlay(ha, 1), 1);
    ASSERT_EQ(BASS_ChannelPlay(hb, 1), 1);
    std::this_thread::sleep_for(100ms);
    EXPECT_EQ(BASS_ChannelIsActive(ha), kActivePlaying);
    EXPECT_EQ(BASS_ChannelIsActive(hb), kActivePlaying);
    EXPECT_GT(BASS_ChannelGetPosition(ha), 0u);
    EXPECT_GT(BASS_ChannelGetPosition(hb), 0u);
}

TEST_F(AudioModule, ShortSoundStopsByItself) {
    const std::vector<uint8_t> land = shipped("land.wav");
    const HSTREAM h = streamOf(land);
    ASSERT_EQ(BASS_ChannelPlay(h, 1), 1);
    std::this_thread::sleep_for(1500ms);
    EXPECT_EQ(BASS_ChannelIsActive(h), kActiveStopped);
    EXPECT_EQ(BASS_ChannelPlay(h, 1), 1); // and plays again on request
}

TEST_F(AudioModule, HandlesDoNotOutliveFree) {
    const std::vector<uint8_t> lock = shipped("lock.wav");
    const HSTREAM h = streamOf(lock);
    ASSERT_NE(h, 0u);
    BASS_Free();
    ASSERT_EQ(BASS_Init(-1, 44100, 0, nullptr, nullptr), 1);
    EXPECT_EQ(BASS_ChannelPlay(h, 1), 0);
    EXPECT_EQ(BASS_ErrorGetCode(), kErrorHandle);
    EXPECT_NE(streamOf(lock), h);
}

TEST_F(AudioModule, BadInputGivesZeroAndACode) {
    const std::string text = "This is plainly not a sound file, just some words in a row.";
    EXPECT_EQ(BASS_StreamCreateFile(1, text.data(), 0, text.size(), 0), 0u);
    EXPECT_EQ(BASS_ErrorGetCode(), kErrorFileForm);
    EXPECT_EQ(BASS_MusicLoad(1, text.data(), 0, static_cast<DWORD>(text.size()), 0x20200, 0), 0u);
    EXPECT_NE(BASS_ErrorGetCode(), kOk);
    EXPECT_EQ(BASS_StreamCreateFile(1, nullptr, 0, 100, 0), 0u);
    EXPECT_EQ(BASS_ErrorGetCode(), kErrorIllParam);
    EXPECT_EQ(BASS_MusicLoad(1, nullptr, 0, 100, 0, 0), 0u);
    EXPECT_EQ(BASS_ErrorGetCode(), kErrorIllParam);
    EXPECT_EQ(BASS_StreamCreateFile(1, text.data(), 0, 0, 0), 0u);
    EXPECT_NE(BASS_ErrorGetCode(), kOk);
    EXPECT_EQ(BASS_MusicLoad(1, text.data(), 0, 0, 0, 0), 0u);
    EXPECT_NE(BASS_ErrorGetCode(), kOk);
    EXPECT_EQ(BASS_StreamCreateFile(0, "/no/such/file.wav", 0, 0, 0), 0u);
    EXPECT_EQ(BASS_ErrorGetCode(), kErrorFileOpen);
    EXPECT_EQ(BASS_ChannelPlay(12345, 1), 0);
    EXPECT_EQ(BASS_ErrorGetCode(), kErrorHandle);
}

TEST_F(AudioModule, WavClaimingMoreThanItHoldsIsRefusedWithoutAllocating) {
    // A 108-byte WAV whose data chunk claims 3.6 GB: refused before the decoder allocates it.
    const std::vector<uint8_t> header = {
        'R', 'I',  'F', 'F', 0x64, 0, 0,   0,   'W', 'A',  'V',  'E', 'f', 'm',  't',
        ' ', 0x10, 0,   0,   0,    1, 0,   1,   0,   0x40, 0x1f, 0,   0,   0x40, 0x1f,
        0,   0,    1,   0,   8,    0, 'd', 'a', 't', 'a',  0x40, 0,   0,   0xd8};
    std::vector<uint8_t> wav = header;
    wav.resize(108, 0x80); // the header and 64 bytes of samples
    EXPECT_EQ(BASS_StreamCreateFile(1, wav.data(), 0, wav.size(), 0), 0u);
    EXPECT_EQ(BASS_ErrorGetCode(), kErrorFileForm);
    wav[43] = 0; // a data chunk of 64 bytes fits: the same file loads
    EXPECT_NE(BASS_StreamCreateFile(1, wav.data(), 0, wav.size(), 0), 0u);
}

std::vector<uint8_t> corpusFile(const std::string& name) {
    std::ifstream in(std::string(ZEMBRIK_SOURCE_DIR) + "/tests/fuzz/corpus/audio/" + name,
                     std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// What would decode to hours, or have the decoder read beyond its buffers, is refused from the
// file's structure before any decoding; short sounds of every format still load.
TEST_F(AudioModule, SoundsTooLongOrUnsafeToDecodeAreRefusedUnread) {
    // 100 KB of 8-bit mono at 100 Hz: 1000 s, which would decode to 176 MB.
    std::vector<uint8_t> slow = {'R', 'I', 'F', 'F', 0,   0,   0,   0,    'W',  'A', 'V',
                                 'E', 'f', 'm', 't', ' ', 16,  0,   0,    0,    1,   0,
                                 1,   0,   100, 0,   0,   0,   100, 0,    0,    0,   1,
                                 0,   8,   0,   'd', 'a', 't', 'a', 0xA0, 0x86, 1,   0};
    slow.resize(slow.size() + 100000, 0x80);
    EXPECT_EQ(streamOf(slow), 0u);
    EXPECT_EQ(BASS_ErrorGetCode(), kErrorMem);
    slow[24] = 0x40, slow[25] = 0x1F; // the same samples at 8000 Hz: 12.5 s
    EXPECT_NE(streamOf(slow), 0u) << BASS_ErrorGetCode();

    // 1 KB of VOC: a short sound block, then 100 silence blocks of 6.5 s each.
    std::vector<uint8_t> voc = corpusFile("tiny.voc");
    ASSERT_GT(voc.size(), 30u);
    voc.pop_back(); // the terminator
    for (int i = 0; i < 100; ++i)
        voc.insert(voc.end(), {3, 3, 0, 0, 0xFF, 0xFF, 156});
    voc.push_back(0);
    EXPECT_EQ(streamOf(voc), 0u);
    EXPECT_EQ(BASS_ErrorGetCode(), kErrorMem);

    // A FLAC file whose header says six channels and whose frames have one: the decoder
    // would read five channels beyond each frame (it crashed).
    std::vector<uint8_t> flac = corpusFile("tiny.flac");
    ASSERT_GT(flac.size(), 42u);
    EXPECT_NE(streamOf(flac), 0u) << BASS_ErrorGetCode();
    flac[20] = static_cast<uint8_t>((flac[20] & 0xF1) | 5 << 1);
    EXPECT_EQ(streamOf(flac), 0u);
    EXPECT_EQ(BASS_ErrorGetCode(), kErrorFileForm);

    for (const char* name :
         {"tiny.aiff", "tiny.voc", "tiny.ogg", "tiny.opus", "tiny.mp3", "ima_adpcm.wav"}) {
        const std::vector<uint8_t> bytes = corpusFile(name);
        EXPECT_NE(streamOf(bytes), 0u) << name << " error " << BASS_ErrorGetCode();
    }
}

TEST_F(AudioModule, TrackerModuleLoadsAndPlays) {
    const std::vector<uint8_t> mod = tinyModule();
    EXPECT_EQ(streamOf(mod), 0u); // not a whole-file sound format
    const HMUSIC h = BASS_MusicLoad(1, mod.data(), 0, static_cast<DWORD>(mod.size()), 0x20200, 0);
    ASSERT_NE(h, 0u) << BASS_ErrorGetCode();
    EXPECT_EQ(BASS_ChannelPlay(h, 1), 1);
    EXPECT_EQ(BASS_ChannelIsActive(h), kActivePlaying);
    const std::vector<uint8_t> lock = shipped("lock.wav");
    const HSTREAM s = streamOf(lock);
    EXPECT_EQ(BASS_ChannelPlay(s, 1), 1); // a sound mixes over the module
    EXPECT_EQ(BASS_ChannelIsActive(h), kActivePlaying);
    EXPECT_EQ(BASS_ChannelPlay(h, 1), 1);
}

TEST_F(AudioModule, StreamFromAFilePath) {
    const std::string path = std::string(ZEMBRIK_SOURCE_DIR) + "/snd/hold.wav";
    const HSTREAM h = BASS_StreamCreateFile(0, path.c_str(), 0, 0, 0);
    ASSERT_NE(h, 0u) << BASS_ErrorGetCode();
    EXPECT_EQ(BASS_ChannelPlay(h, 1), 1);
}

// Damaged and random data must be refused or played, never crash the game.
TEST_F(AudioModule, SurvivesHostileBytes) {
    const std::vector<uint8_t> good = shipped("erase2.wav");
    std::mt19937 rng(2026);
    std::vector<HSTREAM> made;
    for (size_t cut : {size_t{4}, size_t{12}, size_t{20}, size_t{36}, size_t{44}, size_t{45}}) {
        std::vector<uint8_t> head(good.begin(), good.begin() + static_cast<long>(cut));
        made.push_back(streamOf(head));
    }
    for (int round = 0; round < 300; ++round) {
        std::vector<uint8_t> bytes = good;
        bytes.resize(std::uniform_int_distribution<size_t>(1, good.size())(rng));
        const int flips = std::uniform_int_distribution<int>(1, 8)(rng);
        for (int f = 0; f < flips; ++f) {
            // Most damage goes into the header, where the decoder makes its decisions.
            const size_t limit = round % 2 ? std::min<size_t>(bytes.size(), 64) : bytes.size();
            bytes[std::uniform_int_distribution<size_t>(0, limit - 1)(rng)] =
                static_cast<uint8_t>(rng());
        }
        made.push_back(streamOf(bytes));
        BASS_MusicLoad(1, bytes.data(), 0, static_cast<DWORD>(bytes.size()), 0x20200, 0);
    }
    for (int round = 0; round < 100; ++round) {
        std::vector<uint8_t> noise(std::uniform_int_distribution<size_t>(1, 4000)(rng));
        for (uint8_t& b : noise)
            b = static_cast<uint8_t>(rng());
        EXPECT_EQ(streamOf(noise), 0u);
    }
    for (HSTREAM h : made)
        if (h != 0) BASS_ChannelPlay(h, 1);
    std::this_thread::sleep_for(50ms);
}

} // namespace
} // namespace zembrik
