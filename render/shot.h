// SPDX-License-Identifier: GPL-3.0-or-later
// One drawn well surface as a picture, for the simulator and bug reports.
#pragma once

#include <cstdint>
#include <string>

#include "core/record.h"
#include "render/style.h"

namespace zembrik {

// Draws the frame for g (fresh background, fixed-seed random source) and returns the well
// surface (192 x 457) encoded as PNG, ready to be written safely; empty if encoding failed.
std::string shotPng(const Game& g, const Style& style, int16_t nocurr);

} // namespace zembrik
