// Seeding, moving and drawing the background rectangles.
#include "render/background.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "render/surface.h"

namespace zembrik {

namespace {

// A pixel coordinate from a float, kept small enough that the drawing code never overflows.
int px(float v) {
    if (!std::isfinite(v)) return v > 0 ? 1000000 : -1000000;
    return static_cast<int>(std::lround(std::clamp(v, -1.0e6f, 1.0e6f)));
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
    const std::array<QRect, 10> old = trace.boxes;
    if (incremental) {
        for (const QRect& b : old)
            outlineBox(window, b.left(), b.top(), b.right(), b.bottom(), qRgb(0, 0, 0));
    } else {
        clearSurface(window, qRgb(0, 0, 0));
    }
    const int SW = window.width(), SH = window.height();
    for (int16_t i = 0; i < 10; ++i) {
        const auto k = static_cast<size_t>(i);
        bg.bgY[k] += bg.bgVY[k];
        bg.bgX[k] += bg.bgVX[k];
        if (bg.bgH[k] + bg.bgY[k] < 0) resetbg(bg, rnd, i, curLevel, SW, SH);
    }
    for (size_t k = 0; k < 10; ++k) {
        const int g = std::clamp(bg.bgGrey[k], 0, 255);
        const float top = bg.bgY[k] < 0 ? -1.0f : bg.bgY[k];
        const float bottom = bg.bgY[k] + bg.bgH[k] > SH ? SH + 1.0f : bg.bgY[k] + bg.bgH[k];
        const int x1 = px(bg.bgX[k]), x2 = px(bg.bgX[k] + bg.bgW[k]);
        const int y1 = px(top), y2 = px(bottom);
        outlineBox(window, x1, y1, x2, y2, qRgb(g, g, g));
        trace.boxes[k] = QRect(QPoint(std::min(x1, x2), std::min(y1, y2)),
                               QPoint(std::max(x1, x2), std::max(y1, y2)));
    }
    trace.valid = true;
    if (!incremental) {
        changed.push_back(window.rect());
        return;
    }
    // Each outline's old and new edges. An outline that moved a little gives four thin bands,
    // each holding an old edge and its new place, so the region stays a few dozen rectangles
    // (a region of many crossing lines costs more to build and clip to than the pixels cost
    // to copy); one re-seeded or far moved gives its old and new edges apart.
    const QRect image = window.rect();
    const auto add = [&](int l, int t, int r, int b) {
        const QRect in = QRect(QPoint(l, t), QPoint(r, b)) & image;
        if (!in.isEmpty()) changed.push_back(in);
    };
    const auto edges = [&](const QRect& b) {
        add(b.left(), b.top(), b.right(), b.top());
        add(b.left(), b.bottom(), b.right(), b.bottom());
        add(b.left(), b.top(), b.left(), b.bottom());
        add(b.right(), b.top(), b.right(), b.bottom());
    };
    constexpr int kNear = 16;
    for (size_t k = 0; k < 10; ++k) {
        const QRect& a = old[k];
        const QRect& b = trace.boxes[k];
        if (std::abs(a.left() - b.left()) > kNear || std::abs(a.right() - b.right()) > kNear ||
            std::abs(a.top() - b.top()) > kNear || std::abs(a.bottom() - b.bottom()) > kNear) {
            edges(a);
            edges(b);
            continue;
        }
        const int l = std::min(a.left(), b.left()), r = std::max(a.right(), b.right());
        const int t = std::min(a.top(), b.top()), bo = std::max(a.bottom(), b.bottom());
        add(l, t, r, std::max(a.top(), b.top()));
        add(l, std::min(a.bottom(), b.bottom()), r, bo);
        add(l, t, std::max(a.left(), b.left()), bo);
        add(std::min(a.right(), b.right()), t, r, bo);
    }
}

} // namespace zembrik
