// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the settings reader over all five files at once: whatever they hold, every value ends
// inside its control's range, the messages stay short, and what is written back reads back
// the same.
#include <cstdlib>
#include <filesystem>
#include <memory>

#include <QString>

#include "app/settings_file.h"
#include "fuzz_files.h"

namespace {

namespace fs = std::filesystem;

bool inside(int v, int lo, int hi) {
    return v >= lo && v <= hi;
}

bool usableName(const std::string& name) {
    if (name.empty() || name.size() > 4096) return false;
    for (char c : name)
        if (c == '/' || c == '\\' || static_cast<unsigned char>(c) < 32) return false;
    return true;
}

// A style loader that needs no images: any name holding "bad" fails.
std::string fakeStyle(const std::string& name) {
    return name.find("bad") == std::string::npos ? std::string() : "no such image";
}

void checkRanges(const zembrik::Game& g, const zembrik::Settings& s) {
    const zembrik::GameOptions& o = s.options;
    if (!inside(o.startLevel, 0, 20) || !inside(o.holdOpt, 0, 1) || !inside(o.quaOpt, 0, 2) ||
        !inside(o.nextOpt, 0, 1) || !inside(o.ghostOpt, 0, 1) || !inside(g.muteOpt, 0, 1) ||
        !inside(o.clbOpt, 0, 2))
        std::abort();
    // Whatever lines 5 to 9 hold, the options get a known mode and handling in range.
    if (!zembrik::modeOf(static_cast<int>(o.mode)) || !zembrik::validHandling(o.handling))
        std::abort();
    for (int16_t key :
         {g.keyMl, g.keyMr, g.keyMd, g.keyRl, g.keyRr, g.keyRo, g.keyFd, g.keyHd, g.keySt})
        if (!inside(key, 0, 255)) std::abort();
    if (!usableName(s.options.shapeFile) || !usableName(s.styleFile)) std::abort();
    if (!inside(s.pauseOnFocusLoss, 0, 1)) std::abort();
    for (int cell = 0; cell < 64; ++cell)
        if (g.shapeCells[static_cast<size_t>(cell)] != -1) std::abort();
}

bool sameRecord(const zembrik::Game& a, const zembrik::Game& b) {
    return a.muteOpt == b.muteOpt && a.keyMl == b.keyMl && a.keyMr == b.keyMr &&
           a.keyMd == b.keyMd && a.keyRl == b.keyRl && a.keyRr == b.keyRr && a.keyRo == b.keyRo &&
           a.keyFd == b.keyFd && a.keyHd == b.keyHd && a.keySt == b.keySt &&
           a.shapeCells == b.shapeCells;
}

} // namespace

// Input: one flag byte (bit n set: file n is missing; bit n+4 set: file n is a folder), then
// the four files in read order and option_more.000 (missing when there is no fifth part),
// separated by lines holding "--".
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const zembrik::fuzz::ScratchDir scratch;
    static const bool ready = [] {
        fs::create_directories(scratch.path() / "data");
        fs::copy_file(fs::path(ZEMBRIK_SOURCE_DIR) / "data" / "centre.kblox",
                      scratch.path() / "data" / "centre.kblox");
        return true;
    }();
    (void)ready;
    if (size == 0) return 0;

    const unsigned flags = data[0];
    zembrik::fuzz::Cutter cut{data + 1, size - 1};
    const char* files[] = {"option_key.000", "keycode.000", "option_style.000", "option_game.000"};
    for (unsigned i = 0; i < 4; ++i) {
        const fs::path p = scratch.path() / "data" / files[i];
        fs::remove_all(p);
        const std::string text = cut.next();
        if (flags & (1u << (i + 4)))
            fs::create_directory(p);
        else if (!(flags & (1u << i)))
            scratch.write(std::string("data/") + files[i], text);
    }

    const fs::path more = scratch.path() / "data" / "option_more.000";
    fs::remove_all(more);
    if (cut.size > 0) scratch.write("data/option_more.000", cut.next());

    const QString appDir = QString::fromStdString(scratch.path().string());
    const QString dataDir = appDir + "/data";
    auto g = std::make_unique<zembrik::Game>();
    auto s = std::make_unique<zembrik::Settings>();
    QStringList notes = zembrik::loadfile(*g, *s, fakeStyle, appDir);
    notes += zembrik::readMoreSettings(*s, dataDir);
    checkRanges(*g, *s);
    if (notes.size() > 24) std::abort(); // one line per problem, not per byte
    for (const QString& note : notes)
        if (note.isEmpty() || note.size() > 400) std::abort();

    // What shut-down writes, the next start reads back unchanged.
    for (const char* f : {"option_key.000", "option_style.000", "option_game.000"})
        fs::remove_all(scratch.path() / "data" / f);
    fs::remove_all(more);
    if (!zembrik::writeSettings(*g, *s, appDir).isEmpty()) std::abort();
    if (!zembrik::writeMoreSettings(*s, dataDir).isEmpty()) std::abort();
    auto g2 = std::make_unique<zembrik::Game>();
    auto s2 = std::make_unique<zembrik::Settings>();
    zembrik::loadfile(*g2, *s2, fakeStyle, appDir);
    if (!zembrik::readMoreSettings(*s2, dataDir).isEmpty()) std::abort();
    if (!sameRecord(*g, *g2) || s->options != s2->options || s->styleFile != s2->styleFile ||
        s->keyNames != s2->keyNames || s->pauseOnFocusLoss != s2->pauseOnFocusLoss)
        std::abort();
    return 0;
}
