// Main window start-up with the largest history the results file holds and
// 2500 entries for today: from construction until the day's draw is shown,
// its winning lines checked and listed.
#include "core/lines.h"
#include "core/sharedstate.h"
#include "mainwindow/form1.h"
#include "platform/platform.h"
#include "platform/testing/fakes.h"

#include "tests/support/testsupport.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QListWidget>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <numeric>
#include <random>

using namespace pickwise;

namespace {

constexpr int historyDraws = 32767;
constexpr int entryCount = 2500;

// 32767 draws at two a week span about 314 years; starting in 1736 puts the
// last one within the date pickers' 1950..2050.
Date firstSaturday()
{
    Date d {1736, 1, 1};
    while (dayOfWeek(d) != 6)
        ++d.day;
    return d;
}

struct Installation
{
    testing::TempDir dir;
    Date today;

    Installation()
    {
        const auto draws = testing::makeHistory(historyDraws, firstSaturday());
        testing::writeHistory(dir.file(resultsFileName), draws);
        const BallRecord &last = draws.back();
        today = {last.year, last.month, last.day};

        std::mt19937 random(2026);
        std::vector<int16_t> balls(49);
        std::iota(balls.begin(), balls.end(), int16_t(1));
        std::vector<Entry> entries;
        for (int e = 0; e < entryCount; ++e) {
            std::shuffle(balls.begin(), balls.end(), random);
            Entry entry {};
            std::copy(balls.begin(), balls.begin() + 6, entry.begin());
            entries.push_back(entry);
        }
        testing::writeEntries(
            dir.file(datedEntryFileName(today.day, today.month, today.year)), entries);
    }
};

void mainWindowStartup(benchmark::State &state)
{
    static const Installation inst;
    SharedState shared;
    shared.paths = DataPaths(inst.dir.path(), inst.dir.path());
    FakeDialogs dialogs;
    FakePrinter printer;
    printer.printers = {"Office"};
    FakeShell shell;
    FixedClock clock(inst.today);
    ScriptedRandom random;
    Platform platform {dialogs, printer, shell, clock, random, nullptr};

    int listed = 0;
    int winning = 0;
    for (auto _ : state) {
        auto form = std::make_unique<Form1>(shared, platform);
        form->start();
        form->show();
        QApplication::processEvents();
        if (!form->drawShown()) {
            state.SkipWithError("the day's draw is not shown");
            break;
        }
        listed = form->findChild<QListWidget *>(QStringLiteral("List1"))->count();
        winning = form->findChild<QListWidget *>(QStringLiteral("List2"))->count();
        state.PauseTiming();
        form.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    if (!dialogs.shown.empty())
        state.SkipWithError(dialogs.lastText().c_str());
    state.counters["listed"] = listed;
    state.counters["winning"] = winning;
}
BENCHMARK(mainWindowStartup)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
