// SPDX-License-Identifier: GPL-3.0-or-later
// The pause panel and the game-over summary, painted in design pixels.
#include "render/panels.h"

namespace zembrik {

namespace {

const QColor kLabel(176, 176, 176);
const QColor kMark(255, 216, 64);
const QColor kFrame(128, 128, 128);

} // namespace

QFont panelFont(int pixels, bool bold) {
    QFont f(QStringLiteral("DejaVu Sans Condensed"));
    f.setBold(bold);
    f.setStretch(QFont::Condensed);
    f.setPixelSize(pixels);
    return f;
}

void paintPausePanel(QPainter& p, const QRect& well, const QString& resume) {
    p.save();
    p.fillRect(well, Qt::black);
    p.setPen(kFrame);
    p.drawRect(well.adjusted(0, 0, -1, -1));
    const int middle = well.top() + well.height() * 2 / 5;
    p.setPen(Qt::white);
    p.setFont(panelFont(28));
    p.drawText(QRect(well.left(), middle - 40, well.width(), 40), Qt::AlignCenter,
               QStringLiteral("PAUSED"));
    p.setPen(kLabel);
    p.setFont(panelFont(15, false));
    p.drawText(QRect(well.left(), middle + 4, well.width(), 24), Qt::AlignCenter, resume);
    p.restore();
}

void paintSummary(QPainter& p, const QRect& area, const SummaryText& text) {
    p.save();
    p.fillRect(area, Qt::black);
    const int left = area.left() + 16, width = area.width() - 32;
    int y = area.top() + 88;
    p.setPen(Qt::white);
    p.setFont(panelFont(26));
    p.drawText(QRect(area.left(), y, area.width(), 34), Qt::AlignCenter, text.heading);
    y += 48;
    const QFont labelFont = panelFont(15, false), valueFont = panelFont(15);
    for (const SummaryLine& row : text.rows) {
        const QRect line(left, y, width, 22);
        p.setPen(kLabel);
        p.setFont(labelFont);
        p.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, row.label);
        p.setPen(Qt::white);
        p.setFont(valueFont);
        p.drawText(line, Qt::AlignRight | Qt::AlignVCenter, row.value);
        y += 22;
    }
    if (!text.mark.isEmpty()) {
        p.setPen(kMark);
        p.setFont(panelFont(17));
        p.drawText(QRect(left, y + 2, width, 24), Qt::AlignRight | Qt::AlignVCenter, text.mark);
    }
    if (!text.markNote.isEmpty()) {
        p.setPen(kMark);
        p.setFont(panelFont(13, false));
        const QRect room(left, y + 26, width, 60);
        const int flags = Qt::AlignRight | Qt::AlignTop | Qt::TextWordWrap;
        const QRect used = p.boundingRect(room, flags, text.markNote);
        p.drawText(room, flags, text.markNote);
        y += used.height() + 2;
    }
    y += 34;
    p.setPen(kLabel);
    p.setFont(labelFont);
    for (const QString& note : text.notes) {
        p.drawText(QRect(left, y, width, 20), Qt::AlignLeft | Qt::AlignVCenter, note);
        y += 20;
    }
    p.restore();
}

} // namespace zembrik
