#include "entries/filter.h"

#include "core/fileio.h"
#include "platform/testing/fakes.h"
#include "tests/support/testsupport.h"

#include <gtest/gtest.h>

using namespace pickwise;
using namespace pickwise::filter;
using pickwise::testing::bytesOf;
using pickwise::testing::entryRecord;
using pickwise::testing::readBytes;
using pickwise::testing::recordsOf;
using pickwise::testing::TempDir;
using pickwise::testing::writeEntries;

namespace {

RecordFile fileOf(const std::vector<Entry> &entries)
{
    std::vector<BallRecord> records;
    for (size_t i = 0; i < entries.size(); ++i)
        records.push_back(entryRecord(i == 0 ? static_cast<int>(entries.size()) : 0, entries[i]));
    RecordFile file;
    file.setBytes(bytesOf(records));
    return file;
}

std::vector<bool> marksOf(const RecordFile &file)
{
    return listingOf(file).marked;
}

const Entry sum21 {1, 2, 3, 4, 5, 6};
const Entry sum150 {20, 22, 24, 26, 28, 30};
const Entry sum85 {10, 11, 12, 14, 18, 20};
const Entry sum213 {30, 33, 35, 36, 39, 40};

struct BandCase
{
    int position;
    std::vector<bool> marked; // sum21, sum150, sum85, sum213
};

class SumBands : public ::testing::TestWithParam<BandCase>
{
};

TEST_P(SumBands, MarkEntriesOutsideTheBand)
{
    const BandCase &c = GetParam();
    RecordFile file = fileOf({sum21, sum150, sum85, sum213});
    const int marked = markBySum(file, sumBand(c.position));
    EXPECT_EQ(marksOf(file), c.marked);
    EXPECT_EQ(marked, static_cast<int>(std::count(c.marked.begin(), c.marked.end(), true)));
}

INSTANTIATE_TEST_SUITE_P(Positions, SumBands,
    ::testing::Values(BandCase {1, {true, false, false, false}},
        BandCase {2, {true, false, true, true}}, BandCase {3, {true, false, true, true}},
        BandCase {4, {true, false, true, true}}, BandCase {5, {true, false, true, true}}));

TEST(SumFilter, MarkIsMinusOneInBallSevenAndNothingElseChanges)
{
    RecordFile file = fileOf({sum150, sum21});
    const auto before = recordsOf(file.bytes());
    markBySum(file, sumBand(3));
    const auto after = recordsOf(file.bytes());
    EXPECT_EQ(after[0], before[0]);
    BallRecord expected = before[1];
    expected.ball[6] = -1;
    EXPECT_EQ(after[1], expected);
}

struct DuplicateCase
{
    int level;
    std::vector<bool> marked;
};

class Duplicates : public ::testing::TestWithParam<DuplicateCase>
{
};

TEST_P(Duplicates, KeepOnlyEntriesFarEnoughFromEarlierKeptOnes)
{
    const DuplicateCase &c = GetParam();
    // A, B sharing five numbers with A, C sharing four with A and B.
    RecordFile file = fileOf({{1, 2, 3, 4, 5, 6}, {1, 2, 3, 4, 5, 7}, {1, 2, 3, 4, 8, 9}});
    std::vector<int> progress;
    const int marked = markDuplicates(file, c.level, [&](int r) { progress.push_back(r); });
    EXPECT_EQ(marksOf(file), c.marked);
    EXPECT_EQ(marked, static_cast<int>(std::count(c.marked.begin(), c.marked.end(), true)));
    EXPECT_EQ(progress, (std::vector<int> {1, 2, 3}));
}

INSTANTIATE_TEST_SUITE_P(Levels, Duplicates,
    ::testing::Values(DuplicateCase {6, {false, false, false}},
        DuplicateCase {5, {false, true, false}}, DuplicateCase {4, {false, true, true}},
        DuplicateCase {3, {false, true, true}}));

TEST(DuplicateFilter, LaterEntrySharingWithAKeptOneIsMarkedInAnyOrder)
{
    // The numbers need not stand in the same places to count as shared.
    RecordFile file = fileOf({{10, 20, 30, 40, 45, 49}, {49, 45, 40, 30, 1, 2}});
    EXPECT_EQ(markDuplicates(file, 4), 1);
    EXPECT_EQ(marksOf(file), (std::vector<bool> {false, true}));
}

TEST(DuplicateFilter, RepeatedNumbersCountEveryEqualPair)
{
    // Damaged lines: 01 01 02 03 40 41 and 01 05 06 07 08 09 share one number
    // but two equal pairs.
    RecordFile file = fileOf({{1, 1, 2, 3, 40, 41}, {1, 5, 6, 7, 8, 9}});
    EXPECT_EQ(markDuplicates(file, 2), 1);
}

TEST(BothFilters, SumMarkedEntriesAreNeitherComparedNorReference)
{
    // X is out of the narrowest band; Y and Z share five numbers with X and
    // with each other. Were X a reference, Y would go too.
    const Entry x {10, 20, 30, 40, 45, 49}; // 194
    const Entry y {10, 20, 30, 40, 45, 1}; // 146
    const Entry z {10, 20, 30, 40, 45, 2}; // 147
    RecordFile file = fileOf({x, y, z});
    int checked = markBySum(file, sumBand(5));
    checked += markDuplicates(file, 5);
    EXPECT_EQ(marksOf(file), (std::vector<bool> {true, false, true}));
    EXPECT_EQ(checked, 2);
}

TEST(Removal, KeepsUnmarkedRecordsUnchangedWithTheNewCount)
{
    std::vector<BallRecord> records {entryRecord(4, {1, 2, 3, 4, 5, 6}),
        entryRecord(77, {7, 8, 9, 10, 11, 12}), entryRecord(0, {13, 14, 15, 16, 17, 18}),
        entryRecord(0, {19, 20, 21, 22, 23, 24})};
    records[1].drawno = 9;
    records[1].year = 2001;
    records[0].ball[6] = -1;
    records[2].ball[6] = -1;
    records[3].ball[6] = 5; // anything but -1 keeps the entry
    RecordFile copy;
    copy.setBytes(bytesOf(records));

    int kept = 0;
    const auto bytes = keptRecords(copy, kept);
    EXPECT_EQ(kept, 2);
    BallRecord first = records[1];
    first.count = 2;
    EXPECT_EQ(bytes, bytesOf({first, records[3]}));
}

TEST(Removal, RemovingEveryEntryLeavesOneRecordWithCountZero)
{
    RecordFile copy = fileOf({sum21, sum85});
    markBySum(copy, sumBand(5));
    int kept = -1;
    const auto bytes = keptRecords(copy, kept);
    EXPECT_EQ(kept, 0);
    EXPECT_EQ(bytes, std::vector<uint8_t>(26, 0));
}

TEST(Removal, FailureLeavesTheEntryFileAsItWas)
{
    TempDir dir;
    const std::string entryfile = dir.file("Lotto05DEC2026.lot");
    writeEntries(entryfile, {sum21, sum150});
    const auto before = readBytes(entryfile);
    int kept = 0;
    // No working copy to read.
    EXPECT_NE(removeMarked(dir.file("temp.lot"), entryfile, kept), "");
    EXPECT_EQ(readBytes(entryfile), before);
}

TEST(Removal, RewritesTheEntryFileFromTheWorkingCopy)
{
    TempDir dir;
    const std::string entryfile = dir.file("Lotto05DEC2026.lot");
    const std::string copyPath = dir.file("temp.lot");
    writeEntries(entryfile, {sum21, sum150, sum85});
    RecordFile copy;
    ASSERT_EQ(prepareCopy(entryfile, copyPath, copy), "");
    markBySum(copy, sumBand(2));
    ASSERT_EQ(copy.save(), "");
    // A hand tick clears one mark again.
    ASSERT_EQ(setMark(copyPath, 3, false), "");
    int kept = 0;
    ASSERT_EQ(removeMarked(copyPath, entryfile, kept), "");
    EXPECT_EQ(kept, 2);
    BallRecord second = entryRecord(0, sum85);
    EXPECT_EQ(readBytes(entryfile), bytesOf({entryRecord(2, sum150), second}));
    EXPECT_TRUE(pickwise::testing::exists(copyPath));
}

TEST(Copy, MissingEntryFileIsReportedAndOldCopyStays)
{
    TempDir dir;
    const std::string copyPath = dir.file("temp.lot");
    writeEntries(copyPath, {sum21});
    RecordFile copy;
    EXPECT_NE(prepareCopy(dir.file("nothere.lot"), copyPath, copy), "");
    EXPECT_EQ(readBytes(copyPath), bytesOf({entryRecord(1, sum21)}));
}

TEST(Printout, TickedLinesAreSelectedForDeletion)
{
    FakePrinter printer;
    FakeDialogs dialogs;
    printChecked(
        {"01 02 03 04 05 06 ", "07 08 09 10 11 12 "}, {true, false}, printer, dialogs, true);
    const std::string indent(16, ' ');
    EXPECT_EQ(printer.ops,
        (std::vector<std::string> {"font Courier 10", "a4", "text ", "text ", "text ",
            "text " + indent + "01 02 03 04 05 06  Selected for Deletion",
            "text " + indent + "07 08 09 10 11 12 ", "end"}));
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_FALSE(dialogs.busy);
}

TEST(Printout, EmptyListIsRefused)
{
    FakePrinter printer;
    FakeDialogs dialogs;
    printChecked({}, {}, printer, dialogs, true);
    EXPECT_EQ(dialogs.texts(), (std::vector<std::string> {"There is no list to print!"}));
    EXPECT_TRUE(printer.ops.empty());
}

} // namespace
