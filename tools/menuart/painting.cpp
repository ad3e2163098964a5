// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing helpers for the menu artwork: fonts, bevelled blocks, arrows, faces, text.
#include "painting.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace menuart {

const std::vector<QPoint> kShapeT{{0, 1}, {1, 1}, {2, 1}, {1, 0}};
const std::vector<QPoint> kShapeL{{0, 1}, {1, 1}, {2, 1}, {2, 0}};
const std::vector<QPoint> kShapeJ{{0, 0}, {0, 1}, {1, 1}, {2, 1}};
const std::vector<QPoint> kShapeS{{1, 0}, {2, 0}, {0, 1}, {1, 1}};
const std::vector<QPoint> kShapeZ{{0, 0}, {1, 0}, {1, 1}, {2, 1}};
const std::vector<QPoint> kShapeO{{0, 0}, {1, 0}, {0, 1}, {1, 1}};
const std::vector<QPoint> kShapeI{{0, 0}, {1, 0}, {2, 0}, {3, 0}};

QFont latinFont(int px, bool bold, bool condensed) {
    QFont f(condensed ? QStringLiteral("DejaVu Sans Condensed") : QStringLiteral("DejaVu Sans"));
    f.setPixelSize(px);
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

QFont cjkFont(int px, bool bold) {
    QFont f(QStringLiteral("Noto Sans CJK SC"));
    f.setPixelSize(px);
    f.setWeight(bold ? QFont::Bold : QFont::Medium);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

void block(QPainter& p, double x, double y, double size, QColor base) {
    const QRectF r(x, y, size, size);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(r, base);
    const double e = std::max(1.0, std::round(size / 6));
    QPainterPath light, dark;
    light.moveTo(r.topLeft());
    light.lineTo(r.topRight());
    light.lineTo(r.right() - e, r.top() + e);
    light.lineTo(r.left() + e, r.top() + e);
    light.lineTo(r.left() + e, r.bottom() - e);
    light.lineTo(r.bottomLeft());
    dark.moveTo(r.bottomRight());
    dark.lineTo(r.topRight());
    dark.lineTo(r.right() - e, r.top() + e);
    dark.lineTo(r.right() - e, r.bottom() - e);
    dark.lineTo(r.left() + e, r.bottom() - e);
    dark.lineTo(r.bottomLeft());
    p.fillPath(light, base.lighter(160));
    p.fillPath(dark, base.darker(190));
    p.restore();
}

void piece(QPainter& p, double x, double y, double size, const std::vector<QPoint>& cells,
           QColor base) {
    for (const QPoint& c : cells)
        block(p, x + c.x() * size, y + c.y() * size, size, base);
}

void ghostPiece(QPainter& p, double x, double y, double size, const std::vector<QPoint>& cells,
                QColor base) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    QColor fill = base;
    fill.setAlpha(60);
    for (const QPoint& c : cells) {
        const QRectF r(x + c.x() * size, y + c.y() * size, size - 1, size - 1);
        p.fillRect(r, fill);
        p.setPen(QPen(base, 1));
        p.drawRect(r);
    }
    p.restore();
}

void arrow(QPainter& p, QPointF from, QPointF to, QColor colour, double width) {
    const double dx = to.x() - from.x(), dy = to.y() - from.y();
    const double len = std::hypot(dx, dy);
    if (len < 1) return;
    const double ux = dx / len, uy = dy / len;
    const double head = width * 2.6;
    const QPointF base(to.x() - ux * head, to.y() - uy * head);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(from, base);
    QPolygonF tri;
    tri << to << QPointF(base.x() - uy * head * 0.75, base.y() + ux * head * 0.75)
        << QPointF(base.x() + uy * head * 0.75, base.y() - ux * head * 0.75);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(tri);
    p.restore();
}

void face(QPainter& p, QPointF c, double d, double alarm) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    const double r = d / 2;
    // Skin from calm yellow-green through amber to alarmed red.
    const QColor skin = QColor::fromHsvF(std::max(0.0, 0.22 - 0.22 * alarm), 0.75, 1.0);
    QRadialGradient g(c.x() - r * 0.3, c.y() - r * 0.3, r * 1.4);
    g.setColorAt(0, skin.lighter(130));
    g.setColorAt(1, skin.darker(130));
    p.setBrush(g);
    p.setPen(QPen(skin.darker(220), 0.8));
    p.drawEllipse(c, r - 0.4, r - 0.4);

    const QColor ink(40, 20, 10);
    // Eyes grow from dots to wide circles.
    const double ex = r * 0.36, ey = -r * 0.18, er = r * (0.11 + 0.12 * alarm);
    if (alarm > 0.55) {
        p.setBrush(Qt::white);
        p.setPen(QPen(ink, 0.6));
        p.drawEllipse(QPointF(c.x() - ex, c.y() + ey), er * 1.2, er * 1.2);
        p.drawEllipse(QPointF(c.x() + ex, c.y() + ey), er * 1.2, er * 1.2);
        p.setBrush(ink);
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(c.x() - ex, c.y() + ey), er * 0.5, er * 0.5);
        p.drawEllipse(QPointF(c.x() + ex, c.y() + ey), er * 0.5, er * 0.5);
    } else {
        p.setBrush(ink);
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(c.x() - ex, c.y() + ey), er, er * 1.2);
        p.drawEllipse(QPointF(c.x() + ex, c.y() + ey), er, er * 1.2);
    }
    // Brows tilt up in the middle as alarm grows.
    if (alarm > 0.3) {
        p.setPen(QPen(ink, 0.9, Qt::SolidLine, Qt::RoundCap));
        const double tilt = r * 0.25 * alarm, by = c.y() + ey - r * 0.32;
        p.drawLine(QPointF(c.x() - ex - r * 0.2, by + tilt * 0.2),
                   QPointF(c.x() - ex + r * 0.2, by - tilt));
        p.drawLine(QPointF(c.x() + ex + r * 0.2, by + tilt * 0.2),
                   QPointF(c.x() + ex - r * 0.2, by - tilt));
    }
    // Mouth: a smile that flattens, then opens into a round shout.
    const double my = c.y() + r * 0.38;
    if (alarm < 0.6) {
        const double curve = r * 0.32 * (1 - alarm / 0.6 * 1.3);
        QPainterPath m;
        m.moveTo(c.x() - r * 0.38, my - curve * 0.3);
        m.quadTo(c.x(), my + curve, c.x() + r * 0.38, my - curve * 0.3);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(ink, 1.0, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(m);
    } else {
        const double open = r * (0.14 + 0.3 * (alarm - 0.6) / 0.4);
        p.setBrush(QColor(120, 20, 20));
        p.setPen(QPen(ink, 0.6));
        p.drawEllipse(QPointF(c.x(), my), open * 0.85, open);
    }
    // A drop of sweat at the top end.
    if (alarm > 0.8) {
        QPainterPath drop;
        const QPointF t(c.x() + r * 0.78, c.y() - r * 0.55);
        drop.moveTo(t);
        drop.quadTo(t.x() + r * 0.28, t.y() + r * 0.4, t.x(), t.y() + r * 0.45);
        drop.quadTo(t.x() - r * 0.28, t.y() + r * 0.4, t.x(), t.y());
        p.setBrush(QColor(120, 200, 255));
        p.setPen(Qt::NoPen);
        p.drawPath(drop);
    }
    p.restore();
}

void shadowText(QPainter& p, const QRectF& rect, int flags, const QString& text, const QFont& font,
                QColor colour) {
    p.save();
    p.setFont(font);
    p.setPen(QColor(0, 0, 0, 200));
    p.drawText(rect.translated(1, 1), flags, text);
    p.setPen(colour);
    p.drawText(rect, flags, text);
    p.restore();
}

double textWidth(const QFont& font, const QString& text) {
    return QFontMetricsF(font).horizontalAdvance(text);
}

} // namespace menuart
