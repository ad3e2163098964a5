// SPDX-License-Identifier: GPL-3.0-or-later
// The frame renderer: layout of the well surface, layer order, level bands, hold and previews.
#include <cstring>
#include <gtest/gtest.h>

#include "render/rend.h"
#include "render/surface.h"
#include "render_fixture.h"
#include "well_builder.h"

using namespace zembrik;
using namespace zembrik::test;

namespace {

class Rend : public ::testing::Test {
  protected:
    static const Style& style() {
        static const Style s = testStyle();
        return s;
    }
    Game g = newRecord();
    Frame f;
    Background bg;
    XorShiftRandom rnd{7};

    void draw(int16_t nocurr = 0) { rend(g, style(), bg, rnd, nocurr, f); }
    std::string cell(int x, int y) const { return wellCell(f.p2, x, y); }
    // A cell of a 4 x 4 box drawn with siz-pixel cells at cell (bx, by).
    std::string boxCell(int bx, int by, int siz, int i, int j) const {
        return squareAt(f.p2, (bx + i) * siz, (by + j) * siz, siz);
    }
    // Writes the active piece into the well, as a lock does.
    void lockPiece() {
        for (int k = 0; k < 16; ++k) {
            const int16_t v = g.shapes(g.curBlox, g.curMode, k);
            if (v != -1) g.field(g.curX + k % 4, g.curY + k / 4) = v;
        }
    }
};

TEST_F(Rend, WallsFloorSpawnLineAndBlackBands) {
    g.curBlox = 0;
    draw();
    EXPECT_EQ(squareAt(f.p2, 0, 64, 16), "wall");
    for (int y = 64; y <= 447; ++y) {
        ASSERT_EQ(f.p2.pixel(0, y), kLeftWall) << y;
        ASSERT_EQ(f.p2.pixel(15, y), kLeftWall) << y;
        if (y != 112) { // the spawn line ends on the right wall
            ASSERT_EQ(f.p2.pixel(176, y), kRightWall) << y;
        }
        ASSERT_EQ(f.p2.pixel(191, y), kRightWall) << y;
    }
    for (int x = 16; x <= 175; ++x) {
        ASSERT_EQ(f.p2.pixel(x, 432), kFloor) << x;
        ASSERT_EQ(f.p2.pixel(x, 447), kFloor) << x;
        ASSERT_EQ(f.p2.pixel(x, 64), qRgb(0, 0, 0)) << x; // row -1 stays black
        ASSERT_EQ(f.p2.pixel(x, 79), qRgb(0, 0, 0)) << x;
    }
    for (int x = 0; x < 192; ++x)
        for (int y = 448; y < 457; ++y)
            ASSERT_EQ(f.p2.pixel(x, y), qRgb(0, 0, 0));
    EXPECT_EQ(f.p2.pixel(15, 60), qRgb(0, 0, 0)); // beside the hold box, above the wall
    // The spawn line runs from pixel 16 to 176 on the top edge of row 2.
    EXPECT_EQ(f.p2.pixel(16, 112), qRgb(128, 128, 128));
    EXPECT_EQ(f.p2.pixel(176, 112), qRgb(128, 128, 128));
    EXPECT_EQ(f.p2.pixel(15, 112), kLeftWall);
    EXPECT_EQ(f.p2.pixel(177, 112), kRightWall);
    EXPECT_EQ(f.p2.pixel(20, 113), spriteColour(1, 15, 0));
    EXPECT_EQ(squareAt(f.p2, 16, 113, 15), "A15:0");
}

TEST_F(Rend, LowLevelsDrawTheStackWithStoredJoins) {
    setRows(g, {"#.........", "##........"});
    g.field(0, 21) = 8;
    g.field(1, 21) = 4;
    g.field(0, 20) = 2;
    draw(1);
    EXPECT_EQ(cell(0, 20), "A2:0");
    EXPECT_EQ(cell(0, 21), "A8:0");
    EXPECT_EQ(cell(1, 21), "A4:0");
    EXPECT_EQ(cell(2, 21), "A15:0");
    EXPECT_EQ(cell(3, 1), "A15:0"); // no active piece with nocurr
    g.curLevel = 9;
    draw(1);
    EXPECT_EQ(cell(0, 21), "A8:0");
}

TEST_F(Rend, ActivePieceShowsOverItsGhost) {
    g.ghostOpt = 1;
    spawn(g, T, 0, 3, 19); // T blocks (4,19) (3,20) (4,20) (5,20); it rests one row lower
    draw();
    EXPECT_EQ(cell(4, 19), "A2:3");
    EXPECT_EQ(cell(3, 20), "A8:3");
    EXPECT_EQ(cell(4, 20), "A13:3"); // the ghost's top block lies here too
    EXPECT_EQ(cell(5, 20), "A4:3");
    EXPECT_EQ(cell(3, 21), "B8:1");
    EXPECT_EQ(cell(4, 21), "B13:1");
    EXPECT_EQ(cell(5, 21), "B4:1");
    EXPECT_EQ(cell(6, 21), "A15:0");

    g.ghostOpt = 0;
    draw();
    EXPECT_EQ(cell(4, 21), "A15:0");
    g.ghostOpt = 1;
    draw(1); // without the active piece the ghost shows whole
    EXPECT_EQ(cell(4, 20), "B2:1");
    EXPECT_EQ(cell(4, 19), "A15:0");
}

TEST_F(Rend, GhostCellsAreNotRepaintedByTheStack) {
    g.ghostOpt = 1;
    setRows(g, {"##########"});
    spawn(g, I, 0, 0, 0);
    draw();
    EXPECT_EQ(cell(0, 20), "B8:1");
    EXPECT_EQ(cell(3, 20), "B4:1");
    EXPECT_EQ(cell(0, 21), "A0:0");
    EXPECT_EQ(cell(0, 1), "A8:1");
}

TEST_F(Rend, BetweenPiecesTheGhostMarksWhereTheNextPieceLands) {
    g.ghostOpt = 1;
    g.nextBlox = {I, O, T};
    setRows(g, {"...#......", "##########"});
    for (GameState state : {GameState::Entry, GameState::ClearDelay}) {
        g.gameState = state;
        draw(1);
        EXPECT_EQ(cell(3, 19), "B8:1") << state;
        EXPECT_EQ(cell(6, 19), "B4:1") << state;
        EXPECT_EQ(cell(3, 20), "A0:0") << state;
    }
    for (GameState state : {GameState::Landed, GameState::Cascade}) {
        g.gameState = state;
        draw(1);
        EXPECT_EQ(cell(3, 19), "A15:0") << state;
    }
}

TEST_F(Rend, LandingMarkIsDrawnOverTheJustLockedPiece) {
    // Level 20, state 5: the mark of the next piece ignores what the active piece drew.
    g.ghostOpt = 1;
    g.curLevel = 20;
    g.nextBlox = {I, O, T};
    spawn(g, I, 1, 2, 0); // vertical I in column 4, rows 0..3: the next I cannot drop at all
    lockPiece();
    g.gameState = GameState::ClearDelay;
    draw();
    EXPECT_EQ(cell(4, 0), "B2:0");
    EXPECT_EQ(cell(4, 1), "B12:1"); // the landing mark covers the locked piece
    EXPECT_EQ(cell(3, 1), "B8:1");
    EXPECT_EQ(cell(4, 3), "B1:0");
}

TEST_F(Rend, MiddleLevelsOutlineTheStackFromOccupancy) {
    setRows(g, {".........#", "##.......#"});
    g.field(5, 10) = 0;
    for (int16_t level : {10, 14, 19}) {
        g.curLevel = level;
        spawn(g, T, 0, 3, 0);
        draw();
        EXPECT_EQ(cell(0, 21), "B14:1") << level; // wall left, floor below, block right
        EXPECT_EQ(cell(1, 21), "B6:1") << level;  // floor below, block left
        EXPECT_EQ(cell(9, 20), "B10:1") << level; // right wall, block below
        EXPECT_EQ(cell(9, 21), "B11:1") << level; // above, below, right wall
        EXPECT_EQ(cell(5, 10), "B0:1") << level;  // alone
        EXPECT_EQ(cell(5, 11), "B15:1") << level; // empty
    }
    g.curLevel = 12;
    draw();
    EXPECT_EQ(cell(4, 1), "A13:3"); // up to level 14 the piece keeps its colour row
    g.curLevel = 15;
    draw();
    EXPECT_EQ(cell(4, 1), "B13:0");
    EXPECT_EQ(cell(4, 0), "B2:0");
}

TEST_F(Rend, TopLevelHidesTheStackAndDrawsPlainBlocks) {
    g.curLevel = 20;
    setRows(g, {"##.......#"});
    spawn(g, T, 0, 3, 5);
    draw();
    EXPECT_EQ(cell(0, 21), "B15:0");
    EXPECT_EQ(cell(2, 21), "B15:0");
    EXPECT_EQ(cell(4, 5), "B0:0");
    EXPECT_EQ(cell(4, 6), "B0:0");
    EXPECT_EQ(cell(3, 6), "B0:0");
}

TEST_F(Rend, TopLevelJustLockedPieceJoinsEveryOccupiedNeighbour) {
    g.curLevel = 20;
    setRows(g, {"......#...", "##########"});
    spawn(g, T, 0, 3, 19); // (4,19)=2 (3,20)=8 (4,20)=13 (5,20)=4
    lockPiece();
    g.field(4, 19) = 2 + 16; // high bits of a stored value are kept out of the sprite column
    g.gameState = GameState::ClearDelay;
    draw();
    EXPECT_EQ(cell(4, 19), "B2:0");
    EXPECT_EQ(cell(3, 20), "B10:0");
    EXPECT_EQ(cell(4, 20), "B15:0");
    EXPECT_EQ(cell(5, 20), "B14:0");
    EXPECT_EQ(cell(6, 20), "B15:0"); // the rest of the stack stays hidden
    EXPECT_EQ(cell(3, 21), "B15:0");

    g.field(3, 20) = -1; // that block's row was cleared at the lock
    draw();
    EXPECT_EQ(cell(3, 20), "B15:0");
    EXPECT_EQ(cell(4, 20), "B15:0"); // a stored join stays even with nothing left of it
}

TEST_F(Rend, TopLevelPieceAtTheLeftWallJoinsTheWall) {
    g.curLevel = 20;
    spawn(g, I, 1, -2, 18); // vertical I in column 0, rows 18..21
    lockPiece();
    g.gameState = GameState::ClearDelay;
    draw();
    EXPECT_EQ(cell(0, 18), "B6:0"); // 2 stored, wall on the left
    EXPECT_EQ(cell(0, 19), "B7:0");
    EXPECT_EQ(cell(0, 21), "B7:0"); // 1 stored, wall, and the floor below: 1 + 4 + 2
}

TEST_F(Rend, HoldBoxVariants) {
    g.holdOpt = 1;
    g.holdBlox = I;
    draw();
    EXPECT_EQ(boxCell(2, 4, 8, 0, 1), "A8:1");
    EXPECT_EQ(boxCell(2, 4, 8, 3, 1), "A4:1");
    EXPECT_EQ(boxCell(2, 4, 8, 0, 0), "A15:1");
    EXPECT_EQ(boxCell(2, 4, 8, 3, 3), "A15:1");

    g.holdBlox = 0;
    draw();
    EXPECT_EQ(squareAt(f.p2, 16, 32, 32), "mixed");
    EXPECT_EQ(squareAt(f.p2, 16, 32, 16), "black"); // upper half stays black
    EXPECT_EQ(squareAt(f.p2, 32, 32, 16), "black");
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(boxCell(2, 4, 8, i, 2), "B15:0");
        EXPECT_EQ(boxCell(2, 4, 8, i, 3), "B15:0");
    }

    g.holdOpt = 0;
    g.holdBlox = J; // hold switched off shows the bar whatever the slot holds
    draw();
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(boxCell(2, 4, 8, i, 2), "B0:0");
        EXPECT_EQ(boxCell(2, 4, 8, i, 3), "B0:0");
    }
    EXPECT_EQ(squareAt(f.p2, 16, 32, 16), "black");

    g.holdOpt = 1;
    g.holdBlox = I;
    g.curLevel = 16;
    draw();
    EXPECT_EQ(boxCell(2, 4, 8, 1, 1), "B12:0");
    EXPECT_EQ(boxCell(2, 4, 8, 1, 0), "B15:0");
    g.curLevel = 20;
    draw();
    EXPECT_EQ(boxCell(2, 4, 8, 1, 1), "B0:0");
    EXPECT_EQ(boxCell(2, 4, 8, 1, 0), "B15:0");
}

TEST_F(Rend, PreviewModeFollowsThePendingTurn) {
    struct Case {
        GameState state;
        Latch rr, rl, ro;
        int16_t mode;
    };
    using enum GameState;
    using enum Latch;
    const Case cases[] = {
        {Entry, Idle, Idle, Idle, 0},          {Entry, Pending, Idle, Idle, 1},
        {Entry, Idle, Pending, Idle, 3},       {Entry, Idle, Idle, Pending, 2},
        {Entry, Pending, Pending, Pending, 1}, {Entry, Idle, Pending, Pending, 3},
        {Cascade, Pending, Idle, Idle, 1},     {ClearDelay, Idle, Idle, Pending, 2},
        {Falling, Pending, Idle, Idle, 0},     {Landed, Idle, Pending, Idle, 0},
        {Entry, UsedUp, UsedUp, UsedUp, 0}};
    for (const Case& c : cases) {
        g.gameState = c.state;
        g.rrCmd = c.rr;
        g.rlCmd = c.rl;
        g.roCmd = c.ro;
        EXPECT_EQ(previewMode(g), c.mode) << c.state << c.rr << c.rl << c.ro;
    }
}

TEST_F(Rend, PreviewsShowTheQueue) {
    g.nextBlox = {I, O, S};
    g.gameState = GameState::Entry;
    g.rrCmd =
        Latch::Pending; // the first preview shows the I already turned right: column 2 of its box
    g.nextOpt = 1;
    draw(1);
    EXPECT_EQ(boxCell(4, 0, 16, 2, 0), "A2:1");
    EXPECT_EQ(boxCell(4, 0, 16, 2, 1), "A3:1");
    EXPECT_EQ(boxCell(4, 0, 16, 2, 3), "A1:1");
    EXPECT_EQ(boxCell(4, 0, 16, 0, 1), "A15:1");
    EXPECT_EQ(boxCell(16, 2, 8, 1, 0), "A10:2"); // O
    EXPECT_EQ(boxCell(16, 2, 8, 0, 0), "A15:2");
    EXPECT_EQ(boxCell(20, 2, 8, 1, 0), "A10:4"); // S: (1,0) joins below and right
    EXPECT_EQ(boxCell(20, 2, 8, 0, 1), "A8:4");

    g.nextOpt = 0; // one preview: both small boxes show empty cells of shape 0
    draw(1);
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) {
            EXPECT_EQ(boxCell(16, 2, 8, i, j), "A15:0");
            EXPECT_EQ(boxCell(20, 2, 8, i, j), "A15:0");
        }
    EXPECT_EQ(squareAt(f.p2, 128, 0, 16), "black");

    g.curLevel = 20;
    g.nextOpt = 1;
    draw(1);
    EXPECT_EQ(boxCell(4, 0, 16, 2, 1), "B0:0");
    EXPECT_EQ(boxCell(16, 2, 8, 1, 0), "B0:0");
    EXPECT_EQ(boxCell(20, 2, 8, 0, 0), "B15:0");
}

TEST_F(Rend, EmptyQueueBlanksThePreview) {
    g.nextBlox = {0, 0, 0};
    g.nextOpt = 1;
    draw();
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            EXPECT_EQ(boxCell(4, 0, 16, i, j), "A15:0");
}

TEST_F(Rend, ChangesNoGameState) {
    setRows(g, {"#.#.#.#.#."});
    g.ghostOpt = g.holdOpt = g.nextOpt = 1;
    g.curLevel = 20;
    g.gameState = GameState::ClearDelay;
    const Game before = g;
    draw();
    EXPECT_EQ(before.cells, g.cells);
    EXPECT_EQ(before.curY, g.curY);
    EXPECT_EQ(before.gameState, g.gameState);
    EXPECT_EQ(before.waitTicks, g.waitTicks);
}

// The window as the shell shows it: the background with the well and the delay bar on it.
QImage composed(const Frame& f) {
    QImage out = f.window.copy();
    const auto put = [&out](const QImage& img, int x0, int y0) {
        for (int y = 0; y < img.height(); ++y)
            std::memcpy(out.scanLine(y0 + y) + 4 * x0, img.constScanLine(y),
                        static_cast<size_t>(4 * img.width()));
    };
    put(f.p2, kWellX, kWellY);
    put(f.ptls, kBarX, kBarY);
    return out;
}

// Frame after frame, with the piece moving, locking, the level and the style changing and
// rectangles re-seeded: the background erased outline by outline matches one cleared whole
// every frame, the well surface (left alone while its sprites stay the same) matches one drawn
// on a fresh frame, and every pixel that differs from the frame before lies in the changed
// region.
TEST_F(Rend, ChangedRegionHoldsEveryPixelThatChanged) {
    for (int16_t k = 0; k < 10; ++k)
        resetbg(bg, rnd, k, k % 2 == 0 ? 0 : 20); // some slow, some re-seeded every few frames
    Background refBg = bg;
    XorShiftRandom refRnd = rnd;
    QImage refWindow = makeSurface(kWindowW, kWindowH);
    g.curBlox = 3;
    g.gameState = GameState::Falling;
    g.ghostOpt = g.holdOpt = g.nextOpt = 1;
    Style current = style(); // later reloaded in place with other colours
    rend(g, current, bg, rnd, 0, f);
    drawbg(refBg, refRnd, g.curLevel, refWindow);
    EXPECT_EQ(f.changed, QRegion(0, 0, kWindowW, kWindowH)); // the first frame changes all
    QImage before = composed(f);
    int64_t changedPixels = 0;
    for (int n = 1; n <= 120; ++n) {
        if (n % 7 == 0) ++g.curY;
        if (n % 11 == 0) g.curX = static_cast<int16_t>(n % 3 + 2);
        if (n == 60) {
            lockPiece();
            g.curY = 0;
            g.curLevel = 20;
        }
        if (n == 90) g.curLevel = 9;
        if (n == 100) current.picBlox.invertPixels();
        if (n % 13 == 0) g.score += 40.5f;
        if (n % 17 == 0) ++g.lines;
        if (n % 19 == 0) ++g.levelCount;
        rend(g, current, bg, rnd, 0, f);
        drawbg(refBg, refRnd, g.curLevel, refWindow);
        ASSERT_EQ(f.window, refWindow) << "frame " << n;
        Frame fresh;
        Background freshBg = bg;
        XorShiftRandom freshRnd = rnd;
        rend(g, current, freshBg, freshRnd, 0, fresh);
        ASSERT_EQ(f.p2, fresh.p2) << "frame " << n;
        ASSERT_EQ(f.score, fresh.score) << "frame " << n;
        ASSERT_EQ(f.lines, fresh.lines) << "frame " << n;
        ASSERT_EQ(f.points, fresh.points) << "frame " << n;
        const QImage now = composed(f);
        for (int y = 0; y < kWindowH; ++y) {
            const auto* a = reinterpret_cast<const QRgb*>(before.constScanLine(y));
            const auto* b = reinterpret_cast<const QRgb*>(now.constScanLine(y));
            for (int x = 0; x < kWindowW; ++x) {
                if (a[x] == b[x]) continue;
                ++changedPixels;
                ASSERT_TRUE(f.changed.contains(QPoint(x, y))) << x << "," << y << " frame " << n;
            }
        }
        before = now;
    }
    EXPECT_GT(changedPixels, 50'000);
}

} // namespace
