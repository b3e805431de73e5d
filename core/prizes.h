#pragma once

#include "core/datapaths.h"
#include "core/dates.h"
#include "core/fileio.h"
#include "core/game.h"
#include "core/lines.h"
#include "core/money.h"

#include <array>
#include <map>
#include <string>
#include <vector>

namespace pickwise {

// The prize money of the draws, kept beside the results history in the data
// folder: one line per draw date, the prize per winning board of each
// division in rand, a division nobody won (or whose prize is not known) left
// empty:
//
//     date,div1,div2,div3,div4,div5,div6,div7,div8
//     2024-11-13,,88741.00,4822.90,1873.00,160.90,93.40,50.00,20.00
//
// Plain text rather than a database: a few hundred small lines that a person
// can read, check and mend in any editor or spreadsheet, written like the
// history itself to a temporary file renamed into place, so that one import
// replaces both files together.

// Division k is tier k of the draw's game: 1 = six numbers ... 8 = two and the bonus.
constexpr int prizeDivisions = largestTierCount;

// The prize per winning board of each division of one draw. A prize of 0 is
// not known: the data gives 0.00 where nobody won (a jackpot that rolled
// over), which says nothing of what a winner would have had.
struct DrawPrizes
{
    std::array<Cents, prizeDivisions> perBoard {};

    bool known(int division) const { return prize(division) > 0; }
    Cents prize(int division) const
    {
        return division >= 1 && division <= prizeDivisions
            ? perBoard[static_cast<size_t>(division - 1)]
            : 0;
    }
    bool anyKnown() const;
    bool operator==(const DrawPrizes &o) const { return perBoard == o.perBoard; }
    bool operator!=(const DrawPrizes &o) const { return !(*this == o); }
};

class PrizeStore
{
public:
    PrizeStore() = default;
    explicit PrizeStore(std::string path) : m_path(std::move(path)) { }

    const std::string &path() const { return m_path; }

    // Reads the file. A missing file is no prizes; a line that cannot be read
    // (damage, a date given twice) is passed over and its number listed, so
    // its draw's prizes are simply not known, and is written back as it was
    // after the others: nothing a person wrote there is lost. Never an error
    // for the caller to stop on: the program works on without prize money.
    struct LoadReport
    {
        bool missing = false;
        std::string error; // the file exists but could not be read
        std::vector<int> unreadLines;
    };
    LoadReport load();
    // The same for a file's content already read.
    LoadReport read(std::string_view content);

    // The prizes of a draw date, nullptr when none are known.
    const DrawPrizes *find(const Date &date) const;

    enum class Merge {
        Added, // no prizes were known for the date
        Completed, // divisions not known before are filled in
        Same, // nothing new
        Differs, // a division known here holds another amount: nothing changed
    };
    // What taking these prizes would do, without doing it.
    Merge compare(const Date &date, const DrawPrizes &prizes) const;
    // Takes the prizes unless they differ from known ones.
    Merge merge(const Date &date, const DrawPrizes &prizes);

    int size() const { return static_cast<int>(m_byDate.size()); }

    // The file's content for the prizes held, oldest date first.
    std::vector<uint8_t> fileBytes() const;
    FileContent fileContent() const { return {m_path, fileBytes()}; }
    // Replaces the file atomically.
    std::string save() const;

    // Why the file must not be written, "" when it may: it was not read, or
    // not read whole.
    const std::string &writeRefusal() const { return m_readError; }

private:
    struct Dated
    {
        Date date;
        DrawPrizes prizes;
    };
    std::string m_path;
    std::map<long long, Dated> m_byDate;
    std::vector<std::string> m_unread; // lines not understood, as they were
    std::string m_readError = "The prize file has not been read.";
};

// What the winning lines of some entries won at one draw.
struct Winnings
{
    std::array<int, prizeDivisions> lines {}; // winning lines by division
    std::array<Cents, prizeDivisions> won {}; // what they won, where the prize is known
    Cents total = 0; // the known part
    int unknownLines = 0; // winning lines whose division's prize is not known

    int winningLines() const;
    // One winning line of a division, paid the division's prize when known
    // (prizes nullptr: none known).
    void add(int division, const DrawPrizes *prizes);
    bool complete() const { return unknownLines == 0; }
    Winnings &operator+=(const Winnings &other);
};

// Each entry checked against the draw under the tiers of its date's game, and
// paid the prize of its division at that draw (prizes nullptr: none known).
Winnings winningsOf(const Date &drawDate, const Draw &balls, const std::vector<Entry> &entries,
    const DrawPrizes *prizes);

// What a check shows beside "Total Wins": "R103463.40" when every winning
// line's prize is known, "prizes not known" when none is, "R1873.00 and
// prizes not known" when some are; "R0.00" when no line won.
std::string wonText(const Winnings &winnings);

} // namespace pickwise
