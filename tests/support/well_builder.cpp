// SPDX-License-Identifier: GPL-3.0-or-later
// Test helpers for building and printing wells.
#include "well_builder.h"

#include <stdexcept>

#include "core/levels.h"
#include "pieces/shape_file.h"

namespace zembrik::test {

Game newRecord(const std::string& shapeSet) {
    Game g;
    const std::string err = loadshapes(g, std::string(ZEMBRIK_SOURCE_DIR) + "/data/" + shapeSet);
    if (!err.empty()) throw std::runtime_error(err);
    emptyShapeZero(g);
    emptyWell(g);
    changemovedl(g, 0);
    g.inGame = InGame::Playing;
    g.nextBlox = {1, 2, 3};
    spawn(g, T);
    return g;
}

void spawn(Game& g, int16_t piece, int16_t mode, int16_t x, int16_t y) {
    g.curBlox = piece;
    g.curMode = mode;
    g.curX = x;
    g.curY = y;
    g.gameState = GameState::Falling;
    g.waitTicks = levels(g.curLevel);
}

void setRows(Game& g, const std::vector<std::string>& rows) {
    const int first = kWellH - static_cast<int>(rows.size());
    for (size_t r = 0; r < rows.size(); ++r)
        for (int x = 0; x < kWellW; ++x)
            g.field(x, first + static_cast<int>(r)) =
                rows[r].at(static_cast<size_t>(x)) == '#' ? 0 : -1;
}

std::string wellText(const Game& g, int first, bool withPiece) {
    std::string out;
    for (int y = first; y < kWellH; ++y) {
        for (int x = 0; x < kWellW; ++x) {
            char c = g.field(x, y) == -1 ? '.' : '#';
            const int dx = x - g.curX, dy = y - g.curY;
            if (withPiece && g.curBlox != 0 && dx >= 0 && dx < 4 && dy >= 0 && dy < 4 &&
                g.shapes(g.curBlox, g.curMode, dx + 4 * dy) != -1)
                c = '@';
            out += c;
        }
        out += '\n';
    }
    return out;
}

} // namespace zembrik::test
