// SPDX-License-Identifier: GPL-3.0-or-later
// The summary's words: every row of every kind of game has its translation entry, and the
// heading says how a mode's game ended.
#include <QImage>
#include <QPainter>
#include <cstdlib>
#include <gtest/gtest.h>

#include "app/menu_panel.h"
#include "app/summary_text.h"

namespace zembrik::test {
namespace {

TEST(SummaryText, EveryRowOfEveryKindOfGameIsTranslatableAndTheHeadingFitsTheEnd) {
    for (const ModeRule& rule : kModes)
        for (const bool finished : {true, false})
            for (const int16_t custom : {0, 1})
                for (const bool hasBest : {true, false}) {
                    FinishedGame f;
                    f.record.options.mode = rule.mode;
                    f.record.options.handling.custom = custom;
                    f.record.options.startLevel = 13;
                    f.record.finished = finished || rule.mode == Mode::Classic;
                    f.record.score = 12345;
                    f.record.milliseconds = 61'230;
                    f.steps = 3674;
                    f.hasBest = hasBest;
                    f.newBest = hasBest;
                    for (const SummaryRow& row : summaryRows(f)) {
                        EXPECT_TRUE(summaryWords(row.label)) << row.label;
                        EXPECT_TRUE(summaryWords(row.value)) << row.value;
                    }
                    const SummaryText t = summaryTextOf(f, {}, hasBest);
                    const char* heading = !f.record.finished || rule.mode == Mode::Classic
                                              ? "GAME OVER"
                                          : rule.mode == Mode::Sprint ? "SPRINT FINISHED"
                                                                      : "TIME UP";
                    EXPECT_EQ(t.heading.toStdString(), heading) << rule.key << finished;
                    EXPECT_EQ(t.mark.isEmpty(), !hasBest);
                    EXPECT_EQ(t.notes.size(), hasBest ? 1 : 0);
                }
    EXPECT_EQ(summaryWords("Best Ultra from M3").value_or("").toStdString(), "Best Ultra from M3");
    EXPECT_EQ(summaryWords("custom 0/10/2").value_or("").toStdString(), "custom 0/10/2");
    EXPECT_FALSE(summaryWords("Best Marathon from H0"));
}

// The longest summary (a mode's rows, custom handling, a best with a long shape set's name and
// the watching note) stays inside its area, its last note included.
TEST(SummaryText, TheLongestSummaryEndsInsideItsArea) {
    FinishedGame f;
    f.record.options.mode = Mode::Ultra;
    f.record.options.handling = {1, 20, 10, 10};
    f.hasBest = f.newBest = true;
    const SummaryText t = summaryTextOf(f, "a shape set of my own with a long name.kblox", true);
    QImage shot(216, 560, QImage::Format_RGB32);
    shot.fill(Qt::black);
    QPainter p(&shot);
    paintSummary(p, QRect(0, 0, 216, 480), t);
    p.end();
    auto litRows = [&](int from, int to) {
        int lit = 0;
        for (int y = from; y < to; ++y)
            for (int x = 0; x < shot.width(); ++x)
                lit += qGray(shot.pixel(x, y)) > 64 ? 1 : 0;
        return lit;
    };
    EXPECT_EQ(litRows(480, shot.height()), 0);
    EXPECT_GT(litRows(440, 480), 0) << "the watching note is at the bottom";
    // The watching note (grey) comes under what the best is the best of (yellow).
    int lastYellow = -1, lastGrey = -1;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x) {
            const QColor c = shot.pixelColor(x, y);
            if (c.red() > 200 && c.blue() < 120) lastYellow = y;
            if (qGray(c.rgb()) > 64 && std::abs(c.red() - c.blue()) < 16) lastGrey = y;
        }
    EXPECT_GT(lastGrey, lastYellow + 8);
}

// What a best is the best of names each option as the game had it.
TEST(SummaryText, TheBestsKindNamesEachOption) {
    const auto kind = [](const GameOptions& o, const QString& shapes) {
        return bestKindText(o, shapes).replace(QChar(0x00A0), QLatin1Char(' ')).toStdString();
    };
    GameOptions o;
    EXPECT_EQ(kind(o, {}), "Best for H0 · no hold · rows close · 1 next · climb 0");
    o = {3, 1, 1, 1, 1, 2, Mode::Sprint, {1, 0, 0, 0}, "mine.kblox"};
    EXPECT_EQ(kind(o, "mine.kblox"), "Best for Sprint · H3 · hold · cascade · 3 next · "
                                     "climb 3 · custom handling · mine.kblox");
}

TEST(SummaryText, TheReplayLabelNamesAModeAndKeepsClassicsWords) {
    EXPECT_EQ(replayLabelText(Mode::Classic, 2, false).toStdString(),
              "REPLAY 2\u00D7\nF: speed   P: pause\nEsc: stop");
    EXPECT_EQ(replayLabelText(Mode::Sprint, 4, false).toStdString(),
              "SPRINT REPLAY 4\u00D7\nF: speed   P: pause\nEsc: stop");
    EXPECT_EQ(replayLabelText(Mode::Ultra, 1, true).toStdString(),
              "ULTRA REPLAY 1\u00D7\nPAUSED  P: resume\nEsc: stop");
}

} // namespace
} // namespace zembrik::test
