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

// What is said of a row whose prizes are not all known: "prizes not known for
// 2 winning lines"; "" when they are.
std::string rowNote(const Row &row);
// The same for the totals, with the draws it concerns: "prizes not known for
// 3 winning lines on 2 draws: not counted"; "" when every prize is known.
std::string totalsNote(const Totals &totals);

// Division 1..prizeDivisions as the check names its winning lines: "(5+B)".
const char *divisionName(int division);
// What the lines of one division won at one draw: "R100.00", "prize not
// known", or "" when none of them won.
std::string divisionWonText(const Winnings &won, int division);

// boardprice.dat: the price per board the player set, in rand as the prize
// file writes amounts ("5.00") and a line end. A missing file, or one that
// holds anything else, gives the default.
Cents readBoardPrice(const std::string &path);
// Replaces the file atomically; "" or the error.
std::string writeBoardPrice(const std::string &path, Cents price);

} // namespace pickwise::ledger
