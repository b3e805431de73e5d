#include "stats/quickinfo.h"

#include "tests/support/testsupport.h"

#include <gtest/gtest.h>

using namespace pickwise;
using namespace pickwise::stats;
namespace support = pickwise::testing;

namespace {

using Balls = std::vector<int>;

BallCounts countsWith(int others, std::initializer_list<std::pair<int, int>> ballCounts)
{
    BallCounts counts;
    counts.fill(others);
    for (auto [ball, count] : ballCounts)
        counts[static_cast<size_t>(ball - 1)] = count;
    return counts;
}

Balls range(int from, int to)
{
    Balls balls;
    for (int b = from; b <= to; ++b)
        balls.push_back(b);
    return balls;
}

// n draws: the first `old` of them hold `before`, the rest `after`.
std::vector<BallRecord> history(int n, int old, Draw before, Draw after)
{
    auto draws = support::makeHistory(n);
    for (int i = 0; i < n; ++i)
        draws[static_cast<size_t>(i)].ball = i < old ? before : after;
    return draws;
}

} // namespace

TEST(QuickInfo, HotGroupsFiveOrMoreThenFourThenThreeElseTwice)
{
    EXPECT_EQ(fillHot(countsWith(0, {{40, 6}, {3, 5}, {20, 4}, {10, 4}, {7, 3}, {8, 2}})),
        (Balls {3, 40, 10, 20, 7}));
    // 12 qualify in the first group: the 10 lowest.
    BallCounts twelve = countsWith(1, {});
    for (int b = 2; b <= 24; b += 2)
        twelve[static_cast<size_t>(b - 1)] = 5;
    EXPECT_EQ(fillHot(twelve), (Balls {2, 4, 6, 8, 10, 12, 14, 16, 18, 20}));
    // The tenth slot filled from the next group stops the filling.
    BallCounts nine = countsWith(0, {{30, 4}, {31, 4}});
    for (int b = 41; b <= 49; ++b)
        nine[static_cast<size_t>(b - 1)] = 5;
    EXPECT_EQ(fillHot(nine), (Balls {41, 42, 43, 44, 45, 46, 47, 48, 49, 30}));
    EXPECT_EQ(fillHot(countsWith(1, {{30, 2}, {9, 2}})), (Balls {9, 30}));
    EXPECT_EQ(fillHot(countsWith(1, {})), Balls {});
}

TEST(QuickInfo, ColdUndrawnElseOnce)
{
    EXPECT_EQ(fillCold(countsWith(2, {{17, 0}, {5, 1}})), (Balls {17}));
    EXPECT_EQ(fillCold(countsWith(0, {})), range(1, 10));
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
    EXPECT_EQ(fillDue(countsWith(0, {}), 98), range(1, 10));
    EXPECT_EQ(fillDue(countsWith(0, {}), 0), Balls {});
    // 6 x 6000 does not fit 16 bits; the fair share is 735.
    EXPECT_EQ(fillDue(countsWith(800, {{2, 735}, {1, 734}}), 6000), (Balls {1}));
}

TEST(QuickInfo, Messages)
{
    EXPECT_EQ(quickInfoMessage(QuickInfo::Hot, {5, 12, 33}), "Hot numbers are:  5 12 33");
    EXPECT_EQ(quickInfoMessage(QuickInfo::Hot, {}), "There are no hot numbers identified");
    EXPECT_EQ(quickInfoMessage(QuickInfo::Cold, {1, 2}), "Cold numbers are:  1 2");
    EXPECT_EQ(quickInfoMessage(QuickInfo::Cold, {}), "There are no cold numbers identified");
    EXPECT_EQ(quickInfoMessage(QuickInfo::Due, {7}), "Due numbers are:  7");
    EXPECT_EQ(quickInfoMessage(QuickInfo::Due, {}), "Due numbers are: ");
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
