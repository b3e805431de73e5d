// The filter's duplicate pass over 2500 entries: every kept entry against
// every other, at the loosest level (3 shared numbers, most entries marked)
// and the strictest (5, almost none marked, so the most comparisons).
#include "entries/filter.h"

#include "tests/support/testsupport.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <numeric>
#include <random>

using namespace pickwise;

namespace {

constexpr int entryCount = 2500;

RecordFile workingCopy()
{
    std::vector<BallRecord> records;
    for (const Entry &entry : testing::randomEntries(entryCount))
        records.push_back(testing::entryRecord(records.empty() ? entryCount : 0, entry));
    RecordFile copy;
    copy.setBytes(testing::bytesOf(records));
    return copy;
}

void duplicatePass(benchmark::State &state)
{
    const RecordFile fresh = workingCopy();
    const int level = static_cast<int>(state.range(0));
    int marked = 0;
    int steps = 0;
    for (auto _ : state) {
        state.PauseTiming();
        RecordFile copy = fresh;
        state.ResumeTiming();
        // The window lets events run after each entry; count the calls instead.
        marked = filter::markDuplicates(copy, level, [&steps](int) { ++steps; });
    }
    benchmark::DoNotOptimize(steps);
    state.counters["marked"] = marked;
}
BENCHMARK(duplicatePass)->Arg(3)->Arg(4)->Arg(5)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
