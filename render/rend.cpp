// SPDX-License-Identifier: GPL-3.0-or-later
// The frame renderer: every layer of the well surface, repainted from scratch each frame.
#include "render/rend.h"

#include <array>
#include <cstring>
#include <utility>

#include "pieces/move.h"
#include "render/readouts.h"
#include "render/region.h"
#include "render/sprites.h"
#include "render/surface.h"

namespace zembrik {

Frame::Frame()
    : window(makeSurface(kWindowW, kWindowH)), p2(makeSurface(kWellSurfaceW, kWellSurfaceH)),
      ptls(makeSurface(kBarW, kBarH)), p2Drawing(makeSurface(kWellSurfaceW, kWellSurfaceH)) {}

namespace {

// Cells already claimed by the active piece or the ghost, columns -3..13, rows -5..24.
class Drawn {
  public:
    bool get(int x, int y) const { return inside(x, y) && flags_[index(x, y)] != 0; }
    void set(int x, int y) {
        if (inside(x, y)) flags_[index(x, y)] = 1;
    }

  private:
    static bool inside(int x, int y) { return x >= -3 && x <= 13 && y >= -5 && y <= 24; }
    static size_t index(int x, int y) { return static_cast<size_t>((y + 5) * 17 + (x + 3)); }
    std::array<int16_t, 17 * 30> flags_{};
};

// A well cell, with everything outside the well's bounds counting as solid like the walls.
int16_t cellAt(const Game& g, int x, int y) {
    if (x < kFieldMinX || x > kFieldMaxX || y < kFieldMinY || y > kFieldMaxY) return 0;
    return g.field(x, y);
}

// Adds the 16-pixel sprite for well cell (x, y) to the frame.
void drawCell(Frame& f, int x, int y, const QImage& pic, int sbx, int sby) {
    f.sprites.push_back({static_cast<int16_t>(x + 1), static_cast<int16_t>(y + 5), 16,
                         static_cast<int16_t>(sbx), static_cast<int16_t>(sby), &pic});
}

// Block value of shape blox, rotation mode, at box cell k; -1 for a shape out of range.
int16_t shapeCell(const Game& g, int blox, int mode, int k) {
    if (blox < 0 || blox > 7 || mode < 0 || mode > 3) return -1;
    return g.shapes(blox, mode, k);
}

void drawActivePiece(const Game& g, const Style& s, Frame& f, Drawn& drawn) {
    for (int i = 0; i < 4; ++i) {
        for (int j = 0; j < 4; ++j) {
            const int16_t v = shapeCell(g, g.curBlox, g.curMode, i + 4 * j);
            if (v == -1) continue;
            const int x = g.curX + i, y = g.curY + j;
            if (g.curLevel >= 20 && g.gameState == GameState::ClearDelay) {
                // The piece has just been written into the well: join it to every occupied
                // neighbour, walls and floor included.
                int w = cellAt(g, x, y);
                if (w == -1) continue;
                if (cellAt(g, x + 1, y) != -1 && !(w & 8)) w += 8;
                if (cellAt(g, x - 1, y) != -1 && !(w & 4)) w += 4;
                if (cellAt(g, x, y + 1) != -1 && !(w & 2)) w += 2;
                if (cellAt(g, x, y - 1) != -1 && !(w & 1)) w += 1;
                drawCell(f, x, y, s.picBlox2, w & 15, 0);
            } else if (g.curLevel >= 20) {
                drawCell(f, x, y, s.picBlox2, 0, 0);
            } else if (g.curLevel < 15) {
                drawCell(f, x, y, s.picBlox, spriteColumn(v), g.curBlox);
            } else {
                drawCell(f, x, y, s.picBlox2, spriteColumn(v), 0);
            }
            drawn.set(x, y);
        }
    }
}

void drawGhost(const Game& g, const Style& s, Frame& f, Drawn& drawn) {
    if (g.ghostOpt != 1) return;
    if (g.gameState == GameState::Entry || g.gameState == GameState::ClearDelay) {
        const int16_t blox = g.nextBlox[0];
        if (blox < 0 || blox > 7) return;
        const int16_t L = dropb(g, blox, 3, 0, 0);
        for (int i = 0; i < 4; ++i) {
            for (int j = 0; j < 4; ++j) {
                const int16_t v = g.shapes(blox, 0, i + 4 * j);
                if (v == -1) continue;
                drawCell(f, 3 + i, L + j, s.picBlox2, spriteColumn(v), 1);
                drawn.set(3 + i, L + j);
            }
        }
    } else if (g.gameState == GameState::Falling) {
        if (g.curBlox < 0 || g.curBlox > 7 || g.curMode < 0 || g.curMode > 3) return;
        const int16_t L = dropb(g, g.curBlox, g.curX, g.curY, g.curMode);
        for (int i = 0; i < 4; ++i) {
            for (int j = 0; j < 4; ++j) {
                const int16_t v = g.shapes(g.curBlox, g.curMode, i + 4 * j);
                const int x = g.curX + i, y = L + j;
                if (v == -1 || drawn.get(x, y)) continue;
                drawCell(f, x, y, s.picBlox2, spriteColumn(v), 1);
                drawn.set(x, y);
            }
        }
    }
}

void drawStack(const Game& g, const Style& s, Frame& f, const Drawn& drawn) {
    for (int y = 0; y < kWellH; ++y) {
        for (int x = 0; x < kWellW; ++x) {
            if (drawn.get(x, y)) continue;
            const int16_t v = g.field(x, y);
            if (g.curLevel < 10) {
                drawCell(f, x, y, s.picBlox, spriteColumn(v), 0);
            } else if (g.curLevel < 20) {
                // Outlined stack: joins come from occupancy, so touching pieces merge.
                const int m = (g.field(x, y - 1) != -1 ? 1 : 0) +
                              (g.field(x, y + 1) != -1 ? 2 : 0) +
                              (g.field(x - 1, y) != -1 ? 4 : 0) + (g.field(x + 1, y) != -1 ? 8 : 0);
                drawCell(f, x, y, s.picBlox2, v != -1 ? m : 15, 1);
            } else {
                drawCell(f, x, y, s.picBlox2, 15, 0); // the hidden stack
            }
        }
    }
}

void drawHold(const Game& g, const Style& s, Frame& f) {
    if (g.holdOpt != 0 && g.holdBlox != 0) {
        stcblxSprites(f.sprites, g, s, 2, 4, g.holdBlox, 0, 8);
        return;
    }
    // An empty slot shows the lower half of the box as empty cells; hold switched off shows a
    // bar of plain blocks there instead.
    const int16_t column = g.holdOpt != 0 ? 15 : 0;
    for (int16_t i = 0; i < 4; ++i)
        for (int16_t j = 2; j < 4; ++j)
            f.sprites.push_back({static_cast<int16_t>(i + 2), static_cast<int16_t>(j + 4), 8,
                                 column, 0, &s.picBlox2});
}

void drawPreviews(const Game& g, const Style& s, Frame& f) {
    stcblxSprites(f.sprites, g, s, 4, 0, g.nextBlox[0], previewMode(g), 16);
    const bool three = g.nextOpt == 1;
    stcblxSprites(f.sprites, g, s, 16, 2, three ? g.nextBlox[1] : int16_t(0), 0, 8);
    stcblxSprites(f.sprites, g, s, 20, 2, three ? g.nextBlox[2] : int16_t(0), 0, 8);
}

void drawReadouts(const Game& g, Frame& f) {
    // The texts are made again only when their numbers change, not on every frame.
    if (!f.readoutsMade || std::memcmp(&g.score, &f.readoutScore, sizeof g.score) != 0)
        f.score = scoreText(g.score);
    if (!f.readoutsMade || g.lines != f.readoutLines) f.lines = QString::number(g.lines);
    if (!f.readoutsMade || g.curLevel != f.readoutLevel || g.levelCount != f.readoutLevelCount)
        f.points = pointsText(g.curLevel, g.levelCount);
    if (!f.readoutsMade || g.stepsPlayed != f.readoutSteps || g.mode != f.readoutMode)
        f.clock = modeClockText(g);
    f.readoutSteps = g.stepsPlayed;
    f.readoutMode = g.mode;
    f.readoutScore = g.score;
    f.readoutLines = g.lines;
    f.readoutLevel = g.curLevel;
    f.readoutLevelCount = g.levelCount;
    f.readoutsMade = true;
    drawDelayBar(g, f.ptls);
}

// Makes sure every surface exists at its size, so a default or moved-from Frame still works.
void ensureSurfaces(Frame& f) {
    const auto fix = [](QImage& img, int w, int h) {
        if (img.width() == w && img.height() == h && img.format() == QImage::Format_RGB32)
            return false;
        img = makeSurface(w, h);
        return true;
    };
    if (fix(f.window, kWindowW, kWindowH)) f.trace.valid = false;
    if (fix(f.p2, kWellSurfaceW, kWellSurfaceH)) f.spritesShown = false;
    fix(f.p2Drawing, kWellSurfaceW, kWellSurfaceH);
    fix(f.ptls, kBarW, kBarH);
}

// Rows first to last that differ between two images of the same size and format, or an
// empty span.
std::pair<int, int> differingRows(const QImage& a, const QImage& b) {
    const auto rowDiffers = [&](int y) {
        return std::memcmp(a.constScanLine(y), b.constScanLine(y),
                           static_cast<size_t>(a.bytesPerLine())) != 0;
    };
    int first = 0, last = a.height() - 1;
    while (first <= last && !rowDiffers(first))
        ++first;
    while (last > first && !rowDiffers(last))
        --last;
    return {first, last};
}

} // namespace

int16_t previewMode(const Game& g) {
    if (g.gameState != GameState::Entry && g.gameState != GameState::Cascade &&
        g.gameState != GameState::ClearDelay)
        return 0;
    if (g.rrCmd == Latch::Pending) return 1;
    if (g.rlCmd == Latch::Pending) return 3;
    if (g.roCmd == Latch::Pending) return 2;
    return 0;
}

void rend(const Game& g, const Style& style, Background& bg, Random& rnd, int16_t nocurr,
          Frame& frame) {
    ensureSurfaces(frame);
    std::vector<QRect> changed;
    changed.reserve(48);
    drawbg(bg, rnd, g.curLevel, frame.window, frame.trace, changed);
    // The well surface is every sprite of the frame over the walls, floor and spawn line of
    // the style. When the sprites and the style are those of the surface shown, it is left as
    // it is; otherwise it is drawn whole into the spare image, and only the rows that come out
    // different from the one shown are marked changed.
    frame.sprites.clear();
    Drawn drawn;
    if (nocurr == 0) drawActivePiece(g, style, frame, drawn);
    drawGhost(g, style, frame, drawn);
    drawStack(g, style, frame, drawn);
    drawHold(g, style, frame);
    drawPreviews(g, style, frame);
    drawReadouts(g, frame);
    const std::array<qint64, 4> styleKey{style.picWall.cacheKey(), style.picFloor.cacheKey(),
                                         style.picBlox.cacheKey(), style.picBlox2.cacheKey()};
    if (!frame.spritesShown || frame.sprites != frame.shownSprites ||
        styleKey != frame.shownStyle) {
        QImage& p2 = frame.p2Drawing;
        clearSurface(p2, qRgb(0, 0, 0));
        copyStretched(p2, 0, 64, 16, 384, style.picWall, 0, 0, 8, 192);
        copyStretched(p2, 176, 64, 16, 384, style.picWall, 8, 0, 8, 192);
        copyStretched(p2, 16, 432, 160, 16, style.picFloor, 0, 0, 80, 8);
        drawSprites(p2, frame.sprites);
        outlineBox(p2, 16, 112, 176, 112, qRgb(128, 128, 128));
        const auto [first, last] = differingRows(p2, frame.p2);
        frame.p2.swap(p2);
        if (first <= last)
            changed.emplace_back(kWellX, kWellY + first, kWellSurfaceW, last - first + 1);
        frame.shownSprites.swap(frame.sprites);
        frame.shownStyle = styleKey;
        frame.spritesShown = true;
    }
    // The delay bar is small: always shown again.
    changed.emplace_back(kBarX, kBarY, kBarW, kBarH);
    frame.changed = regionOf(changed);
}

} // namespace zembrik
