// SPDX-License-Identifier: GPL-3.0-or-later
// Regions built band by band cover exactly the union of their rectangles and work in Qt's own
// region operations.
#include <QRegion>
#include <gtest/gtest.h>
#include <random>
#include <vector>

#include "render/region.h"

using namespace zembrik;

namespace {

TEST(RegionOf, CoversExactlyTheUnionOfTheRectangles) {
    std::mt19937 rng(99);
    std::uniform_int_distribution<int> pos(-20, 120), len(-3, 60), thin(0, 3), count(0, 40);
    for (int round = 0; round < 300; ++round) {
        std::vector<QRect> rects;
        QRegion expected;
        const int n = count(rng);
        for (int i = 0; i < n; ++i) {
            // Thin bands like a frame's, squares, empty and touching ones.
            QRect r(pos(rng), pos(rng), len(rng), len(rng));
            if (i % 3 == 0) r.setWidth(thin(rng));
            if (i % 5 == 0) r.setHeight(thin(rng));
            if (i % 7 == 0 && !rects.empty()) r.moveLeft(rects.back().right() + 1);
            rects.push_back(r);
            if (!r.isEmpty()) expected += r;
        }
        const QRegion got = regionOf(rects);
        ASSERT_TRUE(got.xored(expected).isEmpty()) << "round " << round;
        ASSERT_EQ(got.boundingRect(), expected.boundingRect());
        ASSERT_EQ(got.rectCount() == 0, expected.isEmpty());
        for (int y = -20; y < 180; y += 7)
            for (int x = -20; x < 180; x += 5)
                ASSERT_EQ(got.contains(QPoint(x, y)), expected.contains(QPoint(x, y)));
        // No two rectangles of one band overlap or touch.
        QRect last;
        for (const QRect& r : got) {
            if (!last.isNull() && r.top() == last.top()) {
                ASSERT_GT(r.left(), last.right() + 1);
            }
            last = r;
        }
    }
}

} // namespace
