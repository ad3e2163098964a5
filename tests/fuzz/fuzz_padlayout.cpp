// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes option_pad.000's reader: no crash, at most one unreadable line per action, every
// action keeps at least one known button, and the text written for the layout reads back as
// the same layout with nothing unreadable.
#include <cstdlib>
#include <string_view>

#include "app/pad_layout.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    int bad = -1;
    const zembrik::PadLayout l = zembrik::readPadLayout(text, bad);
    if (bad < 0 || bad > zembrik::kActionCount) std::abort();
    for (const uint32_t buttons : l.buttons)
        if (buttons == 0 || (buttons >> zembrik::kPadButtons) != 0) std::abort();
    int again = -1;
    if (zembrik::readPadLayout(zembrik::padLayoutText(l), again) != l || again != 0) std::abort();
    return 0;
}
