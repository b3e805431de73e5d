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

BallCounts countsWith(std::initializer_list<std::pair<int, int>> ballCounts)
{
    BallCounts counts {};
    for (auto [ball, count] : ballCounts)
        counts[static_cast<size_t>(ball - 1)] = count;
    return counts;
}

std::vector<int> ballsOf(const Ranking &ranking)
{
    std::vector<int> balls;
    for (const RankRow &row : ranking)
        balls.push_back(row.ball);
    return balls;
}

} // namespace

TEST(LastDraws, ReadsLeadingNumberRoundedHalfToEven)
{
    struct Case
    {
        const char *text;
        bool recent;
        int range;
    };
    const Case cases[] = {
        {"10", true, 10},
        {"  10 draws", true, 10},
        {"2.5", true, 2},
        {"3.5", true, 4},
        {"1", true, 1},
        {"0.5", false, 0},
        {"0", false, 0},
        {"", false, 0},
        {"abc", false, 0},
        {"-3", false, 0},
    };
    for (const Case &c : cases) {
        const LastDraws got = readLastDraws(c.text);
        EXPECT_EQ(got.recent, c.recent) << c.text;
        if (c.recent) {
            EXPECT_EQ(got.range, c.range) << c.text;
        }
    }
}

TEST(CountDraws, LastTenOfHundredCountsRecordsNinetyOneToHundred)
{
    const auto draws = support::makeHistory(100);
    const Tally tally = countDraws(draws, View::Lotto, readLastDraws("10"));
    EXPECT_FALSE(tally.exceeded);
    EXPECT_EQ(tally.first, 91);
    EXPECT_EQ(total(tally.counts), 60);
    // The same counts as the last ten draws counted on their own.
    const std::vector<BallRecord> lastTen(draws.begin() + 90, draws.end());
    EXPECT_EQ(tally.counts, countDraws(lastTen, View::Lotto, {}).counts);
}

TEST(CountDraws, MoreThanTheHistoryAsksForTheMessageAndCountsAll)
{
    const auto draws = support::makeHistory(100);
    const BallCounts all = countDraws(draws, View::Lotto, {}).counts;
    // 99999 lies beyond 16 bits: still just more than the history.
    for (const char *text : {"150", "101", "99999"}) {
        SCOPED_TRACE(text);
        const Tally tally = countDraws(draws, View::Lotto, readLastDraws(text));
        EXPECT_TRUE(tally.exceeded);
        EXPECT_EQ(tally.counts, all);
    }
    EXPECT_FALSE(countDraws(draws, View::Lotto, readLastDraws("100")).exceeded);
    // With no history at all any last-draws value exceeds it.
    EXPECT_TRUE(countDraws({}, View::Lotto, readLastDraws("1")).exceeded);
}

TEST(CountDraws, NoLastDrawsValueCountsEverythingSilently)
{
    const auto draws = support::makeHistory(100);
    for (const char *text : {"0", "", "abc"}) {
        const Tally tally = countDraws(draws, View::Lotto, readLastDraws(text));
        EXPECT_FALSE(tally.exceeded) << text;
        EXPECT_EQ(total(tally.counts), 600) << text;
    }
}

TEST(CountDraws, ViewsCountTheirOwnBalls)
{
    const auto draws = support::makeHistory(250);
    const BallCounts bonus = countDraws(draws, View::Bonus, {}).counts;
    const BallCounts lotto = countDraws(draws, View::Lotto, {}).counts;
    const BallCounts both = countDraws(draws, View::LottoBonus, {}).counts;
    EXPECT_EQ(total(bonus), 250);
    EXPECT_EQ(total(lotto), 6 * 250);
    EXPECT_EQ(total(both), 7 * 250);
    for (size_t b = 0; b < bonus.size(); ++b)
        EXPECT_EQ(both[b], lotto[b] + bonus[b]) << "ball " << b + 1;
}

TEST(CountDraws, DamagedNumbersAreSkipped)
{
    auto draws = support::makeHistory(2);
    draws[0].ball = {0, 50, -1, 3, 4, 5, 300};
    const Tally tally = countDraws(draws, View::LottoBonus, {});
    EXPECT_EQ(total(tally.counts), 3 + 7);
}

TEST(Ranking, ExchangeOrderPlacesBarsAscending)
{
    // Counts 3, 1, 2 on balls 1, 2, 3: the last three bars are balls 2, 3, 1.
    const auto ranked = ballsOf(rankBalls(countsWith({{1, 3}, {2, 1}, {3, 2}})));
    EXPECT_EQ(std::vector<int>(ranked.end() - 3, ranked.end()), (std::vector<int> {2, 3, 1}));

    // Ties are not left in ball order: one ball drawn once (ball 4) pushes
    // ball 1 behind balls 2 and 3.
    std::vector<int> expected {2, 3, 1};
    for (int b = 5; b <= 49; ++b)
        expected.push_back(b);
    expected.push_back(4);
    EXPECT_EQ(ballsOf(rankBalls(countsWith({{4, 1}}))), expected);
}

TEST(Ranking, RealHistoryGivesEveryBallOnceWithRisingCounts)
{
    const auto draws = support::makeHistory(300);
    const BallCounts counts = countDraws(draws, View::Lotto, {}).counts;
    const Ranking ranking = rankBalls(counts);
    std::vector<bool> seen(50, false);
    for (size_t i = 0; i < ranking.size(); ++i) {
        const RankRow &row = ranking[i];
        ASSERT_GE(row.ball, 1);
        ASSERT_LE(row.ball, 49);
        EXPECT_FALSE(seen[static_cast<size_t>(row.ball)]) << "ball " << row.ball;
        seen[static_cast<size_t>(row.ball)] = true;
        EXPECT_EQ(row.count, counts[static_cast<size_t>(row.ball - 1)]);
        if (i > 0) {
            EXPECT_LE(ranking[i - 1].count, row.count);
        }
    }
}

TEST(ChartTable, LabelsAreABlankAndTheBall)
{
    const BallCounts counts = countsWith({{1, 3}, {2, 1}, {3, 2}});
    const auto plain = chartTable(counts);
    ASSERT_EQ(plain.size(), 49u);
    EXPECT_EQ(plain[0].label, " 1");
    EXPECT_EQ(plain[0].value, 3);
    EXPECT_EQ(plain[48].label, " 49");

    const auto sorted = chartTable(rankBalls(counts));
    ASSERT_EQ(sorted.size(), 49u);
    EXPECT_EQ(sorted[48].label, " 1");
    EXPECT_EQ(sorted[48].value, 3);
    EXPECT_EQ(sorted[46].label, " 2");
    EXPECT_EQ(sorted[46].value, 1);
}

TEST(Captions, EachViewSortedAndNot)
{
    EXPECT_EQ(caption(View::Lotto, false), "Draw Statistics for Lotto");
    EXPECT_EQ(caption(View::Lotto, true), "Draw Statistics for Lotto (Sorted)");
    EXPECT_EQ(caption(View::LottoBonus, false), "Draw Statistics for Lotto and Bonus");
    EXPECT_EQ(caption(View::LottoBonus, true), "Draw Statistics for Lotto and Bonus (Sorted)");
    EXPECT_EQ(caption(View::Bonus, false), "Draw Statistics for Bonus Ball");
    EXPECT_EQ(caption(View::Bonus, true), "Draw Statistics for Bonus Ball (Sorted)");
}

TEST(RoundedShare, StaysRightBeyondSixteenBitProducts)
{
    EXPECT_EQ(roundedShare(6, 98), 12);
    EXPECT_EQ(roundedShare(6, 5), 1);
    EXPECT_EQ(roundedShare(1, 20), 0);
    EXPECT_EQ(roundedShare(7, 100), 14);
    EXPECT_EQ(roundedShare(6, 5462), 669); // 32772 would wrap in 16 bits
    EXPECT_EQ(roundedShare(7, 32767), 4681);
}
