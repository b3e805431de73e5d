#include "entries/optimiser.h"

#include "tests/support/testsupport.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace pickwise;
using namespace pickwise::optimiser;
using pickwise::testing::bytesOf;
using pickwise::testing::entryRecord;
using pickwise::testing::makeHistory;
using pickwise::testing::recordsOf;

namespace {

std::vector<BallRecord> drawsOf(const std::vector<Draw> &balls)
{
    std::vector<BallRecord> draws = makeHistory(static_cast<int>(balls.size()));
    for (size_t i = 0; i < balls.size(); ++i)
        draws[i].ball = balls[i];
    return draws;
}

LinkTable tableOf(const std::vector<Draw> &balls)
{
    LinkTable table;
    table.process(drawsOf(balls), 1, static_cast<int>(balls.size()));
    return table;
}

// 7 goes most with 23, 23 (7 aside) with 41, 41 with 12, 12 with 30, 30 with 5;
// every other pair is drawn at most once. 7's own second-best partners are all
// tied at one, so a chain built from 7 alone would go elsewhere.
const std::vector<Draw> workedExample {{7, 23, 44, 45, 46, 47, 1}, {7, 23, 48, 49, 1, 2, 3},
    {7, 23, 3, 6, 8, 9, 1}, {23, 41, 10, 11, 13, 14, 1}, {23, 41, 12, 15, 16, 17, 1},
    {41, 12, 18, 19, 20, 21, 1}, {12, 30, 22, 24, 25, 26, 1}, {12, 30, 27, 28, 29, 31, 1},
    {30, 5, 32, 33, 34, 35, 1}, {30, 5, 36, 37, 38, 39, 1}};

TEST(Links, CountDrawsHoldingBothNumbersWithoutTheBonus)
{
    const LinkTable table = tableOf({{1, 2, 3, 4, 5, 6, 7}, {1, 2, 10, 11, 12, 13, 3}});
    EXPECT_EQ(table.links(1, 2), 2);
    EXPECT_EQ(table.links(2, 1), 2);
    EXPECT_EQ(table.links(1, 13), 1);
    EXPECT_EQ(table.links(3, 10), 0);
    EXPECT_EQ(table.links(1, 7), 0);
    EXPECT_EQ(table.links(1, 1), 0);
    EXPECT_EQ(table.links(0, 1), 0);
}

TEST(Chain, WorkedExampleFollowsTheNumberChosenBefore)
{
    const LinkTable table = tableOf(workedExample);
    EXPECT_EQ(GetBestFor(table, 7, 7, 0, 0, 0, 0), 23);
    EXPECT_EQ(GetBestFor(table, 23, 7, 23, 0, 0, 0), 41);
    EXPECT_EQ(GetBestFor(table, 41, 7, 23, 41, 0, 0), 12);
    EXPECT_EQ(GetBestFor(table, 12, 7, 23, 41, 12, 0), 30);
    EXPECT_EQ(GetBestFor(table, 30, 7, 23, 41, 12, 30), 5);
    const auto entries = chainedEntries(table);
    const Entry expected {5, 7, 12, 23, 30, 41};
    EXPECT_EQ(std::count(entries.begin(), entries.end(), expected), 1);
    for (const Entry &e : entries)
        EXPECT_TRUE(std::is_sorted(e.begin(), e.end()));
}

TEST(Chain, TiesGoToTheSmallestNumber)
{
    const LinkTable table = tableOf({{3, 9, 17, 25, 33, 41, 1}});
    EXPECT_EQ(GetBestFor(table, 17, 17, 0, 0, 0, 0), 3);
    EXPECT_EQ(GetBestFor(table, 17, 17, 3, 0, 0, 0), 9);
    EXPECT_EQ(GetBestFor(table, 17, 3, 9, 25, 33, 41), 0);
}

TEST(Chain, OneDrawGivesItsOwnLineOnce)
{
    const auto draws = drawsOf({{1, 2, 3, 4, 5, 6, 7}, {8, 15, 22, 29, 36, 43, 9}});
    const RangeChoice choice = chooseRange("1", 2);
    ASSERT_EQ(choice.problem, RangeProblem::None);
    LinkTable table;
    table.process(draws, choice.first, 2);
    EXPECT_EQ(chainedEntries(table), (std::vector<Entry> {{8, 15, 22, 29, 36, 43}}));
    // A number not drawn in the range has no partner at all.
    EXPECT_EQ(GetBestFor(table, 1, 1, 0, 0, 0, 0), 0);
}

TEST(Chain, ChainThatRunsOutMakesNoEntry)
{
    // A damaged draw gives 1, 2, 3 and 4 only three partners each.
    const LinkTable table = tableOf({{1, 2, 3, 4, 0, 0, 5}, {20, 21, 22, 23, 24, 25, 26}});
    EXPECT_EQ(chainedEntries(table), (std::vector<Entry> {{20, 21, 22, 23, 24, 25}}));
}

struct RangeCase
{
    const char *text;
    int draws;
    RangeProblem problem;
    int first;
};

class Ranges : public ::testing::TestWithParam<RangeCase>
{
};

TEST_P(Ranges, TypedRangeIsCheckedAgainstTheDraws)
{
    const RangeCase &c = GetParam();
    const RangeChoice choice = chooseRange(c.text, c.draws);
    EXPECT_EQ(choice.problem, c.problem);
    if (c.problem == RangeProblem::None) {
        EXPECT_EQ(choice.first, c.first);
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, Ranges,
    ::testing::Values(RangeCase {"", 10, RangeProblem::Empty, 0},
        RangeCase {"5", 0, RangeProblem::NoDraws, 0}, RangeCase {"0", 10, RangeProblem::Outside, 0},
        RangeCase {"abc", 10, RangeProblem::Outside, 0},
        RangeCase {"11", 10, RangeProblem::Outside, 0}, RangeCase {"10", 10, RangeProblem::None, 1},
        RangeCase {"1", 10, RangeProblem::None, 10}, RangeCase {" 3", 10, RangeProblem::None, 8},
        RangeCase {"2.5", 10, RangeProblem::None, 8},
        RangeCase {"3.5", 10, RangeProblem::None, 8}));

TEST(Append, NewEntriesFollowTheExistingOnes)
{
    BallRecord first = entryRecord(2, {1, 2, 3, 4, 5, 6});
    first.drawno = 4;
    first.ball[6] = 9;
    const BallRecord second = entryRecord(0, {7, 8, 9, 10, 11, 12});
    RecordFile file;
    file.setBytes(bytesOf({first, second}));

    const int added
        = appendEntries(file, {{13, 14, 15, 16, 17, 18}, {19, 20, 21, 22, 23, 24}}, {2026, 12, 5});
    EXPECT_EQ(added, 2);
    const auto records = recordsOf(file.bytes());
    ASSERT_EQ(records.size(), 4u);
    BallRecord expectedFirst = first;
    expectedFirst.count = 4;
    EXPECT_EQ(records[0], expectedFirst);
    EXPECT_EQ(records[1], second);
    // New records carry record 1's other fields as read, and the chosen date.
    BallRecord third = first;
    third.day = 5;
    third.month = 12;
    third.year = 2026;
    third.ball = {13, 14, 15, 16, 17, 18, 9};
    EXPECT_EQ(records[2], third);
    EXPECT_EQ(records[3].ball, (std::array<int16_t, 7> {19, 20, 21, 22, 23, 24, 9}));
    EXPECT_EQ(records[3].count, 2);
}

TEST(Append, EmptyFileGetsTheEntriesFromRecordOne)
{
    RecordFile file;
    EXPECT_EQ(appendEntries(file, {{1, 2, 3, 4, 5, 6}}, {2026, 12, 5}), 1);
    const auto records = recordsOf(file.bytes());
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].count, 1);
    EXPECT_EQ(records[0].year, 2026);
}

} // namespace
