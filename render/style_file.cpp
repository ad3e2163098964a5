// The block style reader: all five images are loaded before any of them replaces the current one.
#include "render/style_file.h"

#include <array>
#include <vector>

#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace zembrik {

namespace {

// The folder with exactly one trailing slash.
std::string withSlash(const std::string& dir) {
    if (!dir.empty() && dir.back() == '/') return dir;
    return dir + "/";
}

// Reads up to `count` lines under the style file's line rules.
std::vector<QByteArray> readLines(const QByteArray& bytes, int count) {
    std::vector<QByteArray> lines;
    qsizetype pos = 0;
    while (static_cast<int>(lines.size()) < count && pos < bytes.size()) {
        qsizetype end = bytes.indexOf('\r', pos);
        if (end < 0) end = bytes.size();
        lines.push_back(bytes.mid(pos, end - pos));
        pos = end + 1;
        if (end < bytes.size() && pos < bytes.size() && bytes[pos] == '\n') ++pos;
    }
    return lines;
}

} // namespace

std::string loadstyle(Style& style, const std::string& appDir, const std::string& name) {
    const std::string dir = withSlash(appDir);
    const std::string path = dir + "data/" + name;
    QFile file(QFile::decodeName(QByteArray::fromStdString(path)));
    // Only plain files are opened: a named pipe or a device could block or never end.
    if (file.exists() && !QFileInfo(file).isFile())
        return "The block style file " + path + " is not a plain file";
    if (!file.open(QIODevice::ReadOnly))
        return "Cannot open the block style file " + path + ": " + file.errorString().toStdString();
    // Five names fit easily in this; a huge file picked by mistake is not read whole.
    constexpr qint64 kMaxBytes = 1 << 20;
    const QByteArray bytes = file.read(kMaxBytes);
    file.close();

    constexpr int kImages = 5;
    const std::vector<QByteArray> lines = readLines(bytes, kImages);
    if (static_cast<int>(lines.size()) < kImages)
        return "The block style file " + path + " names " + std::to_string(lines.size()) +
               " images; it needs 5 lines";

    std::array<QImage, kImages> images;
    for (int i = 0; i < kImages; ++i) {
        const std::string imagePath = dir + "gfx/" + lines[static_cast<size_t>(i)].toStdString();
        const QString imageFile = QFile::decodeName(QByteArray::fromStdString(imagePath));
        if (!QFileInfo(imageFile).isFile())
            return "Cannot load the image " + imagePath + " (line " + std::to_string(i + 1) +
                   " of " + path + "): not a plain file";
        QImageReader reader(imageFile);
        QImage img = reader.read();
        if (img.isNull())
            return "Cannot load the image " + imagePath + " (line " + std::to_string(i + 1) +
                   " of " + path + "): " + reader.errorString().toStdString();
        images[static_cast<size_t>(i)] = img.convertToFormat(QImage::Format_RGB32);
    }
    style.picBlox = std::move(images[0]);
    style.picBlox2 = std::move(images[1]);
    style.picFloor = std::move(images[2]);
    style.picWall = std::move(images[3]);
    style.picSpare = std::move(images[4]);
    return {};
}

} // namespace zembrik
