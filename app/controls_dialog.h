// The Controls dialog: nine boxes over a diagram; a key pressed in a box becomes that action's key.
#pragma once

#include <QDialog>
#include <QLineEdit>
#include <array>

#include "app/settings.h"
#include "core/record.h"

namespace zembrik {

// A read-only box that takes a key press as the new assignment of one key variable.
// Tab and Shift+Tab move the focus instead and are never assigned.
class KeyBox : public QLineEdit {
    Q_OBJECT
  public:
    KeyBox(Game& g, int16_t Game::*key, const Settings& s, QWidget* parent);
    // Shows the name of the key currently assigned, in the largest size from 9 down to 7
    // pixels at which it fits the box.
    void refresh();
    // The pixels of the box's width its text may use.
    int textWidth() const;

  protected:
    bool event(QEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    // The box with the keyboard focus is light yellow with a blue frame.
    void paintEvent(QPaintEvent* e) override;

  private:
    void showFocus(bool on);
    void assign(int code);
    Game& g_;
    int16_t Game::*key_;
    const Settings& s_;
    int beforeModifier_ = -1; // the key a just-pressed Shift, Ctrl or Alt replaced, or -1
};

// Form2: modal dialog (run with exec()), 495x244, owned by the main window. Changes take effect in
// the game record at once; there is nothing to confirm or cancel.
class ControlsDialog : public QDialog {
    Q_OBJECT
  public:
    ControlsDialog(Game& g, const Settings& s, QWidget* parent);
    // The nine boxes in focus order: Tml, tmr, tmd, tfd, Trl, trr, tro, thd, tst.
    const std::array<KeyBox*, 9>& boxes() const { return boxes_; }

  private:
    std::array<KeyBox*, 9> boxes_{};
};

} // namespace zembrik
