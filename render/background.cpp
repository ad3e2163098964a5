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
    clearSurface(window, qRgb(0, 0, 0));
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
        outlineBox(window, px(bg.bgX[k]), px(top), px(bg.bgX[k] + bg.bgW[k]), px(bottom),
                   qRgb(g, g, g));
    }
}

} // namespace zembrik
