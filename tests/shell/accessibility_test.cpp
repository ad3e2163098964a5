// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader meets: every control a player can reach has a name, the menu's labels
// are buttons and choices with their state, Tab follows each dialog's visual order, and the
// game-over summary is there as text.
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QListWidget>

#include "app/click_label.h"
#include "app/controls_dialog.h"
#include "app/settings_dialog.h"
#include "window_fixture.h"

namespace zembrik::test {
namespace {

// A control a player can reach: by Tab, or by a click on the menu.
bool reachable(const QWidget* w) {
    return (w->focusPolicy() & Qt::TabFocus) != 0 || qobject_cast<const ClickLabel*>(w);
}

// The reachable controls under root without an accessible name, described; "" when none.
std::string unnamedControls(QWidget* root) {
    QStringList out;
    for (QWidget* w : root->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(root) || !reachable(w)) continue;
        // The editor inside a spin box is announced as the box.
        QWidget* owner = qobject_cast<QAbstractSpinBox*>(w->parentWidget()) ? w->parentWidget() : w;
        const QAccessibleInterface* a = QAccessible::queryAccessibleInterface(owner);
        if (!a || a->text(QAccessible::Name).trimmed().isEmpty())
            out << QStringLiteral("%1 %2 at %3,%4")
                       .arg(QLatin1String(w->metaObject()->className()), w->objectName())
                       .arg(w->mapTo(root, QPoint()).x())
                       .arg(w->mapTo(root, QPoint()).y());
    }
    return out.join(QStringLiteral("; ")).toStdString();
}

// Steps of the Tab chain from `first` that go back against the reading order (a control above
// the last, or left of it on the same row), described. A control inside a panel of the dialog
// is placed by that panel, so the two switches of a pair count as one place.
std::string tabOrderAgainstReading(QWidget* dialog, QWidget* first) {
    QStringList out;
    const auto place = [dialog](QWidget* w) {
        while (w->parentWidget() != dialog)
            w = w->parentWidget();
        return w->geometry();
    };
    QWidget* w = first;
    QRect last = place(first);
    for (int i = 0; i < 100; ++i) {
        w = w->nextInFocusChain();
        if (w == first) break;
        if (!(w->focusPolicy() & Qt::TabFocus) || !w->isVisibleTo(dialog)) continue;
        const QRect r = place(w);
        const bool sameRow = r.top() <= last.bottom() && last.top() <= r.bottom();
        if (r != last && (sameRow ? r.left() <= last.left() : r.top() < last.top()))
            out << QStringLiteral("%1 after a control at %2,%3")
                       .arg(w->objectName())
                       .arg(last.x())
                       .arg(last.y());
        last = r;
    }
    return out.join(QStringLiteral("; ")).toStdString();
}

class AccessibilityTest : public WindowTest {};

TEST_F(AccessibilityTest, EveryReachableControlHasANameAndTheMenuItsRoles) {
    startUp();
    EXPECT_EQ(unnamedControls(w.get()), "");
    MenuPanel* m = w->menu();
    const QAccessibleInterface* start = QAccessible::queryAccessibleInterface(m->startButton());
    EXPECT_EQ(start->role(), QAccessible::Button);
    EXPECT_EQ(start->text(QAccessible::Name), "New Game");
    // The level bar: choices, the saved start level (5) the chosen one.
    for (int i : {4, 5, 6}) {
        const QAccessibleInterface* b = QAccessible::queryAccessibleInterface(m->levelButton(i));
        EXPECT_EQ(b->role(), QAccessible::RadioButton);
        EXPECT_EQ(b->state().checked, i == 5) << i;
    }
    EXPECT_EQ(QAccessible::queryAccessibleInterface(m->levelButton(12))->text(QAccessible::Name),
              "Start level M2");
    // A tool's press on a square chooses it, as a click does.
    QAccessibleInterface* noGhost =
        QAccessible::queryAccessibleInterface(m->square(Selector::Ghost, 0));
    EXPECT_EQ(noGhost->text(QAccessible::Name), "Shadow: off");
    EXPECT_FALSE(noGhost->state().checked);
    noGhost->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(g().ghostOpt, 0);
    EXPECT_TRUE(noGhost->state().checked);

    SettingsDialog settings(
        g(), w->settings(), [](const std::string&) { return std::string(); }, w->places(), nullptr,
        nullptr);
    EXPECT_EQ(unnamedControls(&settings), "");
    EXPECT_EQ(tabOrderAgainstReading(&settings, settings.shapeList()), "");
    ControlsDialog controls(g(), w->settings(), nullptr);
    EXPECT_EQ(unnamedControls(&controls), "");
    EXPECT_EQ(tabOrderAgainstReading(&controls, controls.boxes()[0]), "");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(controls.boxes()[0])->text(QAccessible::Name),
              "Move left");
}

TEST_F(AccessibilityTest, TheSummaryAndThePausePanelAreThereAsText) {
    startUp();
    EXPECT_EQ(w->accessibleDescription(), "");
    topOutGame([&] { g().score = 1234.0f; });
    const QString summary = w->accessibleDescription();
    EXPECT_TRUE(summary.startsWith("GAME OVER\nScore: 1234\n")) << summary.toStdString();
    EXPECT_TRUE(summary.contains("Best from H5: 1234")) << summary.toStdString();
    // The pause panel replaces it while a game is paused.
    play([&] { QTest::keyClick(w->menu(), Qt::Key_Return); },
         [&](int n) {
             if (n == 2) w->setPaused(true);
             if (n == 2) {
                 EXPECT_EQ(w->accessibleDescription(), "PAUSED\nP to resume");
                 w->setPaused(false);
                 post(QEvent::KeyPress, Qt::Key_Escape);
             }
         });
}

} // namespace
} // namespace zembrik::test
