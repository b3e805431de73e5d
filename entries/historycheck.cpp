#include "entries/historycheck.h"

#include "core/prize.h"

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

} // namespace

std::string summaryLabel(int tier)
{
    static const char *labels[]
        = {"Match 6", "Match 5+B", "Match 5", "Match 4+B", "Match 4", "Match 3+B", "Match 3"};
    return tier >= 1 && tier <= 7 ? labels[tier - 1] : "";
}

std::string listTag(int tier)
{
    static const char *tags[]
        = {"Match 6", "Match 5+PB", "Match 5", "Match 4+PB", "Match 4", "Match 3+PB", "Match 3"};
    return tier >= 1 && tier <= 7 ? tags[tier - 1] : "";
}

std::string headerLine(const BallRecord &draw)
{
    return twoDigitText(draw.day) + " " + monthabbrev(draw.month) + " " + signedText(draw.year);
}

std::string checkText(const std::string &entryCountText, int draws)
{
    return "Check " + entryCountText + " entries against " + signedText(draws) + " results.";
}

Range findRange(const std::vector<BallRecord> &draws, const Date &start, const Date &end)
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

Checker::Checker(std::vector<Entry> entries) : m_entries(std::move(entries))
{
    m_bits.reserve(m_entries.size());
    m_linePrefix.reserve(m_entries.size());
    for (const Entry &e : m_entries) {
        const checking::NumberMask mask = checking::maskOf(e);
        m_bits.push_back(mask.bits);
        m_distinct.push_back(mask.distinct);
        m_allFit.push_back(mask.allFit);
        m_allDistinct = m_allDistinct && mask.distinct;
        m_linePrefix.push_back(winLineText(e, std::string()));
    }
}

void Checker::win(size_t entry, int matched, bool bonusHeld, Tally &tally, ResultLists &lines) const
{
    static const std::array<std::string, 7> tags {
        listTag(1), listTag(2), listTag(3), listTag(4), listTag(5), listTag(6), listTag(7)};
    const int tier = prizeTier(matched, bonusHeld);
    ++tally.wins[static_cast<size_t>(tier - 1)];
    if (!lines.accepting())
        return;
    const std::string &prefix = m_linePrefix[entry];
    const std::string &tag = tags[static_cast<size_t>(tier - 1)];
    std::string line;
    line.reserve(prefix.size() + tag.size());
    line += prefix;
    line += tag;
    lines.add(std::move(line));
}

void Checker::checkDraw(const Draw &draw, Tally &tally, ResultLists &lines) const
{
    const checking::NumberMask drawMask = checking::maskOf(draw, 6);
    const int bonus = draw[6];
    const bool bonusFits = bonus >= 0 && bonus <= 63;
    // A bonus outside 0..63 is none of the numbers a fitting entry holds.
    const uint64_t bonusBit = bonusFits ? uint64_t(1) << bonus : 0;
    const size_t count = m_entries.size();
    const uint64_t *bits = m_bits.data();

    if (m_allDistinct && drawMask.distinct) {
        // Six distinct numbers on both sides: the pairs of equal numbers are
        // simply the numbers they share. Almost every entry ends at the first
        // test, so that test is all this loop does.
        const uint64_t drawBits = drawMask.bits;
        for (size_t e = 0; e < count; ++e) {
            const int matched = checking::bitCount(bits[e] & drawBits);
            if (matched >= 3)
                win(e, matched, (bits[e] & bonusBit) != 0, tally, lines);
        }
        return;
    }

    for (size_t e = 0; e < count; ++e) {
        const bool exact = m_distinct[e] && drawMask.distinct;
        const int matched = exact ? checking::bitCount(bits[e] & drawMask.bits)
                                  : matchedMainNumbers(m_entries[e], draw);
        if (matched < 3)
            continue;
        const bool bonusHeld
            = m_allFit[e] && bonusFits ? (bits[e] & bonusBit) != 0 : holdsBonus(m_entries[e], draw);
        win(e, matched, bonusHeld, tally, lines);
    }
}

int checkRange(const Checker &checker, const std::vector<BallRecord> &draws, const Range &range,
    Tally &tally, ResultLists &lines, const std::function<bool(int)> &afterDraw)
{
    if (range.empty)
        return 0;
    int done = 0;
    for (int r = range.first; r <= range.last; ++r) {
        const BallRecord &record = draws[static_cast<size_t>(r - 1)];
        if (lines.accepting())
            lines.add(headerLine(record));
        checker.checkDraw(record.ball, tally, lines);
        ++done;
        if (afterDraw && !afterDraw(done))
            break;
    }
    return done;
}

} // namespace pickwise::historycheck
