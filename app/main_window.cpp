// The game window: layout, start-up and shut-down, starting and leaving games, keys, frames.
#include "app/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <cstdio>

#include "app/controls_dialog.h"
#include "app/menu_panel.h"
#include "app/settings_dialog.h"
#include "app/settings_file.h"
#include "app/vk_table.h"
#include "engine/keys.h"
#include "render/rend.h"

namespace zembrik {

namespace {

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

} // namespace

MainWindow::MainWindow(const QString& appDir, ShellServices services)
    : appDir_(appDir), places_(findPlaces(appDir)),
      services_(std::move(services)), rules_{host_, rnd_, services_.seeds} {
    setFixedSize(640, 480);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setWindowTitle("Loading~");

    Imgtitle_ = new QLabel(this);
    Imgtitle_->setGeometry(216, 152, 192, 168);
    Imgtitle_->setPixmap(QPixmap(":/art/title.png"));
    Imgtitle_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Imgtitle_->setFocusPolicy(Qt::NoFocus);

    // The well surface and its companion square; the window paints the well itself.
    p2_ = new QWidget(this);
    p2_->setGeometry(216, 16, 192, 457);
    p2_->setFocusPolicy(Qt::NoFocus);
    p2_->hide();
    P3_ = new QWidget(this);
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

    lblDeb_ = new QLabel("Debugger", this);
    lblDeb_->setGeometry(408, 8, 193, 9);
    paintBlack(lblDeb_);
    QFont mono("DejaVu Sans Mono");
    mono.setPixelSize(7);
    lblDeb_->setFont(mono);
    lblDeb_->setFocusPolicy(Qt::NoFocus);
    lblDeb_->hide();

    p1_ = new MenuPanel(g_, this);
    p1_->hide();
    connect(p1_, &MenuPanel::startClicked, this, &MainWindow::startGame);
    connect(p1_, &MenuPanel::controlsClicked, this, &MainWindow::openControls);
    connect(p1_, &MenuPanel::settingsClicked, this, &MainWindow::openSettings);
    connect(p1_, &MenuPanel::aboutPressed, this, &MainWindow::showAbout);
}

MainWindow::~MainWindow() = default;

QLabel* MainWindow::addLabel(int x, int y, int w, int h, const QString& text, double points) {
    auto* l = new QLabel(text, this);
    l->setGeometry(x, y, w, h);
    paintBlack(l);
    l->setFont(readoutFont(points));
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setFocusPolicy(Qt::NoFocus);
    return l;
}

bool MainWindow::startUp() {
    initTiming(g_, services_.clock);
    setWindowTitle("Loading~");
    QApplication::setOverrideCursor(Qt::WaitCursor);
    if (QScreen* sc = screen()) move(sc->availableGeometry().center() - QPoint(320, 240));
    show();
    QCoreApplication::processEvents();

    QStringList notes = loadfile(g_, s_, style_, appDir_);
    notes += readMoreSettings(s_, places_.settings);
    settingsLoaded_ = true;
    p1_->lightLevelBar(g_.curLevel);
    p1_->showLevelText();
    p1_->rerunOptionHandlers();
    QApplication::restoreOverrideCursor();
    p1_->show();
    // Only the upper half of the title, the game's name, stays: the loading notice goes.
    Imgtitle_->setGeometry(216, 0, 192, 84);
    p1_->setFocus();
    if (!notes.isEmpty())
        services_.alerts.show(AlertIcon::Warning, "Zembrik", notes.join("\r\n").toStdString());

    if (g_.muteOpt == 0 &&
        !services_.sound->setup(appDir_.toStdString(), services_.alerts, g_.muteOpt)) {
        // A fatal sound failure has been shown: end without writing the settings.
        shuttingDown_ = true;
        services_.terminate(1);
        return false;
    }
    setWindowTitle("Zembrik");
    return true;
}

void MainWindow::startGame() {
    if (shuttingDown_ || g_.inGame != 0) return;
    if (loopDepth_ > 0) {
        // Asked from inside the last frame of a game that has just ended: start once that
        // loop has returned, so games never pile up on the stack.
        if (!startPending_) {
            startPending_ = true;
            QTimer::singleShot(0, this, [this] {
                startPending_ = false;
                startGame();
            });
        }
        return;
    }
    rnd_.seed(services_.seeds.nextSeed());
    p1_->hide();
    Imgtitle_->hide();
    newGame(g_, host_, rnd_);
    showGameSurfaces(true);
    for (int16_t i = 0; i < 10; ++i)
        resetbg(bg_, rnd_, i, g_.curLevel);
    setFocus();

    ++loopDepth_;
    FrameLoop loop(g_, services_.clock, host_, [this](int32_t steps) { tick(g_, rules_, steps); });
    loop.run();
    --loopDepth_;
}

void MainWindow::gotomenu() {
    if (g_.inGame == 0) {
        close();
        return;
    }
    p1_->show();
    Imgtitle_->show();
    abandonGame(g_);
    p1_->showLevelText();
    showGameSurfaces(false);
    setWindowTitle("Zembrik");
    p1_->shplvl_Click(g_.curLevel);
    p1_->setFocus();
}

void MainWindow::topOut() {
    p1_->show();
    Imgtitle_->show();
    showGameSurfaces(false);
    setWindowTitle("Zembrik");
    p1_->setFocus();
}

void MainWindow::shplvl_Click(int16_t level) {
    p1_->shplvl_Click(level);
}

void MainWindow::showGameSurfaces(bool on) {
    p2_->setVisible(on);
    P3_->setVisible(on);
}

void MainWindow::rendFrame(int16_t nocurr) {
    rend(g_, style_, bg_, rnd_, nocurr, frame_);
    lblscore_->setText(frame_.score);
    lbllines_->setText(frame_.lines);
    lblpoints_->setText(frame_.points);
    repaint();
    letMessagesRun();
}

void MainWindow::letMessagesRun() {
    QCoreApplication::processEvents();
}

void MainWindow::playsound(std::string_view code, int16_t count) {
    services_.sound->playsound(code, count, g_.muteOpt);
}

void MainWindow::setDebugText(std::string_view text) {
    lblDeb_->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

void MainWindow::showDebug(bool on) {
    lblDeb_->setVisible(on);
}

void MainWindow::paintEvent(QPaintEvent* e) {
    QPainter p(this);
    // One rectangle at a time: under a rectangular clip the painter copies the frame's rows
    // straight, where the whole region (the window less its opaque labels) would make it blend
    // them span by span on helper threads, every frame. The same layers as ever, bottom to top:
    // window, well, delay bar; only the part of the window under the well is not copied twice.
    auto draw = [&p](const QRegion& region, QPoint at, const QImage& img) {
        for (const QRect& r : region) {
            p.setClipRect(r);
            p.drawImage(at, img);
        }
    };
    const QRegion& region = e->region();
    if (p2_->isHidden()) {
        draw(region, QPoint(0, 0), frame_.window);
    } else {
        const QRect well(QPoint(216, 16), frame_.p2.size());
        draw(region.subtracted(well), QPoint(0, 0), frame_.window);
        draw(region.intersected(well), well.topLeft(), frame_.p2);
    }
    draw(region.intersected(QRect(QPoint(216, 472), frame_.ptls.size())), QPoint(216, 472),
         frame_.ptls);
}

void MainWindow::keyDownCode(int code) {
    if (g_.inGame != 0) {
        keyDown(g_, host_, code);
        return;
    }
    const MenuKey k = menuKeyDown(g_, code);
    if (k.startGame) startGame();
    if (k.escape) gotomenu();
}

void MainWindow::keyUpCode(int code) {
    keyUp(g_, code);
}

void MainWindow::keyPressEvent(QKeyEvent* e) {
    e->accept();
    // The system's auto-repeat would restart a held key's own repeat: the rules repeat.
    if (e->isAutoRepeat()) return;
    keyDownCode(virtualKeyCode(e));
}

void MainWindow::keyReleaseEvent(QKeyEvent* e) {
    e->accept();
    if (e->isAutoRepeat()) return;
    keyUpCode(virtualKeyCode(e));
}

bool MainWindow::event(QEvent* e) {
    // A key released while another window has the keyboard never reports its key-up.
    if (e->type() == QEvent::WindowDeactivate && g_.inGame != 0) releaseHeldKeys(g_);
    return QWidget::event(e);
}

void MainWindow::closeEvent(QCloseEvent* e) {
    e->accept();
    shutDown();
}

void MainWindow::shutDown() {
    if (shuttingDown_) return;
    shuttingDown_ = true;
    // Closed while still loading: the record holds no settings yet, and writing it would
    // replace the player's files with zeros.
    if (settingsLoaded_) {
        for (const QString& err :
             {writeSettings(g_, s_, appDir_), writeMoreSettings(s_, places_.settings)})
            if (!err.isEmpty()) std::fprintf(stderr, "zembrik: %s\n", qPrintable(err));
    }
    services_.sound->shutdown();
    services_.terminate(0);
    // Only a test's terminate returns: make sure no frame loop carries on.
    g_.inGame = 0;
}

void MainWindow::showAbout() {
    services_.alerts.show(AlertIcon::Critical, "About", aboutText().toStdString());
}

void MainWindow::openControls() {
    ControlsDialog d(g_, s_, this);
    d.exec();
}

void MainWindow::openSettings() {
    SettingsDialog d(
        g_, s_, style_, appDir_, [this](bool on) { showDebug(on); }, this);
    d.exec();
}

} // namespace zembrik
