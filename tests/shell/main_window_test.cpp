// The game window with a fake clock: start-up, starting games, Esc, top-out, shut-down, keys.
#include <QApplication>
#include <QBackingStore>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <tuple>
#include <vector>

#include "app/main_window.h"
#include "app/menu_panel.h"
#include "app/settings_file.h"
#include "engine/keys.h"
#include "replay/player.h"
#include "store/records.h"
#include "store/replay_files.h"
#include "tests/audio/fake_bass.h"

namespace zembrik {
namespace {

// Time that jumps to the deadline of each sleep (one game step per pass), with a hook the test
// uses to act inside a game: events it posts run right after the sleep, before the tick.
struct FakeClock : Clock {
    int64_t now = 1'000'000'000;
    int sleeps = 0;
    std::function<void(int)> onSleep;
    int64_t frequency() const override { return 1'000'000'000; }
    int64_t counter() override { return now; }
    uint32_t milliseconds() override { return static_cast<uint32_t>(now / 1'000'000); }
    void sleepUntil(int64_t deadline) override {
        now = std::max(now, deadline);
        ++sleeps;
        if (onSleep) onSleep(sleeps);
    }
};

struct FixedSeeds : SeedSource {
    uint64_t nextSeed() override { return 42; }
};

struct RecordingAlerts : Alerts {
    std::vector<std::tuple<AlertIcon, std::string, std::string>> shown;
    void show(AlertIcon icon, const std::string& title, const std::string& text) override {
        shown.emplace_back(icon, title, text);
    }
};

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class MainWindowTest : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    FakeClock clock;
    FixedSeeds seeds;
    RecordingAlerts alerts;
    std::vector<int> exits;
    std::unique_ptr<MainWindow> w;

    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        const QString src = ZEMBRIK_SOURCE_DIR;
        QDir(dir.path()).mkpath("data");
        QDir(dir.path()).mkpath("gfx");
        for (const QString& f : QDir(src + "/data").entryList({"*.kblox", "*.style"}))
            QFile::copy(src + "/data/" + f, data(f));
        for (const QString& f : QDir(src + "/gfx").entryList({"*.png"}))
            QFile::copy(src + "/gfx/" + f, dir.path() + "/gfx/" + f);
        // Level 5, hold, close the rows, three previews, ghost, quiet, climb 1.
        writeFile(data("option_game.000"), " 5 \r\n 1 \r\n 0 \r\n 1 \r\n 1 \r\n 1 \r\n 1 \r\n");
        writeFile(data("option_style.000"), "centre.kblox\r\nclassic.style\r\n");
        writeFile(data("option_key.000"),
                  " 37 \r\n 39 \r\n 40 \r\n 90 \r\n 38 \r\n 65 \r\n 32 \r\n 67 \r\n 13 \r\n");
        writeFile(data("keycode.000"), "13 Enter\r\n27 Esc\r\n37 Left arrow\r\n");
    }

    QString data(const QString& name) const { return dir.path() + "/data/" + name; }

    void make() {
        w = std::make_unique<MainWindow>(
            dir.path(), ShellServices{alerts, clock, seeds, std::make_unique<Sound>(),
                                      [this](int status) { exits.push_back(status); }});
    }
    void startUp() {
        make();
        ASSERT_TRUE(w->startUp());
    }
    Game& g() { return w->game(); }

    void post(QEvent::Type type, Qt::Key key, bool autoRepeat = false) {
        QCoreApplication::postEvent(
            w.get(), new QKeyEvent(type, key, Qt::NoModifier, QString(), autoRepeat));
    }
    // Runs a game started by `start`; `during` acts at each sleep of the frame loop.
    void play(const std::function<void()>& start, const std::function<void(int)>& during) {
        clock.sleeps = 0;
        clock.onSleep = during;
        start();
        clock.onSleep = nullptr;
    }
    // Starts a game from the menu and blocks the spawn place at the second sleep, so the first
    // piece cannot appear: the game tops out at level 8. `atBlock` runs at that moment too.
    void topOutGame(const std::function<void()>& atBlock = {}) {
        play([&] { QTest::keyClick(w->menu(), Qt::Key_Return); },
             [&](int n) {
                 if (n == 2) {
                     for (int y = 0; y < 4; ++y)
                         for (int x = 0; x < 10; ++x)
                             g().field(x, y) = 0;
                     g().curLevel = 8;
                     if (atBlock) atBlock();
                 }
                 if (n > 400) post(QEvent::KeyPress, Qt::Key_Escape); // never reached if it works
             });
    }
    // Runs f once the game is paused and waiting for events (a real 20 ms later).
    void whilePaused(std::function<void()> f) {
        QTimer::singleShot(20, w.get(), [this, f = std::move(f)] {
            EXPECT_TRUE(w->paused());
            f();
        });
    }
    void press(Qt::Key key) {
        post(QEvent::KeyPress, key);
        post(QEvent::KeyRelease, key);
    }
    QImage screen() { return w->grab().toImage(); }
    void expectMenu() {
        EXPECT_EQ(g().inGame, InGame::Menu);
        EXPECT_FALSE(w->menu()->isHidden());
        EXPECT_FALSE(w->title()->isHidden());
        EXPECT_TRUE(w->wellSurface()->isHidden());
        EXPECT_TRUE(w->p3()->isHidden());
        EXPECT_EQ(w->windowTitle(), "Zembrik");
        EXPECT_EQ(w->focusWidget(), w->menu());
    }
};

TEST_F(MainWindowTest, StartUpLightsTheMenuFromTheSavedSettings) {
    startUp();
    EXPECT_EQ(w->windowTitle(), "Zembrik");
    EXPECT_EQ(w->size(), QSize(640, 480));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(alerts.shown.empty());
    EXPECT_EQ(w->title()->geometry(), QRect(216, 0, 192, 84));
    EXPECT_TRUE(w->debugLabel()->isHidden());
    EXPECT_EQ(w->debugLabel()->geometry(), QRect(408, 8, 193, 9));
    EXPECT_EQ(g().curLevel, 5);
    EXPECT_EQ(w->menu()->levelText(), "H5");
    EXPECT_EQ(w->menu()->levelColour(5), 0x00C000u);
    EXPECT_EQ(w->menu()->levelColour(6), 0x004000u);
    EXPECT_TRUE(w->menu()->isSelected(Selector::Climb, 1));
    EXPECT_EQ(g().climbLimit, 1);
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

TEST_F(MainWindowTest, StartingAGameAndEscBothClearTheCounters) {
    startUp();
    g().lines = 7;
    g().score = 500;
    g().levelCount = 42;
    bool checked = false;
    play([&] { QTest::mouseClick(w->menu()->startButton(), Qt::LeftButton); },
         [&](int n) {
             if (n == 3) {
                 EXPECT_EQ(g().inGame, InGame::Playing);
                 EXPECT_EQ(g().lines, 0);
                 EXPECT_EQ(g().score, 0.0f);
                 EXPECT_EQ(g().levelCount, 0);
                 EXPECT_EQ(g().gameState, GameState::Entry);
                 EXPECT_TRUE(w->menu()->isHidden());
                 EXPECT_TRUE(w->title()->isHidden());
                 EXPECT_FALSE(w->wellSurface()->isHidden());
                 EXPECT_FALSE(w->p3()->isHidden());
                 EXPECT_EQ(w->scoreLabel()->text(), "0");
                 EXPECT_EQ(w->linesLabel()->text(), "0");
                 g().lines = 7;
                 EXPECT_EQ(w->pointsLabel()->text(), "H5-00");
                 checked = true;
                 post(QEvent::KeyPress, Qt::Key_Escape);
             }
         });
    EXPECT_TRUE(checked);
    expectMenu();
    EXPECT_EQ(g().lines, 0);
    EXPECT_EQ(g().score, 0.0f);
    EXPECT_EQ(g().curLevel, 5);
    EXPECT_EQ(w->menu()->levelText(), "H5");
    EXPECT_TRUE(exits.empty());
    EXPECT_EQ(g().field(4, 10), -1); // the well was emptied
}

TEST_F(MainWindowTest, TopOutKeepsTheCountersUntilTheNextGame) {
    startUp();
    topOutGame([&] { g().lines = 7; });
    EXPECT_LT(clock.sleeps, 400);
    expectMenu();
    EXPECT_EQ(g().lines, 7);
    EXPECT_EQ(g().field(4, 1), 0); // the last well stays until the next start
    EXPECT_EQ(w->menu()->levelText(), "H8");
    EXPECT_EQ(w->menu()->levelColour(8), 0x00C000u);

    play([&] { QTest::keyClick(w->menu(), Qt::Key_Return); },
         [&](int n) {
             if (n == 1) {
                 EXPECT_EQ(g().lines, 0);
                 EXPECT_EQ(g().field(4, 1), -1);
                 post(QEvent::KeyPress, Qt::Key_Escape);
             }
         });
    EXPECT_EQ(g().lines, 0);
}

TEST_F(MainWindowTest, EscTwiceFromAGameWritesTheSettingsAndEnds) {
    startUp();
    play([&] { QTest::keyClick(w->menu(), Qt::Key_Return); },
         [&](int n) {
             if (n == 2) {
                 g().curLevel = 9; // a level reached in the game is saved
                 post(QEvent::KeyPress, Qt::Key_Escape);
                 post(QEvent::KeyRelease, Qt::Key_Escape);
                 post(QEvent::KeyPress, Qt::Key_Escape);
             }
         });
    EXPECT_EQ(exits, std::vector<int>{0});
    EXPECT_EQ(readFile(data("option_game.000")), gameFileText(g()));
    EXPECT_TRUE(readFile(data("option_game.000")).startsWith(" 9 \r\n"));
    EXPECT_EQ(readFile(data("option_key.000")), keyFileText(g()));
    EXPECT_EQ(readFile(data("option_style.000")), "centre.kblox\r\nclassic.style\r\n");
}

TEST_F(MainWindowTest, ClosingDuringAGameEndsTheLoop) {
    startUp();
    play([&] { w->startGame(); },
         [&](int n) {
             if (n == 5) w->close();
             if (n > 50) FAIL() << "the frame loop went on after shut-down";
         });
    EXPECT_EQ(exits, std::vector<int>{0});
    EXPECT_TRUE(readFile(data("option_game.000")).startsWith(" 5 \r\n"));
}

TEST_F(MainWindowTest, EveryGameThatPlacedAPieceLeavesAReplayThatRerunsToItsEnd) {
    startUp();
    const QString folder = data("replays");
    const auto files = [&] { return listReplays(folder.toStdString()); };
    // Keys in many passes, a stall of three seconds inside one pass, until the top-out.
    play([&] { w->startGame(); },
         [&](int n) {
             const int k = n % 40;
             if (k == 1) post(QEvent::KeyPress, n % 120 == 1 ? Qt::Key_Left : Qt::Key_Up);
             if (k == 3) post(QEvent::KeyRelease, n % 120 == 1 ? Qt::Key_Left : Qt::Key_Up);
             if (k == 6) post(QEvent::KeyPress, Qt::Key_Space);
             if (k == 8) post(QEvent::KeyRelease, Qt::Key_Space);
             if (n == 150) clock.now += 3'000'000'000;
             if (n == 200) {
                 // The focus loss pauses the game; keys pressed meanwhile are in the replay too.
                 QCoreApplication::postEvent(w.get(), new QEvent(QEvent::WindowDeactivate));
                 whilePaused([&] {
                     post(QEvent::KeyPress, Qt::Key_Right);
                     press(Qt::Key_P);
                 });
             }
             if (n == 210) post(QEvent::KeyRelease, Qt::Key_Right);
             if (n > 5000) post(QEvent::KeyPress, Qt::Key_Escape); // never reached if it works
         });
    EXPECT_LT(clock.sleeps, 5000);
    w->replays().flush();
    ASSERT_EQ(files().size(), 1u);
    ReplayRead read =
        readReplayFile((folder + "/" + QString::fromStdString(files()[0])).toStdString());
    ASSERT_EQ(read.error, "");
    const Replay& r = read.replay;
    EXPECT_EQ(r.end, GameEnd::TopOut);
    EXPECT_EQ(r.start.options.startLevel, 5);
    EXPECT_EQ(r.start.options.shapeFile, "centre.kblox");
    EXPECT_EQ(r.final, checkOf(g(), r.final.step));
    EXPECT_TRUE(std::any_of(r.entries.begin(), r.entries.end(),
                            [](const ReplayEntry& e) { return e.count >= 180; }));
    Game again;
    NullHost host;
    ReplayPlayer player(r, again, host);
    player.start();
    while (player.runCall()) {
    }
    EXPECT_EQ(player.divergence(), "");
    EXPECT_EQ(again.cells, g().cells);

    // Left before a piece was placed: nothing to keep.
    play([&] { w->startGame(); },
         [&](int n) {
             if (n == 30) post(QEvent::KeyPress, Qt::Key_Escape);
         });
    w->replays().flush();
    EXPECT_EQ(files().size(), 1u);

    // Left with R, with Escape, then closed during a game: each kept, the last before the
    // process ends.
    play([&] { w->startGame(); },
         [&](int n) {
             if (n == 130) post(QEvent::KeyPress, Qt::Key_Space);
             if (n == 200) press(Qt::Key_R);
             if (n == 220) post(QEvent::KeyPress, Qt::Key_Escape); // nothing placed since R
         });
    play([&] { w->startGame(); },
         [&](int n) {
             if (n == 130) post(QEvent::KeyPress, Qt::Key_Space);
             if (n == 200) post(QEvent::KeyPress, Qt::Key_Escape);
         });
    play([&] { w->startGame(); },
         [&](int n) {
             if (n == 130) post(QEvent::KeyPress, Qt::Key_Space);
             if (n == 200) w->close();
         });
    ASSERT_EQ(exits, std::vector<int>{0});
    const std::vector<std::string> all = files();
    ASSERT_EQ(all.size(), 4u);
    const GameEnd ends[] = {GameEnd::Restart, GameEnd::Escape, GameEnd::Closed};
    for (size_t i = 1; i < 4; ++i) {
        read = readReplayFile((folder + "/" + QString::fromStdString(all[i])).toStdString());
        ASSERT_EQ(read.error, "");
        EXPECT_EQ(read.replay.end, ends[i - 1]);
        EXPECT_GT(read.replay.final.scoreBits, 0u);
    }
}

TEST_F(MainWindowTest, WatchingPlaysTheNewestGameAsItWasAndPutsEverythingBack) {
    startUp();
    post(QEvent::KeyPress, Qt::Key_W);
    QCoreApplication::processEvents();
    ASSERT_EQ(alerts.shown.size(), 1u); // nothing to watch yet
    EXPECT_NE(std::get<2>(alerts.shown[0]).find("no replay"), std::string::npos);

    play([&] { w->startGame(); },
         [&](int n) {
             if (n % 30 == 1) post(QEvent::KeyPress, n % 90 == 1 ? Qt::Key_Right : Qt::Key_Z);
             if (n % 30 == 3) post(QEvent::KeyRelease, n % 90 == 1 ? Qt::Key_Right : Qt::Key_Z);
             if (n % 30 == 5) post(QEvent::KeyPress, Qt::Key_Space);
             if (n % 30 == 7) post(QEvent::KeyRelease, Qt::Key_Space);
             if (n == 100) clock.now += 2'000'000'000;
         });
    const int played = clock.sleeps;
    const QImage lastWell = w->frame().p2;
    const QString lastScore = w->frame().score;
    const Game after = g();
    w->replays().flush();
    const auto kept = listReplays(data("replays").toStdString());

    // Watched at 4x from the first frame; the keys of the game do nothing to it.
    std::vector<int> speeds;
    bool labelShown = false;
    play(
        [&] {
            post(QEvent::KeyPress, Qt::Key_W);
            QCoreApplication::processEvents();
        },
        [&](int n) {
            if (n == 1) {
                post(QEvent::KeyPress, Qt::Key_F);
                post(QEvent::KeyPress, Qt::Key_F);
            }
            if (n == 3) {
                speeds.push_back(w->watchSpeed());
                labelShown = !w->replayLabel()->isHidden();
                post(QEvent::KeyPress, Qt::Key_Space);
                QCoreApplication::postEvent(w.get(), new QEvent(QEvent::WindowDeactivate));
            }
            if (n == 5) post(QEvent::KeyPress, Qt::Key_F);
            if (n == 7) {
                speeds.push_back(w->watchSpeed());
                post(QEvent::KeyPress, Qt::Key_F);
                post(QEvent::KeyPress, Qt::Key_F);
            }
            if (n > 5000) w->close(); // never reached if it works
        });
    EXPECT_EQ(speeds, (std::vector<int>{4, 1}));
    EXPECT_TRUE(labelShown);
    EXPECT_NEAR(clock.sleeps, played / 4, played / 20);
    EXPECT_FALSE(w->watching());
    EXPECT_TRUE(w->replayLabel()->isHidden());
    expectMenu();
    EXPECT_EQ(w->frame().p2, lastWell); // the very frame the game ended on
    EXPECT_EQ(w->frame().score, lastScore);
    EXPECT_EQ(g().cells, after.cells);
    EXPECT_EQ(g().nextBlox, after.nextBlox);
    EXPECT_EQ(g().curLevel, after.curLevel);
    w->replays().flush();
    EXPECT_EQ(listReplays(data("replays").toStdString()), kept);

    // A new run watches the newest file; an unreadable newest file is named in a message.
    startUp();
    play(
        [&] {
            post(QEvent::KeyPress, Qt::Key_W);
            QCoreApplication::processEvents();
        },
        [&](int) {});
    EXPECT_EQ(w->frame().p2, lastWell);
    writeFile(data("replays/29991231T235959Z.zrp"), "not a replay");
    post(QEvent::KeyPress, Qt::Key_W);
    QCoreApplication::processEvents();
    ASSERT_EQ(alerts.shown.size(), 2u);
    EXPECT_NE(std::get<2>(alerts.shown[1]).find("29991231T235959Z.zrp: is not a replay file"),
              std::string::npos);
    expectMenu();
    QFile::remove(data("replays/29991231T235959Z.zrp"));

    // Esc stops at once and leaves the window open; settings written later are the player's.
    g().curLevel = 3;
    g().keyMl = 65;
    play(
        [&] {
            post(QEvent::KeyPress, Qt::Key_W);
            QCoreApplication::processEvents();
        },
        [&](int n) {
            if (n == 20) {
                EXPECT_EQ(g().curLevel, 5); // the watched game's
                post(QEvent::KeyPress, Qt::Key_Escape);
            }
        });
    EXPECT_LT(clock.sleeps, 25);
    EXPECT_TRUE(exits.empty());
    expectMenu();

    EXPECT_EQ(g().curLevel, 3);
    EXPECT_EQ(g().keyMl, 65);
    play(
        [&] {
            post(QEvent::KeyPress, Qt::Key_W);
            QCoreApplication::processEvents();
        },
        [&](int n) {
            if (n == 20) w->close();
        });
    EXPECT_EQ(exits, std::vector<int>{0});
    EXPECT_TRUE(readFile(data("option_game.000")).startsWith(" 3 \r\n"));
    EXPECT_TRUE(readFile(data("option_key.000")).startsWith(" 65 \r\n"));
}

// The game-over summary offers its game, W plays that very game, and watching it to its
// top-out adds no records line and no replay. P pauses the replay with the well in view; R
// does nothing to it; after watching, P and R are the game's keys again.
TEST_F(MainWindowTest, TheSummarysGameIsTheOneWatchedAndWatchingLeavesNoTrace) {
    startUp();
    const QPoint wellWall(220, 200); // the left wall, drawn on every frame
    play([&] { w->startGame(); },
         [&](int n) {
             if (n % 20 == 1) post(QEvent::KeyPress, Qt::Key_Space);
             if (n % 20 == 3) post(QEvent::KeyRelease, Qt::Key_Space);
             if (n > 5000) post(QEvent::KeyPress, Qt::Key_Escape); // never reached if it works
         });
    ASSERT_TRUE(w->lastGame());
    const FinishedGame played = *w->lastGame();
    EXPECT_TRUE(w->summaryOffersWatching());
    const QImage lastWell = w->frame().p2;
    w->replays().flush();
    const auto kept = listReplays(data("replays").toStdString());
    ASSERT_EQ(kept.size(), 1u);
    // One time for both: the records line's end names the replay.
    EXPECT_EQ(kept[0], compactStamp(played.record.ended) + ".zrp");
    const QByteArray records = readFile(data("records.000"));

    bool pausedInView = false;
    play(
        [&] {
            post(QEvent::KeyPress, Qt::Key_W);
            QCoreApplication::processEvents();
        },
        [&](int n) {
            if (n == 3) {
                press(Qt::Key_P);
                whilePaused([&] {
                    EXPECT_TRUE(w->watching());
                    EXPECT_TRUE(w->replayLabel()->text().contains("PAUSED"));
                    pausedInView = screen().pixelColor(wellWall) != QColor(Qt::black);
                    press(Qt::Key_R);
                    QCoreApplication::processEvents();
                    EXPECT_TRUE(w->paused()) << "R does nothing to a replay";
                    press(Qt::Key_P);
                });
            }
            if (n == 5) {
                EXPECT_FALSE(w->paused());
                EXPECT_TRUE(w->watching());
                EXPECT_FALSE(w->replayLabel()->text().contains("PAUSED"));
                press(Qt::Key_F);
                press(Qt::Key_F);
            }
            if (n > 5000) w->close(); // never reached if it works
        });
    EXPECT_TRUE(pausedInView) << "a paused replay stays in view";
    EXPECT_FALSE(w->paused());
    expectMenu();
    EXPECT_EQ(w->frame().p2, lastWell) << "the summary's game was watched to its end";
    EXPECT_EQ(readFile(data("records.000")), records);
    EXPECT_EQ(w->lastGame()->record, played.record);
    EXPECT_TRUE(w->summaryOffersWatching());
    w->replays().flush();
    EXPECT_EQ(listReplays(data("replays").toStdString()), kept);

    // Stopped early, the replay leaves the menu's read-outs as the summary's game left them.
    const QString score = w->scoreLabel()->text(), level = w->pointsLabel()->text();
    play(
        [&] {
            post(QEvent::KeyPress, Qt::Key_W);
            QCoreApplication::processEvents();
        },
        [&](int n) {
            if (n == 200) {
                EXPECT_NE(w->scoreLabel()->text(), score);
                post(QEvent::KeyPress, Qt::Key_Escape);
            }
        });
    expectMenu();
    EXPECT_EQ(w->scoreLabel()->text(), score);
    EXPECT_EQ(w->pointsLabel()->text(), level);

    // On the menu P and R do nothing; in the next game they pause and restart as ever.
    press(Qt::Key_P);
    press(Qt::Key_R);
    QCoreApplication::processEvents();
    EXPECT_FALSE(w->paused());
    expectMenu();
    bool panel = false;
    play([&] { w->startGame(); },
         [&](int n) {
             if (n == 2) {
                 press(Qt::Key_P);
                 whilePaused([&] {
                     panel = screen().pixelColor(wellWall) == QColor(Qt::black);
                     press(Qt::Key_P);
                 });
             }
             if (n == 4) post(QEvent::KeyPress, Qt::Key_Escape);
         });
    EXPECT_TRUE(panel) << "a paused game hides its well";
    EXPECT_FALSE(w->summaryOffersWatching()) << "a game left by Esc takes the summary with it";
}

TEST_F(MainWindowTest, HeldKeysFollowPressesReleasesAndFocusLoss) {
    startUp();
    std::vector<int16_t> seen;
    play([&] { w->startGame(); },
         [&](int n) {
             switch (n) {
             case 2:
                 post(QEvent::KeyPress, Qt::Key_Left);
                 break;
             case 3:
                 seen.push_back(g().keyMlDown);
                 // The system's auto-repeat pair changes nothing.
                 post(QEvent::KeyRelease, Qt::Key_Left, true);
                 post(QEvent::KeyPress, Qt::Key_Left, true);
                 break;
             case 4:
                 seen.push_back(g().keyMlDown);
                 post(QEvent::KeyRelease, Qt::Key_Left);
                 break;
             case 5:
                 seen.push_back(g().keyMlDown);
                 post(QEvent::KeyPress, Qt::Key_Space);
                 post(QEvent::KeyPress, Qt::Key_Right);
                 break;
             case 6:
                 seen.push_back(g().keyFdDown);
                 seen.push_back(g().keyMrDown);
                 w->settings().pauseOnFocusLoss = 0; // this test is about the keys only
                 QCoreApplication::postEvent(w.get(), new QEvent(QEvent::WindowDeactivate));
                 break;
             case 7:
                 seen.push_back(g().keyFdDown);
                 seen.push_back(g().keyMrDown);
                 post(QEvent::KeyPress, Qt::Key_Escape);
                 break;
             }
         });
    EXPECT_EQ(seen, (std::vector<int16_t>{1, 1, 0, 1, 1, 0, 0}));
    EXPECT_FALSE(w->paused());
}

TEST_F(MainWindowTest, KeyPressedWhileTheLoopSleptIsSeenByTheNextStep) {
    startUp();
    std::vector<int16_t> charged;
    int16_t waitAtEsc = 0;
    play([&] { w->startGame(); },
         [&](int n) {
             if (n == 3) post(QEvent::KeyPress, Qt::Key_Left);
             // The entry-delay step of pass 3 charged the held key's repeat.
             if (n == 4) charged.push_back(g().mlCount);
             if (n == 5) {
                 waitAtEsc = g().waitTicks;
                 post(QEvent::KeyPress, Qt::Key_Escape);
             }
         });
    EXPECT_EQ(charged, std::vector<int16_t>{g().moveDelay});
    EXPECT_EQ(g().waitTicks, waitAtEsc); // no step ran on the abandoned game
    expectMenu();
}

TEST_F(MainWindowTest, TabCanBeTheStartKey) {
    startUp();
    g().keySt = 9;
    bool started = false;
    play([&] { QTest::keyClick(w->menu(), Qt::Key_Tab); },
         [&](int) {
             started = g().inGame == InGame::Playing;
             post(QEvent::KeyPress, Qt::Key_Escape);
         });
    EXPECT_TRUE(started);
    expectMenu();
}

TEST_F(MainWindowTest, StartKeyInTheLastFrameOfAGameStartsTheNextOneAfterwards) {
    startUp();
    play([&] { w->startGame(); },
         [&](int n) {
             if (n == 2) {
                 post(QEvent::KeyPress, Qt::Key_Escape);
                 post(QEvent::KeyPress, Qt::Key_Return);
             }
         });
    // The first game's loop has returned without a second game running inside it.
    EXPECT_EQ(g().inGame, InGame::Menu);
    bool second = false;
    play([&] { QCoreApplication::processEvents(); },
         [&](int) {
             second = g().inGame == InGame::Playing;
             post(QEvent::KeyPress, Qt::Key_Escape);
         });
    EXPECT_TRUE(second);
    expectMenu();
}

TEST_F(MainWindowTest, DebugReadOutGetsTheTimingLine) {
    startUp();
    w->showDebug(true);
    EXPECT_FALSE(w->debugLabel()->isHidden());
    play([&] { w->startGame(); },
         [&](int n) {
             if (n == 10) post(QEvent::KeyPress, Qt::Key_Escape);
         });
    EXPECT_TRUE(w->debugLabel()->text().startsWith("GAME"))
        << w->debugLabel()->text().toStdString();
    EXPECT_TRUE(w->debugLabel()->text().contains(", dc="));
    w->showDebug(false);
    EXPECT_TRUE(w->debugLabel()->isHidden());
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
    EXPECT_EQ(readFile(data("option_game.000")), gameFileText(g()));
}

// The window at other sizes: the whole design enlarged by a whole factor, clicks mapped back.
class ScaledWindowTest : public MainWindowTest {
  protected:
    // The window point at the centre of design pixel p.
    QPoint windowPoint(QPoint p) const {
        const DesignPlacement at = w->placement();
        return at.offset + p * at.scale + QPoint(at.scale / 2, at.scale / 2);
    }
    // The design point at the centre of a design widget.
    QPoint centreOf(const QWidget* c) const {
        return c->mapTo(w->designSurface(), c->rect().center());
    }
    void click(const QWidget* c) {
        QTest::mouseClick(w.get(), Qt::LeftButton, {}, windowPoint(centreOf(c)));
    }
    // Every pixel of big is the pixel of small at its block, blocks of s x s from at.
    static void expectBlocks(const QImage& small, const QImage& big, int s, QPoint at) {
        ASSERT_EQ(small.size(), QSize(640, 480));
        for (int y = 0; y < 480 * s; ++y)
            for (int x = 0; x < 640 * s; ++x)
                ASSERT_EQ(big.pixel(at.x() + x, at.y() + y), small.pixel(x / s, y / s))
                    << "at " << x << "," << y << " of scale " << s;
    }
};

TEST_F(ScaledWindowTest, ClicksReachTheWidgetUnderThemAtEveryScale) {
    startUp();
    for (int s = 1; s <= 3; ++s) {
        // Odd leftovers so the design sits off the window's corner.
        w->resize(640 * s + 37, 480 * s + 21);
        ASSERT_EQ(w->placement(), (DesignPlacement{s, QPoint(18, 10)}));
        click(w->menu()->levelButton(6 + s));
        EXPECT_EQ(g().curLevel, 6 + s);
        EXPECT_EQ(w->menu()->levelText(), QString("H%1").arg(6 + s));
        click(w->menu()->square(Selector::Qua, s - 1));
        EXPECT_EQ(g().quaOpt, s - 1);
        EXPECT_TRUE(w->menu()->isSelected(Selector::Qua, s - 1));
        // The last pixel row of a button's blocks still belongs to it; the black border
        // beside the design belongs to nothing.
        const QWidget* b = w->menu()->levelButton(2);
        const QPoint corner = b->mapTo(w->designSurface(), QPoint(0, b->height() - 1));
        QTest::mouseClick(w.get(), Qt::LeftButton, {},
                          w->placement().offset + corner * s + QPoint(0, s - 1));
        EXPECT_EQ(g().curLevel, 2);
        QTest::mouseClick(w.get(), Qt::LeftButton, {}, QPoint(5, 240));
        EXPECT_EQ(g().curLevel, 2);
        EXPECT_EQ(w->designPointAt(QPointF(5, 240)), std::nullopt);
    }
    // A press on one button released over another clicks neither.
    QTest::mousePress(w.get(), Qt::LeftButton, {},
                      windowPoint(centreOf(w->menu()->levelButton(4))));
    QTest::mouseRelease(w.get(), Qt::LeftButton, {},
                        windowPoint(centreOf(w->menu()->levelButton(9))));
    EXPECT_EQ(g().curLevel, 2);
    // The pointer takes the cursor of the button under it, and the arrow elsewhere.
    QTest::mouseMove(w.get(), windowPoint(centreOf(w->menu()->startButton())));
    EXPECT_EQ(w->cursor().shape(), Qt::UpArrowCursor);
    QTest::mouseMove(w.get(), windowPoint(centreOf(w->menu()->aboutButton())));
    EXPECT_EQ(w->cursor().shape(), Qt::SizeAllCursor);
    QTest::mouseMove(w.get(), QPoint(2, 2));
    EXPECT_EQ(w->cursor().shape(), Qt::ArrowCursor);
}

// The press that opens the About box never sees its release (the box takes it); the next
// click lands where it is made, not on About again.
TEST_F(ScaledWindowTest, AfterAboutAClickLandsWhereItIsMade) {
    startUp();
    w->resize(1280, 960);
    QTest::mousePress(w.get(), Qt::LeftButton, {}, windowPoint(centreOf(w->menu()->aboutButton())));
    ASSERT_EQ(alerts.shown.size(), 1u);
    click(w->menu()->levelButton(12));
    EXPECT_EQ(alerts.shown.size(), 1u) << "About opened again";
    EXPECT_EQ(g().curLevel, 12);
}

// Fill at a fractional factor: every pixel of the window shows the design pixel a click
// there reaches, and a click reaches the widget drawn under it.
TEST_F(ScaledWindowTest, FillShowsAndClicksTheSameDesignPixel) {
    startUp();
    w->resize(640, 480);
    const QImage design = screen();
    w->settings().scaling = 1;
    w->resize(1000, 700);
    const DesignPlacement at = w->placement();
    ASSERT_EQ(at.fill, QSize(933, 700));
    const QImage shot = screen();
    for (int y = 0; y < 700; ++y)
        for (int x = 0; x < 1000; ++x) {
            const std::optional<QPoint> p = w->designPointAt(QPointF(x + 0.5, y + 0.5));
            if (!p) {
                ASSERT_EQ(shot.pixel(x, y), qRgb(0, 0, 0)) << x << "," << y;
                continue;
            }
            ASSERT_EQ(shot.pixel(x, y), design.pixel(*p)) << x << "," << y;
        }
    for (const int level : {3, 12, 19}) {
        const QWidget* b = w->menu()->levelButton(level);
        const QRect d(b->mapTo(w->designSurface(), QPoint()), b->size());
        QTest::mouseClick(w.get(), Qt::LeftButton, {}, clientRectOf(d, at).center());
        EXPECT_EQ(g().curLevel, level);
    }
}

TEST_F(ScaledWindowTest, ADoubledFrameIsTheSameFrameWithEveryPixelDoubled) {
    startUp();
    w->showDebug(true);
    w->setDebugText("GAME60, GRAPHIC=60");
    const QImage menu1 = w->grab().toImage();
    w->resize(1300, 1000);
    expectBlocks(menu1, w->grab().toImage(), 2, QPoint(10, 20));
    // Rendered into an image, the enlarged design is written straight into its pixels.
    QImage into(1310, 1005, QImage::Format_RGB32);
    into.fill(Qt::red);
    w->render(&into, QPoint(7, 3));
    expectBlocks(menu1, into, 2, QPoint(17, 23));
    EXPECT_EQ(into.pixel(6, 2), qRgb(255, 0, 0));
    EXPECT_EQ(into.pixel(7, 3), qRgb(0, 0, 0));
    w->resize(640, 480);
    bool compared = false;
    play([&] { w->startGame(); },
         [&](int n) {
             if (n != 40) return;
             w->resize(640, 480);
             const QImage game1 = w->grab().toImage();
             w->resize(1920, 1080);
             const QImage game2 = w->grab().toImage();
             expectBlocks(game1, game2, 2, QPoint(320, 60));
             // The border stays black.
             EXPECT_EQ(game2.pixel(0, 0), qRgb(0, 0, 0));
             EXPECT_EQ(game2.pixel(1919, 1079), qRgb(0, 0, 0));
             compared = true;
             post(QEvent::KeyPress, Qt::Key_Escape);
         });
    EXPECT_TRUE(compared);
}

TEST_F(ScaledWindowTest, TheSizeFullScreenAndMaximisedAreKeptBetweenRuns) {
    // option_more.000 as written: the size, full screen and maximised; the other lines as
    // shipped.
    const auto more = [](int width, int height, int fullScreen, int maximized) {
        return QStringLiteral(
                   " 1 \r\n %1 \r\n %2 \r\n %3 \r\n 0 \r\n 0 \r\n 10 \r\n 2 \r\n 1 \r\n 0 "
                   "\r\n %4 \r\n 0 \r\n")
            .arg(width)
            .arg(height)
            .arg(fullScreen)
            .arg(maximized)
            .toLatin1();
    };
    // No saved size: the offscreen screen (800 x 600) has room for 1x only.
    QFile::remove(data("option_more.000"));
    startUp();
    EXPECT_EQ(w->size(), QSize(640, 480));
    w->resize(777, 555);
    w->close();
    EXPECT_EQ(readFile(data("option_more.000")), more(777, 555, 0, 0));

    // Maximised: kept as such, with the size under it.
    startUp();
    w->showMaximized();
    QCoreApplication::processEvents();
    ASSERT_NE(w->size(), QSize(777, 555));
    w->close();
    EXPECT_EQ(readFile(data("option_more.000")), more(777, 555, 0, 1));
    startUp();
    EXPECT_TRUE(w->isMaximized());
    QTest::keyClick(w->menu(), Qt::Key_F11); // full screen from maximised
    w->close();
    EXPECT_EQ(readFile(data("option_more.000")), more(777, 555, 1, 1));
    startUp();
    EXPECT_TRUE(w->isFullScreen());
    QTest::keyClick(w->menu(), Qt::Key_F11);
    EXPECT_TRUE(w->isMaximized()) << "back to maximised out of full screen";
    w->showNormal();
    w->resize(777, 555);
    w->close();
    EXPECT_EQ(readFile(data("option_more.000")), more(777, 555, 0, 0));

    startUp();
    EXPECT_EQ(w->size(), QSize(777, 555));
    EXPECT_FALSE(w->isFullScreen());
    QTest::keyClick(w->menu(), Qt::Key_F11);
    w->close();
    // Full screen keeps the size the window had before it.
    EXPECT_EQ(readFile(data("option_more.000")), more(777, 555, 1, 0));

    startUp();
    EXPECT_TRUE(w->isFullScreen());
    QTest::keyClick(w->menu(), Qt::Key_F11);
    EXPECT_FALSE(w->isFullScreen());
    EXPECT_EQ(w->size(), QSize(777, 555));

    // Larger than the screen: the largest scale that fits.
    writeFile(data("option_more.000"), " 1 \r\n 1920 \r\n 1080 \r\n 0 \r\n");
    startUp();
    EXPECT_EQ(w->size(), QSize(640, 480));
}

// A frame paints only what it changed; the window must still show every pixel of the whole
// design, frame after frame, with pieces moving and read-outs changing, at 1x and 2x.
TEST_F(ScaledWindowTest, WhatEachFramePaintsLeavesTheWholeDesignOnTheWindow) {
    startUp();
    for (const QSize size : {QSize(640, 480), QSize(640, 480), QSize(1301, 983)}) {
        w->resize(size);
        QCoreApplication::processEvents(); // the menu is on the window, nothing pending
        int compared = 0;
        play([&] { w->startGame(); },
             [&](int n) {
                 if (n % 9 == 0) post(QEvent::KeyPress, n % 2 ? Qt::Key_Left : Qt::Key_Up);
                 if (n % 9 == 4) post(QEvent::KeyRelease, n % 2 ? Qt::Key_Left : Qt::Key_Up);
                 if (n % 40 == 20) post(QEvent::KeyPress, Qt::Key_Space);
                 if (n % 40 == 22) post(QEvent::KeyRelease, Qt::Key_Space);
                 if (n >= 3 && n % 3 == 0) {
                     const auto* shown = dynamic_cast<QImage*>(w->backingStore()->paintDevice());
                     ASSERT_NE(shown, nullptr);
                     const QImage whole = w->grab().toImage().convertToFormat(shown->format());
                     ASSERT_EQ(shown->copy(whole.rect()), whole) << "frame " << n;
                     ++compared;
                 }
                 if (n == 150) post(QEvent::KeyPress, Qt::Key_Escape);
             });
        EXPECT_GT(compared, 40);
    }
}

TEST_F(ScaledWindowTest, F11SwitchesFullScreenUnlessItIsAssigned) {
    startUp();
    QTest::keyClick(w->menu(), Qt::Key_F11);
    EXPECT_TRUE(w->isFullScreen());
    QTest::keyClick(w->menu(), Qt::Key_F11);
    EXPECT_FALSE(w->isFullScreen());
    // In a game too; as a game key it keeps its action.
    play([&] { w->startGame(); },
         [&](int n) {
             if (n == 2) QTest::keyClick(w.get(), Qt::Key_F11);
             if (n == 3) {
                 EXPECT_TRUE(w->isFullScreen());
                 g().keyHd = 122;
                 QTest::keyClick(w.get(), Qt::Key_F11);
                 EXPECT_TRUE(w->isFullScreen());
                 g().keyHd = 67;
                 QTest::keyClick(w.get(), Qt::Key_F11);
                 EXPECT_FALSE(w->isFullScreen());
                 post(QEvent::KeyPress, Qt::Key_Escape);
             }
         });
    g().keySt = 122;
    bool started = false;
    play([&] { QTest::keyClick(w->menu(), Qt::Key_F11); },
         [&](int) {
             started = g().inGame == InGame::Playing;
             post(QEvent::KeyPress, Qt::Key_Escape);
         });
    EXPECT_TRUE(started);
    EXPECT_FALSE(w->isFullScreen());
}

TEST_F(MainWindowTest, SettingsThatCannotBeWrittenEndWithStatusOne) {
    startUp();
    ASSERT_TRUE(QFile::remove(data("option_key.000")));
    ASSERT_TRUE(QDir().mkdir(data("option_key.000")));
    w->close();
    EXPECT_EQ(exits, std::vector<int>{1});
    EXPECT_EQ(readFile(data("option_game.000")), gameFileText(g())) << "the others are written";
}

// Pause: no step runs and the time is not owed; the panel hides the well; P resumes.
TEST_F(MainWindowTest, PauseStopsTheStepsAndResumesWithoutABurst) {
    startUp();
    const QRect wellWall(218, 100, 12, 300); // the left wall, drawn on every frame
    int32_t stepsAtPause = -1;
    std::vector<int32_t> after;
    play([&] { w->startGame(); },
         [&](int n) {
             if (n == 5) {
                 press(Qt::Key_P);
                 whilePaused([&] {
                     stepsAtPause = g().stepsPlayed;
                     const QImage shot = screen();
                     EXPECT_EQ(shot.pixelColor(wellWall.center()), QColor(Qt::black))
                         << "the panel covers the well";
                     clock.now += 10'000'000'000; // ten seconds paused
                     QCoreApplication::processEvents();
                     EXPECT_EQ(g().stepsPlayed, stepsAtPause);
                     press(Qt::Key_P);
                 });
             }
             if (n >= 6 && n <= 8) after.push_back(g().stepsPlayed);
             if (n == 8) post(QEvent::KeyPress, Qt::Key_Escape);
         });
    EXPECT_EQ(stepsAtPause, 4) << "P, seen right after the sleep, stopped the step of its pass";
    // One step per pass again: the ten seconds gave no catch-up burst and are not counted.
    EXPECT_EQ(after, (std::vector<int32_t>{4, 5, 6}));
    expectMenu();
    EXPECT_FALSE(w->paused());
}

// A key the player assigned to a game action keeps it; the other pause key still pauses.
TEST_F(MainWindowTest, PauseAndRestartKeysGiveWayToAssignedGameActions) {
    startUp();
    g().keyHd = 80; // P holds
    g().keyRl = 82; // R turns left
    bool pausedByPauseKey = false;
    play([&] { w->startGame(); },
         [&](int n) {
             if (n == 2) {
                 post(QEvent::KeyPress, Qt::Key_P);
                 post(QEvent::KeyPress, Qt::Key_R);
             }
             if (n == 3) {
                 EXPECT_EQ(g().keyHdDown, 1);
                 EXPECT_EQ(g().keyRlDown, 1);
                 EXPECT_FALSE(w->paused());
                 EXPECT_EQ(g().stepsPlayed, 2) << "R did not restart the game";
                 press(Qt::Key_Pause);
                 whilePaused([&] {
                     pausedByPauseKey = true;
                     press(Qt::Key_Pause);
                 });
             }
             if (n == 4) post(QEvent::KeyPress, Qt::Key_Escape);
         });
    EXPECT_TRUE(pausedByPauseKey);
    EXPECT_FALSE(w->paused());
}

// A held P must not flicker the pause: repeats marked or not (X sends unmarked ones as
// release and press pairs with one time stamp), and presses without releases, toggle nothing.
TEST_F(MainWindowTest, AHeldPauseKeyTogglesOnce) {
    startUp();
    const auto stamped = [this](QEvent::Type type, quint64 stamp, bool autoRepeat = false) {
        auto* e = new QKeyEvent(type, Qt::Key_P, Qt::NoModifier, QString(), autoRepeat);
        e->setTimestamp(stamp);
        QCoreApplication::postEvent(w.get(), e);
    };
    bool stayed = false;
    play([&] { w->startGame(); },
         [&](int n) {
             if (n == 2) {
                 stamped(QEvent::KeyPress, 100);
                 stamped(QEvent::KeyRelease, 760, true);
                 stamped(QEvent::KeyPress, 760, true);
                 stamped(QEvent::KeyRelease, 800);
                 stamped(QEvent::KeyPress, 800);
                 stamped(QEvent::KeyPress, 840);
                 whilePaused([&] {
                     stayed = true;
                     stamped(QEvent::KeyRelease, 900);
                     stamped(QEvent::KeyPress, 2000);
                 });
             }
             if (n == 3) {
                 EXPECT_FALSE(w->paused());
                 post(QEvent::KeyPress, Qt::Key_Escape);
             }
         });
    EXPECT_TRUE(stayed);
}

TEST_F(MainWindowTest, EscAndClosingTheWindowWorkWhilePaused) {
    startUp();
    play([&] { w->startGame(); },
         [&](int n) {
             if (n == 3) {
                 press(Qt::Key_P);
                 whilePaused([&] { post(QEvent::KeyPress, Qt::Key_Escape); });
             }
             if (n > 50) FAIL() << "Esc did not end the paused game";
         });
    expectMenu();
    EXPECT_FALSE(w->paused());
    EXPECT_FALSE(w->lastGame()) << "a game left by Esc is not a finished game";

    play([&] { w->startGame(); },
         [&](int n) {
             if (n == 3) {
                 press(Qt::Key_Pause);
                 whilePaused([&] { w->close(); });
             }
             if (n > 50) FAIL() << "the frame loop went on after shut-down";
         });
    EXPECT_EQ(exits, std::vector<int>{0});
}

// Turning to another window pauses the game, unless the player switched that off.
TEST_F(MainWindowTest, FocusLossPausesUnlessSwitchedOff) {
    startUp();
    EXPECT_EQ(w->settings().pauseOnFocusLoss, 1) << "the default";
    bool paused = false;
    play([&] { w->startGame(); },
         [&](int n) {
             if (n == 2) {
                 post(QEvent::KeyPress, Qt::Key_Left);
                 QCoreApplication::postEvent(w.get(), new QEvent(QEvent::WindowDeactivate));
                 whilePaused([&] {
                     paused = true;
                     EXPECT_EQ(g().keyMlDown, 0) << "held keys are released";
                     press(Qt::Key_P);
                 });
             }
             if (n == 3) {
                 w->settings().pauseOnFocusLoss = 0;
                 QCoreApplication::postEvent(w.get(), new QEvent(QEvent::WindowDeactivate));
             }
             if (n == 5) {
                 EXPECT_FALSE(w->paused());
                 post(QEvent::KeyPress, Qt::Key_Escape);
             }
         });
    EXPECT_TRUE(paused);
    // The choice is kept in option_more.000.
    w->close();
    EXPECT_TRUE(readFile(data("option_more.000")).startsWith(" 0 \r\n"));
}

// R: a new game at once from the start level, without the menu and without leaving the loop.
TEST_F(MainWindowTest, RestartStartsTheSameGameAgainAtOnce) {
    startUp();
    int loops = 0;
    play(
        [&] {
            w->startGame();
            ++loops;
        },
        [&](int n) {
            if (n == 4) {
                g().curLevel = 9; // as if it had risen in play
                g().score = 500;
                g().lines = 3;
                g().field(0, 21) = 0;
                press(Qt::Key_R);
            }
            if (n == 6) {
                EXPECT_EQ(g().inGame, InGame::Playing);
                EXPECT_EQ(g().curLevel, 5);
                EXPECT_EQ(w->menu()->levelText(), "H5");
                EXPECT_EQ(g().score, 0.0f);
                EXPECT_EQ(g().lines, 0);
                EXPECT_EQ(g().field(0, 21), -1);
                EXPECT_EQ(g().stepsPlayed, 1);
                EXPECT_EQ(g().waitTicks, 119);
                EXPECT_TRUE(w->menu()->isHidden());
                EXPECT_FALSE(w->wellSurface()->isHidden());
                post(QEvent::KeyPress, Qt::Key_Escape);
            }
        });
    EXPECT_EQ(loops, 1);
    expectMenu();
    EXPECT_FALSE(w->lastGame());
}

// A top-out goes into records.000 and its summary is shown left of the menu.
TEST_F(MainWindowTest, TopOutAddsItsRecordsLineAndShowsTheSummary) {
    startUp();
    const QRect summary(0, 0, 216, 480);
    auto lit = [&] {
        const QImage shot = screen();
        int bright = 0;
        for (int y = summary.top(); y <= summary.bottom(); y += 2)
            for (int x = summary.left(); x <= summary.right(); x += 2)
                bright += qGray(shot.pixel(x, y)) > 128 ? 1 : 0;
        return bright;
    };
    EXPECT_EQ(lit(), 0) << "black before the first game";
    topOutGame([&] { g().score = 1234.75f; });
    ASSERT_TRUE(w->lastGame());
    const FinishedGame& f = *w->lastGame();
    EXPECT_TRUE(f.newBest);
    EXPECT_EQ(f.best.score, 1234);
    EXPECT_EQ(f.record.options.startLevel, 5);
    EXPECT_EQ(f.record.levelReached, 8);
    EXPECT_EQ(f.record.options.shapeFile, "centre.kblox");
    const QByteArray text = readFile(data("records.000"));
    EXPECT_EQ(text, QByteArray::fromStdString(recordLine(f.record) + "\r\n"));
    EXPECT_TRUE(
        QRegularExpression(
            R"(^\d{4}-\d\d-\d\dT\d\d:\d\d:\d\dZ 5 8 1234 0 0 \d+ 0 0 0 0 1 0 1 1 1 centre.kblox\t0 0 10 2 1 1\r\n$)")
            .match(QString::fromLatin1(text))
            .hasMatch())
        << text.toStdString();
    EXPECT_GT(lit(), 50) << "the summary is drawn";

    // A game left by Esc adds nothing; the next top-out with less is not a new best.
    play([&] { w->startGame(); },
         [&](int n) {
             if (n == 2) post(QEvent::KeyPress, Qt::Key_Escape);
         });
    EXPECT_EQ(readFile(data("records.000")).count("\r\n"), 1);
    EXPECT_FALSE(w->lastGame()) << "the summary went with the game left";
    EXPECT_EQ(lit(), 0);
    g().curLevel = 5;
    topOutGame([&] { g().score = 100; });
    EXPECT_FALSE(w->lastGame()->newBest);
    EXPECT_EQ(w->lastGame()->best.score, 1234);
    EXPECT_EQ(readFile(data("records.000")).count("\r\n"), 2);
}

TEST_F(MainWindowTest, ARecordsFileThatCannotBeWrittenDoesNotStopTheGame) {
    ASSERT_TRUE(QDir(dir.path()).mkpath("data/records.000"));
    startUp();
    topOutGame();
    expectMenu();
    ASSERT_TRUE(w->lastGame());
    EXPECT_TRUE(w->lastGame()->newBest);
    EXPECT_TRUE(QFileInfo(data("records.000")).isDir());
    bool again = false;
    play([&] { w->startGame(); },
         [&](int) {
             again = g().inGame == InGame::Playing;
             post(QEvent::KeyPress, Qt::Key_Escape);
         });
    EXPECT_TRUE(again);
}

} // namespace
} // namespace zembrik
