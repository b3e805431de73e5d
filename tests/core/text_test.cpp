#include "core/dates.h"
#include "core/lines.h"
#include "core/numbers.h"
#include "core/prize.h"
#include "tests/support/testsupport.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace pickwise;
using pickwise::testing::ScopedLocale;

namespace {

// Numbers are read and written with a decimal point whatever the C library's
// locale says; the window system sets that locale from the environment.
const char *const locales[] = {"C", pickwise::testing::decimalCommaLocale};

} // namespace

TEST(NumberReading, LeadingNumberRoundedHalvesToEven)
{
    struct Case
    {
        std::string text;
        double value;
        bool fits;
        int16_t rounded;
    };
    const Case cases[] = {
        {"7.5", 7.5, true, 8},
        {"2.5", 2.5, true, 2},
        {"6.5", 6.5, true, 6},
        {" 12abc", 12, true, 12},
        {"abc", 0, true, 0},
        {"", 0, true, 0},
        {"-3", -3, true, -3},
        {"40000", 40000, false, 0},
        {"7.6", 7.6, true, 8},
        {"1.2.3", 1.2, true, 1},
        {"+4", 4, true, 4},
        {".5", 0.5, true, 0},
        {"-", 0, true, 0},
        {"32767.5", 32767.5, false, 0},
        {"-32768", -32768, true, -32768},
        {"49,6", 49, true, 49}, // a comma ends the number in every locale
        {std::string(400, '9'), HUGE_VAL, false, 0},
        {"0." + std::string(400, '0') + "1", 0, true, 0},
    };
    for (const char *locale : locales) {
        ScopedLocale scoped(locale);
        ASSERT_TRUE(scoped.ok()) << locale << " is not installed: run scripts/install-deps.sh";
        for (const Case &c : cases) {
            EXPECT_DOUBLE_EQ(leadingNumber(c.text), c.value) << c.text << " in " << locale;
            int16_t out = 0;
            EXPECT_EQ(readInt16(c.text, out), c.fits) << c.text << " in " << locale;
            if (c.fits) {
                EXPECT_EQ(out, c.rounded) << c.text << " in " << locale;
            }
        }
    }
}

TEST(NumberReading, PlainText)
{
    for (const char *locale : locales) {
        ScopedLocale scoped(locale);
        ASSERT_TRUE(scoped.ok()) << locale << " is not installed: run scripts/install-deps.sh";
        EXPECT_EQ(plainNumberText(7), "7") << locale;
        EXPECT_EQ(plainNumberText(1.4), "1.4") << locale;
        EXPECT_EQ(plainNumberText(-3), "-3") << locale;
        EXPECT_EQ(plainNumberText(7.5), "7.5") << locale;
        EXPECT_EQ(plainNumberText(0.1 + 0.2), "0.3") << locale; // 15 significant digits
    }
}

TEST(Text, MonthsAndFileNames)
{
    EXPECT_EQ(monthabbrev(1), "JAN");
    EXPECT_EQ(monthabbrev(12), "DEC");
    EXPECT_EQ(monthabbrev(0), "");
    EXPECT_EQ(monthabbrev(13), "");
    EXPECT_EQ(datedEntryFileName(5, 12, 2015), "Lotto05DEC2015.lot");
    EXPECT_EQ(datedEntryFileName(25, 3, 2003), "Lotto25MAR2003.lot");
}

TEST(Text, EntryAndWinningLines)
{
    EXPECT_EQ(entryLineText({1, 2, 3, 4, 5, 6}), "01 02 03 04 05 06");
    EXPECT_EQ(entryLineText({1, 2, 3, 4, 5, 6}).size(), 17u);
    EXPECT_EQ(winLineText({10, 20, 30, 40, 45, 49}, "(6)"), "10 20 30 40 45 49 (6)");
    EXPECT_EQ(entryLineText({9, 10, 11, 12, 13, 49}), "09 10 11 12 13 49");
}

TEST(Text, DaysOfWeek)
{
    EXPECT_EQ(dayOfWeek({2003, 3, 5}), 3); // Wednesday
    EXPECT_EQ(dayOfWeek({2015, 12, 5}), 6); // Saturday
    EXPECT_EQ(dayOfWeek({2000, 2, 29}), 2);
    EXPECT_TRUE(isWednesdayOrSaturday({2015, 12, 9}));
    EXPECT_FALSE(isWednesdayOrSaturday({2015, 12, 8}));
    EXPECT_FALSE(isValidDate({2015, 2, 29}));
    EXPECT_TRUE(isValidDate({2016, 2, 29}));
}

TEST(Prizes, TiersFromMatchesAndBonus)
{
    const Draw draw {1, 2, 3, 4, 5, 6, 7};
    struct Case
    {
        Entry entry;
        const char *tag;
    };
    const Case cases[] = {
        {{1, 2, 3, 4, 5, 6}, "(6)"},
        {{1, 2, 3, 4, 5, 7}, "(5+B)"},
        {{1, 2, 3, 4, 5, 9}, "(5)"},
        {{1, 2, 3, 4, 7, 9}, "(4+B)"},
        {{1, 2, 3, 4, 8, 9}, "(4)"},
        {{1, 2, 3, 7, 8, 9}, "(3+B)"},
        {{1, 2, 3, 8, 9, 10}, "(3)"},
        {{1, 2, 7, 8, 9, 10}, ""},
    };
    for (const Case &c : cases)
        EXPECT_EQ(checkTag(prizeTier(matchedMainNumbers(c.entry, draw), holdsBonus(c.entry, draw))),
            c.tag);
}
