#pragma once

#include "core/ballrecord.h"
#include "core/checker.h"
#include "core/dates.h"
#include "core/game.h"
#include "core/history.h"
#include "core/lines.h"
#include "core/prizes.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace pickwise::historycheck {

// Four result lists of at most 32730 lines each, below a list box's own limit.
constexpr int listLimit = 32730;
constexpr int listCount = 4;

// A tier of the game as the summary names it ("Match 6", "Match 5+B", ...
// "Match 2+B"); "" for a tier the game does not have.
std::string summaryLabel(int tier, const GameMatrix &game);
// A tier as the result lists write it: "Match 5+PB" where the summary says 5+B.
std::string listTag(int tier, const GameMatrix &game);

// "07 MAY  2003": the draw's date as the header of its winning lines.
std::string headerLine(const BallRecord &draw);
std::string headerLine(const HistoryDraw &draw);

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
Range findHistoryRange(const std::vector<HistoryDraw> &draws, const Date &start, const Date &end);

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

// Wins per tier, tier t counted at [t - 1], sized for the game with the most
// tiers. Every game numbers its tiers alike (the 6 of 52 game adds its eighth
// after the seven of the 6 of 49 game), so one count serves a range of both.
class TierCounts
{
public:
    using Counts = std::array<long long, largestTierCount>;
    using iterator = Counts::iterator;
    using const_iterator = Counts::const_iterator;
    using value_type = long long;

    long long &operator[](size_t i) { return m_counts[i]; }
    long long operator[](size_t i) const { return m_counts[i]; }
    static constexpr size_t size() { return largestTierCount; }
    iterator begin() { return m_counts.begin(); }
    iterator end() { return m_counts.end(); }
    const_iterator begin() const { return m_counts.begin(); }
    const_iterator end() const { return m_counts.end(); }

    bool operator==(const TierCounts &o) const { return m_counts == o.m_counts; }
    bool operator!=(const TierCounts &o) const { return !(*this == o); }
    // The counts of a game with fewer tiers: equal when the first N agree and
    // no tier beyond them won.
    template<size_t N>
    bool operator==(const std::array<long long, N> &o) const
    {
        static_assert(N <= largestTierCount, "more tiers than any game has");
        for (size_t i = 0; i < largestTierCount; ++i)
            if (m_counts[i] != (i < N ? o[i] : 0))
                return false;
        return true;
    }
    template<size_t N>
    bool operator!=(const std::array<long long, N> &o) const
    {
        return !(*this == o);
    }

private:
    Counts m_counts {};
};

struct Tally
{
    TierCounts wins;
    // What the winning lines won at their draws' prizes.
    Winnings won;
};

// The entries, read once for the whole check, with the one checker and each
// entry's line.
class Checker
{
public:
    explicit Checker(std::vector<Entry> entries);
    // The prize money the wins are paid from; none known without it.
    void usePrizes(const PrizeStore *prizes) { m_prizes = prizes; }
    const DrawPrizes *prizesOn(const Date &date) const
    {
        return m_prizes ? m_prizes->find(date) : nullptr;
    }

    // One draw of the game given: counts every winning entry under its tier
    // and lists it.
    void checkDraw(const Draw &draw, Tally &tally, ResultLists &lines,
        const GameMatrix &game = sixOf49(), const DrawPrizes *prizes = nullptr) const;

    int entryCount() const { return m_checker.entryCount(); }

private:
    // Lists an entry's winning line.
    void win(size_t entry, const std::string &tag, ResultLists &lines) const;

    EntryChecker m_checker;
    const PrizeStore *m_prizes = nullptr;
    // "01 02 03 04 05 06 ": each entry's numbers as its winning lines begin,
    // written once instead of once per win.
    std::vector<std::string> m_linePrefix;
};

// Header and winning lines of every draw in the range, in order, each draw
// checked by the game of its date. afterDraw(done)
// runs after each draw (done = draws finished so far) and returns false to stop
// there. Returns the number of draws checked.
int checkRange(const Checker &checker, const std::vector<BallRecord> &draws, const Range &range,
    Tally &tally, ResultLists &lines, const std::function<bool(int)> &afterDraw = {});
int checkRange(const Checker &checker, const std::vector<HistoryDraw> &draws, const Range &range,
    Tally &tally, ResultLists &lines, const std::function<bool(int)> &afterDraw = {});

} // namespace pickwise::historycheck
