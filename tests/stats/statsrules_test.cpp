#include "stats/ballinfo.h"
#include "stats/drawstats.h"
#include "stats/quickinfo.h"

#include "tests/support/testsupport.h"

#include <gtest/gtest.h>

#include <numeric>
#include <tuple>

using namespace pickwise;
using namespace pickwise::stats;
namespace support = pickwise::testing;

namespace {

using Balls = std::vector<int>;

int total(const BallCounts &counts)
{
    return std::accumulate(counts.begin(), counts.end(), 0);
}

// Every ball drawn `others` times except the ones listed.
BallCounts countsWith(int others, std::initializer_list<std::pair<int, int>> ballCounts)
{
    BallCounts counts;
    counts.fill(others);
    for (auto [ball, count] : ballCounts)
        counts[size_t(ball - 1)] = count;
    return counts;
}

Balls range(int from, int to)
{
    Balls balls(size_t(to - from + 1));
    std::iota(balls.begin(), balls.end(), from);
    return balls;
}

// n draws: the first `old` of them hold `before`, the rest `after`.
std::vector<BallRecord> history(int n, int old, Draw before, Draw after)
{
    auto draws = support::makeHistory(n);
    for (int i = 0; i < n; ++i)
        draws[size_t(i)].ball = i < old ? before : after;
    return draws;
}

} // namespace

TEST(CountDraws, UseLastDrawsOverAHundredDraws)
{
    const auto draws = support::makeHistory(100);
    // The first record counted; 0: more asked for than there are, so all of them counted.
    const std::pair<const char *, int> cases[]
        = {{"10", 91}, {"3.5", 97} /* rounds to 4 */, {"2.5", 99} /* rounds to 2 */, {"150", 0},
            {"99999", 0} /* beyond 16 bits */, {"0", 1}, {"", 1}, {"abc", 1}};
    for (auto [text, first] : cases) {
        const Tally tally = countDraws(draws, View::Lotto, readLastDraws(text));
        EXPECT_EQ(tally.exceeded, first == 0) << text;
        EXPECT_EQ(tally.first, std::max(first, 1)) << text;
        EXPECT_EQ(total(tally.counts), 6 * (101 - tally.first)) << text;
    }
    // The last ten are counted exactly as on their own.
    const std::vector<BallRecord> lastTen(draws.begin() + 90, draws.end());
    EXPECT_EQ(countDraws(draws, View::Lotto, readLastDraws("10")).counts,
        countDraws(lastTen, View::Lotto, {}).counts);
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
    // A damaged record's numbers out of range are skipped.
    auto damaged = support::makeHistory(1);
    damaged[0].ball = {0, 50, -1, 3, 4, 5, 300};
    EXPECT_EQ(total(countDraws(damaged, View::LottoBonus, {}).counts), 3);
}

TEST(Ranking, ExchangeOrderDecidesTies)
{
    auto ranked = [](const BallCounts &counts) {
        Balls balls;
        for (const RankRow &row : rankBalls(counts))
            balls.push_back(row.ball);
        return balls;
    };
    // Counts 3, 1, 2 on balls 1, 2, 3: the last three bars are balls 2, 3, 1.
    const Balls last = ranked(countsWith(0, {{1, 3}, {2, 1}, {3, 2}}));
    EXPECT_EQ(Balls(last.end() - 3, last.end()), (Balls {2, 3, 1}));
    // Ties do not stay in ball order: ball 4 drawn once pushes ball 1 behind balls 2 and 3.
    Balls expected {2, 3, 1};
    for (int b : range(5, 49))
        expected.push_back(b);
    expected.push_back(4);
    EXPECT_EQ(ranked(countsWith(0, {{4, 1}})), expected);
}

TEST(QuickInfo, HotGroupsFiveOrMoreThenFourThenThreeElseTwice)
{
    EXPECT_EQ(fillHot(countsWith(0, {{40, 6}, {3, 5}, {20, 4}, {10, 4}, {7, 3}, {8, 2}})),
        (Balls {3, 40, 10, 20, 7}));
    // 12 qualify in the first group: the 10 lowest.
    BallCounts twelve = countsWith(1, {});
    for (int b = 2; b <= 24; b += 2)
        twelve[size_t(b - 1)] = 5;
    EXPECT_EQ(fillHot(twelve), (Balls {2, 4, 6, 8, 10, 12, 14, 16, 18, 20}));
    EXPECT_EQ(fillHot(countsWith(1, {{30, 2}, {9, 2}})), (Balls {9, 30}));
    EXPECT_EQ(fillHot(countsWith(1, {})), Balls {});
}

TEST(QuickInfo, ColdUndrawnElseOnce)
{
    EXPECT_EQ(fillCold(countsWith(2, {{17, 0}, {5, 1}})), (Balls {17}));
    EXPECT_EQ(fillCold(countsWith(2, {{8, 1}, {2, 1}})), (Balls {2, 8}));
    EXPECT_EQ(fillCold(countsWith(2, {})), Balls {});
}

TEST(QuickInfo, DueBelowTheRoundedFairShare)
{
    // 98 draws: fair share 12, so 11 is the highest count still due.
    EXPECT_EQ(
        fillDue(countsWith(13, {{12, 12}, {7, 11}, {4, 10}, {30, 9}}), 98), (Balls {30, 4, 7}));
    // 5 draws: fair share 1, only undrawn balls.
    EXPECT_EQ(fillDue(countsWith(1, {{2, 0}, {40, 0}}), 5), (Balls {2, 40}));
    // 6 x 6000 does not fit 16 bits; the fair share is 735.
    EXPECT_EQ(fillDue(countsWith(800, {{2, 735}, {1, 734}}), 6000), (Balls {1}));
    // Only these two texts are not shown by the window tests.
    EXPECT_EQ(quickInfoMessage(QuickInfo::Hot, {5, 12}), "Hot numbers are:  5 12");
    EXPECT_EQ(quickInfoMessage(QuickInfo::Cold, {}), "There are no cold numbers identified");
}

TEST(QuickInfo, SpansCountOnlyTheLastMainNumbers)
{
    // 10-15 come up in the 3 oldest draws, 1-6 in the others; 49, the bonus of
    // every draw, would be hot if it counted.
    const Draw old {10, 11, 12, 13, 14, 15, 49};
    const Draw recent {1, 2, 3, 4, 5, 6, 49};
    EXPECT_EQ(hotNumbers(history(9, 3, old, recent)), range(1, 6));
    // Fewer than 8 draws: all count, so 10-15 (3 times) follow 1-6 (4 times).
    EXPECT_EQ(hotNumbers(history(7, 3, old, recent)), (Balls {1, 2, 3, 4, 5, 6, 10, 11, 12, 13}));
    // 10-15 only in the oldest draw: cold among the last 15 of 16 draws, not
    // when all 14 draws count.
    EXPECT_EQ(coldNumbers(history(16, 1, old, recent)), range(7, 16));
    EXPECT_EQ(
        coldNumbers(history(14, 1, old, recent)), (Balls {7, 8, 9, 16, 17, 18, 19, 20, 21, 22}));
}

TEST(BallInfo, FairShareIsRoundedAtLeastOneAndWide)
{
    EXPECT_EQ(fairShare(View::Lotto, 98), 12);
    EXPECT_EQ(fairShare(View::Bonus, 20), 1); // 0.41 rounds to 0, shown as 1
    EXPECT_EQ(fairShare(View::LottoBonus, 100), 14);
    EXPECT_EQ(fairShare(View::LottoBonus, 5000), 714); // 7 x 5000 is beyond 16 bits
}

TEST(BallInfo, CountLastDateAndDrawsSinceByView)
{
    // Ten draws, the newest on 5 March 2003. Ball 7 is a main number of draws
    // 3 and 10, ball 8 the bonus of draw 6, ball 9 a main number of draw 4 and
    // the bonus of draw 9.
    auto draws = support::makeHistory(10, {2003, 2, 1});
    for (auto &d : draws)
        d.ball = {20, 21, 22, 23, 24, 25, 30};
    draws[2].ball[0] = draws[9].ball[0] = 7;
    draws[5].ball[6] = 8;
    draws[3].ball[1] = draws[8].ball[6] = 9;
    // View, ball, times drawn, last drawn, draws since.
    const std::tuple<View, int, int, const char *, int> cases[] = {
        {View::Lotto, 7, 2, "5 MAR 2003", 0},
        {View::Lotto, 8, 0, "", 10},
        {View::Bonus, 8, 1, "19 FEB 2003", 4},
        {View::Bonus, 7, 0, "", 10},
        {View::LottoBonus, 9, 2, "1 MAR 2003", 1},
        {View::Lotto, 9, 1, "12 FEB 2003", 6},
    };
    for (auto [view, ball, times, date, since] : cases) {
        const BallFacts facts = ballFacts(draws, view, ball);
        EXPECT_EQ(std::tuple(facts.timesDrawn, facts.lastDrawn, facts.drawsSince),
            std::tuple(times, std::string(date), since))
            << "view " << int(view) << " ball " << ball;
    }
}

TEST(BallInfo, InfoRangeTestOnTheRoundedLeadingNumber)
{
    // The text, the ball (0: rejected) and the number the caption shows.
    const std::tuple<const char *, int, const char *> cases[]
        = {{"1.4", 1, "1.4"}, {"2.5", 2, "2.5"}, {"49.4", 49, "49.4"}, {"7a", 7, "7"},
            {"49.6", 0, ""}, {"0.5", 0, ""}, {"0.6", 0, ""}, {"1", 1, "1"}, {"49.5", 0, ""}};
    for (auto [text, ball, number] : cases) {
        const InfoBall info = readInfoBall(text);
        EXPECT_EQ(info.valid ? info.ball : 0, ball) << text;
        EXPECT_EQ(info.valid ? info.number : "", number) << text;
    }
}
