// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing one whole frame of a running game from the game record.
#pragma once

#include <cstdint>

#include "core/random.h"
#include "core/record.h"
#include "render/background.h"
#include "render/frame.h"
#include "render/style.h"

namespace zembrik {

// Rotation state shown in the first next preview: the turn a pending rotation command will
// apply at the spawn (Entry, Cascade and ClearDelay), else 0.
int16_t previewMode(const Game& g);

// Draws the frame: background, well surface with walls, floor, active piece (unless nocurr is
// nonzero), ghost, settled blocks, hold box, previews, the read-outs, the delay bar and the
// spawn line. Changes nothing but the background rectangles and the frame. Letting window
// events run afterwards is the caller's job.
void rend(const Game& g, const Style& style, Background& bg, Random& rnd, int16_t nocurr,
          Frame& frame);

} // namespace zembrik
