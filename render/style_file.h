// Reading a block style file: five image names, loaded from the gfx folder.
#pragma once

#include <string>

#include "render/style.h"

namespace zembrik {

// Loads appDir/data/<name> and the five images it names (one per line, relative to
// appDir/gfx/, taken verbatim). A carriage return ends a line and a line feed right after it
// is skipped; a lone line feed belongs to the line. Returns "" on success, else an error
// naming the file and the problem; on any error all five images of `style` stay as they were.
std::string loadstyle(Style& style, const std::string& appDir, const std::string& name);

} // namespace zembrik
