// SPDX-License-Identifier: GPL-3.0-or-later
// The handling part of the settings dialog: Classic (the rules' own auto-repeat per level) or
// Custom, with the auto-repeat delay, auto-repeat interval and soft-drop interval in steps.
#pragma once

#include <QString>
#include <QWidget>
#include <array>

#include "core/options.h"

class QButtonGroup;
class QLabel;
class QSpinBox;

namespace zembrik {

// A step's length as the player reads it: "167 ms" for 10 steps (one step is 1000/60 ms,
// rounded to the nearest millisecond), "at once" for 0 when zeroMeansAtOnce.
QString stepsInMilliseconds(int steps, bool zeroMeansAtOnce);

// Edits h in place: every change is kept at once, like the dialog's other switches. The three
// numbers can be set only while Custom is chosen; they are kept when Classic is chosen again.
class HandlingPanel : public QWidget {
    Q_OBJECT
  public:
    // Laid out `width` pixels wide in the dialog's fonts and colours (white on dark grey).
    HandlingPanel(Handling& h, int width, QWidget* parent);

    QButtonGroup* kindGroup() const { return kind_; } // 0 Classic, 1 Custom
    QSpinBox* delayBox() const { return boxes_[0]; }
    QSpinBox* intervalBox() const { return boxes_[1]; }
    QSpinBox* softDropBox() const { return boxes_[2]; }
    // The milliseconds beside each box, in the same order.
    QLabel* millisecondsLabel(int i) const { return ms_[static_cast<size_t>(i)]; }

  private:
    void showCustom();

    Handling& h_;
    QButtonGroup* kind_ = nullptr;
    std::array<QSpinBox*, 3> boxes_{};
    std::array<QLabel*, 3> ms_{};
};

} // namespace zembrik
