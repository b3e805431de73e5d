#include "stats/ballinfo.h"

#include "tests/support/testsupport.h"

#include <gtest/gtest.h>

using namespace pickwise;
using namespace pickwise::stats;
namespace support = pickwise::testing;

TEST(FairShare, RoundedAndAtLeastOne)
{
    struct Case
    {
        View view;
        int draws;
        int expected;
    };
    const Case cases[] = {
        {View::Lotto, 98, 12},
        {View::Bonus, 20, 1}, // 0.41 rounds to 0, shown as 1
        {View::LottoBonus, 100, 14},
        {View::Lotto, 0, 1},
        {View::LottoBonus, 5000, 714}, // 7 x 5000 is beyond 16 bits
        {View::Lotto, 32767, 4012},
    };
    for (const Case &c : cases)
        EXPECT_EQ(fairShare(c.view, c.draws), c.expected)
            << static_cast<int>(c.view) << " " << c.draws;
}

namespace {

// Ten draws, the newest on Wednesday 5 March 2003. Ball 7 is a main number of
// draws 3 and 10, ball 8 the bonus of draw 6 only, ball 9 a main number of
// draw 4 and the bonus of draw 9.
std::vector<BallRecord> tenDraws()
{
    auto draws = support::makeHistory(10, {2003, 2, 1});
    for (auto &d : draws)
        d.ball = {20, 21, 22, 23, 24, 25, 30};
    draws[2].ball[0] = 7;
    draws[9].ball[0] = 7;
    draws[5].ball[6] = 8;
    draws[3].ball[1] = 9;
    draws[8].ball[6] = 9;
    return draws;
}

} // namespace

TEST(BallFacts, CountLastDateAndDrawsSinceByView)
{
    const auto draws = tenDraws();
    ASSERT_EQ(draws.back().day, 5);
    ASSERT_EQ(draws.back().month, 3);

    struct Case
    {
        const char *name;
        View view;
        int ball;
        int times;
        const char *date;
        int since;
    };
    const Case cases[] = {
        {"drawn in the newest draw", View::Lotto, 7, 2, "5 MAR 2003", 0},
        {"never drawn", View::Lotto, 40, 0, "", 10},
        {"bonus only, Lotto view", View::Lotto, 8, 0, "", 10},
        {"bonus only, Bonus view", View::Bonus, 8, 1, "19 FEB 2003", 4},
        {"main only, Bonus view", View::Bonus, 7, 0, "", 10},
        {"main and bonus, both counted", View::LottoBonus, 9, 2, "1 MAR 2003", 1},
        {"main and bonus, Lotto view", View::Lotto, 9, 1, "12 FEB 2003", 6},
    };
    for (const Case &c : cases) {
        const BallFacts facts = ballFacts(draws, c.view, c.ball);
        EXPECT_EQ(facts.timesDrawn, c.times) << c.name;
        EXPECT_EQ(facts.lastDrawn, c.date) << c.name;
        EXPECT_EQ(facts.drawsSince, c.since) << c.name;
        EXPECT_EQ(facts.expected, fairShare(c.view, 10)) << c.name;
    }
}

TEST(InfoBall, RangeTestOnTheLeadingNumber)
{
    struct Case
    {
        const char *text;
        bool valid;
        int ball;
        const char *number;
    };
    const Case cases[] = {
        {"7", true, 7, "7"},
        {"07", true, 7, "7"},
        {" 12", true, 12, "12"},
        {"1.4", true, 1, "1.4"},
        {"2.5", true, 2, "2.5"},
        {"49.4", true, 49, "49.4"},
        {"7a", true, 7, "7"},
        {"0.6", true, 1, "0.6"},
        {"49.6", false, 0, ""},
        {"49.5", false, 0, ""},
        {"0.5", false, 0, ""},
        {"0", false, 0, ""},
        {"50", false, 0, ""},
        {"-3", false, 0, ""},
        {"", false, 0, ""},
        {"abc", false, 0, ""},
    };
    for (const Case &c : cases) {
        const InfoBall info = readInfoBall(c.text);
        EXPECT_EQ(info.valid, c.valid) << c.text;
        if (!c.valid)
            continue;
        EXPECT_EQ(info.ball, c.ball) << c.text;
        EXPECT_EQ(info.number, c.number) << c.text;
    }
}

TEST(InfoBall, CaptionsDifferInTheirBlanks)
{
    EXPECT_EQ(infoCaption("Draw Statistics for Lotto", readInfoBall("07")),
        "Draw Statistics for Lotto <Ball 7>");
    EXPECT_EQ(barCaption("Draw Statistics for Bonus Ball (Sorted)", 31),
        "Draw Statistics for Bonus Ball (Sorted) <Ball  31>");
}
