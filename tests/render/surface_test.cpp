// SPDX-License-Identifier: GPL-3.0-or-later
// Sprite copies: placement, doubling, clipping against small sheets, and odd block values.
#include <gtest/gtest.h>

#include "render/rend.h"
#include "render/sprites.h"
#include "render/surface.h"
#include "render_fixture.h"
#include "well_builder.h"

using namespace zembrik;
using namespace zembrik::test;

namespace {

TEST(Surface, DrawblxDoublesOneSpriteOntoItsCell) {
    const Style s = testStyle();
    QImage p2 = makeSurface(192, 457);
    drawblx(p2, 3, 7, 16, s.picBlox, 5, 6);
    EXPECT_EQ(squareAt(p2, 48, 112, 16), "A5:6");
    EXPECT_EQ(p2.pixel(47, 112), qRgb(0, 0, 0));
    EXPECT_EQ(p2.pixel(64, 112), qRgb(0, 0, 0));
    EXPECT_EQ(p2.pixel(48, 128), qRgb(0, 0, 0));
    drawblx(p2, 16, 2, 8, s.picBlox2, 15, 1);
    EXPECT_EQ(squareAt(p2, 128, 16, 8), "B15:1");
}

TEST(Surface, StretchIsNearestNeighbour) {
    QImage src(2, 1, QImage::Format_RGB32);
    src.setPixel(0, 0, qRgb(1, 2, 3));
    src.setPixel(1, 0, qRgb(4, 5, 6));
    QImage dst = makeSurface(6, 1);
    copyStretched(dst, 0, 0, 6, 1, src, 0, 0, 2, 1);
    for (int x = 0; x < 6; ++x)
        EXPECT_EQ(dst.pixel(x, 0), x < 3 ? qRgb(1, 2, 3) : qRgb(4, 5, 6));
}

// Every destination pixel is the source pixel at its centre in 16.16 fixed point, whether the
// rows are stretched, repeated, clipped at the destination's edges or taken from the same image.
TEST(Surface, RepeatedRowsEqualThePixelByPixelStretch) {
    QImage src(5, 4, QImage::Format_RGB32);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 5; ++x)
            src.setPixel(x, y, qRgb(10 * x, 10 * y, 7));
    struct Case {
        int dx, dy, dw, dh, sx, sy, sw, sh;
    };
    for (const Case c : {Case{0, 0, 10, 8, 0, 0, 5, 4}, Case{-3, -5, 10, 12, 1, 0, 4, 4},
                         Case{2, 1, 5, 11, 0, 1, 5, 3}, Case{4, 6, 15, 9, 2, 2, 3, 2}}) {
        QImage dst = makeSurface(12, 12);
        dst.fill(qRgb(1, 1, 1));
        copyStretched(dst, c.dx, c.dy, c.dw, c.dh, src, c.sx, c.sy, c.sw, c.sh);
        for (int y = 0; y < 12; ++y)
            for (int x = 0; x < 12; ++x) {
                const int i = x - c.dx, j = y - c.dy;
                QRgb want = qRgb(1, 1, 1);
                const int64_t stepX = (int64_t(c.sw) << 16) / c.dw;
                const int64_t stepY = (int64_t(c.sh) << 16) / c.dh;
                if (i >= 0 && i < c.dw && j >= 0 && j < c.dh)
                    want = src.pixel(c.sx + static_cast<int>((stepX * i + stepX / 2) >> 16),
                                     c.sy + static_cast<int>((stepY * j + stepY / 2) >> 16));
                ASSERT_EQ(dst.pixel(x, y), want) << x << "," << y << " case dx " << c.dx;
            }
    }
    // Within one image, upwards: each row is read after the rows above have been written.
    QImage one = makeSurface(1, 4);
    for (int y = 0; y < 4; ++y)
        one.setPixel(0, y, qRgb(y, y, y));
    copyStretched(one, 0, 0, 1, 4, one, 0, 1, 1, 2);
    EXPECT_EQ(one.pixel(0, 0), qRgb(1, 1, 1));
    EXPECT_EQ(one.pixel(0, 1), qRgb(1, 1, 1));
    EXPECT_EQ(one.pixel(0, 2), qRgb(2, 2, 2));
    EXPECT_EQ(one.pixel(0, 3), qRgb(2, 2, 2));
}

TEST(Surface, CopyIsOpaqueEvenFromATransparentSource) {
    QImage src(1, 1, QImage::Format_ARGB32);
    src.setPixel(0, 0, qRgba(200, 100, 50, 0));
    QImage dst = makeSurface(2, 2);
    copyStretched(dst, 0, 0, 2, 2, src, 0, 0, 1, 1);
    EXPECT_EQ(qAlpha(dst.pixel(1, 1)), 255);
}

TEST(Surface, SmallSheetIsNeverReadOutsideItself) {
    // A 20 x 10 sheet: sprite (2, 0) is only half there, (15, 1) not at all.
    QImage small(20, 10, QImage::Format_RGB32);
    small.fill(qRgb(7, 7, 7));
    QImage p2 = makeSurface(192, 457);
    drawblx(p2, 1, 5, 16, small, 2, 0);
    EXPECT_EQ(squareAt(p2, 16, 80, 8), "?");    // (7,7,7), the part that exists
    EXPECT_EQ(p2.pixel(24, 80), qRgb(0, 0, 0)); // beyond the sheet: left as it was
    EXPECT_EQ(p2.pixel(31, 95), qRgb(0, 0, 0));
    drawblx(p2, 2, 5, 16, small, 15, 1);
    EXPECT_EQ(squareAt(p2, 32, 80, 16), "black");
    drawblx(p2, 3, 5, 16, small, -1, -1);
    EXPECT_EQ(squareAt(p2, 48, 80, 16), "black");
    drawblx(p2, 3, 5, 16, QImage(), 0, 0); // never loaded
    EXPECT_EQ(squareAt(p2, 48, 80, 16), "black");
}

TEST(Surface, DestinationIsClipped) {
    const Style s = testStyle();
    QImage p2 = makeSurface(192, 457);
    drawblx(p2, 11, 28, 16, s.picBlox, 1, 1); // bottom-right corner, mostly outside
    EXPECT_EQ(p2.pixel(191, 456), spriteColour(1, 1, 1));
    drawblx(p2, -1, -1, 16, s.picBlox, 1, 1);
    EXPECT_EQ(p2.pixel(0, 0), qRgb(0, 0, 0));
}

TEST(Surface, BoxesIncludeBothCornersAndClip) {
    QImage img = makeSurface(10, 4);
    fillBox(img, 2, 1, 4, 2, qRgb(1, 1, 1));
    EXPECT_EQ(img.pixel(4, 2), qRgb(1, 1, 1));
    EXPECT_EQ(img.pixel(5, 2), qRgb(0, 0, 0));
    EXPECT_EQ(img.pixel(2, 3), qRgb(0, 0, 0));
    fillBox(img, -100, -100, 1000, 1000, qRgb(2, 2, 2));
    EXPECT_EQ(img.pixel(9, 3), qRgb(2, 2, 2));
    clearSurface(img, qRgb(0, 0, 0));
    outlineBox(img, 1, 0, 8, 3, qRgb(3, 3, 3));
    EXPECT_EQ(img.pixel(1, 2), qRgb(3, 3, 3));
    EXPECT_EQ(img.pixel(8, 3), qRgb(3, 3, 3));
    EXPECT_EQ(img.pixel(4, 2), qRgb(0, 0, 0));
}

TEST(Surface, OddBlockValuesStillPickARealSprite) {
    EXPECT_EQ(spriteColumn(-1), 15);
    EXPECT_EQ(spriteColumn(5), 5);
    EXPECT_EQ(spriteColumn(21), 5);
    EXPECT_EQ(spriteColumn(-2), 14);
    EXPECT_EQ(spriteColumn(-32768), 0);

    // A shape file may hold such values; every level band draws them without reading outside.
    const Style s = testStyle();
    Game g = newRecord();
    g.shapes(T, 0, 5) = 300;
    g.shapes(T, 0, 4) = -7;
    g.field(0, 21) = 1000;
    g.field(1, 21) = -9;
    Frame f;
    Background bg;
    XorShiftRandom rnd(1);
    for (int16_t level : {0, 12, 17, 20}) {
        g.curLevel = level;
        rend(g, s, bg, rnd, 0, f);
    }
    g.curLevel = 0;
    rend(g, s, bg, rnd, 0, f);
    EXPECT_EQ(wellCell(f.p2, 4, 1), "A12:3"); // 300 & 15
    EXPECT_EQ(wellCell(f.p2, 3, 1), "A9:3");  // -7 & 15
    EXPECT_EQ(wellCell(f.p2, 0, 21), "A8:0"); // 1000 & 15
    EXPECT_EQ(wellCell(f.p2, 1, 21), "A7:0");
}

} // namespace
