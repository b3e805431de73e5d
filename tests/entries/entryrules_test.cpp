#include "entries/entryrules.h"

#include <gtest/gtest.h>

using namespace pickwise;

// Done over boxes in slot order (must contain 1..3, must not contain 1..6),
// starting from must-not-contain slots that hold 9s.
TEST(Constraints, DoneReadsChecksAndStopsAtTheFirstFault)
{
    using Slots3 = std::array<int16_t, 3>;
    using Slots6 = std::array<int16_t, 6>;
    const Slots6 earlier {9, 9, 9, 9, 9, 9};
    const std::string above = "One of your numbers is greater than 49";
    const std::string duplicate = "You have duplicate numbers";
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
        {"duplicate must-contain", {"5", "0", "5"}, duplicate, {5, 0, 5}, earlier, true},
        {"duplicate must-not-contain", {"", "", "", "3", "", "", "", "", "3"}, duplicate, {0, 0, 0},
            {3, 0, 0, 0, 0, 3}, true},
        {"must-not-contain range", {"", "", "", "50"}, above, {0, 0, 0}, {50}, true},
        {"in both lists", {"", "21", "", "", "", "", "21"},
            "You cannot have the same number in both lists", {0, 21, 0}, {0, 0, 0, 21, 0, 0}, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ConstraintSet set;
        bool addmode = true;
        set.constrained = true;
        set.mustnotcontain = earlier;
        ConstraintBoxes boxes = c.boxes;
        EXPECT_EQ(applyConstraints(set, addmode, boxes), c.message);
        EXPECT_EQ(set.mustcontain, c.must);
        EXPECT_EQ(set.mustnotcontain, c.mustNot);
        EXPECT_EQ(set.constrained, c.constrained);
        EXPECT_FALSE(addmode);
    }
}
