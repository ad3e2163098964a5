// SPDX-License-Identifier: GPL-3.0-or-later
// The game window with a fake clock, for the session's, the design view's and the window's
// tests: a folder of settings, a clock that jumps to each wait's end, recorded alerts and exits.
#pragma once

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

namespace zembrik::test {

// Time that jumps to the deadline of each wait (one game step per pass), with a hook the test
// uses to act inside a game: events it posts run before the next pass.
struct FakeClock : Clock {
    int64_t now = 1'000'000'000;
    int sleeps = 0;
    std::function<void(int)> onSleep;
    int64_t frequency() const override { return 1'000'000'000; }
    std::function<void()> onCounter; // called at every reading, inside passes too
    int64_t counter() override {
        if (onCounter) onCounter();
        return now;
    }
    uint32_t milliseconds() override { return static_cast<uint32_t>(now / 1'000'000); }
    int64_t millisecondsUntil(int64_t deadline) override {
        now = std::max(now, deadline);
        ++sleeps;
        if (onSleep) onSleep(sleeps);
        return 0;
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

inline void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

inline QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class WindowTest : public ::testing::Test {
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
    // The menu's options: what the next game starts with.
    GameOptions& opts() { return w->settings().options; }

    void post(QEvent::Type type, Qt::Key key, bool autoRepeat = false) {
        QCoreApplication::postEvent(
            w.get(), new QKeyEvent(type, key, Qt::NoModifier, QString(), autoRepeat));
    }
    // Runs a game started by `start` until it ends; `during` acts at each wait between passes.
    void play(const std::function<void()>& start, const std::function<void(int)>& during) {
        clock.sleeps = 0;
        clock.onSleep = during;
        start();
        while (w->session().running())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
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
            EXPECT_TRUE(w->session().paused());
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

// The window at other sizes: the whole design enlarged by a whole factor, clicks mapped back.
class ScaledWindowTest : public WindowTest {
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

} // namespace zembrik::test
