// SPDX-License-Identifier: GPL-3.0-or-later
// The texts painted over the game fit their room in every shipped language, in the fonts this
// machine has: the pause panel, the game-over summary of every kind of game, the replay label.
#include <QFontMetrics>
#include <gtest/gtest.h>

#include "app/language.h"
#include "app/main_window.h"
#include "app/summary_text.h"
#include "render/panels.h"

namespace zembrik::test {
namespace {

// The texts that would not fit their room, described; "" when all fit.
std::string clippedPaintedTexts() {
    QStringList out;
    const auto check = [&out](const QString& text, const QFont& f, int width, int height) {
        const QRect need =
            QFontMetrics(f).boundingRect(QRect(0, 0, width, 100000), Qt::TextWordWrap, text);
        if (need.width() > width || need.height() > height)
            out << QStringLiteral("\"%1\" needs %2x%3 in %4x%5")
                       .arg(text)
                       .arg(need.width())
                       .arg(need.height())
                       .arg(width)
                       .arg(height);
    };
    // The pause panel, over the well (192 pixels wide).
    check(QCoreApplication::translate("zembrik::Panels", "PAUSED"), panelFont(28), 190, 48);
    for (const char* hint : {"Pause to resume", "P to resume"})
        check(MainWindow::tr(hint), panelFont(15, false), 190, 28);
    // The summary: a heading 216 wide, rows, mark and notes 184 wide.
    for (Mode mode : {Mode::Classic, Mode::Sprint, Mode::Ultra})
        for (int16_t custom : {0, 1})
            for (bool finished : {true, false}) {
                FinishedGame f;
                f.record.options.mode = mode;
                f.record.options.startLevel = 18;
                f.record.options.handling = {custom, 20, 10, 10};
                f.record.options.holdOpt = 0;
                f.record.options.quaOpt = 2;
                f.record.finished = finished || mode == Mode::Classic;
                f.record.score = 999999;
                f.record.lines = 9999;
                f.record.pieces = 9999;
                f.record.milliseconds = 599990;
                f.record.levelReached = 19;
                f.steps = 35999;
                f.keys = 99999;
                f.best = f.record;
                f.hasBest = f.newBest = finished;
                // A shape set of the player's own, with a long name.
                const SummaryText t = summaryTextOf(
                    f, QStringLiteral("a-shape-set-of-my-own-with-a-long-name.kblox"), true);
                check(t.heading, panelFont(26), 216, 42);
                for (const SummaryLine& l : t.rows) {
                    const int need = QFontMetrics(panelFont(15, false)).horizontalAdvance(l.label) +
                                     8 + QFontMetrics(panelFont(15)).horizontalAdvance(l.value);
                    if (need > 184)
                        out << QStringLiteral("%1 %2 needs %3").arg(l.label, l.value).arg(need);
                }
                check(t.mark, panelFont(17), 184, 28);
                // What a best is the best of may wrap; the whole summary stays in the window.
                check(t.markNote, panelFont(13, false), 184, 100000);
                const QRect area(0, 0, 216, 480);
                const int height = summaryHeight(t, 184, summaryRowPitch(t, area));
                if (height > 480 - 8 - 5) out << QStringLiteral("a summary %1 high").arg(height);
                for (const QString& note : t.notes)
                    check(note, panelFont(15, false), 184, 24);
            }
    // The replay label: 200 wide in the read-outs' face (it grows down for taller lines).
    QFont readout(QStringLiteral("DejaVu Sans Condensed"));
    readout.setBold(true);
    readout.setPointSizeF(12);
    readout.setStretch(QFont::Condensed);
    for (Mode mode : {Mode::Classic, Mode::Sprint, Mode::Ultra})
        for (bool paused : {true, false})
            check(replayLabelText(mode, 4, paused), readout, 200, 1000);
    return out.join(QStringLiteral("; ")).toStdString();
}

TEST(PaintedTextFit, EveryLanguageFitsThePausePanelTheSummaryAndTheReplayLabel) {
    for (size_t i = 1; i < kLanguages.size(); ++i) {
        const QString code = QLatin1String(kLanguages[i].code);
        Translations translations;
        ASSERT_TRUE(translations.install(code, QStringLiteral(ZEMBRIK_TRANSLATIONS_DIR)));
        EXPECT_EQ(clippedPaintedTexts(), "") << code.toStdString();
    }
}

} // namespace
} // namespace zembrik::test
