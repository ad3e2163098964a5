// SPDX-License-Identifier: GPL-3.0-or-later
// What the measuring programs that run the real window share: start-up notes on standard error
// and the window's services on the real clock.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "app/main_window.h"

namespace zembrik::bench {

// Start-up notes and sound failures go to stderr instead of modal boxes nobody closes.
class StderrAlerts : public Alerts {
  public:
    explicit StderrAlerts(const char* program) : program_(program) {}
    void show(AlertIcon, const std::string& title, const std::string& text) override {
        std::fprintf(stderr, "%s: %s: %s\n", program_, title.c_str(), text.c_str());
    }

  private:
    const char* program_;
};

// The services of a window timed by `clock`, whose counter is the monotonic clock's; ending
// the program ends it at once, as the game does.
inline ShellServices benchServices(Alerts& alerts, Clock& clock, SeedSource& seeds) {
    return ShellServices{alerts,
                         clock,
                         seeds,
                         std::make_unique<Sound>(),
                         [](int status) {
                             std::fflush(nullptr);
                             std::_Exit(status);
                         },
                         true};
}

} // namespace zembrik::bench
