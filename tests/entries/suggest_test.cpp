#include "entries/suggest.h"

#include "core/entryfiles.h"
#include "platform/testing/fakes.h"
#include "tests/support/testsupport.h"

#include <gtest/gtest.h>

#include <random>

using namespace pickwise;
using namespace pickwise::testing;

namespace {

// Draw k holds 7p + (k mod 7) + 1 in position p: each position has its own
// band of seven numbers, so a candidate shows which draw fed which position.
std::vector<BallRecord> bandedHistory(int n)
{
    std::vector<BallRecord> draws;
    for (int k = 1; k <= n; ++k) {
        Draw balls {0, 0, 0, 0, 0, 0, 49};
        for (int p = 0; p < 6; ++p)
            balls[p] = static_cast<int16_t>(7 * p + k % 7 + 1);
        draws.push_back(drawRecord(k == 1 ? n : 0, static_cast<int16_t>(k), {2003, 1, 4}, balls));
    }
    return draws;
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
    std::vector<Entry> entries; // existing, then accepted
    std::vector<Entry> written;
};

SuggestRun runFrom(const std::vector<BallRecord> &draws, std::vector<Entry> existing,
    SharedState &state, Random &random, int n, double enterNo, const SuggestHooks &hooks = {})
{
    SuggestRun run;
    run.entries = std::move(existing);
    run.outcome
        = suggestFrom(draws, run.entries, state, random, n, enterNo, hooks, [&run](const Entry &e) {
              run.written.push_back(e);
              return std::string();
          });
    return run;
}

class FixedSeedRandom : public Random
{
public:
    double next() override { return m_uniform(m_engine); }

private:
    std::mt19937_64 m_engine {20261205};
    std::uniform_real_distribution<double> m_uniform {0.0, 1.0};
};

} // namespace

TEST(Suggest, TwentyDrawsSufficeNineteenGiveTheMessage)
{
    for (int draws : {19, 20}) {
        SCOPED_TRACE(draws);
        TempDir dir;
        SharedState state;
        state.apppath = dir.path();
        state.entryfile = dir.file("Lotto05DEC2026.lot");
        writeHistory(dir.file("sa.rtl"), bandedHistory(draws));
        writeEntries(state.entryfile, {filler, fromDraws1to6});
        const auto before = readBytes(state.entryfile);
        state.constrained = true; // only exact repeats refused
        ScriptedRandom random(
            picks({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18}));
        std::vector<int> counts;
        SuggestHooks hooks;
        hooks.accepted = [&](int count, const Entry &) {
            counts.push_back(count);
            EXPECT_EQ(entryfiles::countOf(state.entryfile), count); // on disk at once
        };
        const SuggestOutcome outcome = suggestentries(state, random, 2, 2, hooks);
        if (draws == 19) {
            EXPECT_EQ(outcome.message,
                "You do not have sufficient draws in the results file for the computer to suggest "
                "entries. You must add them manually using the area above.");
            EXPECT_EQ(readBytes(state.entryfile), before);
            continue;
        }
        EXPECT_TRUE(outcome.message.empty());
        EXPECT_EQ(counts, (std::vector<int> {3, 4}));
        // The repeat of the entry on file is refused; draws 13..18 give the second.
        std::vector<Entry> entries;
        entryfiles::list(state.entryfile, entries);
        const std::vector<Entry> expected {
            filler, fromDraws1to6, fromDraws7to12, {7, 8, 16, 24, 32, 40}};
        EXPECT_EQ(entries, expected);
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
        {"one draw per position", picks({1, 2, 3, 4, 5, 6}), fromDraws1to6, 6},
        {"index 0 first restarts", {0.01, 0.05, 0.1, 0.15, 0.2, 0.25, 0.3}, fromDraws1to6, 7},
        {"index 0 third restarts from the first", {0.05, 0.1, 0.0, 0.35, 0.4, 0.45, 0.5, 0.55, 0.6},
            fromDraws7to12, 9},
        {"the last draw can be picked", std::vector<double>(6, 0.999), {7, 14, 21, 28, 35, 42}, 6},
        // 40 and 5 in slots 1 and 2: not where the sort puts them.
        {"must-contain in any slot order", picks({3, 4, 5, 6}), {5, 18, 26, 34, 40, 42}, 4, true,
            {40, 5, 0}},
        {"must-contain in slot 3 only", picks({1, 2, 4, 5, 6}), {2, 10, 26, 33, 34, 42}, 5, true,
            {0, 0, 33}},
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
        SharedState state;
        state.constrained = c.constrained;
        state.mustcontain = c.must;
        state.mustnotcontain = c.mustNot;
        ScriptedRandom random(c.values);
        const SuggestRun run = runFrom(bandedHistory(20), {}, state, random, 1, 1);
        ASSERT_EQ(run.written.size(), 1u);
        EXPECT_EQ(run.written[0], c.expected);
        EXPECT_EQ(random.calls, c.calls);
    }
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
        {"E + V = 60: three shared pass", false, 49, sharesThree, 10, fromDraws1to6},
        {"E + V = 60: four shared pass", false, 49, sharesFour, 10, fromDraws1to6},
        {"E + V = 60: five shared refuse", false, 49, sharesFive, 10, fromDraws7to12},
        {"E + V = 51.5 still tight", false, 40, sharesThree, 10.5, fromDraws7to12},
        {"E + V = 52 loose", false, 41, sharesThree, 10, fromDraws1to6},
        {"constrained: five shared pass", true, 0, sharesFive, 1, fromDraws1to6},
        {"constrained: exact repeat refuses", true, 0, fromDraws1to6, 1, fromDraws7to12},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        SharedState state;
        state.constrained = c.constrained;
        std::vector<Entry> existing(static_cast<size_t>(c.fillers), filler);
        existing.push_back(c.existing);
        ScriptedRandom random(picks({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
        const SuggestRun run = runFrom(bandedHistory(20), existing, state, random, 1, c.enterNo);
        ASSERT_EQ(run.written.size(), 1u);
        EXPECT_EQ(run.written[0], c.expected);
    }
    // Entries accepted earlier in the run count too: the same candidate twice.
    SharedState state;
    state.constrained = true;
    ScriptedRandom random(picks({1, 2, 3, 4, 5, 6, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
    const SuggestRun run = runFrom(bandedHistory(20), {}, state, random, 2, 2);
    EXPECT_EQ(run.written, (std::vector<Entry> {fromDraws1to6, fromDraws7to12}));
}

TEST(Suggest, CancelEndsTheRun)
{
    // Twenty equal draws whose one candidate is already entered: no attempt
    // can ever succeed.
    std::vector<BallRecord> same;
    for (int k = 1; k <= 20; ++k)
        same.push_back(drawRecord(
            k == 1 ? 20 : 0, static_cast<int16_t>(k), {2003, 1, 4}, {1, 2, 3, 4, 5, 6, 7}));
    struct Case
    {
        const char *name;
        bool hopeless;
        int cancelAtYield; // 0: Cancel clicked before the run
        int yields;
        size_t written;
    };
    const std::vector<Case> cases {
        {"no candidate can be found", true, 1, 1, 0},
        {"events keep running meanwhile", true, 4, 4, 0},
        {"seen after an accepted entry", false, 1, 1, 1},
        {"clicked before the run: stops after its first entry", false, 0, 1, 1},
    };
    using std::chrono::milliseconds;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        SharedState state;
        state.cancelflag = c.cancelAtYield == 0;
        FixedSeedRandom random;
        int yields = 0;
        SuggestHooks hooks;
        // Only the hopeless runs may yield between accepted entries.
        hooks.yieldEvery = c.hopeless ? milliseconds(5) : milliseconds(3600000);
        hooks.letEventsRun = [&] {
            if (++yields == c.cancelAtYield)
                state.cancelflag = true;
        };
        const SuggestRun run = c.hopeless
            ? runFrom(same, {{1, 2, 3, 4, 5, 6}}, state, random, 5, 5, hooks)
            : runFrom(makeHistory(30), {}, state, random, 5, 5, hooks);
        EXPECT_EQ(run.outcome.end, SuggestOutcome::End::Cancelled);
        EXPECT_EQ(yields, c.yields);
        EXPECT_EQ(run.written.size(), c.written);
        EXPECT_FALSE(state.cancelflag);
    }
}

TEST(Suggest, FailedWriteStopsTheRunKeepingEarlierEntries)
{
    SharedState state;
    FixedSeedRandom random;
    std::vector<Entry> entries;
    int calls = 0;
    const SuggestOutcome outcome
        = suggestFrom(makeHistory(30), entries, state, random, 5, 5, {}, [&calls](const Entry &) {
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
    SharedState state;
    ScriptedRandom random(picks({1, 2, 3, 4, 5, 6, 3, 4, 5, 6, 7, 2, 3, 4, 5, 6, 7, 8}));
    const SuggestRun run = runFrom(draws, {}, state, random, 1, 1);
    EXPECT_EQ(run.written, (std::vector<Entry> {{4, 12, 20, 28, 29, 37}}));
}

TEST(Suggest, RequestRoundsAndStaysWithin16Bits)
{
    const std::string full = "An entry file can hold at most 32767 entries. Please enter a "
                             "smaller number in: Enter No box";
    struct Case
    {
        double enterNo;
        double shown;
        int inFile;
        std::string message;
        int count;
    };
    const std::vector<Case> cases {
        {15.5, 10, 10, "", 6}, // 5.5 rounds to the even 6
        {14.5, 10, 10, "", 4}, {32767, 0, 0, "", 32767}, {32768, 0, 0, full, 0},
        {32000, 100, 1000, full, 0}, // the file would pass 32767
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.enterNo);
        const SuggestRequest r = planSuggestions(c.enterNo, true, c.shown, c.inFile);
        EXPECT_EQ(r.message, c.message);
        EXPECT_EQ(r.count, c.count);
    }
}
