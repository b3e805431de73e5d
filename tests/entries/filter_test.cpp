#include "entries/filter.h"

#include "platform/testing/fakes.h"
#include "tests/support/testsupport.h"

#include <gtest/gtest.h>

using namespace pickwise;
using namespace pickwise::filter;
using namespace pickwise::testing;

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

int countOf(const std::vector<bool> &marks)
{
    return static_cast<int>(std::count(marks.begin(), marks.end(), true));
}

} // namespace

TEST(SumFilter, MarksEntriesOutsideTheBandInBallSevenOnly)
{
    // Sums 21, 150, 85 and 213: the bounds belong to the band.
    const std::vector<Entry> entries {{1, 2, 3, 4, 5, 6}, {20, 22, 24, 26, 28, 30},
        {10, 11, 12, 14, 18, 20}, {30, 33, 35, 36, 39, 40}};
    for (const auto &[position, marks] : std::vector<std::pair<int, std::vector<bool>>> {
             {1, {true, false, false, false}}, {2, {true, false, true, true}}}) {
        SCOPED_TRACE(position);
        RecordFile file = fileOf(entries);
        auto expected = recordsOf(file.bytes());
        for (size_t i = 0; i < marks.size(); ++i)
            expected[i].ball[6] = marks[i] ? -1 : 0;
        EXPECT_EQ(markBySum(file, sumBand(position)), countOf(marks));
        EXPECT_EQ(recordsOf(file.bytes()), expected);
    }
}

TEST(DuplicateFilter, KeepsOnlyEntriesFarEnoughFromEarlierKeptOnes)
{
    // B shares five numbers with A; C shares four with A and B, none of them
    // in the same place.
    const std::vector<Entry> entries {{1, 2, 3, 4, 5, 6}, {1, 2, 3, 4, 5, 7}, {9, 8, 1, 2, 3, 4}};
    for (const auto &[level, marks] : std::vector<std::pair<int, std::vector<bool>>> {
             {5, {false, true, false}}, {4, {false, true, true}}}) {
        SCOPED_TRACE(level);
        RecordFile file = fileOf(entries);
        std::vector<int> progress;
        EXPECT_EQ(
            markDuplicates(file, level, [&](int r) { progress.push_back(r); }), countOf(marks));
        EXPECT_EQ(marksOf(file), marks);
        EXPECT_EQ(progress, (std::vector<int> {1, 2, 3}));
    }
    // Damaged lines repeating a number count every equal pair: one number
    // shared, two pairs.
    RecordFile damaged = fileOf({{1, 1, 2, 3, 40, 41}, {1, 5, 6, 7, 8, 9}});
    EXPECT_EQ(markDuplicates(damaged, 2), 1);
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

TEST(Printout, TickedLinesAreSelectedForDeletion)
{
    FakePrinter printer;
    FakeDialogs dialogs;
    const bool printerok = true;
    const PrintOutput out {printer, dialogs, printerok};
    printChecked({}, {}, "", out);
    EXPECT_EQ(dialogs.texts(), (std::vector<std::string> {"There is no list to print!"}));
    EXPECT_TRUE(printer.ops.empty());

    dialogs.clear();
    printChecked({"01 02 03 04 05 06 ", "07 08 09 10 11 12 "}, {true, false}, "", out);
    const std::string indent(16, ' ');
    EXPECT_EQ(printer.ops,
        (std::vector<std::string> {"font Courier 10", "a4", "text ", "text ", "text ",
            "text " + indent + "01 02 03 04 05 06  Selected for Deletion",
            "text " + indent + "07 08 09 10 11 12 ", "end"}));
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_FALSE(dialogs.busy);
}
