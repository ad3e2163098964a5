// SPDX-License-Identifier: GPL-3.0-or-later
// The window: start-up, the settings it reads and writes, the About box, Esc on the menu.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "tests/audio/fake_bass.h"
#include "window_fixture.h"

namespace zembrik::test {
namespace {

class MainWindowTest : public WindowTest {};

TEST_F(MainWindowTest, StartUpLightsTheMenuFromTheSavedSettings) {
    startUp();
    EXPECT_EQ(w->windowTitle(), "Zembrik");
    EXPECT_EQ(w->size(), QSize(640, 480));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(alerts.shown.empty());
    EXPECT_EQ(w->title()->geometry(), QRect(216, 0, 192, 84));
    EXPECT_TRUE(w->debugLabel()->isHidden());
    EXPECT_EQ(w->debugLabel()->geometry(), QRect(408, 8, 193, 9));
    EXPECT_EQ(opts().startLevel, 5);
    EXPECT_EQ(w->menu()->levelText(), "H5");
    EXPECT_EQ(w->menu()->levelColour(5), 0x00C000u);
    EXPECT_EQ(w->menu()->levelColour(6), 0x004000u);
    EXPECT_TRUE(w->menu()->isSelected(Selector::Climb, 1));
    EXPECT_EQ(opts().clbOpt, 1);
    EXPECT_TRUE(w->menu()->isSelected(Selector::Hold, 1));
    EXPECT_TRUE(w->menu()->isSelected(Selector::Qua, 0));
    EXPECT_GT(g().stepLen, 0);
    expectMenu();
}

TEST_F(MainWindowTest, SavedLevelTwentyLightsEveryButton) {
    writeFile(data("option_game.000"), " 20 \r\n 1 \r\n 0 \r\n 1 \r\n 1 \r\n 1 \r\n 0 \r\n");
    startUp();
    EXPECT_EQ(w->menu()->levelText(), "?!");
    EXPECT_EQ(w->menu()->levelColour(19), 0xC00000u);
}

TEST_F(MainWindowTest, StartUpNotesComeInOneMessageBox) {
    QFile::remove(data("option_key.000"));
    QFile::remove(data("keycode.000"));
    startUp();
    ASSERT_EQ(alerts.shown.size(), 1u);
    EXPECT_EQ(std::get<0>(alerts.shown[0]), AlertIcon::Warning);
    EXPECT_EQ(g().keySt, kDefaultKeys.st); // the shipped default key stands in
    expectMenu();
}

TEST_F(MainWindowTest, FatalSoundFailureEndsWithoutWritingSettings) {
    writeFile(data("option_game.000"), " 5 \r\n 1 \r\n 0 \r\n 1 \r\n 1 \r\n 0 \r\n 1 \r\n");
    const QByteArray before = readFile(data("option_game.000"));
    make();
    EXPECT_FALSE(w->startUp());
    ASSERT_FALSE(alerts.shown.empty());
    EXPECT_EQ(std::get<2>(alerts.shown.back()), "BASS.DLL does not exists");
    EXPECT_EQ(exits, std::vector<int>{1});
    w->close(); // closing afterwards must not write the settings either
    EXPECT_EQ(exits, std::vector<int>{1});
    EXPECT_EQ(readFile(data("option_game.000")), before);
    EXPECT_NE(w->windowTitle(), "Zembrik");
}

TEST_F(MainWindowTest, NoOutputDeviceStartsQuietAndKeepsTheSavedChoice) {
    // Sound on in the saved options; the module loads but finds no device.
    writeFile(data("option_game.000"), " 5 \r\n 1 \r\n 0 \r\n 1 \r\n 1 \r\n 0 \r\n 1 \r\n");
    writeFile(dir.path() + "/libbass.so", "");
    testing::FakeBassLog log;
    log.initResult = 0;
    log.errorCode = 3;
    w = std::make_unique<MainWindow>(
        dir.path(),
        ShellServices{alerts, clock, seeds,
                      std::make_unique<Sound>(std::make_unique<testing::FakeBassLoader>(log)),
                      [this](int status) { exits.push_back(status); }});
    ASSERT_TRUE(w->startUp());
    ASSERT_EQ(alerts.shown.size(), 1u);
    EXPECT_EQ(std::get<2>(alerts.shown[0]),
              "Couldn't Initialize Digital Output\r\n(error code: 3)");
    expectMenu();
    EXPECT_EQ(g().muteOpt, 1) << "quiet for this run";
    EXPECT_TRUE(exits.empty());
    w->close();
    EXPECT_EQ(exits, std::vector<int>{0});
    EXPECT_TRUE(readFile(data("option_game.000")).endsWith(" 0 \r\n 1 \r\n"))
        << "sound still on for the next run: " << readFile(data("option_game.000")).toStdString();
    w.reset(); // before the fake module's log goes
}

TEST_F(MainWindowTest, ClosedBeforeTheSettingsAreReadWritesNothing) {
    const QByteArray before = readFile(data("option_game.000"));
    make();
    w->close();
    EXPECT_EQ(exits, std::vector<int>{0});
    EXPECT_EQ(readFile(data("option_game.000")), before);
}

TEST_F(MainWindowTest, AboutOpensOnAnyMouseButton) {
    startUp();
    QTest::mousePress(w->menu()->aboutButton(), Qt::RightButton);
    QTest::mouseRelease(w->menu()->aboutButton(), Qt::RightButton); // QTest keeps it down
    ASSERT_EQ(alerts.shown.size(), 1u);
    EXPECT_EQ(std::get<0>(alerts.shown[0]), AlertIcon::Critical);
    EXPECT_EQ(std::get<1>(alerts.shown[0]), "About");
    EXPECT_EQ(QString::fromStdString(std::get<2>(alerts.shown[0])), aboutText());
}

TEST_F(MainWindowTest, EscOnTheMenuCloses) {
    startUp();
    QTest::keyClick(w->menu(), Qt::Key_Escape);
    EXPECT_EQ(exits, std::vector<int>{0});
    EXPECT_EQ(readFile(data("option_game.000")), gameFileText(g(), w->settings()));
}

TEST_F(MainWindowTest, SettingsThatCannotBeWrittenEndWithStatusOne) {
    startUp();
    ASSERT_TRUE(QFile::remove(data("option_key.000")));
    ASSERT_TRUE(QDir().mkdir(data("option_key.000")));
    w->close();
    EXPECT_EQ(exits, std::vector<int>{1});
    EXPECT_EQ(readFile(data("option_game.000")), gameFileText(g(), w->settings()))
        << "the others are written";
}

} // namespace
} // namespace zembrik::test
