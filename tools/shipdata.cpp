#include "tools/shipdata.h"

#include "core/fileio.h"
#include "core/history.h"
#include "core/prizes.h"
#include "core/resultsimport.h"

namespace pickwise::shipdata {

std::string build(const std::string &csvPath, const std::string &resultsPath,
    const std::string &prizesPath, std::string &summary)
{
    summary.clear();
    for (const std::string &path : {resultsPath, prizesPath}) {
        std::string error = removeFile(path);
        if (!error.empty())
            return error;
    }
    ResultsHistory history(resultsPath);
    std::string error = history.load();
    if (!error.empty())
        return error;
    PrizeStore prizes(prizesPath);
    prizes.load(); // missing: none
    const resultsimport::Summary result = resultsimport::importFile(history, prizes, csvPath);
    summary = resultsimport::summaryText(result);
    if (result.outcome != resultsimport::Summary::Outcome::Done || result.added == 0
        || !result.rejected.empty() || !result.conflicts.empty())
        return "The shipped draws did not import whole:\n" + summary;
    // The prize file is laid beside the history even when no row had prizes.
    return fileExists(prizesPath) ? std::string() : prizes.save();
}

} // namespace pickwise::shipdata
