// SPDX-License-Identifier: GPL-3.0-or-later
// The pause panel and the game-over summary, painted in design pixels.
#include "render/panels.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <algorithm>

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
    // Each text is centred in a box with room above and below for a taller face (another
    // script's): the same centre as a box just tall enough for the read-outs' face.
    p.drawText(QRect(well.left(), middle - 44, well.width(), 48), Qt::AlignCenter,
               QCoreApplication::translate("zembrik::Panels", "PAUSED"));
    p.setPen(kLabel);
    p.setFont(panelFont(15, false));
    p.drawText(QRect(well.left(), middle + 2, well.width(), 28), Qt::AlignCenter, resume);
    p.restore();
}

namespace {

// What a best is the best of takes the lines it needs: custom handling and a shape set of the
// player's own make it four.
constexpr int kNoteFlags = Qt::AlignRight | Qt::AlignTop | Qt::TextWordWrap;

int noteHeight(const QString& note, int width) {
    if (note.isEmpty()) return 0;
    return QFontMetrics(panelFont(13, false))
               .boundingRect(QRect(0, 0, width, 100000), kNoteFlags, note)
               .height() +
           2;
}

} // namespace

int summaryHeight(const SummaryText& text, int width, int rowPitch) {
    return 48 + rowPitch * static_cast<int>(text.rows.size()) + noteHeight(text.markNote, width) +
           34 + 20 * static_cast<int>(text.notes.size());
}

int summaryRowPitch(const SummaryText& text, const QRect& area) {
    const int rows = static_cast<int>(text.rows.size());
    if (rows == 0) return 22;
    const int rest = summaryHeight(text, area.width() - 32, 0);
    return std::clamp((area.height() - 13 - rest) / rows, 18, 22);
}

void paintSummary(QPainter& p, const QRect& area, const SummaryText& text) {
    p.save();
    p.fillRect(area, Qt::black);
    const int left = area.left() + 16, width = area.width() - 32;
    const QRect noteRoom(left, 0, width, area.height());
    // The summary starts at its usual height; one with more rows (a mode's, custom handling)
    // starts higher, and its rows close up if it must, so its last note stays inside the area.
    const int pitch = summaryRowPitch(text, area);
    const int height = summaryHeight(text, width, pitch);
    int y = std::max(area.top() + 8, std::min(area.top() + 88, area.bottom() - 5 - height));
    p.setPen(Qt::white);
    p.setFont(panelFont(26));
    p.drawText(QRect(area.left(), y - 4, area.width(), 42), Qt::AlignCenter, text.heading);
    y += 48;
    const QFont labelFont = panelFont(15, false), valueFont = panelFont(15);
    for (const SummaryLine& row : text.rows) {
        const QRect line(left, y, width, pitch);
        p.setPen(kLabel);
        p.setFont(labelFont);
        p.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, row.label);
        p.setPen(Qt::white);
        p.setFont(valueFont);
        p.drawText(line, Qt::AlignRight | Qt::AlignVCenter, row.value);
        y += pitch;
    }
    if (!text.mark.isEmpty()) {
        p.setPen(kMark);
        p.setFont(panelFont(17));
        p.drawText(QRect(left, y, width, 28), Qt::AlignRight | Qt::AlignVCenter, text.mark);
    }
    if (!text.markNote.isEmpty()) {
        p.setPen(kMark);
        p.setFont(panelFont(13, false));
        p.drawText(noteRoom.translated(0, y + 26), kNoteFlags, text.markNote);
        y += noteHeight(text.markNote, width);
    }
    y += 34;
    p.setPen(kLabel);
    p.setFont(labelFont);
    for (const QString& note : text.notes) {
        p.drawText(QRect(left, y - 2, width, 24), Qt::AlignLeft | Qt::AlignVCenter, note);
        y += 20;
    }
    p.restore();
}

} // namespace zembrik
