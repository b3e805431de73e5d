#include "core/sharedstate.h"
#include "mainwindow/apppath.h"
#include "mainwindow/mainrules.h"

#include "tests/support/testsupport.h"

#include <gtest/gtest.h>

using namespace pickwise;
using namespace pickwise::testing;

TEST(Apppath, FolderBecomesPrefixWithoutTrailingSeparator)
{
    const struct
    {
        const char *folder;
        const char *apppath;
    } cases[] = {
        {"/opt/pickwise", "/opt/pickwise"},
        {"/opt/pickwise/", "/opt/pickwise"},
        {"  /opt/pick wise  ", "/opt/pick wise"},
        {"/", ""},
        {"C:\\", "C:"},
        {"C:\\Lotto\\", "C:\\Lotto"},
        {"", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(apppathFrom(c.folder), c.apppath) << "folder \"" << c.folder << "\"";

    // Installed in the root, the results file is the root's sa.rtl.
    SharedState state;
    state.apppath = apppathFrom("/");
    EXPECT_EQ(state.pathOf("sa.rtl"), "/sa.rtl");
    state.apppath = apppathFrom("/opt/pickwise/");
    EXPECT_EQ(state.pathOf("sa.rtl"), "/opt/pickwise/sa.rtl");
}

TEST(Check, TagsEachEntryByItsBestClass)
{
    const Draw draw {3, 9, 14, 27, 33, 41, 7};
    const struct
    {
        Entry entry;
        const char *tag; // "" for no win
    } cases[] = {
        {{3, 9, 14, 27, 33, 41}, "(6)"},
        {{41, 33, 27, 14, 9, 3}, "(6)"}, // order does not matter
        {{3, 9, 14, 27, 33, 7}, "(5+B)"},
        {{3, 9, 14, 27, 33, 45}, "(5)"},
        {{3, 9, 14, 27, 7, 45}, "(4+B)"},
        {{3, 9, 14, 27, 44, 45}, "(4)"},
        {{3, 9, 14, 7, 44, 45}, "(3+B)"},
        {{3, 9, 14, 43, 44, 45}, "(3)"},
        {{3, 9, 7, 43, 44, 45}, ""}, // two main numbers and the bonus ball
        {{1, 2, 4, 5, 6, 8}, ""},
    };
    std::vector<Entry> entries;
    for (const auto &c : cases)
        entries.push_back(c.entry);

    const auto wins = mainrules::checkEntries(entries, draw);
    size_t w = 0;
    for (size_t i = 0; i < std::size(cases); ++i) {
        if (std::string(cases[i].tag).empty())
            continue;
        ASSERT_LT(w, wins.size()) << "case " << i;
        EXPECT_EQ(wins[w].index, static_cast<int>(i));
        EXPECT_EQ(wins[w].tag, cases[i].tag) << "case " << i;
        ++w;
    }
    EXPECT_EQ(w, wins.size());
}

TEST(Check, EntryCountBoxReading)
{
    EXPECT_EQ(mainrules::entryCount("12"), 12);
    EXPECT_EQ(mainrules::entryCount(" 2"), 2);
    EXPECT_EQ(mainrules::entryCount(""), 0);
    EXPECT_EQ(mainrules::entryCount("99999"), 0); // not a 16-bit count
}

TEST(DrawHistoryLine, FixedColumns)
{
    const struct
    {
        BallRecord draw;
        const char *line;
    } cases[] = {
        {drawRecord(0, 17, {2003, 3, 5}, {1, 5, 12, 23, 34, 45, 7}),
            "00017 05 03 2003: 01 05 12 23 34 45 B 07"},
        {drawRecord(0, 12345, {2026, 12, 31}, {10, 20, 30, 40, 48, 49, 11}),
            "12345 31 12 2026: 10 20 30 40 48 49 B 11"},
        {drawRecord(9, 7, {1999, 10, 9}, {2, 4, 6, 8, 10, 12, 14}),
            "00007 09 10 1999: 02 04 06 08 10 12 B 14"},
    };
    for (const auto &c : cases) {
        const std::string line = mainrules::historyLineText(c.draw);
        EXPECT_EQ(line, c.line);
        EXPECT_EQ(line.size(), 40u);
        Date date;
        ASSERT_TRUE(mainrules::historyLineDate(line, date)) << line;
        EXPECT_EQ(date, (Date {c.draw.year, c.draw.month, c.draw.day}));
    }
}

TEST(DrawHistoryLine, LinesWithoutADateAreRefused)
{
    for (const char *line : {"", "00017 05 03", "00017 31 02 2003: 01", "00017 xx 03 2003: 01"}) {
        Date date {1, 1, 1};
        EXPECT_FALSE(mainrules::historyLineDate(line, date)) << line;
        EXPECT_EQ(date, (Date {1, 1, 1}));
    }
}

TEST(DrawInput, SortsMainNumbersAndKeepsBonusLast)
{
    Draw draw {};
    ASSERT_EQ(mainrules::readDrawInput({"7", "3", "49", "1", "20", "11", "5"}, draw),
        mainrules::DrawInput::Valid);
    EXPECT_EQ(draw, (Draw {1, 3, 7, 11, 20, 49, 5}));

    // Leading numbers are read and rounded half to even.
    ASSERT_EQ(mainrules::readDrawInput({" 7abc", "2.5", "3.5", "10", "11", "12", "48.6"}, draw),
        mainrules::DrawInput::Valid);
    EXPECT_EQ(draw, (Draw {2, 4, 7, 10, 11, 12, 49}));
}

TEST(DrawInput, RangeComesBeforeDuplicates)
{
    const struct
    {
        std::array<std::string, 7> boxes;
        mainrules::DrawInput result;
    } cases[] = {
        {{"1", "2", "3", "4", "5", "6", "6"}, mainrules::DrawInput::Duplicate},
        {{"1", "1", "3", "4", "5", "6", "7"}, mainrules::DrawInput::Duplicate},
        {{"1", "2", "3", "4", "5", "", "7"}, mainrules::DrawInput::OutOfRange},
        {{"1", "2", "3", "4", "5", "abc", "7"}, mainrules::DrawInput::OutOfRange},
        {{"1", "2", "3", "4", "5", "6", "50"}, mainrules::DrawInput::OutOfRange},
        {{"1", "2", "3", "4", "5", "6", "49.5"}, mainrules::DrawInput::OutOfRange},
        {{"0.5", "2", "3", "4", "5", "6", "7"}, mainrules::DrawInput::OutOfRange},
        {{"65537", "2", "3", "4", "5", "6", "7"}, mainrules::DrawInput::OutOfRange},
        {{"-3", "2", "3", "4", "5", "6", "7"}, mainrules::DrawInput::OutOfRange},
        {{"", "2", "2", "4", "5", "6", "7"}, mainrules::DrawInput::OutOfRange},
    };
    for (const auto &c : cases) {
        Draw draw {9, 9, 9, 9, 9, 9, 9};
        EXPECT_EQ(mainrules::readDrawInput(c.boxes, draw), c.result) << c.boxes[0];
        EXPECT_EQ(draw, (Draw {9, 9, 9, 9, 9, 9, 9})); // untouched when refused
    }
}

TEST(Captions, BlankBeforeEachNumber)
{
    EXPECT_EQ(mainrules::addResultCaption({2003, 3, 5}), "Draw Result for  5/ 3/ 2003");
    EXPECT_EQ(mainrules::entryWindowCaption({2026, 12, 5}), "Lotto Entries for  5 DEC 2026");
    EXPECT_EQ(mainrules::entryWindowCaption({2027, 1, 16}), "Lotto Entries for  16 JAN 2027");
}

TEST(DeleteQuestion, OneOrSeveral)
{
    EXPECT_EQ(mainrules::deleteQuestion(1), "Are you sure you want to delete the selected entry?");
    EXPECT_EQ(
        mainrules::deleteQuestion(3), "Are you sure you want to delete the 3 selected entries?");
}

TEST(WheelItems, EveryItemNamesItsOwnFile)
{
    // The menu name's digits and the file name's must agree ("mnu665" lists
    // "Lotto-6-6-5.lot"): a mix-up would open another wheel's lines.
    const auto &items = mainrules::wheelItems();
    for (size_t i = 0; i < items.size(); ++i) {
        const std::string menu = items[i].menuName;
        const std::string expected
            = std::string("Lotto-") + menu[3] + "-" + menu[4] + "-" + menu[5] + ".lot";
        EXPECT_EQ(items[i].fileName, expected);
        EXPECT_EQ(mainrules::wheelFileName(static_cast<int>(i) + 1), expected);
        EXPECT_EQ(items[i].caption,
            std::string("Guarantee Match ") + menu[5] + " if " + menu[4] + " Picked from Group");
    }
    EXPECT_EQ(mainrules::wheelFileName(0), "");
    EXPECT_EQ(mainrules::wheelFileName(11), "");
    EXPECT_EQ(std::string(items[1].menuName), "mnu665"); // wheelno 2
}
