// SPDX-License-Identifier: GPL-3.0-or-later
// Modal message boxes with a stop sign or an exclamation mark.
#include "app/message_alerts.h"

#include <QMessageBox>

namespace zembrik {

void MessageAlerts::show(AlertIcon icon, const std::string& title, const std::string& text) {
    QMessageBox box(icon == AlertIcon::Critical ? QMessageBox::Critical : QMessageBox::Warning,
                    QString::fromStdString(title), QString::fromStdString(text), QMessageBox::Ok,
                    owner_);
    box.exec();
}

} // namespace zembrik
