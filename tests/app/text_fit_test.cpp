// SPDX-License-Identifier: GPL-3.0-or-later
// Every text of the Controls and settings dialogs and of the menu fits its box in the fonts
// this machine has, measured with the fonts' own metrics, whatever entry or switch is chosen,
// in every shipped language.
#include <QAbstractButton>
#include <QButtonGroup>
#include <QDir>
#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QStyle>
#include <QTest>

#include "app/controls_dialog.h"
#include "app/key_names.h"
#include "app/language.h"
#include "app/menu_panel.h"
#include "app/settings_dialog.h"
#include "app/watch_row.h"
#include "app_fixture.h"
#include "pieces/shape_file.h"

namespace zembrik::test {
namespace {

QString describe(const QWidget* w, const QString& text, QSize need, QSize box) {
    return QStringLiteral("%1 \"%2\" needs %3x%4 in %5x%6")
        .arg(w->objectName().isEmpty() ? QLatin1String(w->metaObject()->className())
                                       : w->objectName(),
             text)
        .arg(need.width())
        .arg(need.height())
        .arg(box.width())
        .arg(box.height());
}

// Every text under root that its box, or the window's edge, would cut, described; empty when
// all fit.
std::string clippedTexts(const QWidget* root) {
    QStringList out;
    for (const QWidget* w : root->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(root)) continue;
        const bool hasText =
            qobject_cast<const QLabel*>(w) || qobject_cast<const QAbstractButton*>(w) ||
            qobject_cast<const QListWidget*>(w) || qobject_cast<const ChoiceBox*>(w);
        if (hasText && !root->rect().contains(QRect(w->mapTo(root, QPoint()), w->size())))
            out << QStringLiteral("%1 reaches past the window's edge").arg(w->objectName());
        const QFontMetrics fm(w->font());
        if (const auto* l = qobject_cast<const QLabel*>(w); l && !l->text().isEmpty()) {
            const QRect box = l->contentsRect();
            const QSize need = l->wordWrap() ? fm.boundingRect(QRect(0, 0, box.width(), 100000),
                                                               Qt::TextWordWrap, l->text())
                                                   .size()
                                             : fm.size(0, l->text());
            if (need.width() > box.width() || need.height() > box.height())
                out << describe(l, l->text(), need, box.size());
        } else if (const auto* b = qobject_cast<const QAbstractButton*>(w)) {
            // The style's size for the button's text, indicator and margins.
            const QSize need = b->sizeHint();
            if (need.width() > b->width() || need.height() > b->height())
                out << describe(b, b->text(), need, b->size());
        } else if (const auto* list = qobject_cast<const QListWidget*>(w)) {
            const int margin = list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1;
            for (int i = 0; i < list->count(); ++i) {
                const QString text = list->item(i)->text();
                const QSize need(fm.horizontalAdvance(text) + 2 * margin, fm.height());
                const QSize box(list->viewport()->width(),
                                list->visualItemRect(list->item(i)).height());
                if (need.width() > box.width() || need.height() > box.height())
                    out << describe(list, text, need, box);
            }
        } else if (const auto* k = qobject_cast<const ChoiceBox*>(w)) {
            const QSize need(fm.horizontalAdvance(k->text()), fm.height());
            if (need.width() > k->textWidth() || need.height() > k->height())
                out << describe(k, k->text(), need, QSize(k->textWidth(), k->height()));
        }
    }
    return out.join(QStringLiteral("; ")).toStdString();
}

class TextFitTest : public AppDirTest {};

TEST_F(TextFitTest, SettingsDialogTextsFitForEveryEntryAndSwitch) {
    const QDir shipped(QStringLiteral(ZEMBRIK_SOURCE_DIR "/data"));
    for (const QString& f : shipped.entryList({"*.kblox", "*.style"}))
        copyShipped(f.toUtf8().constData());
    Game g;
    Settings s;
    ASSERT_EQ(loadshapes(g, dataPath("centre.kblox").toStdString()), "");
    s.options.shapeFile = "centre.kblox";
    s.styleFile = "classic.style";
    SettingsDialog d(g, s, styleLoader(), appDir, nullptr, nullptr);
    d.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&d));
    EXPECT_EQ(clippedTexts(&d), "");
    EXPECT_GE(d.styleList()->count(), 3);
    for (QListWidget* list : {d.shapeList(), d.styleList()})
        for (int i = 0; i < list->count(); ++i) {
            list->setCurrentRow(i);
            EXPECT_EQ(clippedTexts(&d), "") << list->item(i)->text().toStdString();
        }
    EXPECT_EQ(d.styleLabel()->text(),
              "blox style - " + d.styleList()->item(d.styleList()->count() - 1)->text());
    for (QButtonGroup* group : {d.muteGroup(), d.debugGroup()})
        for (int k : {1, 0}) {
            group->button(k)->click();
            EXPECT_EQ(clippedTexts(&d), "");
            // The chosen switch stands out from the other by more than its dot.
            const QAbstractButton* chosen = group->button(k);
            const QAbstractButton* other = group->button(1 - k);
            EXPECT_TRUE(chosen->font().bold());
            EXPECT_FALSE(other->font().bold());
            EXPECT_NE(chosen->palette().color(QPalette::WindowText),
                      other->palette().color(QPalette::WindowText));
        }
}

TEST_F(TextFitTest, EveryLanguageFitsItsBoxes) {
    const QDir shipped(QStringLiteral(ZEMBRIK_SOURCE_DIR "/data"));
    for (const QString& f : shipped.entryList({"*.kblox", "*.style"}))
        copyShipped(f.toUtf8().constData());
    for (size_t i = 1; i < kLanguages.size(); ++i) {
        const QString code = QLatin1String(kLanguages[i].code);
        SCOPED_TRACE(code.toStdString());
        Translations translations;
        ASSERT_TRUE(translations.install(code, QStringLiteral(ZEMBRIK_TRANSLATIONS_DIR)));
        Game g;
        Settings s;
        s.options.shapeFile = "centre.kblox";
        s.styleFile = "contrast.style";
        {
            SettingsDialog d(g, s, styleLoader(), appDir, nullptr, nullptr);
            d.show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(&d));
            for (QListWidget* list : {d.shapeList(), d.styleList()})
                for (int row = 0; row < list->count(); ++row) {
                    list->setCurrentRow(row);
                    EXPECT_EQ(clippedTexts(&d), "") << list->item(row)->text().toStdString();
                }
            for (QButtonGroup* group : {d.muteGroup(), d.debugGroup(), d.scalingGroup()})
                for (int k : {1, 0}) {
                    group->button(k)->click();
                    EXPECT_EQ(clippedTexts(&d), "");
                }
        }
        {
            // Every action sharing one key: the longest line of shared keys.
            for (int16_t Game::*key : {&Game::keyMl, &Game::keyMr, &Game::keyMd, &Game::keyFd,
                                       &Game::keyRl, &Game::keyRr, &Game::keyRo, &Game::keyHd})
                g.*key = 250;
            // And every action on the two shoulders: the longest buttons and sentences.
            PadLayout pad;
            pad.buttons.fill((1u << kPadLeftShoulder) | (1u << kPadRightShoulder));
            ControlsDialog d(g, s, nullptr, 1, &pad);
            d.show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(&d));
            EXPECT_EQ(clippedTexts(&d), "");
        }
        {
            // The panel and the watch row beside it, in the design.
            QWidget design;
            design.resize(640, 480);
            MenuPanel menu(s.options, &design);
            WatchRow watch(menu, &design);
            design.show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(&design));
            EXPECT_FALSE(watch.isHidden());
            EXPECT_EQ(clippedTexts(&design), "");
        }
    }
}

TEST_F(TextFitTest, EveryShippedKeyNameFitsEveryKeyBoxAtAReadableSize) {
    Game g;
    Settings s;
    for (int code = 0; code < 256; ++code)
        s.keyNames[static_cast<size_t>(code)] = shippedKeyName(code);
    PadLayout pad = defaultPadLayout();
    ControlsDialog d(g, s, nullptr, 1, &pad);
    d.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&d));
    const std::array<int16_t Game::*, 9> keys{&Game::keyMl, &Game::keyMr, &Game::keyMd,
                                              &Game::keyFd, &Game::keyRl, &Game::keyRr,
                                              &Game::keyRo, &Game::keyHd, &Game::keySt};
    int named = 0;
    for (int code = 0; code < 256; ++code) {
        if (s.keyNames[static_cast<size_t>(code)].empty()) continue;
        ++named;
        for (size_t i = 0; i < keys.size(); ++i) {
            g.*keys[i] = static_cast<int16_t>(code);
            d.boxes()[i]->refresh();
            EXPECT_GE(d.boxes()[i]->font().pixelSize(), 7) << code;
        }
        ASSERT_EQ(clippedTexts(&d), "") << code;
    }
    EXPECT_GT(named, 100);
    // The usual names keep the usual size.
    g.keyMl = 37;
    d.boxes()[0]->refresh();
    EXPECT_EQ(d.boxes()[0]->font().pixelSize(), 9);
}

} // namespace
} // namespace zembrik::test
