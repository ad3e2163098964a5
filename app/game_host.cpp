// The host calls of the rules, passed on to the main window.
#include "app/game_host.h"

#include "app/main_window.h"

namespace zembrik {

void GameHost::playsound(std::string_view code, int16_t count) {
    w_.playsound(code, count);
}
void GameHost::rend(int16_t nocurr) {
    w_.rendFrame(nocurr);
}
void GameHost::shplvl_Click(int16_t level) {
    w_.shplvl_Click(level);
}
void GameHost::topOut() {
    w_.topOut();
}
void GameHost::gotomenu() {
    w_.gotomenu();
}
void GameHost::setDebugText(std::string_view text) {
    w_.setDebugText(text);
}
void GameHost::letMessagesRun() {
    w_.letMessagesRun();
}

} // namespace zembrik
