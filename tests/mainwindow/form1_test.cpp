#include "tests/support/mainwindow.h"

#include "core/entryfiles.h"

#include <QElapsedTimer>
#include <QToolButton>

#include <tuple>
#include <unistd.h>

using namespace pickwise;
using namespace pickwise::testing;

namespace {

const Date today {2015, 12, 5}; // a Saturday of the 6 of 49 game
const Draw todaysDraw {3, 9, 14, 27, 33, 41, 7};

// The history ends with today's draw, so it appends after three 2003 draws.
std::vector<BallRecord> historyWithToday()
{
    auto draws = makeHistory(3, {2003, 1, 4});
    draws[0].count = 4;
    draws.push_back(drawRecord(0, 4, today, todaysDraw));
    return draws;
}

const std::vector<Entry> fourEntries {
    {3, 9, 14, 27, 33, 7}, // five main numbers and the bonus ball
    {1, 2, 4, 5, 6, 8}, {3, 9, 14, 27, 33, 45}, // five main numbers
    {3, 9, 7, 10, 11, 12}, // two and the bonus ball: no win
};

const std::vector<Entry> fiveEntries {{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12},
    {13, 14, 15, 16, 17, 18}, {19, 20, 21, 22, 23, 24}, {25, 26, 27, 28, 29, 30}};

// Does to the main window what the entry window does as it closes.
class EntryWindowStandIn : public ChildWindow
{
public:
    explicit EntryWindowStandIn(MainSession &session) : m_session(session)
    {
        setObjectName(QStringLiteral("Form5"));
    }

protected:
    bool aboutToClose() override
    {
        m_session.clearWins();
        return true;
    }

private:
    MainSession &m_session;
};

const char *const modifyWheel = "Modifying a wheel entry can change the guarantee of the wheel. "
                                "Are you sure you want to continue?";

} // namespace

class Form1Test : public QObject
{
    Q_OBJECT

private slots:
    void startupChecksAndFollowsTheDrawDate();
    void drawStepsJumpOverDaysWithoutADraw();
    void checkMessages();
    void deleteTheOnlyDrawDeletesTheFile();
    void deleteEntries();
    void entryActionPreconditions();
    void standingEntrySaveAndOpen();
    void wheelEntryFiles();
    void controlsOfUnregisteredWindowsAreDisabled();
    void entryWindowCaptions();
    void refreshesAfterWindowsClose();
    void startupWithoutEntriesAndExit();
    void startupWithLargeFilesIsQuick();
};

void Form1Test::startupChecksAndFollowsTheDrawDate()
{
    MainWindow rig(today);
    writeHistory(rig.file("sa.rtl"), historyWithToday());
    writeEntries(rig.todayFile(), fourEntries);
    rig.start();

    QCOMPARE(rig.session.winballs(), todaysDraw);
    QCOMPARE(rig.session.drawpos(), int16_t(4));
    QCOMPARE(rig.session.entryfile(), rig.todayFile());
    QCOMPARE(rig.box("Text2"), QStringLiteral("4"));
    QVERIFY(rig.hidden("Command3"));
    QVERIFY(
        rig.find<QLineEdit>("Text2")->isReadOnly() && rig.find<QLineEdit>("Text3")->isReadOnly());

    // Entries and a draw shown: the start-up has already checked them.
    const QStringList winners {"03 09 14 27 33 07 (5+B)", "03 09 14 27 33 45 (5)"};
    QCOMPARE(rig.lines("List2"), winners);
    QCOMPARE(rig.box("Text3"), QStringLiteral(" 2"));

    // Check again with the losers selected: the old lines go first and only
    // the winners end highlighted.
    rig.select({1, 3});
    rig.click("Command14");
    QCOMPARE(rig.lines("List1"),
        QStringList(
            {"03 09 14 27 33 07", "01 02 04 05 06 08", "03 09 14 27 33 45", "03 09 07 10 11 12"}));
    QCOMPARE(rig.lines("List2"), winners);
    QCOMPARE(rig.selectedRows(), QList<int>({0, 2}));
    QCOMPARE(rig.box("Text3"), QStringLiteral(" 2"));
    QVERIFY(rig.dialogs.shown.empty());

    // The entry window clears the winning lines as it closes: the highlight of
    // the winners goes with them.
    rig.form->children().setFactory(
        ChildKind::Entry, [&rig] { return new EntryWindowStandIn(rig.session); });
    rig.click("Command4");
    MainWindow::window("Form5")->close();
    QVERIFY(rig.lines("List2").isEmpty());
    QCOMPARE(rig.selectedRows(), QList<int>());

    // A draw date without a draw hides the balls; an earlier draw shows again.
    rig.setDate("DTPicker1", 2015, 12, 9);
    QVERIFY(!rig.ballsShown());
    QCOMPARE(rig.session.drawpos(), int16_t(0));
    QVERIFY(rig.lines("List2").isEmpty());
    rig.setDate("DTPicker1", 2003, 1, 8);
    QVERIFY(rig.ballsShown());
    QCOMPARE(rig.session.drawpos(), int16_t(2));
    QCOMPARE(rig.session.winballs(), makeHistory(3)[1].ball);
}

void Form1Test::drawStepsJumpOverDaysWithoutADraw()
{
    MainWindow rig(today);
    writeHistory(rig.file("sa.rtl"), historyWithToday()); // 4, 8, 11 January 2003, today
    rig.start();
    auto *previous = rig.find<QToolButton>("previousDraw");
    auto *next = rig.find<QToolButton>("nextDraw");
    const auto shown = [&] {
        return std::make_tuple(
            rig.session.drawDate(), rig.ballsShown(), previous->isEnabled(), next->isEnabled());
    };
    using Shown = std::tuple<Date, bool, bool, bool>;
    QCOMPARE(shown(), Shown(today, true, true, false));

    previous->click(); // back over almost 13 years without a draw
    QCOMPARE(shown(), Shown(Date {2003, 1, 11}, true, true, true));
    QCOMPARE(rig.session.winballs(), makeHistory(3)[2].ball);
    previous->click();
    previous->click();
    QCOMPARE(shown(), Shown(Date {2003, 1, 4}, true, false, true));
    QCOMPARE(rig.session.drawpos(), int16_t(1));

    rig.setDate("DTPicker1", 2003, 1, 9);
    QCOMPARE(shown(), Shown(Date {2003, 1, 9}, false, true, true));
    next->click();
    QCOMPARE(shown(), Shown(Date {2003, 1, 11}, true, true, true));
    next->click();
    QCOMPARE(shown(), Shown(today, true, true, false));
    QVERIFY(rig.dialogs.shown.empty());
}

void Form1Test::checkMessages()
{
    const struct
    {
        bool draw, entries;
        const char *message, *wins;
    } cases[] = {
        {true, false, "You do not have any entries listed to check!", "0"},
        {false, true, "You do not have any draw result listed to check against!", "0"},
        {true, true, "No wins this time!", " 0"},
    };
    for (const auto &c : cases) {
        MainWindow rig(today);
        if (c.draw)
            writeHistory(rig.file("sa.rtl"), historyWithToday());
        if (c.entries)
            writeEntries(rig.todayFile(), {{1, 2, 4, 5, 6, 8}, {10, 11, 12, 13, 15, 16}});
        rig.start();
        rig.dialogs.clear();
        rig.click("Command14");
        QCOMPARE(rig.said(), Texts({c.message}));
        QCOMPARE(rig.box("Text3"), QString(c.wins));
        QVERIFY(rig.lines("List2").isEmpty());
    }
}

void Form1Test::deleteTheOnlyDrawDeletesTheFile()
{
    MainWindow rig(today);
    writeHistory(rig.file("sa.rtl"), {drawRecord(1, 1, today, todaysDraw)});
    rig.start();

    rig.dialogs.answer(false);
    rig.click("Command2");
    QVERIFY(exists(rig.file("sa.rtl")));
    QVERIFY(rig.ballsShown());

    rig.click("Command2");
    QCOMPARE(rig.dialogs.shown.back().text, std::string("Do you really want to delete this draw?"));
    QCOMPARE(rig.dialogs.shown.back().title, std::string("Pickwise"));
    QVERIFY(!exists(rig.file("sa.rtl")));
    QVERIFY(!rig.ballsShown());
    QCOMPARE(rig.session.drawpos(), int16_t(0));

    rig.dialogs.clear();
    rig.click("Command2");
    QCOMPARE(rig.said(), Texts({"There is no draw displayed to delete"}));
}

void Form1Test::deleteEntries()
{
    // All deleted ends with "Done"; some left ends silently.
    const struct
    {
        QList<int> rows;
        const char *question;
        QStringList left;
    } cases[] = {
        {{1, 2, 4}, "Are you sure you want to delete the 3 selected entries?",
            {"01 02 03 04 05 06", "19 20 21 22 23 24"}},
        {{0, 1, 2, 3, 4}, "Are you sure you want to delete the 5 selected entries?", {}},
    };
    for (const auto &c : cases) {
        MainWindow rig(today);
        writeEntries(rig.todayFile(), fiveEntries);
        rig.start();
        rig.select(c.rows);
        rig.click("Command5");

        Texts expected {c.question};
        if (c.left.isEmpty())
            expected.push_back("Done");
        QCOMPARE(rig.said(), expected);
        QCOMPARE(rig.lines("List1"), c.left);
        QCOMPARE(rig.box("Text2"), QString::number(c.left.size()));
        std::vector<Entry> stored;
        entryfiles::list(rig.todayFile(), stored);
        QStringList storedLines;
        for (const Entry &e : stored)
            storedLines << QString::fromStdString(entryLineText(e));
        QCOMPARE(storedLines, c.left);
    }

    // In a long list scrolled down, the line at the top stays at the top.
    MainWindow rig(today);
    std::vector<Entry> many;
    for (int16_t i = 0; i < 400; ++i)
        many.push_back({int16_t(1 + i % 40), int16_t(41 + i / 40), 0, 0, 0, 0});
    writeEntries(rig.todayFile(), many);
    rig.start();
    rig.form->show();
    QListWidget *list = rig.list("List1");
    list->scrollToItem(list->item(300), QAbstractItemView::PositionAtTop);
    QCoreApplication::processEvents();
    const QString topLine = list->itemAt(0, 0)->text();
    rig.select({5, 250, 350});
    rig.click("Command5");
    QCoreApplication::processEvents();
    QCOMPARE(list->count(), 397);
    QCOMPARE(list->itemAt(0, 0)->text(), topLine);
    QVERIFY(rig.selectedRows().isEmpty());
}

void Form1Test::entryActionPreconditions()
{
    MainWindow rig(today);
    int made = 0;
    rig.stub(ChildKind::EditEntry, "editEntry", &made);
    rig.stub(ChildKind::HistoryCheck, "Form6", &made);
    rig.stub(ChildKind::TicketPrinting, "PrintUKLotto", &made);
    rig.start();
    rig.click("Command5");
    rig.click("Command6");
    rig.click("Command12");
    rig.trigger("mnuprinttickets");
    QCOMPARE(rig.said(),
        Texts({"There are no entries to delete", "There are no entries displayed to edit.",
            "You do not have any entries listed to check against the draw history!",
            "You do not have any entries listed for ticket printing"}));

    writeEntries(rig.todayFile(), fiveEntries);
    rig.form->entriesDateChange();
    rig.dialogs.clear();
    rig.click("Command5");
    rig.click("Command6");
    rig.select({0, 3});
    rig.click("Command6");
    rig.click("Command12");
    QCOMPARE(rig.said(),
        Texts({"You have not selected any entries for deletion.",
            "You have not selected an entry to edit.",
            "You have more than one entry selected. You must only select one entry at a time for "
            "editing.",
            "There are no results in the results file - you cannot do a history check!"}));
    QCOMPARE(made, 0);

    // Delete answered No keeps the file and the list.
    rig.select({1});
    rig.dialogs.answer(false);
    const auto before = readBytes(rig.todayFile());
    rig.click("Command5");
    QCOMPARE(
        rig.dialogs.lastText(), std::string("Are you sure you want to delete the selected entry?"));
    QCOMPARE(readBytes(rig.todayFile()), before);
    QCOMPARE(rig.list("List1")->count(), 5);

    // Each window opens with the main window disabled until it closes.
    const auto closes = [&](const char *name) {
        QVERIFY2(MainWindow::window(name) && !rig.form->isEnabled(), name);
        MainWindow::window(name)->close();
        QVERIFY(rig.form->isEnabled());
    };
    rig.click("Command6");
    QCOMPARE(rig.session.editpos, int16_t(2));
    closes("editEntry");
    writeHistory(rig.file("sa.rtl"), makeHistory(2));
    rig.click("Command12");
    closes("Form6");
    rig.trigger("mnuprinttickets");
    closes("PrintUKLotto");
    QCOMPARE(made, 3);
}

void Form1Test::standingEntrySaveAndOpen()
{
    MainWindow rig(today);
    writeEntries(rig.todayFile(), fiveEntries);
    rig.start();
    const auto dated = readBytes(rig.todayFile());
    const QStringList datedLines = rig.lines("List1");

    // Nothing to open yet: the dated entries stay listed.
    rig.trigger("mnuStandOpen");
    QCOMPARE(rig.said(), Texts({"You do not have a standing entry for this game!"}));
    QCOMPARE(rig.session.entryfile(), rig.todayFile());
    QCOMPARE(rig.list("List1")->count(), 5);

    // None yet: copied without a question.
    rig.dialogs.clear();
    rig.trigger("mnuSaveStand");
    QCOMPARE(rig.said(), Texts({"Done!"}));
    QCOMPARE(readBytes(rig.file("StandLT.lot")), dated);

    // One exists: No keeps it, Yes replaces it.
    writeEntries(rig.file("StandLT.lot"), {{1, 2, 3, 4, 5, 7}});
    const auto old = readBytes(rig.file("StandLT.lot"));
    rig.dialogs.clear();
    rig.dialogs.answer(false);
    rig.trigger("mnuSaveStand");
    QCOMPARE(rig.said(),
        Texts({"You already have a standing for this game. Only one standing entry is allowed per "
               "game. Do you want to continue and overwrite your existing file?"}));
    QCOMPARE(readBytes(rig.file("StandLT.lot")), old);
    rig.trigger("mnuSaveStand");
    QCOMPARE(rig.dialogs.lastText(), std::string("Done!"));
    QCOMPARE(readBytes(rig.file("StandLT.lot")), dated);

    // Open it: the same lines, "Dated Entry" offered; saving it again is done.
    rig.list("List1")->clear();
    rig.trigger("mnuStandOpen");
    QCOMPARE(rig.session.entryfile(), rig.file("StandLT.lot"));
    QCOMPARE(rig.lines("List1"), datedLines);
    QCOMPARE(rig.box("Text2"), QStringLiteral("5"));
    QVERIFY(!rig.hidden("Command3"));
    rig.trigger("mnuSaveStand");
    QCOMPARE(rig.dialogs.lastText(), std::string("Done."));

    rig.click("Command3");
    QCOMPARE(rig.session.entryfile(), rig.todayFile());
    QVERIFY(rig.hidden("Command3"));
    QCOMPARE(rig.lines("List1"), datedLines);
}

void Form1Test::wheelEntryFiles()
{
    MainWindow rig(today);
    int made = 0;
    for (ChildKind kind : {ChildKind::Entry, ChildKind::EditEntry, ChildKind::Filter})
        rig.stub(kind, "child", &made);
    writeEntries(rig.todayFile(), fiveEntries);
    std::vector<Entry> wheel;
    for (int i = 0; i < 7; ++i)
        wheel.push_back({int16_t(1 + i), 10, 20, 30, 40, int16_t(41 + i)});
    writeEntries(rig.file("Lotto-6-6-5.lot"), wheel);
    rig.start();

    rig.trigger("mnu665");
    QCOMPARE(rig.session.wheelno(), int16_t(2));
    QCOMPARE(rig.session.entryfile(), rig.file("Lotto-6-6-5.lot"));
    QCOMPARE(rig.lines("List1").first(), QStringLiteral("01 10 20 30 40 41"));
    QCOMPARE(rig.box("Text2"), QStringLiteral("7"));
    QVERIFY(rig.hidden("DTPicker2"));
    QVERIFY(!rig.hidden("Command3"));

    // Never saved: the message, and the wheel on screen stays the listed one.
    rig.trigger("mnu666");
    QCOMPARE(rig.said(), Texts({"You have not yet created this 6 wheel for Lotto"}));
    QVERIFY(!exists(rig.file("Lotto-6-6-6.lot")));
    QCOMPARE(rig.session.entryfile(), rig.file("Lotto-6-6-5.lot"));
    QCOMPARE(rig.session.wheelno(), int16_t(2));

    // A wheel file that is there but cannot be read: its message, and the
    // wheel on screen, entryfile and wheelno all stay the listed one. (Reading
    // the process's own memory from its start fails, even for root.)
    QVERIFY(::symlink("/proc/self/mem", rig.file("Lotto-6-6-4.lot").c_str()) == 0);
    rig.dialogs.clear();
    rig.trigger("mnu664");
    QCOMPARE(rig.said().size(), size_t(1));
    QVERIFY2(rig.said()[0].rfind("This saved wheel could not be read, so nothing has changed.\n"
                                 "Cannot read \""
                     + rig.file("Lotto-6-6-4.lot"),
                 0)
            == 0,
        rig.said()[0].c_str());
    QCOMPARE(rig.session.entryfile(), rig.file("Lotto-6-6-5.lot"));
    QCOMPARE(rig.session.wheelno(), int16_t(2));
    QCOMPARE(rig.list("List1")->count(), 7);
    QCOMPARE(rig.box("Text2"), QStringLiteral("7"));

    // Every change to a wheel asks first; No changes nothing.
    rig.select({0});
    const auto before = readBytes(rig.file("Lotto-6-6-5.lot"));
    rig.dialogs.clear();
    for (int i = 0; i < 4; ++i)
        rig.dialogs.answer(false);
    rig.click("Command4");
    rig.click("Command6");
    rig.click("Command5");
    rig.trigger("mnufilter");
    QCOMPARE(rig.said(),
        Texts({modifyWheel,
            "Editing a wheel entry can change the guarantee of the wheel. Are you sure you want "
            "to continue?",
            modifyWheel,
            "If you filter a wheel, the guarantee will no longer apply. Are you sure you want to "
            "continue?"}));
    QCOMPARE(made, 0);
    QCOMPARE(readBytes(rig.file("Lotto-6-6-5.lot")), before);
    QCOMPARE(rig.list("List1")->count(), 7);
    // Yes to Add opens the entry window as "Wheel Entry".
    rig.click("Command4");
    QCOMPARE(made, 1);
    QCOMPARE(MainWindow::window("child")->windowTitle(), QStringLiteral("Wheel Entry"));
    MainWindow::window("child")->close();

    // An empty wheel file is dropped when another file is listed.
    writeBytes(rig.file("Lotto-6-3-3.lot"), {});
    rig.trigger("mnu633");
    QCOMPARE(rig.box("Text2"), QStringLiteral("0"));
    rig.click("Command3");
    QVERIFY(!exists(rig.file("Lotto-6-3-3.lot")));
    QCOMPARE(rig.session.wheelno(), int16_t(0));
    QVERIFY(!rig.hidden("DTPicker2"));
    QCOMPARE(rig.list("List1")->count(), 5);
}

void Form1Test::controlsOfUnregisteredWindowsAreDisabled()
{
    MainWindow rig(today);
    rig.start();
    for (const char *name :
        {"mnuUpdateResults", "mnuDelete", "mnustats", "mnufilter", "mnuprinttickets", "mnuImport",
            "mnuWheelCreate", "mnulinkcreate", "mnuHelp", "mnuAbout"})
        QVERIFY2(!rig.find<QAction>(name)->isEnabled(), name);
    for (const char *name :
        {"Command4", "Command6", "Command12", "Image5", "Image3", "Image4", "Image8"})
        QVERIFY2(!rig.find<QWidget>(name)->isEnabled(), name);
    // The windows built here need no registration.
    for (const char *name : {"mnuhistory", "mnuselprinter", "mnuSaveStand", "mnu666", "mnuExit"})
        QVERIFY2(rig.find<QAction>(name)->isEnabled(), name);

    rig.stub(ChildKind::Statistics, "Form4");
    int helped = 0;
    rig.form->setHelpHandler([&] { ++helped; });
    rig.trigger("mnuHelp");
    QCOMPARE(helped, 1);
    // F1 asks for help as well.
    rig.form->show();
    rig.form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(rig.form.get()));
    QTest::keyClick(rig.list("List1"), Qt::Key_F1);
    QCOMPARE(helped, 2);
    rig.find<QToolButton>("Image4")->click();
    QCOMPARE(
        MainWindow::window("Form4")->windowTitle(), QStringLiteral("Draw Statistics for Lotto"));
    MainWindow::window("Form4")->close();
}

void Form1Test::entryWindowCaptions()
{
    MainWindow rig(today);
    rig.stub(ChildKind::Entry, "Form5");
    rig.start();

    rig.click("Command4"); // Saturday: no question
    QWidget *entry = MainWindow::window("Form5");
    QVERIFY(entry);
    QCOMPARE(entry->windowTitle(), QStringLiteral("Lotto Entries for  5 DEC 2015"));
    QVERIFY(rig.session.addmode);
    QVERIFY(rig.dialogs.shown.empty());
    QVERIFY(!rig.form->isEnabled());
    // The entry window adds its lines through the session while it is open.
    rig.session.appendListed({1, 2, 3, 4, 5, 6});
    entry->close();
    QVERIFY(rig.form->isEnabled());
    QCOMPARE(rig.lines("List1"), QStringList({"01 02 03 04 05 06"}));

    // Monday: the question; No opens nothing.
    rig.setDate("DTPicker2", 2015, 12, 7);
    rig.dialogs.answer(false);
    rig.click("Command4");
    QCOMPARE(
        rig.said(), Texts({"This is not a Wednesday or Saturday date, do you want to continue"}));
    QVERIFY(!MainWindow::window("Form5"));

    writeEntries(rig.file("StandLT.lot"), fiveEntries);
    rig.trigger("mnuStandOpen");
    rig.dialogs.clear();
    rig.click("Command4");
    QCOMPARE(MainWindow::window("Form5")->windowTitle(), QStringLiteral("Standing Entry"));
    QVERIFY(rig.dialogs.shown.empty());
    MainWindow::window("Form5")->close();
}

void Form1Test::refreshesAfterWindowsClose()
{
    MainWindow rig(today);
    rig.stub(ChildKind::Downloader, "RDL");
    rig.stub(ChildKind::ImportTxt, "Form30");
    rig.stub(ChildKind::Optimiser, "LinkProcess");
    rig.stub(ChildKind::Filter, "Form10");
    rig.start();
    rig.trigger("mnufilter");
    QCOMPARE(rig.said(), Texts({"You have no entries displayed to filter."}));
    QVERIFY(!MainWindow::window("Form10"));

    // The download replaces the history; closing the window shows the draw.
    rig.find<QToolButton>("Image5")->click();
    QVERIFY(!rig.form->isEnabled());
    writeHistory(rig.file("sa.rtl"), historyWithToday());
    MainWindow::window("RDL")->close();
    QVERIFY(rig.form->isEnabled());
    QVERIFY(rig.ballsShown());

    // The import relists only when it wrote the shown date's entries.
    rig.trigger("mnuImport");
    writeEntries(rig.todayFile(), fiveEntries);
    MainWindow::window("Form30")->close();
    QCOMPARE(rig.list("List1")->count(), 0);
    rig.trigger("mnuImport");
    rig.session.importwrote = true;
    MainWindow::window("Form30")->close();
    QCOMPARE(rig.list("List1")->count(), 5);

    // The optimiser likewise.
    writeEntries(rig.todayFile(), fourEntries);
    rig.trigger("mnulinkcreate");
    QVERIFY(!rig.session.optimiserwroteshown);
    rig.session.optimiserwroteshown = true;
    MainWindow::window("LinkProcess")->close();
    QCOMPARE(rig.list("List1")->count(), 4);

    // After a filter of the standing entry the standing entry is listed again.
    writeEntries(rig.file("StandLT.lot"), fiveEntries);
    rig.trigger("mnuStandOpen");
    rig.trigger("mnufilter");
    writeEntries(rig.file("StandLT.lot"), {{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}});
    MainWindow::window("Form10")->close();
    QCOMPARE(rig.session.entryfile(), rig.file("StandLT.lot"));
    QCOMPARE(rig.lines("List1"), QStringList({"01 02 03 04 05 06", "07 08 09 10 11 12"}));
    QVERIFY(!rig.hidden("Command3"));
}

void Form1Test::startupWithoutEntriesAndExit()
{
    MainWindow rig(today);
    int made = 0;
    rig.stub(ChildKind::About, "frmAbout", &made);
    rig.stub(ChildKind::Optimiser, "LinkProcess", &made);
    rig.stub(ChildKind::WheelCreate, "wheel6");
    rig.start();
    rig.form->show();
    QVERIFY(!rig.ballsShown());
    QCOMPARE(rig.box("Text2"), QStringLiteral("0"));
    QCOMPARE(rig.box("Text3"), QStringLiteral("0"));
    QVERIFY(exists(rig.todayFile()));
    QCOMPARE(readBytes(rig.todayFile()).size(), size_t(0));

    // The wheel window: the empty dated file is dropped first.
    rig.trigger("mnuWheelCreate");
    QVERIFY(!exists(rig.todayFile()));
    QCOMPARE(rig.session.wheelGame().maxball, 49);
    QVERIFY(!rig.form->isEnabled());
    MainWindow::window("wheel6")->close();
    QVERIFY(rig.form->isEnabled());

    // Another entries date: the empty file of the date being left goes.
    writeBytes(rig.todayFile(), {});
    rig.setDate("DTPicker2", 2015, 12, 9);
    QVERIFY(!exists(rig.todayFile()));
    QVERIFY(exists(rig.file("Lotto09DEC2015.lot")));

    // About and the optimiser leave the main window enabled, one of each at a time.
    rig.trigger("mnuAbout");
    QCOMPARE(MainWindow::window("frmAbout")->windowTitle(), QStringLiteral("Pickwise"));
    QTest::mouseClick(rig.find<QWidget>("Image8"), Qt::LeftButton);
    rig.trigger("mnulinkcreate");
    rig.trigger("mnulinkcreate");
    QCOMPARE(made, 2);
    QVERIFY(rig.form->isEnabled());

    // Exit (the title bar's close too): every window closes, the empty file goes.
    rig.trigger("mnuExit");
    QVERIFY(!MainWindow::window("frmAbout"));
    QVERIFY(!MainWindow::window("LinkProcess"));
    QVERIFY(!rig.form->isVisible());
    QVERIFY(!exists(rig.file("Lotto09DEC2015.lot")));
}

void Form1Test::startupWithLargeFilesIsQuick()
{
    // A full file, 32767 draws from 4 January 1975. They run on past 2 August
    // 2017: no start puts them all before it while the shown day, the 3001st
    // draw, lies within the date pickers' 1950..2050. That day, 4 October
    // 2003, is today here, in the 6 of 49 game's time.
    auto draws = makeHistory(32767, {1975, 1, 4});
    const BallRecord &shown = draws[3000];
    MainWindow rig({shown.year, shown.month, shown.day});
    writeHistory(rig.file("sa.rtl"), draws);
    std::vector<Entry> entries;
    for (int i = 0; i < 2500; ++i)
        entries.push_back({int16_t(1 + i % 40), 42, 43, 44, 45, 46});
    writeEntries(rig.file(datedEntryFileName(shown.day, shown.month, shown.year)), entries);

    QElapsedTimer timer;
    timer.start();
    rig.start();
    const qint64 elapsed = timer.elapsed();
    QCOMPARE(rig.session.drawpos(), int16_t(3001));
    QCOMPARE(rig.list("List1")->count(), 2500);
    QVERIFY2(elapsed < 2000, qPrintable(QStringLiteral("start-up took %1 ms").arg(elapsed)));
}

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
