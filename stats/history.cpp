#include "stats/history.h"

#include <algorithm>

namespace pickwise::stats {

ResultsHistory loadHistory(const std::string &path, Dialogs &dialogs)
{
    ResultsHistory history(path);
    const std::string error = history.load();
    if (!error.empty()) {
        dialogs.message(error);
        return ResultsHistory();
    }
    return history;
}

std::vector<const GameMatrix *> gamesHeld(const ResultsHistory &history)
{
    std::vector<const GameMatrix *> games;
    for (const HistoryDraw &d : history.draws()) {
        const GameMatrix *g = d.matrix;
        if (std::none_of(games.begin(), games.end(), [g](const GameMatrix *o) { return *o == *g; }))
            games.push_back(g);
    }
    return games;
}

const GameMatrix &figuresGame(
    const ResultsHistory &history, const GameMatrix *chosen, const Date &today)
{
    if (history.empty())
        return matrixFor(today);
    if (chosen) {
        for (const GameMatrix *g : gamesHeld(history)) {
            if (*g == *chosen)
                return *g;
        }
    }
    return *history.draws().back().matrix;
}

} // namespace pickwise::stats
