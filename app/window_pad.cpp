// SPDX-License-Identifier: GPL-3.0-or-later
// The window's game controllers: pads started with the window, their actions handed to the
// running game, their commands to the game (Start pauses, Back leaves) or to the menu.
#include <cstdio>

#include <QApplication>

#include "app/main_window.h"
#include "app/menu_highlight.h"
#include "app/menu_panel.h"
#include "app/pad_input.h"

namespace zembrik {

void MainWindow::startPads() {
    highlight_ = new MenuHighlight(*p1_, game());
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
    if (!highlight_) return;
    switch (c) {
    case PadCommand::Up:
    case PadCommand::Down:
        highlight_->move(c == PadCommand::Up ? -1 : 1);
        break;
    case PadCommand::Left:
    case PadCommand::Right:
        highlight_->change(c == PadCommand::Left ? -1 : 1);
        break;
    case PadCommand::Accept:
        switch (highlight_->act()) {
        case MenuHighlight::Act::StartGame:
            startGame();
            break;
        case MenuHighlight::Act::Controls:
            openControls();
            break;
        case MenuHighlight::Act::Settings:
            openSettings();
            break;
        case MenuHighlight::Act::None:
            break;
        }
        break;
    default:
        break;
    }
}

bool MainWindow::menuKey(int code) {
    if (!highlight_) return false;
    // The start key starts a game as it always has until the highlight is in use; then it acts
    // on the highlighted row like Enter.
    if (code == game().keySt) {
        if (highlight_->isHidden()) return false;
        menuCommand(PadCommand::Accept);
        return true;
    }
    const bool back = QApplication::keyboardModifiers() & Qt::ShiftModifier;
    switch (code) {
    case 38: // Up
        menuCommand(PadCommand::Up);
        return true;
    case 40: // Down
        menuCommand(PadCommand::Down);
        return true;
    case 9: // Tab, Shift+Tab
        menuCommand(back ? PadCommand::Up : PadCommand::Down);
        return true;
    case 37: // Left
        menuCommand(PadCommand::Left);
        return true;
    case 39: // Right
        menuCommand(PadCommand::Right);
        return true;
    case 13: // Enter
        menuCommand(PadCommand::Accept);
        return true;
    default:
        return false;
    }
}

} // namespace zembrik
