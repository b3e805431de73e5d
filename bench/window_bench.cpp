// Work the user waits for in front of the main window, measured through the
// windows (offscreen, the main window shown): 2500 computer suggestions, each
// appended to the file and listed in the main window as it comes, and the
// Delete of every second entry of a long list.
#include "core/entryfiles.h"
#include "core/fileio.h"
#include "core/lines.h"
#include "entries/entryrules.h"
#include "entries/form5.h"
#include "mainwindow/form1.h"
#include "platform/qtports.h"

#include "tests/support/installation.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <numeric>
#include <random>

using namespace pickwise;

namespace {

constexpr Date today {2015, 12, 5}; // a Saturday of the 6 of 49 game: Add asks no question

// The main window over an installation with a 2000-draw history, the real
// entry window behind its Add button and the program's own random numbers.
struct ListingWindow : testing::Installation
{
    SystemRandom systemRandom;
    Platform programPlatform {dialogs, printer, shell, clock, systemRandom, nullptr};
    Context programContext {programPlatform, paths, session};
    ConstraintSet constraints;
    std::unique_ptr<Form1> form;

    ListingWindow() : testing::Installation(today)
    {
        history(2000);
        form = std::make_unique<Form1>(programContext);
        form->children().setFactory(
            ChildKind::Entry, [this] { return new Form5(programContext, constraints); });
        form->resize(800, 620);
        form->show();
        form->start();
        QApplication::processEvents();
    }

    QListWidget *entryList() const
    {
        return form->findChild<QListWidget *>(QStringLiteral("List1"));
    }
    template<class T>
    T *find(QWidget *in, const char *name) const
    {
        return in->findChild<T *>(QString::fromUtf8(name));
    }
    // The listing of the day's file, as after a change of the entries date.
    void relist() { form->reopenCurrentFile(); }
};

Form5 *openEntryWindow(ListingWindow &main)
{
    main.find<QPushButton>(main.form.get(), "Command4")->click();
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *entryWindow = qobject_cast<Form5 *>(w); entryWindow && entryWindow->isVisible())
            return entryWindow;
    return nullptr;
}

// 2500 suggestions into an empty file ("Additional"), from the click on the
// entry window's Add until the last entry is listed.
void suggestThroughTheWindow(benchmark::State &state)
{
    ListingWindow main;
    int listed = 0;
    for (auto _ : state) {
        state.PauseTiming();
        removeFile(main.todayFile());
        main.relist();
        Form5 *entryWindow = openEntryWindow(main);
        if (!entryWindow) {
            state.SkipWithError("the entry window did not open");
            break;
        }
        main.find<QLineEdit>(entryWindow, "Text8")->setText(QStringLiteral("2500"));
        main.find<QRadioButton>(entryWindow, "Option2")->setChecked(true);
        QApplication::processEvents();
        state.ResumeTiming();

        main.find<QPushButton>(entryWindow, "Command4")->click();
        QApplication::processEvents();

        state.PauseTiming();
        listed = main.entryList()->count();
        main.find<QPushButton>(entryWindow, "Command3")->click();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    if (listed != 2500)
        state.SkipWithError("not every entry was listed");
    if (!main.dialogs.shown.empty())
        state.SkipWithError(main.dialogs.lastText().c_str());
    state.counters["listed"] = listed;
}
BENCHMARK(suggestThroughTheWindow)->Unit(benchmark::kMillisecond);

// Delete with every second line of 32,767 listed entries selected.
void deleteThroughTheWindow(benchmark::State &state)
{
    const int n = static_cast<int>(state.range(0));
    ListingWindow main;
    const std::vector<Entry> entries = testing::randomEntries(n);
    int listed = 0;
    for (auto _ : state) {
        state.PauseTiming();
        testing::writeEntries(main.todayFile(), entries);
        main.relist();
        QListWidget *list = main.entryList();
        // Selected in one go: line by line is quadratic in the list itself.
        QItemSelection every2nd;
        for (int i = 0; i < list->count(); i += 2)
            every2nd.select(list->model()->index(i, 0), list->model()->index(i, 0));
        list->selectionModel()->select(every2nd, QItemSelectionModel::Select);
        QApplication::processEvents();
        state.ResumeTiming();

        main.find<QPushButton>(main.form.get(), "Command5")->click();
        QApplication::processEvents();

        state.PauseTiming();
        listed = list->count();
        state.ResumeTiming();
    }
    if (listed != n / 2)
        state.SkipWithError("the list does not show what is left");
    state.counters["listed"] = listed;
}
BENCHMARK(deleteThroughTheWindow)->Arg(2500)->Arg(10000)->Arg(32767)->Unit(benchmark::kMillisecond);

} // namespace

#include "bench/benchmain.h"
