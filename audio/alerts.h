// SPDX-License-Identifier: GPL-3.0-or-later
// The message boxes the sound set-up shows, behind an interface the window implements.
#pragma once

#include <string>

namespace zembrik {

// Icon of a message box: Critical is the stop sign, Warning the exclamation mark.
enum class AlertIcon { Critical, Warning };

// Shows a modal message box and returns when the player has closed it.
struct Alerts {
    virtual ~Alerts() = default;
    virtual void show(AlertIcon icon, const std::string& title, const std::string& text) = 0;
};

} // namespace zembrik
