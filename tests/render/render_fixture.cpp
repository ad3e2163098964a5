// SPDX-License-Identifier: GPL-3.0-or-later
// The flat-colour test style and the surface decoders.
#include "render_fixture.h"

#include <filesystem>
#include <fstream>
#include <stdexcept>

#include <QBuffer>
#include <QDir>
#include <QFile>

#include "render/style_file.h"

namespace zembrik::test {

QRgb spriteColour(int sheet, int column, int row) {
    return qRgb(10 + column, (sheet == 1 ? 100 : 200) + row, sheet);
}

TestStyleDir::TestStyleDir() {
    QDir(dir.path()).mkpath("data");
    QDir(dir.path()).mkpath("gfx");
    QImage sheet1(128, 64, QImage::Format_RGB32), sheet2(128, 16, QImage::Format_RGB32);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 128; ++x)
            sheet1.setPixel(x, y, spriteColour(1, x / 8, y / 8));
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 128; ++x)
            sheet2.setPixel(x, y, spriteColour(2, x / 8, y / 8));
    QImage wall(16, 192, QImage::Format_RGB32);
    for (int y = 0; y < 192; ++y)
        for (int x = 0; x < 16; ++x)
            wall.setPixel(x, y, x < 8 ? kLeftWall : kRightWall);
    const auto gfx = [this](const char* n) { return dir.path() + "/gfx/" + n; };
    if (!sheet1.save(gfx("s1.png")) || !sheet2.save(gfx("s2.png")) || !wall.save(gfx("wall.png")))
        throw std::runtime_error("cannot write the test style");
    writeImage("floor.png", 80, 8, kFloor);
    writeImage("spare.png", 4, 4, qRgb(9, 9, 9));
    writeText("test.style", "s1.png\r\ns2.png\r\nfloor.png\r\nwall.png\r\nspare.png\r\n");
}

// Names are bytes here, written as they are: a test may use one that is not valid UTF-8.
void TestStyleDir::writeText(const std::string& name, const std::string& bytes) const {
    std::ofstream f(QFile::encodeName(dir.path()).toStdString() + "/data/" + name,
                    std::ios::binary);
    if (!f.write(bytes.data(), static_cast<std::streamsize>(bytes.size())))
        throw std::runtime_error("cannot write " + name);
}

void TestStyleDir::writeImage(const std::string& name, int w, int h, QRgb c) const {
    const std::filesystem::path path = QFile::encodeName(dir.path()).toStdString() + "/gfx/" + name;
    std::filesystem::create_directories(path.parent_path());
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(c);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    std::ofstream f(path, std::ios::binary);
    if (!img.save(&buffer, "PNG") || !f.write(png.constData(), png.size()))
        throw std::runtime_error("cannot write " + name);
}

Style testStyle() {
    TestStyleDir d;
    Style s;
    const std::string err = loadstyle(s, d.path(), "test.style");
    if (!err.empty()) throw std::runtime_error(err);
    return s;
}

std::string squareAt(const QImage& img, int left, int top, int size) {
    const QRgb c = img.pixel(left, top);
    for (int y = top; y < top + size; ++y)
        for (int x = left; x < left + size; ++x)
            if (img.pixel(x, y) != c) return "mixed";
    if (c == qRgb(0, 0, 0)) return "black";
    if (c == kLeftWall || c == kRightWall) return "wall";
    if (c == kFloor) return "floor";
    const int sheet = qBlue(c), column = qRed(c) - 10;
    const int row = qGreen(c) - (sheet == 1 ? 100 : 200);
    if ((sheet == 1 || sheet == 2) && column >= 0 && column < 16 && row >= 0 && row < 8)
        return (sheet == 1 ? "A" : "B") + std::to_string(column) + ":" + std::to_string(row);
    return "?";
}

std::string wellCell(const QImage& p2, int x, int y) {
    return squareAt(p2, 16 * x + 16, 16 * y + 80, 16);
}

} // namespace zembrik::test
