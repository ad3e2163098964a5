// SPDX-License-Identifier: GPL-3.0-or-later
// Labels of the design: pictures drawn pixel for pixel, and a label that reports mouse clicks,
// for the menu's buttons and squares.
#pragma once

#include <QAccessible>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

namespace zembrik {

// A label whose picture is drawn at its top-left corner one image pixel to one design pixel.
// QLabel itself resamples a picture to the screen's device pixel ratio, which the design
// (composed at 1x and enlarged as blocks) would then shrink back: blurred art at a ratio of 2.
class PixelLabel : public QLabel {
  public:
    explicit PixelLabel(QWidget* parent) : QLabel(parent) {}

  protected:
    void paintEvent(QPaintEvent* e) override {
        const QPixmap pic = pixmap();
        if (pic.isNull()) {
            QLabel::paintEvent(e);
            return;
        }
        QPainter p(this);
        p.drawPixmap(0, 0, pic);
    }
};

// A label that never takes the keyboard focus and signals mouse presses and clicks. A screen
// reader meets it as a push button, or as a radio button of a row of choices
// (installClickLabelAccessibility).
class ClickLabel : public PixelLabel {
    Q_OBJECT
  public:
    explicit ClickLabel(QWidget* parent) : PixelLabel(parent) { setFocusPolicy(Qt::NoFocus); }

    QAccessible::Role accessibleRole() const { return role_; }
    void setAccessibleRole(QAccessible::Role role) { role_ = role; }
    // Whether the choice it stands for is the chosen one (radio buttons only).
    bool isChecked() const { return checked_; }
    void setChecked(bool on) {
        if (on == checked_) return;
        checked_ = on;
        QAccessible::State changed;
        changed.checked = true;
        QAccessibleStateChangeEvent e(this, changed);
        QAccessible::updateAccessibility(&e);
    }
    // What a click does, for an assistive tool's press action.
    void click() {
        emit pressed();
        emit clicked();
    }

  signals:
    // Any mouse button went down on the label.
    void pressed();
    // The left button went down and came up again inside the label.
    void clicked();

  protected:
    void mousePressEvent(QMouseEvent* e) override {
        e->accept();
        emit pressed();
    }
    void mouseReleaseEvent(QMouseEvent* e) override {
        e->accept();
        if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
            emit clicked();
    }

  private:
    QAccessible::Role role_ = QAccessible::Button;
    bool checked_ = false;
};

// Lets assistive tools see every ClickLabel with its role, checked state and press action.
// Safe to call more than once.
void installClickLabelAccessibility();

} // namespace zembrik
