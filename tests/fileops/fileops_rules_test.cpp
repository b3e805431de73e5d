#include "fileops/deletionrules.h"
#include "fileops/importrules.h"

#include "tests/support/testsupport.h"

#include <gtest/gtest.h>

using namespace pickwise;
using namespace pickwise::testing;

TEST(ImportReading, FieldsStopAtCommaAndDropQuotes)
{
    EXPECT_EQ(importtxt::readField("01 02 03 04 05 06"), "01 02 03 04 05 06");
    EXPECT_EQ(importtxt::readField("   01 02 03 04 05 06"), "01 02 03 04 05 06");
    EXPECT_EQ(importtxt::readField("01 02 03,04 05 06"), "01 02 03");
    EXPECT_EQ(importtxt::readField("\"01 02 03 04 05 06\""), "01 02 03 04 05 06");
    EXPECT_EQ(importtxt::readFields("a\r\nb\n"), (std::vector<std::string> {"a", "b"}));
    EXPECT_EQ(importtxt::readFields("a\n\nb"), (std::vector<std::string> {"a", "", "b"}));
    EXPECT_TRUE(importtxt::readFields("").empty());
}

TEST(ImportReading, FixedColumns)
{
    EXPECT_EQ(importtxt::columnsOf("45 10 33 07 21 02"), (Entry {45, 10, 33, 7, 21, 2}));
    // Single digits a blank apart leave the last columns empty.
    EXPECT_EQ(importtxt::columnsOf("1 2 3 4 5 6"), (Entry {1, 3, 4, 6, 0, 0}));
    EXPECT_EQ(importtxt::columnsOf("1  2  3  4  5  6"), (Entry {1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(importtxt::columnsOf("01 02 03 04 05 06 and more"), (Entry {1, 2, 3, 4, 5, 6}));
}

TEST(ImportValidation, Verdicts)
{
    using importtxt::Verdict;
    struct Case
    {
        std::vector<std::string> lines;
        Verdict verdict;
        int line;
    };
    const Case cases[] = {
        {{"01 02 03 04 05 06", "45 10 33 07 21 02"}, Verdict::Valid, 0},
        {{}, Verdict::Valid, 0},
        {{"01 02 03 04 05 06", "1 2 3 4 5 6"}, Verdict::OutOfRange, 1},
        {{"07 08 09 10 11 50"}, Verdict::OutOfRange, 0},
        {{"07 07 09 10 11 12"}, Verdict::Duplicates, 0},
        {{""}, Verdict::OutOfRange, 0},
        {{"ab cd ef gh ij kl"}, Verdict::OutOfRange, 0},
        // The range is checked over the whole line before the duplicates.
        {{"07 07 09 10 11 50"}, Verdict::OutOfRange, 0},
    };
    for (const Case &c : cases) {
        const auto result = importtxt::validate(c.lines);
        EXPECT_EQ(result.verdict, c.verdict) << (c.lines.empty() ? "" : c.lines.back());
        EXPECT_EQ(result.line, c.line);
        if (c.verdict == Verdict::Valid) {
            EXPECT_EQ(result.entries.size(), c.lines.size());
        }
    }
}

TEST(ImportWriting, RecordsCarryTheDateAndSortedNumbers)
{
    RecordFile file;
    importtxt::writeImport(file, {{1, 2, 3, 4, 5, 6}, {45, 10, 33, 7, 21, 2}}, Date {2015, 12, 5});
    BallRecord first = entryRecord(2, {1, 2, 3, 4, 5, 6});
    BallRecord second = entryRecord(0, {2, 7, 10, 21, 33, 45});
    for (BallRecord *r : {&first, &second}) {
        r->day = 5;
        r->month = 12;
        r->year = 2015;
    }
    EXPECT_EQ(file.bytes(), bytesOf({first, second}));

    RecordFile empty;
    importtxt::writeImport(empty, {}, Date {2015, 12, 5});
    EXPECT_EQ(empty.bytes(), std::vector<uint8_t>(26, 0));
}

TEST(FileDeletionView, LinesStopAtTheFirstZeroNumberNotAtTheCount)
{
    // count 2, but record 3 still holds an old entry and is shown as well.
    const auto bytes = bytesOf({entryRecord(2, {3, 11, 19, 27, 38, 45}),
        entryRecord(0, {1, 2, 3, 4, 5, 6}), entryRecord(0, {7, 8, 9, 10, 11, 12}),
        entryRecord(0, {0, 8, 9, 10, 11, 12}), entryRecord(0, {1, 2, 3, 4, 5, 6})});
    EXPECT_EQ(filedeletion::viewLines(bytes, "Lotto05DEC2015.lot"),
        (std::vector<std::string> {"03 11 19 27 38 45", "01 02 03 04 05 06", "07 08 09 10 11 12"}));
    EXPECT_TRUE(filedeletion::viewLines({}, "Lotto05DEC2015.lot").empty());
    EXPECT_TRUE(filedeletion::viewLines(std::vector<uint8_t>(20, 1), "x.lot").size() <= 1);
}

TEST(FileDeletionView, PowerBallNamesAndEmptySixthNumber)
{
    const auto bytes = bytesOf({entryRecord(1, {1, 2, 3, 4, 5, 0})});
    EXPECT_EQ(filedeletion::viewLines(bytes, "fmm01.lot").at(0), "01 02 03 04  PB 05 ");
    EXPECT_EQ(filedeletion::viewLines(bytes, "FMM01.lot").at(0), "01 02 03 04  PB 05 ");
    EXPECT_EQ(filedeletion::viewLines(bytes, "Fmm01.lot").at(0), "01 02 03 04 05 ");
}

TEST(FileDeletionView, ListsOnlyTheWantedExtensionSortedWithoutCase)
{
    TempDir dir;
    for (const char *name : {"b.lot", "A.lot", "c.txt", "StandLT.lot", "temp.LOT", "lot"})
        writeBytes(dir.file(name), {});
    EXPECT_EQ(filedeletion::filesWithExtension(dir.path(), ".lot"),
        (std::vector<std::string> {"A.lot", "b.lot", "StandLT.lot", "temp.LOT"}));
    EXPECT_EQ(
        filedeletion::filesWithExtension(dir.path(), ".txt"), (std::vector<std::string> {"c.txt"}));
}
