// The game window: layout, start-up and shut-down, starting and leaving games, keys, frames.
#include "app/main_window.h"

#include <QApplication>
#include <QBackingStore>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPaintEngine>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QToolTip>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <functional>

#include "app/art.h"
#include "app/controls_dialog.h"
#include "app/menu_panel.h"
#include "app/places.h"
#include "app/settings_dialog.h"
#include "app/settings_file.h"
#include "app/vk_table.h"
#include "engine/keys.h"
#include "render/panels.h"
#include "render/region.h"
#include "render/rend.h"
#include "replay/player.h"
#include "store/replay_files.h"

namespace zembrik {

namespace {

// The menu's W (watch the newest replay) and, while watching, F (speed).
constexpr int kKeyWatch = 87, kKeyWatchSpeed = 70;

QString replayLabelText(int speed, bool paused) {
    return QString::fromUtf8(paused ? "REPLAY %1\u00D7  PAUSED\nP: resume\nEsc: stop"
                                    : "REPLAY %1\u00D7\nF: speed   P: pause\nEsc: stop")
        .arg(speed);
}

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

// The device pixels a window rectangle covers at the given device pixel ratio.
QRect toDevice(const QRect& r, qreal dpr) {
    if (dpr == 1.0) return r;
    const int x1 = static_cast<int>(std::floor(r.left() * dpr));
    const int y1 = static_cast<int>(std::floor(r.top() * dpr));
    const int x2 = static_cast<int>(std::ceil((r.right() + 1) * dpr));
    const int y2 = static_cast<int>(std::ceil((r.bottom() + 1) * dpr));
    return {x1, y1, x2 - x1, y2 - y1};
}

// The cursor a design widget asks for: its own or its nearest ancestor's below the design
// surface, the arrow when none asks.
QCursor designCursor(const QWidget* w, const QWidget* surface) {
    for (; w && w != surface; w = w->parentWidget())
        if (w->testAttribute(Qt::WA_SetCursor)) return w->cursor();
    return QCursor(Qt::ArrowCursor);
}

// The tooltip of a design widget: its own or its nearest ancestor's below the design surface;
// `shows` is set to the widget it belongs to.
QString designToolTip(const QWidget* w, const QWidget* surface, const QWidget*& shows) {
    for (; w && w != surface; w = w->parentWidget())
        if (!w->toolTip().isEmpty()) {
            shows = w;
            return w->toolTip();
        }
    return {};
}

// A tooltip in lines of at most about 60 average characters, so a long one does not run across
// the screen (the toolkit wraps only rich text, and only as it likes).
QString wrappedToolTip(const QString& text) {
    const QFontMetrics fm(QToolTip::font());
    const int most = fm.averageCharWidth() * 60;
    QStringList lines;
    QString line;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (!line.isEmpty() && fm.horizontalAdvance(longer) > most) {
            lines << line;
            line = word;
        } else {
            line = longer;
        }
    }
    if (!line.isEmpty()) lines << line;
    return lines.join(QLatin1Char('\n'));
}

// Calls put(part, image, at) for every part of the design rectangle r with the frame image
// that shows there, `at` being where that image's top-left lies in the design: the window
// image, except under the well (when shown), and the delay bar over both. Plain rectangle
// arithmetic: region operations cost more than the copies on the thin bands of a frame.
template <class Put> void forFrameParts(const Frame& f, bool wellShown, const QRect& r, Put put) {
    const QRect well = wellShown ? QRect(QPoint(kWellX, kWellY), f.p2.size()) : QRect();
    const QRect bar(QPoint(kBarX, kBarY), f.ptls.size());
    const auto part = [&put](const QRect& c, const QImage& img, QPoint at) {
        if (!c.isEmpty()) put(c, img, at);
    };
    const QRect inWell = r & well;
    if (inWell.isEmpty()) {
        part(r, f.window, QPoint(0, 0));
    } else {
        // The parts of r above, below, left and right of the well.
        part(QRect(QPoint(r.left(), r.top()), QPoint(r.right(), inWell.top() - 1)), f.window,
             QPoint(0, 0));
        part(QRect(QPoint(r.left(), inWell.bottom() + 1), QPoint(r.right(), r.bottom())), f.window,
             QPoint(0, 0));
        part(QRect(QPoint(r.left(), inWell.top()), QPoint(inWell.left() - 1, inWell.bottom())),
             f.window, QPoint(0, 0));
        part(QRect(QPoint(inWell.right() + 1, inWell.top()), QPoint(r.right(), inWell.bottom())),
             f.window, QPoint(0, 0));
        part(inWell, f.p2, well.topLeft());
    }
    part(r & bar, f.ptls, bar.topLeft());
}

} // namespace

MainWindow::MainWindow(const QString& appDir, ShellServices services)
    : MainWindow(findPlaces(appDir), std::move(services)) {}

MainWindow::MainWindow(const Places& places, ShellServices services)
    : places_(places), services_(std::move(services)),
      replays_(rnd_, services_.seeds, places_.replaysFolder()), rules_{
                                                                    host_,
                                                                    replays_.recorder().random(),
                                                                    replays_.recorder().seeds()} {
    setMinimumSize(kDesign);
    resize(kDesign);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true); // the pointer takes the cursor of the design widget under it
    setWindowTitle("Loading~");

    // The design's widgets live on a surface that is never shown: paintEvent draws them.
    design_ = new QWidget(this);
    design_->setGeometry(QRect(QPoint(), kDesign));
    design_->setAttribute(Qt::WA_NoMousePropagation); // unwanted clicks stop here
    design_->hide();

    Imgtitle_ = new QLabel(design_);
    Imgtitle_->setGeometry(216, 152, 192, 168);
    Imgtitle_->setPixmap(artPixmap(":/art/title.png"));
    Imgtitle_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Imgtitle_->setFocusPolicy(Qt::NoFocus);

    // The well surface and its companion square; the window paints the well itself.
    p2_ = new QWidget(design_);
    p2_->setGeometry(216, 16, 192, 457);
    p2_->setFocusPolicy(Qt::NoFocus);
    p2_->hide();
    P3_ = new QWidget(design_);
    P3_->setGeometry(632, 0, 8, 8);
    paintBlack(P3_);
    P3_->setFocusPolicy(Qt::NoFocus);
    P3_->hide();

    addLabel(416, 192, 57, 25, "Score:", 15.75);
    addLabel(416, 256, 57, 25, "Lines:", 15.75);
    addLabel(416, 320, 57, 25, "Level:", 15.75);
    lblscore_ = addLabel(412, 216, 83, 25, "", 15);
    lbllines_ = addLabel(412, 280, 83, 25, "", 15);
    lblpoints_ = addLabel(412, 344, 83, 25, "", 15);
    lblpoints_->setToolTip(
        tr("The level, then after the dash how far it is to the next one: every piece that "
           "comes in adds 1 (up to 99), every row cleared adds 1, and at 100 the level goes "
           "up."));

    lblDeb_ = new QLabel("Debugger", design_);
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

    p1_ = new MenuPanel(g_, design_);
    p1_->hide();
    connect(p1_, &MenuPanel::startClicked, this, &MainWindow::startGame);
    connect(p1_, &MenuPanel::controlsClicked, this, &MainWindow::openControls);
    connect(p1_, &MenuPanel::settingsClicked, this, &MainWindow::openSettings);
    connect(p1_, &MenuPanel::aboutPressed, this, &MainWindow::showAbout);
}

MainWindow::~MainWindow() = default;

QLabel* MainWindow::addLabel(int x, int y, int w, int h, const QString& text, double points) {
    auto* l = new QLabel(text, design_);
    l->setGeometry(x, y, w, h);
    paintBlack(l);
    l->setFont(readoutFont(points));
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setFocusPolicy(Qt::NoFocus);
    return l;
}

bool MainWindow::startUp() {
    // The audio module takes longer to load than anything else here: with sound on it loads
    // beside the window's start-up, and the set-up below takes it when its turn comes.
    if (readSoundSetting(places_) == 0)
        services_.sound->preload(places_.modules.toStdString(), places_.shipped.toStdString());
    initTiming(g_, services_.clock);
    setWindowTitle("Loading~");
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
    normalSize_ = size();
    if (s_.fullScreen != 0) {
        // Out of full screen it comes back maximised when it was.
        if (s_.maximized != 0) beforeFullScreen_ = Qt::WindowMaximized;
        showFullScreen();
    } else if (s_.maximized != 0) {
        showMaximized();
    } else {
        show();
    }
    QCoreApplication::processEvents();

    QStringList notes = loadfile(g_, s_, style_, places_);
    notes += moreNotes;
    // A portable folder is writable by definition; a per-user folder may not be.
    if (!places_.portable) {
        if (const QString why = settingsWriteProblem(places_); !why.isEmpty()) {
            settingsKept_ = false;
            const QString text =
                QStringLiteral("Zembrik cannot write its settings (%1). You can play, but "
                               "changes to the keys and options will not be kept.")
                    .arg(why);
            std::fprintf(stderr, "zembrik: %s\n", qPrintable(text));
            notes.prepend(text);
        }
    }
    settingsLoaded_ = true;
    p1_->lightLevelBar(g_.curLevel);
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

    if (g_.muteOpt == 0 &&
        !services_.sound->setup(places_.modules.toStdString(), places_.shipped.toStdString(),
                                services_.alerts, g_.muteOpt)) {
        // A fatal sound failure has been shown: end without writing the settings.
        shuttingDown_ = true;
        services_.terminate(1);
        return false;
    }
    // No output device: this run is quiet, and the saved choice stays for the next one.
    if (services_.sound->silent()) {
        g_.muteOpt = 1;
        soundOffForRun_ = true;
    }
    setWindowTitle("Zembrik");
    return true;
}

void MainWindow::startGame() {
    if (shuttingDown_ || g_.inGame != InGame::Menu) return;
    if (deferredPastLoop(startPending_, &MainWindow::startGame)) return;
    beginGame();
    ++loopDepth_;
    FrameLoop loop(g_, services_.clock, host_, [this](int32_t steps) {
        replays_.recorder().beforeCall(steps);
        tick(g_, rules_, steps);
        replays_.recorder().afterCall(g_);
        // Quick taps that these steps have seen long enough to act on let go now.
        for (const int code : taps_.stepsRan(steps))
            keyUpCode(code);
    });
    loop_ = &loop;
    loop.run();
    loop_ = nullptr;
    --loopDepth_;
}

bool MainWindow::deferredPastLoop(bool& pending, void (MainWindow::*again)()) {
    if (loopDepth_ == 0) return false;
    // Asked from inside the last frame of a game that has just ended: run once that loop has
    // returned, so loops never pile up on the stack.
    if (!pending) {
        pending = true;
        QTimer::singleShot(0, this, [this, &pending, again] {
            pending = false;
            (this->*again)();
        });
    }
    return true;
}

void MainWindow::showPlayfield() {
    p1_->hide();
    Imgtitle_->hide();
    showGameSurfaces(true);
    for (int16_t i = 0; i < 10; ++i)
        resetbg(bg_, rnd_, i, g_.curLevel);
    frame_.changeAll(); // the menu has gone: the first frame paints the whole design
    setFocus();
}

void MainWindow::showMenuAgain() {
    p1_->show();
    Imgtitle_->show();
    showGameSurfaces(false);
    setWindowTitle("Zembrik");
    p1_->setFocus();
    updateDesign();
}

void MainWindow::beginGame() {
    const uint64_t gameSeed = services_.seeds.nextSeed();
    rnd_.seed(gameSeed);
    paused_ = false;
    taps_.clear();
    replays_.recorder().begin(g_, gameSeed, s_.shapeFile);
    newGame(g_, host_, rnd_);
    showPlayfield();
}

void MainWindow::restartGame() {
    if (g_.inGame == InGame::Menu) return;
    // Esc would leave the level bar at the level reached; a restart plays the same game again.
    const int16_t start = g_.startLevel;
    keepReplay(GameEnd::Restart, static_cast<int64_t>(std::time(nullptr)));
    abandonGame(g_);
    p1_->shplvl_Click(start);
    beginGame();
    // Runs inside the old game's last frame: the new game's steps count from now.
    if (loop_) loop_->restartSteps();
}

void MainWindow::setPaused(bool on) {
    if (g_.inGame == InGame::Menu) on = false;
    if (paused_ == on) return;
    paused_ = on;
    if (watching_) lblReplay_->setText(replayLabelText(watchSpeed_, paused_));
    // A release held back for a step that a pause now puts off reaches the rules at once.
    if (on)
        for (const int code : taps_.clear())
            keyUpCode(code);
    repaintDesign();
}

bool MainWindow::isPauseKey(int code) const {
    // A watched game's keys are not the player's: P and Pause always pause it.
    if (watching_) return code == kKeyP || code == kKeyPause;
    return g_.inGame != InGame::Menu && pausesGame(g_, code);
}

void MainWindow::pauseKeyDown(int code) {
    // One toggle per press: a key held down (or repeated without being marked as a repeat)
    // must not flicker the pause on and off.
    if (pauseKeyHeld_ != code) setPaused(!paused_);
    pauseKeyHeld_ = code;
}

void MainWindow::waitWhilePaused() {
    if (!paused_) return;
    // Only events can end a pause (a key, the window closing), so sleep until one comes: no
    // timer wakes the process while it waits.
    while (paused_ && g_.inGame != InGame::Menu && !shuttingDown_)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    paused_ = false;
    // The screen shows the panel, not the last frame: the next frame is drawn whole.
    frame_.changeAll();
    // The pause is not owed: no burst of steps to catch up, and the game's steps exclude it.
    if (loop_) loop_->restartSteps();
}

void MainWindow::gotomenu() {
    if (g_.inGame == InGame::Menu) {
        close();
        return;
    }
    keepReplay(GameEnd::Escape, static_cast<int64_t>(std::time(nullptr)));
    // The summary belongs to the last finished game: beside the read-outs of a game left
    // unfinished it would be taken for this one's.
    lastGame_.reset();
    lastGameReplay_ = false;
    paused_ = false;
    abandonGame(g_);
    p1_->showLevelText();
    p1_->shplvl_Click(g_.curLevel);
    showMenuAgain();
}

void MainWindow::topOut() {
    // One time for both: the replay's file name is made from the time in the records line.
    const int64_t endTime = static_cast<int64_t>(std::time(nullptr));
    recordFinishedGame(endTime);
    lastGameReplay_ = !keepReplay(GameEnd::TopOut, endTime).empty();
    showMenuAgain();
}

std::string MainWindow::recordsPath() const {
    return places_.recordsFile();
}

void MainWindow::recordFinishedGame(int64_t endTime) {
    const std::string path = recordsPath();
    const RecordsOutcome o =
        addRecord(path, recordOf(g_, s_.shapeFile, static_cast<std::time_t>(endTime)),
                  g_.stepsPlayed, g_.keysPressed);
    // Neither a damaged nor an unwritable records file stops the game: the player is told on
    // standard error and the summary still shows this game.
    if (!o.notice.empty()) std::fprintf(stderr, "zembrik: %s\n", o.notice.c_str());
    if (!o.error.empty()) std::fprintf(stderr, "zembrik: %s\n", o.error.c_str());
    lastGame_ = o.game;
}

void MainWindow::shplvl_Click(int16_t level) {
    p1_->shplvl_Click(level);
}

void MainWindow::watchNewestReplay() {
    if (shuttingDown_ || g_.inGame != InGame::Menu || watching_) return;
    if (deferredPastLoop(watchPending_, &MainWindow::watchNewestReplay)) return;
    // The game kept last in this run is the newest, and needs no disk.
    if (const std::shared_ptr<const Replay> last = replays_.lastKept()) {
        watchReplay(*last);
        return;
    }
    const std::vector<std::string> files = listReplays(replays_.folder());
    if (files.empty()) {
        services_.alerts.show(AlertIcon::Warning, "Zembrik",
                              "There is no replay to watch yet: every game you play is kept.");
        return;
    }
    const ReplayRead read = readReplayFile(replays_.folder() + "/" + files.back());
    if (!read.error.empty()) {
        services_.alerts.show(AlertIcon::Warning, "Zembrik",
                              "The newest replay cannot be watched: " + read.error);
        return;
    }
    watchReplay(read.replay);
}

void MainWindow::watchReplay(const Replay& replay) {
    beforeWatching_ = std::make_unique<Game>(g_);
    // The menu shows the last game's read-outs beside its summary: a replay stopped early
    // must not leave its own there.
    const std::array<QString, 3> readoutsBefore{frame_.score, frame_.lines, frame_.points};
    watching_ = true;
    watchSpeed_ = 1;
    lblReplay_->setText(replayLabelText(1, false));
    lblReplay_->show();
    ReplayPlayer player(replay, g_, host_);
    player.start();
    showPlayfield();

    // Each recorded call runs once the clock has given as many steps (times the speed) as it
    // had, so the game shows at the pace it was played, stalls included.
    int64_t due = 0;
    ++loopDepth_;
    paused_ = false;
    FrameLoop loop(g_, services_.clock, host_, [&](int32_t steps) {
        due += static_cast<int64_t>(steps) * watchSpeed_;
        while (watching_ && !player.finished()) {
            const int32_t next = player.nextCallSteps();
            if (next > due) break;
            due -= next;
            player.runCall();
        }
        if (!watching_ || player.finished()) g_.inGame = InGame::Menu;
    });
    loop_ = &loop; // a pause restarts its steps
    loop.run();
    loop_ = nullptr;
    paused_ = false;
    --loopDepth_;
    if (!player.divergence().empty() && player.finished())
        std::fprintf(stderr, "zembrik: %s\n", player.divergence().c_str());

    watching_ = false;
    g_ = *beforeWatching_;
    beforeWatching_.reset();
    lblReplay_->hide();
    if (shuttingDown_) return;
    frame_.score = readoutsBefore[0];
    frame_.lines = readoutsBefore[1];
    frame_.points = readoutsBefore[2];
    lblscore_->setText(frame_.score);
    lbllines_->setText(frame_.lines);
    lblpoints_->setText(frame_.points);
    showMenuAgain();
}

void MainWindow::watchKey(int code) {
    if (isPauseKey(code)) {
        pauseKeyDown(code);
    } else if (code == kKeyEscape) {
        watching_ = false;
        g_.inGame = InGame::Menu; // the loop ends after this frame
    } else if (code == kKeyWatchSpeed) {
        watchSpeed_ = watchSpeed_ == 4 ? 1 : watchSpeed_ * 2;
        lblReplay_->setText(replayLabelText(watchSpeed_, paused_));
        updateDesign(lblReplay_->geometry());
    }
}

std::string MainWindow::keepReplay(GameEnd how, int64_t endTime) {
    // The replays of games that set a best stay whatever their age; records.000 says which.
    const std::string stem = replays_.gameEnded(g_, how, endTime, bestsFromRecords(recordsPath()));
    // W plays the newest replay: once another game's is kept, it is not the summary's game.
    if (!stem.empty() && how != GameEnd::TopOut) lastGameReplay_ = false;
    return stem;
}

void MainWindow::showGameSurfaces(bool on) {
    p2_->setVisible(on);
    P3_->setVisible(on);
}

void MainWindow::rendFrame(int16_t nocurr) {
    rend(g_, style_, bg_, rnd_, nocurr, frame_);
    // Only what this frame changed is painted and sent to the window system: the moving
    // outlines, the rows of the well that differ, the delay bar, and the read-outs whose text
    // changed (on the hidden design surface a label asks for no paint of its own).
    // Under an opaque widget (the read-outs, the companion square) the frame does not show.
    QRegion changed = frame_.changed.subtracted(opaqueWidgets());
    const auto show = [&changed](QLabel* l, const QString& text) {
        if (l->text() == text) return;
        l->setText(text);
        changed += l->geometry();
    };
    show(lblscore_, frame_.score);
    show(lbllines_, frame_.lines);
    show(lblpoints_, frame_.points);
    if (!showFrameDirect(changed)) repaintDesign(changed);
    letMessagesRun();
}

void MainWindow::letMessagesRun() {
    QCoreApplication::processEvents();
    waitWhilePaused();
}

void MainWindow::playsound(std::string_view code, int16_t count) {
    services_.sound->playsound(code, count, g_.muteOpt);
}

void MainWindow::setDebugText(std::string_view text) {
    lblDeb_->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    if (!lblDeb_->isHidden()) updateDesign(lblDeb_->geometry());
}

void MainWindow::showDebug(bool on) {
    lblDeb_->setVisible(on);
    updateDesign();
}

DesignPlacement MainWindow::placement() const {
    const qreal dpr = devicePixelRatio();
    const QSize client = toDevice(rect(), dpr).size();
    return s_.scaling != 0 ? fillDesign(client, kDesign) : placeDesign(client, kDesign);
}

std::optional<QPoint> MainWindow::designPointAt(QPointF pos) const {
    return zembrik::designPointAt(pos * devicePixelRatio(), placement(), kDesign);
}

QRect MainWindow::windowRectOf(const QRect& r) const {
    const qreal dpr = devicePixelRatio();
    const QRect d = clientRectOf(r, placement());
    if (dpr == 1.0) return d;
    return QRectF(d.x() / dpr, d.y() / dpr, d.width() / dpr, d.height() / dpr).toAlignedRect();
}

void MainWindow::updateDesign(const QRect& r) {
    update(windowRectOf(r));
}

void MainWindow::repaintDesign(const QRect& r) {
    repaint(windowRectOf(r));
}

void MainWindow::repaintDesign(const QRegion& r) {
    if (placement() == DesignPlacement{} && devicePixelRatio() == 1.0) {
        repaint(r); // the design is the window
        return;
    }
    QRegion w;
    for (const QRect& d : r)
        w += windowRectOf(d);
    repaint(w);
}

void MainWindow::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    if (!(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized)))
        normalSize_ = size();
}

void MainWindow::toggleFullScreen() {
    if (!isFullScreen()) {
        if (!isMaximized()) normalSize_ = size();
        beforeFullScreen_ = windowState();
        showFullScreen();
        return;
    }
    // Back as it was; not every window system remembers a size the window never had on screen
    // (a window that opened full screen).
    if (beforeFullScreen_ & Qt::WindowMaximized) {
        showMaximized();
        return;
    }
    showNormal();
    if (normalSize_.isValid()) resize(normalSize_);
}

void MainWindow::paintDesign(QPainter& p, const QRect& r, const QRegion& widgets) {
    // Under a rectangular clip the painter copies the frame's rows straight, where a region
    // would make it blend them span by span on helper threads.
    forFrameParts(frame_, wellShown(), r, [&p](const QRect& part, const QImage& img, QPoint at) {
        p.setClipRect(part);
        p.drawImage(at, img);
    });
    p.setClipping(false);
    paintPanels(p, r);
    paintWidgets(p, r, widgets);
}

bool MainWindow::wellShown() const {
    // While a game is paused the well, previews and hold box are not shown at all, not even
    // under the panel: a pause cannot be used to plan. A paused replay stays in view.
    return !p2_->isHidden() && (!paused_ || watching_);
}

MainWindow::PanelsOver MainWindow::panelsOver(const QRect& r) const {
    const QRect well(QPoint(kWellX, kWellY), frame_.p2.size());
    const QRect summary(0, 0, kWellX, kWindowH); // the black area left of the menu panel
    return {paused_ && !watching_ && !p2_->isHidden() && r.intersects(well),
            p2_->isHidden() && lastGame_ && r.intersects(summary)};
}

void MainWindow::paintPanels(QPainter& p, const QRect& r) {
    const PanelsOver over = panelsOver(r);
    if (!over.pause && !over.summary) return;
    p.save();
    p.setClipRect(r);
    if (over.pause)
        paintPausePanel(p, QRect(QPoint(kWellX, kWellY), frame_.p2.size()), resumeHint());
    if (over.summary) paintSummary(p, QRect(0, 0, kWellX, kWindowH), summaryText());
    p.restore();
}

void MainWindow::paintWidgets(QPainter& p, const QRect& r, const QRegion& widgets) {
    // Rendering them costs even where none is shown: only where one is.
    const QRegion over = widgets.intersected(r);
    if (!over.isEmpty())
        design_->render(&p, over.boundingRect().topLeft(), over, QWidget::DrawChildren);
}

QRegion MainWindow::opaqueWidgets() const {
    QRegion opaque;
    for (const QObject* o : design_->children()) {
        const auto* w = qobject_cast<const QWidget*>(o);
        if (w && !w->isHidden() && w->autoFillBackground() &&
            w->palette().color(w->backgroundRole()).alpha() == 255)
            opaque += w->geometry();
    }
    return opaque;
}

QRegion MainWindow::shownWidgets() const {
    QRegion shown;
    for (const QObject* o : design_->children()) {
        const auto* w = qobject_cast<const QWidget*>(o);
        // The well's stand-in draws nothing: the well comes from the frame.
        if (w && !w->isHidden() && w != p2_) shown += w->geometry();
    }
    return shown;
}

QString MainWindow::resumeHint() const {
    return isGameActionKey(g_, kKeyP) ? QStringLiteral("Pause to resume")
                                      : QStringLiteral("P to resume");
}

SummaryText MainWindow::summaryText() const {
    SummaryText t;
    t.heading = QStringLiteral("GAME OVER");
    for (const SummaryRow& row : summaryRows(*lastGame_))
        t.rows.push_back({QString::fromStdString(row.label), QString::fromStdString(row.value)});
    if (lastGame_->newBest) {
        t.mark = QStringLiteral("New best!");
        // A best is kept per mode, start level, options, handling and shape set: say which.
        const GameOptions& o = lastGame_->record.options;
        t.markNote = bestKindText(
            o, o.shapeFile == kDefaultShapeFile ? QString() : plainFileName(places_, o.shapeFile));
    }
    if (lastGameReplay_) t.notes << QStringLiteral("W: watch this game");
    return t;
}

void MainWindow::paintDesignImage(const QRect& d, const QRegion& widgets) {
    if (designImg_.isNull()) {
        designImg_ = QImage(kDesign, QImage::Format_RGB32);
        // Text in the design keeps the size it has on a 1x window.
        designImg_.setDotsPerMeterX(qRound(logicalDpiX() / 0.0254));
        designImg_.setDotsPerMeterY(qRound(logicalDpiY() / 0.0254));
    }
    QPainter ip(&designImg_);
    paintDesign(ip, d, widgets);
}

void MainWindow::paintDesignInto(QImage& image, QPoint origin, const DesignPlacement& at,
                                 const QRect& d, const QRegion& widgets,
                                 const std::function<QPainter&()>& painter) {
    if (!at.fill.isEmpty()) {
        // Fill, at any factor: composed at 1x, then each device pixel takes the design pixel
        // it shows.
        paintDesignImage(d, widgets);
        scaleToFill(designImg_, clientRectOf(d, at), at, image, origin);
        return;
    }
    const PanelsOver over = panelsOver(d);
    const bool overlaid = over.pause || over.summary || widgets.intersects(d);
    if (at.scale != 1 && overlaid) {
        // Text and panels are drawn at 1x and enlarged with the rest.
        paintDesignImage(d, widgets);
        scaleUp(designImg_, d, at.scale, image, origin + at.offset);
        return;
    }
    // The frame's rows copied (and enlarged) straight into the window's image, no painter
    // between: a frame's changes are dozens of thin bands, and clipping a painter to each of
    // them costs more than the copies (the clip is intersected with the whole region).
    forFrameParts(frame_, wellShown(), d, [&](const QRect& part, const QImage& img, QPoint from) {
        scaleUp(img, part.translated(-from), at.scale, image, origin + at.offset + from * at.scale);
    });
    if (!overlaid) return;
    QPainter& p = painter();
    p.save();
    p.translate(at.offset);
    paintPanels(p, d);
    paintWidgets(p, d, widgets);
    p.restore();
}

bool MainWindow::showFrameDirect(const QRegion& changed) {
    // A repaint would do the same through the widgets' repaint machinery (its region
    // bookkeeping, a paint event, a painter begun on the whole window), which cost more than
    // the frame's drawing and copying together: about a third of the CPU of play. The backing
    // store is the same one the paint events draw into, so they and these frames agree.
    // Where it is not a plain image of the window's size on an unscaled screen, or the window
    // is not on screen, the repaint does it.
    QBackingStore* store = backingStore();
    QWindow* win = windowHandle();
    if (store == nullptr || win == nullptr || !win->isExposed() || devicePixelRatio() != 1.0 ||
        store->size() != size())
        return false;
    if (changed.isEmpty()) return true;
    const DesignPlacement at = placement();
    QRegion onWindow = changed;
    if (at != DesignPlacement{}) {
        std::vector<QRect> rects;
        rects.reserve(static_cast<size_t>(changed.rectCount()));
        for (const QRect& d : changed)
            rects.push_back(clientRectOf(d, at));
        onWindow = regionOf(rects);
    }
    store->beginPaint(onWindow);
    auto* image = dynamic_cast<QImage*>(store->paintDevice());
    const bool usable = image != nullptr && image->size() == size() &&
                        (image->format() == QImage::Format_RGB32 ||
                         image->format() == QImage::Format_ARGB32_Premultiplied);
    if (usable) {
        const QRegion widgets = shownWidgets();
        std::optional<QPainter> painter; // only where a widget or a panel is drawn
        const auto getPainter = [&painter, image]() -> QPainter& {
            if (!painter) painter.emplace(image);
            return *painter;
        };
        for (const QRect& d : changed)
            paintDesignInto(*image, QPoint(), at, d, widgets, getPainter);
    }
    store->endPaint();
    if (usable) store->flush(onWindow, win);
    return usable;
}

void MainWindow::paintEvent(QPaintEvent* e) {
    QPainter p(this);
    const qreal dpr = devicePixelRatio();
    // Device pixels from here on: the enlarged design is copied one to one.
    if (dpr != 1.0) p.scale(1.0 / dpr, 1.0 / dpr);
    const DesignPlacement at = placement();
    const QRect area = at.area(kDesign);
    QRegion region;
    if (dpr == 1.0) {
        region = e->region();
    } else {
        for (const QRect& r : e->region())
            region += toDevice(r, dpr);
    }
    const QRegion widgets = shownWidgets();
    for (const QRect& r : region.subtracted(area))
        p.fillRect(r, Qt::black);

    // When the painter writes straight into an image of 32-bit pixels (the window's backing
    // store, or an image a widget is rendered into), the enlarged design goes straight into it:
    // one pass over the pixels instead of two, and no painter machinery on a large image.
    QImage* direct = nullptr;
    QPoint directOrigin;
    if (QPaintEngine* pe = p.paintEngine(); pe && pe->type() == QPaintEngine::Raster) {
        QPaintDevice* d = pe->paintDevice();
        const QTransform t = p.deviceTransform();
        if (d && d->devType() == QInternal::Image && t.type() <= QTransform::TxTranslate &&
            t.dx() == std::floor(t.dx()) && t.dy() == std::floor(t.dy())) {
            auto* img = static_cast<QImage*>(d);
            if (img->format() == QImage::Format_RGB32 ||
                img->format() == QImage::Format_ARGB32_Premultiplied) {
                direct = img;
                directOrigin = QPoint(static_cast<int>(t.dx()), static_cast<int>(t.dy()));
            }
        }
    }

    for (const QRect& r : region.intersected(area)) {
        const QRect d = designRectOf(r, at, kDesign);
        if (d.isEmpty()) continue;
        if (!at.fill.isEmpty()) {
            paintDesignImage(d, widgets);
            if (direct) {
                scaleToFill(designImg_, r, at, *direct, directOrigin);
                continue;
            }
            if (scaled_.size() != area.size()) scaled_ = QImage(area.size(), QImage::Format_RGB32);
            scaleToFill(designImg_, r, at, scaled_, -at.offset);
            p.drawImage(r.topLeft(), scaled_, r.translated(-at.offset));
            continue;
        }
        if (dpr == 1.0 && direct) {
            paintDesignInto(*direct, directOrigin, at, d, widgets,
                            [&p]() -> QPainter& { return p; });
            continue;
        }
        if (at.scale == 1 && dpr == 1.0) {
            // Straight onto the window: no copy in between.
            p.save();
            p.translate(at.offset);
            paintDesign(p, d, widgets);
            p.restore();
            continue;
        }
        paintDesignImage(d, widgets);
        if (direct) {
            scaleUp(designImg_, d, at.scale, *direct, directOrigin + at.offset);
            continue;
        }
        if (scaled_.size() != kDesign * at.scale)
            scaled_ = QImage(kDesign * at.scale, QImage::Format_RGB32);
        scaleUp(designImg_, d, at.scale, scaled_, QPoint());
        const QRect from = clientRectOf(d, {at.scale, QPoint()});
        p.drawImage(from.topLeft() + at.offset, scaled_, from);
    }
}

void MainWindow::forwardMouse(QMouseEvent* e) {
    const DesignPlacement at = placement();
    const QPointF dev = e->position() * devicePixelRatio();
    const std::optional<QPoint> under = zembrik::designPointAt(dev, at, kDesign);
    // Widgets see the whole design pixel the pointer is in, as on a 1x window; under Fill the
    // one drawn under it.
    const QPointF designPos = !at.fill.isEmpty() && under
                                  ? QPointF(*under)
                                  : QPointF(std::floor((dev.x() - at.offset.x()) / at.scale),
                                            std::floor((dev.y() - at.offset.y()) / at.scale));
    QWidget* hit = under ? design_->childAt(*under) : nullptr;
    if (e->type() == QEvent::MouseMove && e->buttons() == Qt::NoButton) {
        const QCursor c = designCursor(hit, design_);
        if (c.shape() != cursor().shape()) setCursor(c);
    }
    // A press with no other button down starts afresh: a grab left from a press whose release
    // never came (a modal box opened by the press took it) must not keep the mouse.
    if (e->type() == QEvent::MouseButtonPress && (!mouseGrab_ || e->buttons() == e->button()))
        mouseGrab_ = hit;
    QWidget* target = mouseGrab_ ? mouseGrab_.data() : hit;
    if (e->type() == QEvent::MouseButtonRelease && e->buttons() == Qt::NoButton)
        mouseGrab_ = nullptr;
    e->accept();
    if (!target) return;
    const QPointF local = designPos - QPointF(target->mapTo(design_, QPoint()));
    QMouseEvent sent(e->type(), local, local, e->globalPosition(), e->button(), e->buttons(),
                     e->modifiers(), e->pointingDevice());
    QCoreApplication::sendEvent(target, &sent);
    if (e->type() != QEvent::MouseMove) updateDesign();
}

void MainWindow::keyDownCode(int code) {
    if (code == kKeyF11) {
        // F11 switches full screen unless the player gave it to an action (a watched game's
        // keys are not the player's).
        const bool taken = watching_                   ? false
                           : g_.inGame != InGame::Menu ? isGameActionKey(g_, code)
                                                       : code == g_.keySt;
        if (!taken) {
            toggleFullScreen();
            return;
        }
    }
    if (watching_) {
        watchKey(code);
        return;
    }
    if (g_.inGame != InGame::Menu) {
        if (isPauseKey(code)) {
            pauseKeyDown(code);
        } else if (restartsGame(g_, code)) {
            restartGame();
        } else {
            if (!paused_) taps_.pressed(g_, code);
            replays_.recorder().keyDown(code);
            keyDown(g_, host_, code);
        }
        return;
    }
    const MenuKey k = menuKeyDown(g_, code);
    if (k.startGame) startGame();
    if (k.escape) gotomenu();
    if (code == kKeyWatch && !k.startGame) watchNewestReplay();
}

void MainWindow::keyUpCode(int code) {
    if (code == pauseKeyHeld_) pauseKeyHeld_ = -1;
    if (watching_) return;
    // A tap shorter than a step reaches the rules all the same; in a pause no step would
    // see it, and it must not act once the game goes on.
    if (g_.inGame != InGame::Menu && !paused_ && taps_.holdsBack(code)) return;
    if (g_.inGame != InGame::Menu) replays_.recorder().keyUp(code);
    keyUp(g_, code);
}

void MainWindow::keyPressEvent(QKeyEvent* e) {
    e->accept();
    // The system's auto-repeat would restart a held key's own repeat: the rules repeat.
    if (e->isAutoRepeat()) return;
    const int code = virtualKeyCode(e);
    // X repeats a held key as release and press pairs sharing one time stamp, and Qt marks
    // them as repeats only when it sees both at once. A pause toggled by each would flicker.
    if (isPauseKey(code) && code == lastRelease_.code && e->timestamp() != 0 &&
        e->timestamp() == lastRelease_.stamp) {
        pauseKeyHeld_ = code; // still held
        return;
    }
    keyDownCode(code);
    if (g_.inGame == InGame::Menu) updateDesign();
}

void MainWindow::keyReleaseEvent(QKeyEvent* e) {
    e->accept();
    if (e->isAutoRepeat()) return;
    lastRelease_ = {virtualKeyCode(e), e->timestamp()};
    keyUpCode(lastRelease_.code);
}

bool MainWindow::event(QEvent* e) {
    // A modal box (About, a dialog) takes the mouse: no button is held for a design widget.
    if (e->type() == QEvent::WindowBlocked) mouseGrab_ = nullptr;
    if (e->type() == QEvent::ToolTip) {
        // The design's widgets are never on screen themselves: their tooltips are shown here.
        auto* help = static_cast<QHelpEvent*>(e);
        const std::optional<QPoint> under = designPointAt(QPointF(help->pos()));
        const QWidget* shows = nullptr;
        const QString tip =
            under ? designToolTip(design_->childAt(*under), design_, shows) : QString();
        if (tip.isEmpty()) {
            QToolTip::hideText();
            e->ignore();
        } else {
            const QRect r(shows->mapTo(design_, QPoint()), shows->size());
            QToolTip::showText(help->globalPos(), wrappedToolTip(tip), this, windowRectOf(r));
        }
        return true;
    }
    // A key released while another window has the keyboard never reports its key-up; and a
    // game the player has turned away from waits for them.
    if (e->type() == QEvent::WindowDeactivate && g_.inGame != InGame::Menu && !watching_) {
        replays_.recorder().releaseKeys();
        releaseHeldKeys(g_);
        taps_.clear();
        pauseKeyHeld_ = -1;
        if (s_.pauseOnFocusLoss != 0) setPaused(true);
    }
    return QWidget::event(e);
}

void MainWindow::closeEvent(QCloseEvent* e) {
    e->accept();
    shutDown();
}

void MainWindow::shutDown() {
    if (shuttingDown_) return;
    shuttingDown_ = true;
    if (watching_) {
        // The record holds the watched game's options and keys: save the player's own.
        g_ = *beforeWatching_;
        watching_ = false;
    }
    if (g_.inGame != InGame::Menu)
        keepReplay(GameEnd::Closed, static_cast<int64_t>(std::time(nullptr)));
    // Closed while still loading: the record holds no settings yet, and writing it would
    // replace the player's files with zeros.
    int status = 0;
    // Settings that start-up said cannot be kept are not tried again: the player has been
    // told once, and the files that are there stay as they are.
    if (settingsLoaded_ && settingsKept_) {
        // Maximised or full screen, the size kept is the one under that state; the state
        // itself is kept too.
        const bool maximized =
            isMaximized() || (isFullScreen() && (beforeFullScreen_ & Qt::WindowMaximized));
        const QSize client = isFullScreen() || isMaximized() ? normalSize_ : size();
        s_.maximized = maximized ? 1 : 0;
        s_.clientWidth = static_cast<int16_t>(std::clamp(client.width(), 0, 32767));
        s_.clientHeight = static_cast<int16_t>(std::clamp(client.height(), 0, 32767));
        s_.fullScreen = isFullScreen() ? 1 : 0;
        if (soundOffForRun_) g_.muteOpt = 0;
        for (const QString& err :
             {writeSettings(g_, s_, places_), writeMoreSettings(s_, places_.settings)}) {
            if (err.isEmpty()) continue;
            // The old files are whole; the exit status tells a caller the settings were lost.
            for (const QString& line : err.split(QLatin1Char('\n')))
                std::fprintf(stderr, "zembrik: %s\n", line.toLocal8Bit().constData());
            status = 1;
        }
    }
    services_.sound->shutdown();
    // The process ends at once: every replay handed over must be on the disk first.
    replays_.flush();
    services_.terminate(status);
    // Only a test's terminate returns: make sure no frame loop carries on.
    g_.inGame = InGame::Menu;
}

void MainWindow::showAbout() {
    services_.alerts.show(AlertIcon::Critical, "About", aboutText().toStdString());
}

void MainWindow::openControls() {
    // Drawn at the design's scale, in the toolkit's pixels.
    const int scale = std::max(1, static_cast<int>(placement().scale / devicePixelRatio()));
    ControlsDialog d(g_, s_, this, scale);
    d.exec();
    updateDesign();
}

void MainWindow::openSettings() {
    SettingsDialog d(
        g_, s_, style_, places_, [this](bool on) { showDebug(on); }, this);
    // The player's own choice of sound is kept, even in a run without a device.
    connect(d.muteGroup(), &QButtonGroup::idClicked, this, [this] { soundOffForRun_ = false; });
    // Sharp or Fill places the design anew: the whole window, border included, is repainted.
    connect(d.scalingGroup(), &QButtonGroup::idClicked, this, [this] { update(); });
    d.exec();
    updateDesign();
}

} // namespace zembrik
