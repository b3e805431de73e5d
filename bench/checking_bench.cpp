#include "core/entryfiles.h"
#include "core/fileio.h"
#include "core/results.h"
#include "entries/historycheck.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <numeric>
#include <random>

#ifdef PICKWISE_BENCH_WINDOW
#include "entries/form6.h"
#include "tests/support/installation.h"

#include <QApplication>
#include <QListView>
#include <QPushButton>
#endif

using namespace pickwise;

namespace {

constexpr int entryCount = 2500;
constexpr int drawCount = 3000;

// Six distinct numbers from 1..49 (seven with the bonus), in a fixed order.
std::vector<int16_t> pick(std::mt19937 &random, int n)
{
    std::vector<int16_t> balls(49);
    std::iota(balls.begin(), balls.end(), int16_t(1));
    std::shuffle(balls.begin(), balls.end(), random);
    balls.resize(static_cast<size_t>(n));
    return balls;
}

Date nextDrawDay(Date d)
{
    static const int length[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    int days = dayOfWeek(d) == 6 ? 4 : 3;
    while (days-- > 0) {
        const bool leap = (d.year % 4 == 0 && d.year % 100 != 0) || d.year % 400 == 0;
        if (++d.day > length[d.month - 1] + (d.month == 2 && leap ? 1 : 0)) {
            d.day = 1;
            if (++d.month > 12) {
                d.month = 1;
                ++d.year;
            }
        }
    }
    return d;
}

// A folder with 3000 draws from Saturday 1 January 1966 (to September 1994,
// all of the 6 of 49 game) and a dated entry file of 2500 entries.
struct HistoryFiles
{
    std::string folder;
    std::string entryfile;

    HistoryFiles()
    {
        char name[] = "/tmp/pickwisebenchXXXXXX";
        folder = ::mkdtemp(name);
        entryfile = folder + "/Lotto05DEC2015.lot";
        std::mt19937 random(2026);

        RecordFile draws(folder + "/sa.rtl");
        Date date {1966, 1, 1};
        for (int r = 1; r <= drawCount; ++r) {
            auto balls = pick(random, 7);
            std::sort(balls.begin(), balls.begin() + 6);
            BallRecord record;
            record.count = r == 1 ? drawCount : 0;
            record.drawno = static_cast<int16_t>(r);
            record.day = static_cast<int16_t>(date.day);
            record.month = static_cast<int16_t>(date.month);
            record.year = static_cast<int16_t>(date.year);
            std::copy(balls.begin(), balls.end(), record.ball.begin());
            draws.write(r, record);
            date = nextDrawDay(date);
        }
        draws.save();

        RecordFile entries(entryfile);
        for (int e = 1; e <= entryCount; ++e) {
            const auto balls = pick(random, 6);
            BallRecord record;
            record.count = e == 1 ? entryCount : 0;
            std::copy(balls.begin(), balls.end(), record.ball.begin());
            entries.write(e, record);
        }
        entries.save();
    }

    ~HistoryFiles()
    {
        std::error_code ec;
        std::filesystem::remove_all(folder, ec);
    }
};

const HistoryFiles &historyFiles()
{
    static const HistoryFiles once;
    return once;
}

// Reading both files, the range and every draw's lines, as Check does.
void BM_HistoryCheckRules(benchmark::State &state)
{
    const HistoryFiles &inst = historyFiles();
    long long lines = 0;
    for (auto _ : state) {
        std::vector<BallRecord> draws;
        results::readAll(inst.folder + "/sa.rtl", draws);
        std::vector<Entry> entries;
        entryfiles::list(inst.entryfile, entries);
        const historycheck::Range range
            = historycheck::findRange(draws, {1962, 1, 1}, {2015, 12, 31});
        const historycheck::Checker checker(std::move(entries));
        historycheck::Tally tally;
        historycheck::ResultLists results;
        historycheck::checkRange(checker, draws, range, tally, results);
        lines = results.totalLines();
        benchmark::DoNotOptimize(tally);
    }
    state.counters["lines"] = static_cast<double>(lines);
}
BENCHMARK(BM_HistoryCheckRules)->Unit(benchmark::kMillisecond);

#ifdef PICKWISE_BENCH_WINDOW
// The shown window: Check with its progress, event processing and four lists.
void BM_HistoryCheckWindow(benchmark::State &state)
{
    const HistoryFiles &files = historyFiles();
    testing::Installation inst({2015, 12, 31});
    std::filesystem::copy_file(files.folder + "/sa.rtl", inst.paths.results());
    std::filesystem::copy_file(files.entryfile, inst.file("Lotto05DEC2015.lot"));
    inst.session.listDated({2015, 12, 5});

    Form6 form(inst.context);
    form.resize(800, 600);
    form.show();
    QApplication::processEvents();
    auto *check = form.findChild<QPushButton *>(QStringLiteral("Command2"));
    int rows = 0;
    for (auto _ : state) {
        check->click();
        QApplication::processEvents();
        rows = 0;
        for (int k = 0; k < 4; ++k)
            rows += form.findChild<QListView *>(QStringLiteral("List1_%1").arg(k))
                        ->model()
                        ->rowCount();
    }
    state.counters["rows"] = rows;
    state.counters["messages"] = static_cast<double>(inst.dialogs.shown.size());
}
BENCHMARK(BM_HistoryCheckWindow)->Unit(benchmark::kMillisecond);
#endif

} // namespace

#include "bench/benchmain.h"
