// SPDX-License-Identifier: GPL-3.0-or-later
// The window's game controllers: pads started with the window, their actions handed to the
// running game, their commands to the game (Start pauses, Back leaves) or to the menu.
#include <cstdio>

#include "app/main_window.h"
#include "app/menu_panel.h"
#include "app/pad_input.h"

namespace zembrik {

void MainWindow::startPads() {
    pads_ = std::make_unique<PadInput>(places_.settings.toStdString());
    pads_->setLayout(padLayout_);
    pads_->setActive(isActiveWindow());
    connect(pads_.get(), &PadInput::action, this, &MainWindow::padAction);
    connect(pads_.get(), &PadInput::command, this, &MainWindow::padCommand);
    session_.setBeforePass([this] { pads_->poll(); });
    connect(pads_.get(), &PadInput::padRemoved, this, [this] {
        // A pad pulled out mid-game is like the player turning away.
        if (session_.running() && !session_.watching() && s_.pauseOnFocusLoss != 0) setPaused(true);
    });
}

void MainWindow::padAction(Action a, bool down) {
    if (session_.running()) session_.padAction(a, down);
}

void MainWindow::padCommand(PadCommand c) {
    if (shuttingDown_) return;
    if (session_.running()) {
        if (c == PadCommand::Start) setPaused(!session_.paused());
        if (c == PadCommand::Back) session_.leaveByPad();
        return;
    }
    // The menu: the highlight moves and acts; Back never closes the window from here.
    switch (c) {
    case PadCommand::Start:
        startGame();
        break;
    case PadCommand::Up:
    case PadCommand::Down:
    case PadCommand::Left:
    case PadCommand::Right:
    case PadCommand::Accept:
        menuCommand(c);
        break;
    case PadCommand::Back:
        break;
    }
}

void MainWindow::menuCommand(PadCommand c) {
    if (c == PadCommand::Accept) startGame();
}

} // namespace zembrik
