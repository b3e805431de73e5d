// The statistics over a 32767-draw history, the most the results file holds.
#include "core/history.h"
#include "core/results.h"
#include "stats/ballinfo.h"
#include "stats/drawstats.h"
#include "stats/quickinfo.h"

#include "tests/support/testsupport.h"

#include <benchmark/benchmark.h>

using namespace pickwise;

namespace {

// From Saturday 6 January 1703 to 31 December 2016: every draw of the 6 of 49
// game, so the counts are over one game.
const std::vector<BallRecord> &fullHistory()
{
    static const std::vector<BallRecord> draws = testing::makeHistory(32767, {1703, 1, 6});
    return draws;
}

void readHistory(benchmark::State &state)
{
    testing::TempDir dir;
    const std::string path = dir.file("sa.rtl");
    testing::writeHistory(path, fullHistory());
    std::vector<BallRecord> draws;
    for (auto _ : state) {
        results::readAll(path, draws);
        benchmark::DoNotOptimize(draws.data());
    }
}
BENCHMARK(readHistory)->Unit(benchmark::kMillisecond);

// What each display reads now: the history with each draw's game, then the
// records of the game counted.
void readGameHistory(benchmark::State &state)
{
    testing::TempDir dir;
    const std::string path = dir.file("sa.rtl");
    testing::writeHistory(path, fullHistory());
    for (auto _ : state) {
        ResultsHistory history(path);
        history.load();
        auto draws = history.records(sixOf49());
        benchmark::DoNotOptimize(draws.data());
    }
}
BENCHMARK(readGameHistory)->Unit(benchmark::kMillisecond);

// One display: count, rank and build the chart table.
void sortedDisplay(benchmark::State &state)
{
    const auto view = static_cast<stats::View>(state.range(0));
    for (auto _ : state) {
        const auto tally = stats::countDraws(fullHistory(), view, {});
        auto table = stats::chartTable(stats::rankBalls(tally.counts));
        benchmark::DoNotOptimize(table.data());
    }
}
BENCHMARK(sortedDisplay)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMicrosecond);

void quickInfo(benchmark::State &state)
{
    const auto kind = static_cast<stats::QuickInfo>(state.range(0));
    for (auto _ : state) {
        auto balls = stats::quickNumbers(kind, fullHistory());
        benchmark::DoNotOptimize(balls.data());
    }
}
BENCHMARK(quickInfo)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

void ballFacts(benchmark::State &state)
{
    for (auto _ : state) {
        auto facts = stats::ballFacts(fullHistory(), stats::View::LottoBonus, 7);
        benchmark::DoNotOptimize(facts.timesDrawn);
    }
}
BENCHMARK(ballFacts)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
