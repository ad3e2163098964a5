// SPDX-License-Identifier: GPL-3.0-or-later
// Block sprites: every join mask gets its own look, so joined blocks read as one piece.
#include "block_art.h"

#include <algorithm>
#include <cstdlib>

namespace artgen {

namespace {

constexpr int kUp = 1, kDown = 2, kLeft = 4, kRight = 8;

// A 4 x 4 mark in the middle of a block; each shape has its own so colour is not the only cue.
constexpr const char* kMarks[8][4] = {
    {"....", "....", "....", "...."}, // settled: no mark
    {"....", "####", "####", "...."}, // I: bar across
    {".##.", "#..#", "#..#", ".##."}, // O: ring
    {".##.", ".##.", ".##.", ".##."}, // T: bar down
    {"...#", "..#.", ".#..", "#..."}, // S: rising diagonal
    {"#...", ".#..", "..#.", "...#"}, // Z: falling diagonal
    {"#..#", "....", "....", "#..#"}, // J: four corner dots
    {"....", ".##.", ".##.", "...."}, // L: centre dot
};

// The bold face pattern of each shape in the patterned style, over the whole 8 x 8 cell so that
// stripes run on across joined blocks: true where the pattern colour goes.
bool patterned(int row, int x, int y) {
    const int ring = std::max(std::abs(2 * x - 7), std::abs(2 * y - 7)); // 1 centre .. 7 edge
    switch (row) {
    case 1: // I: lines across
        return y % 4 == 2;
    case 2: // O: a square ring round a dot
        return ring == 1 || ring == 5;
    case 3: // T: lines down
        return x % 4 == 2;
    case 4: // S: rising diagonal lines
        return (x + y) % 4 == 1;
    case 5: // Z: falling diagonal lines
        return (x - y + 8) % 4 == 1;
    case 6: // J: a chequer of 2 x 2 squares
        return (x / 2 + y / 2) % 2 == 0;
    case 7: // L: a plus
        return ring <= 5 && (x == 3 || x == 4 || y == 3 || y == 4);
    default: // the settled stack: a plain face
        return false;
    }
}

QColor mix(const QColor& a, const QColor& b, double t) {
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t,
                            a.greenF() + (b.greenF() - a.greenF()) * t,
                            a.blueF() + (b.blueF() - a.blueF()) * t);
}

// Distance of pixel (x, y) to the nearest side the mask leaves open, and which kind of side
// that is: -1 top/left (lit), 1 bottom/right (shaded), 0 both at the same distance.
struct EdgeInfo {
    int dist = 99;
    int side = 0;
};

EdgeInfo edgeOf(int x, int y, int mask) {
    EdgeInfo e;
    const auto take = [&e](bool open, int d, int s) {
        if (!open) return;
        if (d < e.dist) {
            e.dist = d;
            e.side = s;
        } else if (d == e.dist && s != e.side) {
            e.side = 0;
        }
    };
    take(!(mask & kUp), y, -1);
    take(!(mask & kLeft), x, -1);
    take(!(mask & kDown), 7 - y, 1);
    take(!(mask & kRight), 7 - x, 1);
    return e;
}

void emptyCell(QImage& img, int ox, int oy, const Palette& p) {
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            img.setPixelColor(ox + x, oy + y, p.empty);
    img.setPixelColor(ox, oy, p.emptyDot);
}

void block(QImage& img, int ox, int oy, int mask, const QColor& body, int markRow,
           const Palette& p) {
    const bool lightBody = body.lightnessF() > 0.55;
    const QColor outline = mix(body, QColor(0, 0, 0), 0.72);
    const QColor lit = mix(body, QColor(255, 255, 255), 0.45);
    const QColor shade = mix(body, QColor(0, 0, 0), 0.38);
    const QColor mark =
        lightBody ? mix(body, QColor(0, 0, 0), 0.42) : mix(body, QColor(255, 255, 255), 0.5);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            const EdgeInfo e = edgeOf(x, y, mask);
            QColor c = body;
            if (p.edge == Edge::Patterned) {
                // Black outline on open sides, then the face pattern in black or white,
                // whichever stands out more from the body.
                if (e.dist == 0)
                    c = QColor(0, 0, 0);
                else if (patterned(markRow, x, y))
                    c = lightBody ? QColor(0, 0, 0) : QColor(255, 255, 255);
                img.setPixelColor(ox + x, oy + y, c);
                continue;
            }
            if (p.edge == Edge::Bevel) {
                if (e.dist == 0)
                    c = outline;
                else if (e.dist == 1)
                    c = e.side < 0 ? lit : e.side > 0 ? shade : body;
            } else {
                // Flat tiles: a gap on open sides with rounded corners, a soft lower rim.
                const bool openV = (y == 0 && !(mask & kUp)) || (y == 7 && !(mask & kDown));
                const bool openH = (x == 0 && !(mask & kLeft)) || (x == 7 && !(mask & kRight));
                const bool nearV = (y <= 1 && !(mask & kUp)) || (y >= 6 && !(mask & kDown));
                const bool nearH = (x <= 1 && !(mask & kLeft)) || (x >= 6 && !(mask & kRight));
                if (openV || openH)
                    c = p.empty;
                else if (nearV && nearH)
                    c = p.empty;
                else if (e.dist == 1 && e.side > 0)
                    c = mix(body, QColor(0, 0, 0), 0.22);
                else if (e.dist == 1 && e.side < 0)
                    c = mix(body, QColor(255, 255, 255), 0.25);
            }
            if (x >= 2 && x <= 5 && y >= 2 && y <= 5 && kMarks[markRow][y - 2][x - 2] == '#')
                c = mark;
            img.setPixelColor(ox + x, oy + y, c);
        }
    }
}

// Outline of the open sides only, on the empty cell; the outlined stack and the ghost use it.
void outlineCell(QImage& img, int ox, int oy, int mask, const Palette& p) {
    emptyCell(img, ox, oy, p);
    if (mask == 15) return;
    const QColor inner = mix(p.ghost, p.empty, 0.65);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            const EdgeInfo e = edgeOf(x, y, mask);
            if (e.dist == 0)
                img.setPixelColor(ox + x, oy + y, p.ghost);
            else if (e.dist == 1)
                img.setPixelColor(ox + x, oy + y, inner);
        }
    }
}

} // namespace

QImage blockSheet(const Palette& p) {
    QImage img(128, 64, QImage::Format_RGB32);
    for (int row = 0; row < 8; ++row) {
        const QColor body = row == 0 ? p.settled : p.shape[static_cast<size_t>(row)];
        for (int mask = 0; mask < 15; ++mask)
            block(img, mask * 8, row * 8, mask, body, row, p);
        emptyCell(img, 120, row * 8, p);
    }
    return img;
}

QImage blockSheet2(const Palette& p) {
    QImage img(128, 16, QImage::Format_RGB32);
    for (int mask = 0; mask < 15; ++mask) {
        block(img, mask * 8, 0, mask, p.plain, 0, p);
        outlineCell(img, mask * 8, 8, mask, p);
    }
    emptyCell(img, 120, 0, p);
    emptyCell(img, 120, 8, p);
    return img;
}

} // namespace artgen
