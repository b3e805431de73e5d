#pragma once

#include "core/datapaths.h"
#include "core/dates.h"
#include "core/history.h"
#include "core/money.h"
#include "core/prizes.h"
#include "core/progress.h"

#include <string>
#include <vector>

namespace pickwise::ledger {

// A board of the Lotto costs R5.00 unless the player says otherwise.
constexpr Cents defaultBoardPrice = 500;

// One draw date the player had entries for.
struct Row
{
    Date date;
    int boards = 0; // entries in the date's entry file
    Cents cost = 0;
    Winnings won; // by division, at that draw's prizes
    Cents balance = 0; // won less spent, from the first row to this one

    // Some winning line's prize is not known: the row's won and the balance
    // from here on leave it out.
    bool prizesUnknown() const { return !won.complete(); }
};

struct Totals
{
    int draws = 0;
    int boards = 0;
    Cents cost = 0;
    Winnings won;
    Cents balance = 0;
    int unknownDraws = 0; // rows whose prizes are not all known
};

struct Ledger
{
    enum class Outcome { Done, Cancelled, Failed };
    Outcome outcome = Outcome::Done;
    std::string error; // Failed: the history could not be read
    std::vector<Row> rows;
    Totals totals;
    std::vector<std::string> unreadFiles; // entry files that could not be read, with why
};

// Spent and won: every draw of the history dated from..to whose dated entry
// file (DataPaths::datedEntries) is in the data folder and holds entries,
// oldest first. Entry files are only read, never made.
Ledger build(const ResultsHistory &history, const PrizeStore &prizes, const DataPaths &paths,
    const Date &from, const Date &to, Cents boardPrice, const Progress &progress = {});

// The same, reading the history and the prize file of the data folder. Missing
// or damaged prizes leave prizes unknown; an unreadable history is Failed.
Ledger build(const DataPaths &paths, const Date &from, const Date &to, Cents boardPrice,
    const Progress &progress = {});

// The ledger as a CSV text: a header, one line per row, a totals line.
std::string csvText(const Ledger &ledger);

} // namespace pickwise::ledger
