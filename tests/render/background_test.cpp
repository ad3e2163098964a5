// SPDX-License-Identifier: GPL-3.0-or-later
// Background rectangles: the ranges resetbg gives, re-seeding at the top, and the outlines.
#include <gtest/gtest.h>

#include <cmath>

#include "render/background.h"
#include "render/surface.h"
#include "well_builder.h"

using namespace zembrik;
using namespace zembrik::test;

namespace {

TEST(Resetbg, UsesItsRandomNumbersInOrder) {
    ScriptedRandom r{0.5f, 0.25f, 0.5f, 0.5f, 0.5f, 0.5f};
    Background bg;
    resetbg(bg, r, 3, 0, 640, 480);
    EXPECT_FLOAT_EQ(bg.bgY[3], 720);
    EXPECT_FLOAT_EQ(bg.bgW[3], 160);
    EXPECT_FLOAT_EQ(bg.bgX[3], 0.5f * 800 - 160);
    EXPECT_FLOAT_EQ(bg.bgH[3], 240);
    EXPECT_EQ(bg.bgGrey[3], 24);
    EXPECT_FLOAT_EQ(bg.bgVY[3], -24.0f / 80 - 1);
    EXPECT_FLOAT_EQ(bg.bgVX[3], -0.5f * bg.bgVY[3] / 10 + bg.bgVY[3] / 20);
    EXPECT_FLOAT_EQ(bg.bgY[0], 0); // the others are untouched
    EXPECT_TRUE(r.values.empty());
}

TEST(Resetbg, HighLevelsDrawNoSixthNumber) {
    ScriptedRandom r{0.0f, 0.0f, 0.0f, 0.999f, 0.999f, 0.77f};
    Background bg;
    resetbg(bg, r, 0, 10, 640, 480);
    EXPECT_FLOAT_EQ(bg.bgVX[0], 0);
    EXPECT_EQ(bg.bgGrey[0], 39);
    EXPECT_NEAR(bg.bgH[0], 0.999 * 480 * 32, 0.01);
    EXPECT_NEAR(bg.bgVY[0], -std::pow(2.0, 10 / 1.5) * 39 / 80 - 1, 1e-3);
    EXPECT_EQ(r.values.size(), 1u);
}

TEST(Resetbg, RangesOverManySeeds) {
    XorShiftRandom r(99);
    Background bg;
    for (int16_t level : {0, 5, 10, 20}) {
        const double heightMax = 480 * std::pow(2.0, level / 2.0);
        const double climbMin = std::pow(2.0, level / 1.5) * 8 / 80 + 1;
        const double climbMax = std::pow(2.0, level / 1.5) * 39 / 80 + 1;
        for (int n = 0; n < 2000; ++n) {
            const int16_t k = static_cast<int16_t>(n % 10);
            resetbg(bg, r, k, level);
            ASSERT_GE(bg.bgY[k], 480);
            ASSERT_LT(bg.bgY[k], 960);
            ASSERT_GE(bg.bgW[k], 0);
            ASSERT_LT(bg.bgW[k], 640);
            ASSERT_GE(bg.bgX[k], -bg.bgW[k]);
            ASSERT_LT(bg.bgX[k], 640);
            ASSERT_GE(bg.bgH[k], 0);
            ASSERT_LT(bg.bgH[k], heightMax);
            ASSERT_GE(bg.bgGrey[k], 8);
            ASSERT_LE(bg.bgGrey[k], 39);
            ASSERT_LT(bg.bgVY[k], -1);
            ASSERT_GE(-bg.bgVY[k], climbMin * 0.9999);
            ASSERT_LE(-bg.bgVY[k], climbMax * 1.0001);
            if (level >= 10) {
                ASSERT_EQ(bg.bgVX[k], 0);
            } else {
                ASSERT_LE(std::fabs(bg.bgVX[k]), -bg.bgVY[k] / 20 * 1.0001);
            }
        }
    }
}

TEST(Resetbg, IndexOutsideTheTenChangesNothing) {
    XorShiftRandom r(1);
    Background bg;
    resetbg(bg, r, 10, 0);
    resetbg(bg, r, -1, 0);
    for (size_t k = 0; k < 10; ++k)
        EXPECT_EQ(bg.bgY[k], 0);
}

TEST(Drawbg, ReseedsOnlyOnceTheBottomEdgeLeavesTheTop) {
    XorShiftRandom r(5);
    Background bg;
    for (int16_t k = 0; k < 10; ++k)
        resetbg(bg, r, k, 0);
    bg.bgY[0] = -100;
    bg.bgH[0] = 101; // bottom at 1, then -0.x after one step of at least 1.1
    bg.bgVY[0] = -1.5f;
    bg.bgY[1] = -100;
    bg.bgH[1] = 110; // still reaches into the window
    bg.bgVY[1] = -1.5f;
    QImage window = makeSurface(640, 480);
    drawbg(bg, r, 0, window);
    EXPECT_GE(bg.bgY[0], 480); // re-seeded below the window
    EXPECT_FLOAT_EQ(bg.bgY[1], -101.5f);
}

TEST(Drawbg, OutlinesInTheirGreyWithClampedEdges) {
    XorShiftRandom r(5);
    Background bg;
    for (size_t k = 0; k < 10; ++k)
        bg.bgY[k] = 5000; // far below, out of sight
    bg.bgX[2] = 100;
    bg.bgY[2] = -50;
    bg.bgW[2] = 40;
    bg.bgH[2] = 1000;
    bg.bgVY[2] = 0;
    bg.bgGrey[2] = 30;
    bg.bgX[3] = 300;
    bg.bgY[3] = 100;
    bg.bgW[3] = 0; // a width of 0 is a vertical line
    bg.bgH[3] = 50;
    bg.bgGrey[3] = 20;
    QImage window = makeSurface(640, 480);
    window.fill(qRgb(255, 0, 0));
    drawbg(bg, r, 0, window);
    const QRgb g30 = qRgb(30, 30, 30), black = qRgb(0, 0, 0);
    EXPECT_EQ(window.pixel(100, 0), g30);
    EXPECT_EQ(window.pixel(140, 479), g30);
    EXPECT_EQ(window.pixel(120, 0), black); // top and bottom lie outside the window
    EXPECT_EQ(window.pixel(120, 479), black);
    EXPECT_EQ(window.pixel(300, 100), qRgb(20, 20, 20));
    EXPECT_EQ(window.pixel(300, 150), qRgb(20, 20, 20));
    EXPECT_EQ(window.pixel(301, 120), black);
    EXPECT_EQ(window.pixel(500, 300), black); // cleared
}

TEST(Drawbg, TopLevelSpeedsStayDrawable) {
    XorShiftRandom r(11);
    Background bg;
    for (int16_t k = 0; k < 10; ++k)
        resetbg(bg, r, k, 20);
    QImage window = makeSurface(640, 480);
    for (int i = 0; i < 500; ++i)
        drawbg(bg, r, 20, window);
    for (size_t k = 0; k < 10; ++k)
        EXPECT_LT(bg.bgVY[k], -1000);
}

} // namespace
