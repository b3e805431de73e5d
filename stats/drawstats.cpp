#include "stats/drawstats.h"

#include "core/numbers.h"
#include "core/recordfile.h"

#include <algorithm>
#include <utility>

namespace pickwise::stats {

const char *const exceedMessage
    = "Your value for last draws exceed the number of actual draws. Setting to actual draws.";

View viewOf(int16_t statview)
{
    switch (statview) {
    case 1:
        return View::Bonus;
    case 3:
        return View::LottoBonus;
    default:
        return View::Lotto;
    }
}

bool countsPosition(View view, int position)
{
    switch (view) {
    case View::Bonus:
        return position == 6;
    case View::Lotto:
        return position >= 0 && position < 6;
    case View::LottoBonus:
        return position >= 0 && position < 7;
    }
    return false;
}

LastDraws readLastDraws(const std::string &text)
{
    const double n = roundHalfEven(leadingNumber(text));
    if (!(n >= 1.0))
        return {};
    // No history holds more than RecordFile::maxRecords draws, so anything
    // larger asks for more than there is, whatever its exact size.
    constexpr double beyondAnyHistory = RecordFile::maxRecords + 1.0;
    return {true, static_cast<int>(std::min(n, beyondAnyHistory))};
}

Tally countDraws(const std::vector<BallRecord> &draws, View view, const LastDraws &request,
    const GameMatrix &game)
{
    Tally tally;
    const int n = static_cast<int>(draws.size());
    tally.first = 1;
    tally.last = n;
    if (request.recent) {
        const int first = n - request.range + 1;
        if (first < 1)
            tally.exceeded = true;
        else
            tally.first = first;
    }
    // The positions the view counts are a run of them; the highest ball is
    // held apart, as the counters could otherwise alias it and have it read
    // again for every ball.
    int from = 0;
    while (from < 7 && !countsPosition(view, from))
        ++from;
    int to = from;
    while (to < 7 && countsPosition(view, to))
        ++to;
    const unsigned highest = static_cast<unsigned>(game.highestBall);
    for (int r = tally.first; r <= tally.last; ++r) {
        const BallRecord &draw = draws[static_cast<size_t>(r - 1)];
        for (int p = from; p < to; ++p) {
            // A damaged record's out-of-range numbers (0 and below too) are
            // skipped, not indexed.
            const unsigned index = static_cast<unsigned>(draw.ball[static_cast<size_t>(p)] - 1);
            if (index < highest)
                ++tally.counts[index];
        }
    }
    return tally;
}

Ranking rankBalls(const BallCounts &counts, const GameMatrix &game)
{
    Ranking rows(static_cast<size_t>(game.highestBall));
    for (int i = 0; i < game.highestBall; ++i)
        rows[static_cast<size_t>(i)] = {i + 1, counts[static_cast<size_t>(i)]};
    // Deliberately this exchange order and no library sort: ties end up where
    // these exchanges put them, and the bars must stand exactly there.
    for (auto &a : rows) {
        for (auto &b : rows) {
            if (b.count > a.count)
                std::swap(a, b);
        }
    }
    return rows;
}

namespace {

ChartRow chartRow(int ball, int count)
{
    return {" " + std::to_string(ball), count};
}

} // namespace

std::vector<ChartRow> chartTable(const BallCounts &counts, const GameMatrix &game)
{
    std::vector<ChartRow> table;
    for (int i = 0; i < game.highestBall; ++i)
        table.push_back(chartRow(i + 1, counts[static_cast<size_t>(i)]));
    return table;
}

std::vector<ChartRow> chartTable(const Ranking &ranking)
{
    std::vector<ChartRow> table;
    for (const RankRow &row : ranking)
        table.push_back(chartRow(row.ball, row.count));
    return table;
}

std::string caption(View view, bool sorted)
{
    std::string text;
    switch (view) {
    case View::Bonus:
        text = "Draw Statistics for Bonus Ball";
        break;
    case View::Lotto:
        text = "Draw Statistics for Lotto";
        break;
    case View::LottoBonus:
        text = "Draw Statistics for Lotto and Bonus";
        break;
    }
    return sorted ? text + " (Sorted)" : text;
}

int roundedShare(int perDraw, int draws, const GameMatrix &game)
{
    const long long product = static_cast<long long>(perDraw) * draws;
    const long long balls = game.highestBall;
    return static_cast<int>((2 * product + balls) / (2 * balls));
}

} // namespace pickwise::stats
