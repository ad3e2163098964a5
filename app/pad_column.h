// SPDX-License-Identifier: GPL-3.0-or-later
// The Controls dialog's pad column: each game action's pad buttons beside its name, changed by
// pressing a button on a pad while the action's box has the focus.
#pragma once

#include <QStringList>
#include <QWidget>
#include <array>

#include "app/choice_box.h"
#include "app/pad_layout.h"
#include "engine/keys.h"

class QLabel;

namespace zembrik {

// A box showing the pad buttons of one action. While it has the focus it waits for a pad's
// button; keys do nothing in it but Tab, Shift+Tab and Esc (which leaves it as it was).
class PadBox : public ChoiceBox {
    Q_OBJECT
  public:
    PadBox(const PadLayout& layout, Action a, QWidget* parent, int scale);
    // Shows the buttons the action has now.
    void refresh();
    Action action() const { return action_; }

  signals:
    // The box took or lost the focus: it waits for a button while it has it.
    void waiting(bool on);
    // Esc was pressed in the box.
    void cancelled();

  protected:
    bool event(QEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

  private:
    const PadLayout& layout_;
    Action action_;
};

// The column: a heading, a row per action (its name and its PadBox) and a line saying how to
// change a button, kWidth × 246 pixels times the scale.
class PadColumn : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kWidth = 244;
    // Changes `layout` in place; it must outlive the column.
    PadColumn(PadLayout& layout, QWidget* parent, int scale);
    const std::array<PadBox*, kActionCount>& boxes() const { return boxes_; }
    QLabel* hint() const { return hint_; }
    // A button pressed on a pad: the action whose box has the focus gets that button alone.
    // Back leaves the box as it was (emits left()); Start, which pauses a game, is never
    // given to an action. Nothing happens while no box has the focus.
    void buttonPressed(int button);
    // Shows the layout again after it was changed from outside (the dialog's Defaults).
    void refresh();

  signals:
    // Whether a box waits for a pad's button: the pads report their next press then.
    void capturing(bool on);
    // A press changed an action's buttons.
    void assigned();
    // Esc or Back in a box: the focus should leave the column.
    void left();

  private:
    PadLayout& layout_;
    std::array<PadBox*, kActionCount> boxes_{};
    QLabel* hint_ = nullptr;
};

// The name of a pad button for the player, e.g. "D-pad left", "Left shoulder".
QString padButtonText(int button);
// The names of the buttons set in `buttons` (a bit per button), separated by commas.
QString padButtonsText(uint32_t buttons);
// The actions that share a pad button, one sentence per shared button, in the words of the
// key sentences ("Move left and Hold share pad button A."); empty when none.
QStringList padClashes(const PadLayout& layout);

} // namespace zembrik
