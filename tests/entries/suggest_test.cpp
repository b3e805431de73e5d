#include "entries/suggest.h"

#include "core/entryfiles.h"
#include "tests/support/installation.h"

#include <gtest/gtest.h>

using namespace pickwise;
using namespace pickwise::testing;

namespace {

// Draw k holds 7p + (k mod 7) + 1 in position p: each position has its own
// band of seven numbers, so a candidate shows which draw fed which position.
std::vector<BallRecord> bandedHistory(int n)
{
    std::vector<Draw> balls;
    for (int k = 1; k <= n; ++k) {
        Draw d {0, 0, 0, 0, 0, 0, 49};
        for (int p = 0; p < 6; ++p)
            d[p] = static_cast<int16_t>(7 * p + k % 7 + 1);
        balls.push_back(d);
    }
    return drawsOf(balls);
}

// Random values that pick draws k out of 20.
std::vector<double> picks(std::initializer_list<int> ks)
{
    std::vector<double> v;
    for (int k : ks)
        v.push_back(k / 20.0);
    return v;
}

const Entry fromDraws1to6 {2, 10, 18, 26, 34, 42};
const Entry fromDraws7to12 {1, 9, 17, 25, 33, 41};
const Entry filler {43, 44, 45, 46, 47, 48}; // shares nothing with a banded candidate

struct SuggestRun
{
    SuggestOutcome outcome;
    std::vector<Entry> written;
};

// A run whose entries are written to a list; cancelflag is the Cancel button's.
SuggestRun runFrom(const std::vector<BallRecord> &draws, std::vector<Entry> entries,
    const ConstraintSet &constraints, Random &random, int n, double enterNo,
    const SuggestHooks &hooks = {}, bool *cancelflag = nullptr)
{
    bool notCancelled = false;
    SuggestRun run;
    run.outcome = suggestFrom(draws, entries, constraints, cancelflag ? *cancelflag : notCancelled,
        random, n, enterNo, hooks, [&run](const Entry &e) {
            run.written.push_back(e);
            return std::string();
        });
    return run;
}

} // namespace

TEST(Suggest, TwentyDrawsSufficeNineteenGiveTheMessage)
{
    for (int draws : {19, 20}) {
        SCOPED_TRACE(draws);
        Installation in({2015, 12, 5}); // entries and draws of the 6 of 49 game
        in.history(bandedHistory(draws));
        in.entries({filler, fromDraws1to6});
        const auto before = in.entryBytes();
        ConstraintSet constraints;
        constraints.constrained = true; // only exact repeats refused
        // Draws 1..6 repeat the entry on file, the second 7..12 the entry just
        // accepted; 13..18 give the second entry.
        ScriptedRandom random(picks(
            {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18}));
        std::vector<int> counts;
        SuggestHooks hooks;
        hooks.accepted = [&](int count, const Entry &) {
            counts.push_back(count);
            EXPECT_EQ(entryfiles::countOf(in.session.entryfile()), count); // on disk at once
        };
        const SuggestOutcome outcome = suggestentries(in.paths.results(), in.session.entryfile(),
            constraints, in.context.cancelflag, random, 2, 2, hooks);
        if (draws == 19) {
            EXPECT_EQ(outcome.message,
                "You do not have sufficient draws in the results file for the computer to suggest "
                "entries. You must add them manually using the area above.");
            EXPECT_EQ(in.entryBytes(), before);
            continue;
        }
        EXPECT_EQ(outcome.message, "");
        EXPECT_EQ(counts, (std::vector<int> {3, 4}));
        std::vector<Entry> entries;
        entryfiles::list(in.session.entryfile(), entries);
        EXPECT_EQ(entries,
            (std::vector<Entry> {filler, fromDraws1to6, fromDraws7to12, {7, 8, 16, 24, 32, 40}}));
    }
}

// The random values in turn, the constraint set, and the one entry they give.
TEST(Suggest, PositionalSamplingUnderConstraints)
{
    struct Case
    {
        const char *name;
        std::vector<double> values;
        Entry expected;
        size_t calls;
        bool constrained = false;
        std::array<int16_t, 3> must {};
        std::array<int16_t, 6> mustNot {};
    };
    const std::vector<Case> cases {
        {"index 0 restarts from the first position",
            {0.05, 0.1, 0.0, 0.35, 0.4, 0.45, 0.5, 0.55, 0.6}, fromDraws7to12, 9},
        {"the last draw can be picked", std::vector<double>(6, 0.999), {7, 14, 21, 28, 35, 42}, 6},
        // 40 and 5 in slots 1 and 2: not where the sort puts them.
        {"must-contain in any slot order", picks({3, 4, 5, 6}), {5, 18, 26, 34, 40, 42}, 4, true,
            {40, 5, 0}},
        // Draw 4 gives 40 for position 6, the must-contain number again.
        {"drawn equal to must-contain restarts", picks({3, 4, 5, 4, 3, 4, 5, 6}),
            {5, 18, 26, 34, 40, 42}, 8, true, {40, 5, 0}},
        {"must-not-contain restarts", picks({1, 2, 3, 4, 5, 6, 1, 2, 4, 4, 5, 6}),
            {2, 10, 19, 26, 34, 42}, 12, true, {}, {0, 18, 0, 0, 0, 0}},
        {"slots ignored when not constrained", picks({1, 2, 3, 4, 5, 6}), fromDraws1to6, 6, false,
            {40, 5, 0}, {0, 18, 0, 0, 0, 0}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ConstraintSet constraints;
        constraints.constrained = c.constrained;
        constraints.mustcontain = c.must;
        constraints.mustnotcontain = c.mustNot;
        ScriptedRandom random(c.values);
        const SuggestRun run = runFrom(bandedHistory(20), {}, constraints, random, 1, 1);
        EXPECT_EQ(run.written, std::vector<Entry> {c.expected});
        EXPECT_EQ(random.calls, c.calls);
    }
}

TEST(Suggest, ConstraintSetIsCheckedBeforeARun)
{
    const std::string advice = " Please correct it under Constrain before adding entries.";
    struct Case
    {
        std::array<int16_t, 3> must;
        std::array<int16_t, 6> mustNot;
        int highestBall;
        std::string problem;
    };
    const std::vector<Case> cases {
        {{5, 49, 0}, {1, 0, 0, 0, 0, 48}, 49, ""},
        {{5, 50, 0}, {}, 49,
            "The must contain number 50 is not a ball of the game (balls run from 1 to 49)."
                + advice},
        {{5, 50, 52}, {}, 52, ""}, // the highest ball is the game's
        {{-3, 0, 0}, {}, 49,
            "The must contain number -3 is not a ball of the game (balls run from 1 to 49)."
                + advice},
        {{0, 0, 0}, {0, 0, 0, 0, 0, 53}, 52,
            "The must not contain number 53 is not a ball of the game (balls run from 1 to 52)."
                + advice},
        {{7, 0, 7}, {}, 49, "The number 7 is in the must contain list twice." + advice},
        {{0, 0, 12}, {0, 0, 0, 12, 0, 0}, 49,
            "The number 12 is in both the must contain and the must not contain list." + advice},
    };
    for (const Case &c : cases) {
        ConstraintSet constraints;
        constraints.constrained = true;
        constraints.mustcontain = c.must;
        constraints.mustnotcontain = c.mustNot;
        EXPECT_EQ(constraintProblem(constraints, c.highestBall), c.problem);
        // Slots that are not in force are not looked at.
        constraints.constrained = false;
        EXPECT_EQ(constraintProblem(constraints, c.highestBall), "");
    }

    // A run under such a set ends at once with the message, writing nothing.
    ConstraintSet constraints;
    constraints.constrained = true;
    constraints.mustcontain = {50, 0, 0};
    SeededRandom random;
    const SuggestRun run = runFrom(makeHistory(30), {}, constraints, random, 3, 3);
    EXPECT_EQ(run.outcome.end, SuggestOutcome::End::BadConstraints);
    EXPECT_EQ(run.outcome.message,
        "The must contain number 50 is not a ball of the game (balls run from 1 to 49)." + advice);
    EXPECT_TRUE(run.written.empty());
}

// Offered first the entry of draws 1..6, then that of draws 7..12.
TEST(Suggest, SimilarityToExistingEntries)
{
    const Entry sharesThree {2, 10, 18, 43, 44, 45};
    const Entry sharesFour {2, 10, 18, 26, 44, 45};
    const Entry sharesFive {2, 10, 18, 26, 34, 45};
    struct Case
    {
        const char *name;
        bool constrained;
        int fillers;
        Entry existing;
        double enterNo;
        Entry expected;
    };
    const std::vector<Case> cases {
        {"E + V = 40: three shared refuse", false, 29, sharesThree, 10, fromDraws7to12},
        {"E + V = 60: four shared pass", false, 49, sharesFour, 10, fromDraws1to6},
        {"E + V = 60: five shared refuse", false, 49, sharesFive, 10, fromDraws7to12},
        {"E + V = 51.5 still tight", false, 40, sharesThree, 10.5, fromDraws7to12},
        {"E + V = 52 loose", false, 41, sharesThree, 10, fromDraws1to6},
        {"constrained: five shared pass", true, 0, sharesFive, 1, fromDraws1to6},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ConstraintSet constraints;
        constraints.constrained = c.constrained;
        std::vector<Entry> existing(static_cast<size_t>(c.fillers), filler);
        existing.push_back(c.existing);
        ScriptedRandom random(picks({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
        const SuggestRun run
            = runFrom(bandedHistory(20), existing, constraints, random, 1, c.enterNo);
        EXPECT_EQ(run.written, std::vector<Entry> {c.expected});
    }
}

TEST(Suggest, CancelEndsARunThatCannotFindACandidate)
{
    // Twenty equal draws whose one candidate is already entered.
    const auto same = drawsOf(std::vector<Draw>(20, Draw {1, 2, 3, 4, 5, 6, 7}));
    ConstraintSet constraints;
    bool cancelflag = false;
    SeededRandom random;
    int yields = 0;
    SuggestHooks hooks;
    hooks.yieldEvery = std::chrono::milliseconds(5);
    hooks.letEventsRun = [&] {
        if (++yields == 3) // events keep running until the click
            cancelflag = true;
    };
    const SuggestRun run
        = runFrom(same, {{1, 2, 3, 4, 5, 6}}, constraints, random, 5, 5, hooks, &cancelflag);
    EXPECT_EQ(run.outcome.end, SuggestOutcome::End::Cancelled);
    EXPECT_EQ(yields, 3);
    EXPECT_TRUE(run.written.empty());
    EXPECT_FALSE(cancelflag);
}

TEST(Suggest, FailedWriteStopsTheRunKeepingEarlierEntries)
{
    ConstraintSet constraints;
    bool cancelflag = false;
    SeededRandom random;
    std::vector<Entry> entries;
    int calls = 0;
    const SuggestOutcome outcome = suggestFrom(makeHistory(30), entries, constraints, cancelflag,
        random, 5, 5, {}, [&calls](const Entry &) {
            return ++calls == 3 ? std::string("Cannot write \"x.lot\": No space left on device")
                                : std::string();
        });
    EXPECT_EQ(outcome.end, SuggestOutcome::End::WriteFailed);
    EXPECT_EQ(outcome.added, 2);
    EXPECT_EQ(entries.size(), 2u);
    EXPECT_EQ(outcome.message,
        "The computer stopped adding entries because the entry file could not be written "
        "(Cannot write \"x.lot\": No space left on device). The entries added before are kept.");
}

TEST(Suggest, DamagedHistoryNumbersNeverBecomeEntries)
{
    std::vector<BallRecord> draws = bandedHistory(20);
    draws[0].ball[0] = 0; // draw 1 gives 0 for position 1
    draws[1].ball[5] = 50; // draw 2 gives 50 for position 6
    ConstraintSet constraints;
    ScriptedRandom random(picks({1, 2, 3, 4, 5, 6, 3, 4, 5, 6, 7, 2, 3, 4, 5, 6, 7, 8}));
    const SuggestRun run = runFrom(draws, {}, constraints, random, 1, 1);
    EXPECT_EQ(run.written, (std::vector<Entry> {{4, 12, 20, 28, 29, 37}}));
}

TEST(Suggest, RequestRoundsHalfToEvenAndStaysWithin16Bits)
{
    // Enter No as a total, the count shown, the entries on file, and how many
    // entries that asks for (0: refused).
    const std::vector<std::array<double, 4>> cases {{15.5, 10, 10, 6}, {14.5, 10, 10, 4},
        {32767, 0, 0, 32767}, {32768, 0, 0, 0}, {32000, 100, 1000, 0}};
    for (const auto &[enterNo, shown, inFile, count] : cases) {
        const SuggestRequest r = planSuggestions(enterNo, true, shown, static_cast<int>(inFile));
        EXPECT_EQ(r.count, count) << enterNo;
        EXPECT_EQ(r.message.empty(), count != 0) << enterNo;
    }
}
