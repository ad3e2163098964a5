// SPDX-License-Identifier: GPL-3.0-or-later
// Recognising text from other editors before it is read byte by byte.
#include "store/text_file.h"

#include <algorithm>

namespace zembrik {

std::string_view withoutByteOrderMark(std::string_view text) {
    constexpr std::string_view kMark = "\xEF\xBB\xBF";
    if (text.substr(0, kMark.size()) == kMark) text.remove_prefix(kMark.size());
    return text;
}

bool isUtf16(std::string_view text) {
    if (text.size() < 2) return false;
    const auto b0 = static_cast<unsigned char>(text[0]), b1 = static_cast<unsigned char>(text[1]);
    if ((b0 == 0xFF && b1 == 0xFE) || (b0 == 0xFE && b1 == 0xFF)) return true;
    // No mark: ASCII text in UTF-16 has a NUL in every second byte, on one side throughout.
    const size_t n = std::min<size_t>(text.size() & ~size_t{1}, 64);
    for (size_t zeroAt : {size_t{0}, size_t{1}}) {
        bool all = true;
        for (size_t i = 0; i < n && all; ++i)
            all = (i % 2 == zeroAt) == (text[i] == '\0');
        if (all) return true;
    }
    return false;
}

} // namespace zembrik
