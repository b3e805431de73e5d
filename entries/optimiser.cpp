#include "entries/optimiser.h"

#include "core/numbers.h"

#include <algorithm>

namespace pickwise::optimiser {

int16_t LinkTable::links(int a, int b) const
{
    if (!isBall(a) || !isBall(b))
        return 0;
    return m_links[static_cast<size_t>(a * side + b)];
}

void LinkTable::process(
    const std::vector<BallRecord> &draws, int first, int last, const GameMatrix &game)
{
    m_highestBall = game.highestBall;
    first = std::max(first, 1);
    last = std::min(last, static_cast<int>(draws.size()));
    for (int r = first; r <= last; ++r) {
        const auto &balls = draws[static_cast<size_t>(r - 1)].ball;
        // Each key number counts a draw once, however often it stands in it.
        bool seen[side] = {};
        for (int i = 0; i < 6; ++i) {
            const int a = balls[static_cast<size_t>(i)];
            if (!isBall(a) || seen[a])
                continue;
            seen[a] = true;
            for (int j = 0; j < 6; ++j) {
                const int b = balls[static_cast<size_t>(j)];
                if (b != a && isBall(b))
                    ++m_links[static_cast<size_t>(a * side + b)];
            }
        }
    }
}

RangeChoice chooseRange(const std::string &text, int drawCount)
{
    RangeChoice choice;
    if (text.empty()) {
        choice.problem = RangeProblem::Empty;
        return choice;
    }
    if (drawCount == 0) {
        choice.problem = RangeProblem::NoDraws;
        return choice;
    }
    const double value = leadingNumber(text);
    if (value < 1 || value > drawCount) {
        choice.problem = RangeProblem::Outside;
        return choice;
    }
    choice.first = drawCount - static_cast<int>(roundHalfEven(value - 1));
    return choice;
}

std::string problemText(RangeProblem problem)
{
    switch (problem) {
    case RangeProblem::Empty:
        return "Please enter a value";
    case RangeProblem::NoDraws:
        return "There are no draws in the history file, this process cannot be run.";
    case RangeProblem::Outside:
        return "Your entry is outside the permitted draw range";
    case RangeProblem::None:
        break;
    }
    return {};
}

std::string processedText(const std::string &text)
{
    return "Last " + text + " draws have been link processed";
}

std::string frameCaption(int drawCount)
{
    return "Enter number from 1 to " + std::to_string(drawCount);
}

int16_t GetBestFor(const LinkTable &table, int keyball, int e1, int e2, int e3, int e4, int e5)
{
    const int highest = table.highestBall();
    std::array<int, largestHighestBall + 1> row {};
    for (int n = 1; n <= highest; ++n)
        row[static_cast<size_t>(n)] = table.links(keyball, n);
    for (int taken : {e1, e2, e3, e4, e5})
        if (taken >= 1 && taken <= highest)
            row[static_cast<size_t>(taken)] = 0;
    int best = 0;
    for (int n = 1; n <= highest; ++n)
        if (row[static_cast<size_t>(n)] > 0
            && (best == 0 || row[static_cast<size_t>(n)] > row[static_cast<size_t>(best)]))
            best = n;
    return static_cast<int16_t>(best);
}

std::vector<Entry> chainedEntries(const LinkTable &table)
{
    std::vector<Entry> made;
    for (int k = 1; k <= table.highestBall(); ++k) {
        std::array<int, 6> e {k, 0, 0, 0, 0, 0};
        bool complete = true;
        for (int i = 1; i < 6 && complete; ++i) {
            // The best partner of the number chosen just before, not of k.
            e[static_cast<size_t>(i)] = GetBestFor(table, e[static_cast<size_t>(i - 1)], e[0],
                i > 1 ? e[1] : 0, i > 2 ? e[2] : 0, i > 3 ? e[3] : 0, i > 4 ? e[4] : 0);
            complete = e[static_cast<size_t>(i)] != 0;
        }
        if (!complete)
            continue;
        std::sort(e.begin(), e.end());
        Entry entry {};
        for (size_t i = 0; i < 6; ++i)
            entry[i] = static_cast<int16_t>(e[i]);
        if (std::find(made.begin(), made.end(), entry) == made.end())
            made.push_back(entry);
    }
    return made;
}

int appendEntries(RecordFile &file, const std::vector<Entry> &entries, const Date &date)
{
    const int existing = file.count();
    BallRecord buffer = file.read(1);
    buffer.day = static_cast<int16_t>(date.day);
    buffer.month = static_cast<int16_t>(date.month);
    buffer.year = static_cast<int16_t>(date.year);
    int added = 0;
    for (const Entry &entry : entries) {
        if (existing + added >= RecordFile::maxRecords)
            break;
        std::copy(entry.begin(), entry.end(), buffer.ball.begin());
        file.write(existing + added + 1, buffer);
        ++added;
    }
    BallRecord first = file.read(1);
    first.count = existing + added;
    file.write(1, first);
    return added;
}

std::string doneText(int added, const std::string &dateText)
{
    return "Done - " + std::to_string(added) + " entries added to draw " + dateText;
}

std::string otherGameText(const GameMatrix &processed, const GameMatrix &dated)
{
    return std::string("The processed draws are of the ") + processed.name
        + " game; entries for the selected date belong to the " + dated.name
        + " game. Please select a date of the " + processed.name + " game.";
}

} // namespace pickwise::optimiser
