// SPDX-License-Identifier: GPL-3.0-or-later
// The menu's watch row: its place, look and frame.
#include "app/watch_row.h"

#include <QEvent>

namespace zembrik {

namespace {

// Right of the panel, under the read-outs, level with the panel's About button.
const QRect kPlace(416, 434, 216, 30);
const QColor kFill(20, 28, 60), kEdge(80, 96, 160), kText(230, 232, 255), kHighlight(255, 220, 0);

} // namespace

WatchRow::WatchRow(QWidget& panel, QWidget* parent) : ClickLabel(parent) {
    setObjectName(QStringLiteral("watchRow"));
    setGeometry(kPlace);
    setText(tr("W: watch the newest replay"));
    setAccessibleName(tr("Watch the newest replay"));
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(11);
    f.setBold(true);
    setFont(f);
    setWordWrap(true);
    setAlignment(Qt::AlignCenter);
    setContentsMargins(4, 2, 4, 2);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kFill);
    pal.setColor(QPalette::WindowText, kText);
    setPalette(pal);
    setCursor(Qt::UpArrowCursor);
    setVisible(!panel.isHidden());
    panel.installEventFilter(this);
}

void WatchRow::setHighlighted(bool on) {
    if (highlighted_ == on) return;
    highlighted_ = on;
    update();
}

void WatchRow::paintEvent(QPaintEvent* e) {
    ClickLabel::paintEvent(e);
    QPainter p(this);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(highlighted_ ? kHighlight : kEdge, highlighted_ ? 2 : 1));
    p.drawRect(highlighted_ ? rect().adjusted(1, 1, -1, -1) : rect().adjusted(0, 0, -1, -1));
}

bool WatchRow::eventFilter(QObject* watched, QEvent* e) {
    // The design's widgets are never shown on screen themselves (app/design_view.h): the
    // panel is shown and hidden to its parent only.
    if (e->type() == QEvent::ShowToParent) show();
    if (e->type() == QEvent::HideToParent) hide();
    return ClickLabel::eventFilter(watched, e);
}

} // namespace zembrik
