#include "about/aboutrules.h"
#include "about/frmabout.h"
#include "core/datapaths.h"
#include "download/qthttpclient.h"
#include "download/rdl.h"
#include "entries/editentry.h"
#include "entries/entryrules.h"
#include "entries/form10.h"
#include "entries/form5.h"
#include "entries/form6.h"
#include "entries/linkprocess.h"
#include "fileops/form30.h"
#include "fileops/form8.h"
#include "mainwindow/form1.h"
#include "platform/context.h"
#include "platform/qtports.h"
#include "stats/form4.h"
#include "tickets/printuklotto.h"
#include "wheels/wheel6.h"

#include <QApplication>
#include <QIcon>

using namespace pickwise;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The installed menu entry's icon, on every window; the desktop file name
    // lets a Wayland desktop match the windows to that menu entry.
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icon/%1x%1/apps/" PICKWISE_APP_ID ".png").arg(size));
    QApplication::setWindowIcon(icon);
    QGuiApplication::setDesktopFileName(QStringLiteral(PICKWISE_APP_ID));

    // Where the program's files are, decided here once. The program's own
    // files and the player's data both live beside the executable for now.
    const std::string programFolder = QCoreApplication::applicationDirPath().toStdString();
    const DataPaths paths(programFolder, programFolder);

    QtDialogs dialogs;
    QtPrinter printer;
    QtShell shell;
    SystemClock clock;
    SystemRandom random;
    QtHttpClient http;
    Platform platform {dialogs, printer, shell, clock, random, &http};

    MainSession session(paths);
    Context context {platform, paths, session};
    ConstraintSet constraints; // the computer suggestions' constraints, kept for the run
    Form1 form1(context);

    // Every window the main window opens, each handed the context.
    ChildWindows &children = form1.children();
    children.setFactory(ChildKind::Entry, [&] { return new Form5(context, constraints); });
    children.setFactory(ChildKind::EditEntry, [&] { return new editEntry(context); });
    children.setFactory(ChildKind::HistoryCheck, [&] { return new Form6(context); });
    children.setFactory(ChildKind::Filter, [&] { return new Form10(context); });
    children.setFactory(ChildKind::Optimiser, [&] { return new LinkProcess(context); });
    children.setFactory(ChildKind::Statistics, [&] { return new Form4(context); });
    children.setFactory(ChildKind::WheelCreate,
        [&] { return new wheel6(context, session.wheelGame(clock.today())); });
    children.setFactory(ChildKind::ImportTxt, [&] { return new Form30(context); });
    children.setFactory(ChildKind::FileDeletion, [&] { return new Form8(context); });
    children.setFactory(ChildKind::Downloader, [&] { return new RDL(context); });
    children.setFactory(ChildKind::TicketPrinting, [&] { return new PrintUKLotto(context); });
    children.setFactory(ChildKind::About, [&] { return new frmAbout(platform); });
    form1.setHelpHandler([&] { about::showHelp(shell, dialogs, paths.helpFile()); });

    form1.show();
    form1.start();
    return app.exec();
}
