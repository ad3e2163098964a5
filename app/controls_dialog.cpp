// SPDX-License-Identifier: GPL-3.0-or-later
// The Controls dialog: a key diagram with nine key boxes placed beside the actions they set.
#include "app/controls_dialog.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

#include "app/art.h"
#include "app/pad_column.h"
#include "app/vk_table.h"
#include "engine/keys.h"

namespace zembrik {

namespace {

// The dialog at scale 1, in pixels: the key diagram, and the strip under it with the line
// naming shared keys and the two buttons.
constexpr int kDialogW = 495, kDialogH = 276, kStripY = 246, kEdge = 8;

struct BoxPlace {
    int16_t Game::*key;
    const char* name;
    int x, y;
    const char* action; // the action's name in the line about shared keys
};

// In focus order.
constexpr std::array<BoxPlace, 9> kPlaces{{
    {&Game::keyMl, "Tml", 8, 56, QT_TRANSLATE_NOOP("zembrik::ControlsDialog", "Move left")},
    {&Game::keyMr, "tmr", 136, 56, QT_TRANSLATE_NOOP("zembrik::ControlsDialog", "Move right")},
    {&Game::keyMd, "tmd", 72, 104, QT_TRANSLATE_NOOP("zembrik::ControlsDialog", "Soft drop")},
    {&Game::keyFd, "tfd", 72, 224, QT_TRANSLATE_NOOP("zembrik::ControlsDialog", "Hard drop")},
    {&Game::keyRl, "Trl", 192, 144, QT_TRANSLATE_NOOP("zembrik::ControlsDialog", "Turn left")},
    {&Game::keyRr, "trr", 416, 144, QT_TRANSLATE_NOOP("zembrik::ControlsDialog", "Turn right")},
    {&Game::keyRo, "tro", 304, 224, QT_TRANSLATE_NOOP("zembrik::ControlsDialog", "Third turn")},
    {&Game::keyHd, "thd", 288, 40, QT_TRANSLATE_NOOP("zembrik::ControlsDialog", "Hold")},
    {&Game::keySt, "tst", 376, 32, QT_TRANSLATE_NOOP("zembrik::ControlsDialog", "Start")},
}};
// The start key's place in kPlaces: the only one that is not a game action.
constexpr size_t kStartBox = 8;
// Tab walks the boxes as they are read on the diagram: row by row, left to right.
constexpr std::array<size_t, 9> kTabOrder{0, 1, 7, 8, 2, 4, 5, 3, 6};

QString translated(const char* text) {
    return QCoreApplication::translate("zembrik::ControlsDialog", text);
}

// The largest scale up to `wanted` at which a dialog `width` wide fits the screen of `near`.
int fittingScale(int wanted, int width, const QWidget* near) {
    const QScreen* screen = near ? near->screen() : QGuiApplication::primaryScreen();
    const QSize room = screen ? screen->availableGeometry().size() : QSize(width, kDialogH);
    int s = std::max(1, wanted);
    while (s > 1 && (width * s > room.width() || kDialogH * s > room.height()))
        --s;
    return s;
}

// A picture drawn with each of its pixels as a sharp block on a high-density screen, where a
// label would smooth it.
class PixelArt : public QWidget {
  public:
    PixelArt(const QPixmap& pixmap, QWidget* parent) : QWidget(parent), pixmap_(pixmap) {}

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::SmoothPixmapTransform, false);
        p.drawPixmap(rect(), pixmap_);
    }

  private:
    QPixmap pixmap_;
};

} // namespace

KeyBox::KeyBox(Game& g, int16_t Game::*key, const Settings& s, QWidget* parent, int scale)
    : ChoiceBox(parent, scale), g_(g), key_(key), s_(s) {
    refresh();
}

void KeyBox::refresh() {
    const int code = g_.*key_;
    showName(code >= 0 && code <= 255
                 ? QString::fromStdString(s_.keyNames[static_cast<size_t>(code)])
                 : QString());
}

void KeyBox::assign(int code) {
    g_.*key_ = static_cast<int16_t>(code);
    refresh();
    emit assigned();
}

bool KeyBox::event(QEvent* e) {
    if (e->type() != QEvent::ShortcutOverride && e->type() != QEvent::KeyPress)
        return QLineEdit::event(e);
    auto* k = static_cast<QKeyEvent*>(e);
    const int code = virtualKeyCode(k);
    if (code == 9) {
        // Tab and Shift+Tab move the focus. The Shift pressed on the way was assigned at
        // once like any key; put back what it replaced.
        if (e->type() == QEvent::KeyPress) {
            if (beforeModifier_ >= 0) {
                g_.*key_ = static_cast<int16_t>(beforeModifier_);
                refresh();
            }
            beforeModifier_ = -1;
        }
        return QLineEdit::event(e);
    }
    e->accept(); // every other key is an assignment, never a shortcut
    if (e->type() == QEvent::KeyPress && code != 0) {
        const bool modifier = code == 16 || code == 17 || code == 18;
        beforeModifier_ = modifier && beforeModifier_ < 0 ? g_.*key_ : -1;
        assign(code);
    }
    return true;
}

QStringList keyClashes(const Game& g, const Settings& s) {
    QStringList out;
    std::array<bool, kPlaces.size()> told{};
    for (size_t i = 0; i < kStartBox; ++i) {
        if (told[i]) continue;
        const int16_t code = g.*kPlaces[i].key;
        QStringList actions{translated(kPlaces[i].action)};
        for (size_t j = i + 1; j < kStartBox; ++j)
            if (g.*kPlaces[j].key == code) {
                actions << translated(kPlaces[j].action);
                told[j] = true;
            }
        if (actions.size() < 2) continue;
        const QString last = actions.takeLast();
        const std::string& name =
            code >= 0 && code <= 255 ? s.keyNames[static_cast<size_t>(code)] : std::string();
        const QString key = name.empty() ? ControlsDialog::tr("key code %1").arg(code)
                                         : QString::fromStdString(name);
        out << ControlsDialog::tr("%1 and %2 share %3.").arg(actions.join(", "), last, key);
    }
    return out;
}

ControlsDialog::ControlsDialog(Game& g, const Settings& s, QWidget* parent, int scale,
                               PadLayout* pad)
    : QDialog(parent), g_(g), s_(s), pad_(pad), width_(kDialogW + (pad ? PadColumn::kWidth : 0)),
      scale_(fittingScale(scale, width_, parent)) {
    const int k = scale_;
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(tr("Controls Settings"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);
    setAutoFillBackground(true);

    auto* bg = new PixelArt(artPixmap(QStringLiteral(":/art/controls_bg.png")), this);
    bg->setGeometry(0, 0, 457 * k, 221 * k);

    for (size_t i = 0; i < kPlaces.size(); ++i) {
        const BoxPlace& p = kPlaces[i];
        auto* box = new KeyBox(g, p.key, s, this, k);
        box->setObjectName(QLatin1String(p.name));
        // A screen reader says the action, then the key's name (the box's text).
        box->setAccessibleName(translated(p.action));
        // One pixel wider on each side than the classic boxes, so that every shipped key
        // name fits at a readable size.
        box->setGeometry((p.x - 1) * k, p.y * k, 67 * k, 18 * k);
        box->refresh();
        connect(box, &KeyBox::assigned, this, &ControlsDialog::showClashes);
        boxes_[i] = box;
    }
    QWidget* previous = boxes_[kTabOrder[0]];
    for (size_t i = 1; i < kTabOrder.size(); ++i) {
        setTabOrder(previous, boxes_[kTabOrder[i]]);
        previous = boxes_[kTabOrder[i]];
    }
    if (pad_) {
        padColumn_ = new PadColumn(*pad_, this, k);
        padColumn_->move(kDialogW * k, 0);
        for (QWidget* box : padColumn_->boxes()) {
            setTabOrder(previous, box);
            previous = box;
        }
        connect(padColumn_, &PadColumn::assigned, this, &ControlsDialog::showClashes);
    }

    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11 * k);
    auto button = [&](const QString& text, const char* name) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QLatin1String(name));
        b->setFont(font);
        b->setAutoDefault(false); // Enter in a box is a key to assign, never a button press
        b->resize(b->sizeHint().expandedTo(QSize(64 * k, 22 * k)));
        setTabOrder(previous, b);
        previous = b;
        return b;
    };
    defaults_ = button(tr("Defaults"), "cmdDefaults");
    close_ = button(tr("Close"), "cmdClose");
    const int buttonY = (kStripY + 2) * k;
    close_->move(width_ * k - kEdge * k - close_->width(), buttonY);
    // Esc or Back in a pad box: the box is left as it was and waits no more.
    if (padColumn_) connect(padColumn_, &PadColumn::left, close_, [this] { close_->setFocus(); });
    defaults_->move(close_->x() - kEdge * k - defaults_->width(), buttonY);
    connect(close_, &QPushButton::clicked, this, &QDialog::accept);
    connect(defaults_, &QPushButton::clicked, this, [this] {
        assignDefaultKeys(g_);
        for (KeyBox* b : boxes_)
            b->refresh();
        if (pad_) {
            *pad_ = defaultPadLayout();
            padColumn_->refresh();
        }
        showClashes();
    });

    clashLine_ = new QLabel(this);
    clashLine_->setObjectName(QStringLiteral("lblClash"));
    QFont lineFont = font;
    lineFont.setPixelSize(10 * k);
    clashLine_->setFont(lineFont);
    QPalette red = pal;
    red.setColor(QPalette::WindowText, QColor(255, 130, 130));
    clashLine_->setPalette(red);
    clashLine_->setWordWrap(true);
    clashLine_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    clashLine_->move(kEdge * k, kStripY * k);
    clashLine_->resize(defaults_->x() - 2 * kEdge * k, (kDialogH - kStripY - 2) * k);

    showClashes();
    boxes_[0]->setFocus();
}

void ControlsDialog::showClashes() {
    std::array<bool, kPlaces.size()> shared{};
    for (size_t i = 0; i < kStartBox; ++i)
        for (size_t j = 0; j < kStartBox; ++j)
            if (i != j && g_.*kPlaces[i].key == g_.*kPlaces[j].key) shared[i] = true;
    for (size_t i = 0; i < boxes_.size(); ++i)
        boxes_[i]->setClashing(shared[i]);
    QStringList sentences = keyClashes(g_, s_);
    if (pad_) {
        for (PadBox* b : padColumn_->boxes()) {
            const uint32_t mine = pad_->buttons[static_cast<size_t>(b->action())];
            bool clash = false;
            for (size_t a = 0; a < pad_->buttons.size(); ++a)
                if (a != static_cast<size_t>(b->action()) && (pad_->buttons[a] & mine))
                    clash = true;
            b->setClashing(clash);
        }
        sentences << padClashes(*pad_);
    }
    clashLine_->setText(sentences.join(QLatin1Char(' ')));
    // Several shared keys may need more lines than the strip has: the dialog grows for them.
    const int need = QFontMetrics(clashLine_->font())
                         .boundingRect(QRect(0, 0, clashLine_->width(), 100000), Qt::TextWordWrap,
                                       clashLine_->text())
                         .height();
    const int strip = (kDialogH - kStripY - 2) * scale_;
    clashLine_->resize(clashLine_->width(), std::max(strip, need));
    setFixedSize(width_ * scale_, kStripY * scale_ + clashLine_->height() + 2 * scale_);
}

} // namespace zembrik
