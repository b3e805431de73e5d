#include "core/results.h"

#include "tests/support/testsupport.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace pickwise;
using namespace pickwise::testing;

namespace {

const Draw kBalls {1, 5, 12, 23, 34, 45, 7};

BallRecord at(const std::vector<BallRecord> &records, int r)
{
    return records.at(static_cast<size_t>(r - 1));
}

} // namespace

TEST(ResultsHistory, InsertIntoMissingFileWritesOneRecord)
{
    TempDir dir;
    const std::string path = dir.file("sa.rtl");
    ASSERT_EQ(results::insertDraw(path, {2003, 3, 5}, kBalls), "");
    EXPECT_EQ(readBytes(path), bytesOf({drawRecord(1, 1, {2003, 3, 5}, kBalls)}));
}

TEST(ResultsHistory, InsertBeforeAllMovesEveryDrawUp)
{
    TempDir dir;
    const std::string path = dir.file("sa.rtl");
    auto history = makeHistory(3, {2003, 3, 8});
    writeHistory(path, history);
    ASSERT_EQ(results::insertDraw(path, {2003, 3, 5}, kBalls), "");

    const auto after = recordsOf(readBytes(path));
    ASSERT_EQ(after.size(), 4u);
    // The new draw takes record 1 and record 1's count; the old first draw keeps
    // its count field (3) in record 2, as the record-by-record move leaves it.
    EXPECT_EQ(at(after, 1), drawRecord(4, 1, {2003, 3, 5}, kBalls));
    for (int r = 2; r <= 4; ++r) {
        BallRecord expected = history[static_cast<size_t>(r - 2)];
        expected.drawno = static_cast<int16_t>(r);
        EXPECT_EQ(at(after, r), expected) << "record " << r;
    }
    EXPECT_EQ(at(after, 2).count, 3);
}

TEST(ResultsHistory, InsertInTheMiddleCarriesTheDisplacedRecordsCount)
{
    TempDir dir;
    const std::string path = dir.file("sa.rtl");
    auto history = makeHistory(3, {2003, 3, 1}); // 1, 5 and 8 March
    history[1].count = 77; // a stale count field in record 2
    writeHistory(path, history);
    ASSERT_EQ(results::insertDraw(path, {2003, 3, 4}, kBalls), "");
    const auto after = recordsOf(readBytes(path));
    ASSERT_EQ(after.size(), 4u);
    EXPECT_EQ(at(after, 1).count, 4);
    EXPECT_EQ(at(after, 2), drawRecord(77, 2, {2003, 3, 4}, kBalls));
    EXPECT_EQ(at(after, 3).drawno, 3);
    EXPECT_EQ(at(after, 3).day, 5);
    EXPECT_EQ(at(after, 4).day, 8);
}

TEST(ResultsHistory, InsertAfterAllAppendsWithTheNewCountInBothRecords)
{
    TempDir dir;
    const std::string path = dir.file("sa.rtl");
    auto history = makeHistory(2, {2003, 3, 1});
    writeHistory(path, history);
    ASSERT_EQ(results::insertDraw(path, {2003, 3, 8}, kBalls), "");
    auto expected = history;
    expected[0].count = 3;
    expected.push_back(drawRecord(3, 3, {2003, 3, 8}, kBalls));
    EXPECT_EQ(readBytes(path), bytesOf(expected));
}

TEST(ResultsHistory, SameDateGoesAfterTheExistingDraw)
{
    TempDir dir;
    const std::string path = dir.file("sa.rtl");
    writeHistory(path, makeHistory(2, {2003, 3, 1}));
    ASSERT_EQ(results::insertDraw(path, {2003, 3, 1}, kBalls), "");
    const auto after = recordsOf(readBytes(path));
    EXPECT_EQ(at(after, 2).ball, kBalls);
    EXPECT_EQ(at(after, 2).drawno, 2);
}

TEST(ResultsHistory, DeletingTheOnlyDrawDeletesTheFile)
{
    TempDir dir;
    const std::string path = dir.file("sa.rtl");
    writeHistory(path, makeHistory(1));
    ASSERT_EQ(results::deleteDraw(path, 1), "");
    EXPECT_FALSE(exists(path));
}

TEST(ResultsHistory, DeletingRecordOneOfThreeLeavesTheStaleThird)
{
    TempDir dir;
    const std::string path = dir.file("sa.rtl");
    const auto history = makeHistory(3);
    writeHistory(path, history);
    ASSERT_EQ(results::deleteDraw(path, 1), "");

    auto expected = history;
    expected[0] = history[1];
    expected[0].drawno = 1;
    expected[0].count = 2;
    expected[1] = history[2];
    expected[1].drawno = 2;
    expected[2] = history[2]; // beyond the count, untouched
    EXPECT_EQ(readBytes(path), bytesOf(expected));
}

TEST(ResultsHistory, DamagedCountsReadOnlyTheRecordsPresent)
{
    TempDir dir;
    const std::string path = dir.file("sa.rtl");
    auto history = makeHistory(3);
    history[0].count = 2000000000;
    writeHistory(path, history);
    std::vector<BallRecord> draws;
    ASSERT_EQ(results::readAll(path, draws), "");
    EXPECT_EQ(draws.size(), 3u);

    history[0].count = -5;
    writeHistory(path, history);
    ASSERT_EQ(results::readAll(path, draws), "");
    EXPECT_TRUE(draws.empty());

    // A trailing partial record is not a record.
    auto bytes = bytesOf(makeHistory(2));
    bytes.resize(bytes.size() + 10, 0xFF);
    RecordFile file(path);
    writeBytes(path, bytes);
    ASSERT_EQ(file.load(), "");
    EXPECT_EQ(file.recordsPresent(), 2);
    EXPECT_EQ(file.read(3).count, -1); // partial bytes, zero-padded
    EXPECT_EQ(file.read(4), BallRecord {});
}

TEST(ResultsHistory, MissingFileIsCreatedEmptyAndFindsNothing)
{
    TempDir dir;
    const std::string path = dir.file("sa.rtl");
    std::vector<BallRecord> draws;
    ASSERT_EQ(results::readAll(path, draws), "");
    EXPECT_TRUE(draws.empty());
    EXPECT_TRUE(exists(path));
    EXPECT_EQ(results::findByDate(draws, 5, 3, 2003), 0);
}

TEST(ResultsHistory, FindByDateTakesTheFirstMatch)
{
    auto draws = makeHistory(5, {2003, 3, 1});
    draws[3].day = draws[1].day; // a second record with the same date
    draws[3].month = draws[1].month;
    EXPECT_EQ(results::findByDate(draws, draws[1].day, draws[1].month, draws[1].year), 2);
    EXPECT_EQ(results::findByDate(draws, 2, 3, 2003), 0);
}

TEST(DateKeys, OrderDraws)
{
    EXPECT_EQ(datekey(2003, 3, 5), 20030305);
    EXPECT_EQ(getstringdate(2003, 3, 5), "20030305");
    EXPECT_LT(datekey(2002, 12, 31), datekey(2003, 3, 5));
    // Whatever a damaged record holds, the key is the date text read as a number.
    for (int year : {0, 9, 2003, 32767, -5})
        for (int part : {-1, 0, 9, 10, 99, 100, 123})
            for (const auto &[m, d] : {std::pair {part, 5}, std::pair {3, part}})
                EXPECT_EQ(datekey(year, m, d),
                    std::strtoll(getstringdate(year, m, d).c_str(), nullptr, 10))
                    << year << " " << m << " " << d;
}

TEST(ResultsHistory, DrawDatesAreTheRealDatesOnceEachInOrder)
{
    // A damaged history: out of order, a date twice, a date that is no day.
    const std::vector<BallRecord> draws {drawRecord(4, 1, {2003, 1, 8}, kBalls),
        drawRecord(0, 2, {2003, 1, 4}, kBalls), drawRecord(0, 3, {2003, 1, 8}, kBalls),
        drawRecord(0, 4, {2003, 2, 30}, kBalls)};
    EXPECT_EQ(results::drawDates(draws), (std::vector<Date> {{2003, 1, 4}, {2003, 1, 8}}));
    EXPECT_TRUE(results::drawDates({}).empty());
}
