// SPDX-License-Identifier: GPL-3.0-or-later
// The settings dialog: choosing files reloads at once, load errors keep the old data, switches.
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <filesystem>
#include <fstream>

#include "app/handling_panel.h"
#include "app/language.h"
#include "app/settings_dialog.h"
#include "app_fixture.h"
#include "pieces/shape_file.h"

namespace zembrik::test {
namespace {

class SettingsDialogTest : public AppDirTest {
  protected:
    void SetUp() override {
        AppDirTest::SetUp();
        copyShipped("centre.kblox");
        copyShipped("top.kblox");
        writeData("bad.kblox", "1 2 3");
        writeData("classic.style", "");
        writeData("other.style", "");
        writeData("bad.style", "");
        writeData("notes.txt", "");
        badStyles = {"bad.style"};
        ASSERT_EQ(loadshapes(g, dataPath("centre.kblox").toStdString()), "");
        s.options.shapeFile = "centre.kblox";
        s.styleFile = "classic.style";
    }
    void open() {
        dialog = std::make_unique<SettingsDialog>(
            g, s, styleLoader(), portablePlaces(appDir),
            [this](bool on) { debugShown.push_back(on); }, nullptr);
        dialog->setErrorReporter([this](const QString& text) { errors << text; });
        dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    }
    // The row of the file of that name, whatever name the list shows for it.
    int row(QListWidget* list, const char* name) {
        for (int i = 0; i < list->count(); ++i)
            if (list->item(i)->data(Qt::UserRole).toByteArray() == name) return i;
        return -1;
    }
    void click(QListWidget* list, const char* name) {
        QListWidgetItem* item = list->item(row(list, name));
        ASSERT_NE(item, nullptr) << name;
        list->scrollToItem(item);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(item).center());
    }
    Game g;
    Settings s;
    std::unique_ptr<SettingsDialog> dialog;
    std::vector<bool> debugShown;
    QStringList errors;
};

TEST_F(SettingsDialogTest, OpensWithTheCurrentNamesAndNothingSelected) {
    g.muteOpt = 1;
    open();
    // At least the classic size; larger where its texts need it.
    EXPECT_GE(dialog->width(), 181);
    EXPECT_GE(dialog->height(), 361);
    EXPECT_EQ(dialog->windowTitle(), "settings");
    EXPECT_EQ(dialog->shapeLabel()->text(), "blox shape - Turning about the centre");
    EXPECT_EQ(dialog->styleLabel()->text(), "blox style - Classic");
    EXPECT_EQ(dialog->shapeList()->count(), 3);
    EXPECT_EQ(dialog->styleList()->count(), 3) << "only *.style files are listed";
    // Shipped files by plain names, the player's own by their file names.
    QStringList shapes;
    for (int i = 0; i < 3; ++i)
        shapes << dialog->shapeList()->item(i)->text();
    EXPECT_EQ(shapes, QStringList({"bad.kblox", "Turning about the centre", "Turning at the top"}));
    EXPECT_TRUE(dialog->shapeList()->selectedItems().isEmpty());
    EXPECT_TRUE(dialog->styleList()->selectedItems().isEmpty());
    EXPECT_EQ(dialog->muteGroup()->checkedId(), 1) << "quiet";
    EXPECT_EQ(dialog->debugGroup()->checkedId(), 0) << "ENJOY";
    EXPECT_EQ(dialog->muteGroup()->button(1)->text(), "quiet");
    EXPECT_TRUE(styleCalls.empty()) << "opening loads nothing";
}

TEST_F(SettingsDialogTest, FocusOnAListChoosesNothing) {
    open();
    dialog->styleList()->setFocus();
    dialog->shapeList()->setFocus();
    QApplication::processEvents();
    EXPECT_TRUE(styleCalls.empty());
    EXPECT_TRUE(errors.isEmpty());
    EXPECT_EQ(s.options.shapeFile, "centre.kblox");
}

TEST_F(SettingsDialogTest, ClickingAShapeSetReloadsTheShapesAtOnce) {
    open();
    Game top;
    ASSERT_EQ(loadshapes(top, dataPath("top.kblox").toStdString()), "");
    ASSERT_NE(top.shapeCells, g.shapeCells);
    click(dialog->shapeList(), "top.kblox");
    EXPECT_EQ(s.options.shapeFile, "top.kblox");
    EXPECT_EQ(dialog->shapeLabel()->text(), "blox shape - Turning at the top");
    EXPECT_EQ(top.shapeCells, g.shapeCells);
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

TEST_F(SettingsDialogTest, AShapeSetThatFailsToLoadKeepsTheOldShapesAndName) {
    open();
    const auto before = g.shapeCells;
    click(dialog->shapeList(), "bad.kblox");
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains("bad.kblox"));
    EXPECT_EQ(g.shapeCells, before);
    EXPECT_EQ(s.options.shapeFile, "centre.kblox");
    EXPECT_EQ(dialog->shapeLabel()->text(), "blox shape - Turning about the centre");
}

TEST_F(SettingsDialogTest, ChoosingAStyleLoadsItAndChoosingItAgainReloads) {
    open();
    click(dialog->styleList(), "other.style");
    click(dialog->styleList(), "other.style");
    EXPECT_EQ(styleCalls, (std::vector<std::string>{"other.style", "other.style"}));
    EXPECT_EQ(s.styleFile, "other.style");
    EXPECT_EQ(dialog->styleLabel()->text(), "blox style - other.style");
}

TEST_F(SettingsDialogTest, KeyboardSelectionChoosesTooAndAFailedStyleKeepsTheOld) {
    open();
    dialog->styleList()->setCurrentRow(row(dialog->styleList(), "bad.style"));
    EXPECT_EQ(errors.size(), 1);
    EXPECT_EQ(s.styleFile, "classic.style");
    EXPECT_EQ(dialog->styleLabel()->text(), "blox style - Classic");
}

TEST_F(SettingsDialogTest, DebugSwitchShowsAndHidesTheReadOut) {
    open();
    dialog->debugGroup()->button(1)->click();
    EXPECT_EQ(g.debugOpt, 1);
    dialog->debugGroup()->button(0)->click();
    EXPECT_EQ(g.debugOpt, 0);
    EXPECT_EQ(debugShown, (std::vector<bool>{true, false}));
}

TEST_F(SettingsDialogTest, SoundSwitchSetsTheMuteOption) {
    open();
    dialog->muteGroup()->button(1)->click();
    EXPECT_EQ(g.muteOpt, 1);
    dialog->muteGroup()->button(0)->click();
    EXPECT_EQ(g.muteOpt, 0);
}

TEST_F(SettingsDialogTest, PauseOnFocusLossBoxShowsAndSetsTheOption) {
    s.pauseOnFocusLoss = 0;
    open();
    QCheckBox* box = dialog->pauseOnFocusLossBox();
    EXPECT_FALSE(box->isChecked());
    EXPECT_TRUE(box->text().simplified() == "Pause when the window loses focus");
    QTest::mouseClick(box, Qt::LeftButton);
    EXPECT_EQ(s.pauseOnFocusLoss, 1);
    QTest::mouseClick(box, Qt::LeftButton);
    EXPECT_EQ(s.pauseOnFocusLoss, 0);
    EXPECT_TRUE(dialog->rect().contains(box->geometry()));
}

TEST_F(SettingsDialogTest, OkClosesTheDialog) {
    open();
    dialog->okButton()->click();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
}

TEST_F(SettingsDialogTest, NamesThatCannotBeSavedOnOneLineAreNotListed) {
    writeData("two\nlines.kblox", "");
    open();
    EXPECT_EQ(dialog->shapeList()->count(), 3);
}

// A name that is not valid UTF-8 (Latin-1 here) is listed, loads and is kept byte for byte.
TEST_F(SettingsDialogTest, NamesThatAreNotUtf8AreChosenByTheirBytes) {
    const std::string latin1 = "sch\xF6n.kblox";
    const std::string path = QFile::encodeName(dataPath("")).toStdString() + latin1;
    std::ofstream(path, std::ios::binary) << shippedFile("top.kblox").toStdString();
    open();
    QListWidget* list = dialog->shapeList();
    ASSERT_EQ(list->count(), 4);
    QListWidgetItem* item = list->item(2); // between centre and top
    ASSERT_EQ(item->data(Qt::UserRole).toByteArray().toStdString(), latin1);
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
    std::filesystem::remove(path); // Qt could not name it to remove the folder
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
    EXPECT_EQ(s.options.shapeFile, latin1);
    Game top;
    ASSERT_EQ(loadshapes(top, dataPath("top.kblox").toStdString()), "");
    EXPECT_EQ(top.shapeCells, g.shapeCells);
}

// Handling: Classic leaves the numbers alone and unchangeable; Custom sets them, each shown in
// steps and in milliseconds; choosing Classic again keeps them for the next time.
TEST_F(SettingsDialogTest, HandlingIsClassicOrCustomWithItsNumbersInStepsAndMilliseconds) {
    open();
    HandlingPanel* h = dialog->handlingPanel();
    ASSERT_NE(h, nullptr);
    EXPECT_TRUE(h->kindGroup()->button(0)->isChecked());
    EXPECT_FALSE(h->delayBox()->isEnabled());
    EXPECT_EQ(h->millisecondsLabel(0)->text(), "167 ms"); // 10 steps
    QTest::mouseClick(h->kindGroup()->button(1), Qt::LeftButton);
    EXPECT_EQ(s.options.handling.custom, 1);
    ASSERT_TRUE(h->delayBox()->isEnabled());
    EXPECT_EQ(h->delayBox()->maximum(), 20);
    EXPECT_EQ(h->intervalBox()->maximum(), 10);
    EXPECT_EQ(h->softDropBox()->maximum(), 10);
    h->delayBox()->setValue(0);
    h->intervalBox()->setValue(0);
    h->softDropBox()->setValue(10);
    EXPECT_EQ(s.options.handling, (Handling{1, 0, 0, 10}));
    EXPECT_EQ(h->millisecondsLabel(0)->text(), "0 ms");
    EXPECT_EQ(h->millisecondsLabel(1)->text(), "at once");
    EXPECT_EQ(h->millisecondsLabel(2)->text(), "167 ms");
    h->delayBox()->setValue(99);
    EXPECT_EQ(s.options.handling.delay, 20);
    QTest::mouseClick(h->kindGroup()->button(0), Qt::LeftButton);
    EXPECT_EQ(s.options.handling, (Handling{0, 20, 0, 10}));
    EXPECT_FALSE(h->softDropBox()->isEnabled());
    // The dialog opened again shows the record as left.
    dialog.reset();
    s.options.handling = {1, 3, 1, 0};
    open();
    h = dialog->handlingPanel();
    EXPECT_TRUE(h->kindGroup()->button(1)->isChecked());
    EXPECT_EQ(h->delayBox()->value(), 3);
    EXPECT_EQ(h->millisecondsLabel(0)->text(), "50 ms");
    EXPECT_EQ(h->millisecondsLabel(1)->text(), "17 ms");
    EXPECT_EQ(h->millisecondsLabel(2)->text(), "at once");
}

// Each box says its steps in the plural forms of the player's language, English included, and
// a number typed in it is taken whatever words stand around it.
TEST_F(SettingsDialogTest, HandlingBoxesSayTheirStepsInTheLanguagesPluralForms) {
    struct Case {
        const char* lang;
        int16_t steps;
        const char* text;
    };
    const Case cases[] = {
        {"en", 1, "1 step"},     {"en", 2, "2 steps"},   {"en", 0, "0 steps"},
        {"ru", 1, "1 шаг"},      {"ru", 3, "3 шага"},    {"ru", 11, "11 шагов"},
        {"ru", 5, "5 шагов"},    {"de", 1, "1 Schritt"}, {"de", 20, "20 Schritte"},
        {"ja", 1, "1 ステップ"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        Translations t;
        ASSERT_TRUE(t.install(QLatin1String(c.lang), QStringLiteral(ZEMBRIK_TRANSLATIONS_DIR)));
        s.options.handling = {1, c.steps, 2, 1};
        open();
        EXPECT_EQ(dialog->handlingPanel()->delayBox()->text(), QString::fromUtf8(c.text));
        dialog.reset();
    }
    Translations english;
    ASSERT_TRUE(english.install(QStringLiteral("en"), QStringLiteral(ZEMBRIK_TRANSLATIONS_DIR)));
    open();
    QSpinBox* box = dialog->handlingPanel()->intervalBox();
    box->selectAll();
    QTest::keyClicks(box, "7");
    EXPECT_EQ(s.options.handling.interval, 7);
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(box->text(), "7 steps");
}

} // namespace
} // namespace zembrik::test
