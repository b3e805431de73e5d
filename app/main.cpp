#include "core/sharedstate.h"
#include "mainwindow/apppath.h"
#include "mainwindow/form1.h"
#include "platform/platform.h"
#include "platform/qtports.h"

#include <QApplication>

using namespace pickwise;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);

    SharedState state;
    state.apppath = apppathFrom(QCoreApplication::applicationDirPath().toStdString());

    QtDialogs dialogs;
    QtPrinter printer;
    QtShell shell;
    SystemClock clock;
    SystemRandom random;
    Platform platform {dialogs, printer, shell, clock, random, nullptr};

    Form1 form1(state, platform);

    // ---- Window factories --------------------------------------------------
    // Register one factory per window the main window opens, for example:
    //   form1.setChildFactory(ChildKind::Entry,
    //       [&] { return new Form5(state, platform, form1); });
    //   form1.setHelpHandler([&] { ... });
    // A kind without a factory leaves its menu items and buttons disabled.
    // ---- end of window factories --------------------------------------------

    form1.show();
    form1.start();
    return app.exec();
}
