#pragma once

#include "core/ballrecord.h"
#include "core/dates.h"
#include "core/lines.h"
#include "entries/numbermask.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace pickwise::historycheck {

// Four result lists of at most 32730 lines each, below a list box's own limit.
constexpr int listLimit = 32730;
constexpr int listCount = 4;

// Tier 1..7: "Match 6", "Match 5+B", ... for the summary; "" otherwise.
std::string summaryLabel(int tier);
// Tier 1..7 as the result lists write it: "Match 5+PB" where the summary says 5+B.
std::string listTag(int tier);

// "07 MAY  2003": the draw's date as the header of its winning lines.
std::string headerLine(const BallRecord &draw);

// "Check 12 entries against  30 results."
std::string checkText(const std::string &entryCountText, int draws);

// Records first..last (1-based) of the results that lie in the range.
struct Range
{
    int first = 1;
    int last = 0;
    bool empty = true;
    int draws() const { return empty ? 0 : last - first + 1; }
};

// Start and end are compared as date keys with draws kept in date order: the
// range starts at the first draw on or after start and ends at the last draw on
// or before end.
Range findRange(const std::vector<BallRecord> &draws, const Date &start, const Date &end);

// The result lines, filled one list after the other. Once all four are full the
// lines are dropped and full() tells the user so; the tier counts go on.
class ResultLists
{
public:
    void clear();
    void add(std::string line);
    // A line added now would be kept; once the lists are full, callers skip
    // building lines that would only be dropped.
    bool accepting() const { return !m_full; }

    int index() const { return m_index; } // the list being filled, 0..3
    bool full() const { return m_full; }
    // A list has filled up, so list 0 is the one to show while the rest fill.
    bool overflowed() const { return m_overflowed; }
    const std::vector<std::string> &list(int k) const { return m_lists[static_cast<size_t>(k)]; }
    long long totalLines() const;

private:
    std::array<std::vector<std::string>, listCount> m_lists;
    int m_index = 0;
    int m_counter = 0;
    bool m_full = false;
    bool m_overflowed = false;
};

// Wins per tier; wins[0] is tier 1 ("Match 6") .. wins[6] tier 7 ("Match 3").
struct Tally
{
    std::array<long long, 7> wins {};
};

// The entries, read once for the whole check, with their number sets.
class Checker
{
public:
    explicit Checker(std::vector<Entry> entries);

    // One draw: counts every winning entry under its tier and lists it.
    void checkDraw(const Draw &draw, Tally &tally, ResultLists &lines) const;

    int entryCount() const { return static_cast<int>(m_entries.size()); }

private:
    void win(size_t entry, int matched, bool bonusHeld, Tally &tally, ResultLists &lines) const;

    std::vector<Entry> m_entries;
    // Kept apart so the loop over the entries reads one array of bits.
    std::vector<uint64_t> m_bits;
    std::vector<char> m_distinct;
    std::vector<char> m_allFit;
    // Every entry's set of bits stands for it exactly (none damaged).
    bool m_allDistinct = true;
    // "01 02 03 04 05 06 ": each entry's numbers as its winning lines begin,
    // written once instead of once per win.
    std::vector<std::string> m_linePrefix;
};

// Header and winning lines of every draw in the range, in order. afterDraw(done)
// runs after each draw (done = draws finished so far) and returns false to stop
// there. Returns the number of draws checked.
int checkRange(const Checker &checker, const std::vector<BallRecord> &draws, const Range &range,
    Tally &tally, ResultLists &lines, const std::function<bool(int)> &afterDraw = {});

} // namespace pickwise::historycheck
