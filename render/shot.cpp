// SPDX-License-Identifier: GPL-3.0-or-later
// Frame shots: the well surface of one frame encoded as PNG in memory.
#include "render/shot.h"

#include <QBuffer>
#include <QImageWriter>

#include "render/rend.h"

namespace zembrik {

std::string shotPng(const Game& g, const Style& style, int16_t nocurr) {
    Frame frame;
    Background bg;
    XorShiftRandom rnd(1);
    rend(g, style, bg, rnd, nocurr, frame);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(frame.p2)) return {};
    return png.toStdString();
}

} // namespace zembrik
