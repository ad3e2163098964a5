// SPDX-License-Identifier: GPL-3.0-or-later
// The menu's highlight: which row, its frame and what moving, changing and acting do.
#include "app/menu_highlight.h"

#include <QPainter>

#include "app/click_label.h"
#include "app/menu_panel.h"
#include "app/watch_row.h"

namespace zembrik {

namespace {

// The selector of an option row.
std::optional<Selector> selectorOf(MenuHighlight::Row r) {
    switch (r) {
    case MenuHighlight::Row::Hold:
        return Selector::Hold;
    case MenuHighlight::Row::Qua:
        return Selector::Qua;
    case MenuHighlight::Row::Ghost:
        return Selector::Ghost;
    case MenuHighlight::Row::Next:
        return Selector::Next;
    case MenuHighlight::Row::Climb:
        return Selector::Climb;
    case MenuHighlight::Row::Mode:
        return Selector::GameMode;
    default:
        return std::nullopt;
    }
}

QRect rectIn(const QWidget& panel, const QWidget* w) {
    return w ? QRect(w->mapTo(&panel, QPoint(0, 0)), w->size()) : QRect();
}

} // namespace

MenuHighlight::MenuHighlight(MenuPanel& panel, const GameOptions& o, WatchRow& watch)
    : QWidget(&panel), panel_(panel), o_(o), watch_(watch) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(panel.rect());
    hide();
}

void MenuHighlight::move(int delta) {
    if (isHidden()) {
        raise();
        show();
        showRow();
        return;
    }
    row_ = static_cast<Row>((static_cast<int>(row_) + delta + kRows) % kRows);
    showRow();
}

void MenuHighlight::showRow() {
    watch_.setHighlighted(row_ == Row::Watch);
    update();
}

void MenuHighlight::change(int delta) {
    if (isHidden()) move(0);
    if (row_ == Row::Level) {
        const int level = std::clamp(o_.startLevel + delta, 0, 19);
        panel_.shplvl_Click(static_cast<int16_t>(level));
        return;
    }
    const std::optional<Selector> s = selectorOf(row_);
    if (!s) return;
    int now = 0;
    for (int k = 0; k < 3; ++k)
        if (panel_.isSelected(*s, k)) now = k;
    if (auto* sq = dynamic_cast<ClickLabel*>(panel_.square(*s, now + delta))) emit sq->clicked();
}

MenuHighlight::Act MenuHighlight::act() {
    if (isHidden()) move(0);
    switch (row_) {
    case Row::Level:
        return Act::StartGame;
    case Row::Controls:
        return Act::Controls;
    case Row::Settings:
        return Act::Settings;
    case Row::Watch:
        return Act::Watch;
    default:
        break;
    }
    // An option row goes round its values.
    const Selector s = *selectorOf(row_);
    int now = 0, count = 0;
    for (int k = 0; k < 3; ++k) {
        if (panel_.square(s, k)) count = k + 1;
        if (panel_.isSelected(s, k)) now = k;
    }
    if (count > 0)
        if (auto* sq = dynamic_cast<ClickLabel*>(panel_.square(s, (now + 1) % count)))
            emit sq->clicked();
    return Act::None;
}

QRect MenuHighlight::rowRect() const {
    if (row_ == Row::Watch) return {}; // the watch row frames itself
    QRect r;
    if (row_ == Row::Level) {
        for (int i = 0; i < 20; ++i)
            r |= rectIn(panel_, panel_.levelButton(i));
    } else if (row_ == Row::Controls) {
        r = rectIn(panel_, panel_.controlsButton());
    } else if (row_ == Row::Settings) {
        r = rectIn(panel_, panel_.settingsButton());
    } else {
        for (int k = 0; k < 3; ++k)
            r |= rectIn(panel_, panel_.square(*selectorOf(row_), k));
    }
    return r.adjusted(-3, -3, 2, 2);
}

void MenuHighlight::paintEvent(QPaintEvent*) {
    const QRect r = rowRect();
    if (r.isEmpty()) return;
    QPainter p(this);
    p.setPen(QPen(QColor(255, 220, 0), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r);
}

} // namespace zembrik
