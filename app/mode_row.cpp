// SPDX-License-Identifier: GPL-3.0-or-later
// The menu's mode choice: a heading and one line per mode, square first.
#include "app/mode_row.h"

#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <QPalette>
#include <algorithm>

#include "app/click_label.h"
#include "app/menu_panel.h"

namespace zembrik {

namespace {

// Each mode's line: the square at the left, its name right of it, 20 pixels apart like the
// option rows; the heading on the Holding row's line.
constexpr int kSquareX = 142, kNameX = 155, kFirstY = 212, kLineStep = 20, kHeadingY = 192;

QLabel* addText(QWidget* panel, const QString& text, int x, int y, int w, const QFont& font,
                const QColor& colour) {
    auto* l = new QLabel(text, panel);
    // A translated name too long for the column takes a smaller size, down to 7 pixels.
    QFont f = font;
    while (f.pixelSize() > 7 && QFontMetrics(f).horizontalAdvance(text) > w)
        f.setPixelSize(f.pixelSize() - 1);
    // Centred on the squares' line: a square is 9 pixels high, a line of text 13 (more in a
    // taller face, another script's).
    const int h = std::max(13, QFontMetrics(f).size(0, text).height());
    l->setGeometry(x, y - 2 - (h - 13) / 2, w, h);
    l->setFont(f);
    l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, colour);
    l->setPalette(pal);
    l->setFocusPolicy(Qt::NoFocus);
    return l;
}

} // namespace

QString modeName(Mode m) {
    switch (m) {
    case Mode::Classic:
        return MenuPanel::tr("Classic");
    case Mode::Sprint:
        return MenuPanel::tr("Sprint");
    case Mode::Ultra:
        return MenuPanel::tr("Ultra");
    }
    return {};
}

std::array<ClickLabel*, kModes.size()> addModeSquares(QWidget* panel) {
    // The option rows' names: the heading bold and golden like the picture's, the choices in
    // the light grey of its English words.
    QFont heading("DejaVu Sans Condensed");
    heading.setBold(true);
    heading.setPixelSize(10);
    QFont name("DejaVu Sans Condensed");
    name.setPixelSize(9);
    QLabel* title = addText(panel, MenuPanel::tr("Mode"), kSquareX, kHeadingY,
                            kModeArea.right() - kSquareX + 1, heading, QColor(255, 204, 51));
    title->setToolTip(modeHeadingToolTip());
    std::array<ClickLabel*, kModes.size()> squares{};
    for (size_t i = 0; i < kModes.size(); ++i) {
        const Mode m = kModes[i].mode;
        const int y = kFirstY + static_cast<int>(i) * kLineStep;
        auto* sq = new ClickLabel(panel);
        sq->setGeometry(kSquareX, y, 9, 9);
        sq->setAutoFillBackground(true);
        sq->setCursor(Qt::UpArrowCursor);
        sq->setToolTip(modeToolTip(m));
        sq->setAccessibleRole(QAccessible::RadioButton);
        sq->setAccessibleName(MenuPanel::tr("Mode: %1").arg(modeName(m)));
        QLabel* label = addText(panel, modeName(m), kNameX, y, kModeArea.right() - kNameX + 1, name,
                                QColor(224, 224, 224));
        label->setToolTip(modeToolTip(m));
        squares[i] = sq;
    }
    return squares;
}

QString modeHeadingToolTip() {
    return MenuPanel::tr("Mode: what a game is played for. Classic until the stack tops out, "
                         "Sprint to clear 40 lines as fast as you can, Ultra to score as much "
                         "as you can in two minutes.");
}

QString modeToolTip(Mode m) {
    switch (m) {
    case Mode::Classic:
        return MenuPanel::tr("Classic: play until the stack tops out.");
    case Mode::Sprint:
        return MenuPanel::tr("Sprint: clear 40 lines against the clock. The game ends on the "
                             "40th line, with your time.");
    case Mode::Ultra:
        return MenuPanel::tr("Ultra: score as much as you can in two minutes of game time.");
    }
    return {};
}

} // namespace zembrik
