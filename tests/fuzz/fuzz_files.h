// SPDX-License-Identifier: GPL-3.0-or-later
// A private scratch folder for fuzz targets whose readers only take files.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

namespace zembrik::fuzz {

// A fresh folder under the system's temporary folder, removed with everything in it when the
// object goes away.
class ScratchDir {
  public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    // The folder's path.
    const std::filesystem::path& path() const { return dir_; }
    // Writes bytes to the file at the relative path (folders made as needed), replacing it.
    std::filesystem::path write(const std::string& relative, const uint8_t* data,
                                size_t size) const;
    std::filesystem::path write(const std::string& relative, const std::string& text) const;

  private:
    std::filesystem::path dir_;
};

// Splits fuzz input at the first occurrence of a separator byte sequence; the rest goes on.
struct Cutter {
    const uint8_t* data;
    size_t size;
    // The next piece up to (not including) the separator "\n--\n", or the rest.
    std::string next();
};

} // namespace zembrik::fuzz
