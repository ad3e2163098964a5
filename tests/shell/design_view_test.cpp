// SPDX-License-Identifier: GPL-3.0-or-later
// The design view: the design at every scale, clicks mapped back, frames shown band by band,
// full screen.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "window_fixture.h"

namespace zembrik::test {
namespace {

class DesignViewTest : public ScaledWindowTest {};

TEST_F(DesignViewTest, ClicksReachTheWidgetUnderThemAtEveryScale) {
    startUp();
    for (int s = 1; s <= 3; ++s) {
        // Odd leftovers so the design sits off the window's corner.
        w->resize(640 * s + 37, 480 * s + 21);
        ASSERT_EQ(w->placement(), (DesignPlacement{s, QPoint(18, 10)}));
        click(w->menu()->levelButton(6 + s));
        EXPECT_EQ(opts().startLevel, 6 + s);
        EXPECT_EQ(w->menu()->levelText(), QString("H%1").arg(6 + s));
        click(w->menu()->square(Selector::Qua, s - 1));
        EXPECT_EQ(opts().quaOpt, s - 1);
        EXPECT_TRUE(w->menu()->isSelected(Selector::Qua, s - 1));
        // The last pixel row of a button's blocks still belongs to it; the black border
        // beside the design belongs to nothing.
        const QWidget* b = w->menu()->levelButton(2);
        const QPoint corner = b->mapTo(w->designSurface(), QPoint(0, b->height() - 1));
        QTest::mouseClick(w.get(), Qt::LeftButton, {},
                          w->placement().offset + corner * s + QPoint(0, s - 1));
        EXPECT_EQ(opts().startLevel, 2);
        QTest::mouseClick(w.get(), Qt::LeftButton, {}, QPoint(5, 240));
        EXPECT_EQ(opts().startLevel, 2);
        EXPECT_EQ(w->designPointAt(QPointF(5, 240)), std::nullopt);
    }
    // A press on one button released over another clicks neither.
    QTest::mousePress(w.get(), Qt::LeftButton, {},
                      windowPoint(centreOf(w->menu()->levelButton(4))));
    QTest::mouseRelease(w.get(), Qt::LeftButton, {},
                        windowPoint(centreOf(w->menu()->levelButton(9))));
    EXPECT_EQ(opts().startLevel, 2);
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
TEST_F(DesignViewTest, AfterAboutAClickLandsWhereItIsMade) {
    startUp();
    w->resize(1280, 960);
    QTest::mousePress(w.get(), Qt::LeftButton, {}, windowPoint(centreOf(w->menu()->aboutButton())));
    ASSERT_EQ(alerts.shown.size(), 1u);
    click(w->menu()->levelButton(12));
    EXPECT_EQ(alerts.shown.size(), 1u) << "About opened again";
    EXPECT_EQ(opts().startLevel, 12);
}

// Fill at a fractional factor: every pixel of the window shows the design pixel a click
// there reaches, and a click reaches the widget drawn under it.
TEST_F(DesignViewTest, FillShowsAndClicksTheSameDesignPixel) {
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
        EXPECT_EQ(opts().startLevel, level);
    }
}

TEST_F(DesignViewTest, ADoubledFrameIsTheSameFrameWithEveryPixelDoubled) {
    startUp();
    w->showDebug(true);
    w->showDebugText("GAME60, GRAPHIC=60");
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

TEST_F(DesignViewTest, TheSizeFullScreenAndMaximisedAreKeptBetweenRuns) {
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
TEST_F(DesignViewTest, WhatEachFramePaintsLeavesTheWholeDesignOnTheWindow) {
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

TEST_F(DesignViewTest, F11SwitchesFullScreenUnlessItIsAssigned) {
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

// A top-out in the first pass after the window was resized: the menu and the summary come
// back whole at the new scale, every pixel of the design on the window.
TEST_F(DesignViewTest, ATopOutDuringAResizeLeavesTheWholeMenuOnTheWindow) {
    startUp();
    topOutGame([&] { w->resize(1301, 983); });
    QCoreApplication::processEvents();
    ASSERT_TRUE(w->session().lastGame());
    EXPECT_EQ(w->placement().scale, 2);
    expectMenu();
    const auto* shown = dynamic_cast<QImage*>(w->backingStore()->paintDevice());
    ASSERT_NE(shown, nullptr);
    const QImage whole = w->grab().toImage().convertToFormat(shown->format());
    EXPECT_EQ(shown->copy(whole.rect()), whole);
}

// At a device pixel ratio of 2 every design pixel, texts included, is a 2 x 2 block of the
// frame at a ratio of 1. The ratio is fixed when the program starts, so each frame comes from
// a run of this test program of its own (the MenuAtTheRatioOfThisRun case below).
TEST_F(DesignViewTest, ARatioOfTwoShowsTheOneTimesFrameWithEveryPixelDoubled) {
    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    const auto shot = [&](const char* ratio) {
        const QString file = out.filePath(QStringLiteral("menu%1.png").arg(ratio));
        QProcess run;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_SCALE_FACTOR", ratio);
        env.insert("ZEMBRIK_MENU_SHOT", file);
        run.setProcessEnvironment(env);
        run.start(QCoreApplication::applicationFilePath(),
                  {"--gtest_filter=DesignViewTest.MenuAtTheRatioOfThisRun"});
        EXPECT_TRUE(run.waitForFinished(60'000));
        EXPECT_EQ(run.exitCode(), 0) << run.readAllStandardOutput().toStdString();
        return QImage(file).convertToFormat(QImage::Format_RGB32);
    };
    const QImage one = shot("1"), two = shot("2");
    ASSERT_EQ(one.size(), QSize(640, 480));
    ASSERT_EQ(two.size(), QSize(1280, 960));
    expectBlocks(one, two, 2, QPoint(0, 0));
}

// Writes the menu as the window's backing store holds it to $ZEMBRIK_MENU_SHOT; skipped
// without it.
TEST_F(DesignViewTest, MenuAtTheRatioOfThisRun) {
    const QByteArray file = qgetenv("ZEMBRIK_MENU_SHOT");
    if (file.isEmpty())
        GTEST_SKIP() << "run by ARatioOfTwoShowsTheOneTimesFrameWithEveryPixelDoubled";
    startUp();
    w->repaint();
    const auto* shown = dynamic_cast<QImage*>(w->backingStore()->paintDevice());
    ASSERT_NE(shown, nullptr);
    ASSERT_TRUE(shown->copy(QRect(QPoint(), w->size() * w->devicePixelRatio())).save(file));
}

} // namespace
} // namespace zembrik::test
