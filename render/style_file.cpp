// SPDX-License-Identifier: GPL-3.0-or-later
// The block style reader: all five images are loaded before any of them replaces the current one.
#include "render/style_file.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include <QFile>
#include <QImageReader>

namespace zembrik {

namespace {

// The folder with exactly one trailing slash.
std::string withSlash(const std::string& dir) {
    if (!dir.empty() && dir.back() == '/') return dir;
    return dir + "/";
}

// A plain file or a link to one: the same view the game's other readers and its writer take.
// Anything else could block (a pipe) or never end (a device).
bool isPlainFile(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

// Reads up to `count` lines under the style file's line rules.
std::vector<std::string> readLines(std::string_view bytes, int count) {
    std::vector<std::string> lines;
    size_t pos = 0;
    while (static_cast<int>(lines.size()) < count && pos < bytes.size()) {
        size_t end = bytes.find('\r', pos);
        if (end == std::string_view::npos) end = bytes.size();
        lines.emplace_back(bytes.substr(pos, end - pos));
        pos = end + 1;
        if (end < bytes.size() && pos < bytes.size() && bytes[pos] == '\n') ++pos;
    }
    return lines;
}

// Decodes one image, refusing it before decoding when its header gives a size over the limit.
// The path is used as bytes, so a name that is not valid UTF-8 opens as it is.
QImage readImage(const std::string& path, std::string& problem) {
    if (!isPlainFile(path)) {
        problem = "not a plain file";
        return {};
    }
    // Opened without waiting, and checked again once open, in case it changed meanwhile.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    struct stat st {};
    if (fd < 0 || ::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        if (fd >= 0) ::close(fd);
        problem = "cannot be opened";
        return {};
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        problem = "cannot be opened";
        return {};
    }
    auto tooLarge = [&problem](QSize s) {
        if (s.width() <= kMaxImageSide && s.height() <= kMaxImageSide) return false;
        problem = std::to_string(s.width()) + " x " + std::to_string(s.height()) +
                  " pixels, larger than the " + std::to_string(kMaxImageSide) + " x " +
                  std::to_string(kMaxImageSide) + " an image may have";
        return true;
    };
    // First as the format its suffix names, and only then, from the start of the file again,
    // as whatever the content looks like: left to guess straight away, the reader loads every
    // image format plugin (and the libraries behind them) to ask each about the file before
    // it settles on PNG.
    const size_t dot = path.find_last_of("./");
    const QByteArray suffix = dot != std::string::npos && path[dot] == '.'
                                  ? QByteArray::fromStdString(path.substr(dot + 1)).toLower()
                                  : QByteArray();
    QImage img;
    for (const bool guess : {false, true}) {
        if (!guess && suffix.isEmpty()) continue;
        if (!file.seek(0)) break;
        QImageReader reader(&file, guess ? QByteArray() : suffix);
        reader.setAutoDetectImageFormat(guess);
        if (!guess && !reader.canRead()) continue; // not what the suffix says
        // A second guard for a format whose header gives no size: no decoder may allocate more
        // than the largest image allowed takes.
        reader.setAllocationLimit(kMaxImageSide * kMaxImageSide * 4 / (1024 * 1024));
        const QSize size = reader.size();
        if (size.isValid() && tooLarge(size)) return {};
        img = reader.read();
        if (!img.isNull()) break;
        problem = reader.errorString().toStdString();
    }
    if (img.isNull()) return {};
    problem.clear();
    if (tooLarge(img.size())) return {};
    return img;
}

} // namespace

std::string loadstyleFile(Style& style, const std::string& stylePath, const std::string& gfxDir,
                          const std::string& spareGfxDir) {
    const std::string& path = stylePath;
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return "Cannot open the block style file " + path + ": " + std::strerror(errno);
    if (!S_ISREG(st.st_mode)) return "The block style file " + path + " is not a plain file";
    std::ifstream file(path, std::ios::binary);
    if (!file) return "Cannot open the block style file " + path;
    // Five names fit easily in this; a huge file picked by mistake is not read whole.
    constexpr size_t kMaxBytes = 1 << 20;
    std::string bytes(kMaxBytes, '\0');
    file.read(bytes.data(), static_cast<std::streamsize>(kMaxBytes));
    bytes.resize(static_cast<size_t>(file.gcount()));
    if (file.bad()) return "Cannot read the block style file " + path;
    // A UTF-8 byte-order mark from an editor is not part of the first name.
    std::string_view text = bytes;
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);

    constexpr int kImages = 5;
    const std::vector<std::string> lines = readLines(text, kImages);
    if (static_cast<int>(lines.size()) < kImages)
        return "The block style file " + path + " names " + std::to_string(lines.size()) +
               " images; it needs 5 lines";

    std::array<QImage, kImages> images;
    const std::string gfx = withSlash(gfxDir);
    for (int i = 0; i < kImages; ++i) {
        std::string imagePath = gfx + lines[static_cast<size_t>(i)];
        struct stat there {};
        if (!spareGfxDir.empty() && ::lstat(imagePath.c_str(), &there) != 0 && errno == ENOENT)
            imagePath = withSlash(spareGfxDir) + lines[static_cast<size_t>(i)];
        std::string problem;
        QImage img = readImage(imagePath, problem);
        if (img.isNull())
            return "Cannot load the image " + imagePath + " (line " + std::to_string(i + 1) +
                   " of " + path + "): " + problem;
        images[static_cast<size_t>(i)] = img.convertToFormat(QImage::Format_RGB32);
    }
    style.picBlox = std::move(images[0]);
    style.picBlox2 = std::move(images[1]);
    style.picFloor = std::move(images[2]);
    style.picWall = std::move(images[3]);
    style.picSpare = std::move(images[4]);
    return {};
}

std::string loadstyle(Style& style, const std::string& appDir, const std::string& name) {
    const std::string dir = withSlash(appDir);
    return loadstyleFile(style, dir + "data/" + name, dir + "gfx/");
}

} // namespace zembrik
