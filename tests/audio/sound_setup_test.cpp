// SPDX-License-Identifier: GPL-3.0-or-later
// Sound set-up against a fake module: every fatal message, the loading order and play requests.
#include "audio/sound.h"
#include "fake_bass.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <unistd.h>

namespace zembrik {
namespace {

namespace fs = std::filesystem;
using testing::FakeBassLoader;
using testing::FakeBassLog;

struct Shown {
    AlertIcon icon;
    std::string title;
    std::string text;
};

struct RecordingAlerts : Alerts {
    void show(AlertIcon icon, const std::string& title, const std::string& text) override {
        shown.push_back({icon, title, text});
    }
    std::vector<Shown> shown;
};

const char* const kNames[] = {"lock", "erase1", "erase2", "erase3", "erase4",
                              "land", "start",  "end",    "hold"};

class SoundSetup : public ::testing::Test {
  protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("zembrik-sound-" + std::to_string(getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir / "snd");
        write("libbass.so", "not inspected by the fake");
        for (const char* n : kNames)
            write(std::string("snd/") + n + ".wav", content(n));
    }
    void TearDown() override { fs::remove_all(dir); }

    static std::string content(const std::string& name) { return "RIFF " + name + ".wav"; }
    void write(const std::string& rel, const std::string& text) {
        std::ofstream(dir / rel, std::ios::binary) << text;
    }
    bool setup(int16_t muteOpt = 0) { return sound.setup(dir.string(), alerts, muteOpt); }
    void expectOnly(AlertIcon icon, const std::string& title, const std::string& text) {
        ASSERT_EQ(alerts.shown.size(), 1u);
        EXPECT_EQ(alerts.shown[0].icon, icon);
        EXPECT_EQ(alerts.shown[0].title, title);
        EXPECT_EQ(alerts.shown[0].text, text);
    }
    // Plays a request on a ready set and returns what the module was asked to play.
    std::string played(std::string_view code, int16_t count, int16_t muteOpt = 0) {
        const size_t before = log.plays.size();
        sound.playsound(code, count, muteOpt);
        if (log.plays.size() == before) return "nothing";
        return log.plays.back();
    }

    fs::path dir;
    FakeBassLog log;
    RecordingAlerts alerts;
    Sound sound{std::make_unique<FakeBassLoader>(log)};
};

TEST_F(SoundSetup, LoadsNineSoundsInSlotOrderFromMemory) {
    ASSERT_TRUE(setup());
    EXPECT_TRUE(alerts.shown.empty());
    EXPECT_EQ(log.openedPath, (dir / "libbass.so").string());
    EXPECT_EQ(log.inits, std::vector<std::string>{"-1 44100 0"});
    ASSERT_EQ(log.streams.size(), 9u);
    for (size_t i = 0; i < 9; ++i) {
        EXPECT_EQ(log.streams[i], content(kNames[i]));
        EXPECT_EQ(log.lengths[i], content(kNames[i]).size());
    }
    EXPECT_TRUE(log.musics.empty());
    EXPECT_EQ(sound.soundCount(), 9);
}

TEST_F(SoundSetup, PlayRequestsReachTheirSlots) {
    ASSERT_TRUE(setup());
    EXPECT_EQ(played("lck", 0), content("lock"));
    EXPECT_EQ(played("lckXYZ", 0), content("lock"));
    EXPECT_EQ(played("zzz", 0), content("lock"));
    EXPECT_EQ(played("ers", 0), content("lock"));
    EXPECT_EQ(played("ers", 1), content("erase1"));
    EXPECT_EQ(played("ers", 4), content("erase4"));
    EXPECT_EQ(played("ers", 7), content("erase4"));
    EXPECT_EQ(played("lnd", 0), content("land"));
    EXPECT_EQ(played("stt", 0), content("start"));
    EXPECT_EQ(played("end", 0), content("end"));
    EXPECT_EQ(played("hld", 0), content("hold"));
    EXPECT_EQ(played("abs", 3), content("erase3"));
    EXPECT_EQ(played("abs", 8), content("hold"));
    EXPECT_FALSE(log.bytesChanged);
}

TEST_F(SoundSetup, OutOfRangeAndMutedRequestsPlayNothing) {
    ASSERT_TRUE(setup());
    EXPECT_EQ(played("abs", 9), "nothing");
    EXPECT_EQ(played("abs", -1), "nothing");
    EXPECT_EQ(played("ers", -3), "nothing");
    EXPECT_EQ(played("lnd", 0, 1), "nothing");
    EXPECT_EQ(played("lnd", 0, 0), content("land")); // switching sound back on plays again
}

TEST_F(SoundSetup, QuietStartTouchesNothingAndStaysQuiet) {
    fs::remove_all(dir);
    ASSERT_TRUE(setup(1));
    EXPECT_TRUE(alerts.shown.empty());
    EXPECT_EQ(log.opens, 0);
    EXPECT_EQ(played("stt", 0, 0), "nothing");
    sound.shutdown();
    EXPECT_EQ(log.frees, 0);
}

TEST_F(SoundSetup, ShutdownFreesAndSilences) {
    ASSERT_TRUE(setup());
    sound.shutdown();
    EXPECT_EQ(log.frees, 1);
    EXPECT_EQ(sound.soundCount(), 0);
    EXPECT_EQ(played("lck", 0), "nothing");
    sound.shutdown();
    EXPECT_EQ(log.frees, 2); // the module takes a second release calmly
}

TEST_F(SoundSetup, MissingModuleStops) {
    fs::remove(dir / "libbass.so");
    EXPECT_FALSE(setup());
    expectOnly(AlertIcon::Critical, "BASS.DLL", "BASS.DLL does not exists");
    EXPECT_EQ(log.opens, 0);
}

TEST_F(SoundSetup, FolderNamedLikeTheModuleCountsAsMissing) {
    fs::remove(dir / "libbass.so");
    fs::create_directory(dir / "libbass.so");
    EXPECT_FALSE(setup());
    expectOnly(AlertIcon::Critical, "BASS.DLL", "BASS.DLL does not exists");
}

TEST_F(SoundSetup, WrongVersionStopsBeforeInit) {
    for (bass::DWORD version : {0x20001u, 0x20003u, 0x10002u, 0u}) {
        log.version = version;
        alerts.shown.clear();
        EXPECT_FALSE(setup());
        expectOnly(AlertIcon::Critical, "Incorrect BASS.DLL", "BASS version 2.2 was not loaded");
    }
    EXPECT_TRUE(log.inits.empty());
}

TEST_F(SoundSetup, UnloadableModuleCountsAsWrongVersion) {
    log.loadable = false;
    EXPECT_FALSE(setup());
    expectOnly(AlertIcon::Critical, "Incorrect BASS.DLL", "BASS version 2.2 was not loaded");
}

TEST_F(SoundSetup, FailedInitShowsErrorCodeAndGoesOnSilent) {
    log.initResult = 0;
    log.errorCode = 23;
    EXPECT_TRUE(setup());
    EXPECT_TRUE(sound.silent());
    expectOnly(AlertIcon::Warning, "Zembrik",
               "Couldn't Initialize Digital Output\r\n(error code: 23)");
    EXPECT_TRUE(log.streams.empty());
    sound.playsound("stt", 0, 0);
    EXPECT_TRUE(log.plays.empty());
}

TEST_F(SoundSetup, EmptyLastFileStopsAfterEightLoaded) {
    write("snd/hold.wav", "");
    EXPECT_FALSE(setup());
    expectOnly(AlertIcon::Warning, "Zembrik", "file empty!\r\n(error code: 0)");
    EXPECT_EQ(log.streams.size(), 8u);
    EXPECT_EQ(sound.soundCount(), 0);
    EXPECT_EQ(log.frees, 1);
}

TEST_F(SoundSetup, MissingFileEndsLikeAnEmptyOne) {
    fs::remove(dir / "snd/erase3.wav");
    log.errorCode = -1;
    EXPECT_FALSE(setup());
    expectOnly(AlertIcon::Warning, "Zembrik", "file empty!\r\n(error code: -1)");
    EXPECT_EQ(log.streams.size(), 3u);
}

TEST_F(SoundSetup, MissingSoundFolderEndsLikeAnEmptyFile) {
    fs::remove_all(dir / "snd");
    EXPECT_FALSE(setup());
    expectOnly(AlertIcon::Warning, "Zembrik", "file empty!\r\n(error code: 0)");
    EXPECT_TRUE(log.streams.empty());
}

// The header of a PCM WAV file holding dataBytes of samples.
std::string wavHeader(uint32_t rate, uint16_t channels, uint16_t bits, uint32_t dataBytes) {
    auto le = [](uint32_t v, int n) {
        std::string s;
        for (int i = 0; i < n; ++i)
            s += static_cast<char>(v >> (8 * i));
        return s;
    };
    const uint16_t frame = static_cast<uint16_t>(channels * bits / 8);
    return "RIFF" + le(36 + dataBytes, 4) + "WAVEfmt " + le(16, 4) + le(1, 2) + le(channels, 2) +
           le(rate, 4) + le(rate * frame, 4) + le(frame, 2) + le(bits, 2) + "data" +
           le(dataBytes, 4);
}

// A sparse 2 GB WAV (it takes no disk): refused by its size before a byte of it is read, and
// start-up ends as for an empty file. It used to take 5 GB and crash inside the decoder.
TEST_F(SoundSetup, SoundFileOver64MbIsRefusedUnread) {
    const fs::path land = dir / "snd/land.wav";
    write("snd/land.wav", wavHeader(44100, 2, 16, 2000000000));
    fs::resize_file(land, 2000000044);
    EXPECT_FALSE(setup());
    expectOnly(AlertIcon::Warning, "Zembrik",
               "The sound " + land.string() +
                   " is not loaded: it is 1907 MB; a sound file may be at most 64 MB.");
    EXPECT_EQ(log.streams.size(), 5u) << "the sounds before it, and not this one";
    EXPECT_EQ(sound.soundCount(), 0);
    EXPECT_EQ(log.frees, 1);
}

// 36 KB of samples at 10 Hz would decode to an hour of sound, 635 MB at the output rate.
TEST_F(SoundSetup, SoundThatWouldDecodeToOverTenMinutesIsRefusedUnread) {
    write("snd/start.wav", wavHeader(10, 1, 8, 36000) + std::string(36000, '\x80'));
    EXPECT_FALSE(setup());
    expectOnly(AlertIcon::Warning, "Zembrik",
               "The sound " + (dir / "snd/start.wav").string() +
                   " is not loaded: it would play for 1 h 0 min once decoded; a sound may last "
                   "at most 10 minutes.");
    EXPECT_EQ(log.streams.size(), 6u);
    EXPECT_EQ(sound.soundCount(), 0);
}

TEST_F(SoundSetup, UndecodableFileTriesModuleThenStops) {
    write("snd/land.wav", "garbage");
    log.errorCode = 41;
    EXPECT_FALSE(setup());
    expectOnly(AlertIcon::Warning, "Zembrik", "没法从内存中读取数据\r\n(error code: 41)");
    ASSERT_EQ(log.musics, std::vector<std::string>{"garbage"});
    EXPECT_EQ(log.musicFlags[0], 0x20200u);
    EXPECT_EQ(sound.soundCount(), 0);
    EXPECT_EQ(log.frees, 1);
    EXPECT_EQ(played("lck", 0), "nothing");
}

TEST_F(SoundSetup, TrackerModuleIsTheSecondAttempt) {
    write("snd/end.wav", "MOD tune");
    ASSERT_TRUE(setup());
    EXPECT_EQ(played("end", 0), "MOD tune");
}

// Set up on a thread of its own while start-up goes on, the outcome and the one message are
// those of a set-up run in place, for success and for each kind of failure.
TEST_F(SoundSetup, PreloadedSetUpEndsAsOneRunInPlace) {
    const std::vector<std::function<void()>> cases = {
        [] {},
        [this] { fs::remove(dir / "libbass.so"); },
        [this] { log.version = 0x20001; },
        [this] {
            log.initResult = 0;
            log.errorCode = 23;
        },
        [this] { write("snd/hold.wav", ""); },
        [this] { write("snd/land.wav", "garbage"); },
    };
    for (size_t i = 0; i < cases.size(); ++i) {
        SetUp();
        log = FakeBassLog{};
        cases[i]();
        alerts.shown.clear();
        const bool inPlace = setup();
        const bool inPlaceSilent = sound.silent();
        const std::vector<Shown> inPlaceShown = alerts.shown;
        const FakeBassLog inPlaceLog = log;
        sound.shutdown();

        log = FakeBassLog{};
        cases[i]();
        alerts.shown.clear();
        Sound early{std::make_unique<FakeBassLoader>(log)};
        early.preload(dir.string(), dir.string());
        EXPECT_EQ(early.setup(dir.string(), alerts, 0), inPlace) << "case " << i;
        ASSERT_EQ(alerts.shown.size(), inPlaceShown.size()) << "case " << i;
        for (size_t k = 0; k < alerts.shown.size(); ++k)
            EXPECT_EQ(alerts.shown[k].text, inPlaceShown[k].text) << "case " << i;
        EXPECT_EQ(log.opens, inPlaceLog.opens) << "case " << i;
        EXPECT_EQ(log.streams, inPlaceLog.streams) << "case " << i;
        EXPECT_EQ(log.frees, inPlaceLog.frees) << "case " << i;
        EXPECT_EQ(early.silent(), inPlaceSilent) << "case " << i;
        const bool plays = inPlace && !early.silent();
        EXPECT_EQ(early.soundCount(), plays ? 9 : 0) << "case " << i;
        if (plays) {
            early.playsound("hld", 0, 0);
            EXPECT_EQ(log.plays.back(), content("hold")) << "case " << i;
            EXPECT_FALSE(log.bytesChanged);
        }
    }
}

TEST_F(SoundSetup, PreloadNeverTakenIsReleasedAndOneForAnotherFolderIsNotUsed) {
    {
        Sound early{std::make_unique<FakeBassLoader>(log)};
        early.preload(dir.string(), dir.string());
        EXPECT_TRUE(early.setup(dir.string(), alerts, 1)); // sound off after all
        early.shutdown();
        EXPECT_EQ(log.frees, 1);
        EXPECT_EQ(early.soundCount(), 0);
    }
    log = FakeBassLog{};
    Sound early{std::make_unique<FakeBassLoader>(log)};
    early.preload((dir / "elsewhere").string(), dir.string());
    EXPECT_TRUE(early.setup(dir.string(), alerts, 0));
    EXPECT_EQ(log.openedPath, (dir / "libbass.so").string());
    EXPECT_EQ(early.soundCount(), 9);
    EXPECT_TRUE(alerts.shown.empty());
}

} // namespace
} // namespace zembrik
