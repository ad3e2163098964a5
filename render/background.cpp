// SPDX-License-Identifier: GPL-3.0-or-later
// Seeding, moving and drawing the background rectangles.
#include "render/background.h"

#include <algorithm>
#include <cmath>

#include "render/surface.h"

namespace zembrik {

namespace {

// A pixel coordinate from a float, kept small enough that the drawing code never overflows.
int px(float v) {
    if (!std::isfinite(v)) return v > 0 ? 1000000 : -1000000;
    return static_cast<int>(std::lround(std::clamp(v, -1.0e6f, 1.0e6f)));
}

// The four one-pixel sides of a box (corner to corner): top, bottom, left, right.
std::array<QRect, 4> edgesOf(const QRect& b) {
    return {QRect(QPoint(b.left(), b.top()), QPoint(b.right(), b.top())),
            QRect(QPoint(b.left(), b.bottom()), QPoint(b.right(), b.bottom())),
            QRect(QPoint(b.left(), b.top()), QPoint(b.left(), b.bottom())),
            QRect(QPoint(b.right(), b.top()), QPoint(b.right(), b.bottom()))};
}

// The pixels of one side before (a) and after (b) that are in one but not the other, as up to
// two pieces in out; the count. A side that stayed on its row or column loses and gains only
// at its ends; one that moved off it is replaced whole.
size_t edgeDifference(const QRect& a, const QRect& b, std::array<QRect, 2>& out) {
    if (a == b) return 0;
    const bool sameRow = a.height() == 1 && b.height() == 1 && a.top() == b.top();
    const bool sameColumn = a.width() == 1 && b.width() == 1 && a.left() == b.left();
    if (!sameRow && !sameColumn) {
        out[0] = a;
        out[1] = b;
        return 2;
    }
    // Along the line: [a1, a2] and [b1, b2], then back to rectangles.
    const int a1 = sameRow ? a.left() : a.top(), a2 = sameRow ? a.right() : a.bottom();
    const int b1 = sameRow ? b.left() : b.top(), b2 = sameRow ? b.right() : b.bottom();
    const auto piece = [&](int from, int to) {
        return sameRow ? QRect(QPoint(from, a.top()), QPoint(to, a.top()))
                       : QRect(QPoint(a.left(), from), QPoint(a.left(), to));
    };
    if (a2 < b1 || b2 < a1) {
        out[0] = a;
        out[1] = b;
        return 2;
    }
    size_t n = 0;
    if (a1 != b1) out[n++] = piece(std::min(a1, b1), std::max(a1, b1) - 1);
    if (a2 != b2) out[n++] = piece(std::min(a2, b2) + 1, std::max(a2, b2));
    return n;
}

} // namespace

void resetbg(Background& bg, Random& rnd, int16_t xx, int16_t curLevel, int SW, int SH) {
    if (xx < 0 || xx > 9) return;
    const auto k = static_cast<size_t>(xx);
    const double sw = SW, sh = SH;
    bg.bgY[k] = static_cast<float>(rnd.next() * sh + sh);
    bg.bgW[k] = static_cast<float>(rnd.next() * sw);
    bg.bgX[k] = static_cast<float>(rnd.next() * (sw + bg.bgW[k]) - bg.bgW[k]);
    bg.bgH[k] = static_cast<float>(rnd.next() * sh * std::pow(2.0, curLevel / 2.0));
    bg.bgGrey[k] = static_cast<int32_t>(std::floor(rnd.next() * 32.0 + 8.0));
    bg.bgVY[k] = static_cast<float>(std::pow(2.0, curLevel / 1.5) * -bg.bgGrey[k] / 80.0 - 1.0);
    if (curLevel >= 10)
        bg.bgVX[k] = 0;
    else
        bg.bgVX[k] = static_cast<float>(-rnd.next() * bg.bgVY[k] / 10.0 + bg.bgVY[k] / 20.0);
}

void drawbg(Background& bg, Random& rnd, int16_t curLevel, QImage& window) {
    BackgroundTrace trace;
    std::vector<QRect> changed;
    drawbg(bg, rnd, curLevel, window, trace, changed);
}

void drawbg(Background& bg, Random& rnd, int16_t curLevel, QImage& window, BackgroundTrace& trace,
            std::vector<QRect>& changed) {
    const bool incremental = trace.valid;
    const BackgroundTrace old = trace;
    const int SW = window.width(), SH = window.height();
    for (int16_t i = 0; i < 10; ++i) {
        const auto k = static_cast<size_t>(i);
        bg.bgY[k] += bg.bgVY[k];
        bg.bgX[k] += bg.bgVX[k];
        if (bg.bgH[k] + bg.bgY[k] < 0) resetbg(bg, rnd, i, curLevel, SW, SH);
    }
    for (size_t k = 0; k < 10; ++k) {
        const float top = bg.bgY[k] < 0 ? -1.0f : bg.bgY[k];
        const float bottom = bg.bgY[k] + bg.bgH[k] > SH ? SH + 1.0f : bg.bgY[k] + bg.bgH[k];
        const int x1 = px(bg.bgX[k]), x2 = px(bg.bgX[k] + bg.bgW[k]);
        const int y1 = px(top), y2 = px(bottom);
        trace.boxes[k] = QRect(QPoint(std::min(x1, x2), std::min(y1, y2)),
                               QPoint(std::max(x1, x2), std::max(y1, y2)));
        trace.greys[k] = std::clamp(bg.bgGrey[k], 0, 255);
    }
    trace.valid = true;
    // The sides and colours of the outlines, made once for every piece painted below.
    std::array<std::array<QRect, 4>, 10> edges;
    std::array<QRgb, 10> greys;
    for (size_t k = 0; k < 10; ++k) {
        edges[k] = edgesOf(trace.boxes[k]);
        greys[k] = qRgb(trace.greys[k], trace.greys[k], trace.greys[k]);
    }
    // Paints the part r of the window as a whole drawing would: black, then every outline
    // in order, each over the ones before.
    const auto paint = [&](const QRect& r) {
        fillBox(window, r.left(), r.top(), r.right(), r.bottom(), qRgb(0, 0, 0));
        for (size_t k = 0; k < 10; ++k) {
            for (const QRect& e : edges[k]) {
                const QRect in = e & r;
                if (!in.isEmpty())
                    fillBox(window, in.left(), in.top(), in.right(), in.bottom(), greys[k]);
            }
        }
    };
    if (!incremental) {
        paint(window.rect());
        changed.push_back(window.rect());
        return;
    }
    // Only the pixels that an outline covered and no longer covers, or the other way round,
    // can change colour: elsewhere every outline covers what it covered, in the same grey.
    // An outline that climbs a pixel changes the two ends of its sides and its top and
    // bottom rows, not the whole of its sides; those few small pieces are painted again.
    const QRect image = window.rect();
    std::array<QRect, 2> pieces;
    for (size_t k = 0; k < 10; ++k) {
        const std::array<QRect, 4> was = edgesOf(old.boxes[k]);
        const std::array<QRect, 4>& is = edges[k];
        const bool sameGrey = old.greys[k] == trace.greys[k];
        for (size_t e = 0; e < 4; ++e) {
            size_t n = 0;
            if (sameGrey) {
                n = edgeDifference(was[e], is[e], pieces);
            } else {
                pieces[0] = was[e];
                pieces[1] = is[e];
                n = 2;
            }
            for (size_t i = 0; i < n; ++i) {
                const QRect in = pieces[i] & image;
                if (in.isEmpty()) continue;
                paint(in);
                changed.push_back(in);
            }
        }
    }
}

} // namespace zembrik
