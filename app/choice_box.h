// SPDX-License-Identifier: GPL-3.0-or-later
// The Controls dialog's boxes: what one action is given (a key, a pad's buttons), shown in a
// read-only box that takes the next press while it has the focus.
#pragma once

#include <QLineEdit>

namespace zembrik {

// A read-only box showing a name in the largest size from 9 down to 7 pixels (times the
// scale) at which it fits; light yellow with a blue frame while it has the focus, red while
// what it shows is shared with another action.
class ChoiceBox : public QLineEdit {
    Q_OBJECT
  public:
    // `scale` enlarges the box's text and frame as the dialog is enlarged (1, 2, 3 ...).
    ChoiceBox(QWidget* parent, int scale);
    // Shows `name`, never cut.
    void showName(const QString& name);
    // The pixels of the box's width its text may use.
    int textWidth() const;
    // Marks the box as sharing what it shows with another action: it turns red.
    void setClashing(bool on);
    bool clashing() const { return clashing_; }

  protected:
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    // The box with the keyboard focus is light yellow with a blue frame.
    void paintEvent(QPaintEvent* e) override;
    int scale() const { return scale_; }

  private:
    void showFocus(bool on);
    int scale_;
    bool clashing_ = false;
};

} // namespace zembrik
