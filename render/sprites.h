// SPDX-License-Identifier: GPL-3.0-or-later
// Block sprites: one 8x8 sprite to one cell of the well surface, and a whole shape as a 4x4 box.
#pragma once

#include <cstdint>
#include <vector>

#include <QImage>

#include "core/record.h"
#include "render/style.h"

namespace zembrik {

// Sprite column for a block value: 15 (the empty cell) for -1, otherwise the low four bits,
// so a value above 15 or another negative value from a shape file still names a real sprite.
inline int16_t spriteColumn(int16_t v) {
    return v == -1 ? 15 : static_cast<int16_t>(v & 15);
}

// One drawblx call: the sprite (sbx, sby) of *pic on cell (xb, yb) of siz pixels.
struct Sprite {
    int16_t xb, yb, siz, sbx, sby;
    const QImage* pic;
    bool operator==(const Sprite&) const = default;
};

// Copies the 8x8 sprite at column sbx, row sby of pic onto p2 at pixel (xb*siz, yb*siz),
// stretched to siz x siz. Opaque; parts outside either image are skipped.
void drawblx(QImage& p2, int16_t xb, int16_t yb, int16_t siz, const QImage& pic, int16_t sbx,
             int16_t sby);

// Adds to out the sprites that paint shape blox in rotation state rotate as a 4x4 box of
// siz-pixel cells with its top-left cell at cell (xb, yb); empty cells get the empty sprite.
// The sheet follows curLevel: sheet 1 row blox below level 15, sheet 2 row 0 from 15 on, plain
// single blocks from level 20 on. A shape or rotation out of range paints the empty shape.
void stcblxSprites(std::vector<Sprite>& out, const Game& g, const Style& style, int16_t xb,
                   int16_t yb, int16_t blox, int16_t rotate, int16_t siz);
// Draws the sprites in order, each as drawblx does.
void drawSprites(QImage& p2, const std::vector<Sprite>& sprites);

} // namespace zembrik
