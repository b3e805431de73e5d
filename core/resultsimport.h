#pragma once

#include "core/history.h"
#include "core/prizes.h"
#include "core/progress.h"
#include "core/resultscsv.h"

#include <string>
#include <string_view>
#include <vector>

namespace pickwise::resultsimport {

// A row the history disagrees with: it holds other numbers for the row's
// date, or other prize money. Nothing of the row is taken.
struct Conflict
{
    int line = 0;
    Date date;
    Draw held {}; // the numbers the history holds for that date
    bool otherNumbers = true; // false: same numbers, other prizes
};

struct Summary
{
    enum class Outcome {
        Done, // every valid row taken, skipped or in conflict
        Empty, // the file holds no row at all
        NoValidRow, // every row rejected
        Cancelled,
        Failed, // the file could not be read or the history not written
    };
    Outcome outcome = Outcome::Done;
    int added = 0; // draws new to the history
    int skipped = 0; // rows whose draw the history already holds, numbers alike
    int prizesTaken = 0; // draw dates whose prizes were added or completed
    std::vector<Conflict> conflicts;
    std::vector<resultscsv::Rejected> rejected;
    std::string error; // Failed: why

    // Whether the history or the prize file was rewritten.
    bool changed() const { return outcome == Outcome::Done && (added > 0 || prizesTaken > 0); }
};

// Imports the rows of a results CSV. Draws for dates the history does not
// hold are inserted in date order; a date held with the same numbers is
// skipped; a date held with other numbers is a conflict and left as it is
// (rows of one file are compared with the rows before them the same way).
// Prizes of full rows are added for dates not known and completed where
// divisions were not known; other amounts than known ones make the row a
// conflict. The history and the prize file are then rewritten together,
// once, in one atomic step; nothing changes on a cancel, when no row is
// valid, or when the write fails. history and prizes must be loaded; on
// success they hold what was written.
Summary importText(ResultsHistory &history, PrizeStore &prizes, std::string_view content,
    const Progress &progress = {});

// The same for a file; a file that cannot be read is Failed.
Summary importFile(ResultsHistory &history, PrizeStore &prizes, const std::string &csvPath,
    const Progress &progress = {});

// The message that tells the user what the import did.
std::string summaryText(const Summary &summary);

} // namespace pickwise::resultsimport
