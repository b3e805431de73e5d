#pragma once

#include "core/dates.h"
#include "core/game.h"
#include "core/history.h"
#include "platform/dialogs.h"

#include <string>
#include <vector>

namespace pickwise::stats {

// The whole results history at path, read afresh for each display. A file that
// cannot be read is reported and counts as an empty history, so the windows
// still show their (empty) figures.
ResultsHistory loadHistory(const std::string &path, Dialogs &dialogs);

// The games the history holds draws of, in the order they were played.
std::vector<const GameMatrix *> gamesHeld(const ResultsHistory &history);

// The game the figures are counted over: `chosen` while the history holds
// draws of it, otherwise the game of the latest draw; for an empty history,
// the game of today, whose draws are the ones to come.
const GameMatrix &figuresGame(
    const ResultsHistory &history, const GameMatrix *chosen, const Date &today);

} // namespace pickwise::stats
