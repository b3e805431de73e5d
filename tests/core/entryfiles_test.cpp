#include "core/datapaths.h"
#include "core/entryfiles.h"

#include "tests/support/testsupport.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace pickwise;
using namespace pickwise::testing;

namespace {

std::vector<Entry> five()
{
    return {{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}, {13, 14, 15, 16, 17, 18},
        {19, 20, 21, 22, 23, 24}, {25, 26, 27, 28, 29, 30}};
}

} // namespace

// Appending copies record one's other fields, read before the count changes.
TEST(EntryFiles, AppendGivesCountAndCopiesRecordOnesOtherFields)
{
    TempDir dir;
    const std::string path = dir.file("Lotto05DEC2015.lot");
    ASSERT_EQ(entryfiles::append(path, {3, 9, 14, 27, 33, 41}), "");
    EXPECT_EQ(readBytes(path), bytesOf({entryRecord(1, {3, 9, 14, 27, 33, 41})}));

    BallRecord first = entryRecord(1, {1, 2, 3, 4, 5, 6});
    first.day = 5;
    first.ball[6] = 9;
    writeBytes(path, bytesOf({first}));
    ASSERT_EQ(entryfiles::append(path, {7, 8, 9, 10, 11, 12}), "");
    BallRecord second = first;
    second.count = 1;
    second.ball = {7, 8, 9, 10, 11, 12, 9};
    first.count = 2;
    EXPECT_EQ(readBytes(path), bytesOf({first, second}));
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

namespace {

// The deletion as the list always did it: one selected line at a time, lowest
// first, every later record moved down one place.
void replayDeletion(RecordFile &file, std::vector<bool> &selected)
{
    for (;;) {
        const auto at = std::find(selected.begin(), selected.end(), true);
        if (at == selected.end())
            return;
        const int i = static_cast<int>(at - selected.begin());
        const int c = file.count();
        for (int j = i; j <= c - 2; ++j)
            file.write(j + 1, file.read(j + 2));
        BallRecord first = file.read(1);
        first.count = c > 0 ? c - 1 : 0;
        file.write(1, first);
        selected.erase(at);
    }
}

} // namespace

// Damaged counts, lists longer or shorter than the file, a torn last record:
// the one pass leaves the same bytes as the replay, stale records included.
TEST(EntryFiles, DeletionLeavesTheBytesOfTheOneByOneReplay)
{
    std::vector<BallRecord> records;
    for (int16_t r = 1; r <= 9; ++r) {
        BallRecord record = entryRecord(r == 1 ? 9 : 0,
            {r, int16_t(r + 10), int16_t(r + 20), int16_t(r + 30), int16_t(r + 40), 49});
        record.day = r; // every record told apart by more than its numbers
        records.push_back(record);
    }
    auto withCount = [&](int32_t count, size_t n, size_t extraBytes = 0) {
        std::vector<BallRecord> some(records.begin(), records.begin() + static_cast<long>(n));
        if (!some.empty())
            some[0].count = count;
        std::vector<uint8_t> bytes = bytesOf(some);
        bytes.resize(bytes.size() + extraBytes, 0x5A);
        return bytes;
    };
    struct Case
    {
        const char *name;
        std::vector<uint8_t> bytes;
        std::vector<int> lines; // selected lines
        size_t listed;
    };
    const std::vector<Case> cases {
        {"first", withCount(9, 9), {0}, 9},
        {"last", withCount(9, 9), {8}, 9},
        {"first, middle and last", withCount(9, 9), {0, 4, 8}, 9},
        {"a run", withCount(9, 9), {2, 3, 4, 5}, 9},
        {"all", withCount(9, 9), {0, 1, 2, 3, 4, 5, 6, 7, 8}, 9},
        {"count below the records present", withCount(5, 9), {1, 3}, 5},
        {"lines beyond the count", withCount(4, 9), {1, 5, 6}, 7},
        {"more lines deleted than counted", withCount(2, 9), {0, 1, 2, 3}, 6},
        {"count above the records present", withCount(40, 6), {0, 2}, 6},
        {"count zero", withCount(0, 4), {1}, 4},
        {"negative count", withCount(-3, 4), {0, 2}, 4},
        {"torn last record", withCount(5, 5, 11), {0, 4}, 5},
        {"only a torn record", std::vector<uint8_t>(9, 0x11), {0}, 1},
        {"empty file", {}, {0, 1}, 2},
        {"list shorter than the count", withCount(9, 9), {1}, 3},
    };
    auto check = [](const std::vector<uint8_t> &bytes, std::vector<bool> selected) {
        RecordFile expected, file;
        expected.setBytes(bytes);
        file.setBytes(bytes);
        std::vector<bool> expectedLeft = selected;
        replayDeletion(expected, expectedLeft);
        entryfiles::deleteSelected(file, selected);
        EXPECT_EQ(file.bytes(), expected.bytes());
        EXPECT_EQ(selected, expectedLeft);
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<bool> selected(c.listed, false);
        for (int line : c.lines)
            selected[static_cast<size_t>(line)] = true;
        check(c.bytes, selected);
    }
    // Every selection of eight entries, with the count true and one below it.
    for (int32_t count : {8, 7})
        for (unsigned mask = 1; mask < 256; ++mask) {
            SCOPED_TRACE("count " + std::to_string(count) + ", mask " + std::to_string(mask));
            std::vector<bool> selected(8);
            for (size_t i = 0; i < 8; ++i)
                selected[i] = (mask >> i) & 1;
            check(withCount(count, 8), selected);
        }
}

TEST(EntryFiles, RewriteKeepsEveryOtherField)
{
    TempDir dir;
    const std::string path = dir.file("e.lot");
    writeEntries(path, five());
    BallRecord expected = recordsOf(readBytes(path))[0];
    ASSERT_EQ(entryfiles::rewrite(path, 1, {2, 4, 6, 8, 10, 12}), "");
    for (int i = 0; i < 6; ++i)
        expected.ball[i] = static_cast<int16_t>(2 * (i + 1));
    EXPECT_EQ(recordsOf(readBytes(path))[0], expected);
}

// An entry file of no entries is removed; one with entries, or none, is left.
TEST(EntryFiles, DropEmptyFile)
{
    TempDir dir;
    entryfiles::dropemptyfile(""); // nothing to do, nothing to crash
    const std::string empty = dir.file("Lotto01JAN2015.lot"), zero = dir.file("Lotto02JAN2015.lot"),
                      kept = dir.file("Lotto03JAN2015.lot"),
                      missing = dir.file("Lotto04JAN2015.lot");
    writeBytes(empty, {});
    writeBytes(zero, bytesOf({entryRecord(0, {1, 2, 3, 4, 5, 6})}));
    writeEntries(kept, five());
    for (const std::string &path : {empty, zero, kept, missing})
        entryfiles::dropemptyfile(path);
    EXPECT_FALSE(exists(empty));
    EXPECT_FALSE(exists(zero));
    EXPECT_TRUE(exists(kept));
    EXPECT_FALSE(exists(missing));
}

TEST(EntryFiles, HugeCountListsOnlyTheRecordsPresent)
{
    TempDir dir;
    const std::string path = dir.file("e.lot");
    writeBytes(path,
        bytesOf(
            {entryRecord(0x7FFFFFFF, {1, 2, 3, 4, 5, 6}), entryRecord(0, {7, 8, 9, 10, 11, 12})}));
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

TEST(DataPaths, FolderBecomesPrefixWithoutTrailingSeparator)
{
    const std::pair<const char *, const char *> cases[] = {
        {"/opt/pickwise/", "/opt/pickwise"},
        {"  /opt/pick wise  ", "/opt/pick wise"},
        {"/", ""},
        {"C:\\", "C:"},
        {"C:\\Lotto\\", "C:\\Lotto"},
    };
    for (const auto &[folder, apppath] : cases)
        EXPECT_EQ(apppathFrom(folder), apppath) << "folder \"" << folder << "\"";

    // Installed in the root, the results file is the root's sa.rtl.
    EXPECT_EQ(DataPaths("/", "/").results(), "/sa.rtl");
}
