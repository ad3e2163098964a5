// SPDX-License-Identifier: GPL-3.0-or-later
// The Controls dialog's boxes: their size of text, colours and focus frame.
#include "app/choice_box.h"

#include <QFontMetrics>
#include <QPainter>

namespace zembrik {

namespace {

const QColor kFocusFrame(0, 84, 200);
constexpr int kNamePixels = 9, kLeastNamePixels = 7;

} // namespace

ChoiceBox::ChoiceBox(QWidget* parent, int scale) : QLineEdit(parent), scale_(scale) {
    setReadOnly(true);
    setAlignment(Qt::AlignCenter);
    setFrame(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setTextMargins(0, 0, 0, 0);
    showFocus(false);
}

void ChoiceBox::showName(const QString& name) {
    // The usual size, smaller for the few long names, so a name is never cut.
    QFont f(QStringLiteral("DejaVu Sans Condensed"));
    for (int px = kNamePixels * scale_; px >= kLeastNamePixels * scale_; --px) {
        f.setPixelSize(px);
        if (QFontMetrics(f).horizontalAdvance(name) <= textWidth()) break;
    }
    setFont(f);
    setText(name);
    setCursorPosition(0);
}

int ChoiceBox::textWidth() const {
    // A line edit keeps two pixels free on each side of its text; the focus frame covers as
    // many times the scale.
    return width() - 4 * scale_;
}

void ChoiceBox::setClashing(bool on) {
    clashing_ = on;
    showFocus(hasFocus());
}

void ChoiceBox::showFocus(bool on) {
    QPalette pal = palette();
    const QColor base = clashing_ ? QColor(255, 150, 150)
                        : on      ? QColor(255, 240, 150)
                                  : QColor(224, 224, 224);
    pal.setColor(QPalette::Base, base);
    pal.setColor(QPalette::Text, Qt::black);
    setPalette(pal);
}

void ChoiceBox::focusInEvent(QFocusEvent* e) {
    QLineEdit::focusInEvent(e);
    deselect(); // the name is shown, never offered for editing
    showFocus(true);
}

void ChoiceBox::focusOutEvent(QFocusEvent* e) {
    QLineEdit::focusOutEvent(e);
    showFocus(false);
}

void ChoiceBox::paintEvent(QPaintEvent* e) {
    QLineEdit::paintEvent(e);
    if (!hasFocus()) return;
    // The box taking the next press is framed, in the two pixels beside its text.
    QPainter p(this);
    p.setPen(Qt::NoPen);
    p.setBrush(kFocusFrame);
    const QRect r = rect();
    const int t = 2 * scale_;
    p.drawRect(r.left(), r.top(), r.width(), t);
    p.drawRect(r.left(), r.bottom() + 1 - t, r.width(), t);
    p.drawRect(r.left(), r.top(), t, r.height());
    p.drawRect(r.right() + 1 - t, r.top(), t, r.height());
}

} // namespace zembrik
