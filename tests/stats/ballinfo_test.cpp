#include "stats/ballinfo.h"

#include "tests/support/testsupport.h"

#include <gtest/gtest.h>

using namespace pickwise;
using namespace pickwise::stats;
namespace support = pickwise::testing;

TEST(FairShare, RoundedAtLeastOneAndWide)
{
    EXPECT_EQ(fairShare(View::Lotto, 98), 12);
    EXPECT_EQ(fairShare(View::Bonus, 20), 1); // 0.41 rounds to 0, shown as 1
    EXPECT_EQ(fairShare(View::LottoBonus, 100), 14);
    EXPECT_EQ(fairShare(View::LottoBonus, 5000), 714); // 7 x 5000 is beyond 16 bits
    EXPECT_EQ(fairShare(View::Lotto, 32767), 4012);
}

TEST(BallFacts, CountLastDateAndDrawsSinceByView)
{
    // Ten draws, the newest on 5 March 2003. Ball 7 is a main number of draws
    // 3 and 10, ball 8 the bonus of draw 6, ball 9 a main number of draw 4 and
    // the bonus of draw 9.
    auto draws = support::makeHistory(10, {2003, 2, 1});
    for (auto &d : draws)
        d.ball = {20, 21, 22, 23, 24, 25, 30};
    draws[2].ball[0] = draws[9].ball[0] = 7;
    draws[5].ball[6] = 8;
    draws[3].ball[1] = draws[8].ball[6] = 9;

    struct Case
    {
        View view;
        int ball;
        int times;
        const char *date;
        int since;
    };
    const Case cases[] = {
        {View::Lotto, 7, 2, "5 MAR 2003", 0},
        {View::Lotto, 40, 0, "", 10},
        {View::Lotto, 8, 0, "", 10},
        {View::Bonus, 8, 1, "19 FEB 2003", 4},
        {View::Bonus, 7, 0, "", 10},
        {View::LottoBonus, 9, 2, "1 MAR 2003", 1},
        {View::Lotto, 9, 1, "12 FEB 2003", 6},
    };
    for (const Case &c : cases) {
        const BallFacts facts = ballFacts(draws, c.view, c.ball);
        const std::string name = "view " + std::to_string(static_cast<int>(c.view)) + " ball "
            + std::to_string(c.ball);
        EXPECT_EQ(facts.timesDrawn, c.times) << name;
        EXPECT_EQ(facts.lastDrawn, c.date) << name;
        EXPECT_EQ(facts.drawsSince, c.since) << name;
    }
}

TEST(InfoBall, RangeTestOnTheRoundedLeadingNumber)
{
    struct Case
    {
        const char *text;
        int ball; // 0: rejected
        const char *number;
    };
    const Case cases[] = {
        {"07", 7, "7"},
        {"1.4", 1, "1.4"},
        {"2.5", 2, "2.5"},
        {"49.4", 49, "49.4"},
        {"7a", 7, "7"},
        {"49.6", 0, ""},
        {"0.5", 0, ""},
        {"0", 0, ""},
        {"-3", 0, ""},
    };
    for (const Case &c : cases) {
        const InfoBall info = readInfoBall(c.text);
        EXPECT_EQ(info.valid, c.ball != 0) << c.text;
        if (info.valid) {
            EXPECT_EQ(info.ball, c.ball) << c.text;
            EXPECT_EQ(info.number, c.number) << c.text;
        }
    }
    EXPECT_EQ(infoCaption("Draw Statistics for Lotto", readInfoBall("07")),
        "Draw Statistics for Lotto <Ball 7>");
    EXPECT_EQ(barCaption("Draw Statistics for Lotto", 31), "Draw Statistics for Lotto <Ball  31>");
}
