// Main window start-up with the largest history the results file holds and
// 2500 entries for today: from construction until the day's draw is shown,
// its winning lines checked and listed.
#include "core/lines.h"
#include "mainwindow/form1.h"

#include "tests/support/installation.h"

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

// 32767 draws at two a week span about 314 years; starting in 1703 puts the
// last one, today, on 31 December 2016: within the date pickers' 1950..2050
// and before 2 August 2017, so every draw is of the 6 of 49 game.
Date firstSaturday()
{
    Date d {1703, 1, 1};
    while (dayOfWeek(d) != 6)
        ++d.day;
    return d;
}

// The installation, made once: the history, ending today, and today's entries.
testing::Installation &installation()
{
    static const std::vector<BallRecord> draws
        = testing::makeHistory(historyDraws, firstSaturday());
    static testing::Installation inst({draws.back().year, draws.back().month, draws.back().day});
    static const bool filled = [] {
        inst.history(draws);
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
        testing::writeEntries(inst.todayFile(), entries);
        return true;
    }();
    (void)filled;
    return inst;
}

void mainWindowStartup(benchmark::State &state)
{
    testing::Installation &inst = installation();
    int listed = 0;
    int winning = 0;
    for (auto _ : state) {
        auto form = std::make_unique<Form1>(inst.context);
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
    if (!inst.dialogs.shown.empty())
        state.SkipWithError(inst.dialogs.lastText().c_str());
    state.counters["listed"] = listed;
    state.counters["winning"] = winning;
}
BENCHMARK(mainWindowStartup)->Unit(benchmark::kMillisecond);

} // namespace

#include "bench/benchmain.h"
