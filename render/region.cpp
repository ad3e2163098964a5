// SPDX-License-Identifier: GPL-3.0-or-later
// Banding a set of rectangles: split at every top and bottom edge, merge the spans of each band.
#include "render/region.h"

#include <algorithm>
#include <utility>

namespace zembrik {

QRegion regionOf(const std::vector<QRect>& rects) {
    std::vector<QRect> in;
    std::vector<int> edges; // every y where a band may start: tops and bottoms + 1
    for (const QRect& r : rects) {
        if (r.isEmpty()) continue;
        in.push_back(r.normalized());
        edges.push_back(in.back().top());
        edges.push_back(in.back().bottom() + 1);
    }
    if (in.empty()) return {};
    if (in.size() == 1) return QRegion(in.front());
    std::sort(edges.begin(), edges.end());
    edges.erase(std::unique(edges.begin(), edges.end()), edges.end());

    std::vector<QRect> out;
    std::vector<std::pair<int, int>> spans; // [left, right] of the rectangles crossing a band
    std::vector<std::pair<int, int>> merged, above;
    size_t aboveFirst = 0; // where the band above starts in out
    int aboveBottom = 0;
    for (size_t b = 0; b + 1 < edges.size(); ++b) {
        const int top = edges[b], bottom = edges[b + 1] - 1;
        spans.clear();
        for (const QRect& r : in)
            if (r.top() <= top && r.bottom() >= bottom) spans.emplace_back(r.left(), r.right());
        std::sort(spans.begin(), spans.end());
        // Overlapping or touching spans become one: a region never holds two rectangles that
        // abut side by side.
        merged.clear();
        for (const auto& sp : spans) {
            if (!merged.empty() && sp.first <= merged.back().second + 1)
                merged.back().second = std::max(merged.back().second, sp.second);
            else
                merged.push_back(sp);
        }
        if (merged.empty()) {
            above.clear();
            continue;
        }
        if (!above.empty() && merged == above && aboveBottom == top - 1) {
            // The same spans as the band just above: that band grows down instead.
            for (size_t i = aboveFirst; i < out.size(); ++i)
                out[i].setBottom(bottom);
        } else {
            aboveFirst = out.size();
            for (const auto& sp : merged)
                out.emplace_back(QPoint(sp.first, top), QPoint(sp.second, bottom));
            above.swap(merged);
        }
        aboveBottom = bottom;
    }
    QRegion region;
    region.setRects(out.data(), static_cast<int>(out.size()));
    return region;
}

} // namespace zembrik
