#include "entries/suggest.h"

#include "core/entryfiles.h"
#include "platform/testing/fakes.h"
#include "tests/support/testsupport.h"

#include <gtest/gtest.h>

#include <random>

using namespace pickwise;
using namespace pickwise::testing;

namespace {

// Draw k (1-based) holds in position p the number 7p + (k mod 7) + 1, so
// position p only ever gives numbers from its own band of seven and a
// candidate's numbers show exactly which draw fed which position.
std::vector<BallRecord> bandedHistory(int n)
{
    std::vector<BallRecord> draws;
    for (int k = 1; k <= n; ++k) {
        Draw balls {};
        for (int p = 0; p < 6; ++p)
            balls[p] = static_cast<int16_t>(7 * p + k % 7 + 1);
        balls[6] = 49;
        draws.push_back(drawRecord(k == 1 ? n : 0, static_cast<int16_t>(k), {2003, 1, 4}, balls));
    }
    return draws;
}

// The random value that picks draw k out of 20.
double pick(int k)
{
    return k / 20.0;
}

std::vector<double> picks(std::initializer_list<int> ks)
{
    std::vector<double> v;
    for (int k : ks)
        v.push_back(pick(k));
    return v;
}

struct SuggestRun
{
    SuggestOutcome outcome;
    std::vector<Entry> entries;
    std::vector<Entry> written;
};

SuggestRun runFrom(const std::vector<BallRecord> &draws, std::vector<Entry> existing,
    SharedState &state, Random &random, int n, double enterNo, SuggestHooks hooks = {})
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

const Entry filler {43, 44, 45, 46, 47, 48}; // shares nothing with a banded candidate

} // namespace

TEST(Suggest, TwentyDrawsSufficeNineteenGiveTheMessage)
{
    for (int draws : {19, 20}) {
        TempDir dir;
        SharedState state;
        state.apppath = dir.path();
        state.entryfile = dir.file("Lotto05DEC2026.lot");
        writeHistory(dir.file("sa.rtl"), makeHistory(draws));
        FixedSeedRandom random;
        const SuggestOutcome outcome = suggestentries(state, random, 3, 3, {});
        SCOPED_TRACE(draws);
        if (draws == 19) {
            EXPECT_EQ(outcome.end, SuggestOutcome::End::TooFewDraws);
            EXPECT_EQ(outcome.message,
                "You do not have sufficient draws in the results file for the computer to suggest "
                "entries. You must add them manually using the area above.");
            EXPECT_FALSE(exists(state.entryfile));
        } else {
            EXPECT_EQ(outcome.end, SuggestOutcome::End::Finished);
            EXPECT_EQ(outcome.added, 3);
            EXPECT_EQ(entryfiles::countOf(state.entryfile), 3);
        }
    }
}

TEST(Suggest, MissingHistoryCountsAsNoDraws)
{
    TempDir dir;
    SharedState state;
    state.apppath = dir.path();
    state.entryfile = dir.file("Lotto05DEC2026.lot");
    FixedSeedRandom random;
    EXPECT_EQ(suggestentries(state, random, 1, 1, {}).end, SuggestOutcome::End::TooFewDraws);
}

// Each case: the random values in turn and the one entry they must give.
TEST(Suggest, PositionalSamplingAndRestartedAttempts)
{
    struct Case
    {
        const char *name;
        std::vector<double> values;
        Entry expected;
        size_t calls;
    };
    const std::vector<Case> cases {
        {"draws 1..6, one per position", picks({1, 2, 3, 4, 5, 6}), {2, 10, 18, 26, 34, 42}, 6},
        {"index 0 at the first position restarts",
            {0.01, pick(1), pick(2), pick(3), pick(4), pick(5), pick(6)}, {2, 10, 18, 26, 34, 42},
            7},
        {"index 0 at the third position restarts from the first",
            {pick(1), pick(2), 0.0, pick(7), pick(8), pick(9), pick(10), pick(11), pick(12)},
            {1, 9, 17, 25, 33, 41}, 9},
        // 0.999 * 20 rounds to 20: the last draw can be picked.
        {"the last draw", {0.999, 0.999, 0.999, 0.999, 0.999, 0.999}, {7, 14, 21, 28, 35, 42}, 6},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        SharedState state;
        ScriptedRandom random(c.values);
        const SuggestRun run = runFrom(bandedHistory(20), {}, state, random, 1, 1);
        ASSERT_EQ(run.written.size(), 1u);
        EXPECT_EQ(run.written[0], c.expected);
        EXPECT_EQ(random.calls, c.calls);
    }
}

TEST(Suggest, ConstraintsShapeTheCandidate)
{
    struct Case
    {
        const char *name;
        std::array<int16_t, 3> must;
        std::array<int16_t, 6> mustNot;
        bool constrained;
        std::vector<double> values;
        Entry expected;
        size_t calls;
    };
    const std::vector<Case> cases {
        // 40 in slot 1 and 5 in slot 2: not in order, not where the sort puts them.
        {"must-contain in any slot order", {40, 5, 0}, {}, true, picks({3, 4, 5, 6}),
            {5, 18, 26, 34, 40, 42}, 4},
        {"must-contain in slot 3 only", {0, 0, 33}, {}, true, picks({1, 2, 4, 5, 6}),
            {2, 10, 26, 33, 34, 42}, 5},
        // Draw 4 gives 40 for position 6: a duplicate of the must-contain number.
        {"a drawn number equal to a must-contain one starts again", {40, 5, 0}, {}, true,
            picks({3, 4, 5, 4, 3, 4, 5, 6}), {5, 18, 26, 34, 40, 42}, 8},
        {"a must-not-contain number starts again", {}, {0, 18, 0, 0, 0, 0}, true,
            picks({1, 2, 3, 4, 5, 6, 1, 2, 4, 4, 5, 6}), {2, 10, 19, 26, 34, 42}, 12},
        {"slots are ignored when not constrained", {40, 5, 0}, {0, 18, 0, 0, 0, 0}, false,
            picks({1, 2, 3, 4, 5, 6}), {2, 10, 18, 26, 34, 42}, 6},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        SharedState state;
        state.mustcontain = c.must;
        state.mustnotcontain = c.mustNot;
        state.constrained = c.constrained;
        ScriptedRandom random(c.values);
        const SuggestRun run = runFrom(bandedHistory(20), {}, state, random, 1, 1);
        ASSERT_EQ(run.written.size(), 1u);
        EXPECT_EQ(run.written[0], c.expected);
        EXPECT_EQ(random.calls, c.calls);
    }
}

// Existing entries, "Enter No" and the candidates offered in turn (first
// candidate draws 1..6, second draws 7..12): which one is taken.
TEST(Suggest, SimilarityToExistingEntries)
{
    const Entry first {2, 10, 18, 26, 34, 42}; // from draws 1..6
    const Entry second {1, 9, 17, 25, 33, 41}; // from draws 7..12
    const Entry sharesThree {2, 10, 18, 43, 44, 45};
    const Entry sharesFour {2, 10, 18, 26, 44, 45};
    const Entry sharesFive {2, 10, 18, 26, 34, 45};
    struct Case
    {
        const char *name;
        bool constrained;
        int fillers; // entries sharing nothing, before the one that matters
        Entry existing;
        double enterNo;
        Entry expected;
    };
    const std::vector<Case> cases {
        {"E + V = 40: three shared numbers refuse", false, 29, sharesThree, 10, second},
        {"E + V = 60: three shared numbers pass", false, 49, sharesThree, 10, first},
        {"E + V = 60: four shared numbers pass", false, 49, sharesFour, 10, first},
        {"E + V = 60: five shared numbers refuse", false, 49, sharesFive, 10, second},
        {"E + V = 51.5 still the tight rule", false, 40, sharesThree, 10.5, second},
        {"E + V = 52 the loose rule", false, 41, sharesThree, 10, first},
        {"constrained: five shared pass in a small file", true, 0, sharesFive, 1, first},
        {"constrained: an exact repeat refuses", true, 0, first, 1, second},
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
}

TEST(Suggest, EntriesAcceptedInTheRunCountAsExisting)
{
    SharedState state;
    state.constrained = true; // only exact repeats refused
    // The same candidate twice, then another.
    ScriptedRandom random(picks({1, 2, 3, 4, 5, 6, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
    std::vector<int> counts;
    SuggestHooks hooks;
    hooks.accepted = [&counts](int count, const Entry &) { counts.push_back(count); };
    const SuggestRun run = runFrom(bandedHistory(20), {filler}, state, random, 2, 2, hooks);
    const std::vector<Entry> expected {{2, 10, 18, 26, 34, 42}, {1, 9, 17, 25, 33, 41}};
    EXPECT_EQ(run.written, expected);
    EXPECT_EQ(counts, (std::vector<int> {2, 3}));
    EXPECT_EQ(run.entries.size(), 3u);
}

TEST(Suggest, WritesEachEntryToTheFileAndAvoidsItsEntries)
{
    TempDir dir;
    SharedState state;
    state.apppath = dir.path();
    state.entryfile = dir.file("Lotto05DEC2026.lot");
    writeHistory(dir.file("sa.rtl"), bandedHistory(20));
    const Entry onFile {2, 10, 18, 26, 34, 42};
    writeEntries(state.entryfile, {filler, onFile});
    state.constrained = true;
    ScriptedRandom random(picks({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18}));
    std::vector<int> fileCountsSeen;
    SuggestHooks hooks;
    hooks.accepted = [&](int count, const Entry &) {
        fileCountsSeen.push_back(entryfiles::countOf(state.entryfile));
        EXPECT_EQ(count, fileCountsSeen.back());
    };
    const SuggestOutcome outcome = suggestentries(state, random, 2, 2, hooks);
    EXPECT_EQ(outcome.end, SuggestOutcome::End::Finished);
    EXPECT_TRUE(outcome.message.empty());
    EXPECT_EQ(fileCountsSeen, (std::vector<int> {3, 4}));
    std::vector<Entry> entries;
    entryfiles::list(state.entryfile, entries);
    const std::vector<Entry> expected {
        filler, onFile, {1, 9, 17, 25, 33, 41}, {7, 8, 16, 24, 32, 40}};
    EXPECT_EQ(entries, expected);
}

TEST(Suggest, CancelEndsTheRun)
{
    // Twenty equal draws and their one possible candidate already entered:
    // no attempt can ever succeed.
    std::vector<BallRecord> same;
    for (int k = 1; k <= 20; ++k)
        same.push_back(drawRecord(
            k == 1 ? 20 : 0, static_cast<int16_t>(k), {2003, 1, 4}, {1, 2, 3, 4, 5, 6, 7}));
    {
        SCOPED_TRACE("no candidate can be found");
        SharedState state;
        FixedSeedRandom random;
        int yields = 0;
        SuggestHooks hooks;
        hooks.letEventsRun = [&] {
            ++yields;
            state.cancelflag = true; // the Cancel click the events deliver
        };
        const SuggestRun run = runFrom(same, {{1, 2, 3, 4, 5, 6}}, state, random, 5, 5, hooks);
        EXPECT_EQ(run.outcome.end, SuggestOutcome::End::Cancelled);
        EXPECT_EQ(run.outcome.added, 0);
        EXPECT_EQ(yields, 1);
        EXPECT_FALSE(state.cancelflag);
    }
    {
        SCOPED_TRACE("events keep running while no candidate is found");
        SharedState state;
        FixedSeedRandom random;
        int yields = 0;
        SuggestHooks hooks;
        hooks.yieldEvery = std::chrono::milliseconds(1);
        hooks.letEventsRun = [&] {
            if (++yields == 5)
                state.cancelflag = true;
        };
        const SuggestRun run = runFrom(same, {{1, 2, 3, 4, 5, 6}}, state, random, 1, 1, hooks);
        EXPECT_EQ(run.outcome.end, SuggestOutcome::End::Cancelled);
        EXPECT_EQ(yields, 5);
    }
    {
        SCOPED_TRACE("a Cancel click seen after an accepted entry");
        SharedState state;
        FixedSeedRandom random;
        SuggestHooks hooks;
        hooks.letEventsRun = [&] { state.cancelflag = true; };
        const SuggestRun run = runFrom(makeHistory(30), {}, state, random, 5, 5, hooks);
        EXPECT_EQ(run.outcome.end, SuggestOutcome::End::Cancelled);
        EXPECT_EQ(run.written.size(), 1u);
        EXPECT_FALSE(state.cancelflag);
    }
    {
        SCOPED_TRACE("a Cancel click from before the run stops it after its first entry");
        SharedState state;
        state.cancelflag = true;
        FixedSeedRandom random;
        const SuggestRun run = runFrom(makeHistory(30), {}, state, random, 5, 5);
        EXPECT_EQ(run.written.size(), 1u);
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
    EXPECT_EQ(calls, 3);
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
    ASSERT_EQ(run.written.size(), 1u);
    EXPECT_EQ(run.written[0], (Entry {4, 12, 20, 28, 29, 37}));
}

TEST(Suggest, RequestChecks)
{
    struct Case
    {
        double enterNo;
        bool total;
        double shown;
        int inFile;
        std::string message;
        int count;
    };
    const std::string full = "An entry file can hold at most 32767 entries. Please enter a "
                             "smaller number in: Enter No box";
    const std::vector<Case> cases {
        {10, true, 10, 10, "You already have this number of entries or more.", 0},
        {15.5, true, 10, 10, "", 6}, // 5.5 rounds to the even 6
        {14.5, true, 10, 10, "", 4}, {5, false, 2495, 2495, "", 5},
        {6, false, 2495, 2495, "You are limited to a maximum of 2500 entries", 0},
        {32767, true, 0, 0, "", 32767}, {32768, true, 0, 0, full, 0},
        {32000, true, 100, 1000, full, 0}, // the file would pass 32767
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.enterNo);
        const SuggestRequest r = planSuggestions(c.enterNo, c.total, c.shown, c.inFile);
        EXPECT_EQ(r.message, c.message);
        if (c.message.empty()) {
            EXPECT_EQ(r.count, c.count);
        }
    }
    EXPECT_EQ(enterNoMessage(0.9),
        "You have not specified a number to add. Please enter a number in: Enter No box");
    EXPECT_EQ(enterNoMessage(1), "");
}
