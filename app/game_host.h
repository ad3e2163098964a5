// The rules' view of the window: sound, frames, the level bar and the menu.
#pragma once

#include "core/host.h"

namespace zembrik {

class MainWindow;

// Forwards every request of the rules to the main window.
class GameHost : public Host {
  public:
    explicit GameHost(MainWindow& w) : w_(w) {}
    void playSound(std::string_view code, int16_t count) override;
    void drawFrame(int16_t nocurr) override;
    void showStartLevel(int16_t level) override;
    void gameToppedOut() override;
    void leaveToMenu() override;
    void showDebugText(std::string_view text) override;
    void letMessagesRun() override;

  private:
    MainWindow& w_;
};

} // namespace zembrik
