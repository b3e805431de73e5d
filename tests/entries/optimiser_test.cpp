#include "entries/optimiser.h"

#include "tests/support/testsupport.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace pickwise;
using namespace pickwise::optimiser;
using namespace pickwise::testing;

namespace {

LinkTable tableOf(const std::vector<Draw> &balls)
{
    LinkTable table;
    table.process(drawsOf(balls), 1, static_cast<int>(balls.size()));
    return table;
}

} // namespace

TEST(Chain, WorkedExampleFollowsTheNumberChosenBefore)
{
    // 7 goes most with 23, 23 (7 aside) with 41, 41 with 12, 12 with 30, 30
    // with 5; every other pair is drawn at most once. 7's own second-best
    // partners are all tied at one, so a chain built from 7 alone would go
    // elsewhere.
    const LinkTable table = tableOf({{7, 23, 44, 45, 46, 47, 1}, {7, 23, 48, 49, 1, 2, 3},
        {7, 23, 3, 6, 8, 9, 1}, {23, 41, 10, 11, 13, 14, 1}, {23, 41, 12, 15, 16, 17, 1},
        {41, 12, 18, 19, 20, 21, 1}, {12, 30, 22, 24, 25, 26, 1}, {12, 30, 27, 28, 29, 31, 1},
        {30, 5, 32, 33, 34, 35, 1}, {30, 5, 36, 37, 38, 39, 1}});
    EXPECT_EQ(GetBestFor(table, 7, 7, 0, 0, 0, 0), 23);
    EXPECT_EQ(GetBestFor(table, 23, 7, 23, 0, 0, 0), 41);
    EXPECT_EQ(GetBestFor(table, 41, 7, 23, 41, 0, 0), 12);
    EXPECT_EQ(GetBestFor(table, 12, 7, 23, 41, 12, 0), 30);
    EXPECT_EQ(GetBestFor(table, 30, 7, 23, 41, 12, 30), 5);
    const auto entries = chainedEntries(table);
    EXPECT_EQ(std::count(entries.begin(), entries.end(), Entry {5, 7, 12, 23, 30, 41}), 1);
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
    LinkTable table;
    table.process(draws, chooseRange("1", 2).first, 2);
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

TEST(ProcessRange, TypedRangeIsCheckedAgainstTheDraws)
{
    struct Case
    {
        const char *text;
        int draws;
        RangeProblem problem;
        int first;
    };
    const std::vector<Case> cases {{"5", 0, RangeProblem::NoDraws, 0},
        {"0", 10, RangeProblem::Outside, 0}, {"abc", 10, RangeProblem::Outside, 0},
        {"10", 10, RangeProblem::None, 1}, {"1", 10, RangeProblem::None, 10},
        {"2.5", 10, RangeProblem::None, 8}, {"3.5", 10, RangeProblem::None, 8}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        const RangeChoice choice = chooseRange(c.text, c.draws);
        EXPECT_EQ(choice.problem, c.problem);
        if (c.problem == RangeProblem::None) {
            EXPECT_EQ(choice.first, c.first);
        }
    }
}

TEST(Append, NewEntriesFollowTheExistingOnesWithRecordOnesFields)
{
    BallRecord first = entryRecord(2, {1, 2, 3, 4, 5, 6});
    first.drawno = 4;
    first.ball[6] = 9;
    const BallRecord second = entryRecord(0, {7, 8, 9, 10, 11, 12});
    RecordFile file;
    file.setBytes(bytesOf({first, second}));

    EXPECT_EQ(
        appendEntries(file, {{13, 14, 15, 16, 17, 18}, {19, 20, 21, 22, 23, 24}}, {2015, 12, 5}),
        2);
    BallRecord added = first;
    added.day = 5;
    added.month = 12;
    added.year = 2015;
    added.ball = {13, 14, 15, 16, 17, 18, 9};
    BallRecord added2 = added;
    added2.ball = {19, 20, 21, 22, 23, 24, 9};
    first.count = 4;
    EXPECT_EQ(recordsOf(file.bytes()), (std::vector<BallRecord> {first, second, added, added2}));
}
