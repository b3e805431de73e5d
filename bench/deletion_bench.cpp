// Deleting entries as the main window's Delete does: read the entry file,
// take out the selected lines (here every second one) and write the file
// back, for 2500 entries, 10,000 and the most a file holds (32,767).
#include "core/entryfiles.h"

#include "tests/support/testsupport.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <numeric>
#include <random>

using namespace pickwise;

namespace {

void deleteEverySecondEntry(benchmark::State &state)
{
    const int n = static_cast<int>(state.range(0));
    testing::TempDir dir;
    const std::string path = dir.file("Lotto05DEC2015.lot");
    const std::vector<Entry> entries = testing::randomEntries(n);
    std::vector<bool> chosen(static_cast<size_t>(n), false);
    for (size_t i = 0; i < chosen.size(); i += 2)
        chosen[i] = true;
    int left = 0;
    for (auto _ : state) {
        state.PauseTiming();
        testing::writeEntries(path, entries);
        std::vector<bool> selected = chosen;
        state.ResumeTiming();
        const std::string error = entryfiles::deleteSelected(path, selected);
        if (!error.empty()) {
            state.SkipWithError(error.c_str());
            break;
        }
        left = static_cast<int>(selected.size());
    }
    state.counters["left"] = left;
}
BENCHMARK(deleteEverySecondEntry)->Arg(2500)->Arg(10000)->Arg(32767)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
