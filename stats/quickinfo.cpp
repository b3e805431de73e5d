#include "stats/quickinfo.h"

#include "stats/drawstats.h"

#include <algorithm>
#include <functional>

namespace pickwise::stats {

namespace {

constexpr int hotWindow = 8;
constexpr int coldWindow = 15;

// Counts the six main numbers of the last `window` draws (all draws for 0).
BallCounts countMainNumbers(
    const std::vector<BallRecord> &draws, int window, const GameMatrix &game)
{
    const int n = static_cast<int>(draws.size());
    LastDraws request;
    if (window > 0 && n > window)
        request = {true, window};
    return countDraws(draws, View::Lotto, request, game).counts;
}

using Qualifies = std::function<bool(int count, int threshold)>;

// Tries each threshold in turn over the balls in ascending order, adding every
// ball that qualifies and is not listed yet, until 10 are listed.
void fill(const BallCounts &counts, const GameMatrix &game, const std::vector<int> &thresholds,
    const Qualifies &qualifies, std::vector<int> &list)
{
    for (int t : thresholds) {
        for (int ball = 1; ball <= game.highestBall; ++ball) {
            if (!qualifies(counts[static_cast<size_t>(ball - 1)], t))
                continue;
            if (std::find(list.begin(), list.end(), ball) != list.end())
                continue;
            list.push_back(ball);
            if (static_cast<int>(list.size()) == quickListSize)
                return;
        }
    }
}

// First with the strict thresholds; only when they find nothing, with the
// relaxed ones.
std::vector<int> fillRelaxing(const BallCounts &counts, const GameMatrix &game,
    const std::vector<int> &strict, const std::vector<int> &relaxed, const Qualifies &qualifies)
{
    std::vector<int> list;
    fill(counts, game, strict, qualifies, list);
    if (list.empty())
        fill(counts, game, relaxed, qualifies, list);
    return list;
}

} // namespace

std::vector<int> fillHot(const BallCounts &counts, const GameMatrix &game)
{
    return fillRelaxing(
        counts, game, {4, 3, 2}, {4, 3, 2, 1}, [](int count, int t) { return count > t; });
}

std::vector<int> fillCold(const BallCounts &counts, const GameMatrix &game)
{
    return fillRelaxing(
        counts, game, {0, 1}, {0, 1, 2}, [](int count, int t) { return count < t; });
}

std::vector<int> fillDue(const BallCounts &counts, int draws, const GameMatrix &game)
{
    // Thresholds run up to one below the rounded fair share.
    const int highest = roundedShare(6, draws, game) - 1;
    std::vector<int> thresholds;
    for (int t = 0; t <= highest; ++t)
        thresholds.push_back(t);
    std::vector<int> list;
    fill(
        counts, game, thresholds, [](int count, int t) { return count == t; }, list);
    return list;
}

std::vector<int> hotNumbers(const std::vector<BallRecord> &draws, const GameMatrix &game)
{
    return fillHot(countMainNumbers(draws, hotWindow, game), game);
}

std::vector<int> coldNumbers(const std::vector<BallRecord> &draws, const GameMatrix &game)
{
    return fillCold(countMainNumbers(draws, coldWindow, game), game);
}

std::vector<int> dueNumbers(const std::vector<BallRecord> &draws, const GameMatrix &game)
{
    return fillDue(countMainNumbers(draws, 0, game), static_cast<int>(draws.size()), game);
}

std::vector<int> quickNumbers(
    QuickInfo kind, const std::vector<BallRecord> &draws, const GameMatrix &game)
{
    switch (kind) {
    case QuickInfo::Hot:
        return hotNumbers(draws, game);
    case QuickInfo::Cold:
        return coldNumbers(draws, game);
    case QuickInfo::Due:
        return dueNumbers(draws, game);
    }
    return {};
}

std::string quickInfoMessage(QuickInfo kind, const std::vector<int> &balls)
{
    std::string s;
    for (int ball : balls)
        s += " " + std::to_string(ball);
    switch (kind) {
    case QuickInfo::Hot:
        return s.empty() ? "There are no hot numbers identified" : "Hot numbers are: " + s;
    case QuickInfo::Cold:
        return s.empty() ? "There are no cold numbers identified" : "Cold numbers are: " + s;
    case QuickInfo::Due:
        return "Due numbers are: " + s;
    }
    return {};
}

} // namespace pickwise::stats
