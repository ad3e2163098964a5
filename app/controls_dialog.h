// SPDX-License-Identifier: GPL-3.0-or-later
// The Controls dialog: nine boxes over a diagram; a key pressed in a box becomes that action's key.
#pragma once

#include <QDialog>
#include <QStringList>
#include <array>

#include "app/choice_box.h"
#include "app/pad_layout.h"
#include "app/settings.h"
#include "core/record.h"

class QLabel;
class QPushButton;

namespace zembrik {

class PadColumn;

// A read-only box that takes a key press as the new assignment of one key variable.
// Tab and Shift+Tab move the focus instead and are never assigned.
class KeyBox : public ChoiceBox {
    Q_OBJECT
  public:
    // `scale` enlarges the box's text and frame as the dialog is enlarged (1, 2, 3 ...).
    KeyBox(Game& g, int16_t Game::*key, const Settings& s, QWidget* parent, int scale = 1);
    // Shows the name of the key currently assigned.
    void refresh();

  signals:
    // A key press changed the box's key.
    void assigned();

  protected:
    bool event(QEvent* e) override;

  private:
    void assign(int code);
    Game& g_;
    int16_t Game::*key_;
    const Settings& s_;
    int beforeModifier_ = -1; // the key a just-pressed Shift, Ctrl or Alt replaced, or -1
};

// The sentences naming the game actions that share a key, one per shared key, e.g. "Move left
// and Turn right share 37 Left arrow."; empty when no two game actions share one. The start key
// acts only on the menu, so it shares a key with a game action without harm and is left out.
QStringList keyClashes(const Game& g, const Settings& s);

// Form2: modal dialog (run with exec()), 495x276 times its scale, owned by the main window;
// with the pad's layout, a pad column (app/pad_column.h) 244 pixels wide stands at its right.
// Changes take effect in the game record (and the layout) at once; there is nothing to
// confirm or cancel. Under the key diagram a line names the actions that share a key or a pad
// button (their boxes are red), and two buttons: Defaults (the shipped keys and the pad's
// default buttons) and Close. Esc may be a game key, so it is assigned like any other key and
// does not close the dialog.
class ControlsDialog : public QDialog {
    Q_OBJECT
  public:
    // `scale` is the main window's whole scale: the dialog is drawn that many times larger, or
    // at the largest smaller scale that fits its screen.
    // `pad`, when given, is the pad's layout the pad column changes; it must outlive the dialog.
    ControlsDialog(Game& g, const Settings& s, QWidget* parent, int scale = 1,
                   PadLayout* pad = nullptr);
    // The nine boxes: Tml, tmr, tmd, tfd, Trl, trr, tro, thd, tst. Tab walks them as the
    // diagram reads, row by row: Tml, tmr, thd, tst, tmd, Trl, trr, tfd, tro.
    const std::array<KeyBox*, 9>& boxes() const { return boxes_; }
    QLabel* clashLine() const { return clashLine_; }
    // The pad column, or null without a pad layout.
    PadColumn* padColumn() const { return padColumn_; }
    QPushButton* defaultsButton() const { return defaults_; }
    QPushButton* closeButton() const { return close_; }
    int scale() const { return scale_; }

  private:
    // Marks the boxes of actions that share a key and says which they are.
    void showClashes();
    Game& g_;
    const Settings& s_;
    PadLayout* pad_;
    int width_; // at scale 1
    int scale_;
    std::array<KeyBox*, 9> boxes_{};
    PadColumn* padColumn_ = nullptr;
    QLabel* clashLine_ = nullptr;
    QPushButton* defaults_ = nullptr;
    QPushButton* close_ = nullptr;
};

} // namespace zembrik
