// SPDX-License-Identifier: GPL-3.0-or-later
// The seven menu pictures, each drawn at its exact size.
#pragma once

#include <QImage>

namespace menuart {

enum class Button { NewGame, Controls, Settings, About };

// A 192x32 picture button of the menu.
QImage buttonPicture(Button which);
// The 192x256 options picture under the level bar and the option selectors.
QImage optionsPicture();
// The 192x168 title: the name in rows 0..83, the loading notice below.
QImage titlePicture();
// The 457x221 Controls dialog diagram.
QImage controlsPicture();

} // namespace menuart
