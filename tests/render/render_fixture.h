// SPDX-License-Identifier: GPL-3.0-or-later
// A test style in which every sprite is one flat colour, so a test can read back which sprite
// was drawn where, plus helpers that decode the well surface.
#pragma once

#include <string>

#include <QImage>
#include <QTemporaryDir>

#include "render/style.h"

namespace zembrik::test {

// Colour of sprite (column, row) of sheet 1 or 2 in the test style.
QRgb spriteColour(int sheet, int column, int row);

// Colours of the test walls (left and right half) and floor.
inline constexpr QRgb kLeftWall = 0xFF030001, kRightWall = 0xFF030002, kFloor = 0xFF040000;

// Writes the test style into a temporary application folder: data/test.style and gfx/*.png.
struct TestStyleDir {
    QTemporaryDir dir;
    TestStyleDir();
    std::string path() const { return dir.path().toStdString(); }
    // Writes data/<name> with exactly these bytes (the name is bytes too).
    void writeText(const std::string& name, const std::string& bytes) const;
    // Writes gfx/<name> as a w x h PNG of one colour (sub-folders are created).
    void writeImage(const std::string& name, int w, int h, QRgb c) const;
};

// The test style, loaded through loadstyle.
Style testStyle();

// What a square of the surface shows: "A<col>:<row>" or "B<col>:<row>" for a sprite of sheet
// 1 or 2, "black", "wall", "floor", "grey" (128), "mixed" when not one colour, else "?".
std::string squareAt(const QImage& img, int left, int top, int size);

// The sprite on well cell (x, y), a 16-pixel square at (16x + 16, 16y + 80).
std::string wellCell(const QImage& p2, int x, int y);

} // namespace zembrik::test
