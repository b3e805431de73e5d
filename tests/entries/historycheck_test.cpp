#include "entries/historycheck.h"

#include "tests/support/testsupport.h"

#include <gtest/gtest.h>

using namespace pickwise;
using namespace pickwise::historycheck;
using pickwise::testing::makeHistory;

namespace {

// Draws on Sat 4, Wed 8, Sat 11, Wed 15, Sat 18 and Wed 22 January 2003.
const std::vector<BallRecord> sixDraws = makeHistory(6);

struct RangeCase
{
    const char *name;
    Date start;
    Date end;
    bool empty;
    int first;
    int last;
};

class FindRange : public ::testing::TestWithParam<RangeCase>
{
};

TEST_P(FindRange, FindsTheDrawsBetweenTheDates)
{
    const RangeCase &c = GetParam();
    const Range range = findRange(sixDraws, c.start, c.end);
    EXPECT_EQ(range.empty, c.empty);
    if (!c.empty) {
        EXPECT_EQ(range.first, c.first);
        EXPECT_EQ(range.last, c.last);
    }
}

INSTANTIATE_TEST_SUITE_P(Ranges, FindRange,
    ::testing::Values(RangeCase {"oneDayOnADrawDate", {2003, 1, 8}, {2003, 1, 8}, false, 2, 2},
        RangeCase {"firstDrawOnly", {2003, 1, 4}, {2003, 1, 4}, false, 1, 1},
        RangeCase {"lastDrawOnly", {2003, 1, 22}, {2003, 1, 22}, false, 6, 6},
        RangeCase {"wholeHistory", {1990, 1, 1}, {2030, 1, 1}, false, 1, 6},
        RangeCase {"betweenDraws", {2003, 1, 9}, {2003, 1, 17}, false, 3, 4},
        RangeCase {"startAfterLastDraw", {2003, 1, 23}, {2003, 12, 31}, true, 0, 0},
        RangeCase {"endBeforeFirstDraw", {2002, 1, 1}, {2003, 1, 3}, true, 0, 0},
        RangeCase {"oneDayWithoutDraw", {2003, 1, 9}, {2003, 1, 9}, true, 0, 0},
        RangeCase {"endOnStartOfNextYear", {2003, 1, 12}, {2004, 1, 1}, false, 4, 6}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(FindRangeEmpty, NoDrawsGiveAnEmptyRange)
{
    EXPECT_TRUE(findRange({}, {2003, 1, 1}, {2003, 2, 1}).empty);
}

struct TierCase
{
    const char *name;
    Entry entry;
    int tier; // 0: no win
    const char *line;
};

class Tiers : public ::testing::TestWithParam<TierCase>
{
};

// Draw 01 02 03 04 05 06, bonus 07.
TEST_P(Tiers, CountAndListEachWinUnderItsTier)
{
    const TierCase &c = GetParam();
    const Draw draw {1, 2, 3, 4, 5, 6, 7};
    Checker checker({c.entry});
    Tally tally;
    ResultLists lines;
    checker.checkDraw(draw, tally, lines);
    for (int t = 1; t <= 7; ++t)
        EXPECT_EQ(tally.wins[static_cast<size_t>(t - 1)], t == c.tier ? 1 : 0) << "tier " << t;
    if (c.tier == 0) {
        EXPECT_TRUE(lines.list(0).empty());
    } else {
        ASSERT_EQ(lines.list(0).size(), 1u);
        EXPECT_EQ(lines.list(0)[0], c.line);
    }
}

INSTANTIATE_TEST_SUITE_P(Entries, Tiers,
    ::testing::Values(TierCase {"six", {6, 5, 4, 3, 2, 1}, 1, "06 05 04 03 02 01 Match 6"},
        TierCase {"fivePlusBonus", {1, 2, 3, 4, 5, 7}, 2, "01 02 03 04 05 07 Match 5+PB"},
        TierCase {"five", {1, 2, 3, 4, 5, 9}, 3, "01 02 03 04 05 09 Match 5"},
        TierCase {"fourPlusBonus", {7, 1, 2, 3, 4, 40}, 4, "07 01 02 03 04 40 Match 4+PB"},
        TierCase {"four", {1, 2, 3, 4, 40, 41}, 5, "01 02 03 04 40 41 Match 4"},
        TierCase {"threePlusBonus", {1, 2, 3, 7, 40, 41}, 6, "01 02 03 07 40 41 Match 3+PB"},
        TierCase {"three", {1, 2, 3, 40, 41, 42}, 7, "01 02 03 40 41 42 Match 3"},
        TierCase {"twoPlusBonus", {1, 2, 7, 40, 41, 42}, 0, ""},
        TierCase {"nothing", {10, 20, 30, 40, 41, 42}, 0, ""},
        // A damaged entry repeating a number: every equal pair counts, as the
        // plain pair count always has.
        TierCase {"repeatedNumber", {1, 1, 2, 3, 40, 41}, 5, "01 01 02 03 40 41 Match 4"},
        TierCase {"zeroFilledEntry", {0, 0, 0, 0, 0, 0}, 0, ""}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Texts, HeaderAndStatusLines)
{
    BallRecord draw;
    draw.day = 7;
    draw.month = 5;
    draw.year = 2003;
    EXPECT_EQ(headerLine(draw), "07 MAY  2003");
    draw.day = 25;
    draw.month = 12;
    EXPECT_EQ(headerLine(draw), "25 DEC  2003");
    EXPECT_EQ(checkText("12", 30), "Check 12 entries against  30 results.");
}

std::vector<BallRecord> drawsOf(const std::vector<Draw> &balls)
{
    std::vector<BallRecord> draws = makeHistory(static_cast<int>(balls.size()));
    for (size_t i = 0; i < balls.size(); ++i)
        draws[i].ball = balls[i];
    return draws;
}

TEST(CheckRange, EveryDrawGetsAHeaderAlsoWithoutWins)
{
    const auto draws
        = drawsOf({{1, 2, 3, 4, 5, 6, 7}, {20, 21, 22, 23, 24, 25, 26}, {1, 2, 3, 10, 11, 12, 13}});
    Checker checker({{1, 2, 3, 4, 5, 6}, {1, 2, 3, 30, 31, 32}});
    Tally tally;
    ResultLists lines;
    const int done = checkRange(checker, draws, {1, 3, false}, tally, lines);
    EXPECT_EQ(done, 3);
    const std::vector<std::string> expected {"04 JAN  2003", "01 02 03 04 05 06 Match 6",
        "01 02 03 30 31 32 Match 3", "08 JAN  2003", "11 JAN  2003", "01 02 03 04 05 06 Match 3",
        "01 02 03 30 31 32 Match 3"};
    EXPECT_EQ(lines.list(0), expected);
    EXPECT_EQ(tally.wins[0], 1);
    EXPECT_EQ(tally.wins[6], 3);
}

TEST(CheckRange, StopsAfterTheDrawWhereItWasCancelled)
{
    const auto draws = makeHistory(10);
    Checker checker({{1, 2, 3, 4, 5, 6}});
    Tally tally;
    ResultLists lines;
    std::vector<int> seen;
    const int done = checkRange(checker, draws, {3, 10, false}, tally, lines, [&](int n) {
        seen.push_back(n);
        return n < 2;
    });
    EXPECT_EQ(done, 2);
    EXPECT_EQ(seen, (std::vector<int> {1, 2}));
    EXPECT_EQ(lines.list(0).front(), headerLine(draws[2]));
}

TEST(ResultListsTest, FillsFourListsThenDropsLines)
{
    ResultLists lines;
    const int total = listLimit * listCount + 5;
    for (int i = 0; i < total; ++i)
        lines.add(std::to_string(i));
    EXPECT_TRUE(lines.full());
    EXPECT_EQ(lines.index(), 3);
    for (int k = 0; k < listCount; ++k)
        EXPECT_EQ(lines.list(k).size(), static_cast<size_t>(listLimit)) << "list " << k;
    EXPECT_EQ(lines.list(1).front(), std::to_string(listLimit));
    EXPECT_EQ(lines.list(3).back(), std::to_string(listLimit * listCount - 1));
}

TEST(ResultListsTest, ExactlyFullIsNotOverflowing)
{
    ResultLists lines;
    for (int i = 0; i < listLimit; ++i)
        lines.add("x");
    EXPECT_EQ(lines.index(), 0);
    EXPECT_FALSE(lines.overflowed());
    lines.add("y");
    EXPECT_EQ(lines.index(), 1);
    EXPECT_TRUE(lines.overflowed());
    EXPECT_EQ(lines.list(1), (std::vector<std::string> {"y"}));
    lines.clear();
    EXPECT_EQ(lines.index(), 0);
    EXPECT_FALSE(lines.overflowed());
    EXPECT_EQ(lines.totalLines(), 0);
}

TEST(CheckRange, MoreLinesThanTheListsHoldStillCountsEveryWin)
{
    // 100 winning entries on each of 1300 draws: 131300 lines with the headers.
    std::vector<Draw> balls(1300, Draw {1, 2, 3, 4, 5, 6, 7});
    const auto draws = drawsOf(balls);
    Checker checker(std::vector<Entry>(100, Entry {1, 2, 3, 4, 5, 6}));
    Tally tally;
    ResultLists lines;
    checkRange(checker, draws, {1, 1300, false}, tally, lines);
    EXPECT_TRUE(lines.full());
    EXPECT_EQ(lines.totalLines(), listLimit * listCount);
    EXPECT_EQ(tally.wins[0], 130000);
}

} // namespace
