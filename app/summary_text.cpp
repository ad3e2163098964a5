// SPDX-License-Identifier: GPL-3.0-or-later
// The game-over summary's and the replay label's words.
#include "app/summary_text.h"

#include <QFontMetrics>
#include <array>
#include <string_view>

#include "app/menu_panel.h"
#include "app/mode_row.h"
#include "core/levels.h"

namespace zembrik {

namespace {

// The fixed words of the summary rows (labels and values) as the records module writes them.
constexpr std::array<const char*, 17> kWords{
    QT_TRANSLATE_NOOP("zembrik::GameWords", "Score"),
    QT_TRANSLATE_NOOP("zembrik::GameWords", "Lines"),
    QT_TRANSLATE_NOOP("zembrik::GameWords", "Level"),
    QT_TRANSLATE_NOOP("zembrik::GameWords", "Pieces"),
    QT_TRANSLATE_NOOP("zembrik::GameWords", "Time"),
    QT_TRANSLATE_NOOP("zembrik::GameWords", "Pieces/s"),
    QT_TRANSLATE_NOOP("zembrik::GameWords", "Keys/piece"),
    QT_TRANSLATE_NOOP("zembrik::GameWords", "Handling"),
    QT_TRANSLATE_NOOP("zembrik::GameWords", "1-row clears"),
    QT_TRANSLATE_NOOP("zembrik::GameWords", "2-row clears"),
    QT_TRANSLATE_NOOP("zembrik::GameWords", "3-row clears"),
    QT_TRANSLATE_NOOP("zembrik::GameWords", "4+ row clears"),
    QT_TRANSLATE_NOOP("zembrik::GameWords", "Classic"),
    QT_TRANSLATE_NOOP("zembrik::GameWords", "Sprint"),
    QT_TRANSLATE_NOOP("zembrik::GameWords", "Ultra"),
    QT_TRANSLATE_NOOP("zembrik::GameWords", "unfinished"),
    QT_TRANSLATE_NOOP("zembrik::GameWords", "none"),
};

bool startsWith(std::string_view text, std::string_view head) {
    return text.substr(0, head.size()) == head;
}

} // namespace

std::optional<QString> summaryWords(const std::string& text) {
    for (const char* w : kWords)
        if (text == w) return GameWords::tr(w);
    // Figures (numbers, times, levels) are the same in every language.
    if (!text.empty() && text.find_first_not_of("0123456789.:-HM?!E+") == std::string::npos)
        return QString::fromStdString(text);
    // "custom 10/2/1": custom handling's three numbers.
    if (startsWith(text, "custom "))
        return GameWords::tr("custom %1").arg(QString::fromStdString(text.substr(7)));
    // "Best from H3" (a Classic game with classic handling) and "Best Sprint from H3".
    if (startsWith(text, "Best from "))
        return GameWords::tr("Best from %1").arg(QString::fromStdString(text.substr(10)));
    for (const ModeRule& r : kModes) {
        const std::string head = std::string("Best ") + r.title + " from ";
        if (startsWith(text, head))
            return GameWords::tr("Best %1 from %2")
                .arg(modeName(r.mode), QString::fromStdString(text.substr(head.size())));
    }
    return std::nullopt;
}

SummaryText summaryTextOf(const FinishedGame& f, const QString& shapes, bool watchable) {
    SummaryText t;
    const GameRecord& r = f.record;
    const bool goal = r.finished && r.options.mode != Mode::Classic;
    t.heading = !goal                            ? GameWords::tr("GAME OVER")
                : r.options.mode == Mode::Sprint ? GameWords::tr("SPRINT FINISHED")
                                                 : GameWords::tr("TIME UP");
    for (const SummaryRow& row : summaryRows(f))
        t.rows.push_back({summaryWords(row.label).value_or(QString::fromStdString(row.label)),
                          summaryWords(row.value).value_or(QString::fromStdString(row.value))});
    if (f.newBest) {
        t.mark = GameWords::tr("New best!");
        // A best is kept per mode, start level, options, handling and shape set: say which.
        // A shape set's file name of any length keeps to one line of the note.
        const QString name = QFontMetrics(panelFont(13, false))
                                 .elidedText(shapes, Qt::ElideMiddle, kSummaryTextWidth);
        t.markNote = bestKindText(r.options, name);
    }
    if (watchable) t.notes << GameWords::tr("W: watch this game");
    return t;
}

QString replayLabelText(Mode mode, int speed, bool paused) {
    if (mode == Mode::Classic)
        return (paused ? GameWords::tr("REPLAY %1\u00D7  PAUSED\nP: resume\nEsc: stop")
                       : GameWords::tr("REPLAY %1\u00D7\nF: speed   P: pause\nEsc: stop"))
            .arg(speed);
    // The mode leads the first line; the pause goes to the second, which has room for it.
    return (paused ? GameWords::tr("%1 REPLAY %2\u00D7\nPAUSED  P: resume\nEsc: stop")
                   : GameWords::tr("%1 REPLAY %2\u00D7\nF: speed   P: pause\nEsc: stop"))
        .arg(modeName(mode).toUpper())
        .arg(speed);
}

} // namespace zembrik
