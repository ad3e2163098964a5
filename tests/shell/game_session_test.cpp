// SPDX-License-Identifier: GPL-3.0-or-later
// The game session in the window: games started, left, paused, restarted, topped out and
// watched, keys between passes, replays and records.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QSocketNotifier>
#include <QTest>
#include <QTimer>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <thread>
#include <unistd.h>

#include "app/real_clock.h"
#include "window_fixture.h"

namespace zembrik::test {
namespace {

class GameSessionTest : public WindowTest {
  protected:
    // A window on the real clock (its passes wake on a timerfd) with a game running.
    void startOnTheRealClock() {
        w = std::make_unique<MainWindow>(
            dir.path(), ShellServices{alerts, real, seeds, std::make_unique<Sound>(),
                                      [this](int status) { exits.push_back(status); }, true});
        ASSERT_TRUE(w->startUp());
        w->startGame();
    }
    // W on the menu: the newest replay starts.
    void watchNewest() {
        post(QEvent::KeyPress, Qt::Key_W);
        QCoreApplication::processEvents();
    }
    // A game of hard drops, one every 20 steps, until the stack tops out.
    void playToTopOut() {
        play([&] { w->startGame(); },
             [&](int n) {
                 if (n % 20 == 1) post(QEvent::KeyPress, Qt::Key_Space);
                 if (n % 20 == 3) post(QEvent::KeyRelease, Qt::Key_Space);
                 if (n > 5000) post(QEvent::KeyPress, Qt::Key_Escape); // never if it works
             });
    }
    RealClock real;
};

TEST_F(GameSessionTest, StartingAGameAndEscBothClearTheCounters) {
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

TEST_F(GameSessionTest, TopOutKeepsTheCountersUntilTheNextGame) {
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

TEST_F(GameSessionTest, EscTwiceFromAGameWritesTheSettingsAndEnds) {
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
    EXPECT_EQ(readFile(data("option_game.000")), gameFileText(g(), w->settings()));
    EXPECT_TRUE(readFile(data("option_game.000")).startsWith(" 9 \r\n"));
    EXPECT_EQ(readFile(data("option_key.000")), keyFileText(g()));
    EXPECT_EQ(readFile(data("option_style.000")), "centre.kblox\r\nclassic.style\r\n");
}

TEST_F(GameSessionTest, ClosingDuringAGameEndsTheLoop) {
    startUp();
    play([&] { w->startGame(); },
         [&](int n) {
             if (n == 5) w->close();
             if (n > 50) FAIL() << "the frame loop went on after shut-down";
         });
    EXPECT_EQ(exits, std::vector<int>{0});
    EXPECT_TRUE(readFile(data("option_game.000")).startsWith(" 5 \r\n"));
}

TEST_F(GameSessionTest, EveryGameThatPlacedAPieceLeavesAReplayThatRerunsToItsEnd) {
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
    w->session().replays().flush();
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
    w->session().replays().flush();
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

TEST_F(GameSessionTest, WatchingPlaysTheNewestGameAsItWasAndPutsEverythingBack) {
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
    w->session().replays().flush();
    const auto kept = listReplays(data("replays").toStdString());

    // Watched at 4x from the first frame; the keys of the game do nothing to it.
    std::vector<int> speeds;
    bool labelShown = false;
    play([&] { watchNewest(); },
         [&](int n) {
             if (n == 1) {
                 post(QEvent::KeyPress, Qt::Key_F);
                 post(QEvent::KeyPress, Qt::Key_F);
             }
             if (n == 3) {
                 speeds.push_back(w->session().watchSpeed());
                 labelShown = !w->replayLabel()->isHidden();
                 post(QEvent::KeyPress, Qt::Key_Space);
                 QCoreApplication::postEvent(w.get(), new QEvent(QEvent::WindowDeactivate));
             }
             if (n == 5) post(QEvent::KeyPress, Qt::Key_F);
             if (n == 7) {
                 speeds.push_back(w->session().watchSpeed());
                 post(QEvent::KeyPress, Qt::Key_F);
                 post(QEvent::KeyPress, Qt::Key_F);
             }
             if (n > 5000) w->close(); // never reached if it works
         });
    EXPECT_EQ(speeds, (std::vector<int>{4, 1}));
    EXPECT_TRUE(labelShown);
    EXPECT_NEAR(clock.sleeps, played / 4, played / 20);
    EXPECT_FALSE(w->session().watching());
    EXPECT_TRUE(w->replayLabel()->isHidden());
    expectMenu();
    EXPECT_EQ(w->frame().p2, lastWell); // the very frame the game ended on
    EXPECT_EQ(w->frame().score, lastScore);
    EXPECT_EQ(g().cells, after.cells);
    EXPECT_EQ(g().nextBlox, after.nextBlox);
    EXPECT_EQ(g().curLevel, after.curLevel);
    w->session().replays().flush();
    EXPECT_EQ(listReplays(data("replays").toStdString()), kept);

    // A new run watches the newest file; an unreadable newest file is named in a message.
    startUp();
    play([&] { watchNewest(); }, [&](int) {});
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
    opts().startLevel = 3;
    g().keyMl = 65;
    play([&] { watchNewest(); },
         [&](int n) {
             if (n == 20) {
                 EXPECT_EQ(g().curLevel, 5); // the watched game's
                 post(QEvent::KeyPress, Qt::Key_Escape);
             }
         });
    EXPECT_LT(clock.sleeps, 25);
    EXPECT_TRUE(exits.empty());
    expectMenu();

    EXPECT_EQ(opts().startLevel, 3);
    EXPECT_EQ(g().keyMl, 65);
    play([&] { watchNewest(); },
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
TEST_F(GameSessionTest, TheSummarysGameIsTheOneWatchedAndWatchingLeavesNoTrace) {
    startUp();
    const QPoint wellWall(220, 200); // the left wall, drawn on every frame
    playToTopOut();
    ASSERT_TRUE(w->session().lastGame());
    const FinishedGame played = *w->session().lastGame();
    EXPECT_TRUE(w->summaryOffersWatching());
    const QImage lastWell = w->frame().p2;
    w->session().replays().flush();
    const auto kept = listReplays(data("replays").toStdString());
    ASSERT_EQ(kept.size(), 1u);
    // One time for both: the records line's end names the replay.
    EXPECT_EQ(kept[0], compactStamp(played.record.ended) + ".zrp");
    const QByteArray records = readFile(data("records.000"));

    bool pausedInView = false;
    play([&] { watchNewest(); },
         [&](int n) {
             if (n == 3) {
                 press(Qt::Key_P);
                 whilePaused([&] {
                     EXPECT_TRUE(w->session().watching());
                     EXPECT_TRUE(w->replayLabel()->text().contains("PAUSED"));
                     pausedInView = screen().pixelColor(wellWall) != QColor(Qt::black);
                     press(Qt::Key_R);
                     QCoreApplication::processEvents();
                     EXPECT_TRUE(w->session().paused()) << "R does nothing to a replay";
                     press(Qt::Key_P);
                 });
             }
             if (n == 5) {
                 EXPECT_FALSE(w->session().paused());
                 EXPECT_TRUE(w->session().watching());
                 EXPECT_FALSE(w->replayLabel()->text().contains("PAUSED"));
                 press(Qt::Key_F);
                 press(Qt::Key_F);
             }
             if (n > 5000) w->close(); // never reached if it works
         });
    EXPECT_TRUE(pausedInView) << "a paused replay stays in view";
    EXPECT_FALSE(w->session().paused());
    expectMenu();
    EXPECT_EQ(w->frame().p2, lastWell) << "the summary's game was watched to its end";
    EXPECT_EQ(readFile(data("records.000")), records);
    EXPECT_EQ(w->session().lastGame()->record, played.record);
    EXPECT_TRUE(w->summaryOffersWatching());
    w->session().replays().flush();
    EXPECT_EQ(listReplays(data("replays").toStdString()), kept);

    // Stopped early, the replay leaves the menu's read-outs as the summary's game left them.
    const QString score = w->scoreLabel()->text(), level = w->pointsLabel()->text();
    play([&] { watchNewest(); },
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
    EXPECT_FALSE(w->session().paused());
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

TEST_F(GameSessionTest, HeldKeysFollowPressesReleasesAndFocusLoss) {
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
    EXPECT_FALSE(w->session().paused());
}

TEST_F(GameSessionTest, KeyPressedWhileTheLoopSleptIsSeenByTheNextStep) {
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

TEST_F(GameSessionTest, TabCanBeTheStartKey) {
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

// Esc and the start key pressed twice between two passes: the game ends, one new game starts
// after it, and one schedule runs it (one wait per pass, one step per pass).
TEST_F(GameSessionTest, StartPressedTwiceInOnePassStartsOneGameAfterTheLastEnded) {
    startUp();
    int gameOfPass = 0, secondStarts = -1;
    std::vector<int32_t> steps;
    play([&] { w->startGame(); },
         [&](int n) {
             if (n == 2) {
                 post(QEvent::KeyPress, Qt::Key_Escape);
                 post(QEvent::KeyPress, Qt::Key_Return);
                 post(QEvent::KeyPress, Qt::Key_Return);
                 gameOfPass = 1;
                 return;
             }
             if (gameOfPass == 1) {
                 EXPECT_EQ(g().inGame, InGame::Playing);
                 secondStarts = n;
                 gameOfPass = 2;
             }
             if (gameOfPass == 2) steps.push_back(g().stepsPlayed);
             if (n == secondStarts + 3) post(QEvent::KeyPress, Qt::Key_Escape);
         });
    EXPECT_EQ(secondStarts, 3);
    EXPECT_EQ(steps, (std::vector<int32_t>{0, 1, 2, 3}));
    expectMenu();
}

TEST_F(GameSessionTest, DebugReadOutGetsTheTimingLine) {
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

// Pause: no step runs and the time is not owed; the panel hides the well; P resumes.
TEST_F(GameSessionTest, PauseStopsTheStepsAndResumesWithoutABurst) {
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
    EXPECT_FALSE(w->session().paused());
}

// With the real clock each pass wakes on a timerfd at its step's deadline: the game runs its
// steps, a pause disarms it, resuming arms it again, and Esc leaves nothing armed behind.
TEST_F(GameSessionTest, TheRealClocksPassesWakeAtTheirStepsDeadlines) {
    startOnTheRealClock();
    EXPECT_TRUE(QTest::qWaitFor([&] { return g().stepsPlayed >= 6; }, 10'000));
    w->setPaused(true);
    const int32_t atPause = g().stepsPlayed;
    QTest::qWait(100);
    EXPECT_EQ(g().stepsPlayed, atPause);
    w->setPaused(false);
    EXPECT_TRUE(QTest::qWaitFor([&] { return g().stepsPlayed > atPause + 3; }, 10'000));
    w->gotomenu();
    EXPECT_FALSE(w->session().running());
    const int32_t atEnd = g().stepsPlayed;
    QTest::qWait(50);
    EXPECT_EQ(g().stepsPlayed, atEnd);
    expectMenu();
}

// Input waiting when a step falls due is served before that step, even where the event loop
// serves the wake first in the same turn: a pipe's notifier, made after the session's, stands
// for the X connection's input, and the process sleeps past the deadline with both ready.
TEST_F(GameSessionTest, InputWaitingAtTheDeadlineIsServedBeforeThePass) {
    startOnTheRealClock();
    ASSERT_TRUE(QTest::qWaitFor([&] { return g().stepsPlayed >= 2; }, 10'000));
    int fds[2];
    ASSERT_EQ(pipe2(fds, O_NONBLOCK | O_CLOEXEC), 0);
    QSocketNotifier input(fds[0], QSocketNotifier::Read);
    int32_t servedAt = -1;
    QObject::connect(&input, &QSocketNotifier::activated, [&] {
        char c;
        while (::read(fds[0], &c, 1) == 1) {
        }
        servedAt = g().stepsPlayed;
    });
    for (int round = 0; round < 3; ++round) {
        servedAt = -1;
        const int32_t before = g().stepsPlayed;
        ASSERT_EQ(::write(fds[1], "k", 1), 1);
        std::this_thread::sleep_for(std::chrono::milliseconds(40)); // two steps fall due
        EXPECT_TRUE(QTest::qWaitFor([&] { return g().stepsPlayed > before; }, 10'000));
        EXPECT_EQ(servedAt, before) << "round " << round;
    }
    ::close(fds[0]);
    ::close(fds[1]);
    w->gotomenu();
}

// A key the player assigned to a game action keeps it; the other pause key still pauses.
TEST_F(GameSessionTest, PauseAndRestartKeysGiveWayToAssignedGameActions) {
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
                 EXPECT_FALSE(w->session().paused());
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
    EXPECT_FALSE(w->session().paused());
}

// A held P must not flicker the pause: repeats marked or not (X sends unmarked ones as
// release and press pairs with one time stamp), and presses without releases, toggle nothing.
TEST_F(GameSessionTest, AHeldPauseKeyTogglesOnce) {
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
                 EXPECT_FALSE(w->session().paused());
                 post(QEvent::KeyPress, Qt::Key_Escape);
             }
         });
    EXPECT_TRUE(stayed);
}

TEST_F(GameSessionTest, EscAndClosingTheWindowWorkWhilePaused) {
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
    EXPECT_FALSE(w->session().paused());
    EXPECT_FALSE(w->session().lastGame()) << "a game left by Esc is not a finished game";

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
TEST_F(GameSessionTest, FocusLossPausesUnlessSwitchedOff) {
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
                 EXPECT_FALSE(w->session().paused());
                 post(QEvent::KeyPress, Qt::Key_Escape);
             }
         });
    EXPECT_TRUE(paused);
    // The choice is kept in option_more.000.
    w->close();
    EXPECT_TRUE(readFile(data("option_more.000")).startsWith(" 0 \r\n"));
}

// R: a new game at once from the options the game started with, without the menu and without
// leaving the loop; the menu's options changed since (debug mode's 9 moves its start level
// to 20) do not reach it.
TEST_F(GameSessionTest, RestartStartsTheSameGameAgainAtOnce) {
    startUp();
    opts().mode = Mode::Sprint;
    opts().handling = {1, 3, 0, 7};
    const GameOptions started = opts();
    g().debugOpt = 1;
    int loops = 0;
    play(
        [&] {
            w->startGame();
            ++loops;
        },
        [&](int n) {
            if (n == 2) {
                press(Qt::Key_9);
                opts().mode = Mode::Ultra;
                opts().handling = {};
                opts().holdOpt = 0;
            }
            if (n == 4) {
                EXPECT_EQ(g().curLevel, 20);
                EXPECT_EQ(opts().startLevel, 20);
                g().score = 500;
                g().lines = 3;
                g().field(0, 21) = 0;
                press(Qt::Key_R);
            }
            if (n == 6) {
                EXPECT_EQ(g().inGame, InGame::Playing);
                EXPECT_EQ(w->session().gameOptions(), started);
                EXPECT_EQ(g().curLevel, 5);
                EXPECT_EQ(std::tuple(g().mode, g().handling, g().holdOpt),
                          std::tuple(started.mode, started.handling, started.holdOpt));
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
    EXPECT_FALSE(w->session().lastGame());
}

// A top-out goes into records.000 and its summary is shown left of the menu.
TEST_F(GameSessionTest, TopOutAddsItsRecordsLineAndShowsTheSummary) {
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
    topOutGame([&] {
        g().score = 1234.75f;
        EXPECT_TRUE(w->clockLabel()->isHidden()) << "Classic has no clock";
    });
    ASSERT_TRUE(w->session().lastGame());
    const FinishedGame& f = *w->session().lastGame();
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
    EXPECT_FALSE(w->session().lastGame()) << "the summary went with the game left";
    EXPECT_EQ(lit(), 0);
    opts().startLevel = 5;
    topOutGame([&] { g().score = 100; });
    EXPECT_FALSE(w->session().lastGame()->newBest);
    EXPECT_EQ(w->session().lastGame()->best.score, 1234);
    EXPECT_EQ(readFile(data("records.000")).count("\r\n"), 2);
}

// The mode and handling of option_more.000 light the menu; a game starts from what the menu
// shows, its records line says so, and shut-down keeps the choice for the next start.
TEST_F(GameSessionTest, AGameStartsFromTheMenusModeAndTheSavedHandling) {
    writeFile(data("option_more.000"), " 1 \r\n 0 \r\n 0 \r\n 0 \r\n 1 \r\n 1 \r\n 4 "
                                       "\r\n 0 \r\n 2 \r\n 3 \r\n 0 \r\n 0 \r\n");
    startUp();
    EXPECT_TRUE(w->menu()->isSelected(Selector::GameMode, 1));
    EXPECT_FALSE(w->menu()->isSelected(Selector::GameMode, 0));
    QTest::mouseClick(w->menu()->square(Selector::GameMode, 2), Qt::LeftButton);
    EXPECT_FALSE(w->menu()->isSelected(Selector::GameMode, 1));
    // Ultra's clock counts down beside the read-outs while the game runs, and goes with it.
    topOutGame([&] {
        EXPECT_FALSE(w->clockLabel()->isHidden());
        EXPECT_TRUE(w->clockLabel()->text().startsWith("1:59."))
            << w->clockLabel()->text().toStdString();
    });
    EXPECT_TRUE(w->clockLabel()->isHidden());
    ASSERT_TRUE(w->session().lastGame());
    const GameOptions& o = w->session().lastGame()->record.options;
    EXPECT_EQ(o.mode, Mode::Ultra);
    EXPECT_EQ(o.handling, (Handling{1, 4, 0, 2}));
    EXPECT_FALSE(w->session().lastGame()->record.finished) << "an Ultra game that topped out";
    w->close();
    // Lines 5 to 9 as the menu left them; line 10 as it was read.
    EXPECT_TRUE(readFile(data("option_more.000"))
                    .contains("\r\n 2 \r\n 1 \r\n 4 \r\n 0 \r\n 2 \r\n 3 \r\n"));
}

// The menu's choice in every row but the start level: hold off, rows stay, no shadow, one
// preview, climb 3, Ultra, custom handling.
void chooseOtherOptions(MainWindow& w) {
    for (auto [row, k] : {std::pair{Selector::Hold, 0},
                          {Selector::Qua, 2},
                          {Selector::Ghost, 0},
                          {Selector::Next, 0},
                          {Selector::Climb, 2},
                          {Selector::GameMode, 2}})
        QTest::mouseClick(w.menu()->square(row, k), Qt::LeftButton);
    w.settings().options.handling = {1, 3, 0, 7};
}

// A game starts from the menu's options copied whole, every field: the rules' record takes
// them, and its replay and records line keep them as they were when it began.
TEST_F(GameSessionTest, AGameStartsFromEveryFieldOfTheMenusOptions) {
    writeFile(data("option_style.000"), "top.kblox\r\nclassic.style\r\n");
    startUp();
    QTest::mouseClick(w->menu()->levelButton(12), Qt::LeftButton);
    chooseOtherOptions(*w);
    const GameOptions chosen = opts();
    ASSERT_EQ(chosen.shapeFile, "top.kblox");
    topOutGame([&] {
        EXPECT_EQ(w->session().gameOptions(), chosen);
        EXPECT_EQ(std::tuple(g().startLevel, g().holdOpt, g().quaOpt, g().ghostOpt, g().nextOpt,
                             g().clbOpt, g().climbLimit, g().mode, g().handling),
                  std::tuple(int16_t{12}, int16_t{0}, int16_t{2}, int16_t{0}, int16_t{0},
                             int16_t{2}, int16_t{3}, Mode::Ultra, Handling{1, 3, 0, 7}));
        g().score = 1; // a game that scored keeps its replay
    });
    ASSERT_TRUE(w->session().lastGame());
    EXPECT_EQ(w->session().lastGame()->record.options, chosen);
    ASSERT_NE(w->session().replays().lastKept(), nullptr);
    EXPECT_EQ(w->session().replays().lastKept()->start.options, chosen);
    // The level reached becomes the menu's start level, as it always has; the rest stays.
    EXPECT_EQ(opts().startLevel, 8);
    EXPECT_EQ(w->menu()->levelText(), "H8");
}

// Watching a replay plays it from its own options and leaves the menu's as they were: the
// rows, the level bar, and the options the next game starts from.
TEST_F(GameSessionTest, WatchingAReplayLeavesTheMenusOptionsAsTheyWere) {
    startUp();
    // Classic, classic handling, hold, level 5: hard drops until the stack tops out, which its
    // rerun does too (and the rules then light the level bar of the watched game's host).
    playToTopOut();
    ASSERT_TRUE(w->session().lastGame());
    QTest::mouseClick(w->menu()->levelButton(14), Qt::LeftButton);
    chooseOtherOptions(*w);
    const GameOptions chosen = opts();
    bool ownOptions = false;
    play([&] { watchNewest(); },
         [&](int n) {
             if (n == 2)
                 ownOptions = w->session().watching() && g().mode == Mode::Classic &&
                              g().handling == Handling{} && g().holdOpt == 1 && g().startLevel == 5;
         });
    EXPECT_TRUE(ownOptions) << "the replay plays from the options it was played with";
    expectMenu();
    EXPECT_EQ(opts(), chosen);
    EXPECT_EQ(w->menu()->levelText(), "M4");
    for (auto [row, k] : {std::pair{Selector::Hold, 0},
                          {Selector::Qua, 2},
                          {Selector::Ghost, 0},
                          {Selector::Next, 0},
                          {Selector::Climb, 2},
                          {Selector::GameMode, 2}})
        EXPECT_TRUE(w->menu()->isSelected(row, k)) << static_cast<int>(row);
    play([&] { w->startGame(); },
         [&](int n) {
             if (n == 2) {
                 EXPECT_EQ(std::tuple(g().mode, g().handling, g().curLevel),
                           std::tuple(Mode::Ultra, Handling{1, 3, 0, 7}, int16_t{14}));
                 post(QEvent::KeyPress, Qt::Key_Escape);
             }
         });
    EXPECT_EQ(w->session().gameOptions(), chosen);
}

TEST_F(GameSessionTest, ARecordsFileThatCannotBeWrittenDoesNotStopTheGame) {
    ASSERT_TRUE(QDir(dir.path()).mkpath("data/records.000"));
    startUp();
    topOutGame();
    expectMenu();
    ASSERT_TRUE(w->session().lastGame());
    EXPECT_TRUE(w->session().lastGame()->newBest);
    EXPECT_TRUE(QFileInfo(data("records.000")).isDir());
    bool again = false;
    play([&] { w->startGame(); },
         [&](int) {
             again = g().inGame == InGame::Playing;
             post(QEvent::KeyPress, Qt::Key_Escape);
         });
    EXPECT_TRUE(again);
}

// A game that tops out ends inside its own last pass. A start asked for inside that very pass
// (after its tick) begins the next game at once: the old pass finishes on the old loop, the
// records line is written once, and the new game runs alone, one step per pass.
TEST_F(GameSessionTest, AGameEndedInsideItsLastPassLetsTheNextOneStartThere) {
    startUp();
    int finished = 0;
    QObject::connect(&w->session(), &GameSession::finished, [&] { ++finished; });
    bool startedInside = false;
    clock.onCounter = [&] {
        // Only inside the pass of a top-out is the record on the menu while the loop runs.
        if (!startedInside && g().inGame == InGame::Menu && w->session().running()) {
            startedInside = true;
            w->startGame();
        }
    };
    std::vector<int32_t> steps;
    play([&] { w->startGame(); },
         [&](int n) {
             if (n == 2) {
                 for (int y = 0; y < 4; ++y)
                     for (int x = 0; x < 10; ++x)
                         g().field(x, y) = 0;
             }
             if (startedInside) steps.push_back(g().stepsPlayed);
             if (steps.size() == 3) post(QEvent::KeyPress, Qt::Key_Escape);
             if (n > 400) post(QEvent::KeyPress, Qt::Key_Escape); // never reached if it works
         });
    clock.onCounter = nullptr;
    ASSERT_TRUE(startedInside);
    EXPECT_EQ(steps, (std::vector<int32_t>{0, 1, 2}));
    EXPECT_EQ(finished, 2);
    EXPECT_EQ(readFile(data("records.000")).count('\n'), 1);
    expectMenu();
}

} // namespace
} // namespace zembrik::test
