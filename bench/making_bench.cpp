// Computer suggestions at the size the Additional mode allows: 2500 entries
// into an empty file over a 2000-draw history, unconstrained.
#include "core/fileio.h"
#include "entries/suggest.h"

#include "tests/support/testsupport.h"

#ifdef PICKWISE_SYSTEM_RANDOM
#include "platform/qtports.h"
#endif

#include <benchmark/benchmark.h>

#include <random>

using namespace pickwise;

namespace {

#ifdef PICKWISE_SYSTEM_RANDOM
using RealRandom = SystemRandom;
#else
class RealRandom : public Random
{
public:
    double next() override { return m_uniform(m_engine); }

private:
    std::mt19937_64 m_engine {std::random_device {}()};
    std::uniform_real_distribution<double> m_uniform {0.0, 1.0};
};
#endif

constexpr int historyDraws = 2000;
constexpr int entriesWanted = 2500;

// The whole run as the window starts it: reading both files, appending every
// accepted entry to the file on disk.
void suggestIntoFile(benchmark::State &state)
{
    testing::TempDir dir;
    testing::writeHistory(dir.file("sa.rtl"), testing::makeHistory(historyDraws));
    const std::string entryfile = dir.file("Lotto05DEC2015.lot");
    const ConstraintSet constraints;
    bool cancelflag = false;
    RealRandom random;
    for (auto _ : state) {
        state.PauseTiming();
        removeFile(entryfile);
        state.ResumeTiming();
        const SuggestOutcome outcome = suggestentries(dir.file("sa.rtl"), entryfile, constraints,
            cancelflag, random, entriesWanted, entriesWanted, {});
        if (outcome.added != entriesWanted)
            state.SkipWithError("not every entry was made");
    }
    state.SetItemsProcessed(state.iterations() * entriesWanted);
}
BENCHMARK(suggestIntoFile)->Unit(benchmark::kMillisecond);

// The sampling and similarity test alone, without the disk.
void suggestInMemory(benchmark::State &state)
{
    const std::vector<BallRecord> draws = testing::makeHistory(historyDraws);
    const ConstraintSet constraints;
    bool cancelflag = false;
    RealRandom random;
    for (auto _ : state) {
        std::vector<Entry> entries;
        const SuggestOutcome outcome = suggestFrom(draws, entries, constraints, cancelflag, random,
            entriesWanted, entriesWanted, {}, [](const Entry &) { return std::string(); });
        benchmark::DoNotOptimize(entries.data());
        if (outcome.added != entriesWanted)
            state.SkipWithError("not every entry was made");
    }
    state.SetItemsProcessed(state.iterations() * entriesWanted);
}
BENCHMARK(suggestInMemory)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
