#include "stats/history.h"

#include "core/results.h"

namespace pickwise::stats {

std::vector<BallRecord> loadHistory(const std::string &path, Dialogs &dialogs)
{
    std::vector<BallRecord> draws;
    const std::string error = results::readAll(path, draws);
    if (!error.empty()) {
        dialogs.message(error);
        draws.clear();
    }
    return draws;
}

} // namespace pickwise::stats
