#pragma once

#include <string>

namespace pickwise::shipdata {

// Makes the results file and the prize file from the draws shipped with the
// program (data/sa-lotto-draws.csv), through the same import and record
// writer the program uses: the files are made anew. Every row must be taken:
// a rejected or conflicting row is an error, with the import's summary.
// summary gets the import's message either way.
std::string build(const std::string &csvPath, const std::string &resultsPath,
    const std::string &prizesPath, std::string &summary);

} // namespace pickwise::shipdata
