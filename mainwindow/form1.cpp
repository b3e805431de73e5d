#include "mainwindow/form1.h"

#include "core/fileio.h"
#include "core/lines.h"
#include "core/results.h"
#include "mainwindow/artwork.h"
#include "mainwindow/entrylist.h"
#include "mainwindow/form11.h"
#include "mainwindow/form2.h"
#include "mainwindow/form3.h"
#include "mainwindow/mainrules.h"
#include "platform/damagecheck.h"
#include "platform/widgets.h"
#include "printing/printing.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDateEdit>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QToolButton>
#include <QWindow>

#include <algorithm>

namespace pickwise {

namespace {

QString text(const char *s)
{
    return QString::fromUtf8(s);
}

} // namespace

Form1::Form1(Context &context, QWidget *parent)
    : QMainWindow(parent), m_context(context), m_platform(context.platform),
      m_session(context.session), m_children(new ChildWindows(this))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(text(applicationTitle));
    setupUi(this, m_session);
    connectActions();
    // A window without a factory cannot be opened: its buttons stay disabled.
    m_children->openedBy(ChildKind::Entry, {Command4});
    m_children->openedBy(ChildKind::EditEntry, {Command6});
    m_children->openedBy(ChildKind::HistoryCheck, {Command12});
    m_children->openedBy(ChildKind::Filter, {mnufilter});
    m_children->openedBy(ChildKind::Optimiser, {mnulinkcreate});
    m_children->openedBy(ChildKind::Statistics, {mnustats, Image4});
    m_children->openedBy(ChildKind::WheelCreate, {mnuWheelCreate});
    m_children->openedBy(ChildKind::ImportTxt, {mnuImport});
    m_children->openedBy(ChildKind::FileDeletion, {mnuDelete});
    m_children->openedBy(ChildKind::Downloader, {mnuUpdateResults, Image5});
    m_children->openedBy(ChildKind::TicketPrinting, {mnuprinttickets, Image3});
    m_children->openedBy(ChildKind::About, {mnuAbout, Image8});
    m_children->openedBy(ChildKind::ResultsImport, {mnuImportResults});
    m_children->openedBy(ChildKind::SpentAndWon, {mnuSpentWon});
    mnuHelp->setEnabled(false);
    m_session.addObserver(this);
    // A damaged count is told and asked about before the file is read.
    m_session.setReview(
        [this](const std::string &path, RecordKind kind) { reviewFile(m_context, path, kind); });
}

Form1::~Form1()
{
    m_session.setReview({});
    m_session.removeObserver(this);
    delete m_children;
}

void Form1::connectActions()
{
    connect(DTPicker1, &QDateEdit::dateChanged, this, [this] { drawDateChange(); });
    connect(m_previousDraw, &QToolButton::clicked, this, [this] { stepDraw(-1); });
    connect(m_nextDraw, &QToolButton::clicked, this, [this] { stepDraw(1); });
    connect(DTPicker2, &QDateEdit::dateChanged, this, [this] { entriesDateChange(); });
    connect(Option2, &QRadioButton::clicked, this, [this] { entryTypeClick(); });

    connect(Command1, &QPushButton::clicked, this, [this] { addDraw(); });
    connect(Command2, &QPushButton::clicked, this, [this] { deleteDraw(); });
    connect(Command3, &QPushButton::clicked, this, [this] { datedEntry(); });
    connect(Command4, &QPushButton::clicked, this, [this] { addEntries(); });
    connect(Command6, &QPushButton::clicked, this, [this] { editEntry(); });
    connect(Command5, &QPushButton::clicked, this, [this] { deleteEntries(); });
    connect(Command14, &QPushButton::clicked, this, [this] { check(); });
    connect(Command12, &QPushButton::clicked, this, [this] { historyCheck(); });
    connect(Command9, &QPushButton::clicked, this, [this] { printList(List1); });
    connect(Command10, &QPushButton::clicked, this, [this] { printList(List2); });

    connect(Image5, &QToolButton::clicked, this, [this] { updateResults(); });
    connect(Image3, &QToolButton::clicked, this, [this] { printTickets(); });
    connect(Image1, &QToolButton::clicked, this, [this] { drawHistory(); });
    connect(Image4, &QToolButton::clicked, this, [this] { statistics(); });
    connect(Image8, &AnimatedPicture::clicked, this, [this] { about(); });

    connect(mnuUpdateResults, &QAction::triggered, this, [this] { updateResults(); });
    connect(mnuDelete, &QAction::triggered, this, [this] { fileDeletion(); });
    connect(mnuhistory, &QAction::triggered, this, [this] { drawHistory(); });
    connect(mnustats, &QAction::triggered, this, [this] { statistics(); });
    connect(mnufilter, &QAction::triggered, this, [this] { filterEntries(); });
    connect(mnuprinttickets, &QAction::triggered, this, [this] { printTickets(); });
    connect(mnuselprinter, &QAction::triggered, this, [this] { selectPrinter(); });
    connect(mnuImport, &QAction::triggered, this, [this] { importTxt(); });
    connect(mnuImportResults, &QAction::triggered, this, [this] { importResults(); });
    connect(mnuSpentWon, &QAction::triggered, this, [this] { spentAndWon(); });
    connect(mnuExit, &QAction::triggered, this, [this] { exitProgram(); });
    connect(mnuWheelCreate, &QAction::triggered, this, [this] { wheelCreate(); });
    for (size_t i = 0; i < wheelOpen.size(); ++i)
        connect(wheelOpen[i], &QAction::triggered, this,
            [this, i] { openWheel(static_cast<int>(i) + 1); });
    connect(mnuSaveStand, &QAction::triggered, this, [this] { saveStanding(); });
    connect(mnuStandOpen, &QAction::triggered, this, [this] { openStanding(); });
    connect(mnulinkcreate, &QAction::triggered, this, [this] { optimiser(); });
    connect(mnuHelp, &QAction::triggered, this, [this] { help(); });
    connect(mnuAbout, &QAction::triggered, this, [this] { about(); });
}

// ---- start-up and the refresh routines ----

void Form1::start()
{
    const QDate today = toQDate(m_platform.clock.today());
    {
        // The lookups run once below, not once per picker.
        const QSignalBlocker block1(DTPicker1);
        const QSignalBlocker block2(DTPicker2);
        DTPicker1->setDate(today);
        DTPicker2->setDate(today);
    }
    m_context.printerok
        = loadprinter(m_platform.printer, readSavedPrinter(m_context.paths.savedPrinter()));
    Command9->setEnabled(m_context.printerok);
    Command10->setEnabled(m_context.printerok);
    Option2->setChecked(true);
    entryTypeClick();
}

void Form1::entryTypeClick()
{
    m_session.dropemptyfile();
    m_session.clearshown();
    Command3->hide();
    DTPicker2->show();
    Frame5->setTitle(QStringLiteral("My Enties for Lotto"));
    Frame6->setTitle(QStringLiteral("Winning Lines for Lotto"));
    entriesDateChange();
    drawDateChange();
    if (m_session.listedCount() != 0 && m_session.drawShown())
        check();
}

void Form1::drawDateChange()
{
    const MainSession::DrawLookup lookup = m_session.lookUpDraw(toDate(DTPicker1->date()),
        toDate(DTPicker1->minimumDate()), toDate(DTPicker1->maximumDate()));
    showDrawSteps(lookup.near);
    // Bad draws are told, not shown silently, unless the user already chose
    // to leave the file as it is.
    if (!told(lookup.error))
        told(!m_context.damage.declined(m_context.paths.results()), lookup.damaged);
}

void Form1::showDrawSteps(const mainrules::DrawNeighbours &near)
{
    m_previousDraw->setEnabled(near.hasPrevious);
    m_nextDraw->setEnabled(near.hasNext);
}

void Form1::stepDraw(int step)
{
    // Read afresh: the buttons may be older than the file.
    const MainSession::DrawStep s = m_session.stepDraw(
        step, toDate(DTPicker1->minimumDate()), toDate(DTPicker1->maximumDate()));
    if (told(s.error))
        return;
    if (s.found)
        DTPicker1->setDate(toQDate(s.date));
    else
        showDrawSteps(s.near);
}

void Form1::entriesDateChange()
{
    // Listing a dated file always means the dated view: no "Dated Entry"
    // button and no wheel, whatever was listed before.
    Command3->hide();
    DTPicker2->show();
    told(m_session.listDated(toDate(DTPicker2->date())));
}

void Form1::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_watchingScreen && windowHandle()) {
        m_watchingScreen = true;
        connect(windowHandle(), &QWindow::screenChanged, this, [this] { redrawPictures(); });
    }
}

bool Form1::told(bool when, const std::string &message)
{
    if (when && !message.empty())
        m_platform.dialogs.message(message);
    return when && !message.empty();
}

bool Form1::agreed(const std::string &question)
{
    return question.empty() || m_platform.dialogs.askYesNo(question);
}

std::vector<bool> Form1::selectedLines() const
{
    const int n = std::min(m_session.listedCount(), List1->count());
    std::vector<bool> selected = List1->selectedLines();
    selected.resize(static_cast<size_t>(std::max(n, 0)));
    return selected;
}

// ---- check ----

void Form1::check()
{
    told(m_session.check());
}

// ---- draws ----

void Form1::addDraw()
{
    if (told(m_session.drawShown(), mainmsg::drawExists)
        || !mayWrite(m_context, m_context.paths.results(), RecordKind::Results)
        || !agreed(isWednesdayOrSaturday(m_session.drawDate()) ? "" : mainmsg::notDrawDay))
        return;
    m_children->open(new Form2(m_context));
}

void Form1::deleteDraw()
{
    if (told(!m_session.drawShown(), mainmsg::noDrawToDelete))
        return;
    // Balls shown that were not looked up (a draw just added) are looked up now.
    if (m_session.drawpos() == 0)
        drawDateChange();
    if (told(m_session.drawpos() == 0, mainmsg::noDrawToDelete)
        || !mayWrite(m_context, m_context.paths.results(), RecordKind::Results)
        || !m_platform.dialogs.askYesNo(mainmsg::reallyDeleteDraw, pickwiseTitle))
        return;
    told(m_session.deleteDraw());
}

// ---- entry list actions ----

void Form1::datedEntry()
{
    // Back to the dated entries: the entries date change hides this button,
    // shows the entries date and forgets the wheel.
    entriesDateChange();
}

void Form1::addEntries()
{
    if (!mayWrite(m_context, m_session.entryfile(), RecordKind::Entries))
        return;
    const MainSession::EntryWindow opening = m_session.entryWindow();
    if (!agreed(opening.question))
        return;
    m_session.addmode = true;
    m_children->open(ChildKind::Entry, qs(opening.caption));
}

void Form1::editEntry()
{
    if (told(m_session.listedCount() == 0, mainmsg::nothingToEdit)
        || !mayWrite(m_context, m_session.entryfile(), RecordKind::Entries)
        || !agreed(m_session.kind() == EntryFileKind::Wheel ? mainmsg::editWheel : "")
        || told(m_session.chooseEdit(selectedLines())))
        return;
    m_children->open(ChildKind::EditEntry);
}

void Form1::deleteEntries()
{
    if (told(m_session.listedCount() <= 0, mainmsg::nothingToDelete)
        || !mayWrite(m_context, m_session.entryfile(), RecordKind::Entries)
        || !agreed(m_session.kind() == EntryFileKind::Wheel ? mainmsg::modifyWheel : ""))
        return;
    const std::vector<bool> selected = selectedLines();
    const int count = static_cast<int>(std::count(selected.begin(), selected.end(), true));
    if (told(count == 0, mainmsg::noneToDelete) || !agreed(mainrules::deleteQuestion(count)))
        return;
    if (!told(m_session.deleteEntries(selected)))
        told(m_session.listedCount() == 0, mainmsg::done);
}

void Form1::printList(QListWidget *list)
{
    const Date draw = m_session.drawDate();
    const std::string what = list == List1
        ? "entries " + QFileInfo(qs(m_session.entryfile())).completeBaseName().toStdString()
        : "winning lines " + twoDigitText(draw.day) + monthabbrev(draw.month)
            + std::to_string(draw.year);
    printlist(
        listLines(list), documentName(what, m_platform.clock), printOutputOf(m_context));
}

void Form1::historyCheck()
{
    if (!told(m_session.listedCount() < 1, mainmsg::nothingForHistory)
        && !told(results::drawCount(m_context.paths.results()) == 0, mainmsg::noResultsForHistory))
        m_children->open(ChildKind::HistoryCheck);
}

void Form1::saveStanding()
{
    const std::string standing = m_context.paths.standingEntries();
    if (told(m_session.kind() == EntryFileKind::Standing, mainmsg::standingAlready)
        || told(m_session.listedCount() < 1, mainmsg::nothingToStand)
        || !mayWrite(m_context, standing, RecordKind::Entries)
        || !agreed(fileExists(standing) ? mainmsg::overwriteStanding : ""))
        return;
    const std::string error = m_session.copyToStanding();
    m_platform.dialogs.message(error.empty() ? mainmsg::standingSaved : error);
}

void Form1::openStanding()
{
    const MainSession::Opened opened = m_session.listStanding();
    told(opened.message);
    if (opened.listed)
        Command3->show();
}

void Form1::filterEntries()
{
    if (!mayWrite(m_context, m_session.entryfile(), RecordKind::Entries)
        || !agreed(m_session.kind() == EntryFileKind::Wheel ? mainmsg::filterWheel : "")
        || told(m_session.listedCount() == 0, mainmsg::nothingToFilter))
        return;
    m_children->open(ChildKind::Filter, {}, [this] { reopenCurrentFile(); });
}

void Form1::reopenCurrentFile()
{
    switch (m_session.kind()) {
    case EntryFileKind::Wheel:
        if (m_session.wheelno() >= 1 && m_session.wheelno() <= 10)
            openWheel(m_session.wheelno());
        else
            open6wheel(m_session.entryfile());
        break;
    case EntryFileKind::Standing:
        openStanding();
        break;
    case EntryFileKind::Dated:
        entriesDateChange();
        break;
    }
}

void Form1::printTickets()
{
    if (!told(m_session.listedCount() == 0, mainmsg::nothingForTickets))
        m_children->open(ChildKind::TicketPrinting);
}

// ---- wheels ----

bool Form1::shownWheel(const MainSession::Opened &opened)
{
    told(opened.message);
    if (opened.listed) {
        Command3->show();
        DTPicker2->hide();
    }
    return opened.listed;
}

void Form1::openWheel(int wheelno)
{
    shownWheel(m_session.openWheel(wheelno));
}

bool Form1::open6wheel(const std::string &filetobeopened)
{
    return shownWheel(m_session.open6wheel(filetobeopened));
}

void Form1::wheelCreate()
{
    if (!m_children->has(ChildKind::WheelCreate))
        return;
    m_session.dropemptyfile();
    m_children->open(ChildKind::WheelCreate);
}

// ---- other windows ----

void Form1::drawHistory()
{
    m_children->open(new Form3(m_context), QStringLiteral("Draw Results for Lotto"),
        [this] { drawDateChange(); });
}

void Form1::selectPrinter()
{
    m_children->open(new Form11(m_context), {}, [this] {
        // A printer chosen at last: both "Print" buttons print now.
        if (m_context.printerok) {
            Command9->setEnabled(true);
            Command10->setEnabled(true);
        }
    });
}

void Form1::updateResults()
{
    m_children->open(ChildKind::Downloader, {}, [this] { drawDateChange(); });
}

void Form1::fileDeletion()
{
    m_children->open(ChildKind::FileDeletion);
}

void Form1::importTxt()
{
    m_session.importwrote = false;
    m_children->open(ChildKind::ImportTxt, {}, [this] {
        if (m_session.importwrote)
            entriesDateChange();
    });
}

void Form1::importResults()
{
    // Draws may have been added: the shown date's draw is looked up again.
    m_children->open(ChildKind::ResultsImport, {}, [this] { drawDateChange(); });
}

void Form1::spentAndWon()
{
    m_children->open(ChildKind::SpentAndWon);
}

void Form1::optimiser()
{
    // The main window stays usable meanwhile, so a second request brings the
    // open optimiser forward instead of opening another.
    if (m_children->bringForward(ChildKind::Optimiser))
        return;
    m_session.optimiserwroteshown = false;
    m_children->openBeside(ChildKind::Optimiser, {}, [this] {
        if (m_session.optimiserwroteshown)
            entriesDateChange();
    });
}

void Form1::statistics()
{
    m_children->open(ChildKind::Statistics, QStringLiteral("Draw Statistics for Lotto"));
}

void Form1::about()
{
    if (!m_children->bringForward(ChildKind::About, text(pickwiseTitle)))
        m_children->openBeside(ChildKind::About, text(pickwiseTitle));
}

void Form1::help()
{
    if (m_help)
        m_help();
}

void Form1::setHelpHandler(std::function<void()> handler)
{
    m_help = std::move(handler);
    mnuHelp->setEnabled(static_cast<bool>(m_help));
}

// ---- exit ----

void Form1::exitProgram()
{
    close();
}

void Form1::closeEvent(QCloseEvent *event)
{
    if (!m_exiting) {
        m_exiting = true;
        m_session.dropemptyfile();
        m_children->closeAll();
        QCoreApplication::quit();
    }
    event->accept();
}

} // namespace pickwise
