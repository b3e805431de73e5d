#include "core/game.h"
#include "core/prize.h"

#include <gtest/gtest.h>

namespace pickwise {
namespace {

TEST(Game, TheGameChangesOnSecondAugust2017)
{
    struct Case
    {
        Date date;
        int highestBall;
        int tiers;
    };
    const Case cases[] = {
        {{2003, 3, 5}, 49, 7},
        {{2017, 7, 29}, 49, 7}, // last 6 of 49 draw
        {{2017, 8, 1}, 49, 7},
        {{2017, 8, 2}, 52, 8}, // first 6 of 52 draw
        {{2017, 12, 31}, 52, 8},
        {{2016, 9, 2}, 49, 7}, // later day and month, earlier year
        {{2026, 12, 5}, 52, 8},
    };
    for (const Case &c : cases) {
        const GameMatrix &m = matrixFor(c.date);
        EXPECT_EQ(m.highestBall, c.highestBall) << c.date.year << "-" << c.date.month;
        EXPECT_EQ(m.tierCount(), c.tiers) << c.date.year << "-" << c.date.month;
    }
    EXPECT_TRUE(sixOf52().isBall(52));
    EXPECT_FALSE(sixOf52().isBall(53));
    EXPECT_FALSE(sixOf49().isBall(50));
    EXPECT_FALSE(sixOf49().isBall(0));
    EXPECT_TRUE(sixOf49().hasSlip);
    EXPECT_FALSE(sixOf52().hasSlip);
}

TEST(Game, TiersMatchTheCheckOfTheOldGameAndAddTwoPlusBonus)
{
    for (int matched = 0; matched <= 6; ++matched) {
        for (bool bonus : {false, true}) {
            const int tier49 = sixOf49().tierOf(matched, bonus);
            EXPECT_EQ(tier49, prizeTier(matched, bonus)) << matched << bonus;
            EXPECT_EQ(sixOf49().tierOf(matched, bonus) == 0 ? "" : sixOf49().tier(tier49).tag,
                checkTag(prizeTier(matched, bonus)));
            const int tier52 = sixOf52().tierOf(matched, bonus);
            if (matched == 2 && bonus)
                EXPECT_EQ(std::string(sixOf52().tier(tier52).tag), "(2+B)");
            else
                EXPECT_EQ(tier52, tier49) << matched << bonus;
        }
    }
    EXPECT_EQ(sixOf52().tierOf(2, false), 0);
    EXPECT_EQ(sixOf52().tierOf(1, true), 0);
    EXPECT_EQ(std::string(sixOf52().tier(8).summary), "Match 2+B");
    EXPECT_EQ(std::string(sixOf52().tier(8).listTag), "Match 2+PB");
    EXPECT_EQ(std::string(sixOf49().tier(2).listTag), "Match 5+PB");
}

} // namespace
} // namespace pickwise
