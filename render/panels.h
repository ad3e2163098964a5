// SPDX-License-Identifier: GPL-3.0-or-later
// Panels drawn over the game screen by the shell: the pause panel and the game-over summary.
// Both paint with a QPainter in the 640x480 design's pixels, so a painter that scales the
// design scales them with it, text included.
#pragma once

#include <QPainter>
#include <QRect>
#include <QString>
#include <QStringList>
#include <vector>

namespace zembrik {

// The face of the read-outs, at a pixel size.
QFont panelFont(int pixels, bool bold = true);

// A plain panel over the whole well surface (well, previews and hold box): "PAUSED" and, under
// it, how to resume (e.g. "P to resume"). Nothing of the game shows through.
void paintPausePanel(QPainter& p, const QRect& well, const QString& resume);

// One row of the summary: its label on the left, its value on the right.
struct SummaryLine {
    QString label, value;
};

// The game-over summary: a heading, rows of figures, a mark under the rows (e.g. "New best!";
// none when empty) with a smaller line under it that may wrap (e.g. what the best is the best
// of; none when empty), and notes under that (e.g. keys to press).
struct SummaryText {
    QString heading;
    std::vector<SummaryLine> rows;
    QString mark;
    QString markNote;
    QStringList notes;
};

// The width of the summary's rows and notes when its area is the window left of the well.
inline constexpr int kSummaryTextWidth = 216 - 2 * 16;

// The summary's height with its rows and notes that wide and its rows that far apart, from
// the heading's top.
int summaryHeight(const SummaryText& text, int width, int rowPitch = 22);

// How far apart the summary's rows are in area: 22 pixels, closer (down to 18) where the
// summary would otherwise run out of the area.
int summaryRowPitch(const SummaryText& text, const QRect& area);

// Paints the summary in area (the black part left of the menu panel, 216 pixels wide): the
// area is filled black first, then the heading, rows, mark and notes from the top.
void paintSummary(QPainter& p, const QRect& area, const SummaryText& text);

} // namespace zembrik
