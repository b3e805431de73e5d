// History Check of 2500 entries against every draw the results file can hold
// (32767), the rules alone: the range, every draw's tiers and result lines.
#include "entries/historycheck.h"

#include "tests/support/testsupport.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <numeric>
#include <random>

using namespace pickwise;

namespace {

std::vector<Entry> randomEntries(int n)
{
    std::mt19937 random(2026);
    std::vector<int16_t> balls(49);
    std::iota(balls.begin(), balls.end(), int16_t(1));
    std::vector<Entry> entries;
    for (int e = 0; e < n; ++e) {
        std::shuffle(balls.begin(), balls.end(), random);
        Entry entry {};
        std::copy(balls.begin(), balls.begin() + 6, entry.begin());
        entries.push_back(entry);
    }
    return entries;
}

void historyCheck(benchmark::State &state)
{
    const int drawCount = static_cast<int>(state.range(0));
    const std::vector<BallRecord> draws = testing::makeHistory(drawCount, {1736, 1, 5});
    const historycheck::Checker checker(randomEntries(2500));
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

} // namespace

BENCHMARK_MAIN();
