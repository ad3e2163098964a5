// The off-screen pictures and texts one frame produces, which the shell shows.
#pragma once

#include <QImage>
#include <QString>

namespace zembrik {

// Sizes of the surfaces in pixels.
inline constexpr int kWindowW = 640, kWindowH = 480;
inline constexpr int kWellSurfaceW = 192, kWellSurfaceH = 457;
inline constexpr int kBarW = 192, kBarH = 8;

// Everything rend draws. Keep one Frame for the whole game: the delay bar keeps its pixels
// from the previous frame while a piece falls.
struct Frame {
    QImage window; // 640 x 480: black with the drifting rectangles; p2 goes at (216, 16)
    QImage p2;     // 192 x 457: the well surface
    QImage ptls;   // 192 x 8: the delay bar, at (216, 472)
    QString score, lines, points; // the three read-out texts
    Frame();                      // black RGB32 surfaces of the sizes above
};

} // namespace zembrik
