// Saving one drawn well surface as a picture, for the simulator and bug reports.
#pragma once

#include <cstdint>
#include <string>

#include "core/record.h"
#include "render/style.h"

namespace zembrik {

// Draws the frame for g (fresh background, fixed-seed random source) and saves the well
// surface (192 x 457) as PNG at pngPath. Returns "" or an error naming the file.
std::string writeShot(const Game& g, const Style& style, int16_t nocurr,
                      const std::string& pngPath);

} // namespace zembrik
