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

// Copies source to destination only when there is no destination yet, so a
// user's own file is never replaced. laid tells whether it was copied.
std::string layIfMissing(const std::string &source, const std::string &destination, bool &laid);

} // namespace pickwise::shipdata
