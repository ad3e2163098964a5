// SPDX-License-Identifier: GPL-3.0-or-later
// Key handlers and the rotation command protocol.
#include <gtest/gtest.h>

#include "engine/keys.h"
#include "well_builder.h"

using namespace zembrik;
using namespace zembrik::test;

namespace {

class Keys : public ::testing::Test {
  protected:
    void SetUp() override {
        assignDefaultKeys(g);
        releaseAllKeys(g);
    }
    Game g = newRecord();
    RecordingHost host;
};

} // namespace

TEST_F(Keys, DownSetsAndUpClearsFlagAndLatch) {
    keyDown(g, host, kDefaultKeys.ml);
    EXPECT_EQ(g.keyMlDown, 1);
    g.mlCount = 5;
    keyUp(g, kDefaultKeys.ml);
    EXPECT_EQ(g.keyMlDown, 0);
    EXPECT_EQ(g.mlCount, 0);

    keyDown(g, host, kDefaultKeys.fd);
    g.fdCmd = Latch::UsedUp;
    keyUp(g, kDefaultKeys.fd);
    EXPECT_EQ(g.fdCmd, Latch::Idle);
}

TEST_F(Keys, ReleasingARotationKeyDoesNotUndoTheTurn) {
    keyDown(g, host, kDefaultKeys.rl);
    g.curMode = 3;
    g.rlCmd = Latch::UsedUp;
    keyUp(g, kDefaultKeys.rl);
    EXPECT_EQ(g.rlCmd, Latch::Idle);
    EXPECT_EQ(g.curMode, 3);
}

TEST_F(Keys, EscapeRunsGotomenuOnTheMenuToo) {
    keyDown(g, host, kKeyEscape);
    g.inGame = InGame::Menu;
    keyDown(g, host, kKeyEscape);
    EXPECT_EQ(host.gotomenus, 2);
}

TEST_F(Keys, NothingElseReactsOnTheMenu) {
    g.inGame = InGame::Menu;
    g.debugOpt = 1;
    keyDown(g, host, kDefaultKeys.ml);
    keyDown(g, host, 51);
    EXPECT_EQ(g.keyMlDown, 0);
    EXPECT_EQ(g.nextBlox[0], 1);
    g.keyMlDown = 1;
    keyUp(g, kDefaultKeys.ml); // released on the menu: the flag stays until the next game clears it
    EXPECT_EQ(g.keyMlDown, 1);
}

TEST_F(Keys, DebugDigitsOnlyInDebugMode) {
    keyDown(g, host, 51);
    EXPECT_EQ(g.nextBlox[0], 1);
    g.debugOpt = 1;
    keyDown(g, host, 51);
    EXPECT_EQ(g.nextBlox[0], 3);
    keyDown(g, host, 55);
    EXPECT_EQ(g.nextBlox[0], 7);
    keyDown(g, host, 56); // 8 is no debug key
    EXPECT_EQ(g.nextBlox[0], 7);
    keyDown(g, host, 57);
    EXPECT_EQ(host.levelClicks, std::vector<int16_t>{20});
}

TEST_F(Keys, DigitThatIsAlsoAssignedDoesBoth) {
    g.debugOpt = 1;
    g.keyHd = 50;
    keyDown(g, host, 50);
    EXPECT_EQ(g.nextBlox[0], 2);
    EXPECT_EQ(g.keyHdDown, 1);
}

TEST_F(Keys, SharedCodeGoesToTheFirstFunctionInOrder) {
    g.keyFd = kDefaultKeys.rl; // hard drop shares rotate left's key
    g.keyHd = kDefaultKeys.ml; // hold shares move left's key
    keyDown(g, host, kDefaultKeys.rl);
    keyDown(g, host, kDefaultKeys.ml);
    EXPECT_EQ(g.keyRlDown, 1);
    EXPECT_EQ(g.keyFdDown, 0);
    EXPECT_EQ(g.keyMlDown, 1);
    EXPECT_EQ(g.keyHdDown, 0);
    g.keyFdDown = 1;
    g.fdCmd = Latch::UsedUp;
    keyUp(g, kDefaultKeys.rl);
    EXPECT_EQ(g.keyRlDown, 0);
    EXPECT_EQ(g.keyFdDown, 1);
    EXPECT_EQ(g.fdCmd, Latch::UsedUp);
}

TEST_F(Keys, FocusLossReleasesEveryHeldKey) {
    keyDown(g, host, kDefaultKeys.ml);
    keyDown(g, host, kDefaultKeys.rl);
    keyDown(g, host, kDefaultKeys.hd);
    g.mlCount = 3;
    g.rlCmd = Latch::UsedUp;
    g.holdCmd = Latch::UsedUp;
    g.rrCmd = Latch::UsedUp; // not held: a latch of a released key stays
    releaseHeldKeys(g);
    EXPECT_EQ(g.keyMlDown + g.keyRlDown + g.keyHdDown, 0);
    EXPECT_EQ(g.mlCount, 0);
    EXPECT_EQ(g.rlCmd, Latch::Idle);
    EXPECT_EQ(g.holdCmd, Latch::Idle);
    EXPECT_EQ(g.rrCmd, Latch::UsedUp);
}

TEST_F(Keys, LatestPressWins) {
    g.keyRlDown = 1;
    kpr2kcr(g);
    EXPECT_EQ(g.rlCmd, Latch::Pending);
    g.keyRrDown = 1;
    kpr2kcr(g);
    EXPECT_EQ(g.rlCmd, Latch::UsedUp); // cancelled
    EXPECT_EQ(g.rrCmd, Latch::Pending);
    kpr2kcr(g); // held keys do not register again
    EXPECT_EQ(g.rlCmd, Latch::UsedUp);
    EXPECT_EQ(g.rrCmd, Latch::Pending);
}

TEST_F(Keys, OneRegistrationPerStepLeftFirst) {
    g.keyRlDown = g.keyRrDown = g.keyRoDown = 1;
    kpr2kcr(g);
    EXPECT_EQ(g.rlCmd, Latch::Pending);
    EXPECT_EQ(g.rrCmd, Latch::Idle);
    EXPECT_EQ(g.roCmd, Latch::Idle);
    kpr2kcr(g);
    EXPECT_EQ(g.rlCmd, Latch::UsedUp);
    EXPECT_EQ(g.rrCmd, Latch::Pending);
    kpr2kcr(g);
    EXPECT_EQ(g.rrCmd, Latch::UsedUp);
    EXPECT_EQ(g.roCmd, Latch::Pending);
}

TEST_F(Keys, ClearedTapsHoldNothingBack) {
    TapKeeper taps;
    const int ml = kDefaultKeys.ml;
    keyDown(g, host, ml);
    taps.pressed(Action::MoveLeft);
    EXPECT_TRUE(taps.holdsBack(Action::MoveLeft));
    EXPECT_EQ(taps.clear(), std::vector<Action>{Action::MoveLeft});
    EXPECT_TRUE(taps.clear().empty());
    EXPECT_FALSE(taps.holdsBack(Action::MoveLeft)); // nothing pending: a release passes at once
    EXPECT_TRUE(taps.stepsRan(5).empty());
}
