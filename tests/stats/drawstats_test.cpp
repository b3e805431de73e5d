#include "stats/drawstats.h"

#include "tests/support/testsupport.h"

#include <gtest/gtest.h>

#include <numeric>

using namespace pickwise;
using namespace pickwise::stats;
namespace support = pickwise::testing;

namespace {

int total(const BallCounts &counts)
{
    return std::accumulate(counts.begin(), counts.end(), 0);
}

std::vector<int> rankedBalls(std::initializer_list<std::pair<int, int>> ballCounts)
{
    BallCounts counts {};
    for (auto [ball, count] : ballCounts)
        counts[static_cast<size_t>(ball - 1)] = count;
    std::vector<int> balls;
    for (const RankRow &row : rankBalls(counts))
        balls.push_back(row.ball);
    return balls;
}

} // namespace

TEST(CountDraws, UseLastDrawsOverAHundredDraws)
{
    const auto draws = support::makeHistory(100);
    struct Case
    {
        const char *text;
        bool exceeded;
        int first;
    };
    const Case cases[] = {
        {"10", false, 91},
        {"3.5", false, 97}, // rounds to 4
        {"2.5", false, 99}, // rounds to 2
        {"150", true, 1},
        {"99999", true, 1}, // beyond 16 bits: still more than the history
        {"0", false, 1},
        {"", false, 1},
        {"abc", false, 1},
    };
    for (const Case &c : cases) {
        const Tally tally = countDraws(draws, View::Lotto, readLastDraws(c.text));
        EXPECT_EQ(tally.exceeded, c.exceeded) << c.text;
        EXPECT_EQ(tally.first, c.first) << c.text;
        EXPECT_EQ(total(tally.counts), 6 * (101 - c.first)) << c.text;
    }
    // The last ten are counted exactly as on their own.
    const std::vector<BallRecord> lastTen(draws.begin() + 90, draws.end());
    EXPECT_EQ(countDraws(draws, View::Lotto, readLastDraws("10")).counts,
        countDraws(lastTen, View::Lotto, {}).counts);
    // With no history any value exceeds it.
    EXPECT_TRUE(countDraws({}, View::Lotto, readLastDraws("1")).exceeded);
}

TEST(CountDraws, ViewsCountTheirOwnBalls)
{
    const auto draws = support::makeHistory(250);
    const BallCounts bonus = countDraws(draws, View::Bonus, {}).counts;
    const BallCounts lotto = countDraws(draws, View::Lotto, {}).counts;
    const BallCounts both = countDraws(draws, View::LottoBonus, {}).counts;
    EXPECT_EQ(total(bonus), 250);
    EXPECT_EQ(total(lotto), 6 * 250);
    for (size_t b = 0; b < bonus.size(); ++b)
        EXPECT_EQ(both[b], lotto[b] + bonus[b]) << "ball " << b + 1;

    auto damaged = support::makeHistory(1);
    damaged[0].ball = {0, 50, -1, 3, 4, 5, 300};
    EXPECT_EQ(total(countDraws(damaged, View::LottoBonus, {}).counts), 3);
}

TEST(Ranking, ExchangeOrderDecidesTies)
{
    // Counts 3, 1, 2 on balls 1, 2, 3: the last three bars are balls 2, 3, 1.
    const auto ranked = rankedBalls({{1, 3}, {2, 1}, {3, 2}});
    EXPECT_EQ(std::vector<int>(ranked.end() - 3, ranked.end()), (std::vector<int> {2, 3, 1}));

    // Ties do not stay in ball order: ball 4 drawn once pushes ball 1 behind
    // balls 2 and 3.
    std::vector<int> expected {2, 3, 1};
    for (int b = 5; b <= 49; ++b)
        expected.push_back(b);
    expected.push_back(4);
    EXPECT_EQ(rankedBalls({{4, 1}}), expected);
}
