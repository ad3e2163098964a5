// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the block style reader: any style file either loads five real images or is refused
// with the current images left exactly as they were.
#include <cstdlib>
#include <filesystem>

#include <QImage>

#include "fuzz_files.h"
#include "render/style_file.h"

namespace {

namespace fs = std::filesystem;

// A style whose five images are tiny and distinct, to spot any change after a refusal.
zembrik::Style sentinel() {
    zembrik::Style s;
    QImage* images[] = {&s.picBlox, &s.picBlox2, &s.picFloor, &s.picWall, &s.picSpare};
    int n = 1;
    for (QImage* img : images) {
        *img = QImage(n, 1, QImage::Format_RGB32);
        img->fill(static_cast<uint>(n * 0x101010));
        ++n;
    }
    return s;
}

bool same(const zembrik::Style& a, const zembrik::Style& b) {
    return a.picBlox == b.picBlox && a.picBlox2 == b.picBlox2 && a.picFloor == b.picFloor &&
           a.picWall == b.picWall && a.picSpare == b.picSpare;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const zembrik::fuzz::ScratchDir scratch;
    static const bool ready = [] {
        // The shipped images, so that inputs naming them load.
        fs::create_directory_symlink(fs::path(ZEMBRIK_SOURCE_DIR) / "gfx", scratch.path() / "gfx");
        return true;
    }();
    (void)ready;
    scratch.write("data/fuzz.style", data, size);

    const zembrik::Style before = sentinel();
    zembrik::Style style = sentinel();
    const std::string err = zembrik::loadstyle(style, scratch.path().string(), "fuzz.style");
    if (err.empty()) {
        for (const QImage* img :
             {&style.picBlox, &style.picBlox2, &style.picFloor, &style.picWall, &style.picSpare})
            if (img->isNull()) std::abort();
    } else if (!same(style, before)) {
        std::abort();
    }
    return 0;
}
