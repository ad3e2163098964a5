// SPDX-License-Identifier: GPL-3.0-or-later
// The off-screen pictures and texts one frame produces, which the shell shows.
#pragma once

#include <QImage>
#include <QRegion>
#include <QString>
#include <array>
#include <vector>

#include "core/options.h"
#include "render/background.h"
#include "render/sprites.h"

namespace zembrik {

// Sizes of the surfaces in pixels.
inline constexpr int kWindowW = 640, kWindowH = 480;
inline constexpr int kWellSurfaceW = 192, kWellSurfaceH = 457;
inline constexpr int kBarW = 192, kBarH = 8;
// Where the well surface and the delay bar go in the window.
inline constexpr int kWellX = 216, kWellY = 16;
inline constexpr int kBarX = 216, kBarY = 472;

// Everything rend draws. Keep one Frame for the whole game: the delay bar keeps its pixels
// from the previous frame while a piece falls, and only what changed is drawn anew.
struct Frame {
    QImage window; // 640 x 480: black with the drifting rectangles; p2 goes at (216, 16)
    QImage p2;     // 192 x 457: the well surface
    QImage ptls;   // 192 x 8: the delay bar, at (216, 472)
    QString score, lines, points; // the three read-out texts
    QString clock;                // the mode's clock (modeClockText), empty for Classic
    // The pixels of the window (in its coordinates, p2 and ptls at their places) that the last
    // rend changed, or may have: what the shell has to show again. The whole window the first
    // time.
    QRegion changed;
    BackgroundTrace trace; // the outlines in `window`, erased by the next frame
    QImage p2Drawing;      // the well surface is drawn here, then swapped with p2
    // The sprites of the frame being drawn, and those (with the style's images) that p2
    // shows: the same again means the well surface needs no drawing at all.
    std::vector<Sprite> sprites, shownSprites;
    std::array<qint64, 4> shownStyle{};
    bool spritesShown = false;
    // The numbers the three texts were made from.
    float readoutScore = 0;
    int16_t readoutLines = 0, readoutLevel = 0, readoutLevelCount = 0;
    int32_t readoutSteps = -1; // the game steps the clock was made from
    Mode readoutMode = Mode::Classic;
    bool readoutsMade = false;
    Frame(); // black RGB32 surfaces of the sizes above
    // Makes the next rend draw the whole window afresh and report all of it changed.
    void changeAll() {
        trace.valid = false;
        spritesShown = false;
    }
};

} // namespace zembrik
