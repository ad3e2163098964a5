// SPDX-License-Identifier: GPL-3.0-or-later
// The window's game controllers: pads started with the window, their actions handed to the
// running game, their commands to the game (Start pauses, Back leaves) or to the menu.
#include <algorithm>
#include <cstdio>

#include <QApplication>
#include <QDir>
#include <QFile>

#include "app/controls_dialog.h"
#include "app/main_window.h"
#include "app/menu_highlight.h"
#include "app/menu_panel.h"
#include "app/pad_column.h"
#include "app/pad_input.h"
#include "app/watch_row.h"
#include "store/safe_file.h"

namespace zembrik {

namespace {

constexpr const char* kPadFile = "option_pad.000";
// Far more than eight lines of button names: anything longer is not the game's file.
constexpr qint64 kPadFileLimit = 4096;

} // namespace

void MainWindow::startPads() {
    // The watch row sits beside the panel; clicked, it does what W does.
    auto* watch = new WatchRow(*p1_, designSurface());
    connect(watch, &ClickLabel::clicked, this, &MainWindow::watchNewestReplay);
    highlight_ = new MenuHighlight(*p1_, s_.options, *watch);
    if (!places_.settings.isEmpty()) {
        QFile f(QDir(places_.settings).filePath(QLatin1String(kPadFile)));
        if (f.open(QIODevice::ReadOnly)) {
            padFileText_ = f.read(kPadFileLimit).toStdString();
            int bad = 0;
            padLayout_ = readPadLayout(padFileText_, bad);
            if (bad > 0)
                std::fprintf(stderr,
                             "zembrik: %s: %d line(s) could not be read; those actions keep "
                             "the pad's default buttons\n",
                             qPrintable(f.fileName()), bad);
        }
    }
    pads_ = std::make_unique<PadInput>(places_.settings.toStdString());
    pads_->setLayout(padLayout_);
    pads_->setActive(isActiveWindow());
    connect(pads_.get(), &PadInput::action, this, &MainWindow::padAction);
    connect(pads_.get(), &PadInput::command, this, &MainWindow::padCommand);
    // A pad's presses are read right before each step; with no pad open there is nothing to
    // read there (a pad plugged in is found by the device folder's watch), and the pass goes
    // straight to its step.
    session_.setBeforePass([this] {
        if (pads_->padCount() > 0) pads_->poll();
    });
    connect(pads_.get(), &PadInput::padRemoved, this, [this] {
        // A pad pulled out mid-game is like the player turning away.
        if (session_.running() && !session_.watching() && s_.pauseOnFocusLoss != 0) setPaused(true);
    });
}

QString MainWindow::writePadSettings() {
    const std::string text = padLayoutText(padLayout_);
    // Nothing to keep: no file and the defaults, or the file as it was read.
    if (places_.settings.isEmpty() || text == padFileText_ ||
        (padFileText_.empty() && padLayout_ == defaultPadLayout()))
        return {};
    const QByteArray path =
        QFile::encodeName(QDir(places_.settings).filePath(QLatin1String(kPadFile)));
    return QString::fromStdString(writeFileSafely(path.toStdString(), text));
}

void MainWindow::openControls() {
    // Drawn at the design's scale, in the toolkit's pixels.
    const int scale = std::max(1, static_cast<int>(placement().scale / devicePixelRatio()));
    ControlsDialog d(game(), s_, this, scale, &padLayout_);
    if (pads_) {
        // A pad's button pressed while a pad box has the focus goes to the box.
        connect(d.padColumn(), &PadColumn::capturing, pads_.get(), &PadInput::setCapturing);
        connect(pads_.get(), &PadInput::buttonPressed, d.padColumn(), &PadColumn::buttonPressed);
    }
    d.exec();
    if (pads_) {
        pads_->setCapturing(false);
        pads_->setLayout(padLayout_);
    }
    updateDesign();
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
        // As the start key: a game, until the highlight is in use; then the highlighted row.
        if (highlight_ && !highlight_->isHidden())
            menuCommand(PadCommand::Accept);
        else
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
        case MenuHighlight::Act::Watch:
            watchNewestReplay();
            break;
        case MenuHighlight::Act::None:
            break;
        }
        break;
    default:
        break;
    }
    // The design's widgets ask for no paint of their own.
    updateDesign();
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
