// SPDX-License-Identifier: GPL-3.0-or-later
// The four drawing operations on an off-screen surface: stretched opaque copy, filled box,
// outlined box and clear. Every operation clips to both images, so nothing is ever read or
// written outside them.
#pragma once

#include <QImage>

namespace zembrik {

// A black RGB32 image of w x h pixels, the format every surface uses.
QImage makeSurface(int w, int h);

// Copies the rectangle (sx, sy, sw, sh) of src onto dst at (dx, dy), stretched to dw x dh
// pixels, nearest-neighbour and opaque. Source pixels outside src leave the matching
// destination pixels untouched; a null src draws nothing. dst must be RGB32.
void copyStretched(QImage& dst, int dx, int dy, int dw, int dh, const QImage& src, int sx, int sy,
                   int sw, int sh);

// Fills the box with corners (x1, y1) and (x2, y2), both included, in colour c.
void fillBox(QImage& dst, int x1, int y1, int x2, int y2, QRgb c);

// Draws the one-pixel outline of the box with corners (x1, y1) and (x2, y2), both included.
void outlineBox(QImage& dst, int x1, int y1, int x2, int y2, QRgb c);

// Fills the whole image with colour c.
void clearSurface(QImage& dst, QRgb c);

} // namespace zembrik
