// SPDX-License-Identifier: GPL-3.0-or-later
// Game controllers through SDL's virtual joystick: buttons and the stick in the real window,
// hysteresis, the stick and D-pad merged, unplugging, the active window, replays.
#include <SDL.h>

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>
#include <optional>

#include "app/controls_dialog.h"
#include "app/menu_highlight.h"
#include "app/pad_column.h"
#include "app/pad_input.h"
#include "app/watch_row.h"
#include "replay/player.h"
#include "store/replay_files.h"
#include "window_fixture.h"

namespace zembrik::test {
namespace {

// A pad SDL takes for a game controller, with every button and axis.
class VirtualPad {
  public:
    VirtualPad() {
        SDL_VirtualJoystickDesc d{};
        d.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        d.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        d.naxes = SDL_CONTROLLER_AXIS_MAX;
        d.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
        d.name = "test pad";
        index_ = SDL_JoystickAttachVirtualEx(&d);
        EXPECT_GE(index_, 0) << SDL_GetError();
        joy_ = SDL_JoystickOpen(index_);
        EXPECT_NE(joy_, nullptr) << SDL_GetError();
    }
    ~VirtualPad() { unplug(); }
    void button(int b, bool down) { SDL_JoystickSetVirtualButton(joy_, b, down ? 1 : 0); }
    void axis(int a, int16_t v) { SDL_JoystickSetVirtualAxis(joy_, a, v); }
    void unplug() {
        if (!joy_) return;
        SDL_JoystickClose(joy_);
        joy_ = nullptr;
        SDL_JoystickDetachVirtual(index_);
    }

  private:
    int index_ = -1;
    SDL_Joystick* joy_ = nullptr;
};

// The actions reported, as "+N" and "-N" for action N going down and up.
std::vector<std::string> actions(const QSignalSpy& spy) {
    std::vector<std::string> out;
    for (const QList<QVariant>& args : spy)
        out.push_back((args[1].toBool() ? "+" : "-") +
                      std::to_string(static_cast<int>(args[0].value<Action>())));
    return out;
}

class PadTest : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        qRegisterMetaType<zembrik::Action>();
        qRegisterMetaType<zembrik::PadCommand>();
    }
};

TEST(PadInputTest, StickHasHysteresisAndNeverCancelsAHeldDpad) {
    PadInput pads("");
    ASSERT_TRUE(pads.available());
    VirtualPad pad;
    pads.poll();
    ASSERT_EQ(pads.padCount(), 1);
    QSignalSpy spy(&pads, &PadInput::action);
    const auto stick = [&](int16_t x, int16_t y) {
        pad.axis(SDL_CONTROLLER_AXIS_LEFTX, x);
        pad.axis(SDL_CONTROLLER_AXIS_LEFTY, y);
        pads.poll();
    };
    stick(-15000, 0); // 46 %: not yet
    EXPECT_TRUE(actions(spy).empty());
    stick(-17000, 0); // 52 %: left
    stick(-14000, 0); // 43 %: still left
    EXPECT_EQ(actions(spy), std::vector<std::string>{"+0"});
    stick(-12000, 0); // 37 %: let go
    EXPECT_EQ(actions(spy), (std::vector<std::string>{"+0", "-0"}));
    spy.clear();
    // A diagonal leaning down gives down (soft drop) only.
    stick(-20000, 25000);
    EXPECT_EQ(actions(spy), std::vector<std::string>{"+2"});
    stick(0, 0);
    spy.clear();
    // The D-pad holds left; the stick brushing left and back does not let it go.
    pad.button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, true);
    pads.poll();
    stick(-30000, 0);
    stick(0, 0);
    EXPECT_EQ(actions(spy), std::vector<std::string>{"+0"});
    pad.button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, false);
    pads.poll();
    EXPECT_EQ(actions(spy), (std::vector<std::string>{"+0", "-0"}));
    spy.clear();
    // Two pads hold the same action: it goes up when both let go.
    VirtualPad second;
    pads.poll();
    pad.button(SDL_CONTROLLER_BUTTON_A, true);
    second.button(SDL_CONTROLLER_BUTTON_A, true);
    pads.poll();
    pad.button(SDL_CONTROLLER_BUTTON_A, false);
    pads.poll();
    EXPECT_EQ(actions(spy), std::vector<std::string>{"+4"});
    second.button(SDL_CONTROLLER_BUTTON_A, false);
    pads.poll();
    EXPECT_EQ(actions(spy), (std::vector<std::string>{"+4", "-4"}));
}

TEST(PadInputTest, WhatIsHeldWhenTheWindowBecomesActiveCountsOnlyOnceLetGo) {
    PadInput pads("");
    VirtualPad pad;
    pads.poll();
    QSignalSpy spy(&pads, &PadInput::action);
    QSignalSpy commands(&pads, &PadInput::command);
    // Held while another program had the focus, or from before: A and the stick's left.
    pad.button(SDL_CONTROLLER_BUTTON_A, true);
    pads.poll();
    pads.setActive(false);
    pad.axis(SDL_CONTROLLER_AXIS_LEFTX, -30000);
    pads.poll();
    spy.clear();
    commands.clear();
    pads.setActive(true);
    pads.poll();
    EXPECT_TRUE(actions(spy).empty());
    EXPECT_EQ(commands.count(), 0);
    // A fresh press counts at once; the held ones only once let go and pressed again.
    pad.button(SDL_CONTROLLER_BUTTON_B, true);
    pads.poll();
    pad.button(SDL_CONTROLLER_BUTTON_A, false);
    pad.axis(SDL_CONTROLLER_AXIS_LEFTX, 0);
    pads.poll();
    EXPECT_EQ(actions(spy), std::vector<std::string>{"+3"});
    pad.button(SDL_CONTROLLER_BUTTON_A, true);
    pad.axis(SDL_CONTROLLER_AXIS_LEFTX, -30000);
    pads.poll();
    EXPECT_EQ(actions(spy), (std::vector<std::string>{"+3", "+4", "+0"}));
}

TEST_F(PadTest, PadPlaysInTheActiveWindowOnlyAndUnplugPauses) {
    startUp();
    VirtualPad pad;
    w->pads()->poll();
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    PadInput& pads = *w->pads();
    const auto tap = [&](int b) {
        pad.button(b, true);
        pads.poll();
        pad.button(b, false);
        pads.poll();
    };
    std::vector<int> xs;
    QWidget other;
    std::optional<VirtualPad> pad2;
    const auto tapOn = [&](VirtualPad& p, int b) {
        p.button(b, true);
        pads.poll();
        p.button(b, false);
        pads.poll();
    };
    // The first piece comes after the entry delay of about 120 steps.
    play([&] { tap(SDL_CONTROLLER_BUTTON_START); },
         [&](int n) {
             if (n == 130) xs.push_back(g().curX);
             if (n == 131) tap(SDL_CONTROLLER_BUTTON_DPAD_LEFT);
             if (n == 136) {
                 xs.push_back(g().curX); // one to the left
                 other.show();
                 other.activateWindow();
                 EXPECT_TRUE(QTest::qWaitForWindowActive(&other));
                 w->session().setPaused(false); // the focus-loss pause is not this test's
             }
             if (n == 137) tap(SDL_CONTROLLER_BUTTON_DPAD_LEFT); // another program's press
             if (n == 140) {
                 xs.push_back(g().curX); // unmoved
                 w->activateWindow();
                 EXPECT_TRUE(QTest::qWaitForWindowActive(w.get()));
                 w->session().setPaused(false);
                 tap(SDL_CONTROLLER_BUTTON_DPAD_UP); // hard drop: the game has a replay
             }
             if (n == 141) {
                 pad.button(SDL_CONTROLLER_BUTTON_DPAD_DOWN, true);
                 pads.poll();
             }
             if (n == 143) {
                 EXPECT_EQ(g().keyMdDown, 1);
                 pad.unplug();
                 pads.poll();
                 EXPECT_EQ(g().keyMdDown, 0); // released
                 EXPECT_TRUE(w->session().paused());
                 pad2.emplace();
                 w->pads()->poll();
                 tapOn(*pad2, SDL_CONTROLLER_BUTTON_BACK); // leaves the game
             }
             if (n > 400) w->gotomenu(); // never reached if it works
         });
    ASSERT_EQ(xs.size(), 3u);
    EXPECT_EQ(xs[1], xs[0] - 1);
    EXPECT_EQ(xs[2], xs[1]);
    // Back on the menu never closes the window.
    tapOn(*pad2, SDL_CONTROLLER_BUTTON_BACK);
    EXPECT_TRUE(exits.empty());
    // The game's replay reruns to its end.
    w->session().replays().flush();
    const QString folder = data("replays");
    const auto files = listReplays(folder.toStdString());
    ASSERT_EQ(files.size(), 1u);
    ReplayRead read =
        readReplayFile((folder + "/" + QString::fromStdString(files[0])).toStdString());
    ASSERT_EQ(read.error, "");
    EXPECT_TRUE(
        std::any_of(read.replay.entries.begin(), read.replay.entries.end(),
                    [](const ReplayEntry& e) { return e.kind == ReplayEntry::Kind::ActionDown; }));
    Game again;
    NullHost host;
    ReplayPlayer player(read.replay, again, host);
    player.start();
    while (player.runCall()) {
    }
    EXPECT_EQ(player.divergence(), "");
    EXPECT_TRUE(player.finished());
    EXPECT_EQ(read.replay.end, GameEnd::Escape);
}

TEST_F(PadTest, AnActionHeldByAnotherDeviceStaysDownWhenAPadLetsGoOrIsPulledOut) {
    startUp();
    VirtualPad pad;
    std::optional<VirtualPad> second(std::in_place);
    PadInput& pads = *w->pads();
    pads.poll();
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    const auto set = [&](VirtualPad& p, int b, bool on) {
        p.button(b, on);
        pads.poll();
    };
    std::vector<int> left, down;
    play([&] { w->startGame(); },
         [&](int n) {
             if (n == 125) {
                 w->keyDownCode(37); // the keyboard holds move left
                 set(pad, SDL_CONTROLLER_BUTTON_DPAD_LEFT, true);
                 set(pad, SDL_CONTROLLER_BUTTON_DPAD_DOWN, true);
                 set(*second, SDL_CONTROLLER_BUTTON_DPAD_DOWN, true);
             }
             if (n == 130) {
                 set(pad, SDL_CONTROLLER_BUTTON_DPAD_LEFT, false);
                 left.push_back(g().keyMlDown);
                 second->unplug();
                 pads.poll();
                 down.push_back(g().keyMdDown);
                 w->session().setPaused(false); // the unplug's pause is not this test's
             }
             if (n == 135) {
                 w->keyUpCode(37);
                 left.push_back(g().keyMlDown);
                 set(pad, SDL_CONTROLLER_BUTTON_DPAD_DOWN, false);
                 down.push_back(g().keyMdDown);
                 w->gotomenu();
             }
             if (n > 400) w->gotomenu(); // never reached if it works
         });
    EXPECT_EQ(left, (std::vector<int>{1, 0}));
    EXPECT_EQ(down, (std::vector<int>{1, 0}));
}

TEST_F(PadTest, PadLayoutIsReadFromItsFileAndBadLinesKeepTheirDefaults) {
    // Move left and right swapped, soft drop unreadable, the rest missing.
    writeFile(data("option_pad.000"), "dpright\r\ndpleft x\r\nnot-a-button\r\n");
    startUp();
    PadLayout want = defaultPadLayout();
    want.buttons[0] = 1u << kPadRight;
    want.buttons[1] = (1u << kPadLeft) | (1u << kPadX);
    EXPECT_EQ(w->pads()->layout(), want);
    w->shutDown(); // written whole: the bad line is said once, not at every start
    EXPECT_EQ(readFile(data("option_pad.000")),
              "dpright\r\nx dpleft\r\ndpdown\r\nb\r\na\r\ny\r\ndpup\r\n"
              "leftshoulder rightshoulder\r\n");
    EXPECT_EQ(exits, std::vector<int>{0});
}

TEST_F(PadTest, ControlsDialogTakesAPadButtonPressedInItsBoxAndARestartKeepsIt) {
    startUp();
    VirtualPad pad;
    PadInput& pads = *w->pads();
    pads.poll();
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    const auto press = [&](int b) {
        pad.button(b, true);
        pads.poll();
        pad.button(b, false);
        pads.poll();
    };
    const auto bit = [](int b) { return uint32_t{1} << b; };
    const auto turnRight = static_cast<size_t>(Action::TurnRight);
    const auto turnLeft = static_cast<size_t>(Action::TurnLeft);
    const auto hold = static_cast<size_t>(Action::Hold);
    bool ran = false;
    QTimer::singleShot(0, [&] {
        auto* d = qobject_cast<ControlsDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowActive(d));
        const auto& boxes = d->padColumn()->boxes();
        const auto choose = [&](size_t a) {
            boxes[a]->setFocus();
            QApplication::processEvents();
        };
        EXPECT_EQ(boxes[hold]->text(), "Left shoulder, Right shoulder");
        press(SDL_CONTROLLER_BUTTON_X); // no box chosen yet: nothing
        choose(turnRight);
        press(SDL_CONTROLLER_BUTTON_X);
        EXPECT_EQ(boxes[turnRight]->text(), "X");
        // Start pauses a game and is never an action's; D-pad down is taken, not a menu move.
        press(SDL_CONTROLLER_BUTTON_START);
        EXPECT_EQ(boxes[turnRight]->text(), "X");
        press(SDL_CONTROLLER_BUTTON_DPAD_DOWN);
        EXPECT_TRUE(w->highlight()->isHidden());
        EXPECT_EQ(boxes[turnRight]->text(), "D-pad down");
        EXPECT_TRUE(boxes[turnRight]->clashing()) << "soft drop has it too";
        EXPECT_EQ(d->clashLine()->text(), "Soft drop and Turn right share pad button D-pad down.");
        press(SDL_CONTROLLER_BUTTON_X);
        EXPECT_EQ(d->clashLine()->text(), "");
        // Esc, or Back on the pad, leaves a box as it was.
        choose(turnLeft);
        QTest::keyClick(boxes[turnLeft], Qt::Key_Escape);
        EXPECT_FALSE(boxes[turnLeft]->hasFocus());
        EXPECT_TRUE(d->isVisible());
        choose(turnLeft);
        press(SDL_CONTROLLER_BUTTON_BACK);
        EXPECT_FALSE(boxes[turnLeft]->hasFocus());
        press(SDL_CONTROLLER_BUTTON_Y); // no box waits now
        EXPECT_EQ(boxes[turnLeft]->text(), "B");
        // A held button counts once it is let go and pressed again.
        pad.button(SDL_CONTROLLER_BUTTON_A, true);
        pads.poll();
        choose(hold);
        pad.button(SDL_CONTROLLER_BUTTON_A, false);
        pads.poll();
        EXPECT_EQ(boxes[hold]->text(), "Left shoulder, Right shoulder");
        press(SDL_CONTROLLER_BUTTON_A);
        EXPECT_EQ(boxes[hold]->text(), "A");
        EXPECT_EQ(d->clashLine()->text(), "");
        ran = true;
        d->closeButton()->click();
    });
    w->openControls();
    ASSERT_TRUE(ran);
    PadLayout want = defaultPadLayout();
    want.buttons[turnRight] = bit(kPadX);
    want.buttons[hold] = bit(kPadA);
    EXPECT_EQ(pads.layout(), want);
    w->shutDown();
    EXPECT_EQ(exits, std::vector<int>{0});
    w.reset();
    startUp();
    EXPECT_EQ(w->pads()->layout(), want);
}

TEST_F(PadTest, MenuHighlightFromKeysAndPad) {
    startUp();
    MenuHighlight& h = *w->highlight();
    const int level = opts().startLevel, hold = opts().holdOpt;
    QTest::keyClick(w->menu(), Qt::Key_Down); // shows it on the level row
    EXPECT_FALSE(h.isHidden());
    EXPECT_EQ(h.row(), MenuHighlight::Row::Level);
    QTest::keyClick(w->menu(), Qt::Key_Right);
    QTest::keyClick(w->menu(), Qt::Key_Right);
    QTest::keyClick(w->menu(), Qt::Key_Left);
    EXPECT_EQ(opts().startLevel, level + 1);
    QTest::keyClick(w->menu(), Qt::Key_Tab);
    EXPECT_EQ(h.row(), MenuHighlight::Row::Hold);
    QTest::keyClick(w->menu(), Qt::Key_Return); // an option row goes round its values
    EXPECT_EQ(opts().holdOpt, 1 - hold);
    QTest::keyClick(w->menu(), Qt::Key_Return);
    EXPECT_EQ(opts().holdOpt, hold);
    QTest::keyClick(w->menu(), Qt::Key_Return);
    EXPECT_EQ(opts().holdOpt, 1 - hold);
    EXPECT_EQ(g().inGame, InGame::Menu);
    QTest::keyClick(w->menu(), Qt::Key_Backtab, Qt::ShiftModifier);
    QTest::keyClick(w->menu(), Qt::Key_Up); // round the top to watching, beside the panel
    EXPECT_EQ(h.row(), MenuHighlight::Row::Watch);
    auto* watch = w->findChild<WatchRow*>();
    ASSERT_NE(watch, nullptr);
    EXPECT_FALSE(watch->isHidden());
    EXPECT_TRUE(watch->highlighted());
    // Enter there watches the newest replay: there is none yet, and a message says so.
    QTest::keyClick(w->menu(), Qt::Key_Return);
    EXPECT_EQ(alerts.shown.size(), 1u);
    EXPECT_EQ(g().inGame, InGame::Menu);
    QTest::mouseClick(watch, Qt::LeftButton); // so does a click on it
    EXPECT_EQ(alerts.shown.size(), 2u);
    // The pad drives the same highlight: down round to the level row, A starts there.
    VirtualPad pad;
    PadInput& pads = *w->pads();
    pads.poll();
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    pad.button(SDL_CONTROLLER_BUTTON_DPAD_DOWN, true);
    pads.poll();
    EXPECT_EQ(h.row(), MenuHighlight::Row::Level);
    EXPECT_FALSE(watch->highlighted());
    pad.button(SDL_CONTROLLER_BUTTON_DPAD_DOWN, false);
    pad.button(SDL_CONTROLLER_BUTTON_A, true);
    play([&] { pads.poll(); },
         [&](int n) {
             if (n == 2) post(QEvent::KeyPress, Qt::Key_Escape);
         });
    EXPECT_EQ(g().startLevel, level + 1);
}

} // namespace
} // namespace zembrik::test
