// SPDX-License-Identifier: GPL-3.0-or-later
// The game window: layout, start-up and shut-down, the menu, keys, dialogs, and what the
// session shows (frames, the panels, the read-outs).
#include "app/main_window.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <algorithm>
#include <cstdio>

#include "app/art.h"
#include "app/click_label.h"
#include "app/language.h"
#include "app/menu_panel.h"
#include "app/pad_input.h"
#include "app/places.h"
#include "app/settings_dialog.h"
#include "app/settings_file.h"
#include "app/shell_keys.h"
#include "app/summary_text.h"
#include "app/vk_table.h"
#include "engine/keys.h"
#include "render/panels.h"
#include "render/rend.h"

namespace zembrik {

namespace {

// The menu's W (watch the newest replay).
constexpr int kKeyWatch = 87;

void paintBlack(QWidget* w) {
    w->setAutoFillBackground(true);
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, Qt::black);
    pal.setColor(QPalette::WindowText, Qt::white);
    w->setPalette(pal);
}

// The stand-in for the narrow display face of the read-outs.
QFont readoutFont(double points) {
    QFont f("DejaVu Sans Condensed");
    f.setBold(true);
    f.setPointSizeF(points);
    f.setStretch(QFont::Condensed);
    return f;
}

constexpr QSize kDesign(kWindowW, kWindowH);
constexpr int kKeyF11 = 122; // virtual-key code
// Room left for a window's frame and title bar when its first size is chosen.
constexpr QSize kDecoration(16, 48);

} // namespace

MainWindow::MainWindow(const QString& appDir, ShellServices services)
    : MainWindow(findPlaces(appDir), std::move(services)) {}

MainWindow::MainWindow(const Places& places, ShellServices services)
    : places_(places), services_(std::move(services)),
      session_(*this, SessionParts{services_.clock, services_.seeds, *services_.sound, s_,
                                   places_.recordsFile(), places_.replaysFolder(),
                                   services_.monotonicCounter}) {
    setFocusPolicy(Qt::StrongFocus);
    setWindowTitle(tr("Loading~"));

    Imgtitle_ = new PixelLabel(designSurface());
    Imgtitle_->setGeometry(216, 152, 192, 168);
    Imgtitle_->setPixmap(artPixmap(":/art/title.png"));
    Imgtitle_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Imgtitle_->setFocusPolicy(Qt::NoFocus);

    // The well surface and its companion square; the window paints the well itself.
    p2_ = new QWidget(designSurface());
    p2_->setGeometry(216, 16, 192, 457);
    p2_->setFocusPolicy(Qt::NoFocus);
    p2_->hide();
    P3_ = new QWidget(designSurface());
    P3_->setGeometry(632, 0, 8, 8);
    paintBlack(P3_);
    P3_->setFocusPolicy(Qt::NoFocus);
    P3_->hide();

    addLabel(416, 192, 57, 25, tr("Score:"), 15.75);
    addLabel(416, 256, 57, 25, tr("Lines:"), 15.75);
    addLabel(416, 320, 57, 25, tr("Level:"), 15.75);
    lblscore_ = addLabel(412, 216, 83, 25, "", 15);
    lbllines_ = addLabel(412, 280, 83, 25, "", 15);
    lblpoints_ = addLabel(412, 344, 83, 25, "", 15);
    clock_.emplace(addLabel(416, 384, 57, 25, tr("Time:"), 15.75),
                   addLabel(412, 408, 83, 25, "", 15));
    lblpoints_->setToolTip(
        tr("The level, then after the dash how far it is to the next one: every piece that "
           "comes in adds 1 (up to 99), every row cleared adds 1, and at 100 the level goes "
           "up."));

    lblDeb_ = new QLabel("Debugger", designSurface());
    lblDeb_->setGeometry(408, 8, 193, 9);
    paintBlack(lblDeb_);
    QFont mono("DejaVu Sans Mono");
    mono.setPixelSize(7);
    lblDeb_->setFont(mono);
    lblDeb_->setFocusPolicy(Qt::NoFocus);
    lblDeb_->hide();

    lblReplay_ = addLabel(8, 8, 200, 66, "", 12);
    lblReplay_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    lblReplay_->hide();

    p1_ = new MenuPanel(s_.options, designSurface());
    p1_->hide();
    connect(p1_, &MenuPanel::startClicked, this, &MainWindow::startGame);
    connect(p1_, &MenuPanel::controlsClicked, this, &MainWindow::openControls);
    connect(p1_, &MenuPanel::settingsClicked, this, &MainWindow::openSettings);
    connect(p1_, &MenuPanel::aboutPressed, this, &MainWindow::showAbout);
    setWellStandIn(p2_);
}

MainWindow::~MainWindow() = default;

QLabel* MainWindow::addLabel(int x, int y, int w, int h, const QString& text, double points) {
    auto* l = new QLabel(text, designSurface());
    l->setGeometry(x, y, w, h);
    paintBlack(l);
    l->setFont(readoutFont(points));
    // A translated name longer than the box takes room to its right; English keeps its box.
    if (const int need = l->fontMetrics().horizontalAdvance(text) + 2; need > w) l->resize(need, h);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setFocusPolicy(Qt::NoFocus);
    return l;
}

bool MainWindow::startUp() {
    // The audio module takes longer to load than anything else here: with sound on it loads
    // beside the window's start-up, and the set-up below takes it when its turn comes.
    if (readSoundSetting(places_) == 0)
        services_.sound->preload(places_.modules.toStdString(), places_.shipped.toStdString());
    initTiming(game(), services_.clock);
    setWindowTitle(tr("Loading~"));
    QApplication::setOverrideCursor(Qt::WaitCursor);
    // The window's size is known before it first shows, so it opens at its size at once.
    const QStringList moreNotes = readMoreSettings(s_, places_.settings);
    if (QScreen* sc = screen()) {
        const QRect avail = sc->availableGeometry();
        const QSize saved(s_.clientWidth, s_.clientHeight);
        QSize opening = openingClientSize(saved, avail.size(), kDesign, kDecoration);
        // Fill, with no saved size that fits, opens as large as the screen allows.
        if (s_.scaling != 0 && opening != saved)
            opening = fillDesign(avail.size() - kDecoration, kDesign).area(kDesign).size();
        resize(opening);
        move(avail.center() - rect().center());
    }
    setNormalSize(size());
    if (s_.fullScreen != 0) {
        // Out of full screen it comes back maximised when it was.
        if (s_.maximized != 0) setStateBeforeFullScreen(Qt::WindowMaximized);
        showFullScreen();
    } else if (s_.maximized != 0) {
        showMaximized();
    } else {
        show();
    }
    QCoreApplication::processEvents();

    QStringList notes = loadfile(game(), s_, style_, places_);
    notes += moreNotes;
    // A portable folder is writable by definition; a per-user folder may not be.
    if (!places_.portable) {
        if (const QString why = settingsWriteProblem(places_); !why.isEmpty()) {
            settingsKept_ = false;
            const QString text =
                tr("Zembrik cannot write its settings (%1). You can play, but changes to the "
                   "keys and options will not be kept.")
                    .arg(why);
            std::fprintf(stderr, "zembrik: %s\n", qPrintable(text));
            notes.prepend(text);
        }
    }
    settingsLoaded_ = true;
    startPads();
    p1_->lightLevelBar(s_.options.startLevel);
    p1_->showLevelText();
    p1_->rerunOptionHandlers();
    QApplication::restoreOverrideCursor();
    p1_->show();
    // Only the upper half of the title, the game's name, stays: the loading notice goes.
    Imgtitle_->setGeometry(216, 0, 192, 84);
    p1_->setFocus();
    updateDesign();
    if (!notes.isEmpty())
        services_.alerts.show(AlertIcon::Warning, "Zembrik", notes.join("\r\n").toStdString());

    if (game().muteOpt == 0 &&
        !services_.sound->setup(places_.modules.toStdString(), places_.shipped.toStdString(),
                                services_.alerts, game().muteOpt)) {
        // A fatal sound failure has been shown: end without writing the settings.
        shuttingDown_ = true;
        session_.close();
        services_.terminate(1);
        return false;
    }
    // No output device: this run is quiet, and the saved choice stays for the next one.
    if (services_.sound->silent()) {
        game().muteOpt = 1;
        soundOffForRun_ = true;
    }
    setWindowTitle("Zembrik");
    return true;
}

void MainWindow::startGame() {
    if (shuttingDown_) return;
    session_.start();
}

void MainWindow::gotomenu() {
    session_.leave();
}

void MainWindow::restartGame() {
    session_.restart();
}

void MainWindow::setPaused(bool on) {
    session_.setPaused(on);
}

void MainWindow::watchNewestReplay() {
    if (shuttingDown_) return;
    std::string why;
    if (!session_.watchNewest(why) && !why.empty())
        services_.alerts.show(AlertIcon::Warning, "Zembrik", why);
}

void MainWindow::showPlayfield() {
    if (session_.watching()) {
        // The menu shows the last game's read-outs beside its summary: a replay stopped early
        // must not leave its own there.
        const Frame& f = frame();
        readoutsBeforeWatching_ = std::make_tuple(f.score, f.lines, f.points);
    }
    p1_->hide();
    Imgtitle_->hide();
    showGameSurfaces(true);
    // The read-outs' labels are not part of the frame: the clock's are shown here once.
    updateDesign(clock_->begin(game()));
    for (int16_t i = 0; i < 10; ++i)
        resetbg(bg_, session_.random(), i, game().curLevel);
    frameToDraw().changeAll(); // the menu has gone: the first frame paints the whole design
    describePanels();
    setFocus();
}

void MainWindow::showMenuAgain() {
    if (readoutsBeforeWatching_) {
        lblReplay_->hide();
        Frame& f = frameToDraw();
        std::tie(f.score, f.lines, f.points) = *readoutsBeforeWatching_;
        readoutsBeforeWatching_.reset();
        lblscore_->setText(f.score);
        lbllines_->setText(f.lines);
        lblpoints_->setText(f.points);
    }
    p1_->show();
    Imgtitle_->show();
    showGameSurfaces(false);
    clock_->end();
    setWindowTitle("Zembrik");
    describePanels();
    p1_->setFocus();
    updateDesign();
}

void MainWindow::showStartLevel(int16_t level) {
    p1_->shplvl_Click(level);
}

void MainWindow::showSessionState() {
    if (session_.watching()) {
        lblReplay_->setText(replayLabelText(game().mode, session_.watchSpeed(), session_.paused()));
        // Lines in a taller face (another script's) take the room they need below.
        lblReplay_->resize(lblReplay_->width(), std::max(66, lblReplay_->sizeHint().height()));
        lblReplay_->show();
    }
    describePanels();
    // The pause panel comes or goes whole; after it the next frame is drawn whole too.
    frameToDraw().changeAll();
    repaintDesign();
}

void MainWindow::closeWindow() {
    close();
}

void MainWindow::showGameSurfaces(bool on) {
    p2_->setVisible(on);
    P3_->setVisible(on);
}

void MainWindow::drawFrame(int16_t nocurr) {
    Frame& f = frameToDraw();
    rend(game(), style_, bg_, session_.random(), nocurr, f);
    // Only what this frame changed is painted and sent to the window system: the moving
    // outlines, the rows of the well that differ, the delay bar, and the read-outs whose text
    // changed (on the hidden design surface a label asks for no paint of its own).
    // Under an opaque widget (the read-outs, the companion square) the frame does not show.
    QRegion changed = f.changed.subtracted(opaqueWidgets());
    const auto show = [&changed](QLabel* l, const QString& text) {
        if (l->text() == text) return;
        l->setText(text);
        changed += l->geometry();
    };
    show(lblscore_, f.score);
    show(lbllines_, f.lines);
    show(lblpoints_, f.points);
    changed += clock_->update(f.clock);
    showFrame(changed);
}

void MainWindow::showDebugText(std::string_view text) {
    lblDeb_->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    if (!lblDeb_->isHidden()) updateDesign(lblDeb_->geometry());
}

bool MainWindow::debugTextShown() const {
    return !lblDeb_->isHidden();
}

void MainWindow::showDebug(bool on) {
    lblDeb_->setVisible(on);
    updateDesign();
}

bool MainWindow::wellShown() const {
    // While a game is paused the well, previews and hold box are not shown at all, not even
    // under the panel: a pause cannot be used to plan. A paused replay stays in view.
    return !p2_->isHidden() && (!session_.paused() || session_.watching());
}

DesignView::PanelsOver MainWindow::panelsOver(const QRect& r) const {
    const QRect well(QPoint(kWellX, kWellY), frame().p2.size());
    const QRect summary(0, 0, kWellX, kWindowH); // the black area left of the menu panel
    return {session_.paused() && !session_.watching() && !p2_->isHidden() && r.intersects(well),
            p2_->isHidden() && session_.lastGame() && r.intersects(summary)};
}

void MainWindow::paintPanels(QPainter& p, const QRect& r) {
    const PanelsOver over = panelsOver(r);
    if (!over.pause && !over.summary) return;
    p.save();
    p.setClipRect(r);
    if (over.pause)
        paintPausePanel(p, QRect(QPoint(kWellX, kWellY), frame().p2.size()), resumeHint());
    if (over.summary) paintSummary(p, QRect(0, 0, kWellX, kWindowH), summaryText());
    p.restore();
}

QString MainWindow::resumeHint() const {
    return isGameActionKey(game(), kKeyP) ? tr("Pause to resume") : tr("P to resume");
}

SummaryText MainWindow::summaryText() const {
    const GameOptions& o = session_.lastGame()->record.options;
    return summaryTextOf(*session_.lastGame(),
                         o.shapeFile == kDefaultShapeFile ? QString()
                                                          : plainFileName(places_, o.shapeFile),
                         summaryOffersWatching());
}

void MainWindow::describePanels() {
    QStringList lines;
    if (session_.paused() && !session_.watching() && !p2_->isHidden()) {
        lines << QCoreApplication::translate("zembrik::Panels", "PAUSED") << resumeHint();
    } else if (p2_->isHidden() && session_.lastGame()) {
        const SummaryText t = summaryText();
        lines << t.heading;
        for (const SummaryLine& row : t.rows)
            lines << tr("%1: %2").arg(row.label, row.value);
        for (const QString& line : {t.mark, t.markNote})
            if (!line.isEmpty()) lines << QString(line).replace(QChar(0x00A0), QLatin1Char(' '));
        lines << t.notes;
    }
    setAccessibleDescription(lines.join(QLatin1Char('\n')));
}

void MainWindow::keyDownCode(int code) {
    if (code == kKeyF11) {
        // F11 switches full screen unless the player gave it to an action (a watched game's
        // keys are not the player's).
        const bool taken = session_.running() ? session_.takesKey(code) : code == game().keySt;
        if (!taken) {
            toggleFullScreen();
            return;
        }
    }
    if (session_.running()) {
        session_.keyDown(code);
        return;
    }
    if (menuKey(code)) return;
    const MenuKey k = menuKeyDown(game(), code);
    if (k.startGame) startGame();
    if (k.escape) gotomenu();
    if (code == kKeyWatch && !k.startGame) watchNewestReplay();
}

void MainWindow::keyUpCode(int code) {
    session_.keyUp(code);
}

void MainWindow::keyPressEvent(QKeyEvent* e) {
    e->accept();
    // The system's auto-repeat would restart a held key's own repeat: the rules repeat.
    if (e->isAutoRepeat()) return;
    const int code = virtualKeyCode(e);
    // X repeats a held key as release and press pairs sharing one time stamp, and Qt marks
    // them as repeats only when it sees both at once. A pause toggled by each would flicker.
    if (session_.isPauseKey(code) && code == lastRelease_.code && e->timestamp() != 0 &&
        e->timestamp() == lastRelease_.stamp) {
        session_.pauseKeyStillHeld(code);
        return;
    }
    keyDownCode(code);
    if (game().inGame == InGame::Menu) updateDesign();
}

void MainWindow::keyReleaseEvent(QKeyEvent* e) {
    e->accept();
    if (e->isAutoRepeat()) return;
    lastRelease_ = {virtualKeyCode(e), e->timestamp()};
    keyUpCode(lastRelease_.code);
}

bool MainWindow::event(QEvent* e) {
    // A key released while another window has the keyboard never reports its key-up; and a
    // game the player has turned away from waits for them.
    if (e->type() == QEvent::WindowDeactivate) session_.focusLost(s_.pauseOnFocusLoss != 0);
    // A pad counts only for the window in front of the player.
    if (pads_ && (e->type() == QEvent::WindowDeactivate || e->type() == QEvent::WindowActivate))
        pads_->setActive(e->type() == QEvent::WindowActivate);
    return QWidget::event(e);
}

void MainWindow::closeEvent(QCloseEvent* e) {
    e->accept();
    shutDown();
}

void MainWindow::shutDown() {
    if (shuttingDown_) return;
    shuttingDown_ = true;
    // The watched record put back, a running game's replay kept and on the disk, no more passes.
    session_.close();
    // Closed while still loading: the record holds no settings yet, and writing it would
    // replace the player's files with zeros.
    int status = 0;
    // Settings that start-up said cannot be kept are not tried again: the player has been
    // told once, and the files that are there stay as they are.
    if (settingsLoaded_ && settingsKept_) {
        // Maximised or full screen, the size kept is the one under that state; the state
        // itself is kept too.
        const bool maximized =
            isMaximized() || (isFullScreen() && (stateBeforeFullScreen() & Qt::WindowMaximized));
        const QSize client = isFullScreen() || isMaximized() ? normalSize() : size();
        s_.maximized = maximized ? 1 : 0;
        s_.clientWidth = static_cast<int16_t>(std::clamp(client.width(), 0, 32767));
        s_.clientHeight = static_cast<int16_t>(std::clamp(client.height(), 0, 32767));
        s_.fullScreen = isFullScreen() ? 1 : 0;
        if (soundOffForRun_) game().muteOpt = 0;
        for (const QString& err : {writeSettings(game(), s_, places_),
                                   writeMoreSettings(s_, places_.settings), writePadSettings()}) {
            if (err.isEmpty()) continue;
            // The old files are whole; the exit status tells a caller the settings were lost.
            for (const QString& line : err.split(QLatin1Char('\n')))
                std::fprintf(stderr, "zembrik: %s\n", line.toLocal8Bit().constData());
            status = 1;
        }
    }
    services_.sound->shutdown();
    services_.terminate(status);
}

void MainWindow::showAbout() {
    services_.alerts.show(AlertIcon::Critical, tr("About").toStdString(),
                          aboutText().toStdString());
}

void MainWindow::openSettings() {
    SettingsDialog d(
        game(), s_, style_, places_, [this](bool on) { showDebug(on); }, this);
    // The player's own choice of sound is kept, even in a run without a device.
    connect(d.muteGroup(), &QButtonGroup::idClicked, this, [this] { soundOffForRun_ = false; });
    // Sharp or Fill places the design anew: the whole window, border included, is repainted.
    connect(d.scalingGroup(), &QButtonGroup::idClicked, this, [this] { update(); });
    d.exec();
    updateDesign();
}

} // namespace zembrik
