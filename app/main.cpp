#include "about/aboutrules.h"
#include "about/frmabout.h"
#include "core/sharedstate.h"
#include "download/qthttpclient.h"
#include "download/rdl.h"
#include "entries/editentry.h"
#include "entries/form10.h"
#include "entries/form5.h"
#include "entries/form6.h"
#include "entries/linkprocess.h"
#include "fileops/form30.h"
#include "fileops/form8.h"
#include "mainwindow/form1.h"
#include "platform/platform.h"
#include "platform/qtports.h"
#include "stats/form4.h"
#include "tickets/printuklotto.h"
#include "wheels/wheel6.h"

#include <QApplication>

using namespace pickwise;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);

    SharedState state;
    // The program's own files and the player's data both live beside the
    // executable for now.
    const std::string programFolder = QCoreApplication::applicationDirPath().toStdString();
    state.paths = DataPaths(programFolder, programFolder);

    QtDialogs dialogs;
    QtPrinter printer;
    QtShell shell;
    SystemClock clock;
    SystemRandom random;
    QtHttpClient http;
    Platform platform {dialogs, printer, shell, clock, random, &http};

    MainSession session(state.paths);
    Form1 form1(state, platform, session);

    // Every window the main window opens. A window works on the shared values
    // and, through the session, on what the main window shows.
    ChildWindows &children = form1.children();
    children.setFactory(ChildKind::Entry, [&] { return new Form5(state, platform, session); });
    children.setFactory(
        ChildKind::EditEntry, [&] { return new editEntry(state, platform, session); });
    children.setFactory(
        ChildKind::HistoryCheck, [&] { return new Form6(state, platform, session); });
    children.setFactory(ChildKind::Filter, [&] { return new Form10(state, platform, session); });
    children.setFactory(
        ChildKind::Optimiser, [&] { return new LinkProcess(state, platform, session); });
    children.setFactory(ChildKind::Statistics, [&] { return new Form4(state, platform); });
    children.setFactory(ChildKind::WheelCreate,
        [&] { return new wheel6(state, platform, session, session.wheelGame()); });
    children.setFactory(ChildKind::ImportTxt, [&] { return new Form30(state, platform, session); });
    children.setFactory(
        ChildKind::FileDeletion, [&] { return new Form8(state, platform, session); });
    children.setFactory(ChildKind::Downloader, [&] { return new RDL(state, platform); });
    children.setFactory(
        ChildKind::TicketPrinting, [&] { return new PrintUKLotto(state, platform, session); });
    children.setFactory(ChildKind::About, [&] { return new frmAbout(platform); });
    form1.setHelpHandler([&] { about::showHelp(shell, dialogs, state.paths.helpFile()); });

    form1.show();
    form1.start();
    return app.exec();
}
