// SPDX-License-Identifier: GPL-3.0-or-later
// Integer scaling of the 640 x 480 design onto a client area of any size: where the design goes,
// how a point of the client maps back to a design pixel, and the nearest-neighbour enlargement.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <optional>

namespace zembrik {

// Where the design sits in a client area, all in device pixels: every design pixel becomes a
// scale x scale block, the top-left design pixel's block starts at offset. With `fill` set
// (Fill scaling) the design covers fill pixels instead, at any factor: device column X of it
// shows design column X * design.width() / fill.width() (whole-number division), and rows
// likewise, so drawing and clicks use the one same mapping; `scale` is then the whole part of
// the factor (at least 1).
struct DesignPlacement {
    DesignPlacement(int scale = 1, QPoint offset = {}, QSize fill = {})
        : scale(scale), offset(offset), fill(fill) {}
    int scale;
    QPoint offset;
    QSize fill; // empty: whole scale
    bool operator==(const DesignPlacement&) const = default;
    // The client rectangle the whole design covers.
    QRect area(QSize design) const { return {offset, fill.isEmpty() ? design * scale : fill}; }
};

// The largest whole scale s >= 1 with design.width() * s <= client.width() and
// design.height() * s <= client.height(), centred (leftover pixels split, the odd one right
// and below). A client smaller than the design gets scale 1 at offset (0, 0).
DesignPlacement placeDesign(QSize client, QSize design);

// Fill scaling: the design as large as the client allows at any factor, its proportions kept
// (to the pixel), centred. At a whole factor it is placeDesign's placement. A client smaller
// than the design gets scale 1 at offset (0, 0).
DesignPlacement fillDesign(QSize client, QSize design);

// The design pixel under a client point (device pixels, fractions allowed), or nothing when
// the point lies in the black border around the design.
std::optional<QPoint> designPointAt(QPointF client, const DesignPlacement& at, QSize design);

// The client rectangle (device pixels) that shows the design rectangle r.
QRect clientRectOf(const QRect& r, const DesignPlacement& at, QSize design = QSize(640, 480));

// The design rectangle whose blocks cover every pixel of client rectangle r, clipped to the
// design; empty when r lies wholly in the border.
QRect designRectOf(const QRect& r, const DesignPlacement& at, QSize design);

// The client size a window opens at. A saved size (both sides at least the design's) is kept
// when it is no larger than the available area; otherwise, and when nothing was saved, the
// design at the largest whole scale whose window, with `decoration` added for its frame and
// title bar, fits the available area (at least 1x).
QSize openingClientSize(QSize saved, QSize available, QSize design, QSize decoration);

// Draws the client rectangle r (device pixels, within at.area) of the design image src into dst
// at Fill placement `at`, each device pixel the design pixel that designPointAt gives for it: no
// smoothing, so a click lands on the very pixel drawn under it. dstAt is where the client's
// top-left lies in dst. Both images 32-bit with the same pixel layout.
void scaleToFill(const QImage& src, QRect r, const DesignPlacement& at, QImage& dst, QPoint dstAt);

// Copies the rectangle r of src into dst at dstAt, each pixel as a scale x scale block of the
// same value: no smoothing, no blending. Both images must be 32-bit with the same pixel layout
// (RGB32 or ARGB32_Premultiplied); r is clipped to src and the result to dst.
void scaleUp(const QImage& src, QRect r, int scale, QImage& dst, QPoint dstAt);

} // namespace zembrik
