#include "mainwindow/mainrules.h"

#include "tests/support/testsupport.h"

#include <gtest/gtest.h>

using namespace pickwise;
using namespace pickwise::testing;
using mainrules::DrawInput;

TEST(Check, TagsEachEntryByItsBestClass)
{
    const Draw draw {3, 9, 14, 27, 33, 41, 7};
    const std::pair<Entry, const char *> cases[] = {
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
    std::vector<std::pair<int, std::string>> expected;
    for (const auto &[entry, tag] : cases) {
        if (*tag)
            expected.emplace_back(static_cast<int>(entries.size()), tag);
        entries.push_back(entry);
    }
    std::vector<std::pair<int, std::string>> got;
    for (const auto &win : mainrules::checkEntries(entries, draw))
        got.emplace_back(win.index, win.tag);
    EXPECT_EQ(got, expected);
}

TEST(DrawHistoryLine, FixedColumnsReadBackAsTheDate)
{
    const std::pair<BallRecord, const char *> cases[] = {
        {drawRecord(0, 12345, {2015, 12, 31}, {10, 20, 30, 40, 48, 49, 11}),
            "12345 31 12 2015: 10 20 30 40 48 49 B 11"},
        {drawRecord(9, 7, {1999, 10, 9}, {2, 4, 6, 8, 10, 12, 14}),
            "00007 09 10 1999: 02 04 06 08 10 12 B 14"},
    };
    for (const auto &[draw, text] : cases) {
        const std::string line = mainrules::historyLineText(draw);
        EXPECT_EQ(line, text);
        Date date;
        ASSERT_TRUE(mainrules::historyLineDate(line, date)) << line;
        EXPECT_EQ(date, (Date {draw.year, draw.month, draw.day}));
    }
    for (const char *line : {"", "00017 05 03", "00017 31 02 2003: 01", "00017 xx 03 2003: 01"}) {
        Date date {1, 1, 1};
        EXPECT_FALSE(mainrules::historyLineDate(line, date)) << line;
        EXPECT_EQ(date, (Date {1, 1, 1}));
    }
}

// A file out of date order, with a damaged date and draws outside the date
// pickers' 1950..2050: the nearest real dates within the range either side.
TEST(DrawNeighbours, NearestRealDrawDatesEitherSide)
{
    std::vector<BallRecord> draws;
    for (const Date &d : std::vector<Date> {{2003, 1, 11}, {2003, 1, 4}, {2003, 1, 18},
             {2003, 13, 8}, {1949, 12, 31}, {2051, 1, 4}, {2003, 1, 8}})
        draws.push_back(drawRecord(0, 0, d, {1, 2, 3, 4, 5, 6, 7}));
    const struct
    {
        Date at;
        Date previous; // year 0: none
        Date next;
    } cases[] = {
        {{2003, 1, 8}, {2003, 1, 4}, {2003, 1, 11}}, // a draw date itself is neither
        {{2003, 1, 9}, {2003, 1, 8}, {2003, 1, 11}}, // days without a draw jumped over
        {{2003, 1, 4}, {}, {2003, 1, 8}}, {{2003, 1, 18}, {2003, 1, 11}, {}},
        {{2003, 1, 30}, {2003, 1, 18}, {}}, // not month 13, nor 2051
        {{1990, 6, 1}, {}, {2003, 1, 4}}, // not 1949
    };
    for (const auto &c : cases) {
        const auto found = mainrules::drawNeighbours(draws, c.at, {1950, 1, 1}, {2050, 12, 31});
        SCOPED_TRACE(getstringdate(c.at.year, c.at.month, c.at.day));
        EXPECT_EQ(found.hasPrevious, c.previous.year != 0);
        EXPECT_EQ(found.hasNext, c.next.year != 0);
        if (found.hasPrevious && c.previous.year != 0) {
            EXPECT_EQ(found.previous, c.previous);
        }
        if (found.hasNext && c.next.year != 0) {
            EXPECT_EQ(found.next, c.next);
        }
    }
}

TEST(DrawInput, ReadsRoundsAndSortsMainNumbers)
{
    Draw draw {};
    ASSERT_EQ(mainrules::readDrawInput({" 7abc", "2.5", "3.5", "10", "48.6", "11", "1"}, draw),
        DrawInput::Valid);
    EXPECT_EQ(draw, (Draw {2, 4, 7, 10, 11, 49, 1})); // the bonus stays last
}

TEST(DrawInput, RangeComesBeforeDuplicates)
{
    const std::pair<std::array<std::string, 7>, DrawInput> cases[] = {
        {{"1", "2", "3", "4", "5", "6", "6"}, DrawInput::Duplicate},
        {{"1", "1", "3", "4", "5", "6", "7"}, DrawInput::Duplicate},
        {{"1", "2", "3", "4", "5", "abc", "7"}, DrawInput::OutOfRange},
        {{"1", "2", "3", "4", "5", "6", "49.5"}, DrawInput::OutOfRange},
        {{"0.5", "2", "3", "4", "5", "6", "7"}, DrawInput::OutOfRange},
        {{"65537", "2", "3", "4", "5", "6", "7"}, DrawInput::OutOfRange},
        {{"-3", "2", "3", "4", "5", "6", "7"}, DrawInput::OutOfRange},
        {{"", "2", "2", "4", "5", "6", "7"}, DrawInput::OutOfRange},
    };
    for (const auto &[boxes, result] : cases) {
        Draw draw {9, 9, 9, 9, 9, 9, 9};
        EXPECT_EQ(mainrules::readDrawInput(boxes, draw), result) << boxes[0] << " " << boxes[6];
        EXPECT_EQ(draw, (Draw {9, 9, 9, 9, 9, 9, 9})); // untouched when refused
    }
}

TEST(Captions, BlankBeforeEachNumber)
{
    EXPECT_EQ(mainrules::addResultCaption({2003, 3, 5}), "Draw Result for  5/ 3/ 2003");
    EXPECT_EQ(mainrules::entryWindowCaption({2016, 1, 16}), "Lotto Entries for  16 JAN 2016");
}
