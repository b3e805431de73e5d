// Shows the statistics window over a few hundred made-up draws, for looking at
// it (and taking a screenshot) under a real or virtual display:
//   stats_look [draws] [seconds]
#include "stats/form4.h"

#include "platform/qtports.h"
#include "tests/support/installation.h"

#include <QApplication>
#include <QTimer>

#include <cstdlib>

using namespace pickwise;

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const int draws = argc > 1 ? std::atoi(argv[1]) : 400;
    const int seconds = argc > 2 ? std::atoi(argv[2]) : 6;

    testing::Installation inst;
    inst.history(draws);
    // Real message boxes, to be seen.
    QtDialogs dialogs;
    Platform platform {dialogs, inst.printer, inst.shell, inst.clock, inst.random, nullptr};

    Context context {platform, inst.paths, inst.session};
    Form4 form(context);
    form.setAttribute(Qt::WA_DeleteOnClose, false);
    form.setWindowTitle("Draw Statistics for Lotto");
    form.move(20, 20);
    form.show();
    QTimer::singleShot(seconds * 1000, &app, &QApplication::quit);
    return app.exec();
}
