// SPDX-License-Identifier: GPL-3.0-or-later
// The seven menu pictures: picture buttons, options picture, title, Controls diagram.
#include "pictures.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

#include "painting.h"

namespace menuart {

namespace {

// The game's palette: one colour per shape, and the menu's accents.
const QColor kCyan(40, 200, 230), kYellow(240, 200, 40), kPurple(170, 80, 220);
const QColor kGreen(70, 200, 80), kRed(225, 60, 60), kBlue(50, 100, 230), kOrange(240, 140, 40);
const QColor kInk(235, 238, 250), kDim(150, 160, 190), kGold(255, 214, 110);

QImage canvas(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::black);
    return img;
}

// The dark panel every button and heading sits on.
void panel(QPainter& p, const QRectF& r, QColor accent) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(44, 50, 92));
    g.setColorAt(0.5, QColor(24, 27, 54));
    g.setColorAt(1, QColor(12, 13, 28));
    p.setBrush(g);
    p.setPen(QPen(accent.darker(140), 1));
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);
    p.setPen(QPen(QColor(255, 255, 255, 40), 1));
    p.drawLine(QPointF(r.left() + 5, r.top() + 1.5), QPointF(r.right() - 5, r.top() + 1.5));
    p.restore();
}

void buttonIcon(QPainter& p, Button which, const QRectF& box, QColor accent) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    const QPointF c = box.center();
    switch (which) {
    case Button::NewGame: {
        QPolygonF tri;
        tri << QPointF(c.x() - 5, c.y() - 7) << QPointF(c.x() + 7, c.y())
            << QPointF(c.x() - 5, c.y() + 7);
        p.setBrush(accent);
        p.setPen(QPen(accent.lighter(150), 1));
        p.drawPolygon(tri);
        break;
    }
    case Button::Controls: {
        // Four key caps in the arrow-key layout.
        const QRectF cap(0, 0, 7, 6);
        const QPointF at[] = {{c.x() - 3.5, c.y() - 7.5},
                              {c.x() - 11, c.y() + 0.5},
                              {c.x() - 3.5, c.y() + 0.5},
                              {c.x() + 4, c.y() + 0.5}};
        for (const QPointF& a : at) {
            p.setBrush(QColor(220, 225, 240));
            p.setPen(QPen(accent, 1));
            p.drawRoundedRect(cap.translated(a), 1.5, 1.5);
        }
        break;
    }
    case Button::Settings: {
        QPainterPath gear;
        for (int i = 0; i < 8; ++i) {
            const double a = i * M_PI / 4;
            gear.addRect(QRectF(-1.8, -8, 3.6, 4));
            QTransform t;
            t.translate(c.x(), c.y());
            t.rotateRadians(a);
            p.setBrush(accent);
            p.setPen(Qt::NoPen);
            p.drawPath(t.map(gear));
            gear.clear();
        }
        p.setBrush(accent);
        p.drawEllipse(c, 5.6, 5.6);
        p.setBrush(QColor(20, 22, 45));
        p.drawEllipse(c, 2.3, 2.3);
        break;
    }
    case Button::About: {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(accent, 1.6));
        p.drawEllipse(c, 7.5, 7.5);
        p.setPen(Qt::NoPen);
        p.setBrush(accent);
        p.drawEllipse(QPointF(c.x(), c.y() - 3.6), 1.3, 1.3);
        p.drawRoundedRect(QRectF(c.x() - 1.2, c.y() - 1, 2.4, 6), 1, 1);
        break;
    }
    }
    p.restore();
}

// Chinese text then English text, centred together in `r`.
void bilingual(QPainter& p, const QRectF& r, const QString& zh, const QString& en,
               const QFont& zhFont, const QFont& enFont, QColor zhColour, QColor enColour,
               double gap = 6) {
    const double wz = textWidth(zhFont, zh), we = textWidth(enFont, en);
    const double x = r.left() + (r.width() - wz - gap - we) / 2;
    shadowText(p, QRectF(x, r.top(), wz + 2, r.height()), Qt::AlignLeft | Qt::AlignVCenter, zh,
               zhFont, zhColour);
    shadowText(p, QRectF(x + wz + gap, r.top(), we + 2, r.height()),
               Qt::AlignLeft | Qt::AlignVCenter, en, enFont, enColour);
}

} // namespace

QImage buttonPicture(Button which) {
    struct Face {
        const char* zh;
        const char* en;
        QColor accent;
    };
    const Face faces[] = {
        {"新游戏", "New Game!", kGreen},
        {"按键设置", "Controls...", kCyan},
        {"设置", "Settings...", kYellow},
        {"关于", "About...", QColor(240, 110, 170)},
    };
    const Face& f = faces[static_cast<int>(which)];
    QImage img = canvas(192, 32);
    QPainter p(&img);
    panel(p, QRectF(1, 1, 190, 30), f.accent);
    buttonIcon(p, which, QRectF(8, 7, 18, 18), f.accent);
    bilingual(p, QRectF(28, 2, 160, 28), QString::fromUtf8(f.zh), QLatin1String(f.en),
              cjkFont(14, true), latinFont(13, true), f.accent.lighter(115), kInk);
    return img;
}

QImage optionsPicture() {
    QImage img = canvas(192, 256);
    QPainter p(&img);

    // Heading: difficulty, over the level read-out (a label at 80,40 16x24 covers its box).
    panel(p, QRectF(1, 1, 190, 34), kGold);
    bilingual(p, QRectF(0, 2, 192, 16), QStringLiteral("难度"), QStringLiteral("Difficulty"),
              cjkFont(12, true), latinFont(11, true), kGold, kInk);
    bilingual(p, QRectF(0, 18, 192, 15), QStringLiteral("选择起始速度"),
              QStringLiteral("pick a start speed"), cjkFont(10), latinFont(9, false, true), kDim,
              kDim, 4);

    const QFont zh = cjkFont(11, true), en = latinFont(10, true, true);
    shadowText(p, QRectF(2, 40, 74, 12), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("速度等级"), zh, kGold);
    shadowText(p, QRectF(2, 52, 74, 12), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("Speed level"), en, kInk);
    shadowText(p, QRectF(100, 40, 90, 12), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("起始"),
               zh, kGold);
    shadowText(p, QRectF(100, 52, 90, 12), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("to start at"), en, kInk);
    p.setPen(QPen(kGold.darker(150), 1));
    p.drawRect(QRectF(78.5, 38.5, 19, 27));

    // Ten faces above the bar for levels 0..9, ten below it for 10..19, in the button columns.
    for (int i = 0; i < 20; ++i) {
        const double cx = 19 * (i % 10) + 9, cy = i < 10 ? 77.5 : 131.5;
        face(p, QPointF(cx, cy), 15, i / 19.0);
    }
    // Brackets that tie each row of faces to its row of level buttons.
    p.setPen(QPen(QColor(90, 100, 140), 1));
    p.drawLine(QPointF(1, 86.5), QPointF(190, 86.5));
    p.drawLine(QPointF(1, 122.5), QPointF(190, 122.5));

    // Options heading.
    p.setPen(QPen(QColor(70, 80, 120), 1));
    p.drawLine(QPointF(4, 146.5), QPointF(58, 146.5));
    p.drawLine(QPointF(134, 146.5), QPointF(188, 146.5));
    bilingual(p, QRectF(0, 140, 192, 14), QStringLiteral("选项"), QStringLiteral("Options"),
              cjkFont(10, true), latinFont(9, true), kGold, kDim, 4);

    // Five option rows; each selector square (9x9) sits at the given x and the row's y, and
    // its symbol is drawn right of it.
    struct Row {
        const char* zh;
        const char* en;
        int y;
        std::vector<std::pair<int, QString>> marks;
    };
    const QString cross = QString::fromUtf8("\u2718"), tick = QString::fromUtf8("\u2714");
    const Row rows[] = {
        {"保留", "Holding", 160, {{72, cross}, {104, tick}}},
        {"重力",
         "Gravity",
         180,
         {{72, QStringLiteral("~")}, {96, tick}, {120, QStringLiteral("!")}}},
        {"影子", "Shadow", 200, {{72, cross}, {104, tick}}},
        {"预览", "# of Next", 220, {{72, QStringLiteral("1")}, {104, QStringLiteral("3")}}},
        {"爬升",
         "Climbing",
         240,
         {{72, QStringLiteral("0")}, {96, QStringLiteral("1")}, {120, QStringLiteral("3")}}},
    };
    const QFont rowZh = cjkFont(10, true), rowEn = latinFont(9, false, true);
    const QFont markFont = latinFont(11, true);
    for (const Row& r : rows) {
        const double wz = textWidth(rowZh, QString::fromUtf8(r.zh));
        shadowText(p, QRectF(2, r.y - 3, wz + 2, 15), Qt::AlignLeft | Qt::AlignVCenter,
                   QString::fromUtf8(r.zh), rowZh, kGold);
        shadowText(p, QRectF(4 + wz, r.y - 3, 66 - wz, 15), Qt::AlignLeft | Qt::AlignVCenter,
                   QLatin1String(r.en), rowEn, kInk);
        for (const auto& [x, mark] : r.marks) {
            // A socket around the square so the selector looks set into the picture.
            p.setPen(QPen(QColor(90, 100, 140), 1));
            p.setBrush(Qt::NoBrush);
            p.drawRect(QRectF(x - 1.5, r.y - 1.5, 11, 11));
            QColor c = kInk;
            if (mark == cross) c = kRed.lighter(120);
            if (mark == tick) c = kGreen.lighter(120);
            if (mark == QLatin1String("!")) c = kOrange;
            if (mark == QLatin1String("~")) c = kCyan;
            shadowText(p, QRectF(x + 11, r.y - 3, 12, 15), Qt::AlignLeft | Qt::AlignVCenter, mark,
                       markFont, c);
        }
    }
    return img;
}

QImage titlePicture() {
    QImage img = canvas(192, 168);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);

    // A few falling blocks behind the name, fading upwards.
    const struct {
        double x, y;
        QColor c;
    } sparks[] = {{6, 6, kCyan},     {18, 30, kPurple}, {168, 10, kYellow}, {178, 40, kGreen},
                  {30, 60, kOrange}, {158, 62, kRed},   {90, 2, kBlue}};
    for (const auto& s : sparks) {
        QColor c = s.c;
        c.setAlpha(90);
        block(p, s.x, s.y, 7, c.darker(180));
    }

    shadowText(p, QRectF(0, 2, 192, 26), Qt::AlignCenter, QStringLiteral("赞布里克"),
               cjkFont(20, true), kGold);

    // The name in a tall gradient with a dark outline.
    QFont big = latinFont(35, true);
    big.setLetterSpacing(QFont::AbsoluteSpacing, 1);
    QPainterPath name;
    const QString text = QStringLiteral("Zembrik");
    const double w = textWidth(big, text) + 6;
    name.addText((192 - w) / 2, 70, big, text);
    QLinearGradient g(0, 38, 0, 72);
    g.setColorAt(0, QColor(140, 240, 255));
    g.setColorAt(0.5, QColor(60, 150, 255));
    g.setColorAt(0.52, QColor(40, 110, 230));
    g.setColorAt(1, QColor(130, 70, 230));
    p.setPen(QPen(QColor(10, 10, 40), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(name);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(name);
    // A line of blocks under the name, one per shape colour.
    const QColor row[] = {kCyan, kYellow, kPurple, kGreen, kRed, kBlue, kOrange};
    for (int i = 0; i < 7; ++i)
        block(p, 96 - 7 * 9 / 2.0 + i * 9, 74, 8, row[i]);

    // Lower half: the loading notice, hidden once the game has started.
    panel(p, QRectF(24, 108, 144, 34), kGold);
    bilingual(p, QRectF(24, 108, 144, 34), QStringLiteral("载入中"), QStringLiteral("Loading..."),
              cjkFont(14, true), latinFont(13, true), kGold, kInk);
    return img;
}

QImage controlsPicture() {
    QImage img = canvas(457, 221);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    const QFont capZh = cjkFont(10, true), capEn = latinFont(9, false, true);
    // A two-language caption aligned left or right in `r`.
    auto caption = [&](const QRectF& r, int align, const char* zh, const char* en) {
        const QString z = QString::fromUtf8(zh), e = QLatin1String(en);
        const double wz = textWidth(capZh, z), we = textWidth(capEn, e), gap = 3;
        const double x = (align & Qt::AlignRight) ? r.right() - wz - gap - we : r.left();
        shadowText(p, QRectF(x, r.top(), wz + 2, r.height()), Qt::AlignLeft | Qt::AlignVCenter, z,
                   capZh, kGold.darker(115));
        shadowText(p, QRectF(x + wz + gap, r.top(), we + 2, r.height()),
                   Qt::AlignLeft | Qt::AlignVCenter, e, capEn, kDim);
    };

    // Movement: a falling piece with arrows left, right and down to the boxes at (8,56),
    // (136,56) and (72,104); a long trail down to its landing place above the box at (72,224).
    const double cell = 12;
    piece(p, 104 - 1.5 * cell, 8, cell, kShapeT, kPurple);
    arrow(p, QPointF(84, 28), QPointF(42, 50), kInk, 3);
    arrow(p, QPointF(124, 28), QPointF(168, 50), kInk, 3);
    arrow(p, QPointF(104, 36), QPointF(104, 100), kInk, 3);
    caption(QRectF(0, 36, 60, 14), Qt::AlignLeft | Qt::AlignVCenter, "左移", "left");
    caption(QRectF(148, 36, 60, 14), Qt::AlignRight | Qt::AlignVCenter, "右移", "right");
    caption(QRectF(108, 78, 60, 14), Qt::AlignLeft | Qt::AlignVCenter, "下落", "down");
    // Hard drop: streaks fading from the soft-drop box to the landed piece.
    for (int i = 0; i < 3; ++i) {
        const double x = 104 - cell + i * cell;
        QLinearGradient g(0, 126, 0, 196);
        g.setColorAt(0, QColor(170, 80, 220, 0));
        g.setColorAt(1, QColor(190, 120, 240, 200));
        p.fillRect(QRectF(x + 3, 126, cell - 6, 70), g);
    }
    piece(p, 104 - 1.5 * cell, 196, cell, kShapeT, kPurple);
    caption(QRectF(120, 180, 70, 14), Qt::AlignLeft | Qt::AlignVCenter, "直落", "drop!");
    p.setPen(QPen(QColor(90, 100, 140), 1));
    p.drawLine(QPointF(40, 220.5), QPointF(168, 220.5));

    // Hold: a box with a piece in it, and a blue trail leading from it to a piece below;
    // the hold key box sits at (288,40) to its right.
    const QRectF holdBox(222, 14, 56, 52);
    p.setPen(QPen(QColor(120, 170, 255), 2));
    p.setBrush(QColor(20, 30, 70));
    p.drawRoundedRect(holdBox, 4, 4);
    shadowText(p, QRectF(222, 16, 56, 12), Qt::AlignCenter, QStringLiteral("HOLD"),
               latinFont(9, true), QColor(150, 190, 255));
    piece(p, 250 - 1.5 * 10, 34, 10, kShapeL, kOrange);
    QPainterPath trail;
    trail.moveTo(250, 66);
    trail.cubicTo(250, 84, 290, 74, 300, 88);
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 3; ++i) {
        p.setPen(QPen(QColor(60, 120, 255, 70 + 60 * i), 7 - 2 * i, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(trail);
    }
    piece(p, 296, 84, 8, kShapeL, kOrange);

    // Rotation: a red circular arrow with the same piece turned on its left (box at 192,144),
    // right (box at 416,144) and bottom (box at 304,224).
    const QPointF c(336, 150);
    const double r = 36;
    p.setPen(QPen(kRed, 4, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), 100 * 16, 300 * 16);
    // Heads at both ends, along the circle: it turns either way.
    auto head = [&](double degrees, double dir) {
        const double a = degrees * M_PI / 180;
        const QPointF at(c.x() + r * std::cos(a), c.y() - r * std::sin(a));
        const QPointF t(-std::sin(a) * dir, -std::cos(a) * dir); // direction of travel
        arrow(p, QPointF(at.x() - t.x() * 2, at.y() - t.y() * 2),
              QPointF(at.x() + t.x() * 9, at.y() + t.y() * 9), kRed, 4);
    };
    head(40, 1);
    head(100, -1);
    const double pc = 9;
    const std::vector<QPoint> turnedLeft{{1, 0}, {0, 1}, {1, 1}, {1, 2}};
    const std::vector<QPoint> turnedRight{{0, 0}, {0, 1}, {1, 1}, {0, 2}};
    const std::vector<QPoint> halfTurn{{0, 0}, {1, 0}, {2, 0}, {1, 1}};
    piece(p, c.x() - 1.5 * pc, c.y() - 1.2 * pc, pc, kShapeT, kPurple);
    piece(p, 266, c.y() - 1.5 * pc + 3, pc, turnedLeft, kPurple);
    piece(p, 384, c.y() - 1.5 * pc + 3, pc, turnedRight, kPurple);
    piece(p, c.x() - 1.5 * pc, 198, pc, halfTurn, kPurple);
    caption(QRectF(192, 126, 70, 14), Qt::AlignLeft | Qt::AlignVCenter, "左转", "turn left");
    caption(QRectF(386, 126, 70, 14), Qt::AlignRight | Qt::AlignVCenter, "右转", "turn right");
    caption(QRectF(360, 200, 90, 14), Qt::AlignLeft | Qt::AlignVCenter, "半圈", "half turn");

    // Start, at the top right over its box at (376,32).
    shadowText(p, QRectF(368, 2, 84, 28), Qt::AlignCenter, QStringLiteral("Start"),
               latinFont(20, true), kGold);
    shadowText(p, QRectF(330, 8, 40, 18), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("开始"),
               cjkFont(12, true), kGold.darker(120));
    return img;
}

} // namespace menuart
