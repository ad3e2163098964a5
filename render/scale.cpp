// Row-wise nearest-neighbour enlargement: each source row is widened once into the first of
// its destination rows, and that row is copied for the others.
#include "render/scale.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

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

} // namespace

DesignPlacement placeDesign(QSize client, QSize design) {
    if (design.isEmpty()) return {};
    const int s =
        std::max(1, std::min(client.width() / design.width(), client.height() / design.height()));
    const QSize spare = client - design * s;
    return {s, QPoint(std::max(0, spare.width() / 2), std::max(0, spare.height() / 2))};
}

QSize openingClientSize(QSize saved, QSize available, QSize design, QSize decoration) {
    if (saved.width() >= design.width() && saved.height() >= design.height() &&
        saved.width() <= available.width() && saved.height() <= available.height())
        return saved;
    return design * placeDesign(available - decoration, design).scale;
}

std::optional<QPoint> designPointAt(QPointF client, const DesignPlacement& at, QSize design) {
    const double x = (client.x() - at.offset.x()) / at.scale;
    const double y = (client.y() - at.offset.y()) / at.scale;
    if (x < 0 || y < 0 || x >= design.width() || y >= design.height()) return std::nullopt;
    return QPoint(static_cast<int>(x), static_cast<int>(y));
}

QRect clientRectOf(const QRect& r, const DesignPlacement& at) {
    return {at.offset + r.topLeft() * at.scale, r.size() * at.scale};
}

QRect designRectOf(const QRect& r, const DesignPlacement& at, QSize design) {
    if (r.isEmpty()) return {};
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

} // namespace zembrik
