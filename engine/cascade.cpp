// SPDX-License-Identifier: GPL-3.0-or-later
// One step of the cascade collapse: mark what rests, let the rest fall a row, then clear again.
#include "engine/cascade.h"

#include <algorithm>
#include <array>

#include "core/levels.h"
#include "pieces/lines.h"

namespace zembrik {

namespace {

constexpr int kMarkRows = kWellH + 1; // rows 0..22; row 22 is the floor

struct Cell {
    int8_t x, y;
};

// Which cells rest on the floor in this pass. Row 22 is the floor and always rests.
class Marks {
  public:
    Marks() { std::fill(rest_.end() - kWellW, rest_.end(), true); }
    bool at(int x, int y) const { return rest_[static_cast<size_t>(y * kWellW + x)]; }
    void set(int x, int y) { rest_[static_cast<size_t>(y * kWellW + x)] = true; }

  private:
    std::array<bool, kWellW * kMarkRows> rest_{};
};

// Marks the group linked to (x, y), breadth first. Returns the deepest row reached through a
// down link (or y).
int markGroup(const Game& g, Marks& marks, int x, int y) {
    static constexpr struct {
        int bit, dx, dy;
    } kLinks[] = {{1, 0, -1}, {2, 0, 1}, {4, -1, 0}, {8, 1, 0}};
    // Each cell is marked once, so the lists never hold more than the well's cells.
    std::array<std::array<Cell, kWellW * kMarkRows>, 2> lists;
    int cur = 0;
    size_t frontierSize = 1;
    int deepest = y;
    marks.set(x, y);
    lists[0][0] = {static_cast<int8_t>(x), static_cast<int8_t>(y)};
    while (frontierSize > 0) {
        const auto& frontier = lists[static_cast<size_t>(cur)];
        auto& next = lists[static_cast<size_t>(1 - cur)];
        size_t nextSize = 0;
        for (size_t i = 0; i < frontierSize; ++i) {
            const Cell p = frontier[i];
            const int16_t c = g.field(p.x, p.y);
            for (const auto& link : kLinks) {
                if ((c & link.bit) == 0) continue;
                const int nx = p.x + link.dx, ny = p.y + link.dy;
                if (nx < 0 || nx >= kWellW || ny < 0 || ny >= kMarkRows || marks.at(nx, ny))
                    continue;
                // A stale link into an empty cell holds nothing up.
                if (g.field(nx, ny) == -1) continue;
                marks.set(nx, ny);
                next[nextSize++] = {static_cast<int8_t>(nx), static_cast<int8_t>(ny)};
                if (link.dy == 1) deepest = std::max(deepest, ny);
            }
        }
        cur = 1 - cur;
        frontierSize = nextSize;
    }
    return deepest;
}

} // namespace

bool cascadePass(Game& g, Host& host) {
    Marks marks;
    for (int r = kWellH - 1; r >= 0;) {
        int deepest = r;
        for (int x = 0; x < kWellW; ++x) {
            if (!marks.at(x, r) && marks.at(x, r + 1) && g.field(x, r) != -1)
                deepest = std::max(deepest, markGroup(g, marks, x, r));
        }
        // Blocks above a group reached lower down may now rest on it: scan again from there.
        r = deepest - 1;
    }

    bool moved = false;
    for (int r = kWellH - 1; r >= 1; --r) {
        for (int x = 0; x < kWellW; ++x) {
            if (marks.at(x, r - 1) || marks.at(x, r)) continue;
            g.field(x, r) = g.field(x, r - 1);
            g.field(x, r - 1) = -1;
            if (g.field(x, r) != -1) moved = true;
        }
    }
    for (int x = 0; x < kWellW; ++x)
        if (!marks.at(x, 0)) g.field(x, 0) = -1;
    if (moved) return true;

    const int16_t rows = killline(g, host);
    if (rows >= 1) {
        g.waitTicks = linedelay(g.curLevel);
        g.gameState = GameState::ClearDelay;
    } else {
        g.waitTicks = newdelay(g.curLevel);
        g.gameState = GameState::Entry;
    }
    // The delay above is the old level's: the level rises only after it was chosen.
    levelUp(g);
    return false;
}

} // namespace zembrik
