#include "core/checker.h"
#include "core/damage.h"
#include "core/drawcheck.h"

#include "tests/support/testsupport.h"

#include <gtest/gtest.h>

#include <random>

namespace pickwise {
namespace {

using testing::drawRecord;

// Each (entry index, tier) the checker reports.
std::vector<std::pair<size_t, int>> winsOf(
    const EntryChecker &checker, const Draw &draw, const GameMatrix &game)
{
    std::vector<std::pair<size_t, int>> wins;
    checker.check(draw, game, [&](size_t e, int tier) { wins.emplace_back(e, tier); });
    return wins;
}

class CheckerPerGame : public ::testing::TestWithParam<const GameMatrix *>
{
};

// Draw 3 9 14 27 33 41, bonus 7: every way of winning, and the ways of not.
TEST_P(CheckerPerGame, TagsEachEntryByTheBestTierOfTheGame)
{
    const GameMatrix &game = *GetParam();
    const bool twoPlusBonus = game.highestBall == 52;
    const Draw draw {3, 9, 14, 27, 33, 41, 7};
    const struct
    {
        Entry entry;
        const char *tag49;
        const char *tag52;
    } cases[] = {
        {{41, 33, 27, 14, 9, 3}, "(6)", "(6)"},
        {{3, 9, 14, 27, 33, 7}, "(5+B)", "(5+B)"},
        {{3, 9, 14, 27, 33, 45}, "(5)", "(5)"},
        {{3, 9, 14, 27, 7, 45}, "(4+B)", "(4+B)"},
        {{3, 9, 14, 27, 44, 45}, "(4)", "(4)"},
        {{3, 9, 14, 7, 44, 45}, "(3+B)", "(3+B)"},
        {{3, 9, 14, 43, 44, 45}, "(3)", "(3)"},
        {{3, 9, 7, 43, 44, 52}, "", "(2+B)"},
        {{3, 9, 43, 44, 45, 46}, "", ""}, // two without the bonus ball
        {{3, 7, 43, 44, 45, 46}, "", ""}, // one and the bonus ball
        {{1, 2, 4, 5, 6, 8}, "", ""},
    };
    std::vector<Entry> entries;
    for (const auto &c : cases)
        entries.push_back(c.entry);
    std::vector<std::string> tags(entries.size());
    for (const auto &[e, tier] : winsOf(EntryChecker(entries), draw, game))
        tags[e] = game.tier(tier).tag;
    for (size_t i = 0; i < entries.size(); ++i)
        EXPECT_EQ(tags[i], twoPlusBonus ? cases[i].tag52 : cases[i].tag49) << "entry " << i;
}

// The bit masks against counting pairs one by one, on clean lines and on
// damaged ones (repeats, 0, 64 and beyond, numbers of the other game).
TEST_P(CheckerPerGame, MasksGiveWhatCountingPairsGives)
{
    const GameMatrix &game = *GetParam();
    std::mt19937 random(17);
    std::uniform_int_distribution<int> ball(1, game.highestBall);
    std::uniform_int_distribution<int> wild(-2, 70);
    std::uniform_int_distribution<int> coin(0, 9);
    auto line = [&](bool damaged, size_t n) {
        std::vector<int16_t> numbers;
        while (numbers.size() < n) {
            const int v = damaged && coin(random) == 0 ? wild(random) : ball(random);
            if (damaged || std::find(numbers.begin(), numbers.end(), v) == numbers.end())
                numbers.push_back(static_cast<int16_t>(v));
        }
        return numbers;
    };
    for (bool damaged : {false, true}) {
        std::vector<Entry> entries;
        for (int e = 0; e < 400; ++e) {
            const auto n = line(damaged && e % 3 == 0, 6);
            entries.push_back({n[0], n[1], n[2], n[3], n[4], n[5]});
        }
        const EntryChecker checker(entries);
        for (int d = 0; d < 300; ++d) {
            const auto n = line(damaged && d % 4 == 0, 7);
            const Draw draw {n[0], n[1], n[2], n[3], n[4], n[5], n[6]};
            std::vector<std::pair<size_t, int>> expected;
            for (size_t e = 0; e < entries.size(); ++e) {
                const int tier = game.tierOf(
                    matchedMainNumbers(entries[e], draw), holdsBonus(entries[e], draw));
                if (tier != 0)
                    expected.emplace_back(e, tier);
            }
            ASSERT_EQ(winsOf(checker, draw, game), expected)
                << (damaged ? "damaged" : "clean") << " draw " << d;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Games, CheckerPerGame, ::testing::Values(&sixOf49(), &sixOf52()),
    [](const auto &info) { return info.param->highestBall == 49 ? "SixOf49" : "SixOf52"; });

// A history across the change of game: each draw judged by its own date's.
TEST(DrawCheckPerGame, EachDrawByTheGameOfItsDate)
{
    const Draw with52 {1, 2, 3, 4, 5, 52, 7};
    const struct
    {
        Date date;
        Draw balls;
        const char *bad; // "" when the history is good
    } cases[] = {
        {{2017, 7, 29}, with52,
            "draw 2, dated 29/7/2017, has the number 52, which is not "
            "between 1 and 49"},
        {{2017, 8, 1}, {1, 2, 3, 4, 5, 50, 7},
            "draw 2, dated 1/8/2017, has the number 50, "
            "which is not between 1 and 49"},
        {{2017, 8, 2}, with52, ""},
        {{2017, 8, 2}, {1, 2, 3, 4, 5, 53, 7},
            "draw 2, dated 2/8/2017, has the number 53, "
            "which is not between 1 and 52"},
        {{2017, 8, 2}, {1, 2, 3, 4, 5, 6, 52}, ""},
    };
    for (const auto &c : cases) {
        const std::vector<BallRecord> draws {
            drawRecord(2, 1, {2017, 7, 26}, {1, 2, 3, 4, 5, 49, 8}),
            drawRecord(0, 2, c.date, c.balls)};
        const HistoryProblem problem = firstBadDraw(draws);
        EXPECT_EQ(badDrawText(draws, problem), c.bad);
        const std::string message = damagedResultsMessage(draws);
        EXPECT_EQ(message.empty(), *c.bad == 0) << message;
    }
}

// Recovering a results file whose count is damaged keeps the draws valid for
// their own game.
TEST(CountDamagePerGame, RecoveryJudgesEachDrawByItsDate)
{
    const std::vector<BallRecord> draws {
        drawRecord(9, 1, {2017, 7, 26}, {1, 2, 3, 4, 5, 49, 8}),
        drawRecord(0, 2, {2017, 7, 29}, {1, 2, 3, 4, 5, 50, 8}), // not of its game
        drawRecord(0, 3, {2017, 8, 2}, {1, 2, 3, 4, 5, 52, 8}),
        drawRecord(0, 4, {2017, 8, 5}, {1, 2, 3, 4, 5, 53, 8}), // not of its game
    };
    CountDamage damage;
    ASSERT_TRUE(findCountDamage(testing::bytesOf(draws), RecordKind::Results, damage));
    EXPECT_EQ(damage.kept, 2);
    const auto kept = testing::recordsOf(damage.recovered);
    ASSERT_EQ(kept.size(), 4u);
    EXPECT_EQ(kept[1].day, 2);
    EXPECT_EQ(kept[1].ball[5], 52);
}

} // namespace
} // namespace pickwise
