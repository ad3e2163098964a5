// SPDX-License-Identifier: GPL-3.0-or-later
// The block style reader: line rules, verbatim names, and the old images kept on any error.
#include <fstream>
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <sys/stat.h>

#include "render/style_file.h"
#include "render_fixture.h"

using namespace zembrik;
using namespace zembrik::test;

namespace {

class StyleFile : public ::testing::Test {
  protected:
    TestStyleDir d;
    Style style;

    void SetUp() override {
        ASSERT_EQ(loadstyle(style, d.path(), "test.style"), "");
        for (int i = 1; i <= 6; ++i)
            d.writeImage("c" + std::to_string(i) + ".png", 2, 2, qRgb(i, 0, 0));
    }
    // The red value of the top-left pixel of each image, in file order.
    std::string reds() const {
        std::string out;
        for (const QImage* img :
             {&style.picBlox, &style.picBlox2, &style.picFloor, &style.picWall, &style.picSpare})
            out += std::to_string(qRed(img->pixel(0, 0))) + " ";
        return out;
    }
    // Checks the five images are still the test style's.
    void expectOldImages() const {
        EXPECT_EQ(style.picBlox.size(), QSize(128, 64));
        EXPECT_EQ(style.picBlox2.size(), QSize(128, 16));
        EXPECT_EQ(style.picFloor.pixel(0, 0), kFloor);
        EXPECT_EQ(style.picWall.pixel(0, 0), kLeftWall);
        EXPECT_EQ(style.picSpare.pixel(0, 0), qRgb(9, 9, 9));
    }
};

TEST_F(StyleFile, LoadsFiveImagesInOrderAsRgb32) {
    d.writeText("a.style", "c1.png\r\nc2.png\r\nc3.png\r\nc4.png\r\nc5.png\r\n");
    ASSERT_EQ(loadstyle(style, d.path(), "a.style"), "");
    EXPECT_EQ(reds(), "1 2 3 4 5 ");
    EXPECT_EQ(style.picSpare.format(), QImage::Format_RGB32);
}

TEST_F(StyleFile, SixthLineIsNeverRead) {
    d.writeText("a.style", "c1.png\rc2.png\rc3.png\rc4.png\rc5.png\rmissing.png\r\nrubbish");
    ASSERT_EQ(loadstyle(style, d.path(), "a.style"), "");
    EXPECT_EQ(reds(), "1 2 3 4 5 ");
}

TEST_F(StyleFile, LastLineNeedsNoLineEnd) {
    d.writeText("a.style", "c1.png\r\nc2.png\r\nc3.png\r\nc4.png\r\nc6.png");
    ASSERT_EQ(loadstyle(style, d.path(), "a.style"), "");
    EXPECT_EQ(reds(), "1 2 3 4 6 ");
}

TEST_F(StyleFile, OnlyOneLineFeedAfterACarriageReturnIsSkipped) {
    // After "\r\n" a second "\n" starts the next name, and a lone "\n" is part of a name.
    d.writeImage("\nc2.png", 2, 2, qRgb(22, 0, 0));
    d.writeImage("c3\n.png", 2, 2, qRgb(33, 0, 0));
    d.writeText("a.style", "c1.png\r\n\nc2.png\rc3\n.png\r\nc4.png\r\nc5.png\r\n");
    ASSERT_EQ(loadstyle(style, d.path(), "a.style"), "");
    EXPECT_EQ(reds(), "1 22 33 4 5 ");
}

TEST_F(StyleFile, NamesAreVerbatimAndMayHoldSubFolders) {
    d.writeImage("sub dir/ c2.png", 2, 2, qRgb(44, 0, 0));
    d.writeText("a.style", "c1.png\r\nsub dir/ c2.png\r\nc3.png\r\nc4.png\r\nc5.png\r\n");
    ASSERT_EQ(loadstyle(style, d.path(), "a.style"), "");
    EXPECT_EQ(reds(), "1 44 3 4 5 ");
    d.writeText("b.style", "c1.png \r\nc2.png\r\nc3.png\r\nc4.png\r\nc5.png\r\n");
    EXPECT_NE(loadstyle(style, d.path(), "b.style"), ""); // the trailing space is kept
}

TEST_F(StyleFile, TrailingSlashOnTheFolderIsAccepted) {
    d.writeText("a.style", "c1.png\r\nc2.png\r\nc3.png\r\nc4.png\r\nc5.png\r\n");
    ASSERT_EQ(loadstyle(style, d.path() + "/", "a.style"), "");
    EXPECT_EQ(reds(), "1 2 3 4 5 ");
}

TEST_F(StyleFile, MissingStyleFileKeepsOldImages) {
    const std::string err = loadstyle(style, d.path(), "nothere.style");
    EXPECT_NE(err.find("nothere.style"), std::string::npos) << err;
    expectOldImages();
}

TEST_F(StyleFile, FolderInsteadOfAFileKeepsOldImages) {
    EXPECT_NE(loadstyle(style, d.path(), ""), "");
    expectOldImages();
    EXPECT_NE(loadstyle(style, d.path() + "/missing", "test.style"), "");
    expectOldImages();
}

TEST_F(StyleFile, TooFewLinesKeepOldImages) {
    d.writeText("a.style", "c1.png\r\nc2.png\r\nc3.png\r\nc4.png\r\n");
    const std::string err = loadstyle(style, d.path(), "a.style");
    EXPECT_NE(err.find("a.style"), std::string::npos) << err;
    expectOldImages();
    d.writeText("empty.style", "");
    EXPECT_NE(loadstyle(style, d.path(), "empty.style"), "");
    expectOldImages();
}

TEST_F(StyleFile, MissingOrUnreadableImageKeepsAllOldImages) {
    d.writeText("a.style", "c1.png\r\nc2.png\r\nnone.png\r\nc4.png\r\nc5.png\r\n");
    std::string err = loadstyle(style, d.path(), "a.style");
    EXPECT_NE(err.find("none.png"), std::string::npos) << err;
    expectOldImages();

    d.writeText("junk.png.style", "c1.png\r\nc2.png\r\nc3.png\r\nc4.png\r\n../data/a.style\r\n");
    err = loadstyle(style, d.path(), "junk.png.style"); // a text file is no picture
    EXPECT_NE(err.find("a.style"), std::string::npos) << err;
    expectOldImages();

    d.writeText("dir.style", "c1.png\r\n\r\nc3.png\r\nc4.png\r\nc5.png\r\n"); // the gfx folder
    EXPECT_NE(loadstyle(style, d.path(), "dir.style"), "");
    expectOldImages();
}

TEST_F(StyleFile, PipesAndDevicesAreRefusedWithoutWaiting) {
    const std::string gfx = d.path() + "/gfx/";
    ASSERT_EQ(mkfifo((gfx + "pipe.png").c_str(), 0600), 0);
    d.writeText("pipe.style", "c1.png\r\npipe.png\r\nc3.png\r\nc4.png\r\nc5.png\r\n");
    std::string err = loadstyle(style, d.path(), "pipe.style");
    EXPECT_NE(err.find("pipe.png (line 2"), std::string::npos) << err;
    expectOldImages();

    d.writeText("zero.style",
                "c1.png\r\n../../../../../../../../../dev/zero\r\nc3.png\r\nc4.png\r\nc5.png\r\n");
    EXPECT_NE(loadstyle(style, d.path(), "zero.style"), "");
    expectOldImages();

    ASSERT_EQ(mkfifo((d.path() + "/data/fifo.style").c_str(), 0600), 0);
    err = loadstyle(style, d.path(), "fifo.style");
    EXPECT_NE(err.find("not a plain file"), std::string::npos) << err;
    expectOldImages();
}

TEST_F(StyleFile, BinaryJunkAndHugeLinesKeepOldImages) {
    d.writeText("junk.style", std::string("\0\xff\x01\r\n\x80\x81\r\n\r\n\r\n\r\n", 13));
    EXPECT_NE(loadstyle(style, d.path(), "junk.style"), "");
    expectOldImages();
    std::string huge;
    for (int i = 0; i < 5; ++i)
        huge += std::string(100000, 'x') + "\r\n";
    d.writeText("huge.style", huge);
    EXPECT_NE(loadstyle(style, d.path(), "huge.style"), "");
    expectOldImages();
}

// A PNG whose header claims w x h pixels and whose data is empty: only the header can be
// read, so a refusal that names the size was made before any decoding.
std::string pngWithoutPixels(uint32_t w, uint32_t h) {
    auto be32 = [](uint32_t v) {
        return std::string{char(v >> 24), char(v >> 16), char(v >> 8), char(v)};
    };
    auto chunk = [&](const std::string& typeAndData) {
        uint32_t crc = 0xFFFFFFFF;
        for (unsigned char c : typeAndData) {
            crc ^= c;
            for (int k = 0; k < 8; ++k)
                crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
        }
        return be32(static_cast<uint32_t>(typeAndData.size() - 4)) + typeAndData + be32(~crc);
    };
    return "\x89PNG\r\n\x1a\n" +
           chunk("IHDR" + be32(w) + be32(h) + std::string("\x08\x02\0\0\0", 5)) + chunk("IDAT") +
           chunk("IEND");
}

TEST_F(StyleFile, ImagesOver4096PixelsAreRefusedFromTheirHeaderAndTheOldOnesStay) {
    const std::string gfx = d.path() + "/gfx/";
    std::ofstream(gfx + "huge.png", std::ios::binary) << pngWithoutPixels(5500, 5500);
    d.writeText("a.style", "c1.png\r\nhuge.png\r\nc3.png\r\nc4.png\r\nc5.png\r\n");
    std::string err = loadstyle(style, d.path(), "a.style");
    EXPECT_NE(err.find("huge.png (line 2 of "), std::string::npos) << err;
    EXPECT_NE(err.find("5500 x 5500 pixels, larger than the 4096 x 4096"), std::string::npos)
        << err;
    expectOldImages();

    d.writeImage("wide.png", 4097, 1, qRgb(7, 0, 0)); // one side is enough
    d.writeText("b.style", "c1.png\r\nc2.png\r\nc3.png\r\nc4.png\r\nwide.png\r\n");
    EXPECT_NE(loadstyle(style, d.path(), "b.style").find("4097 x 1 pixels"), std::string::npos);
    expectOldImages();

    d.writeImage("edge.png", 4096, 1, qRgb(8, 0, 0));
    d.writeImage("tall.png", 1, 4096, qRgb(9, 0, 0));
    d.writeText("c.style", "edge.png\r\ntall.png\r\nc3.png\r\nc4.png\r\nc5.png\r\n");
    ASSERT_EQ(loadstyle(style, d.path(), "c.style"), "");
    EXPECT_EQ(reds(), "8 9 3 4 5 ");
}

// The suffix only names the decoder tried first: a picture whose name says something else, or
// nothing, is read for what it is, and the size limit holds for it all the same.
TEST_F(StyleFile, ImagesLoadWhateverTheirSuffixSays) {
    const std::string gfx = d.path() + "/gfx/";
    QImage bmp(2, 2, QImage::Format_RGB32);
    bmp.fill(qRgb(44, 0, 0));
    ASSERT_TRUE(bmp.save(QString::fromStdString(gfx + "real_bmp.png"), "BMP"));
    std::ifstream png(gfx + "c2.png", std::ios::binary);
    const std::string pngBytes((std::istreambuf_iterator<char>(png)), {});
    std::ofstream(gfx + "png.bmp", std::ios::binary) << pngBytes;
    std::ofstream(gfx + "png_no_suffix", std::ios::binary) << pngBytes;
    d.writeText("a.style", "real_bmp.png\r\npng.bmp\r\npng_no_suffix\r\nc4.png\r\nc5.png\r\n");
    ASSERT_EQ(loadstyle(style, d.path(), "a.style"), "");
    EXPECT_EQ(reds(), "44 2 2 4 5 ");

    std::ofstream(gfx + "huge.bmp", std::ios::binary) << pngWithoutPixels(5500, 5500);
    d.writeText("b.style", "c1.png\r\nhuge.bmp\r\nc3.png\r\nc4.png\r\nc5.png\r\n");
    EXPECT_NE(loadstyle(style, d.path(), "b.style").find("5500 x 5500 pixels"), std::string::npos);
}

// Files from other editors and other systems: a byte-order mark before the first name, and
// names that are not valid UTF-8 (Latin-1 here), for the style file and its images alike.
TEST_F(StyleFile, ByteOrderMarkIsSkippedAndNamesAreBytes) {
    d.writeImage("bl\xE9.png", 2, 2, qRgb(77, 0, 0));
    d.writeText("sch\xF6n.style", "\xEF\xBB\xBF"
                                  "c1.png\r\nbl\xE9.png\r\nc3.png\r\nc4.png\r\nc5.png");
    ASSERT_EQ(loadstyle(style, d.path(), "sch\xF6n.style"), "");
    EXPECT_EQ(reds(), "1 77 3 4 5 ");
}

TEST(ShippedStyles, LoadWithTheStatedSizes) {
    for (const char* name : {"classic.style", "flat.style", "contrast.style"}) {
        Style s;
        ASSERT_EQ(loadstyle(s, ZEMBRIK_SOURCE_DIR, name), "") << name;
        EXPECT_EQ(s.picBlox.size(), QSize(128, 64)) << name;
        EXPECT_EQ(s.picBlox2.size(), QSize(128, 16)) << name;
        EXPECT_EQ(s.picFloor.size(), QSize(80, 8)) << name;
        EXPECT_EQ(s.picWall.size(), QSize(16, 192)) << name;
        EXPECT_FALSE(s.picSpare.isNull()) << name;
    }
}

// In the style for colour-blind players a shape is known by its pattern alone: the pixels of a
// lone block that differ from its body colour (its commonest colour other than the black and
// white of outline and pattern) form a different picture for each of the seven shapes, and the
// settled stack stands far apart in brightness from the empty well.
TEST(ShippedStyles, ContrastShapesDifferByPatternAndTheStackStandsOut) {
    Style s;
    ASSERT_EQ(loadstyle(s, ZEMBRIK_SOURCE_DIR, "contrast.style"), "");
    auto patternOf = [&](int row) {
        std::map<QRgb, int> count;
        for (int y = 1; y < 7; ++y)
            for (int x = 1; x < 7; ++x)
                if (const QRgb c = s.picBlox.pixel(x, row * 8 + y);
                    c != qRgb(0, 0, 0) && c != qRgb(255, 255, 255))
                    ++count[c];
        const QRgb body = std::max_element(count.begin(), count.end(), [](auto& a, auto& b) {
                              return a.second < b.second;
                          })->first;
        std::string picture;
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x)
                picture += s.picBlox.pixel(x, row * 8 + y) == body ? '.' : '#';
        return std::pair(body, picture);
    };
    std::set<std::string> pictures;
    for (int row = 1; row <= 7; ++row) {
        const auto [body, picture] = patternOf(row);
        // A strong pattern: at least a fifth of the face inside the outline.
        EXPECT_GE(std::count(picture.begin(), picture.end(), '#'), 28 + 7) << row;
        pictures.insert(picture);
    }
    EXPECT_EQ(pictures.size(), 7u);
    const QRgb settled = patternOf(0).first;
    const QRgb empty = s.picBlox.pixel(121, 1);
    EXPECT_GE(qGray(settled) - qGray(empty), 180);
}

} // namespace
