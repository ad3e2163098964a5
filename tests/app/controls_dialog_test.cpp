// SPDX-License-Identifier: GPL-3.0-or-later
// The Controls dialog: key presses in a box assign and show keys; Tab moves the focus.
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <algorithm>

#include "app/controls_dialog.h"
#include "app/key_names.h"
#include "app_fixture.h"
#include "engine/keys.h"

namespace zembrik::test {
namespace {

class ControlsDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (int code = 0; code < 256; ++code)
            s.keyNames[static_cast<size_t>(code)] = shippedKeyName(code);
        assignDefaultKeys(g);
        g.keySt = 7; // no name
    }
    KeyBox* box(const char* name) { return dialog->findChild<KeyBox*>(QLatin1String(name)); }
    void open() {
        dialog = std::make_unique<ControlsDialog>(g, s, nullptr);
        dialog->show();
        QApplication::setActiveWindow(dialog.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    }
    Game g;
    Settings s;
    std::unique_ptr<ControlsDialog> dialog;
};

TEST_F(ControlsDialogTest, OpensWithTheNamesOfTheCurrentKeys) {
    open();
    EXPECT_EQ(dialog->size(), QSize(495, 276));
    EXPECT_EQ(dialog->windowTitle(), "Controls Settings");
    EXPECT_EQ(box("Tml")->text(), "37 Left arrow");
    EXPECT_EQ(box("tfd")->text(), "32 Space");
    EXPECT_EQ(box("thd")->text(), "67 C");
    EXPECT_EQ(box("tst")->text(), "") << "a code without a name shows nothing";
    EXPECT_EQ(box("trr")->geometry(), QRect(415, 144, 67, 18));
}

TEST_F(ControlsDialogTest, KeyPressAssignsAtOnceAndShowsTheName) {
    open();
    QTest::keyClick(box("Tml"), Qt::Key_Left);
    EXPECT_EQ(g.keyMl, 37);
    QTest::keyClick(box("Trl"), Qt::Key_X);
    EXPECT_EQ(g.keyRl, 88);
    EXPECT_EQ(box("Trl")->text(), "88 X");
    QTest::keyClick(box("Trl"), Qt::Key_Y);
    EXPECT_EQ(g.keyRl, 89) << "the second key replaces the first";
    EXPECT_EQ(box("Trl")->text(), "89 Y");
}

TEST_F(ControlsDialogTest, ModifiedKeysCountAsTheBareKeyAndModifiersAreKeys) {
    open();
    QTest::keyClick(box("tfd"), Qt::Key_Exclam, Qt::ShiftModifier);
    EXPECT_EQ(g.keyFd, 49);
    EXPECT_EQ(box("tfd")->text(), "49 1");
    QTest::keyClick(box("thd"), Qt::Key_Shift, Qt::ShiftModifier);
    EXPECT_EQ(g.keyHd, 16);
    QTest::keyClick(box("tmd"), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(g.keyMd, 67);
    EXPECT_EQ(box("tmd")->text(), "67 C");
}

TEST_F(ControlsDialogTest, OneKeyMayServeTwoActionsAndTheSharingIsShown) {
    open();
    EXPECT_EQ(dialog->clashLine()->text(), "");
    QTest::keyClick(box("tmr"), Qt::Key_Left);
    EXPECT_EQ(g.keyMl, 37);
    EXPECT_EQ(g.keyMr, 37);
    EXPECT_EQ(dialog->clashLine()->text(), "Move left and Move right share 37 Left arrow.");
    QTest::keyClick(box("thd"), Qt::Key_Left);
    QTest::keyClick(box("tfd"), Qt::Key_Z); // turn left's key
    EXPECT_EQ(dialog->clashLine()->text(), "Move left, Move right and Hold share 37 Left arrow. "
                                           "Hard drop and Turn left share 90 Z.");
    const char* shared[] = {"Tml", "tmr", "tfd", "Trl", "thd"};
    for (const KeyBox* b : dialog->boxes())
        EXPECT_EQ(b->clashing(),
                  std::find_if(std::begin(shared), std::end(shared),
                               [&](auto n) { return b->objectName() == n; }) != std::end(shared))
            << b->objectName().toStdString();
    // The start key acts only on the menu: sharing it with a game action is no clash.
    QTest::keyClick(box("tst"), Qt::Key_Space);
    EXPECT_FALSE(box("tst")->clashing());
    dialog->defaultsButton()->click();
    EXPECT_EQ(g.keyMl, kDefaultKeys.ml);
    EXPECT_EQ(g.keySt, kDefaultKeys.st);
    EXPECT_EQ(box("thd")->text(), "67 C");
    EXPECT_EQ(dialog->clashLine()->text(), "");
    for (const KeyBox* b : dialog->boxes())
        EXPECT_FALSE(b->clashing());
    dialog->closeButton()->click();
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(ControlsDialogTest, EscapeAndEnterAreAssignedNotActedOn) {
    open();
    QTest::keyClick(box("tst"), Qt::Key_Return);
    EXPECT_EQ(g.keySt, 13);
    QTest::keyClick(box("tro"), Qt::Key_Escape);
    EXPECT_EQ(g.keyRo, 27);
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(ControlsDialogTest, TabWalksTheBoxesInOrderWithoutAssigning) {
    open();
    // Row by row on the diagram, left to right.
    const char* order[] = {"Tml", "tmr", "thd", "tst", "tmd", "Trl", "trr", "tfd", "tro"};
    box("Tml")->setFocus();
    QApplication::processEvents();
    for (int i = 1; i < 9; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), box(order[i])) << i;
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), box("tfd"));
    EXPECT_EQ(g.keyMl, kDefaultKeys.ml);
    EXPECT_EQ(g.keyHd, kDefaultKeys.hd);
    EXPECT_EQ(g.keySt, 7);
}

TEST_F(ControlsDialogTest, TheBoxWithTheFocusIsFramedAndNoOtherIs) {
    open();
    const QColor frame(0, 84, 200);
    auto framed = [&](const char* name) {
        const QImage shot = dialog->grab().toImage();
        const QRect r = box(name)->geometry();
        // Both frame pixels on each side, and not the text area inside them.
        for (QPoint p : {r.topLeft(), r.topLeft() + QPoint(1, 1), r.bottomRight(),
                         r.bottomRight() - QPoint(1, 1), QPoint(r.left(), r.center().y()),
                         QPoint(r.right(), r.center().y())})
            if (shot.pixelColor(p) != frame) return false;
        return shot.pixelColor(r.topLeft() + QPoint(2, 2)) != frame;
    };
    box("Tml")->setFocus();
    QApplication::processEvents();
    EXPECT_TRUE(framed("Tml"));
    EXPECT_FALSE(framed("tmr"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_FALSE(framed("Tml"));
    EXPECT_TRUE(framed("tmr"));
}

} // namespace
} // namespace zembrik::test
