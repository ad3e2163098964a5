// The Controls dialog: a key diagram with nine key boxes placed beside the actions they set.
#include "app/controls_dialog.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPixmap>

#include "app/art.h"
#include "app/vk_table.h"

namespace zembrik {

namespace {

const QColor kFocusFrame(0, 84, 200);
constexpr int kNamePixels = 9, kLeastNamePixels = 7;

struct BoxPlace {
    int16_t Game::*key;
    const char* name;
    int x, y;
};

// In focus order.
constexpr std::array<BoxPlace, 9> kPlaces{{
    {&Game::keyMl, "Tml", 8, 56},
    {&Game::keyMr, "tmr", 136, 56},
    {&Game::keyMd, "tmd", 72, 104},
    {&Game::keyFd, "tfd", 72, 224},
    {&Game::keyRl, "Trl", 192, 144},
    {&Game::keyRr, "trr", 416, 144},
    {&Game::keyRo, "tro", 304, 224},
    {&Game::keyHd, "thd", 288, 40},
    {&Game::keySt, "tst", 376, 32},
}};

// A picture drawn with each of its pixels as a sharp block on a high-density screen, where a
// label would smooth it.
class PixelArt : public QWidget {
  public:
    PixelArt(const QPixmap& pixmap, QWidget* parent) : QWidget(parent), pixmap_(pixmap) {}

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::SmoothPixmapTransform, false);
        p.drawPixmap(QRect(QPoint(), pixmap_.deviceIndependentSize().toSize()), pixmap_);
    }

  private:
    QPixmap pixmap_;
};

} // namespace

KeyBox::KeyBox(Game& g, int16_t Game::*key, const Settings& s, QWidget* parent)
    : QLineEdit(parent), g_(g), key_(key), s_(s) {
    setReadOnly(true);
    setAlignment(Qt::AlignCenter);
    setFrame(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setTextMargins(0, 0, 0, 0);
    showFocus(false);
    refresh();
}

void KeyBox::refresh() {
    const int code = g_.*key_;
    const QString name = code >= 0 && code <= 255
                             ? QString::fromStdString(s_.keyNames[static_cast<size_t>(code)])
                             : QString();
    // The usual size, smaller for the few long names, so a name is never cut.
    QFont f(QStringLiteral("DejaVu Sans Condensed"));
    for (int px = kNamePixels; px >= kLeastNamePixels; --px) {
        f.setPixelSize(px);
        if (QFontMetrics(f).horizontalAdvance(name) <= textWidth()) break;
    }
    setFont(f);
    setText(name);
    setCursorPosition(0);
}

int KeyBox::textWidth() const {
    // A line edit keeps two pixels free on each side of its text.
    return width() - 4;
}

void KeyBox::showFocus(bool on) {
    QPalette pal = palette();
    pal.setColor(QPalette::Base, on ? QColor(255, 240, 150) : QColor(224, 224, 224));
    pal.setColor(QPalette::Text, Qt::black);
    setPalette(pal);
}

void KeyBox::focusInEvent(QFocusEvent* e) {
    QLineEdit::focusInEvent(e);
    deselect(); // the name is shown, never offered for editing
    showFocus(true);
}

void KeyBox::focusOutEvent(QFocusEvent* e) {
    QLineEdit::focusOutEvent(e);
    showFocus(false);
}

void KeyBox::paintEvent(QPaintEvent* e) {
    QLineEdit::paintEvent(e);
    if (!hasFocus()) return;
    // The box taking the next key press is framed, in the two pixels beside its text.
    QPainter p(this);
    p.setPen(Qt::NoPen);
    p.setBrush(kFocusFrame);
    const QRect r = rect();
    p.drawRect(r.left(), r.top(), r.width(), 2);
    p.drawRect(r.left(), r.bottom() - 1, r.width(), 2);
    p.drawRect(r.left(), r.top(), 2, r.height());
    p.drawRect(r.right() - 1, r.top(), 2, r.height());
}

void KeyBox::assign(int code) {
    g_.*key_ = static_cast<int16_t>(code);
    refresh();
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

ControlsDialog::ControlsDialog(Game& g, const Settings& s, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Controls Settings"));
    setFixedSize(495, 244);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);
    setAutoFillBackground(true);

    auto* bg = new PixelArt(artPixmap(QStringLiteral(":/art/controls_bg.png")), this);
    bg->setGeometry(0, 0, 457, 221);

    QWidget* previous = nullptr;
    for (size_t i = 0; i < kPlaces.size(); ++i) {
        const BoxPlace& p = kPlaces[i];
        auto* box = new KeyBox(g, p.key, s, this);
        box->setObjectName(QLatin1String(p.name));
        // One pixel wider on each side than the classic boxes, so that every shipped key
        // name fits at a readable size.
        box->setGeometry(p.x - 1, p.y, 67, 18);
        box->refresh();
        if (previous) setTabOrder(previous, box);
        previous = box;
        boxes_[i] = box;
    }
    boxes_[0]->setFocus();
}

} // namespace zembrik
