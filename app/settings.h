// SPDX-License-Identifier: GPL-3.0-or-later
// The player's choices that live outside the game record: the options the next game starts
// with, the style's file name, key-name texts and the window's settings.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>

#include "core/options.h"

namespace zembrik {

// File names of the shipped shape set and block style, used when the saved ones are unusable.
inline constexpr const char* kDefaultShapeFile = "centre.kblox";
inline constexpr const char* kDefaultStyleFile = "classic.style";

struct Settings {
    // The options the next game starts with, as the menu and the settings dialog set them: read
    // from option_game.000 (start level, switches), option_style.000 line 1 (the shape set's
    // bare file name in data/, loaded into the record when chosen) and option_more.000 lines
    // 5 to 9 (mode, handling), and written back to them. A game copies them whole.
    GameOptions options;
    std::string styleFile; // bare file name of the block style in data/
    // Display text per virtual-key code (the whole line of the key-name file, number
    // included); empty for a code without a line.
    std::array<std::string, 256> keyNames;

    // option_more.000, in file order (its slot table is in settings_file.cpp).
    int16_t pauseOnFocusLoss = 1; // 1: a game pauses when the window loses the keyboard focus
    // The window's client size when it was last closed (out of full screen), in the toolkit's
    // device-independent pixels; 0 when none was saved, and the window picks its first size.
    int16_t clientWidth = 0, clientHeight = 0;
    int16_t fullScreen = 0; // 1: the window was full screen when it was closed
    // Lines 5 to 9 are options.mode and options.handling (classic or custom, then its delay,
    // interval and soft-drop interval in steps). Line 10, the language, is kept as read.
    int16_t languageLine = 0;
    // 1: the window was maximised when it was closed (clientWidth and clientHeight are then its
    // size under the maximised state).
    int16_t maximized = 0;
    int16_t scaling = 0; // 0 Sharp (whole scales only), 1 Fill (any factor that fits)

    // Settings files that could not be read but hold something (UTF-16 text, a link to a
    // device): file name -> the bytes the game would have written for it right after reading.
    // Shut-down leaves such a file as it is unless what it would write now differs, that is,
    // unless the player changed a setting it holds.
    std::map<std::string, std::string> keepUnlessChanged;
};

} // namespace zembrik
