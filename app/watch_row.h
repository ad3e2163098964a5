// SPDX-License-Identifier: GPL-3.0-or-later
// The menu's row for watching the newest replay: a button beside the menu panel, shown with it.
#pragma once

#include "app/click_label.h"

namespace zembrik {

// "W: watch the newest replay" at the panel's right, level with its bottom button; shown and
// hidden with the panel it follows. Clicking it does what W does on the menu (the window
// connects clicked()); the menu's highlight frames it when it is on its row.
class WatchRow : public ClickLabel {
    Q_OBJECT
  public:
    // A child of `parent` (the design), placed in design pixels, following `panel`.
    WatchRow(QWidget& panel, QWidget* parent);
    void setHighlighted(bool on);
    bool highlighted() const { return highlighted_; }

  protected:
    void paintEvent(QPaintEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

  private:
    bool highlighted_ = false;
};

} // namespace zembrik
