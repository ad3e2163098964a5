// SPDX-License-Identifier: GPL-3.0-or-later
// Rating the places a piece can reach: fewer holes, a lower and flatter stack, cleared rows.
#include "placement.h"

#include <algorithm>
#include <cstdlib>

#include "pieces/fit.h"
#include "pieces/move.h"

namespace zembrik {

namespace {

// Rates the well after putting piece (blox, mode) at box column x, dropped from row y: fewer
// holes, a lower and flatter stack and cleared rows are better.
double rate(const Game& g, int16_t blox, int16_t mode, int16_t x, int16_t y) {
    const int16_t landY = dropb(g, blox, x, y, mode);
    bool filled[kWellH][kWellW];
    for (int r = 0; r < kWellH; ++r)
        for (int c = 0; c < kWellW; ++c)
            filled[r][c] = g.field(c, r) != -1;
    for (int k = 0; k < 16; ++k) {
        if (g.shapes(blox, mode, k) == -1) continue;
        if (landY + k / 4 < 0) return -1e8; // above the well: the game would end
        filled[landY + k / 4][x + k % 4] = true;
    }
    int cleared = 0;
    bool full[kWellH] = {};
    for (int r = 0; r < kWellH; ++r) {
        full[r] = true;
        for (int c = 0; c < kWellW; ++c)
            full[r] = full[r] && filled[r][c];
        cleared += full[r];
    }
    int heights[kWellW] = {}, holes = 0;
    for (int c = 0; c < kWellW; ++c) {
        bool seen = false;
        for (int r = 0, skipped = 0; r < kWellH; ++r) {
            if (full[r]) {
                ++skipped;
                continue;
            }
            if (filled[r][c] && !seen) {
                seen = true;
                heights[c] = kWellH - r - (cleared - skipped);
            } else if (!filled[r][c] && seen) {
                ++holes;
            }
        }
    }
    int total = 0, bumps = 0, highest = 0;
    for (int c = 0; c < kWellW; ++c) {
        total += heights[c];
        highest = std::max(highest, heights[c]);
        if (c > 0) bumps += std::abs(heights[c] - heights[c - 1]);
    }
    return -0.51 * total + 0.76 * cleared - 0.36 * holes * 2 - 0.18 * bumps - 0.2 * highest;
}

} // namespace

Target choose(const Game& g) {
    Target best;
    double bestScore = -1e9;
    for (int16_t turns = 0; turns < 4; ++turns) {
        const auto mode = static_cast<int16_t>((g.curMode + turns) % 4);
        if (!IsOK(g, g.curBlox, mode, g.curX, g.curY)) continue;
        for (int dir : {-1, 1}) {
            for (auto x = g.curX; IsOK(g, g.curBlox, mode, x, g.curY);
                 x = static_cast<int16_t>(x + dir)) {
                const double score = rate(g, g.curBlox, mode, x, g.curY);
                if (score > bestScore) {
                    bestScore = score;
                    best = {mode, x};
                }
            }
        }
    }
    return best;
}

} // namespace zembrik
