#include "entries/entryrules.h"

#include <gtest/gtest.h>

using namespace pickwise;

namespace {

const std::string same = "One or more of your numbers are the same!";
const std::string notNumber = "One or more of your entries is not a number!";
const std::string range = "One or more of your numbers are out of range for the game!";

} // namespace

TEST(TypedEntry, FaultsAndStoredNumbers)
{
    struct Case
    {
        TypedBoxes boxes;
        std::string message;
        Entry stored;
    };
    const std::vector<Case> cases {
        {{"40", "3", "17", "9", "22", "1"}, "", {1, 3, 9, 17, 22, 40}},
        {{" 7.6", "2.5", "3", "4", "5", "49"}, "", {2, 3, 4, 5, 8, 49}},
        {{"12abc", "13", "14", "15", "16", "17"}, "", {12, 13, 14, 15, 16, 17}},
        {{"1", "2", "3", "4", "5", ""}, notNumber, {}},
        {{"x", "2", "3", "4", "5", "6"}, notNumber, {}},
        {{"0.9", "2", "3", "4", "5", "6"}, notNumber, {}},
        {{"1", "2", "3", "4", "5", "49.1"}, range, {}},
        {{"7", "7", "3", "4", "5", "6"}, same, {}},
        // The last fault found wins: out of range in the last box beats the pair.
        {{"7", "7", "3", "4", "5", "50"}, range, {}},
        // ...and a pair in the last two boxes beats an early bad box.
        {{"0", "2", "3", "4", "6", "6"}, same, {}},
        {{"50", "2", "3", "4", "5", ""}, notNumber, {}},
        // Different as typed, equal once rounded.
        {{"7.4", "7.3", "3", "4", "5", "6"}, same, {}},
        {{"2.5", "2", "3", "4", "5", "6"}, same, {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.boxes[0] + "," + c.boxes[1] + "," + c.boxes[5]);
        Entry entry {};
        EXPECT_EQ(typedEntry(c.boxes, entry), c.message);
        if (c.message.empty()) {
            EXPECT_EQ(entry, c.stored);
        }
    }
}

TEST(Constraints, DoneReadsChecksAndEmpties)
{
    using Slots3 = std::array<int16_t, 3>;
    using Slots6 = std::array<int16_t, 6>;
    const Slots6 earlier {9, 9, 9, 9, 9, 9};
    struct Case
    {
        const char *name;
        ConstraintBoxes boxes;
        std::string message;
        ConstraintBoxes after;
        Slots3 must;
        Slots6 mustNot;
        bool constrained;
    };
    const std::vector<Case> cases {
        {"letters and 0 are emptied silently", {"abc", "0", "12", "", "x7", "0.0", "", "", "44"},
            "", {"", "", "12", "", "", "", "", "", "44"}, {0, 0, 12}, {0, 0, 0, 0, 0, 44}, true},
        {"nothing typed", {}, "", {}, {0, 0, 0}, {0, 0, 0, 0, 0, 0}, false},
        {"rounded into the slot", {"7.5", "2.5"}, "", {"7.5", "2.5"}, {8, 2, 0}, {}, true},
        {"negative", {"5", "-3", "60"}, "Negative number!", {"5", "-3", "60"}, {5, -3, 60}, earlier,
            true},
        {"above 49 before a later negative", {"60", "-3"}, "One of your numbers is greater than 49",
            {"60", "-3"}, {60, -3, 0}, earlier, true},
        {"too big for a slot", {"99999"}, "One of your numbers is greater than 49", {"99999"},
            {32767, 0, 0}, earlier, true},
        {"duplicate must-contain", {"5", "0", "5"}, "You have duplicate numbers", {"5", "", "5"},
            {5, 0, 5}, earlier, true},
        {"duplicate must-not-contain", {"", "", "", "3", "", "", "", "", "3"},
            "You have duplicate numbers", {"", "", "", "3", "", "", "", "", "3"}, {0, 0, 0},
            {3, 0, 0, 0, 0, 3}, true},
        {"must-not-contain range", {"1", "", "", "50"}, "One of your numbers is greater than 49",
            {"1", "", "", "50"}, {1, 0, 0}, {50, 0, 0, 0, 0, 0}, true},
        {"in both lists", {"", "21", "", "", "", "", "21"},
            "You cannot have the same number in both lists", {"", "21", "", "", "", "", "21"},
            {0, 21, 0}, {0, 0, 0, 21, 0, 0}, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        SharedState state;
        state.addmode = true;
        state.constrained = true;
        state.mustnotcontain = earlier;
        ConstraintBoxes boxes = c.boxes;
        EXPECT_EQ(applyConstraints(state, boxes), c.message);
        EXPECT_EQ(boxes, c.after);
        EXPECT_EQ(state.mustcontain, c.must);
        EXPECT_EQ(state.mustnotcontain, c.mustNot);
        EXPECT_EQ(state.constrained, c.constrained);
        EXPECT_FALSE(state.addmode);
    }
}

TEST(Constraints, BoxesShownOnOpening)
{
    SharedState state;
    state.mustcontain = {12, 0, 3};
    state.mustnotcontain = {0, 44, 0, 0, 0, 7};
    EXPECT_EQ(constraintBoxTexts(state), ConstraintBoxes {});
    state.constrained = true;
    EXPECT_EQ(
        constraintBoxTexts(state), (ConstraintBoxes {"12", "", "3", "", "44", "", "", "", "7"}));
}
