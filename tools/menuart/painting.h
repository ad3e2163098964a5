// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing helpers for the menu artwork: fonts, bevelled blocks, arrows, faces, text.
#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPointF>
#include <QString>
#include <vector>

namespace menuart {

// Latin text in DejaVu Sans, Chinese in Noto Sans CJK SC; sizes in pixels.
QFont latinFont(int px, bool bold = false, bool condensed = false);
QFont cjkFont(int px, bool bold = false);

// One bevelled square block of `size` pixels with its top-left corner at (x, y).
void block(QPainter& p, double x, double y, double size, QColor base);
// A piece from cells given as (column, row) pairs, each cell `size` pixels.
void piece(QPainter& p, double x, double y, double size, const std::vector<QPoint>& cells,
           QColor base);
// The same piece as a hollow outline, as the landing shadow is drawn.
void ghostPiece(QPainter& p, double x, double y, double size, const std::vector<QPoint>& cells,
                QColor base);
// A thick arrow from `from` to `to` with a filled head.
void arrow(QPainter& p, QPointF from, QPointF to, QColor colour, double width);
// A small face of diameter d centred at c; alarm 0 is content, 1 is panic.
void face(QPainter& p, QPointF c, double d, double alarm);
// Text with a one-pixel dark shadow, drawn in `rect` with the given alignment.
void shadowText(QPainter& p, const QRectF& rect, int flags, const QString& text, const QFont& font,
                QColor colour);
// Width in pixels of text in a font.
double textWidth(const QFont& font, const QString& text);

// Cells of the seven shapes in their spawn state.
extern const std::vector<QPoint> kShapeT, kShapeL, kShapeJ, kShapeS, kShapeZ, kShapeO, kShapeI;

} // namespace menuart
