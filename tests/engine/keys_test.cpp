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
        g.keyMl = 37;
        g.keyMr = 39;
        g.keyMd = 40;
        g.keyRl = 90;
        g.keyRr = 38;
        g.keyRo = 65;
        g.keyFd = 32;
        g.keyHd = 67;
        g.keySt = 13;
        releaseAllKeys(g);
    }
    Game g = newRecord();
    RecordingHost host;
};

} // namespace

TEST_F(Keys, DownSetsAndUpClearsFlagAndLatch) {
    keyDown(g, host, 37);
    EXPECT_EQ(g.keyMlDown, 1);
    g.mlCount = 5;
    keyUp(g, 37);
    EXPECT_EQ(g.keyMlDown, 0);
    EXPECT_EQ(g.mlCount, 0);

    keyDown(g, host, 32);
    g.fdCmd = Latch::UsedUp;
    keyUp(g, 32);
    EXPECT_EQ(g.fdCmd, Latch::Idle);
}

TEST_F(Keys, ReleasingARotationKeyDoesNotUndoTheTurn) {
    keyDown(g, host, 90);
    g.curMode = 3;
    g.rlCmd = Latch::UsedUp;
    keyUp(g, 90);
    EXPECT_EQ(g.rlCmd, Latch::Idle);
    EXPECT_EQ(g.curMode, 3);
}

TEST_F(Keys, EscapeRunsGotomenuOnTheMenuToo) {
    keyDown(g, host, 27);
    g.inGame = InGame::Menu;
    keyDown(g, host, 27);
    EXPECT_EQ(host.gotomenus, 2);
}

TEST_F(Keys, NothingElseReactsOnTheMenu) {
    g.inGame = InGame::Menu;
    g.debugOpt = 1;
    keyDown(g, host, 37);
    keyDown(g, host, 51);
    EXPECT_EQ(g.keyMlDown, 0);
    EXPECT_EQ(g.nextBlox[0], 1);
    g.keyMlDown = 1;
    keyUp(g, 37); // released on the menu: the flag stays until the next game clears it
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
    g.keyFd = 90; // hard drop shares rotate left's key
    g.keyHd = 37; // hold shares move left's key
    keyDown(g, host, 90);
    keyDown(g, host, 37);
    EXPECT_EQ(g.keyRlDown, 1);
    EXPECT_EQ(g.keyFdDown, 0);
    EXPECT_EQ(g.keyMlDown, 1);
    EXPECT_EQ(g.keyHdDown, 0);
    g.keyFdDown = 1;
    g.fdCmd = Latch::UsedUp;
    keyUp(g, 90);
    EXPECT_EQ(g.keyRlDown, 0);
    EXPECT_EQ(g.keyFdDown, 1);
    EXPECT_EQ(g.fdCmd, Latch::UsedUp);
}

TEST_F(Keys, FocusLossReleasesEveryHeldKey) {
    keyDown(g, host, 37);
    keyDown(g, host, 90);
    keyDown(g, host, 67);
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

TEST_F(Keys, MenuKeyStartsThenEscapes) {
    EXPECT_TRUE(menuKeyDown(g, 13).startGame);
    EXPECT_FALSE(menuKeyDown(g, 13).escape);
    EXPECT_TRUE(menuKeyDown(g, 27).escape);
    EXPECT_FALSE(menuKeyDown(g, 37).startGame);
    g.keySt = 27;
    const MenuKey both = menuKeyDown(g, 27);
    EXPECT_TRUE(both.startGame && both.escape);
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
