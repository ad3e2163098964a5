// Frame shots: the saved picture is the well surface, and a failed write says so.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "render/rend.h"
#include "render/shot.h"
#include "render_fixture.h"
#include "well_builder.h"

using namespace zembrik;
using namespace zembrik::test;

namespace {

TEST(Shot, SavesTheWellSurface) {
    const Style s = testStyle();
    Game g = newRecord();
    setRows(g, {"##.......#"});
    QTemporaryDir dir;
    const std::string path = dir.path().toStdString() + "/frame.png";
    ASSERT_EQ(writeShot(g, s, 0, path), "");
    const QImage img(QString::fromStdString(path));
    ASSERT_EQ(img.size(), QSize(192, 457));
    EXPECT_EQ(wellCell(img, 0, 21), "A0:0");
    EXPECT_EQ(wellCell(img, 4, 1), "A13:3");

    Frame f;
    Background bg;
    XorShiftRandom rnd(1);
    rend(g, s, bg, rnd, 0, f);
    EXPECT_EQ(img.convertToFormat(QImage::Format_RGB32), f.p2);
}

TEST(Shot, UnwritableFileIsAnError) {
    const Style s = testStyle();
    const Game g = newRecord();
    const std::string err = writeShot(g, s, 0, "/nonexistent-folder/x/frame.png");
    EXPECT_NE(err.find("/nonexistent-folder/x/frame.png"), std::string::npos) << err;
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
