#include "tools/shipdata.h"

#include "core/drawcheck.h"
#include "core/game.h"
#include "core/prizes.h"

#include "tests/support/testsupport.h"

#include <gtest/gtest.h>

#if !defined(SHIPPED_DRAWS) || !defined(SHIPPED_RESULTS) || !defined(SHIPPED_PRIZES)
#error "SHIPPED_DRAWS, SHIPPED_RESULTS and SHIPPED_PRIZES must name the shipped files"
#endif

using namespace pickwise;
using namespace pickwise::testing;

// The shipped CSV becomes 985 records as adding the draws one by one with
// Add Result leaves them: main numbers ascending, the bonus seventh, drawno
// the record number, each appended record's count field its own number and
// record 1's the total. The build's own output is the same file.
TEST(ShippedData, RecordsAreByteExactForRealDraws)
{
    TempDir dir;
    std::string summary;
    ASSERT_EQ(
        shipdata::build(SHIPPED_DRAWS, dir.file("sa.rtl"), dir.file("prizes.csv"), summary), "");
    EXPECT_EQ(summary,
        "985 draws added, 0 already in the history, 0 in conflict with it, 0 rows rejected.\n"
        "Prize money added for 985 draws.");
    const std::vector<uint8_t> bytes = readBytes(dir.file("sa.rtl"));
    ASSERT_EQ(bytes.size(), 985u * 26);
    const auto records = recordsOf(bytes);
    // CSV: 1506,2015-06-03,20,21,16,39,23,18,31
    EXPECT_EQ(records[0], drawRecord(985, 1, {2015, 6, 3}, {16, 18, 20, 21, 23, 39, 31}));
    // 1731,2017-07-29,26,49,16,25,35,19,48: the last draw of 6 of 49
    EXPECT_EQ(records[225], drawRecord(226, 226, {2017, 7, 29}, {16, 19, 25, 26, 35, 49, 48}));
    // 1732,2017-08-02,31,49,8,39,29,12,17: the first of 6 of 52
    EXPECT_EQ(records[226], drawRecord(227, 227, {2017, 8, 2}, {8, 12, 29, 31, 39, 49, 17}));
    // 1982,2019-12-28,16,29,8,4,11,42,28: after a week without a draw
    EXPECT_EQ(records[476], drawRecord(477, 477, {2019, 12, 28}, {4, 8, 11, 16, 29, 42, 28}));
    // 2490,2024-11-13,3,33,42,25,45,35,9
    EXPECT_EQ(records[984], drawRecord(985, 985, {2024, 11, 13}, {3, 25, 33, 35, 42, 45, 9}));
    for (const BallRecord &r : records)
        EXPECT_FALSE(validateDraw(r, matrixFor({r.year, r.month, r.day}).highestBall))
            << r.day << "/" << r.month << "/" << r.year;
    EXPECT_EQ(firstBadDraw(records, largestHighestBall).draw, 0);

    EXPECT_EQ(readBytes(SHIPPED_RESULTS), bytes);
    EXPECT_EQ(readBytes(SHIPPED_PRIZES), readBytes(dir.file("prizes.csv")));
    PrizeStore prizes(SHIPPED_PRIZES);
    EXPECT_TRUE(prizes.load().unreadLines.empty());
    EXPECT_EQ(prizes.size(), 985);
    ASSERT_NE(prizes.find({2017, 8, 2}), nullptr);
    EXPECT_EQ(prizes.find({2017, 8, 2})->perBoard,
        (std::array<Cents, 8> {0, 9813910, 396930, 179280, 16220, 9460, 5000, 2000}));
}

// A CSV with a bad row must not become the shipped history.
TEST(ShippedData, ARowThatDoesNotImportFailsTheBuild)
{
    TempDir dir;
    const std::string csv = "date,n1,n2,n3,n4,n5,n6,bonus\n2024-11-13,3,33,42,25,45,35,9\n"
                            "2024-11-16,3,33,42,25,45,35,53\n";
    writeBytes(dir.file("draws.csv"), {csv.begin(), csv.end()});
    std::string summary;
    const std::string error
        = shipdata::build(dir.file("draws.csv"), dir.file("sa.rtl"), dir.file("p.csv"), summary);
    EXPECT_NE(error.find("line 3: the number 53 is not between 1 and 52"), std::string::npos)
        << error;
}
