// SPDX-License-Identifier: GPL-3.0-or-later
// The menu panel: level bar lighting, the five selectors and the About text.
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

#include "app/menu_panel.h"
#include "core/record.h"

namespace zembrik {
namespace {

class MenuPanelTest : public ::testing::Test {
  protected:
    GameOptions o;
    QWidget window;
    MenuPanel* panel = new MenuPanel(o, &window);

    void click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }
    static uint32_t unlit(int i) {
        constexpr uint32_t kGroups[4] = {0x004040, 0x004000, 0x404000, 0x400000};
        return kGroups[i / 5];
    }
    QColor shown(QWidget* w) const { return w->palette().color(QPalette::Window); }
};

TEST_F(MenuPanelTest, LevelClickLightsEveryLevelUpToIt) {
    click(panel->levelButton(7));
    EXPECT_EQ(o.startLevel, 7);
    EXPECT_EQ(panel->levelText(), "H7");
    for (int i = 0; i < 20; ++i) {
        const uint32_t want = i <= 7 ? unlit(i) * 3 : unlit(i);
        EXPECT_EQ(panel->levelColour(i), want) << "button " << i;
        EXPECT_EQ(shown(panel->levelButton(i)), QColor::fromRgb(want)) << "button " << i;
    }
    click(panel->levelButton(3));
    EXPECT_EQ(o.startLevel, 3);
    for (int i = 4; i <= 7; ++i)
        EXPECT_EQ(panel->levelColour(i), unlit(i));
    EXPECT_EQ(panel->levelColour(3), 0x00C0C0u);
}

TEST_F(MenuPanelTest, LitColoursAreTheTripledGroupColours) {
    panel->shplvl_Click(19);
    EXPECT_EQ(panel->levelColour(0), 0x00C0C0u);
    EXPECT_EQ(panel->levelColour(5), 0x00C000u);
    EXPECT_EQ(panel->levelColour(10), 0xC0C000u);
    EXPECT_EQ(panel->levelColour(19), 0xC00000u);
}

TEST_F(MenuPanelTest, LevelTwentyLightsAllButtonsAndShowsItsText) {
    panel->shplvl_Click(20);
    EXPECT_EQ(o.startLevel, 20);
    EXPECT_EQ(panel->levelText(), "?!");
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(panel->levelColour(i), unlit(i) * 3);
    panel->shplvl_Click(0);
    EXPECT_EQ(panel->levelColour(0), 0x00C0C0u);
    EXPECT_EQ(panel->levelColour(1), 0x004040u);
    EXPECT_EQ(panel->levelText(), "H0");
}

TEST_F(MenuPanelTest, LevelBarPlacesTwoRowsOfTen) {
    EXPECT_EQ(panel->levelButton(0)->geometry(), QRect(0, 0, 18, 15));
    EXPECT_EQ(panel->levelButton(9)->geometry(), QRect(171, 0, 18, 15));
    EXPECT_EQ(panel->levelButton(10)->geometry(), QRect(0, 18, 18, 15));
    EXPECT_EQ(panel->levelButton(19)->geometry(), QRect(171, 18, 18, 15));
    EXPECT_EQ(panel->geometry(), QRect(216, 80, 192, 392));
}

TEST_F(MenuPanelTest, TwoWaySelectorsSwapTheirSquares) {
    click(panel->square(Selector::Hold, 1));
    EXPECT_EQ(o.holdOpt, 1);
    EXPECT_TRUE(panel->isSelected(Selector::Hold, 1));
    EXPECT_FALSE(panel->isSelected(Selector::Hold, 0));
    EXPECT_EQ(shown(panel->square(Selector::Hold, 1)), QColor(255, 255, 255));
    click(panel->square(Selector::Hold, 0));
    EXPECT_EQ(o.holdOpt, 0);
    EXPECT_EQ(shown(panel->square(Selector::Hold, 1)), QColor(64, 64, 64));

    click(panel->square(Selector::Ghost, 1));
    click(panel->square(Selector::Next, 0));
    EXPECT_EQ(o.ghostOpt, 1);
    EXPECT_EQ(o.nextOpt, 0);
    EXPECT_TRUE(panel->isSelected(Selector::Next, 0));
    EXPECT_FALSE(panel->isSelected(Selector::Next, 1));
}

TEST_F(MenuPanelTest, ClimbSelectorGivesLimitsZeroOneAndThree) {
    Game g;
    click(panel->square(Selector::Climb, 2));
    EXPECT_EQ(o.clbOpt, 2);
    applyOptions(g, o);
    EXPECT_EQ(g.climbLimit, 3);
    click(panel->square(Selector::Climb, 1));
    applyOptions(g, o);
    EXPECT_EQ(g.climbLimit, 1);
    EXPECT_FALSE(panel->isSelected(Selector::Climb, 2));
    click(panel->square(Selector::Climb, 0));
    applyOptions(g, o);
    EXPECT_EQ(g.climbLimit, 0);
    EXPECT_EQ(o.clbOpt, 0);
}

TEST_F(MenuPanelTest, ReclickingTheSelectedSquareKeepsItWhite) {
    click(panel->square(Selector::Qua, 2));
    click(panel->square(Selector::Qua, 2));
    EXPECT_EQ(o.quaOpt, 2);
    EXPECT_TRUE(panel->isSelected(Selector::Qua, 2));
    EXPECT_FALSE(panel->isSelected(Selector::Qua, 0));
    EXPECT_FALSE(panel->isSelected(Selector::Qua, 1));
}

TEST_F(MenuPanelTest, StartUpShowsExactlyOneSquarePerSelector) {
    o.holdOpt = 1;
    o.quaOpt = 2;
    o.nextOpt = 1;
    o.ghostOpt = 0;
    o.clbOpt = 1;
    o.mode = Mode::Sprint;
    panel->rerunOptionHandlers();
    const std::pair<Selector, int> want[] = {{Selector::Hold, 1},  {Selector::Qua, 2},
                                             {Selector::Ghost, 0}, {Selector::Next, 1},
                                             {Selector::Climb, 1}, {Selector::GameMode, 1}};
    for (auto [s, k] : want) {
        int count = 0;
        for (int i = 0; i < 3; ++i)
            count += panel->isSelected(s, i) ? 1 : 0;
        EXPECT_EQ(count, 1);
        EXPECT_TRUE(panel->isSelected(s, k));
    }
}

TEST_F(MenuPanelTest, ButtonsSignalStartDialogsAndAbout) {
    int starts = 0, controls = 0, settings = 0, abouts = 0;
    QObject::connect(panel, &MenuPanel::startClicked, [&] { ++starts; });
    QObject::connect(panel, &MenuPanel::controlsClicked, [&] { ++controls; });
    QObject::connect(panel, &MenuPanel::settingsClicked, [&] { ++settings; });
    QObject::connect(panel, &MenuPanel::aboutPressed, [&] { ++abouts; });
    click(panel->startButton());
    click(panel->controlsButton());
    click(panel->settingsButton());
    QTest::mousePress(panel->aboutButton(), Qt::RightButton);
    // QTest keeps the buttons it pressed for every later window: a button left down turns the
    // next test's clicks into drags.
    QTest::mouseRelease(panel->aboutButton(), Qt::RightButton);
    EXPECT_EQ(starts, 1);
    EXPECT_EQ(controls, 1);
    EXPECT_EQ(settings, 1);
    EXPECT_EQ(abouts, 1);
}

TEST(AboutText, HasEightLinesInOrder) {
    const QStringList l = aboutText().split("\r\n");
    ASSERT_EQ(l.size(), 8);
    EXPECT_EQ(l[0], "Zembrik");
    EXPECT_EQ(l[2], "Built with C++20 and Qt 6");
    EXPECT_EQ(l[3], "Version2011.4.11");
    EXPECT_TRUE(l[4].startsWith("WEBSITE: "));
    EXPECT_EQ(l[5], "");
    EXPECT_EQ(l[6], "Thanks to:");
    EXPECT_FALSE(l[7].isEmpty());
    EXPECT_FALSE(aboutText().contains('\n' + QString("\n")));
}

} // namespace
} // namespace zembrik
