#include "core/entryfiles.h"

#include "tests/support/testsupport.h"

#include <gtest/gtest.h>

using namespace pickwise;
using namespace pickwise::testing;

namespace {

std::vector<Entry> five()
{
    return {{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}, {13, 14, 15, 16, 17, 18},
        {19, 20, 21, 22, 23, 24}, {25, 26, 27, 28, 29, 30}};
}

} // namespace

TEST(EntryFiles, AppendToEmptyFileGivesOneRecordWithCountOne)
{
    TempDir dir;
    const std::string path = dir.file("Lotto05DEC2026.lot");
    ASSERT_EQ(entryfiles::append(path, {3, 9, 14, 27, 33, 41}), "");
    EXPECT_EQ(readBytes(path), bytesOf({entryRecord(1, {3, 9, 14, 27, 33, 41})}));
}

TEST(EntryFiles, AppendCopiesRecordOnesOtherFields)
{
    TempDir dir;
    const std::string path = dir.file("e.lot");
    BallRecord first = entryRecord(1, {1, 2, 3, 4, 5, 6});
    first.day = 5;
    first.ball[6] = 9;
    writeBytes(path, bytesOf({first}));
    ASSERT_EQ(entryfiles::append(path, {7, 8, 9, 10, 11, 12}), "");
    const auto after = recordsOf(readBytes(path));
    ASSERT_EQ(after.size(), 2u);
    EXPECT_EQ(after[0].count, 2);
    BallRecord expected = first; // buffer read from record 1 before the count changed
    expected.ball = {7, 8, 9, 10, 11, 12, 9};
    EXPECT_EQ(after[1], expected);
}

TEST(EntryFiles, DeletingEntriesTwoAndFourOfFive)
{
    TempDir dir;
    const std::string path = dir.file("e.lot");
    writeEntries(path, five());
    std::vector<bool> selected {false, true, false, true, false};
    ASSERT_EQ(entryfiles::deleteSelected(path, selected), "");
    EXPECT_EQ(selected, std::vector<bool>(3, false));

    const auto e = five();
    // Records 4 and 5 keep what the moves left there, beyond the count.
    const std::vector<BallRecord> expected {entryRecord(3, e[0]), entryRecord(0, e[2]),
        entryRecord(0, e[4]), entryRecord(0, e[4]), entryRecord(0, e[4])};
    EXPECT_EQ(readBytes(path), bytesOf(expected));
}

TEST(EntryFiles, DeletingEntryOneMovesRecordTwoUpAndGivesItTheCount)
{
    TempDir dir;
    const std::string path = dir.file("e.lot");
    writeEntries(path, five());
    std::vector<bool> selected {true, false, false, false, false};
    ASSERT_EQ(entryfiles::deleteSelected(path, selected), "");
    std::vector<Entry> listed;
    ASSERT_EQ(entryfiles::list(path, listed), "");
    const auto e = five();
    EXPECT_EQ(listed, (std::vector<Entry> {e[1], e[2], e[3], e[4]}));
}

TEST(EntryFiles, DeletingEverythingLeavesCountZero)
{
    TempDir dir;
    const std::string path = dir.file("e.lot");
    writeEntries(path, five());
    std::vector<bool> selected(5, true);
    ASSERT_EQ(entryfiles::deleteSelected(path, selected), "");
    EXPECT_TRUE(selected.empty());
    EXPECT_EQ(entryfiles::countOf(path), 0);
    EXPECT_EQ(recordsOf(readBytes(path)).at(0).count, 0);
}

TEST(EntryFiles, RewriteKeepsEveryOtherField)
{
    TempDir dir;
    const std::string path = dir.file("e.lot");
    writeEntries(path, five());
    const auto before = recordsOf(readBytes(path));
    ASSERT_EQ(entryfiles::rewrite(path, 1, {2, 4, 6, 8, 10, 12}), "");
    const auto after = recordsOf(readBytes(path));
    BallRecord expected = before[0];
    for (int i = 0; i < 6; ++i)
        expected.ball[i] = static_cast<int16_t>(2 * (i + 1));
    EXPECT_EQ(after[0], expected);
    EXPECT_EQ(after[0].count, 5);
}

TEST(EntryFiles, DropEmptyFile)
{
    TempDir dir;
    entryfiles::dropemptyfile(""); // nothing to do, nothing to crash

    const std::string empty = dir.file("Lotto01JAN2026.lot");
    writeBytes(empty, {});
    entryfiles::dropemptyfile(empty);
    EXPECT_FALSE(exists(empty));

    const std::string zero = dir.file("Lotto02JAN2026.lot");
    writeBytes(zero, bytesOf({entryRecord(0, {1, 2, 3, 4, 5, 6})}));
    entryfiles::dropemptyfile(zero);
    EXPECT_FALSE(exists(zero));

    const std::string kept = dir.file("Lotto03JAN2026.lot");
    writeEntries(kept, five());
    entryfiles::dropemptyfile(kept);
    EXPECT_TRUE(exists(kept));

    const std::string missing = dir.file("Lotto04JAN2026.lot");
    entryfiles::dropemptyfile(missing);
    EXPECT_FALSE(exists(missing));
}

TEST(EntryFiles, HugeCountListsOnlyTheRecordsPresent)
{
    TempDir dir;
    const std::string path = dir.file("e.lot");
    auto records = recordsOf(bytesOf(
        {entryRecord(0x7FFFFFFF, {1, 2, 3, 4, 5, 6}), entryRecord(0, {7, 8, 9, 10, 11, 12})}));
    writeBytes(path, bytesOf(records));
    std::vector<Entry> listed;
    ASSERT_EQ(entryfiles::list(path, listed), "");
    EXPECT_EQ(listed.size(), 2u);
    // Such a count is damage: nothing is written behind it until it is recovered.
    const auto before = readBytes(path);
    std::vector<bool> selected {true, false};
    EXPECT_NE(entryfiles::deleteSelected(path, selected), "");
    EXPECT_NE(entryfiles::append(path, {1, 2, 3, 4, 5, 6}), "");
    EXPECT_NE(entryfiles::rewrite(path, 1, {1, 2, 3, 4, 5, 6}), "");
    EXPECT_EQ(readBytes(path), before);
    EXPECT_EQ(selected, (std::vector<bool> {true, false}));
}

TEST(EntryFiles, KindsComeFromThePath)
{
    EXPECT_TRUE(isWheelFile("/opt/pick/Lotto-6-6-5.lot"));
    EXPECT_TRUE(isWheelFile("/opt/my-pick/Lotto05DEC2026.lot")); // a folder name counts too
    EXPECT_FALSE(isWheelFile("/opt/pick/Lotto05DEC2026.lot"));
    EXPECT_TRUE(isStandingFile("/opt/pick/StandLT.lot"));
    EXPECT_FALSE(isStandingFile("/opt/pick/Lotto05DEC2026.lot"));
}
