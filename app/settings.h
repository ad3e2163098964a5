// SPDX-License-Identifier: GPL-3.0-or-later
// The player's choices that live outside the game record: file names and key-name texts.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>

namespace zembrik {

// File names of the shipped shape set and block style, used when the saved ones are unusable.
inline constexpr const char* kDefaultShapeFile = "centre.kblox";
inline constexpr const char* kDefaultStyleFile = "classic.style";

struct Settings {
    std::string shapeFile; // bare file name of the shape set in data/
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
    // Lines 5 to 9 hold the game mode and the handling (classic or custom, then its delay,
    // interval and soft-drop interval in steps): start-up puts them into the record
    // (takeModeAndHandling), shut-down takes them back. Line 10, the language, is kept as read.
    int16_t modeLine = 0, handlingLine = 0, repeatDelayLine = 10, repeatIntervalLine = 2,
            softDropLine = 1, languageLine = 0;
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
