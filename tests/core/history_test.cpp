#include "core/history.h"
#include "core/results.h"

#include "tests/support/testsupport.h"

#include <gtest/gtest.h>

#include <random>

using namespace pickwise;
using namespace pickwise::testing;

namespace {

Draw ballsFor(std::mt19937 &random)
{
    Draw balls {};
    std::vector<int16_t> pool;
    for (int16_t n = 1; n <= 49; ++n)
        pool.push_back(n);
    std::shuffle(pool.begin(), pool.end(), random);
    std::copy_n(pool.begin(), 7, balls.begin());
    std::sort(balls.begin(), balls.begin() + 6);
    return balls;
}

std::vector<uint8_t> insertedOneByOne(
    const std::vector<uint8_t> &bytes, std::vector<DatedDraw> draws)
{
    std::stable_sort(draws.begin(), draws.end(),
        [](const DatedDraw &a, const DatedDraw &b) { return datekey(a.date) < datekey(b.date); });
    RecordFile file;
    file.setBytes(bytes);
    for (const DatedDraw &d : draws)
        results::insertDraw(file, d.date, d.balls);
    return file.bytes();
}

} // namespace

// Adding many draws in one pass leaves exactly what Add Result leaves adding
// them one by one: counts, drawnos and stale records alike. Held draws with
// stale fields, stale records, a torn last record and damage (out of date
// order); new draws before, among, on the dates of and after the held ones,
// across the change of game.
TEST(ResultsHistoryInsertMany, LeavesTheBytesOfInsertingOneAtATime)
{
    std::mt19937 random(20241113);
    TempDir dir;
    const std::string path = dir.file("sa.rtl");
    for (int trial = 0; trial < 400; ++trial) {
        const int held = static_cast<int>(random() % 9);
        std::vector<BallRecord> records = makeHistory(held, {2017, 7, 22});
        for (BallRecord &r : records) {
            r.ball = ballsFor(random);
            r.count = static_cast<int32_t>(random() % 50); // stale
            if (random() % 5 == 0)
                r.drawno = static_cast<int16_t>(random() % 100); // off
        }
        const int stale = static_cast<int>(random() % 3);
        for (int i = 0; i < stale; ++i)
            records.push_back(drawRecord(77, 99, {2030, 1, 1}, ballsFor(random)));
        if (held > 2 && trial % 10 == 0)
            std::swap(records[0], records[held - 1]); // out of date order
        if (!records.empty())
            records[0].count = held;
        std::vector<uint8_t> bytes = bytesOf(records);
        if (trial % 7 == 0)
            bytes.insert(bytes.end(), {1, 2, 3}); // a partial record at the end

        std::vector<DatedDraw> draws;
        const int added = 1 + static_cast<int>(random() % 6);
        for (int i = 0; i < added; ++i) {
            const BallRecord &same
                = records.empty() ? BallRecord() : records[random() % records.size()];
            const Date d = held > 0 && random() % 4 == 0
                ? Date {same.year, same.month, same.day}
                : Date {
                    2017, 7 + static_cast<int>(random() % 2), 1 + static_cast<int>(random() % 31)};
            draws.push_back({d, ballsFor(random)});
        }

        writeBytes(path, bytes);
        ResultsHistory history(path);
        ASSERT_EQ(history.load(), "");
        const std::vector<uint8_t> expected = insertedOneByOne(bytes, draws);
        ASSERT_EQ(history.bytesAfterInserting(draws), expected) << "trial " << trial;
        if (trial % 20 == 0) { // and on disk, with what is read back
            ASSERT_EQ(history.insertMany(draws), "") << "trial " << trial;
            ASSERT_EQ(readBytes(path), expected) << "trial " << trial;
            EXPECT_EQ(history.size(), held + added);
        }
    }
}

TEST(ResultsHistory, ReadsDrawsWithTheirGameAndFindsThemByDate)
{
    TempDir dir;
    const std::string path = dir.file("sa.rtl");
    ResultsHistory missing(path);
    EXPECT_EQ(missing.load(), "");
    EXPECT_TRUE(missing.empty());
    EXPECT_FALSE(exists(path)); // reading makes no file

    const std::vector<BallRecord> records {
        drawRecord(4, 1, {2017, 7, 29}, {16, 19, 25, 26, 35, 49, 48}),
        drawRecord(0, 2, {2017, 8, 2}, {8, 12, 29, 31, 39, 49, 17}),
        drawRecord(0, 3, {2017, 8, 2}, {1, 2, 3, 4, 5, 6, 7}), // a date twice: damage
        drawRecord(0, 4, {2017, 8, 5}, {1, 2, 3, 4, 5, 52, 7}),
    };
    writeHistory(path, records);
    ResultsHistory history(path);
    ASSERT_EQ(history.load(), "");
    ASSERT_EQ(history.size(), 4);
    EXPECT_EQ(history.records(), records);
    EXPECT_EQ(history.draws()[0].matrix, &sixOf49());
    EXPECT_EQ(history.draws()[1].matrix, &sixOf52());

    ASSERT_NE(history.find({2017, 8, 2}), nullptr);
    EXPECT_EQ(history.find({2017, 8, 2})->record, 2); // the first in file order
    EXPECT_EQ(history.find({2017, 8, 3}), nullptr);

    const auto range = history.between({2017, 7, 30}, {2017, 8, 5});
    ASSERT_EQ(range.size(), 3u);
    EXPECT_EQ(range.front().record, 2);
    EXPECT_EQ(range.back().record, 4);
    EXPECT_TRUE(history.between({2017, 8, 6}, {2030, 1, 1}).empty());
}

// Each draw is checked by the game of its date, and a refused change writes
// nothing at all.
TEST(ResultsHistory, RefusesWhatTheFileMustNotHold)
{
    TempDir dir;
    const std::string path = dir.file("sa.rtl");
    writeHistory(path, makeHistory(3));
    const auto before = readBytes(path);
    ResultsHistory history(path);
    ASSERT_EQ(history.load(), "");

    const std::pair<DatedDraw, std::string> refused[] = {
        {{{2017, 7, 29}, {1, 2, 3, 4, 5, 50, 7}},
            "Nothing was added: the draw dated 29/7/2017 has the number 50, which is not between "
            "1 and 49."},
        {{{2024, 11, 13}, {1, 2, 3, 4, 5, 53, 7}},
            "Nothing was added: the draw dated 13/11/2024 has the number 53, which is not "
            "between 1 and 52."},
        {{{2024, 11, 13}, {1, 2, 3, 4, 5, 6, 6}},
            "Nothing was added: the draw dated 13/11/2024 has the number 6 twice."},
        {{{2020, 2, 31}, {1, 2, 3, 4, 5, 6, 7}}, "Nothing was added: 31/2/2020 is not a date."},
    };
    for (const auto &[draw, message] : refused) {
        // One good draw beside the bad one: nothing of either is written.
        EXPECT_EQ(history.insertMany({{{2017, 8, 2}, {1, 2, 3, 4, 5, 52, 7}}, draw}), message);
        EXPECT_EQ(readBytes(path), before);
        EXPECT_EQ(history.size(), 3);
    }

    // A history never read is never written over.
    ResultsHistory unread(path);
    EXPECT_EQ(unread.insert({2024, 11, 13}, {1, 2, 3, 4, 5, 6, 7}),
        "The results history has not been read.");
    EXPECT_EQ(readBytes(path), before);

    auto damaged = makeHistory(3);
    damaged[0].count = 9;
    writeHistory(path, damaged);
    const auto damagedBytes = readBytes(path);
    ASSERT_EQ(history.load(), "");
    EXPECT_NE(history.insert({2024, 11, 13}, {1, 2, 3, 4, 5, 6, 7}), "");
    EXPECT_NE(history.remove(1), "");
    EXPECT_EQ(readBytes(path), damagedBytes);
}

TEST(ResultsHistory, RemoveLeavesWhatDeleteDrawLeaves)
{
    TempDir dir;
    const std::string path = dir.file("sa.rtl");
    writeHistory(path, makeHistory(4, {2003, 1, 4}));
    RecordFile expected(path);
    ASSERT_EQ(expected.load(), "");
    results::deleteDraw(expected, 2);

    ResultsHistory history(path);
    ASSERT_EQ(history.load(), "");
    ASSERT_EQ(history.remove(2), "");
    EXPECT_EQ(readBytes(path), expected.bytes());
    EXPECT_EQ(history.size(), 3);
    EXPECT_EQ(history.draws()[1].date, (Date {2003, 1, 11}));
    EXPECT_EQ(history.remove(4), "There is no draw at that position.");

    writeHistory(path, makeHistory(1));
    ASSERT_EQ(history.load(), "");
    ASSERT_EQ(history.remove(1), "");
    EXPECT_FALSE(exists(path));
    EXPECT_TRUE(history.empty());
}
