// History Check of 2500 entries against every draw the results file can hold
// (32767), the rules alone: the range, every draw's tiers and result lines.
// Beside it a plain reference that does the same work written straight (the
// same bit masks, the same lines, the same limit), so that one run gives the
// ratio between the two.
#include "core/dates.h"
#include "core/numbermask.h"
#include "entries/historycheck.h"

#include "tests/support/testsupport.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <numeric>
#include <random>

using namespace pickwise;

namespace {

constexpr int entryCount = 2500;

// From Saturday 6 January 1703: the 32767th draw falls on 31 December 2016, so
// every draw is of the 6 of 49 game, as the plain reference takes them.
const std::vector<BallRecord> &history(int drawCount)
{
    static std::vector<BallRecord> draws;
    if (static_cast<int>(draws.size()) != drawCount)
        draws = testing::makeHistory(drawCount, {1703, 1, 6});
    return draws;
}

struct Outcome
{
    historycheck::TierCounts wins;
    std::vector<std::string> lines;
};

Outcome rules(const historycheck::Checker &checker, const std::vector<BallRecord> &draws)
{
    const historycheck::Range range = historycheck::findRange(draws, {1700, 1, 1}, {2100, 12, 31});
    historycheck::Tally tally;
    historycheck::ResultLists results;
    historycheck::checkRange(checker, draws, range, tally, results, [](int) { return true; });
    Outcome outcome;
    outcome.wins = tally.wins;
    for (int k = 0; k < historycheck::listCount; ++k)
        outcome.lines.insert(outcome.lines.end(), results.list(k).begin(), results.list(k).end());
    return outcome;
}

// Two digits with a leading zero, as every list writes a number.
char *twoDigits(char *at, int n)
{
    *at++ = static_cast<char>('0' + n / 10);
    *at++ = static_cast<char>('0' + n % 10);
    return at;
}

char *append(char *at, const char *text)
{
    while (*text)
        *at++ = *text++;
    return at;
}

// Every draw of a valid history (dates in order, six distinct balls and a
// bonus, all within 1..49) against entries of six distinct numbers: one mask
// test per entry, each line written into a buffer and kept in one flat list.
void plainCheck(const std::vector<uint64_t> &entryBits, const std::vector<Entry> &entries,
    const std::vector<BallRecord> &draws, Outcome &out)
{
    static const char *const tags[]
        = {"Match 6", "Match 5+PB", "Match 5", "Match 4+PB", "Match 4", "Match 3+PB", "Match 3"};
    static const char *const months[]
        = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN", "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
    const size_t limit = size_t(historycheck::listCount) * historycheck::listLimit;
    out.wins = {};
    out.lines.clear();
    char text[48];
    for (const BallRecord &draw : draws) {
        if (out.lines.size() < limit) {
            char *end = twoDigits(text, draw.day);
            *end++ = ' ';
            end = append(end, months[draw.month - 1]);
            end = append(end, "  ");
            end = append(end, std::to_string(draw.year).c_str());
            out.lines.emplace_back(text, end);
        }
        uint64_t drawBits = 0;
        for (int i = 0; i < 6; ++i)
            drawBits |= uint64_t(1) << draw.ball[static_cast<size_t>(i)];
        const uint64_t bonusBit = uint64_t(1) << draw.ball[6];
        for (size_t e = 0; e < entryBits.size(); ++e) {
            const int matched = checking::bitCount(entryBits[e] & drawBits);
            if (matched < 3)
                continue;
            const bool bonus = (entryBits[e] & bonusBit) != 0;
            const int tier = matched == 6 ? 1
                : matched == 5            ? (bonus ? 2 : 3)
                : matched == 4            ? (bonus ? 4 : 5)
                                          : (bonus ? 6 : 7);
            ++out.wins[static_cast<size_t>(tier - 1)];
            if (out.lines.size() < limit) {
                char *end = text;
                for (int16_t n : entries[e]) {
                    end = twoDigits(end, n);
                    *end++ = ' ';
                }
                end = append(end, tags[tier - 1]);
                out.lines.emplace_back(text, end);
            }
        }
    }
}

void historyCheck(benchmark::State &state)
{
    const std::vector<BallRecord> &draws = history(static_cast<int>(state.range(0)));
    const historycheck::Checker checker(testing::randomEntries(entryCount));
    long long lines = 0;
    for (auto _ : state) {
        const historycheck::Range range
            = historycheck::findRange(draws, {1700, 1, 1}, {2100, 12, 31});
        historycheck::Tally tally;
        historycheck::ResultLists results;
        historycheck::checkRange(checker, draws, range, tally, results, [](int) { return true; });
        lines = results.totalLines();
        benchmark::DoNotOptimize(tally);
    }
    state.counters["lines"] = static_cast<double>(lines);
}
BENCHMARK(historyCheck)->Arg(3000)->Arg(32767)->Unit(benchmark::kMillisecond);

void plainReference(benchmark::State &state)
{
    const std::vector<BallRecord> &draws = history(static_cast<int>(state.range(0)));
    const std::vector<Entry> entries = testing::randomEntries(entryCount);
    std::vector<uint64_t> bits;
    for (const Entry &e : entries)
        bits.push_back(checking::maskOf(e).bits);

    Outcome plain;
    plainCheck(bits, entries, draws, plain);
    // Both must do the same work, or the ratio means nothing.
    const Outcome checked = rules(historycheck::Checker(entries), draws);
    if (checked.wins != plain.wins || checked.lines != plain.lines) {
        state.SkipWithError("the reference and the rules disagree");
        return;
    }
    for (auto _ : state) {
        plainCheck(bits, entries, draws, plain);
        benchmark::DoNotOptimize(plain.wins);
    }
    state.counters["lines"] = static_cast<double>(plain.lines.size());
}
BENCHMARK(plainReference)->Arg(3000)->Arg(32767)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
