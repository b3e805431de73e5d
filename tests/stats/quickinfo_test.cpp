#include "stats/quickinfo.h"

#include "tests/support/testsupport.h"

#include <gtest/gtest.h>

#include <algorithm>

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

// A history whose draw i holds the balls fixed[i] and fills its other main
// numbers from `pool` in turn; 49 is the bonus ball of every draw.
std::vector<BallRecord> historyOf(const std::vector<Balls> &fixed, const Balls &pool)
{
    auto draws = support::makeHistory(static_cast<int>(fixed.size()));
    size_t next = 0;
    for (size_t i = 0; i < fixed.size(); ++i) {
        Balls mains = fixed[i];
        while (mains.size() < 6) {
            const int ball = pool[next++ % pool.size()];
            if (std::find(mains.begin(), mains.end(), ball) == mains.end())
                mains.push_back(ball);
        }
        std::sort(mains.begin(), mains.end());
        for (size_t p = 0; p < 6; ++p)
            draws[i].ball[p] = static_cast<int16_t>(mains[p]);
        draws[i].ball[6] = 49;
    }
    return draws;
}

Balls range(int from, int to, Balls except = {})
{
    Balls balls;
    for (int b = from; b <= to; ++b) {
        if (std::find(except.begin(), except.end(), b) == except.end())
            balls.push_back(b);
    }
    return balls;
}

} // namespace

TEST(HotNumbers, HigherCountsFirstThenBallOrderUpToTen)
{
    struct Case
    {
        const char *name;
        BallCounts counts;
        Balls expected;
    };
    const Case cases[] = {
        // Five times or more is one group, then four, then three times.
        {"groups by count", countsWith(0, {{40, 6}, {3, 5}, {20, 4}, {10, 4}, {7, 3}, {8, 2}}),
            {3, 40, 10, 20, 7}},
        {"first group of 12",
            countsWith(1,
                {{2, 5}, {4, 5}, {6, 5}, {8, 5}, {10, 5}, {12, 5}, {14, 5}, {16, 5}, {18, 5},
                    {20, 5}, {22, 5}, {24, 5}}),
            {2, 4, 6, 8, 10, 12, 14, 16, 18, 20}},
        {"tenth slot from the next group",
            countsWith(0,
                {{41, 5}, {42, 5}, {43, 5}, {44, 5}, {45, 5}, {46, 5}, {47, 5}, {48, 5}, {49, 5},
                    {30, 4}, {31, 4}}),
            {41, 42, 43, 44, 45, 46, 47, 48, 49, 30}},
        {"relaxed to twice", countsWith(1, {{30, 2}, {9, 2}}), {9, 30}},
        {"none", countsWith(1, {}), {}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(fillHot(c.counts), c.expected) << c.name;
}

TEST(ColdNumbers, UndrawnFirstRelaxedToOnce)
{
    struct Case
    {
        const char *name;
        BallCounts counts;
        Balls expected;
    };
    const Case cases[] = {
        {"undrawn", countsWith(1, {{17, 0}, {5, 0}}), {5, 17}},
        {"undrawn only, not once", countsWith(2, {{17, 0}, {5, 1}}), {17}},
        {"first ten undrawn", countsWith(0, {}), range(1, 10)},
        {"relaxed to once", countsWith(2, {{8, 1}, {2, 1}}), {2, 8}},
        {"none", countsWith(2, {}), {}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(fillCold(c.counts), c.expected) << c.name;
}

TEST(DueNumbers, LeastDrawnBelowTheFairShare)
{
    struct Case
    {
        const char *name;
        int draws;
        BallCounts counts;
        Balls expected;
    };
    const Case cases[] = {
        // 98 draws: fair share 12, so 11 is the highest count still due.
        {"98 draws", 98, countsWith(13, {{12, 12}, {7, 11}, {4, 10}, {30, 9}}), {30, 4, 7}},
        {"5 draws", 5, countsWith(1, {{2, 0}, {40, 0}}), {2, 40}},
        {"first ten", 98, countsWith(0, {}), range(1, 10)},
        {"no draws", 0, countsWith(0, {}), {}},
        // 6 x 6000 does not fit 16 bits; the fair share is 735.
        {"6000 draws", 6000, countsWith(800, {{2, 735}, {1, 734}}), {1}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(fillDue(c.counts, c.draws), c.expected) << c.name;
}

TEST(QuickInfoMessages, TwoBlanksBeforeTheFirstNumber)
{
    EXPECT_EQ(quickInfoMessage(QuickInfo::Hot, {5, 12, 33}), "Hot numbers are:  5 12 33");
    EXPECT_EQ(quickInfoMessage(QuickInfo::Hot, {}), "There are no hot numbers identified");
    EXPECT_EQ(quickInfoMessage(QuickInfo::Cold, {1, 2}), "Cold numbers are:  1 2");
    EXPECT_EQ(quickInfoMessage(QuickInfo::Cold, {}), "There are no cold numbers identified");
    EXPECT_EQ(quickInfoMessage(QuickInfo::Due, {7}), "Due numbers are:  7");
    EXPECT_EQ(quickInfoMessage(QuickInfo::Due, {}), "Due numbers are: ");
}

TEST(QuickInfoSpans, HotCountsTheLastEightMainNumbersOnly)
{
    // Ball 1 is in draws 1-3 (twice within the last 8), ball 2 in draws 7-9;
    // 49, the bonus of every draw, never counts.
    std::vector<Balls> fixed(9);
    for (int i : {0, 1, 2})
        fixed[static_cast<size_t>(i)] = {1};
    for (int i : {6, 7, 8})
        fixed[static_cast<size_t>(i)] = {2};
    EXPECT_EQ(hotNumbers(historyOf(fixed, range(10, 48))), (Balls {2}));

    // With fewer than 8 draws all are counted.
    std::vector<Balls> seven(7);
    for (int i : {0, 1, 2})
        seven[static_cast<size_t>(i)] = {3};
    EXPECT_EQ(hotNumbers(historyOf(seven, range(10, 48))), (Balls {3}));
}

TEST(QuickInfoSpans, ColdCountsTheLastFifteenMainNumbersOnly)
{
    // Ball 5 only in the oldest draw; the fillers cover every other ball but
    // 49, which only ever comes up as the bonus.
    std::vector<Balls> fixed(16);
    fixed[0] = {5};
    EXPECT_EQ(coldNumbers(historyOf(fixed, range(1, 48, {5}))), (Balls {5, 49}));
    fixed.resize(14); // all 14 counted: ball 5 is not cold
    EXPECT_EQ(coldNumbers(historyOf(fixed, range(1, 48, {5}))), (Balls {49}));
}

TEST(QuickInfoSpans, EmptyHistory)
{
    EXPECT_EQ(
        quickInfoMessage(QuickInfo::Hot, hotNumbers({})), "There are no hot numbers identified");
    EXPECT_EQ(quickInfoMessage(QuickInfo::Cold, coldNumbers({})),
        "Cold numbers are:  1 2 3 4 5 6 7 8 9 10");
    EXPECT_EQ(quickInfoMessage(QuickInfo::Due, dueNumbers({})), "Due numbers are: ");
}

TEST(QuickInfoSpans, DueIgnoresTheBonus)
{
    // Five draws: only balls never drawn as a main number can be due; making
    // 31 the bonus of every draw does not change that.
    std::vector<Balls> fixed(5);
    const auto draws = historyOf(fixed, range(1, 30));
    EXPECT_EQ(dueNumbers(draws), (Balls {31, 32, 33, 34, 35, 36, 37, 38, 39, 40}));
    auto late = draws;
    for (auto &d : late)
        d.ball[6] = 31; // a bonus that is 31 changes nothing
    EXPECT_EQ(dueNumbers(late), dueNumbers(draws));
}
