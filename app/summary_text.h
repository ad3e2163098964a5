// SPDX-License-Identifier: GPL-3.0-or-later
// The words the window shows about a game: the game-over summary of the last finished game,
// and the label over a watched replay. Every text goes through the translations.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <optional>
#include <string>

#include "core/options.h"
#include "render/panels.h"
#include "store/records.h"

namespace zembrik {

class GameWords {
    Q_DECLARE_TR_FUNCTIONS(zembrik::GameWords)
};

// The summary of a finished game: the heading (GAME OVER; SPRINT FINISHED or TIME UP when a
// Sprint or Ultra game reached its goal), its rows in the player's words, "New best!" with
// what it is the best of, and "W: watch this game" when watchable. `shapes` names the shape
// set, empty for the shipped default.
SummaryText summaryTextOf(const FinishedGame& f, const QString& shapes, bool watchable);

// A summary row's label or value (as the records module words it) in the player's language;
// nothing for a text that has no translation entry.
std::optional<QString> summaryWords(const std::string& text);

// The label over a watched replay: speed, pause and the keys, led by the mode unless Classic.
QString replayLabelText(Mode mode, int speed, bool paused);

} // namespace zembrik
