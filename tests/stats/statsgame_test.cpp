// The statistics of each game, and the game they are counted over.
#include "stats/ballinfo.h"
#include "stats/drawstats.h"
#include "stats/history.h"
#include "stats/quickinfo.h"

#include "platform/testing/fakes.h"
#include "tests/support/testsupport.h"

#include <gtest/gtest.h>

#include <numeric>

using namespace pickwise;
using namespace pickwise::stats;
namespace support = pickwise::testing;

namespace {

class EachGame : public ::testing::TestWithParam<const GameMatrix *>
{
protected:
    const GameMatrix &game() const { return *GetParam(); }
    int highest() const { return game().highestBall; }
};

std::string gameName(const ::testing::TestParamInfo<const GameMatrix *> &info)
{
    return "SixOf" + std::to_string(info.param->highestBall);
}

} // namespace

TEST_P(EachGame, CountsChartAndRankingCoverTheGamesBalls)
{
    auto draws = support::makeHistory(3);
    draws[0].ball = {49, 50, 51, 52, 53, 1, 0};
    draws[1].ball = {52, 2, 3, 4, 5, 6, 50};
    draws[2].ball = {52, 7, 8, 9, 10, 11, 12};
    const BallCounts counts = countDraws(draws, View::LottoBonus, {}, game()).counts;
    EXPECT_EQ(counts[48], 1);
    EXPECT_EQ(counts[51], highest() == 52 ? 3 : 0);
    // 53 and 0 are never counted, 50..52 only in their game.
    EXPECT_EQ(std::accumulate(counts.begin(), counts.end(), 0), highest() == 52 ? 19 : 13);

    const auto table = chartTable(counts, game());
    ASSERT_EQ(int(table.size()), highest());
    EXPECT_EQ(table.back().label, " " + std::to_string(highest()));
    const Ranking ranking = rankBalls(counts, game());
    ASSERT_EQ(int(ranking.size()), highest());
    // The most drawn ball stands last.
    EXPECT_EQ(ranking.back().count, highest() == 52 ? 3 : 1);

    // 52 drawn five times in the last eight draws is hot only in its game.
    BallCounts recent {};
    recent.fill(1);
    recent[51] = 5;
    EXPECT_EQ(
        fillHot(recent, game()), (highest() == 52 ? std::vector<int> {52} : std::vector<int> {}));
}

TEST_P(EachGame, FairShareDividesByTheHighestBall)
{
    // 6 x 520 / 49 = 63.7; / 52 = 60. 7 x 26 / 52 = 3.5 rounds up.
    EXPECT_EQ(roundedShare(6, 520, game()), highest() == 52 ? 60 : 64);
    EXPECT_EQ(fairShare(View::LottoBonus, 26, game()), 4);
    EXPECT_EQ(fairShare(View::Lotto, 1000, game()), highest() == 52 ? 115 : 122);
    // Due over 52 draws: counts below the fair share, 6 in both games (6.4 in 6 of 49).
    BallCounts counts {};
    counts.fill(7);
    counts[50] = 5; // ball 51
    counts[20] = 5; // ball 21
    EXPECT_EQ(fillDue(counts, 52, game()),
        (highest() == 52 ? std::vector<int> {21, 51} : std::vector<int> {21}));
}

TEST_P(EachGame, InfoAcceptsTheGamesBalls)
{
    const std::pair<const char *, bool> cases[] = {{"49.4", true}, {"50", highest() == 52},
        {"52.4", highest() == 52}, {"52.6", false}, {"53", false}};
    for (auto [text, valid] : cases)
        EXPECT_EQ(readInfoBall(text, game()).valid, valid) << text;
    EXPECT_EQ(
        rangeMessage(game()), "You must enter a number between 1 and " + std::to_string(highest()));
}

INSTANTIATE_TEST_SUITE_P(Games, EachGame, ::testing::Values(&sixOf49(), &sixOf52()), gameName);

TEST(FiguresGame, LatestDrawsGameUnlessAnotherHeldIsChosen)
{
    support::TempDir dir;
    const std::string path = dir.file("sa.rtl");
    FakeDialogs dialogs;
    const Date today {2026, 12, 5};

    // Made histories reach 29 July 2017 at draw 4443; 4450 draws cross it.
    support::writeHistory(path, support::makeHistory(4450));
    const ResultsHistory mixed = loadHistory(path, dialogs);
    ASSERT_EQ(gamesHeld(mixed), (std::vector<const GameMatrix *> {&sixOf49(), &sixOf52()}));
    EXPECT_EQ(figuresGame(mixed, nullptr, today), sixOf52());
    EXPECT_EQ(figuresGame(mixed, &sixOf49(), today), sixOf49());
    EXPECT_EQ(mixed.records(sixOf52()).size(), size_t(7));

    support::writeHistory(path, support::makeHistory(4443));
    const ResultsHistory old = loadHistory(path, dialogs);
    EXPECT_EQ(gamesHeld(old).size(), size_t(1));
    EXPECT_EQ(figuresGame(old, &sixOf52(), today), sixOf49()); // not held: the latest's
    EXPECT_EQ(figuresGame(ResultsHistory(), nullptr, today), sixOf52()); // none: today's
    EXPECT_EQ(figuresGame(ResultsHistory(), nullptr, {2017, 8, 1}), sixOf49());
    EXPECT_TRUE(dialogs.shown.empty());
}
