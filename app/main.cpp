#include "about/aboutrules.h"
#include "about/frmabout.h"
#include "core/datapaths.h"
#include "core/startfolders.h"
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
#include "fileops/resultsimportwindow.h"
#include "ledger/spentwon.h"
#include "mainwindow/form1.h"
#include "platform/context.h"
#include "platform/qtports.h"
#include "stats/form4.h"
#include "tickets/printuklotto.h"
#include "wheels/wheel6.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QStandardPaths>
#include <QTimer>

#include <cstdio>

using namespace pickwise;

namespace {

void reportFolders(const FolderDecision &folders)
{
    const DataPaths &paths = folders.paths;
    std::fprintf(stderr,
        "pickwise: folders: %s, program folder %s, data folder %s (%s)\n"
        "pickwise: wheels: %s\n"
        "pickwise: help: %s\n",
        folders.mode == FolderMode::Portable ? "portable" : "installed", paths.apppath().c_str(),
        paths.dataFolder().c_str(), folders.writable ? "writable" : "read-only",
        paths.wheelDefinition("").c_str(), paths.helpFile().c_str());
    for (const std::string &file : folders.seeded)
        std::fprintf(stderr, "pickwise: seeded: %s\n", file.c_str());
}

} // namespace

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

    // The user's data folder is <data home>/pickwise (~/.local/share/pickwise):
    // no organisation name, so none comes between.
    QCoreApplication::setApplicationName(QStringLiteral("pickwise"));

    // Where the program's files are, decided here once (core/startfolders.h):
    // portable beside the executable, or installed with the user's own data
    // folder.
    const QString executableFolder = QCoreApplication::applicationDirPath();
    const FolderDecision folders = decideFolders(executableFolder.toStdString(),
        QDir::cleanPath(executableFolder + QStringLiteral("/" PICKWISE_SHARE_FROM_BIN))
            .toStdString(),
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString());
    const DataPaths &paths = folders.paths;

    QtDialogs dialogs;
    QtPrinter printer;
    QtShell shell;
    // PICKWISE_DIAGNOSTICS (README): the folders, every message and question
    // and every document handed to the desktop, on the standard error.
    const bool diagnostics = !qEnvironmentVariableIsEmpty("PICKWISE_DIAGNOSTICS");
    dialogs.setEcho(diagnostics);
    shell.setEcho(diagnostics);
    if (diagnostics)
        reportFolders(folders);
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
    children.setFactory(ChildKind::ResultsImport, [&] { return new ResultsImportWindow(context); });
    children.setFactory(ChildKind::SpentAndWon, [&] { return new SpentWonWindow(context); });
    form1.setHelpHandler([&] { about::showHelp(shell, dialogs, paths.helpFile()); });

    form1.show();
    // Told before anything the start-up may say about the files in it.
    if (!folders.message.empty())
        dialogs.message(folders.message);
    form1.start();
    if (diagnostics)
        QTimer::singleShot(0, [] { std::fprintf(stderr, "pickwise: started\n"); });
    return app.exec();
}
