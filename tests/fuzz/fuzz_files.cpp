// SPDX-License-Identifier: GPL-3.0-or-later
// Scratch folders and input splitting shared by the fuzz targets.
#include "fuzz_files.h"

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <stdexcept>
#include <string_view>
#include <system_error>

namespace zembrik::fuzz {

ScratchDir::ScratchDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "zembrik-fuzz-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    dir_ = pattern;
}

ScratchDir::~ScratchDir() {
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
}

std::filesystem::path ScratchDir::write(const std::string& relative, const uint8_t* data,
                                        size_t size) const {
    const std::filesystem::path p = dir_ / relative;
    std::filesystem::create_directories(p.parent_path());
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    return p;
}

std::filesystem::path ScratchDir::write(const std::string& relative,
                                        const std::string& text) const {
    return write(relative, reinterpret_cast<const uint8_t*>(text.data()), text.size());
}

std::string Cutter::next() {
    constexpr std::string_view sep = "\n--\n";
    const std::string_view rest(reinterpret_cast<const char*>(data), size);
    const size_t at = rest.find(sep);
    const size_t take = at == std::string_view::npos ? size : at;
    std::string piece(rest.substr(0, take));
    const size_t skip = at == std::string_view::npos ? take : take + sep.size();
    data += skip;
    size -= skip;
    return piece;
}

} // namespace zembrik::fuzz
