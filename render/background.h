// SPDX-License-Identifier: GPL-3.0-or-later
// The drifting rectangles behind the well: ten grey outlines that climb, faster at higher levels.
#pragma once

#include <array>
#include <cstdint>

#include <QImage>
#include <QRect>
#include <vector>

#include "core/random.h"

namespace zembrik {

// Ten rectangles in main-window pixels; all 0 until the first game seeds them.
struct Background {
    std::array<float, 10> bgX{};      // left edge
    std::array<float, 10> bgY{};      // top edge
    std::array<float, 10> bgW{};      // width
    std::array<float, 10> bgH{};      // height
    std::array<float, 10> bgVX{};     // sideways step per drawn frame
    std::array<float, 10> bgVY{};     // upward step per drawn frame, always below -1 once seeded
    std::array<int32_t, 10> bgGrey{}; // outline grey 8..39
};

// Gives rectangle xx (0..9; others are ignored) a new place below the window, size, grey and
// speed for curLevel, drawing five or six numbers from rnd. SW x SH is the window's inner size.
void resetbg(Background& bg, Random& rnd, int16_t xx, int16_t curLevel, int SW = 640, int SH = 480);

// Clears the window to black, moves all ten rectangles one frame, re-seeds those that have
// left through the top, then draws all ten outlines.
void drawbg(Background& bg, Random& rnd, int16_t curLevel, QImage& window);

// The outlines drawbg last drew into one window image (corner to corner, unclipped).
struct BackgroundTrace {
    std::array<QRect, 10> boxes{};
    std::array<int, 10> greys{}; // their grey levels
    bool valid = false;          // false: the image may hold anything, paint it whole
};

// drawbg for a window image that holds nothing but the outlines `trace` records: instead of
// clearing and drawing the whole image it moves the rectangles as drawbg does and paints again
// only the pixels that an outline left or reached (the ends of its sides and its top and
// bottom rows, for one that climbed a pixel), so the pixels come out the same. Adds those
// pieces (the whole image when the trace was not valid) to `changed`.
void drawbg(Background& bg, Random& rnd, int16_t curLevel, QImage& window, BackgroundTrace& trace,
            std::vector<QRect>& changed);

} // namespace zembrik
