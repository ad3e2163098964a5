// SPDX-License-Identifier: GPL-3.0-or-later
// The game's own pictures, shipped as PNG in the resources.
#pragma once

#include <QImageReader>
#include <QPixmap>
#include <QString>

namespace zembrik {

// Decodes one of the game's resource pictures as the PNG it is. Left to guess, the reader
// loads every image format plugin (and the libraries behind them) to ask each about the file
// before it settles on PNG, which costs start-up time and memory for nothing.
inline QPixmap artPixmap(const QString& resource) {
    QImageReader reader(resource, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

} // namespace zembrik
