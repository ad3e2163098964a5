// A picture or colour label that reports mouse clicks, for the menu's buttons and squares.
#pragma once

#include <QLabel>
#include <QMouseEvent>

namespace zembrik {

// A label that never takes the keyboard focus and signals mouse presses and clicks.
class ClickLabel : public QLabel {
    Q_OBJECT
  public:
    explicit ClickLabel(QWidget* parent) : QLabel(parent) { setFocusPolicy(Qt::NoFocus); }

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
