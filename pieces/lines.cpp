// SPDX-License-Identifier: GPL-3.0-or-later
// Full rows: finding, emptying and scoring them, and closing the gaps they leave.
#include "pieces/lines.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace zembrik {

namespace {

int filledCells(const Game& g, int y) {
    int count = 0;
    for (int x = 0; x < kWellW; ++x)
        count += g.field(x, y) != -1 ? 1 : 0;
    return count;
}

} // namespace

double lockAward(int16_t level, int16_t curY) {
    return std::pow(2.0, (20 - curY) / 10.0) * std::pow(2.0, level / 5.0) * 25.0;
}

double rowValue(int16_t level, int y) {
    return 10.0 * std::pow(2.0, level / 5.0) * std::pow(2.0, (21 - y) / 10.0);
}

int16_t killline(Game& g, Host& host) {
    int n = 0;
    double sum = 0;
    for (int y = 0; y < kWellH; ++y) {
        if (filledCells(g, y) != kWellW) continue;
        for (int x = 0; x < kWellW; ++x) {
            int16_t& above = g.field(x, y - 1);
            if (above != -1) above = static_cast<int16_t>((above / 4) * 4 + above % 2);
            int16_t& below = g.field(x, y + 1);
            if (below != -1) below = static_cast<int16_t>((below / 2) * 2);
        }
        for (int x = 0; x < kWellW; ++x)
            g.field(x, y) = -1;
        ++n;
        sum += rowValue(g.curLevel, y);
    }
    g.levelCount = g.curLevel == 20 ? int16_t{0} : static_cast<int16_t>(g.levelCount + n);
    g.score = static_cast<float>(static_cast<double>(g.score) + 10.0 * n * sum);
    // A long session can clear more rows than the 16-bit counter holds; it stops at the top.
    const int total = g.lines + n;
    g.lines = static_cast<int16_t>(
        total > std::numeric_limits<int16_t>::max() ? std::numeric_limits<int16_t>::max() : total);
    if (n >= 1) {
        ++g.clears[static_cast<size_t>(std::min(n, 4) - 1)];
        host.playSound("ers", static_cast<int16_t>(n));
    }
    return static_cast<int16_t>(n);
}

void fallfield(Game& g) {
    if (g.quaOpt == 2) return;
    for (int y = 1; y < kWellH; ++y) {
        if (filledCells(g, y) != 0) continue;
        for (int r = y; r >= 0; --r)
            for (int x = 0; x < kWellW; ++x)
                g.field(x, r) = g.field(x, r - 1);
    }
}

} // namespace zembrik
