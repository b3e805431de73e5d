#include "entries/entryrules.h"

#include <gtest/gtest.h>

using namespace pickwise;

TEST(TypedEntry, FaultsAndStoredNumbers)
{
    const std::string same = "One or more of your numbers are the same!";
    const std::string notNumber = "One or more of your entries is not a number!";
    const std::string range = "One or more of your numbers are out of range for the game!";
    struct Case
    {
        TypedBoxes boxes;
        std::string message;
        Entry stored;
    };
    const std::vector<Case> cases {
        {{" 12abc", "13", "14", "15", "16", "17"}, "", {12, 13, 14, 15, 16, 17}},
        {{"0.9", "2", "3", "4", "5", "6"}, notNumber, {}},
        {{"1", "2", "3", "4", "5", "49.1"}, range, {}},
        // The last fault found wins: a pair in the last two boxes beats a bad first box.
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

// Done over boxes in slot order (must contain 1..3, must not contain 1..6),
// starting from must-not-contain slots that hold 9s.
TEST(Constraints, DoneReadsChecksAndStopsAtTheFirstFault)
{
    using Slots3 = std::array<int16_t, 3>;
    using Slots6 = std::array<int16_t, 6>;
    const Slots6 earlier {9, 9, 9, 9, 9, 9};
    const std::string above = "One of your numbers is greater than 49";
    struct Case
    {
        const char *name;
        ConstraintBoxes boxes;
        std::string message;
        Slots3 must;
        Slots6 mustNot;
        bool constrained;
    };
    const std::vector<Case> cases {
        {"accepted, rounded", {"7.5", "2.5", "", "", "x", "44"}, "", {8, 2, 0}, {0, 0, 44}, true},
        {"nothing typed", {}, "", {0, 0, 0}, {}, false},
        {"above 49 before a later negative", {"60", "-3"}, above, {60, -3, 0}, earlier, true},
        {"too big for a slot", {"99999"}, above, {32767, 0, 0}, earlier, true},
        {"duplicate must-contain", {"5", "0", "5"}, "You have duplicate numbers", {5, 0, 5},
            earlier, true},
        {"duplicate must-not-contain", {"", "", "", "3", "", "", "", "", "3"},
            "You have duplicate numbers", {0, 0, 0}, {3, 0, 0, 0, 0, 3}, true},
        {"must-not-contain range", {"", "", "", "50"}, above, {0, 0, 0}, {50}, true},
        {"in both lists", {"", "21", "", "", "", "", "21"},
            "You cannot have the same number in both lists", {0, 21, 0}, {0, 0, 0, 21, 0, 0}, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        SharedState state;
        state.addmode = true;
        state.constrained = true;
        state.mustnotcontain = earlier;
        ConstraintBoxes boxes = c.boxes;
        EXPECT_EQ(applyConstraints(state, boxes), c.message);
        EXPECT_EQ(state.mustcontain, c.must);
        EXPECT_EQ(state.mustnotcontain, c.mustNot);
        EXPECT_EQ(state.constrained, c.constrained);
        EXPECT_FALSE(state.addmode);
    }
}
