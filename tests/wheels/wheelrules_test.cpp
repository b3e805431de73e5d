#include "wheels/catalogue.h"
#include "wheels/suggestion.h"
#include "wheels/wheelsave.h"

#include "platform/testing/fakes.h"
#include "tests/support/testsupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

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

BallRecord drawOf(Draw balls)
{
    return drawRecord(0, 0, {2003, 1, 4}, balls);
}

bool distinctInRange(const Suggestion &suggested)
{
    const std::set<int16_t> balls(suggested.begin(), suggested.end());
    return balls.size() == suggested.size() && *balls.begin() >= 1 && *balls.rbegin() <= 49;
}

// Line k leaves out position 8 - k: every 6 of a group of 7.
const std::string fullWheelOfSeven = "01 02 03 04 05 06\n01 02 03 04 05 07\n01 02 03 04 06 07\n"
                                     "01 02 03 05 06 07\n01 02 04 05 06 07\n01 03 04 05 06 07\n"
                                     "02 03 04 05 06 07\n";

// An installation folder and the Save Wheel input for type 1 over seven balls.
struct WheelFolder
{
    WheelFolder(const std::string &definition = fullWheelOfSeven)
    {
        std::filesystem::create_directory(dir.file("wheels"));
        if (!definition.empty())
            writeBytes(dir.file("wheels/6-6-6-7.whl"), {definition.begin(), definition.end()});
        input = {DataPaths(dir.path(), dir.path()), "Lotto", 1, 7, 49,
            boxesOf({"3", "9", "17", "22", "31", "40", "45"}), "7"};
    }
    std::string wheelFile() const { return dir.file("Lotto-6-6-6.lot"); }

    TempDir dir;
    SaveWheelInput input;
    FakeDialogs dialogs;
};

} // namespace

// The table's entry counts must be the line counts of the shipped files: a
// count below the file's would save a wheel that breaks its guarantee.
TEST(WheelCatalogue, AgreesWithTheShippedDefinitionFiles)
{
    int pairs = 0;
    for (const WheelType &type : catalogue()) {
        EXPECT_EQ(type.tag, "-6-" + std::to_string(type.d) + "-" + std::to_string(type.k) + ".lot");
        EXPECT_EQ(entriesRequired(type.code, type.largestSize() + 1), 0);
        for (int n = type.smallestSize; n <= type.largestSize(); ++n, ++pairs) {
            const std::string name = definitionFileName(type.code, n);
            const std::vector<uint8_t> bytes = readBytes(WHEEL_DEFINITIONS_DIR "/" + name);
            const std::string text(bytes.begin(), bytes.end());
            const int entries = entriesRequired(type.code, n);
            std::vector<Positions> lines;
            EXPECT_EQ(readDefinition(text, entries, n, lines), DefinitionStatus::Ok) << name;
            EXPECT_EQ(readDefinition(text, entries + 1, n, lines), DefinitionStatus::NotFound)
                << name;
        }
    }
    EXPECT_EQ(pairs, 48);
}

TEST(WheelCatalogue, EveryMenuItemNamesItsOwnFile)
{
    // The menu name's digits and the file name's must agree ("mnu665" lists
    // "Lotto-6-6-5.lot"): a mix-up would open another wheel's lines.
    for (const WheelType &type : catalogue()) {
        const std::string menu = type.menuName;
        const std::string file
            = std::string("Lotto-") + menu[3] + "-" + menu[4] + "-" + menu[5] + ".lot";
        EXPECT_EQ(entryFileName("Lotto", type.code), file);
        EXPECT_EQ(type.menuCaption,
            std::string("Guarantee Match ") + menu[5] + " if " + menu[4] + " Picked from Group");
    }
    EXPECT_EQ(entryFileName("Lotto", 0), "");
    EXPECT_EQ(entryFileName("Lotto", 11), "");
}

TEST(SuggestedBalls, MostDrawnFirstTiesToTheLowerBallAndTheBonusNeverCounts)
{
    // 3 and 7 drawn twice, eight more once, in no order; bonus 9 would tie
    // with 3 and 7 if it counted. Ten balls drawn: the rest are random.
    ScriptedRandom random;
    const auto suggested = suggestedBalls(
        {drawOf({7, 3, 20, 21, 22, 23, 9}), drawOf({3, 7, 33, 32, 31, 30, 9})}, 49, random);
    EXPECT_EQ(std::vector<int16_t>(suggested.begin(), suggested.begin() + 10),
        (std::vector<int16_t> {3, 7, 20, 21, 22, 23, 30, 31, 32, 33}));
    EXPECT_TRUE(distinctInRange(suggested));
    EXPECT_GT(random.calls, 0u);
    EXPECT_EQ(groupSuggestion(suggested, 7), (std::vector<int16_t> {3, 7, 20, 21, 22, 23, 30}));
}

TEST(SuggestedBalls, RandomFillSpansOneToMaxballAndNeverHangs)
{
    // u = 0 gives 1, u just below 1 gives maxball; after that the generator
    // only repeats taken balls and must not loop forever.
    ScriptedRandom random({0.0, 0.99999});
    const auto fresh = suggestedBalls({}, 49, random);
    EXPECT_EQ(fresh[0], 1);
    EXPECT_EQ(fresh[1], 49);
    EXPECT_TRUE(distinctInRange(fresh));
    // Damaged balls are not tallied (nor written outside the tally).
    const auto damaged = suggestedBalls({drawOf({200, -5, 0, 5, 5, 5, 5})}, 49, random);
    EXPECT_EQ(damaged[0], 5);
    EXPECT_TRUE(distinctInRange(damaged));
}

TEST(ReadGroup, RoundsSortsAndFindsDuplicatesBeforeTheRange)
{
    struct Case
    {
        std::vector<std::string> boxes;
        GroupProblem expected;
        std::vector<int16_t> group;
    };
    const Case cases[] = {
        {{"45", " 7.5", "17", "9", "40 ", "6.5", "31"}, GroupProblem::None,
            {6, 8, 9, 17, 31, 40, 45}},
        {{"3", "9", "", "22", "31", "", "45"}, GroupProblem::Same, {}},
        {{"3", "8", "8.5", "22", "31", "40", "45"}, GroupProblem::Same, {}},
        {{"3", "9", "17", "22", "31", "40", ""}, GroupProblem::OutOfRange, {}},
        {{"3", "9", "17", "22", "31", "40", "50"}, GroupProblem::OutOfRange, {}},
        {{"3", "9", "17", "22", "31", "40", "abc"}, GroupProblem::OutOfRange, {}},
        {{"3", "9", "17", "22", "31", "40", "65537"}, GroupProblem::OutOfRange, {}},
    };
    for (const Case &c : cases) {
        auto boxes = boxesOf(c.boxes);
        boxes[7] = boxes[8] = "1"; // hidden boxes play no part
        std::vector<int16_t> group;
        EXPECT_EQ(readGroup(boxes, 7, 49, group), c.expected) << c.boxes[1] << c.boxes[2];
        EXPECT_EQ(group, c.group);
    }
}

TEST(DefinitionReader, FixedColumnsOfTheTrimmedFieldAndTheFirstFaultDecides)
{
    const std::pair<std::string, Positions> lines[] = {
        {" 1  2  3  4  5  6\t", {1, 2, 3, 4, 5, 6}},
        {"\"01 05 09 12 14 20\"", {1, 5, 9, 12, 14, 20}},
        {"01 05 09 12 14 20,07 08", {1, 5, 9, 12, 14, 20}},
        {"1 2 3 4 5 6", {1, 3, 4, 6, 0, 0}},
    };
    for (const auto &[line, expected] : lines)
        EXPECT_EQ(definitionLinePositions(line), expected) << line;

    const std::tuple<std::string, int, DefinitionStatus> files[] = {
        {"01 02 03 04 05 06\r\n02 03 04 05 06 07\r\n", 2, DefinitionStatus::Ok},
        {"01 02 03 04 05 06\n02 03 04 05 06 07\nrubbish", 2, DefinitionStatus::Ok},
        {"01 02 03 04 05 06\n02 03 04 05 06 07", 3, DefinitionStatus::NotFound},
        {"01 02 03 04 05 06\n01 02 03 04 05\n", 2, DefinitionStatus::Corrupt},
        {"01 02 03 04 05 06\n\n01 02 03 04 05 07\n", 3, DefinitionStatus::Corrupt},
        // A position past the group would take an unchecked hidden box.
        {"08 00 03 04 05 06\n", 1, DefinitionStatus::NotFound},
        {"00 08 03 04 05 06\n", 1, DefinitionStatus::Corrupt},
    };
    for (const auto &[text, entries, expected] : files) {
        std::vector<Positions> read;
        EXPECT_EQ(readDefinition(text, entries, 7, read), expected) << text;
    }
}

TEST(SaveWheel, WritesEveryLineWithTheCountInEveryRecordWhateverTheBoxOrder)
{
    WheelFolder f;
    ASSERT_EQ(saveWheel(f.input, f.dialogs), SaveOutcome::Done);
    EXPECT_EQ(f.dialogs.texts(), std::vector<std::string> {"Done!"});
    const auto sorted = readBytes(f.wheelFile());
    const auto records = recordsOf(sorted);
    ASSERT_EQ(records.size(), 7u);
    EXPECT_EQ(records[0], entryRecord(7, {3, 9, 17, 22, 31, 40}));
    EXPECT_EQ(records[6], entryRecord(7, {9, 17, 22, 31, 40, 45}));
    for (const BallRecord &r : records)
        EXPECT_EQ(r.count, 7);

    std::filesystem::remove(f.wheelFile());
    f.input.boxes = boxesOf({"45", "3", "17", "9", "40", "22", "31"});
    ASSERT_EQ(saveWheel(f.input, f.dialogs), SaveOutcome::Done);
    EXPECT_EQ(readBytes(f.wheelFile()), sorted);
}

TEST(SaveWheel, OnlyAWheelHoldingEntriesIsAskedAbout)
{
    // An empty old wheel (count 0) is written over without a question, its
    // records keeping the fields a wheel does not use.
    WheelFolder empty;
    BallRecord unused;
    unused.drawno = 100;
    writeBytes(empty.wheelFile(), bytesOf({unused, unused}));
    ASSERT_EQ(saveWheel(empty.input, empty.dialogs), SaveOutcome::Done);
    EXPECT_EQ(empty.dialogs.texts(), std::vector<std::string> {"Done!"});
    EXPECT_EQ(recordsOf(readBytes(empty.wheelFile()))[1].drawno, 100);

    WheelFolder f;
    std::vector<BallRecord> old(10, entryRecord(10, {1, 2, 3, 4, 5, 6}));
    const auto oldBytes = bytesOf(old);
    writeBytes(f.wheelFile(), oldBytes);
    f.dialogs.answer(false);
    EXPECT_EQ(saveWheel(f.input, f.dialogs), SaveOutcome::Kept);
    EXPECT_EQ(f.dialogs.texts(), std::vector<std::string> {overwriteQuestion});
    EXPECT_TRUE(f.dialogs.shown[0].question);
    EXPECT_EQ(readBytes(f.wheelFile()), oldBytes);

    // Yes starts from an empty file: nothing of the longer old wheel is left.
    f.dialogs.answer(true);
    EXPECT_EQ(saveWheel(f.input, f.dialogs), SaveOutcome::Done);
    EXPECT_EQ(recordsOf(readBytes(f.wheelFile())).size(), 7u);
}

TEST(SaveWheel, FailuresLeaveTheOldWheelAsItWas)
{
    struct Case
    {
        std::string definition; // "" writes no definition file
        bool oldWheel;
        std::vector<std::string> messages;
    };
    const std::string corrupt = "01 02 03 04 05 06\n01 02 03 04 05 07\n01 02 0x 04 05 06\n";
    const std::string tooShort = "01 02 03 04 05 06\n01 02 03 04 05 07\n";
    const Case cases[] = {
        {corrupt, true, {overwriteQuestion, definitionCorruptMessage}},
        {tooShort, true, {overwriteQuestion, wheelFileNotFoundMessage}},
        {"", true, {wheelFileNotFoundMessage}},
        {corrupt, false, {definitionCorruptMessage}},
    };
    const auto oldBytes = bytesOf({entryRecord(2, {1, 2, 3, 4, 5, 6}), entryRecord(2, {7})});
    for (const Case &c : cases) {
        WheelFolder f(c.definition);
        if (c.oldWheel)
            writeBytes(f.wheelFile(), oldBytes);
        EXPECT_NE(saveWheel(f.input, f.dialogs), SaveOutcome::Done);
        EXPECT_EQ(f.dialogs.texts(), c.messages);
        if (c.oldWheel)
            EXPECT_EQ(readBytes(f.wheelFile()), oldBytes);
        else
            EXPECT_FALSE(exists(f.wheelFile())) << "a failed first save left a wheel file";
    }
}
