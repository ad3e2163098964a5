// SPDX-License-Identifier: GPL-3.0-or-later
// The application icon: small pictures of pieces, each block copied from the block sheet with
// the join mask its neighbours give, so pieces read as one piece as they do in the game.
#include "icon_art.h"

#include <QPainter>
#include <cstring>
#include <string>
#include <vector>

namespace artgen {

namespace {

constexpr int kUp = 1, kDown = 2, kLeft = 4, kRight = 8;

// Pictures of the icon, one letter a block: the letter names the shape (its sheet row) and
// joins the block to its neighbours with the same letter; '.' is left transparent.
// clang-format off
const std::vector<std::string> kTiny = {
    // 2 x 2 blocks for 16 pixels: four single blocks in four colours.
    "TO",
    "LS",
};
const std::vector<std::string> kSmall = {
    // 4 x 4 blocks: three pieces stacked, one gap left.
    "..T.",
    "LTTT",
    "L.OO",
    "LLOO",
};
const std::vector<std::string> kMiddle = {
    // 6 x 6 blocks for 48 pixels, the same scene with more of the well.
    "..TTT.",
    "...T..",
    "I.....",
    "IL..OO",
    "ILZZOO",
    "ILLZZ.",
};
// clang-format on

int sheetRow(char c) {
    const char* order = ".IOTSZJL";
    const char* at = std::strchr(order, c);
    return at != nullptr && c != '\0' ? static_cast<int>(at - order) : 0;
}

QImage picture(const QImage& sheet, const std::vector<std::string>& rows) {
    const int h = static_cast<int>(rows.size());
    const int w = static_cast<int>(rows[0].size());
    QImage img(w * 8, h * 8, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    auto at = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < w && y < h
                   ? rows[static_cast<size_t>(y)][static_cast<size_t>(x)]
                   : '.';
    };
    QPainter p(&img);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const char c = at(x, y);
            if (c == '.') continue;
            const int mask = (at(x, y - 1) == c ? kUp : 0) | (at(x, y + 1) == c ? kDown : 0) |
                             (at(x - 1, y) == c ? kLeft : 0) | (at(x + 1, y) == c ? kRight : 0);
            p.drawImage(QPoint(x * 8, y * 8), sheet, QRect(mask * 8, sheetRow(c) * 8, 8, 8));
        }
    }
    return img;
}

} // namespace

QImage iconImage(const QImage& sheet, int size) {
    const std::vector<std::string>& rows = size < 32 ? kTiny : size == 48 ? kMiddle : kSmall;
    const QImage small = picture(sheet, rows);
    // Whole factors only: every sprite pixel becomes a square of pixels.
    return small.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

} // namespace artgen
