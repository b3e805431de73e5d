#include "entries/historycheck.h"

namespace pickwise::historycheck {

namespace {

// A number as the status and header texts write it: a blank stands where a
// minus sign would.
std::string signedText(long long value)
{
    return (value >= 0 ? " " : "") + std::to_string(value);
}

long long keyOf(const BallRecord &r)
{
    return datekey(r.year, r.month, r.day);
}

long long keyOf(const HistoryDraw &d)
{
    return datekey(d.date);
}

const Draw &ballsOf(const BallRecord &r)
{
    return r.ball;
}

const Draw &ballsOf(const HistoryDraw &d)
{
    return d.balls;
}

Date dateOf(const BallRecord &r)
{
    return {r.year, r.month, r.day};
}

Date dateOf(const HistoryDraw &d)
{
    return d.date;
}

const GameMatrix &gameOf(const BallRecord &r)
{
    return matrixFor({r.year, r.month, r.day});
}

const GameMatrix &gameOf(const HistoryDraw &d)
{
    return d.matrix ? *d.matrix : matrixFor(d.date);
}

} // namespace

std::string summaryLabel(int tier, const GameMatrix &game)
{
    return tier >= 1 && tier <= game.tierCount() ? game.tier(tier).summary : "";
}

std::string listTag(int tier, const GameMatrix &game)
{
    return tier >= 1 && tier <= game.tierCount() ? game.tier(tier).listTag : "";
}

std::string headerLine(const BallRecord &draw)
{
    return headerLine(HistoryDraw {{draw.year, draw.month, draw.day}, {}, nullptr, 0});
}

std::string headerLine(const HistoryDraw &draw)
{
    const Date &d = draw.date;
    return twoDigitText(d.day) + " " + monthabbrev(d.month) + " " + signedText(d.year);
}

std::string checkText(const std::string &entryCountText, int draws)
{
    return "Check " + entryCountText + " entries against " + signedText(draws) + " results.";
}

namespace {

template<class Draws>
Range rangeOf(const Draws &draws, const Date &start, const Date &end)
{
    Range range;
    const int count = static_cast<int>(draws.size());
    if (count == 0)
        return range;
    const long long startKey = datekey(start);
    const long long endKey = datekey(end);

    int first = 1;
    for (int r = 1; r <= count; ++r) {
        if (keyOf(draws[static_cast<size_t>(r - 1)]) >= startKey) {
            first = r;
            break;
        }
    }

    int last = count;
    int lastRead = count;
    for (int r = first; r <= count; ++r) {
        const long long key = keyOf(draws[static_cast<size_t>(r - 1)]);
        if (key >= endKey) {
            last = key == endKey ? r : r - 1;
            lastRead = r;
            break;
        }
    }

    range.first = first;
    range.last = last;
    // The second test catches a start after the last draw, where the first scan
    // found nothing and fell back to record 1.
    range.empty = last < first || startKey > keyOf(draws[static_cast<size_t>(lastRead - 1)]);
    return range;
}

} // namespace

Range findRange(const std::vector<BallRecord> &draws, const Date &start, const Date &end)
{
    return rangeOf(draws, start, end);
}

Range findHistoryRange(const std::vector<HistoryDraw> &draws, const Date &start, const Date &end)
{
    return rangeOf(draws, start, end);
}

void ResultLists::clear()
{
    for (auto &list : m_lists) {
        list.clear();
        list.shrink_to_fit();
    }
    m_index = 0;
    m_counter = 0;
    m_full = false;
    m_overflowed = false;
}

void ResultLists::add(std::string line)
{
    if (++m_counter > listLimit) {
        m_overflowed = true;
        if (m_index < listCount - 1) {
            ++m_index;
            m_counter = 1;
        } else {
            m_full = true;
        }
    }
    if (m_full)
        return;
    auto &list = m_lists[static_cast<size_t>(m_index)];
    if (list.empty())
        list.reserve(1024);
    list.push_back(std::move(line));
}

long long ResultLists::totalLines() const
{
    long long total = 0;
    for (const auto &list : m_lists)
        total += static_cast<long long>(list.size());
    return total;
}

Checker::Checker(std::vector<Entry> entries) : m_checker(std::move(entries))
{
    m_linePrefix.reserve(m_checker.entries().size());
    for (const Entry &e : m_checker.entries())
        m_linePrefix.push_back(winLineText(e, std::string()));
}

// Out of line: inlined into the loop over the entries, the line building
// pushes that loop's own values out of the registers, and most entries win
// nothing.
#if defined(__GNUC__)
__attribute__((noinline))
#endif
void Checker::win(size_t entry, const std::string &tag, ResultLists &lines) const
{
    const std::string &prefix = m_linePrefix[entry];
    std::string line;
    line.reserve(prefix.size() + tag.size());
    line += prefix;
    line += tag;
    lines.add(std::move(line));
}

void Checker::checkDraw(const Draw &draw, Tally &tally, ResultLists &lines, const GameMatrix &game,
    const DrawPrizes *prizes) const
{
    std::array<std::string, largestTierCount> tags;
    for (int t = 1; t <= game.tierCount(); ++t)
        tags[static_cast<size_t>(t - 1)] = listTag(t, game);
    m_checker.check(draw, game, [&](size_t entry, int tier) {
        ++tally.wins[static_cast<size_t>(tier - 1)];
        tally.won.add(tier, prizes);
        if (lines.accepting())
            win(entry, tags[static_cast<size_t>(tier - 1)], lines);
    });
}

namespace {

template<class Draws>
int checkDraws(const Checker &checker, const Draws &draws, const Range &range, Tally &tally,
    ResultLists &lines, const std::function<bool(int)> &afterDraw)
{
    if (range.empty)
        return 0;
    int done = 0;
    for (int r = range.first; r <= range.last; ++r) {
        const auto &draw = draws[static_cast<size_t>(r - 1)];
        if (lines.accepting())
            lines.add(headerLine(draw));
        checker.checkDraw(
            ballsOf(draw), tally, lines, gameOf(draw), checker.prizesOn(dateOf(draw)));
        ++done;
        if (afterDraw && !afterDraw(done))
            break;
    }
    return done;
}

} // namespace

int checkRange(const Checker &checker, const std::vector<BallRecord> &draws, const Range &range,
    Tally &tally, ResultLists &lines, const std::function<bool(int)> &afterDraw)
{
    return checkDraws(checker, draws, range, tally, lines, afterDraw);
}

int checkRange(const Checker &checker, const std::vector<HistoryDraw> &draws, const Range &range,
    Tally &tally, ResultLists &lines, const std::function<bool(int)> &afterDraw)
{
    return checkDraws(checker, draws, range, tally, lines, afterDraw);
}

} // namespace pickwise::historycheck
