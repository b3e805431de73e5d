#include "wheels/wheelsave.h"

#include "platform/testing/fakes.h"
#include "tests/support/testsupport.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace pickwise;
using namespace pickwise::testing;
using namespace pickwise::wheels;

namespace {

std::array<std::string, ballBoxes> boxesOf(const std::vector<std::string> &texts)
{
    std::array<std::string, ballBoxes> boxes;
    std::copy(texts.begin(), texts.end(), boxes.begin());
    return boxes;
}

// Seven lines over a group of seven: line k leaves out position 8 - k.
const char *fullWheelOfSeven = "01 02 03 04 05 06\n"
                               "01 02 03 04 05 07\n"
                               "01 02 03 04 06 07\n"
                               "01 02 03 05 06 07\n"
                               "01 02 04 05 06 07\n"
                               "01 03 04 05 06 07\n"
                               "02 03 04 05 06 07\n";

struct WheelFolder
{
    WheelFolder()
    {
        std::filesystem::create_directory(dir.file("wheels"));
        input.apppath = dir.path();
        input.wheelgame = "Lotto";
        input.wheeltype = 1;
        input.ballcount = 7;
        input.boxes = boxesOf({"3", "9", "17", "22", "31", "40", "45"});
        input.entriesText = "7";
    }

    void writeDefinition(const std::string &name, const std::string &text)
    {
        writeBytes(dir.file("wheels/" + name), std::vector<uint8_t>(text.begin(), text.end()));
    }

    std::string wheelFile() const { return dir.file("Lotto-6-6-6.lot"); }

    TempDir dir;
    SaveWheelInput input;
    FakeDialogs dialogs;
};

} // namespace

TEST(ReadGroup, DuplicatesAreFoundBeforeTheRange)
{
    struct Case
    {
        std::vector<std::string> boxes;
        GroupProblem expected;
    };
    const std::vector<Case> cases {
        {{"3", "9", "17", "22", "31", "40", "45"}, GroupProblem::None},
        {{"3", "9", "", "22", "31", "", "45"}, GroupProblem::Same},
        {{"3", "9", "17", "22", "31", "40", ""}, GroupProblem::OutOfRange},
        {{"3", "9", "17", "22", "31", "40", "50"}, GroupProblem::OutOfRange},
        {{"3", "9", "17", "22", "31", "40", "abc"}, GroupProblem::OutOfRange},
        {{"3", "9", "17", "22", "31", "40", "99999"}, GroupProblem::OutOfRange},
        {{"3", "9", "17", "22", "31", "-1", "45"}, GroupProblem::OutOfRange},
        // Halves go to the even neighbour: 8.5 is 8, which box 2 already holds.
        {{"3", "8", "8.5", "22", "31", "40", "45"}, GroupProblem::Same},
        {{"3", "8", "9.5", "22", "31", "40", "0"}, GroupProblem::OutOfRange},
    };
    for (const Case &c : cases) {
        std::vector<int16_t> group;
        EXPECT_EQ(readGroup(boxesOf(c.boxes), 7, 49, group), c.expected) << c.boxes[2];
    }
}

TEST(ReadGroup, SortsTheVisibleBoxesOnlyAndRoundsHalvesToEven)
{
    std::vector<int16_t> group;
    auto boxes = boxesOf({"45", " 7.5", "17", "9", "40 ", "6.5", "31"});
    boxes[7] = "1"; // hidden boxes play no part
    boxes[8] = "1";
    ASSERT_EQ(readGroup(boxes, 7, 49, group), GroupProblem::None);
    EXPECT_EQ(group, (std::vector<int16_t> {6, 8, 9, 17, 31, 40, 45}));
}

TEST(DefinitionLine, FixedColumnsOfTheTrimmedField)
{
    struct Case
    {
        std::string line;
        Positions expected;
    };
    const std::vector<Case> cases {
        {"01 02 03 04 05 06", {1, 2, 3, 4, 5, 6}},
        {" 1  2  3  4  5  6", {1, 2, 3, 4, 5, 6}},
        {"1  2  3  4  5  6  ", {1, 2, 3, 4, 5, 6}},
        {"\t10 11 12 13 14 20\t", {10, 11, 12, 13, 14, 20}},
        {"\"01 05 09 12 14 20\"", {1, 5, 9, 12, 14, 20}},
        {"01 05 09 12 14 20,07 08", {1, 5, 9, 12, 14, 20}},
        {"01 02 03 04 05", {1, 2, 3, 4, 5, 0}},
        {"01 00 xx 04 05 06", {1, 0, 0, 4, 5, 6}},
        {"1 2 3 4 5 6", {1, 3, 4, 6, 0, 0}},
        {"-1 02 03 04 05 06", {-1, 2, 3, 4, 5, 6}},
        {"", {0, 0, 0, 0, 0, 0}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(definitionLinePositions(c.line), c.expected) << c.line;
}

TEST(DefinitionFile, ReadsExactlyTheEntriesAndStopsAtTheFirstFault)
{
    struct Case
    {
        std::string text;
        int entries;
        DefinitionStatus expected;
    };
    const std::vector<Case> cases {
        {"01 02 03 04 05 06\r\n02 03 04 05 06 07\r\n", 2, DefinitionStatus::Ok},
        {"01 02 03 04 05 06\n02 03 04 05 06 07\nrubbish", 2, DefinitionStatus::Ok},
        {"01 02 03 04 05 06\n02 03 04 05 06 07", 3, DefinitionStatus::NotFound},
        {"", 1, DefinitionStatus::NotFound},
        {"01 02 03 04 05 06\n01 02 03 04 05 00\n", 2, DefinitionStatus::Corrupt},
        {"01 02 03 04 05 06\n\n01 02 03 04 05 07\n", 3, DefinitionStatus::Corrupt},
        // A position past the group would take an unchecked hidden box.
        {"01 02 03 04 05 08\n", 1, DefinitionStatus::NotFound},
        {"01 02 03 04 05 25\n", 1, DefinitionStatus::NotFound},
        {"-1 02 03 04 05 06\n", 1, DefinitionStatus::NotFound},
        {"08 00 03 04 05 06\n", 1, DefinitionStatus::NotFound},
        {"00 08 03 04 05 06\n", 1, DefinitionStatus::Corrupt},
    };
    for (const Case &c : cases) {
        std::vector<Positions> lines;
        EXPECT_EQ(readDefinition(c.text, c.entries, 7, lines), c.expected) << c.text;
        if (c.expected == DefinitionStatus::Ok) {
            EXPECT_EQ(static_cast<int>(lines.size()), c.entries);
        }
    }
}

TEST(SaveWheel, WritesEveryLineWithTheCountInEveryRecord)
{
    WheelFolder f;
    f.writeDefinition("6-6-6-7.whl", fullWheelOfSeven);
    ASSERT_EQ(saveWheel(f.input, f.dialogs), SaveOutcome::Done);
    EXPECT_EQ(f.dialogs.texts(), std::vector<std::string> {"Done!"});

    const auto records = recordsOf(readBytes(f.wheelFile()));
    ASSERT_EQ(records.size(), 7u);
    EXPECT_EQ(records[0], entryRecord(7, {3, 9, 17, 22, 31, 40}));
    EXPECT_EQ(records[1], entryRecord(7, {3, 9, 17, 22, 31, 45}));
    EXPECT_EQ(records[6], entryRecord(7, {9, 17, 22, 31, 40, 45}));
    for (const BallRecord &r : records)
        EXPECT_EQ(r.count, 7);

    // Positions refer to the sorted group, whatever order the boxes hold.
    const auto sortedBytes = readBytes(f.wheelFile());
    std::filesystem::remove(f.wheelFile());
    f.input.boxes = boxesOf({"45", "3", "17", "9", "40", "22", "31"});
    ASSERT_EQ(saveWheel(f.input, f.dialogs), SaveOutcome::Done);
    EXPECT_EQ(readBytes(f.wheelFile()), sortedBytes);
}

TEST(SaveWheel, EmptyOldWheelIsWrittenOverInPlaceKeepingWhatTheRecordsHeld)
{
    WheelFolder f;
    f.writeDefinition("6-6-6-7.whl", fullWheelOfSeven);
    // Count 0, so nothing is asked; the unused fields and the stale record
    // beyond the new wheel stay as they were.
    std::vector<BallRecord> old(9);
    for (size_t i = 0; i < old.size(); ++i) {
        old[i].drawno = static_cast<int16_t>(100 + i);
        old[i].ball[6] = 33;
    }
    writeBytes(f.wheelFile(), bytesOf(old));

    ASSERT_EQ(saveWheel(f.input, f.dialogs), SaveOutcome::Done);
    EXPECT_EQ(f.dialogs.texts(), std::vector<std::string> {"Done!"});
    const auto records = recordsOf(readBytes(f.wheelFile()));
    ASSERT_EQ(records.size(), 9u);
    EXPECT_EQ(records[0].drawno, 100);
    EXPECT_EQ(records[0].ball[6], 33);
    EXPECT_EQ(records[0].ball[0], 3);
    EXPECT_EQ(records[6].count, 7);
    EXPECT_EQ(records[7], old[7]);
    EXPECT_EQ(records[8], old[8]);
}

TEST(SaveWheel, OverwriteQuestionDecidesWhetherTheOldWheelGoes)
{
    WheelFolder f;
    f.writeDefinition("6-6-6-7.whl", fullWheelOfSeven);
    std::vector<BallRecord> old;
    for (int i = 0; i < 10; ++i)
        old.push_back(entryRecord(10, {1, 2, 3, 4, 5, static_cast<int16_t>(6 + i)}));
    old[0].drawno = 77;
    const auto oldBytes = bytesOf(old);
    writeBytes(f.wheelFile(), oldBytes);

    f.dialogs.answer(false);
    EXPECT_EQ(saveWheel(f.input, f.dialogs), SaveOutcome::Kept);
    ASSERT_EQ(f.dialogs.shown.size(), 1u);
    EXPECT_TRUE(f.dialogs.shown[0].question);
    EXPECT_EQ(f.dialogs.shown[0].text, overwriteQuestion);
    EXPECT_EQ(readBytes(f.wheelFile()), oldBytes);

    // Yes starts from an empty file: nothing of the old wheel is left.
    f.dialogs.clear();
    f.dialogs.answer(true);
    EXPECT_EQ(saveWheel(f.input, f.dialogs), SaveOutcome::Done);
    EXPECT_EQ(f.dialogs.texts(), (std::vector<std::string> {overwriteQuestion, "Done!"}));
    const auto records = recordsOf(readBytes(f.wheelFile()));
    ASSERT_EQ(records.size(), 7u);
    EXPECT_EQ(records[0], entryRecord(7, {3, 9, 17, 22, 31, 40}));
}

TEST(SaveWheel, FailuresLeaveTheOldWheelUntouched)
{
    struct Case
    {
        const char *what;
        std::string definition; // "" writes no definition file
        std::vector<std::string> messages;
    };
    const std::string corrupt = "01 02 03 04 05 06\n01 02 03 04 05 07\n01 02 0x 04 05 06\n";
    const std::string tooShort = "01 02 03 04 05 06\n01 02 03 04 05 07\n";
    const std::vector<Case> cases {
        {"corrupt line", corrupt, {overwriteQuestion, definitionCorruptMessage}},
        {"too few lines", tooShort, {overwriteQuestion, wheelFileNotFoundMessage}},
        {"no definition file", "", {wheelFileNotFoundMessage}},
    };
    for (const Case &c : cases) {
        WheelFolder f;
        if (!c.definition.empty())
            f.writeDefinition("6-6-6-7.whl", c.definition);
        const auto oldBytes
            = bytesOf({entryRecord(2, {1, 2, 3, 4, 5, 6}), entryRecord(2, {7, 8, 9, 10, 11, 12})});
        writeBytes(f.wheelFile(), oldBytes);

        EXPECT_NE(saveWheel(f.input, f.dialogs), SaveOutcome::Done) << c.what;
        EXPECT_EQ(f.dialogs.texts(), c.messages) << c.what;
        EXPECT_EQ(readBytes(f.wheelFile()), oldBytes) << c.what;
    }
}

TEST(SaveWheel, FailedFirstSaveLeavesNoWheelFileBehind)
{
    WheelFolder f;
    f.writeDefinition("6-6-6-7.whl", "01 02 03 04 05 06\n00 02 03 04 05 07\n");
    EXPECT_EQ(saveWheel(f.input, f.dialogs), SaveOutcome::Corrupt);
    EXPECT_EQ(f.dialogs.texts(), std::vector<std::string> {definitionCorruptMessage});
    EXPECT_FALSE(exists(f.wheelFile()));
}

TEST(SaveWheel, WriteErrorIsReported)
{
    WheelFolder f;
    f.writeDefinition("6-6-6-7.whl", fullWheelOfSeven);
    // A folder in the wheel file's place cannot be replaced by a file.
    std::filesystem::create_directory(f.wheelFile());
    EXPECT_EQ(saveWheel(f.input, f.dialogs), SaveOutcome::NotFound);
    EXPECT_EQ(f.dialogs.texts(), std::vector<std::string> {wheelFileNotFoundMessage});
    EXPECT_TRUE(std::filesystem::is_directory(f.wheelFile()));
}
