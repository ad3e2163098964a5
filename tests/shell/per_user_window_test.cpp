// SPDX-License-Identifier: GPL-3.0-or-later
// The installed game with a settings folder it cannot write: it runs, says so once, and leaves
// whatever was there untouched.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <tuple>
#include <unistd.h>
#include <vector>

#include "app/main_window.h"
#include "app/menu_panel.h"

namespace zembrik {
namespace {

struct StillClock : Clock {
    int64_t frequency() const override { return 1000; }
    int64_t counter() override { return 0; }
    uint32_t milliseconds() override { return 0; }
    int64_t millisecondsUntil(int64_t) override { return 0; }
};

struct NoSeeds : SeedSource {
    uint64_t nextSeed() override { return 1; }
};

struct RecordingAlerts : Alerts {
    std::vector<std::string> texts;
    void show(AlertIcon, const std::string&, const std::string& text) override {
        texts.push_back(text);
    }
};

void put(const QString& path, const QByteArray& bytes) {
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

QByteArray get(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// An installed tree (sound off in its shipped settings, so no module is needed) and a home.
class PerUserWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(tmp.isValid());
        const QString src = ZEMBRIK_SOURCE_DIR;
        const QString shipped = tmp.path() + "/usr/share/games/zembrik";
        for (const QString& f : QDir(src + "/data").entryList(QDir::Files))
            put(shipped + "/data/" + f, get(src + "/data/" + f));
        for (const QString& f : QDir(src + "/gfx").entryList(QDir::Files))
            put(shipped + "/gfx/" + f, get(src + "/gfx/" + f));
        put(shipped + "/data/option_game.000", " 5 \r\n 1 \r\n 0 \r\n 1 \r\n 1 \r\n 1 \r\n 0 \r\n");
        ASSERT_TRUE(QDir().mkpath(tmp.path() + "/usr/games"));
        user = {tmp.path() + "/home/.config", tmp.path() + "/home/.local/share"};
    }
    // Starts the game, picks level 3 on the level bar and closes the window.
    void playAndClose() {
        w = std::make_unique<MainWindow>(
            findPlaces(tmp.path() + "/usr/games", user),
            ShellServices{alerts, clock, seeds, std::make_unique<Sound>(),
                          [this](int status) { exits.push_back(status); }});
        testing::internal::CaptureStderr();
        ASSERT_TRUE(w->startUp());
        startLevel = w->settings().options.startLevel;
        w->menu()->shplvl_Click(3);
        w->close();
        errors = testing::internal::GetCapturedStderr();
        EXPECT_EQ(exits, std::vector<int>{0});
        EXPECT_EQ(w->settings().options.startLevel, 3);
    }
    // The warning was given once, in one message box and one line on standard error.
    void expectWarnedOnce() const {
        ASSERT_EQ(alerts.texts.size(), 1u);
        EXPECT_NE(alerts.texts[0].find("will not be kept"), std::string::npos) << alerts.texts[0];
        EXPECT_NE(errors.find("will not be kept"), std::string::npos) << errors;
        EXPECT_EQ(errors.find("will not be kept"), errors.rfind("will not be kept")) << errors;
    }

    QTemporaryDir tmp;
    UserFolders user;
    StillClock clock;
    NoSeeds seeds;
    RecordingAlerts alerts;
    std::vector<int> exits;
    std::string errors;
    int16_t startLevel = -1;
    std::unique_ptr<MainWindow> w;
};

TEST_F(PerUserWindowTest, AConfigFolderThatCannotBeCreatedIsReportedOnceAndNothingIsWritten) {
    // A plain file where the configuration folder should be: nobody can create it.
    put(user.configHome, "not a folder");
    playAndClose();
    expectWarnedOnce();
    EXPECT_EQ(get(user.configHome), "not a folder");
    EXPECT_EQ(startLevel, 5) << "the shipped settings were read";
}

TEST_F(PerUserWindowTest, AReadOnlyConfigFolderKeepsThePlayersFiles) {
    if (::geteuid() == 0) GTEST_SKIP() << "folder permissions do not bind root";
    const QString folder = user.configHome + "/zembrik";
    const QByteArray mine = " 7 \r\n 1 \r\n 0 \r\n 1 \r\n 1 \r\n 1 \r\n 0 \r\n";
    put(folder + "/option_game.000", mine);
    ASSERT_EQ(::chmod(QFile::encodeName(folder).constData(), 0555), 0);
    playAndClose();
    ::chmod(QFile::encodeName(folder).constData(), 0755);
    expectWarnedOnce();
    EXPECT_EQ(startLevel, 7) << "the player's settings were read";
    EXPECT_EQ(get(folder + "/option_game.000"), mine);

    // A writable folder with a file the player made read-only: that file is not replaced.
    ASSERT_EQ(::chmod(QFile::encodeName(folder + "/option_game.000").constData(), 0444), 0);
    alerts.texts.clear();
    exits.clear();
    playAndClose();
    expectWarnedOnce();
    EXPECT_EQ(get(folder + "/option_game.000"), mine);
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden).join(' ').toStdString(),
              "option_game.000");
}

} // namespace
} // namespace zembrik
