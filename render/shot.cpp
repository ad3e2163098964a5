// Frame shots: the well surface of one frame written to a PNG file.
#include "render/shot.h"

#include <QFile>
#include <QImageWriter>

#include "render/rend.h"

namespace zembrik {

std::string writeShot(const Game& g, const Style& style, int16_t nocurr,
                      const std::string& pngPath) {
    Frame frame;
    Background bg;
    XorShiftRandom rnd(1);
    rend(g, style, bg, rnd, nocurr, frame);
    QImageWriter writer(QFile::decodeName(QByteArray::fromStdString(pngPath)), "png");
    if (!writer.write(frame.p2))
        return "Cannot write the picture " + pngPath + ": " + writer.errorString().toStdString();
    return {};
}

} // namespace zembrik
