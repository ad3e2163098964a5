// SPDX-License-Identifier: GPL-3.0-or-later
// Walls and floor as riveted metal columns; one 8-pixel segment per well row or column.
#include "well_art.h"

namespace artgen {

namespace {

QColor mix(const QColor& a, const QColor& b, double t) {
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t,
                            a.greenF() + (b.greenF() - a.greenF()) * t,
                            a.blueF() + (b.blueF() - a.blueF()) * t);
}

// One 8 x 8 segment; `across` is the distance from the outer edge (0) to the well side (7),
// `along` the position along the wall.
QColor segment(const Palette& p, int across, int along) {
    if (across == 7) return p.wallLight; // the rim facing the well
    if (across == 0) return p.wallDark;
    if (along == 0) return mix(p.wallDark, p.wallMid, 0.35); // seam between segments
    if (along == 1) return mix(p.wallMid, p.wallLight, 0.35);
    if ((across == 2 || across == 5) && along == 4) return mix(p.wallMid, p.wallLight, 0.6);
    const double shade = 0.15 + 0.1 * across;
    return mix(p.wallDark, p.wallMid, std::min(1.0, shade + 0.35));
}

} // namespace

QImage wallImage(const Palette& p) {
    QImage img(16, 192, QImage::Format_RGB32);
    for (int y = 0; y < 192; ++y) {
        for (int x = 0; x < 8; ++x) {
            img.setPixelColor(x, y, segment(p, x, y % 8));      // left: well on the right
            img.setPixelColor(15 - x, y, segment(p, x, y % 8)); // right: mirror image
        }
    }
    return img;
}

QImage floorImage(const Palette& p) {
    QImage img(80, 8, QImage::Format_RGB32);
    for (int x = 0; x < 80; ++x)
        for (int y = 0; y < 8; ++y)
            img.setPixelColor(x, y, segment(p, 7 - y, x % 8));
    return img;
}

QImage spareImage(const Palette& p, const QImage& sheet) {
    QImage img(128, 32, QImage::Format_RGB32);
    img.fill(p.empty);
    // Each shape as a single joined bar of two blocks, side by side with a gap.
    for (int s = 1; s <= 7; ++s) {
        const int ox = 4 + (s - 1) * 17, oy = 8;
        for (int y = 0; y < 8; ++y) {
            for (int x = 0; x < 8; ++x) {
                img.setPixel(ox + x, oy + y, sheet.pixel(8 * 8 + x, s * 8 + y));     // joins right
                img.setPixel(ox + 8 + x, oy + y, sheet.pixel(4 * 8 + x, s * 8 + y)); // joins left
                img.setPixel(ox + x, oy + 8 + y, sheet.pixel(0 + x, 0 + y));         // settled
            }
        }
    }
    return img;
}

} // namespace artgen
