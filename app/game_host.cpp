// The host calls of the rules, passed on to the main window.
#include "app/game_host.h"

#include "app/main_window.h"

namespace zembrik {

void GameHost::playSound(std::string_view code, int16_t count) {
    w_.playsound(code, count);
}
void GameHost::drawFrame(int16_t nocurr) {
    w_.rendFrame(nocurr);
}
void GameHost::showStartLevel(int16_t level) {
    w_.shplvl_Click(level);
}
void GameHost::gameToppedOut() {
    w_.topOut();
}
void GameHost::leaveToMenu() {
    w_.gotomenu();
}
void GameHost::showDebugText(std::string_view text) {
    w_.setDebugText(text);
}
void GameHost::letMessagesRun() {
    w_.letMessagesRun();
}

} // namespace zembrik
