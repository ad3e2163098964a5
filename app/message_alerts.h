// SPDX-License-Identifier: GPL-3.0-or-later
// Message boxes shown with Qt: the sound set-up's alerts, the start-up notes, the About box.
#pragma once

#include <QWidget>

#include "audio/alerts.h"

namespace zembrik {

// Shows each alert as a modal QMessageBox with an OK button, owned by the given window.
class MessageAlerts : public Alerts {
  public:
    explicit MessageAlerts(QWidget* owner = nullptr) : owner_(owner) {}
    void setOwner(QWidget* owner) { owner_ = owner; }
    void show(AlertIcon icon, const std::string& title, const std::string& text) override;

  private:
    QWidget* owner_;
};

} // namespace zembrik
