#include "entries/historycheck.h"

#include "tests/support/testsupport.h"

#include <gtest/gtest.h>

using namespace pickwise;
using namespace pickwise::historycheck;
using namespace pickwise::testing;

TEST(FindRange, FindsTheDrawsBetweenTheDates)
{
    // Draws on Sat 4, Wed 8, Sat 11, Wed 15, Sat 18 and Wed 22 January 2003.
    const std::vector<BallRecord> sixDraws = makeHistory(6, {2003, 1, 4});
    struct Case
    {
        const char *name;
        Date start;
        Date end;
        int first; // 0: empty
        int last;
    };
    const std::vector<Case> cases {
        {"one day on a draw date", {2003, 1, 8}, {2003, 1, 8}, 2, 2},
        {"last draw only", {2003, 1, 22}, {2003, 1, 22}, 6, 6},
        {"between draws", {2003, 1, 9}, {2003, 1, 17}, 3, 4},
        {"end in the next year", {2003, 1, 12}, {2004, 1, 1}, 4, 6},
        {"start after the last draw", {2003, 1, 23}, {2003, 12, 31}, 0, 0},
        {"end before the first draw", {2002, 1, 1}, {2003, 1, 3}, 0, 0},
        {"one day without a draw", {2003, 1, 9}, {2003, 1, 9}, 0, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const Range range = findRange(sixDraws, c.start, c.end);
        EXPECT_EQ(range.empty, c.first == 0);
        EXPECT_EQ(range.draws(), c.first == 0 ? 0 : c.last - c.first + 1);
        if (c.first != 0) {
            EXPECT_EQ(range.first, c.first);
        }
    }
    EXPECT_TRUE(findRange({}, {2003, 1, 1}, {2003, 2, 1}).empty);
}

// Draw 01 02 03 04 05 06, bonus 07: each entry counted and listed under its tier.
TEST(Checker, CountsAndListsEachWinUnderItsTier)
{
    struct Case
    {
        Entry entry;
        int tier; // 0: no win
        const char *line;
    };
    const std::vector<Case> cases {
        {{6, 5, 4, 3, 2, 1}, 1, "06 05 04 03 02 01 Match 6"},
        {{1, 2, 3, 4, 5, 7}, 2, "01 02 03 04 05 07 Match 5+PB"},
        {{1, 2, 3, 4, 5, 9}, 3, "01 02 03 04 05 09 Match 5"},
        {{7, 1, 2, 3, 4, 40}, 4, "07 01 02 03 04 40 Match 4+PB"},
        {{1, 2, 3, 4, 40, 41}, 5, "01 02 03 04 40 41 Match 4"},
        {{1, 2, 3, 7, 40, 41}, 6, "01 02 03 07 40 41 Match 3+PB"},
        {{1, 2, 3, 40, 41, 42}, 7, "01 02 03 40 41 42 Match 3"},
        {{1, 2, 7, 40, 41, 42}, 0, ""},
        // A damaged entry repeating a number: every equal pair counts.
        {{1, 1, 2, 3, 40, 41}, 5, "01 01 02 03 40 41 Match 4"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.line);
        Checker checker({c.entry});
        Tally tally;
        ResultLists lines;
        checker.checkDraw({1, 2, 3, 4, 5, 6, 7}, tally, lines);
        Tally expected;
        if (c.tier != 0)
            expected.wins[static_cast<size_t>(c.tier - 1)] = 1;
        EXPECT_EQ(tally.wins, expected.wins);
        EXPECT_EQ(lines.list(0),
            c.tier == 0 ? std::vector<std::string> {} : std::vector<std::string> {c.line});
    }
}

TEST(CheckRange, EveryDrawInTheRangeGetsAHeaderAlsoWithoutWins)
{
    const auto draws = drawsOf({{1, 2, 3, 4, 5, 6, 7}, {1, 2, 3, 4, 5, 6, 7},
                                   {20, 21, 22, 23, 24, 25, 26}, {1, 2, 3, 10, 11, 12, 13}},
        {2003, 1, 4});
    Checker checker({{1, 2, 3, 4, 5, 6}, {1, 2, 3, 30, 31, 32}});
    Tally tally;
    ResultLists lines;
    EXPECT_EQ(checkRange(checker, draws, {2, 4, false}, tally, lines), 3);
    const std::vector<std::string> expected {"08 JAN  2003", "01 02 03 04 05 06 Match 6",
        "01 02 03 30 31 32 Match 3", "11 JAN  2003", "15 JAN  2003", "01 02 03 04 05 06 Match 3",
        "01 02 03 30 31 32 Match 3"};
    EXPECT_EQ(lines.list(0), expected);
    EXPECT_EQ(tally.wins, (std::array<long long, 7> {1, 0, 0, 0, 0, 0, 3}));
}
