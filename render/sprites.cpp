// SPDX-License-Identifier: GPL-3.0-or-later
// Sprite copies for single cells and whole shapes.
#include "render/sprites.h"

#include "render/surface.h"

namespace zembrik {

void drawblx(QImage& p2, int16_t xb, int16_t yb, int16_t siz, const QImage& pic, int16_t sbx,
             int16_t sby) {
    copyStretched(p2, xb * siz, yb * siz, siz, siz, pic, 8 * sbx, 8 * sby, 8, 8);
}

void stcblxSprites(std::vector<Sprite>& out, const Game& g, const Style& style, int16_t xb,
                   int16_t yb, int16_t blox, int16_t rotate, int16_t siz) {
    const bool valid = blox >= 0 && blox <= 7 && rotate >= 0 && rotate <= 3;
    for (int16_t i = 0; i < 4; ++i) {
        for (int16_t j = 0; j < 4; ++j) {
            const int16_t v = valid ? g.shapes(blox, rotate, i + 4 * j) : int16_t(-1);
            const int16_t xx = static_cast<int16_t>(xb + i), yy = static_cast<int16_t>(yb + j);
            if (g.curLevel >= 20)
                out.push_back({xx, yy, siz, int16_t(v == -1 ? 15 : 0), 0, &style.picBlox2});
            else if (g.curLevel < 15)
                out.push_back(
                    {xx, yy, siz, spriteColumn(v), int16_t(valid ? blox : 0), &style.picBlox});
            else
                out.push_back({xx, yy, siz, spriteColumn(v), 0, &style.picBlox2});
        }
    }
}

void drawSprites(QImage& p2, const std::vector<Sprite>& sprites) {
    for (const Sprite& s : sprites)
        drawblx(p2, s.xb, s.yb, s.siz, *s.pic, s.sbx, s.sby);
}

} // namespace zembrik
