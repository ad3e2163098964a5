// SPDX-License-Identifier: GPL-3.0-or-later
// Text written by other editors: the byte-order mark some put first, and UTF-16.
#pragma once

#include <string_view>

namespace zembrik {

// The text without the UTF-8 byte-order mark at its start, if it has one.
std::string_view withoutByteOrderMark(std::string_view text);

// True for text in UTF-16 (or UTF-32): it starts with that byte-order mark, or, without one,
// its first characters are ASCII with a NUL byte beside every one of them. Nothing in such a
// file can be read byte by byte.
bool isUtf16(std::string_view text);

} // namespace zembrik
