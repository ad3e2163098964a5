// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a block style file: five image names, loaded from the gfx folder.
#pragma once

#include <string>

#include "render/style.h"

namespace zembrik {

// The largest width and height of a style image. A larger one is refused from its header,
// before it is decoded: a few of them could otherwise take most of the memory.
inline constexpr int kMaxImageSide = 4096;

// Loads the style file at stylePath and the five images it names (one per line, relative to
// gfxDir, taken verbatim as bytes). A UTF-8 byte-order mark at the start is skipped. A
// carriage return ends a line and a line feed right after it is skipped; a lone line feed
// belongs to the line. Only plain files (or links to them) are opened. Returns "" on success,
// else an error naming the file as given and the problem; on any error all five images of
// `style` stay as they were.
// An image that is not in gfxDir at all is taken from spareGfxDir when one is given (a player's
// style may use the shipped images).
std::string loadstyleFile(Style& style, const std::string& stylePath, const std::string& gfxDir,
                          const std::string& spareGfxDir = {});

// The same for appDir/data/<name>, with the images in appDir/gfx/.
std::string loadstyle(Style& style, const std::string& appDir, const std::string& name);

} // namespace zembrik
