// SPDX-License-Identifier: GPL-3.0-or-later
// Labels of the design: pictures drawn pixel for pixel, and a label that reports mouse clicks,
// for the menu's buttons and squares.
#pragma once

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

// A label that never takes the keyboard focus and signals mouse presses and clicks.
class ClickLabel : public PixelLabel {
    Q_OBJECT
  public:
    explicit ClickLabel(QWidget* parent) : PixelLabel(parent) { setFocusPolicy(Qt::NoFocus); }

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
};

} // namespace zembrik
