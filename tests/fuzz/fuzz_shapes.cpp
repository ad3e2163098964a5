// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the shape-set reader, from memory and through a file: it must never crash, must keep
// the table whole on a refusal, and on success must hold exactly the file's first 448 numbers
// (after a byte-order mark in front, which the file reader drops).
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "fuzz_files.h"
#include "pieces/fit.h"
#include "pieces/move.h"
#include "pieces/shape_file.h"

namespace {

// The whitespace- and comma-separated words of the text, at most `limit` of them.
std::vector<std::string> words(const std::string& text, size_t limit) {
    std::vector<std::string> out;
    std::string cur;
    for (char c : text) {
        if (c == ',' || c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            if (!cur.empty()) out.push_back(std::move(cur));
            cur.clear();
            if (out.size() == limit) return out;
        } else {
            cur += c;
        }
    }
    if (!cur.empty() && out.size() < limit) out.push_back(std::move(cur));
    return out;
}

void fill(zembrik::Game& g) {
    for (size_t i = 0; i < g.shapeCells.size(); ++i)
        g.shapeCells[i] = static_cast<int16_t>(i * 7 - 100);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const zembrik::fuzz::ScratchDir scratch;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    // The file reader drops a byte-order mark in front before it reads the numbers.
    const std::string text = bytes.rfind("\xEF\xBB\xBF", 0) == 0 ? bytes.substr(3) : bytes;

    auto before = std::make_unique<zembrik::Game>();
    fill(*before);
    auto g = std::make_unique<zembrik::Game>(*before);
    const std::string err = zembrik::loadshapesFromText(*g, text, "fuzz.kblox");

    if (!err.empty()) {
        if (g->shapeCells != before->shapeCells) std::abort(); // a refusal changed the table
        if (err.find("fuzz.kblox") == std::string::npos) std::abort();
    } else {
        for (int cell = 0; cell < 64; ++cell)
            if (g->shapeCells[static_cast<size_t>(cell)] !=
                before->shapeCells[static_cast<size_t>(cell)])
                std::abort(); // shape 0 belongs to the settings loader
        const std::vector<std::string> w = words(text, 448);
        if (w.size() != 448) std::abort();
        for (int k = 0; k < 448; ++k) {
            const long v = std::strtol(w[static_cast<size_t>(k)].c_str(), nullptr, 10);
            if (g->shapes(1 + k / 64, (k / 16) % 4, k % 16) != v) std::abort();
        }
    }

    // Any set read is played: every shape in every state at every column a box can hold on
    // to, turned both ways with each push, so kicks take boxes past the walls.
    if (err.empty()) {
        auto play = std::make_unique<zembrik::Game>(*g);
        zembrik::Game& p = *play;
        zembrik::emptyWell(p);
        zembrik::emptyShapeZero(p);
        for (int16_t blox = 1; blox <= 7; ++blox)
            for (int16_t mode = 0; mode < 4; ++mode)
                for (int16_t x = -3; x <= 9; ++x) {
                    if (!zembrik::IsOK(p, blox, mode, x, 10)) continue;
                    for (int16_t turn : {-1, 1})
                        for (int16_t push : {-1, 0, 1}) {
                            p.curBlox = blox;
                            p.curMode = mode;
                            p.curX = x;
                            p.curY = 10;
                            p.lowestY = 10;
                            zembrik::Rotateb(p, push, turn);
                        }
                }
    }

    // The file reader agrees with the text reader on the same bytes.
    const auto path = scratch.write("fuzz.kblox", data, size);
    auto viaFile = std::make_unique<zembrik::Game>(*before);
    const std::string fileErr = zembrik::loadshapes(*viaFile, path.string());
    if (fileErr.empty() != err.empty()) std::abort();
    if (viaFile->shapeCells != g->shapeCells) std::abort();
    return 0;
}
