// SPDX-License-Identifier: GPL-3.0-or-later
// The mode clock's labels: shown for Sprint and Ultra, fed the text the frame made.
#include "app/clock_readout.h"

#include <QLabel>

#include "render/readouts.h"

namespace zembrik {

ClockReadout::ClockReadout(QLabel* name, QLabel* value) : name_(name), value_(value) {
    end();
}

QRect ClockReadout::begin(const Game& g) {
    const QString text = modeClockText(g);
    value_->setText(text);
    name_->setVisible(!text.isEmpty());
    value_->setVisible(!text.isEmpty());
    return name_->geometry().united(value_->geometry());
}

void ClockReadout::end() {
    name_->hide();
    value_->hide();
}

QRegion ClockReadout::update(const QString& text) {
    if (value_->isHidden() || value_->text() == text) return {};
    value_->setText(text);
    return value_->geometry();
}

} // namespace zembrik
