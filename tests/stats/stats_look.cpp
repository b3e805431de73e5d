// Shows the statistics window over a few hundred made-up draws, for looking at
// it (and taking a screenshot) under a real or virtual display:
//   stats_look [draws] [seconds]
#include "stats/form4.h"

#include "core/sharedstate.h"
#include "platform/platform.h"
#include "platform/qtports.h"
#include "platform/testing/fakes.h"
#include "tests/support/testsupport.h"

#include <QApplication>
#include <QTimer>

#include <cstdlib>

using namespace pickwise;

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const int draws = argc > 1 ? std::atoi(argv[1]) : 400;
    const int seconds = argc > 2 ? std::atoi(argv[2]) : 6;

    testing::TempDir dir;
    testing::writeHistory(dir.file("sa.rtl"), testing::makeHistory(draws));
    SharedState state;
    state.paths = DataPaths(dir.path(), dir.path());

    QtDialogs dialogs;
    FakePrinter printer;
    FakeShell shell;
    FixedClock clock;
    ScriptedRandom random;
    Platform platform {dialogs, printer, shell, clock, random, nullptr};

    Form4 form(state, platform);
    form.setAttribute(Qt::WA_DeleteOnClose, false);
    form.setWindowTitle("Draw Statistics for Lotto");
    form.move(20, 20);
    form.show();
    QTimer::singleShot(seconds * 1000, &app, &QApplication::quit);
    return app.exec();
}
