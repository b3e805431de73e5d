// Computer suggestions for each game. (Typed entries and constraints: the
// entry window tests across the boundary dates.)
#include "entries/suggest.h"

#include "core/entryfiles.h"
#include "tests/support/installation.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace pickwise;
using namespace pickwise::testing;

namespace {

class EachGame : public ::testing::TestWithParam<const GameMatrix *>
{
protected:
    const GameMatrix &game() const { return *GetParam(); }
    bool is52() const { return game().highestBall == 52; }
};

std::string gameName(const ::testing::TestParamInfo<const GameMatrix *> &info)
{
    return "SixOf" + std::to_string(info.param->highestBall);
}

// Mixed history: draws up to 29 July 2017 hold only numbers 1..26, draws from
// 2 August 2017 on only numbers 27..52, so a suggestion shows which game's
// draws it was sampled from.
std::vector<BallRecord> splitHistory(int draws49, int draws52)
{
    // Made histories reach 29 July 2017 at draw 4443; the next is 2 August.
    std::vector<BallRecord> draws = makeHistory(4443 + draws52);
    draws.erase(draws.begin(), draws.end() - draws49 - draws52);
    for (size_t i = 0; i < draws.size(); ++i) {
        const size_t base = i < size_t(draws49) ? 0 : 26;
        for (size_t k = 0; k < 7; ++k)
            draws[i].ball[k] = static_cast<int16_t>(base + 1 + (i * 7 + k * 5) % 26);
        draws[i].drawno = static_cast<int16_t>(i + 1);
        draws[i].count = i == 0 ? static_cast<int32_t>(draws.size()) : 0;
    }
    return draws;
}

struct SuggestFiles
{
    TempDir dir;
    std::string history = dir.file("sa.rtl");
    std::string entries = dir.file("entries.lot");
    SeededRandom random;
    bool cancelflag = false;

    SuggestOutcome run(const ConstraintSet &constraints, int n, const GameMatrix &game)
    {
        return suggestentries(history, entries, constraints, cancelflag, random, n, n, {}, game);
    }
    std::vector<Entry> made() const
    {
        std::vector<Entry> out;
        EXPECT_EQ(entryfiles::list(entries, out), "");
        return out;
    }
};

} // namespace

TEST_P(EachGame, SuggestionsSampleOnlyTheGamesDraws)
{
    SuggestFiles f;
    writeHistory(f.history, splitHistory(60, 40));
    const SuggestOutcome outcome = f.run({}, 30, game());
    ASSERT_EQ(outcome.end, SuggestOutcome::End::Finished) << outcome.message;
    ASSERT_EQ(f.made().size(), size_t(30));
    for (const Entry &e : f.made()) {
        const auto [low, high] = std::minmax_element(e.begin(), e.end());
        if (is52())
            EXPECT_GE(*low, 27);
        else
            EXPECT_LE(*high, 26);
    }
}

TEST_P(EachGame, TooFewDrawsAreCountedWithinTheGame)
{
    // 100 draws in all, but only 10 of the newer game.
    SuggestFiles f;
    writeHistory(f.history, splitHistory(90, 10));
    const SuggestOutcome outcome = f.run({}, 5, game());
    EXPECT_EQ(
        outcome.end, is52() ? SuggestOutcome::End::TooFewDraws : SuggestOutcome::End::Finished);
}

TEST_P(EachGame, MustContain52)
{
    SuggestFiles f;
    writeHistory(f.history, splitHistory(40, 40));
    ConstraintSet constraints;
    constraints.constrained = true;
    constraints.mustcontain = {52, 0, 0};
    const SuggestOutcome outcome = f.run(constraints, 10, game());
    if (!is52()) {
        EXPECT_EQ(outcome.end, SuggestOutcome::End::BadConstraints);
        EXPECT_EQ(outcome.message,
            "The must contain number 52 is not a ball of the game (balls run from 1 to 49). "
            "Please correct it under Constrain before adding entries.");
        EXPECT_TRUE(f.made().empty());
        return;
    }
    ASSERT_EQ(outcome.end, SuggestOutcome::End::Finished) << outcome.message;
    ASSERT_EQ(f.made().size(), size_t(10));
    for (const Entry &e : f.made())
        EXPECT_EQ(e[5], 52);
}

INSTANTIATE_TEST_SUITE_P(Games, EachGame, ::testing::Values(&sixOf49(), &sixOf52()), gameName);
