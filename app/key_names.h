// SPDX-License-Identifier: GPL-3.0-or-later
// The names the game ships for virtual-key codes, and the reader of the key-name file.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace zembrik {

// The shipped key-name text for a virtual-key code (e.g. "37 Left arrow"), empty when the
// code has no key on a standard PC keyboard. The key-name file holds exactly these lines.
std::string shippedKeyName(int code);

// Reads key-name lines into `names`: each line starting (after blanks) with a number in
// 0..255 makes the whole line, without its line end, the name for that number; a later line
// replaces an earlier one. Lines without a number or with one outside 0..255 are skipped and
// counted in the result.
int readKeyNames(std::string_view text, std::array<std::string, 256>& names);

} // namespace zembrik
