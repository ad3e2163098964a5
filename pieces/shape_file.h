// SPDX-License-Identifier: GPL-3.0-or-later
// The shape-set reader: 448 numbers that define shapes 1..7 in their four rotation states.
#pragma once

#include <string>

#include "core/record.h"

namespace zembrik {

// Reads shapes 1..7 from a shape-set file. The numbers may be split by any mix of commas,
// blanks and line breaks; anything after the 448th is ignored. On any problem the table is
// left exactly as it was and the result names the file and the problem; empty on success.
std::string loadshapes(Game& g, const std::string& path);

// The same, reading from text already in memory; `name` is used in the error message.
std::string loadshapesFromText(Game& g, const std::string& text, const std::string& name);

} // namespace zembrik
