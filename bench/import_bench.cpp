// Importing a results CSV of 10,000 rows in the plain layout, draws every
// Wednesday and Saturday from 4 January 1950 (into 2045, so both games),
// each valid for the game of its date: reading the file, checking every row,
// merging and writing the history once.
#include "core/game.h"
#include "core/resultsimport.h"

#include "tests/support/testsupport.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <random>
#include <set>

using namespace pickwise;

namespace {

constexpr int rows = 10000;

Date nextDraw(Date d)
{
    static const int len[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    int days = dayOfWeek(d) == 3 ? 3 : 4; // Wednesday to Saturday, Saturday to Wednesday
    while (days-- > 0) {
        const bool leap = (d.year % 4 == 0 && d.year % 100 != 0) || d.year % 400 == 0;
        if (++d.day > len[d.month - 1] + (d.month == 2 && leap ? 1 : 0)) {
            d.day = 1;
            if (++d.month > 12) {
                d.month = 1;
                ++d.year;
            }
        }
    }
    return d;
}

// The rows, and the draws of every second one for a history that holds half.
std::string makeCsv(std::vector<DatedDraw> &everySecond)
{
    std::mt19937 random(1950);
    std::string csv = "date,n1,n2,n3,n4,n5,n6,bonus\n";
    Date date {1950, 1, 4};
    for (int i = 0; i < rows; ++i, date = nextDraw(date)) {
        const int highest = matrixFor(date).highestBall;
        std::set<int> seen;
        Draw balls {};
        for (size_t k = 0; k < 7;) {
            const int n = 1 + static_cast<int>(random() % static_cast<unsigned>(highest));
            if (seen.insert(n).second)
                balls[k++] = static_cast<int16_t>(n);
        }
        csv += isoDateText(date);
        for (const int16_t n : balls)
            csv += "," + std::to_string(n);
        csv += "\n";
        if (i % 2 == 0)
            everySecond.push_back({date, balls});
    }
    return csv;
}

void import(benchmark::State &state)
{
    const bool halfHeld = state.range(0) == 1;
    testing::TempDir dir;
    std::vector<DatedDraw> everySecond;
    const std::string csv = makeCsv(everySecond);
    std::ofstream(dir.file("draws.csv")) << csv;
    std::vector<uint8_t> held;
    if (halfHeld) {
        ResultsHistory empty;
        held = empty.bytesAfterInserting(everySecond);
    }
    for (auto _ : state) {
        state.PauseTiming();
        testing::writeBytes(dir.file("sa.rtl"), held);
        ResultsHistory history(dir.file("sa.rtl"));
        PrizeStore prizes(dir.file("prizes.csv"));
        history.load();
        prizes.load();
        state.ResumeTiming();
        const auto summary = resultsimport::importFile(history, prizes, dir.file("draws.csv"));
        if (summary.added != (halfHeld ? rows / 2 : rows))
            state.SkipWithError("not every row was taken");
    }
    state.counters["rows"] = rows;
}
BENCHMARK(import)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
