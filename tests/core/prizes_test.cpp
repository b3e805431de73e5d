#include "core/prizes.h"
#include "core/resultsimport.h"

#include "tests/support/testsupport.h"

#include <gtest/gtest.h>

#ifndef SHIPPED_DRAWS
#error "SHIPPED_DRAWS must name data/sa-lotto-draws.csv"
#endif

using namespace pickwise;
using namespace pickwise::testing;

TEST(Money, CentsReadAndShownWithoutRounding)
{
    const std::pair<std::string, Cents> read[] = {
        {"103463.40", 10346340},
        {"25000000.00", 2500000000},
        {"32.7", 3270},
        {"0.00", 0},
        {" 20 ", 2000},
        {"999999999999.99", 99999999999999},
    };
    for (const auto &[text, cents] : read) {
        Cents got = -1;
        EXPECT_TRUE(readRand(text, got)) << text;
        EXPECT_EQ(got, cents) << text;
    }
    for (const char *bad : {"", ".", "5.", ".5", "1.234", "-5.00", "R5.00", "1,5", "1e3",
             "1000000000000.00", "5.0x"}) {
        Cents got = 0;
        EXPECT_FALSE(readRand(bad, got)) << bad;
    }
    EXPECT_EQ(randText(10346340), "R103463.40");
    EXPECT_EQ(randText(187300), "R1873.00");
    EXPECT_EQ(randText(5), "R0.05");
    EXPECT_EQ(randText(-1500), "-R15.00");
    EXPECT_EQ(decimalText(-5), "-0.05");
}

// A prize file that is missing, damaged or not text at all leaves prizes
// unknown, each readable line still read.
TEST(PrizeFile, DamageLeavesPrizesUnknownLineByLine)
{
    TempDir dir;
    PrizeStore store(dir.file(prizesFileName));
    EXPECT_TRUE(store.load().missing);
    EXPECT_EQ(store.find({2024, 11, 13}), nullptr);

    const std::string text = "date,div1,div2,div3,div4,div5,div6,div7,div8\r\n"
                             "2024-11-06,0.00,103463.40,,,,,50.00,20.00\r\n"
                             "2024-11-09,1,2,3\r\n" // too few fields
                             "2024-11-13,,abc,,,,,,\r\n" // not an amount
                             "2024-11-06,,1.00,,,,,,\r\n" // the date again
                             "31/02/2020,,1.00,,,,,,\r\n" // not a date
                             "2024-11-16,,88741.00,,,,,,"; // no line end
    writeBytes(dir.file(prizesFileName), {text.begin(), text.end()});
    const PrizeStore::LoadReport report = store.load();
    EXPECT_FALSE(report.missing);
    EXPECT_EQ(report.unreadLines, (std::vector<int> {3, 4, 5, 6}));
    ASSERT_NE(store.find({2024, 11, 6}), nullptr);
    EXPECT_FALSE(store.find({2024, 11, 6})->known(1)); // 0.00: nobody won, not R0
    EXPECT_EQ(store.find({2024, 11, 6})->prize(2), 10346340);
    EXPECT_EQ(store.find({2024, 11, 13}), nullptr);
    ASSERT_NE(store.find({2024, 11, 16}), nullptr);
    EXPECT_EQ(store.size(), 2);
    // Written back, the lines not understood follow the others as they were.
    DrawPrizes nov13;
    nov13.perBoard[3] = 187300;
    EXPECT_EQ(store.merge({2024, 11, 13}, nov13), PrizeStore::Merge::Added);
    ASSERT_EQ(store.save(), "");
    EXPECT_EQ(slurp(dir.file(prizesFileName)),
        "date,div1,div2,div3,div4,div5,div6,div7,div8\n"
        "2024-11-06,,103463.40,,,,,50.00,20.00\n"
        "2024-11-13,,,,1873.00,,,,\n"
        "2024-11-16,,88741.00,,,,,,\n"
        "2024-11-09,1,2,3\n"
        "2024-11-13,,abc,,,,,,\n"
        "2024-11-06,,1.00,,,,,,\n"
        "31/02/2020,,1.00,,,,,,\n");

    std::vector<uint8_t> binary;
    for (int i = 0; i < 5000; ++i)
        binary.push_back(static_cast<uint8_t>(i * 131 + 7));
    writeBytes(dir.file(prizesFileName), binary);
    store.load();
    EXPECT_EQ(store.size(), 0);
}

// The real draws of November 2024, imported from the shipped file: what the
// winning lines of the players' entries won in rand.
TEST(Winnings, RealDrawsPayTheirDivisionsPrize)
{
    TempDir dir;
    ResultsHistory history(dir.file("sa.rtl"));
    PrizeStore prizes(dir.file(prizesFileName));
    history.load();
    prizes.load();
    ASSERT_EQ(resultsimport::importFile(history, prizes, SHIPPED_DRAWS).added, 985);

    struct Case
    {
        Date date;
        std::vector<Entry> entries;
        std::array<int, 8> lines;
        Cents total;
        int unknown;
        std::string shown;
    };
    const Case cases[] = {
        {{2024, 11, 6}, {{13, 18, 32, 42, 43, 16}}, {0, 1, 0, 0, 0, 0, 0, 0}, 10346340, 0,
            "R103463.40"},
        {{2024, 11, 13}, {{3, 25, 33, 42, 9, 1}}, {0, 0, 0, 1, 0, 0, 0, 0}, 187300, 0, "R1873.00"},
        // Two main numbers and the bonus: the eighth division of 6 of 52.
        {{2024, 11, 13}, {{3, 25, 9, 1, 2, 4}, {1, 2, 4, 5, 6, 7}}, {0, 0, 0, 0, 0, 0, 0, 1}, 2000,
            0, "R20.00"},
        // The jackpot of 6 November rolled over (0.00 in the data): not known, never R0.
        {{2024, 11, 6}, {{13, 18, 32, 42, 43, 50}}, {1, 0, 0, 0, 0, 0, 0, 0}, 0, 1,
            "prizes not known"},
        {{2024, 11, 6}, {{13, 18, 32, 42, 43, 50}, {13, 18, 32, 1, 2, 3}}, {1, 0, 0, 0, 0, 0, 1, 0},
            5000, 1, "R50.00 and prizes not known"},
        // Two and the bonus in the 6 of 49 game won nothing.
        {{2017, 7, 29}, {{26, 49, 48, 1, 2, 3}}, {}, 0, 0, "R0.00"},
    };
    for (const Case &c : cases) {
        const HistoryDraw *draw = history.find(c.date);
        ASSERT_NE(draw, nullptr);
        const Winnings w = winningsOf(c.date, draw->balls, c.entries, prizes.find(c.date));
        EXPECT_EQ(w.lines, c.lines) << c.shown;
        EXPECT_EQ(w.total, c.total) << c.shown;
        EXPECT_EQ(w.unknownLines, c.unknown) << c.shown;
        EXPECT_EQ(wonText(w), c.shown);
    }
    // Without a prize file every win is unknown.
    const HistoryDraw *nov13 = history.find({2024, 11, 13});
    EXPECT_EQ(wonText(winningsOf(nov13->date, nov13->balls, {{3, 25, 33, 42, 9, 1}}, nullptr)),
        "prizes not known");
}
