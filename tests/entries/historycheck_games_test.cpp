#include "entries/historycheck.h"

#include "tests/support/testsupport.h"

#include <gtest/gtest.h>

using namespace pickwise;
using namespace pickwise::historycheck;
using namespace pickwise::testing;

// Wednesday 26 and Saturday 29 July 2017 are of the 6 of 49 game, Wednesday 2
// and Saturday 5 August of the 6 of 52 game: two main numbers and the bonus
// ball win only in the latter.
TEST(CheckRangePerGame, ARangeAcrossTheChangeChecksEachDrawByItsGame)
{
    const Draw balls {1, 2, 3, 4, 5, 6, 7};
    const auto draws = drawsOf({balls, balls, balls, balls}, {2017, 7, 26});
    ASSERT_EQ(draws[2].day, 2);
    Checker checker({{1, 2, 7, 40, 41, 52}, {1, 2, 3, 7, 40, 41}});
    Tally tally;
    ResultLists lines;
    EXPECT_EQ(
        checkRange(checker, draws, findRange(draws, {2017, 7, 1}, {2017, 8, 31}), tally, lines), 4);
    const std::vector<std::string> expected {"26 JUL  2017", "01 02 03 07 40 41 Match 3+PB",
        "29 JUL  2017", "01 02 03 07 40 41 Match 3+PB", "02 AUG  2017",
        "01 02 07 40 41 52 Match 2+PB", "01 02 03 07 40 41 Match 3+PB", "05 AUG  2017",
        "01 02 07 40 41 52 Match 2+PB", "01 02 03 07 40 41 Match 3+PB"};
    EXPECT_EQ(lines.list(0), expected);
    EXPECT_EQ(tally.wins, (std::array<long long, 8> {0, 0, 0, 0, 0, 4, 0, 2}));
}
