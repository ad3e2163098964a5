// SPDX-License-Identifier: GPL-3.0-or-later
// Scanline implementations of the surface operations; QPainter is far too slow per sprite.
#include "render/surface.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace zembrik {

namespace {

bool is32Bit(const QImage& img) {
    switch (img.format()) {
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied:
        return true;
    default:
        return false;
    }
}

} // namespace

QImage makeSurface(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(qRgb(0, 0, 0));
    return img;
}

void copyStretched(QImage& dst, int dx, int dy, int dw, int dh, const QImage& src, int sx, int sy,
                   int sw, int sh) {
    if (src.isNull() || dst.isNull() || dw <= 0 || dh <= 0 || sw <= 0 || sh <= 0) return;
    if (!is32Bit(dst)) dst = dst.convertToFormat(QImage::Format_RGB32);
    if (!is32Bit(src)) {
        copyStretched(dst, dx, dy, dw, dh, src.convertToFormat(QImage::Format_RGB32), sx, sy, sw,
                      sh);
        return;
    }
    const int dstW = dst.width(), dstH = dst.height();
    const int srcW = src.width(), srcH = src.height();
    // Clip the destination first; the source is checked per pixel below.
    const int i0 = std::max(0, -dx), i1 = std::min(dw, dstW - dx);
    const int j0 = std::max(0, -dy), j1 = std::min(dh, dstH - dy);
    if (i0 >= i1 || j0 >= j1) return;

    const auto* srcBits = reinterpret_cast<const uint32_t*>(src.constBits());
    const qsizetype srcStride = src.bytesPerLine() / 4;
    auto* dstBits = reinterpret_cast<uint32_t*>(dst.bits());
    const qsizetype dstStride = dst.bytesPerLine() / 4;
    // 16.16 fixed-point step, sampling at pixel centres; exact for 1:1 and 1:2.
    const int64_t stepX = (int64_t(sw) << 16) / dw;
    const int64_t stepY = (int64_t(sh) << 16) / dh;

    // A row stretched from the same source row as the row above it is a copy of that row,
    // when every pixel of a row is written and source and destination share no pixels.
    const auto addr = [](const uint32_t* p) { return reinterpret_cast<uintptr_t>(p); };
    const bool shared = addr(srcBits) < addr(dstBits + dstStride * dstH) &&
                        addr(dstBits) < addr(srcBits + srcStride * srcH);
    const bool copyRows = !shared && sx >= 0 && sx + sw <= srcW;
    int lastSyy = -1;
    const uint32_t* lastRow = nullptr;
    for (int j = j0; j < j1; ++j) {
        const int syy = sy + static_cast<int>((stepY * j + stepY / 2) >> 16);
        if (syy < 0 || syy >= srcH) continue;
        const uint32_t* s = srcBits + srcStride * syy;
        uint32_t* d = dstBits + dstStride * (dy + j) + dx;
        if (copyRows && syy == lastSyy) {
            std::memcpy(d + i0, lastRow + i0, sizeof(uint32_t) * static_cast<size_t>(i1 - i0));
            continue;
        }
        lastSyy = syy;
        lastRow = d;
        if (sw == dw && sx >= 0 && sx + sw <= srcW) {
            for (int i = i0; i < i1; ++i)
                d[i] = s[sx + i] | 0xFF000000u;
        } else if (dw == 2 * sw && sx >= 0 && sx + sw <= srcW) {
            for (int i = i0; i < i1; ++i)
                d[i] = s[sx + (i >> 1)] | 0xFF000000u;
        } else {
            for (int i = i0; i < i1; ++i) {
                const int sxx = sx + static_cast<int>((stepX * i + stepX / 2) >> 16);
                if (sxx >= 0 && sxx < srcW) d[i] = s[sxx] | 0xFF000000u;
            }
        }
    }
}

void fillBox(QImage& dst, int x1, int y1, int x2, int y2, QRgb c) {
    if (dst.isNull()) return;
    if (!is32Bit(dst)) dst = dst.convertToFormat(QImage::Format_RGB32);
    const int left = std::max(0, std::min(x1, x2)),
              right = std::min(dst.width() - 1, std::max(x1, x2));
    const int top = std::max(0, std::min(y1, y2)),
              bottom = std::min(dst.height() - 1, std::max(y1, y2));
    if (left > right || top > bottom) return;
    auto* bits = reinterpret_cast<uint32_t*>(dst.bits());
    const qsizetype stride = dst.bytesPerLine() / 4;
    const uint32_t v = c | 0xFF000000u;
    for (int y = top; y <= bottom; ++y)
        std::fill(bits + stride * y + left, bits + stride * y + right + 1, v);
}

void outlineBox(QImage& dst, int x1, int y1, int x2, int y2, QRgb c) {
    const int left = std::min(x1, x2), right = std::max(x1, x2);
    const int top = std::min(y1, y2), bottom = std::max(y1, y2);
    fillBox(dst, left, top, right, top, c);
    fillBox(dst, left, bottom, right, bottom, c);
    fillBox(dst, left, top, left, bottom, c);
    fillBox(dst, right, top, right, bottom, c);
}

void clearSurface(QImage& dst, QRgb c) {
    if (!dst.isNull()) dst.fill(c | 0xFF000000u);
}

} // namespace zembrik
