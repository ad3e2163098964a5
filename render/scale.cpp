// SPDX-License-Identifier: GPL-3.0-or-later
// Row-wise nearest-neighbour enlargement: each source row is widened once into the first of
// its destination rows, and that row is copied for the others.
#include "render/scale.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

namespace zembrik {

namespace {

int floorDiv(int a, int b) {
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

// Writes each of n source pixels scale times.
template <int S> void widen(const uint32_t* s, int n, uint32_t* d) {
    for (int i = 0; i < n; ++i) {
        const uint32_t v = s[i];
        for (int k = 0; k < S; ++k)
            *d++ = v;
    }
}

void widenAny(const uint32_t* s, int n, int scale, uint32_t* d) {
    switch (scale) {
    case 2:
        widen<2>(s, n, d);
        return;
    case 3:
        widen<3>(s, n, d);
        return;
    case 4:
        widen<4>(s, n, d);
        return;
    default:
        for (int i = 0; i < n; ++i)
            d = std::fill_n(d, scale, s[i]);
    }
}

// Fill: the design pixel shown at device pixel d of a side `shown` pixels long that shows
// `design` pixels, and the first device pixel that shows design pixel x (x == design gives the
// side's length).
int fillSource(int d, int design, int shown) {
    return static_cast<int>(static_cast<int64_t>(d) * design / shown);
}
int fillFirst(int x, int design, int shown) {
    return static_cast<int>((static_cast<int64_t>(x) * shown + design - 1) / design);
}

} // namespace

DesignPlacement placeDesign(QSize client, QSize design) {
    if (design.isEmpty()) return {};
    const int s =
        std::max(1, std::min(client.width() / design.width(), client.height() / design.height()));
    const QSize spare = client - design * s;
    return {s, QPoint(std::max(0, spare.width() / 2), std::max(0, spare.height() / 2))};
}

DesignPlacement fillDesign(QSize client, QSize design) {
    if (design.isEmpty()) return {};
    const DesignPlacement whole = placeDesign(client, design);
    if (client.width() < design.width() || client.height() < design.height()) return whole;
    // The side that limits the factor is filled; the other follows, rounded down.
    QSize fill;
    if (static_cast<int64_t>(client.width()) * design.height() <=
        static_cast<int64_t>(client.height()) * design.width())
        fill = QSize(client.width(), static_cast<int>(static_cast<int64_t>(client.width()) *
                                                      design.height() / design.width()));
    else
        fill = QSize(static_cast<int>(static_cast<int64_t>(client.height()) * design.width() /
                                      design.height()),
                     client.height());
    if (fill == design * whole.scale) return whole;
    const QSize spare = client - fill;
    return {whole.scale, QPoint(spare.width() / 2, spare.height() / 2), fill};
}

QSize openingClientSize(QSize saved, QSize available, QSize design, QSize decoration) {
    if (saved.width() >= design.width() && saved.height() >= design.height() &&
        saved.width() <= available.width() && saved.height() <= available.height())
        return saved;
    return design * placeDesign(available - decoration, design).scale;
}

std::optional<QPoint> designPointAt(QPointF client, const DesignPlacement& at, QSize design) {
    if (!at.fill.isEmpty()) {
        // The device pixel under the point, then the design pixel drawn there.
        const double dx = std::floor(client.x() - at.offset.x());
        const double dy = std::floor(client.y() - at.offset.y());
        if (dx < 0 || dy < 0 || dx >= at.fill.width() || dy >= at.fill.height())
            return std::nullopt;
        return QPoint(fillSource(static_cast<int>(dx), design.width(), at.fill.width()),
                      fillSource(static_cast<int>(dy), design.height(), at.fill.height()));
    }
    const double x = (client.x() - at.offset.x()) / at.scale;
    const double y = (client.y() - at.offset.y()) / at.scale;
    if (x < 0 || y < 0 || x >= design.width() || y >= design.height()) return std::nullopt;
    return QPoint(static_cast<int>(x), static_cast<int>(y));
}

QRect clientRectOf(const QRect& r, const DesignPlacement& at, QSize design) {
    if (!at.fill.isEmpty()) {
        // The device pixels whose design pixel lies in r.
        const int x1 = fillFirst(r.left(), design.width(), at.fill.width());
        const int x2 = fillFirst(r.right() + 1, design.width(), at.fill.width());
        const int y1 = fillFirst(r.top(), design.height(), at.fill.height());
        const int y2 = fillFirst(r.bottom() + 1, design.height(), at.fill.height());
        return QRect(at.offset + QPoint(x1, y1), QSize(x2 - x1, y2 - y1));
    }
    return {at.offset + r.topLeft() * at.scale, r.size() * at.scale};
}

QRect designRectOf(const QRect& r, const DesignPlacement& at, QSize design) {
    if (r.isEmpty()) return {};
    if (!at.fill.isEmpty()) {
        const QRect in = r.translated(-at.offset).intersected(QRect(QPoint(), at.fill));
        if (in.isEmpty()) return {};
        return QRect(QPoint(fillSource(in.left(), design.width(), at.fill.width()),
                            fillSource(in.top(), design.height(), at.fill.height())),
                     QPoint(fillSource(in.right(), design.width(), at.fill.width()),
                            fillSource(in.bottom(), design.height(), at.fill.height())));
    }
    const int x1 = floorDiv(r.left() - at.offset.x(), at.scale);
    const int y1 = floorDiv(r.top() - at.offset.y(), at.scale);
    const int x2 = floorDiv(r.right() - at.offset.x(), at.scale);
    const int y2 = floorDiv(r.bottom() - at.offset.y(), at.scale);
    return QRect(QPoint(x1, y1), QPoint(x2, y2)).intersected(QRect(QPoint(), design));
}

void scaleUp(const QImage& src, QRect r, int scale, QImage& dst, QPoint dstAt) {
    if (scale < 1 || src.depth() != 32 || dst.depth() != 32) return;
    r = r.intersected(src.rect());
    // Keep only the source pixels whose whole block lands inside dst.
    const int x1 = -floorDiv(dstAt.x(), scale), y1 = -floorDiv(dstAt.y(), scale);
    const int x2 = floorDiv(dst.width() - dstAt.x(), scale) - 1;
    const int y2 = floorDiv(dst.height() - dstAt.y(), scale) - 1;
    r = r.intersected(QRect(QPoint(x1, y1), QPoint(x2, y2)));
    if (r.isEmpty()) return;
    const int n = r.width();
    const size_t rowBytes = static_cast<size_t>(n) * static_cast<size_t>(scale) * 4;
    // Row addresses from the first one: a frame's changes are often bands one or two pixels
    // wide and hundreds of rows tall, where a scanLine() call per row costs more than the copy.
    const uchar* srcBits = src.constBits();
    const qsizetype srcStride = src.bytesPerLine();
    uchar* dstBits = dst.bits();
    const qsizetype dstStride = dst.bytesPerLine();
    for (int y = r.top(); y <= r.bottom(); ++y) {
        const auto* s = reinterpret_cast<const uint32_t*>(srcBits + srcStride * y) + r.left();
        const int dy = dstAt.y() + (y * scale);
        const int dx = dstAt.x() + r.left() * scale;
        auto* first = reinterpret_cast<uint32_t*>(dstBits + dstStride * dy) + dx;
        if (scale == 1) {
            std::memcpy(first, s, rowBytes);
            continue;
        }
        widenAny(s, n, scale, first);
        for (int k = 1; k < scale; ++k)
            std::memcpy(reinterpret_cast<uint32_t*>(dstBits + dstStride * (dy + k)) + dx, first,
                        rowBytes);
    }
}

void scaleToFill(const QImage& src, QRect r, const DesignPlacement& at, QImage& dst, QPoint dstAt) {
    if (at.fill.isEmpty() || src.depth() != 32 || dst.depth() != 32) return;
    r = r.intersected(at.area(src.size())).intersected(dst.rect().translated(-dstAt));
    if (r.isEmpty()) return;
    // The source column of each destination column, worked out once.
    std::vector<int> column(static_cast<size_t>(r.width()));
    for (int x = 0; x < r.width(); ++x)
        column[static_cast<size_t>(x)] =
            fillSource(r.left() + x - at.offset.x(), src.width(), at.fill.width());
    int lastRow = -1;
    const uint32_t* lastOut = nullptr;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        const int sy = fillSource(y - at.offset.y(), src.height(), at.fill.height());
        auto* out = reinterpret_cast<uint32_t*>(dst.scanLine(dstAt.y() + y)) + dstAt.x() + r.left();
        if (sy == lastRow) {
            // The same design row as the row above: a copy.
            std::memcpy(out, lastOut, static_cast<size_t>(r.width()) * 4);
        } else {
            const auto* in = reinterpret_cast<const uint32_t*>(src.constScanLine(sy));
            for (int x = 0; x < r.width(); ++x)
                out[x] = in[column[static_cast<size_t>(x)]];
        }
        lastRow = sy;
        lastOut = out;
    }
}

} // namespace zembrik
