// SPDX-License-Identifier: GPL-3.0-or-later
// A region built from many rectangles in one pass.
#pragma once

#include <QRect>
#include <QRegion>
#include <vector>

namespace zembrik {

// The union of the rectangles (they may overlap, empty ones are ignored), built band by band
// straight into the form QRegion keeps: uniting dozens of thin rectangles one at a time costs
// a reallocation and a merge of everything so far each time.
QRegion regionOf(const std::vector<QRect>& rects);

} // namespace zembrik
