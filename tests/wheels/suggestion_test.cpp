#include "wheels/suggestion.h"

#include "platform/testing/fakes.h"
#include "tests/support/testsupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

using namespace pickwise;
using namespace pickwise::testing;
using namespace pickwise::wheels;

namespace {

// Well spread values in [0, 1), so the random fill-up finds free balls quickly.
ScriptedRandom spreadRandom()
{
    std::vector<double> values;
    for (int i = 1; i <= 500; ++i)
        values.push_back(std::fmod(i * 0.6180339887, 1.0));
    return ScriptedRandom(values);
}

std::vector<BallRecord> drawsOf(const std::vector<Draw> &balls)
{
    std::vector<BallRecord> draws;
    for (size_t i = 0; i < balls.size(); ++i)
        draws.push_back(drawRecord(i == 0 ? static_cast<int>(balls.size()) : 0,
            static_cast<int16_t>(i + 1), {2003, 1, 4}, balls[i]));
    return draws;
}

void expectDistinctBalls(const Suggestion &suggested, int maxball)
{
    std::set<int> seen;
    for (int16_t ball : suggested) {
        EXPECT_GE(ball, 1);
        EXPECT_LE(ball, maxball);
        EXPECT_TRUE(seen.insert(ball).second) << "ball " << ball << " suggested twice";
    }
}

} // namespace

TEST(SuggestedBalls, EqualTalliesPutTheLowerBallFirst)
{
    auto random = spreadRandom();
    const auto suggested = suggestedBalls(
        drawsOf({{7, 3, 20, 21, 22, 23, 1}, {3, 7, 33, 32, 31, 30, 2}}), 49, random);
    const std::vector<int16_t> first(suggested.begin(), suggested.begin() + 10);
    EXPECT_EQ(first, (std::vector<int16_t> {3, 7, 20, 21, 22, 23, 30, 31, 32, 33}));
    EXPECT_EQ(groupSuggestion(suggested, 7), (std::vector<int16_t> {3, 7, 20, 21, 22, 23, 30}));
}

TEST(SuggestedBalls, FewDrawnBallsComeFirstThenDistinctRandomOnesAndBonusNeverCounts)
{
    // Tallies 11,12,13: 4; 14: 3; 15,17,18: 2; 16,19,20: 1. Ball 16 is also
    // every draw's bonus, which would put it first if the bonus counted.
    const auto draws = drawsOf({{11, 12, 13, 14, 15, 16, 16}, {11, 12, 13, 14, 15, 17, 16},
        {11, 12, 13, 14, 18, 19, 16}, {11, 12, 13, 20, 18, 17, 16}});
    auto random = spreadRandom();
    const auto suggested = suggestedBalls(draws, 49, random);

    const std::vector<int16_t> drawn(suggested.begin(), suggested.begin() + 10);
    EXPECT_EQ(drawn, (std::vector<int16_t> {11, 12, 13, 14, 15, 17, 18, 16, 19, 20}));
    expectDistinctBalls(suggested, 49);
    EXPECT_GT(random.calls, 0u);

    EXPECT_EQ(groupSuggestion(suggested, 7), (std::vector<int16_t> {11, 12, 13, 14, 15, 17, 18}));
}

TEST(SuggestedBalls, NoHistoryGivesTwentyFourRandomBalls)
{
    auto random = spreadRandom();
    const auto suggested = suggestedBalls({}, 49, random);
    expectDistinctBalls(suggested, 49);
    EXPECT_GE(random.calls, 24u);
}

TEST(SuggestedBalls, RandomDrawUsesTheWholeRangeOneToMaxball)
{
    // u = 0 gives ball 1 and u just below 1 gives maxball.
    ScriptedRandom random({0.0, 0.99999});
    const auto suggested = suggestedBalls({}, 49, random);
    EXPECT_EQ(suggested[0], 1);
    EXPECT_EQ(suggested[1], 49);
    expectDistinctBalls(suggested, 49);
}

TEST(SuggestedBalls, StuckGeneratorOrDamagedHistoryNeitherHangsNorOverruns)
{
    // A generator that always answers the same value must not loop forever.
    ScriptedRandom stuck({0.0});
    const auto suggested = suggestedBalls(drawsOf({{200, -5, 0, 5, 5, 5, 5}}), 49, stuck);
    EXPECT_EQ(suggested[0], 5);
    expectDistinctBalls(suggested, 49);
}
