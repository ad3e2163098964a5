// SPDX-License-Identifier: GPL-3.0-or-later
// The pad's layout: which buttons give each game action, by SDL's button names, and its file
// option_pad.000 (one line per action, the names separated by spaces, CR LF).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/keys.h"

namespace zembrik {

// SDL's game-controller buttons, in SDL's numbering (SDL_GameControllerButton).
inline constexpr int kPadButtons = 21;
inline constexpr int kPadA = 0, kPadB = 1, kPadX = 2, kPadY = 3, kPadBack = 4, kPadGuide = 5,
                     kPadStart = 6, kPadLeftShoulder = 9, kPadRightShoulder = 10, kPadUp = 11,
                     kPadDown = 12, kPadLeft = 13, kPadRight = 14;

// The buttons of each action, a bit per button.
struct PadLayout {
    std::array<uint32_t, kActionCount> buttons{};
    bool operator==(const PadLayout&) const = default;
};

// D-pad left and right move, down soft-drops, up hard-drops; A turns right, B turns left, Y is
// the third rotation key, either shoulder holds. The left stick stands for the D-pad.
PadLayout defaultPadLayout();

// SDL's name of a button ("a", "dpleft", "leftshoulder" ...), "" for none.
std::string_view padButtonName(int button);
// The button of a name, -1 for none.
int padButtonOf(std::string_view name);

// The layout from option_pad.000's text: a missing line, or one that names no known button
// or an unknown one, leaves its action's default; `badLines` counts those that were there
// and could not be read.
PadLayout readPadLayout(std::string_view text, int& badLines);
// The file's text for a layout.
std::string padLayoutText(const PadLayout& layout);

} // namespace zembrik
