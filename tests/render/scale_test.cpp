// SPDX-License-Identifier: GPL-3.0-or-later
// Integer scaling of the design: the scale and offset rule, mapping points and rectangles both
// ways, and the pixel-by-pixel enlargement.
#include <gtest/gtest.h>

#include <QRandomGenerator>

#include "render/scale.h"

using namespace zembrik;

namespace {

const QSize kDesign(640, 480);

TEST(Scale, LargestWholeScaleCentredForEachClientSize) {
    struct Case {
        QSize client;
        int scale;
        QPoint offset;
    };
    const Case cases[] = {
        {{640, 480}, 1, {0, 0}},      {{641, 481}, 1, {0, 0}},       {{642, 483}, 1, {1, 1}},
        {{1279, 959}, 1, {319, 239}}, {{1280, 960}, 2, {0, 0}},      {{1280, 1024}, 2, {0, 32}},
        {{1920, 1080}, 2, {320, 60}}, {{1920, 1200}, 2, {320, 120}}, {{1920, 1440}, 3, {0, 0}},
        {{2560, 1440}, 3, {320, 0}},  {{3840, 2160}, 4, {640, 120}}, {{5120, 2880}, 6, {640, 0}},
        {{1024, 768}, 1, {192, 144}}, {{4000, 480}, 1, {1680, 0}},   {{640, 4000}, 1, {0, 1760}},
        {{100, 100}, 1, {0, 0}},      {{0, 0}, 1, {0, 0}},
    };
    for (const Case& c : cases) {
        const DesignPlacement at = placeDesign(c.client, kDesign);
        EXPECT_EQ(at.scale, c.scale) << c.client.width() << "x" << c.client.height();
        EXPECT_EQ(at.offset, c.offset) << c.client.width() << "x" << c.client.height();
        if (c.client.width() >= 640 && c.client.height() >= 480) {
            EXPECT_TRUE(QRect(QPoint(), c.client).contains(at.area(kDesign)));
        }
    }
}

TEST(Scale, ClientPointsMapToTheDesignPixelOfTheirBlock) {
    for (int s = 1; s <= 3; ++s) {
        const DesignPlacement at{s, QPoint(7, 5)};
        EXPECT_EQ(designPointAt(QPointF(7, 5), at, kDesign), QPoint(0, 0));
        EXPECT_EQ(designPointAt(QPointF(7 + s - 0.01, 5 + s - 0.01), at, kDesign), QPoint(0, 0));
        EXPECT_EQ(designPointAt(QPointF(7 + s, 5), at, kDesign), QPoint(1, 0));
        EXPECT_EQ(designPointAt(QPointF(7 + 639 * s + s - 1, 5 + 479 * s), at, kDesign),
                  QPoint(639, 479));
        // The black border around the design belongs to nothing.
        EXPECT_EQ(designPointAt(QPointF(6.9, 100), at, kDesign), std::nullopt);
        EXPECT_EQ(designPointAt(QPointF(100, 4.5), at, kDesign), std::nullopt);
        EXPECT_EQ(designPointAt(QPointF(7 + 640 * s, 100), at, kDesign), std::nullopt);
        EXPECT_EQ(designPointAt(QPointF(100, 5 + 480 * s), at, kDesign), std::nullopt);
    }
}

TEST(Scale, RectanglesMapBothWays) {
    const DesignPlacement at{3, QPoint(10, 20)};
    const QRect d(216, 16, 192, 457);
    const QRect c = clientRectOf(d, at);
    EXPECT_EQ(c, QRect(10 + 648, 20 + 48, 576, 1371));
    EXPECT_EQ(designRectOf(c, at, kDesign), d);
    // A client rectangle touching a block at all covers that design pixel.
    EXPECT_EQ(designRectOf(QRect(12, 22, 2, 2), at, kDesign), QRect(0, 0, 2, 2));
    EXPECT_EQ(designRectOf(QRect(0, 0, 10, 20), at, kDesign), QRect());
    EXPECT_EQ(designRectOf(QRect(0, 0, 5000, 5000), at, kDesign), QRect(QPoint(), kDesign));
}

TEST(Scale, OpeningSizeKeepsASavedSizeThatFitsElseTheLargestScaleThatFits) {
    const QSize deco(16, 48);
    struct Case {
        QSize saved, available, expected;
    };
    const Case cases[] = {
        // First run: the largest scale whose window fits, at least 1x.
        {{0, 0}, {1920, 1050}, {1280, 960}},
        {{0, 0}, {1920, 1080}, {1280, 960}},
        {{0, 0}, {1024, 738}, {640, 480}},
        {{0, 0}, {1280, 984}, {640, 480}}, // 2x would leave no room for the title bar
        {{0, 0}, {2560, 1400}, {1280, 960}},
        {{0, 0}, {3840, 2120}, {2560, 1920}},
        {{0, 0}, {600, 400}, {640, 480}},
        // A saved size that fits is kept, scale or not.
        {{900, 700}, {1920, 1050}, {900, 700}},
        {{1920, 1050}, {1920, 1050}, {1920, 1050}},
        // Larger than the screen, or smaller than the design: as on a first run.
        {{1921, 700}, {1920, 1050}, {1280, 960}},
        {{900, 1051}, {1920, 1050}, {1280, 960}},
        {{2560, 1920}, {1024, 738}, {640, 480}},
        {{639, 700}, {1920, 1050}, {1280, 960}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(openingClientSize(c.saved, c.available, kDesign, deco), c.expected)
            << c.saved.width() << "x" << c.saved.height() << " on " << c.available.width() << "x"
            << c.available.height();
}

QImage noise(QSize size, QImage::Format format) {
    QImage img(size, format);
    QRandomGenerator r(1234);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            img.setPixel(x, y, r.generate() | 0xFF000000u);
    return img;
}

TEST(Scale, EveryPixelBecomesABlockOfItsValue) {
    for (QImage::Format f : {QImage::Format_RGB32, QImage::Format_ARGB32_Premultiplied}) {
        const QImage src = noise(QSize(64, 48), f);
        for (int s : {1, 2, 3, 4, 5}) {
            QImage dst(src.size() * s + QSize(3, 2), f);
            dst.fill(0xFF00FF00u);
            scaleUp(src, src.rect(), s, dst, QPoint(2, 1));
            for (int y = 0; y < dst.height(); ++y)
                for (int x = 0; x < dst.width(); ++x) {
                    const int sx = x - 2, sy = y - 1;
                    const bool in = sx >= 0 && sy >= 0 && sx < 64 * s && sy < 48 * s;
                    ASSERT_EQ(dst.pixel(x, y), in ? src.pixel(sx / s, sy / s) : 0xFF00FF00u)
                        << "scale " << s << " at " << x << "," << y;
                }
        }
    }
}

TEST(Scale, PartOfTheSourceAndDestinationEdgesStayInside) {
    const QImage src = noise(QSize(20, 10), QImage::Format_RGB32);
    QImage dst(40, 20, QImage::Format_RGB32);
    dst.fill(0xFF000000u);
    scaleUp(src, QRect(5, 2, 3, 4), 2, dst, QPoint());
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 40; ++x) {
            const bool in = x >= 10 && x < 16 && y >= 4 && y < 12;
            ASSERT_EQ(dst.pixel(x, y), in ? src.pixel(x / 2, y / 2) : 0xFF000000u);
        }
    // Blocks that would reach past any edge of the destination are left out, not cut.
    QImage small(7, 5, QImage::Format_RGB32);
    small.fill(0xFF000000u);
    scaleUp(src, src.rect(), 3, small, QPoint(-1, -1));
    EXPECT_EQ(small.pixel(0, 0), 0xFF000000u);
    EXPECT_EQ(small.pixel(2, 2), src.pixel(1, 1));
    EXPECT_EQ(small.pixel(6, 4), 0xFF000000u);
    // Images of other depths are refused.
    QImage mono(40, 20, QImage::Format_Mono);
    scaleUp(src, src.rect(), 2, mono, QPoint());
}

// Fill: every device pixel of the design's area shows the design pixel a click there maps to,
// at fractional factors, and rectangles map both ways.
TEST(Scale, FillDrawsAndMapsClicksByOneRuleAtAnyFactor) {
    struct Case {
        QSize client, fill;
        QPoint offset;
    };
    const Case cases[] = {
        {{1366, 768}, {1024, 768}, {171, 0}}, // a laptop: 1.6x
        {{1000, 1000}, {1000, 750}, {0, 125}},
        {{1365, 767}, {1022, 767}, {171, 0}},
        {{1280, 960}, {}, {0, 0}}, // a whole factor is Sharp's placement
    };
    QImage design(kDesign, QImage::Format_RGB32);
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 640; ++x)
            design.setPixel(x, y, static_cast<QRgb>(0xFF000000u | (x << 12) | y));
    for (const Case& c : cases) {
        const DesignPlacement at = fillDesign(c.client, kDesign);
        ASSERT_EQ(at.fill, c.fill) << c.client.width();
        ASSERT_EQ(at.offset, c.offset) << c.client.width();
        if (c.fill.isEmpty()) {
            EXPECT_EQ(at, placeDesign(c.client, kDesign));
            continue;
        }
        EXPECT_EQ(at.scale, 1);
        QImage shown(c.client, QImage::Format_RGB32);
        shown.fill(Qt::black);
        // Drawn in two parts that meet mid-row, as separate repaints would.
        const QRect area = at.area(kDesign);
        scaleToFill(design, area.adjusted(0, 0, -area.width() / 2, 0), at, shown, QPoint());
        scaleToFill(design, area.adjusted(area.width() - area.width() / 2, 0, 0, 0), at, shown,
                    QPoint());
        for (int y = 0; y < c.client.height(); ++y)
            for (int x = 0; x < c.client.width(); ++x) {
                const std::optional<QPoint> p =
                    designPointAt(QPointF(x + 0.7, y + 0.2), at, kDesign);
                if (!area.contains(x, y)) {
                    ASSERT_EQ(p, std::nullopt) << x << "," << y;
                    continue;
                }
                ASSERT_TRUE(p) << x << "," << y;
                const QRgb v = shown.pixel(x, y);
                ASSERT_EQ(*p,
                          QPoint(static_cast<int>((v >> 12) & 0x3FF), static_cast<int>(v & 0x3FF)))
                    << x << "," << y;
            }
        // A design rectangle's device pixels are exactly those showing it.
        for (const QRect d : {QRect(216, 16, 192, 457), QRect(0, 0, 1, 1), QRect(639, 479, 1, 1),
                              QRect(5, 7, 3, 2)}) {
            const QRect r = clientRectOf(d, at, kDesign);
            EXPECT_EQ(designRectOf(r, at, kDesign), d);
            EXPECT_EQ(designPointAt(QPointF(r.topLeft()), at, kDesign), d.topLeft());
            EXPECT_EQ(designPointAt(QPointF(r.bottomRight()), at, kDesign), d.bottomRight());
            EXPECT_NE(designPointAt(QPointF(r.left() - 1, r.top()), at, kDesign), d.topLeft());
            EXPECT_NE(designPointAt(QPointF(r.right() + 1, r.bottom()), at, kDesign),
                      d.bottomRight());
        }
    }
}

} // namespace
