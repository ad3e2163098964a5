// SPDX-License-Identifier: GPL-3.0-or-later
// Frame shots: the encoded picture is the well surface.
#include <gtest/gtest.h>

#include "render/rend.h"
#include "render/shot.h"
#include "render_fixture.h"
#include "well_builder.h"

using namespace zembrik;
using namespace zembrik::test;

namespace {

TEST(Shot, IsTheWellSurfaceAsPng) {
    const Style s = testStyle();
    Game g = newRecord();
    setRows(g, {"##.......#"});
    const std::string png = shotPng(g, s, 0);
    ASSERT_EQ(png.substr(0, 8), "\x89PNG\r\n\x1a\n");
    const QImage img = QImage::fromData(QByteArray::fromStdString(png), "png");
    ASSERT_EQ(img.size(), QSize(192, 457));
    EXPECT_EQ(wellCell(img, 0, 21), "A0:0");
    EXPECT_EQ(wellCell(img, 4, 1), "A13:3");

    Frame f;
    Background bg;
    XorShiftRandom rnd(1);
    rend(g, s, bg, rnd, 0, f);
    EXPECT_EQ(img.convertToFormat(QImage::Format_RGB32), f.p2);
}

TEST(Shot, ReadoutTextsComeWithTheFrame) {
    const Style s = testStyle();
    Game g = newRecord();
    g.score = 975.5f;
    g.lines = 12;
    g.curLevel = 13;
    g.levelCount = 42;
    Frame f;
    Background bg;
    XorShiftRandom rnd(1);
    rend(g, s, bg, rnd, 0, f);
    EXPECT_EQ(f.score, "975");
    EXPECT_EQ(f.lines, "12");
    EXPECT_EQ(f.points, "M3-42");
}

} // namespace
