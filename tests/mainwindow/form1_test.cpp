#include "rig.h"

#include "core/entryfiles.h"

#include <QElapsedTimer>
#include <QGroupBox>
#include <QSignalSpy>
#include <QToolButton>

using namespace pickwise;
using namespace pickwise::testing;

namespace {

const Date today {2026, 12, 5};
const Draw todaysDraw {3, 9, 14, 27, 33, 41, 7};

// The history ends with today's draw, so it appends after three 2003 draws.
std::vector<BallRecord> historyWithToday()
{
    auto draws = makeHistory(3);
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

} // namespace

class Form1Test : public QObject
{
    Q_OBJECT

private slots:
    void startupShowsTodaysDrawAndEntriesAndChecksThem();
    void checkHighlightsOnlyCurrentWinners();
    void checkMessages_data();
    void checkMessages();
    void startupWithoutEntriesCreatesAndExitDropsTodaysFile();
    void drawDateWithoutDrawHidesBalls();
    void addDrawRefusals();
    void deleteTheOnlyDrawDeletesTheFile();
    void deleteEntries_data();
    void deleteEntries();
    void deleteEntriesPreconditions();
    void editPreconditionsAndEditpos();
    void standingEntrySaveAndOpen();
    void openSavedAndNeverSavedWheels();
    void wheelQuestionsAnsweredNoChangeNothing();
    void controlsOfUnregisteredWindowsAreDisabled();
    void entryWindowCaptionsAndReenable();
    void refreshesAfterWindowsClose();
    void filterReopensTheStandingEntry();
    void aboutAndOptimiserKeepMainWindowEnabled();
    void wheelCreateSetsTheWheelValues();
    void exitClosesEveryWindow();
    void startupWithLargeFilesIsQuick();
};

void Form1Test::startupShowsTodaysDrawAndEntriesAndChecksThem()
{
    Rig rig;
    writeHistory(rig.file("sa.rtl"), historyWithToday());
    writeEntries(rig.todayFile(), fourEntries);
    rig.start();

    QCOMPARE(rig.form->windowTitle(), QStringLiteral("Pickwise South Africa"));
    QCOMPARE(rig.find<QDateEdit>("DTPicker1")->date(), QDate(2026, 12, 5));
    QCOMPARE(rig.find<QDateEdit>("DTPicker2")->date(), QDate(2026, 12, 5));
    QCOMPARE(rig.find<QGroupBox>("Frame5")->title(), QStringLiteral("My Enties for Lotto"));
    QCOMPARE(rig.find<QGroupBox>("Frame6")->title(), QStringLiteral("Winning Lines for Lotto"));
    QVERIFY(rig.ballsShown());
    QCOMPARE(rig.state.winballs, todaysDraw);
    QCOMPARE(rig.state.drawpos, int16_t(4));
    QCOMPARE(rig.state.entryfile, rig.todayFile());
    QCOMPARE(rig.box("Text2"), QStringLiteral("4"));
    QVERIFY(rig.find<QPushButton>("Command3")->isHidden());
    QVERIFY(rig.state.printerok);
    QCOMPARE(rig.printer.current, std::string("Office"));

    // Entries and a draw shown: the start-up has already checked them.
    const QStringList winners {
        QStringLiteral("03 09 14 27 33 07 (5+B)"), QStringLiteral("03 09 14 27 33 45 (5)")};
    QCOMPARE(rig.lines("List2"), winners);
    QCOMPARE(rig.box("Text3"), QStringLiteral(" 2"));
    QVERIFY(rig.dialogs.shown.empty());

    rig.click("Command14");
    QCOMPARE(rig.lines("List1"),
        QStringList(
            {"03 09 14 27 33 07", "01 02 04 05 06 08", "03 09 14 27 33 45", "03 09 07 10 11 12"}));
    QCOMPARE(rig.lines("List2"), winners);
    QCOMPARE(rig.selectedRows(), QList<int>({0, 2}));
    QCOMPARE(rig.box("Text3"), QStringLiteral(" 2"));
    QVERIFY(rig.dialogs.shown.empty());
}

void Form1Test::checkHighlightsOnlyCurrentWinners()
{
    Rig rig;
    writeHistory(rig.file("sa.rtl"), historyWithToday());
    writeEntries(rig.todayFile(), fourEntries);
    rig.start();
    rig.select({1, 3});
    rig.click("Command14");
    QCOMPARE(rig.selectedRows(), QList<int>({0, 2}));
    QCOMPARE(rig.list("List2")->count(), 2); // not four: the old lines went first
}

void Form1Test::checkMessages_data()
{
    QTest::addColumn<bool>("withDraw");
    QTest::addColumn<bool>("withEntries");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("wins");
    QTest::newRow("no entries") << true << false << "You do not have any entries listed to check!"
                                << "0";
    QTest::newRow("no draw") << false << true
                             << "You do not have any draw result listed to check against!"
                             << "0";
    QTest::newRow("no wins") << true << true << "No wins this time!"
                             << " 0";
}

void Form1Test::checkMessages()
{
    QFETCH(bool, withDraw);
    QFETCH(bool, withEntries);
    QFETCH(QString, message);
    QFETCH(QString, wins);
    Rig rig;
    if (withDraw)
        writeHistory(rig.file("sa.rtl"), historyWithToday());
    if (withEntries)
        writeEntries(rig.todayFile(), {{1, 2, 4, 5, 6, 8}, {10, 11, 12, 13, 15, 16}});
    rig.start();
    rig.dialogs.clear();
    rig.click("Command14");
    QCOMPARE(rig.dialogs.texts(), std::vector<std::string>({message.toStdString()}));
    QCOMPARE(rig.box("Text3"), wins);
    QVERIFY(rig.lines("List2").isEmpty());
}

void Form1Test::startupWithoutEntriesCreatesAndExitDropsTodaysFile()
{
    Rig rig;
    rig.start();
    QVERIFY(!rig.ballsShown());
    QCOMPARE(rig.state.drawpos, int16_t(0));
    QCOMPARE(rig.box("Text2"), QStringLiteral("0"));
    QCOMPARE(rig.box("Text3"), QStringLiteral("0"));
    QVERIFY(exists(rig.todayFile()));
    QCOMPARE(readBytes(rig.todayFile()).size(), size_t(0));

    // Another entries date: the empty file of the date being left goes.
    rig.find<QDateEdit>("DTPicker2")->setDate(QDate(2026, 12, 9));
    QVERIFY(!exists(rig.todayFile()));
    QVERIFY(exists(rig.file("Lotto09DEC2026.lot")));

    rig.trigger("mnuExit");
    QVERIFY(!exists(rig.file("Lotto09DEC2026.lot")));
    QVERIFY(!exists(rig.todayFile()));
}

void Form1Test::drawDateWithoutDrawHidesBalls()
{
    Rig rig;
    writeHistory(rig.file("sa.rtl"), historyWithToday());
    rig.start();
    QVERIFY(rig.ballsShown());
    rig.find<QDateEdit>("DTPicker1")->setDate(QDate(2026, 12, 9));
    QVERIFY(!rig.ballsShown());
    QCOMPARE(rig.state.drawpos, int16_t(0));
    rig.find<QDateEdit>("DTPicker1")->setDate(QDate(2003, 1, 8));
    QVERIFY(rig.ballsShown());
    QCOMPARE(rig.state.drawpos, int16_t(2));
    QCOMPARE(rig.state.winballs, makeHistory(3)[1].ball);
}

void Form1Test::addDrawRefusals()
{
    Rig rig;
    writeHistory(rig.file("sa.rtl"), historyWithToday());
    rig.start();
    const auto before = readBytes(rig.file("sa.rtl"));

    rig.click("Command1");
    QCOMPARE(rig.dialogs.lastText(),
        std::string("There is already a draw result for this date and game. Delete the draw "
                    "first if you want to change it."));
    QVERIFY(!Rig::window("Form2"));

    // Tuesday 1 December 2026, answered No.
    rig.find<QDateEdit>("DTPicker1")->setDate(QDate(2026, 12, 1));
    rig.dialogs.clear();
    rig.dialogs.answer(false);
    rig.click("Command1");
    QCOMPARE(rig.dialogs.shown.size(), size_t(1));
    QVERIFY(rig.dialogs.shown[0].question);
    QCOMPARE(rig.dialogs.shown[0].text,
        std::string("You are entering results for a day that is not Saturday or Wednesday. Are "
                    "you sure you want to continue?"));
    QVERIFY(!Rig::window("Form2"));
    QVERIFY(rig.form->isEnabled());
    QCOMPARE(readBytes(rig.file("sa.rtl")), before);
}

void Form1Test::deleteTheOnlyDrawDeletesTheFile()
{
    Rig rig;
    writeHistory(rig.file("sa.rtl"), {drawRecord(1, 1, today, todaysDraw)});
    rig.start();
    QVERIFY(rig.ballsShown());

    rig.dialogs.answer(false);
    rig.click("Command2");
    QVERIFY(exists(rig.file("sa.rtl")));
    QVERIFY(rig.ballsShown());

    rig.click("Command2");
    QCOMPARE(rig.dialogs.shown.back().text, std::string("Do you really want to delete this draw?"));
    QCOMPARE(rig.dialogs.shown.back().title, std::string("Pickwise"));
    QVERIFY(!exists(rig.file("sa.rtl")));
    QVERIFY(!rig.ballsShown());
    QCOMPARE(rig.state.drawpos, int16_t(0));

    rig.dialogs.clear();
    rig.click("Command2");
    QCOMPARE(
        rig.dialogs.texts(), std::vector<std::string>({"There is no draw displayed to delete"}));
}

void Form1Test::deleteEntries_data()
{
    QTest::addColumn<QList<int>>("rows");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QStringList>("left");
    QTest::addColumn<bool>("done");
    QTest::newRow("three of five")
        << QList<int>({1, 2, 4}) << "Are you sure you want to delete the 3 selected entries?"
        << QStringList({"01 02 03 04 05 06", "19 20 21 22 23 24"}) << false;
    QTest::newRow("one") << QList<int>({0}) << "Are you sure you want to delete the selected entry?"
                         << QStringList({"07 08 09 10 11 12", "13 14 15 16 17 18",
                                "19 20 21 22 23 24", "25 26 27 28 29 30"})
                         << false;
    QTest::newRow("all five") << QList<int>({0, 1, 2, 3, 4})
                              << "Are you sure you want to delete the 5 selected entries?"
                              << QStringList() << true;
}

void Form1Test::deleteEntries()
{
    QFETCH(QList<int>, rows);
    QFETCH(QString, question);
    QFETCH(QStringList, left);
    QFETCH(bool, done);
    Rig rig;
    writeEntries(rig.todayFile(), fiveEntries);
    rig.start();
    rig.select(rows);
    rig.click("Command5");

    std::vector<std::string> expected {question.toStdString()};
    if (done)
        expected.push_back("Done");
    QCOMPARE(rig.dialogs.texts(), expected);
    QCOMPARE(rig.lines("List1"), left);
    QCOMPARE(rig.box("Text2"), QString::number(left.size()));
    std::vector<Entry> stored;
    entryfiles::list(rig.todayFile(), stored);
    QCOMPARE(static_cast<int>(stored.size()), left.size());
    for (int i = 0; i < left.size(); ++i)
        QCOMPARE(QString::fromStdString(entryLineText(stored[static_cast<size_t>(i)])), left[i]);
}

void Form1Test::deleteEntriesPreconditions()
{
    Rig rig;
    rig.start();
    rig.click("Command5");
    QCOMPARE(rig.dialogs.lastText(), std::string("There are no entries to delete"));

    writeEntries(rig.todayFile(), fiveEntries);
    rig.form->entriesDateChange();
    rig.click("Command5");
    QCOMPARE(
        rig.dialogs.lastText(), std::string("You have not selected any entries for deletion."));

    rig.select({1});
    rig.dialogs.answer(false);
    const auto before = readBytes(rig.todayFile());
    rig.click("Command5");
    QCOMPARE(readBytes(rig.todayFile()), before);
    QCOMPARE(rig.list("List1")->count(), 5);
}

void Form1Test::editPreconditionsAndEditpos()
{
    Rig rig;
    int made = 0;
    rig.form->setChildFactory(ChildKind::EditEntry, [&] {
        ++made;
        return new StubChild("editEntry");
    });
    rig.start();
    rig.click("Command6");
    QCOMPARE(rig.dialogs.lastText(), std::string("There are no entries displayed to edit."));

    writeEntries(rig.todayFile(), fiveEntries);
    rig.form->entriesDateChange();
    rig.click("Command6");
    QCOMPARE(rig.dialogs.lastText(), std::string("You have not selected an entry to edit."));
    rig.select({0, 3});
    rig.click("Command6");
    QCOMPARE(rig.dialogs.lastText(),
        std::string("You have more than one entry selected. You must only select one entry at a "
                    "time for editing."));
    QCOMPARE(made, 0);

    rig.select({1});
    rig.click("Command6");
    QCOMPARE(made, 1);
    QCOMPARE(rig.state.editpos, int16_t(2));
    QVERIFY(!rig.form->isEnabled());
    Rig::window("editEntry")->close();
    QVERIFY(rig.form->isEnabled());
}

void Form1Test::standingEntrySaveAndOpen()
{
    Rig rig;
    writeEntries(rig.todayFile(), fiveEntries);
    rig.start();
    const auto dated = readBytes(rig.todayFile());

    // Nothing to open yet: the dated entries stay listed.
    rig.trigger("mnuStandOpen");
    QCOMPARE(rig.dialogs.texts(),
        std::vector<std::string>({"You do not have a standing entry for this game!"}));
    QCOMPARE(rig.state.entryfile, rig.todayFile());
    QCOMPARE(rig.list("List1")->count(), 5);
    QVERIFY(!exists(rig.file("StandLT.lot")));

    // None yet: copied without a question.
    rig.dialogs.clear();
    rig.trigger("mnuSaveStand");
    QCOMPARE(rig.dialogs.texts(), std::vector<std::string>({"Done!"}));
    QCOMPARE(readBytes(rig.file("StandLT.lot")), dated);

    // One exists: No keeps it, Yes replaces it.
    writeEntries(rig.file("StandLT.lot"), {{1, 2, 3, 4, 5, 7}});
    const auto old = readBytes(rig.file("StandLT.lot"));
    rig.dialogs.clear();
    rig.dialogs.answer(false);
    rig.trigger("mnuSaveStand");
    QCOMPARE(rig.dialogs.texts(),
        std::vector<std::string>({"You already have a standing for this game. Only one standing "
                                  "entry is allowed per game. Do you want to continue and "
                                  "overwrite your existing file?"}));
    QCOMPARE(readBytes(rig.file("StandLT.lot")), old);
    rig.dialogs.answer(true);
    rig.trigger("mnuSaveStand");
    QCOMPARE(rig.dialogs.lastText(), std::string("Done!"));
    QCOMPARE(readBytes(rig.file("StandLT.lot")), dated);

    // Open it: the same lines, "Dated Entry" offered.
    const QStringList datedLines = rig.lines("List1");
    rig.list("List1")->clear();
    rig.trigger("mnuStandOpen");
    QCOMPARE(rig.state.entryfile, rig.file("StandLT.lot"));
    QCOMPARE(rig.lines("List1"), datedLines);
    QCOMPARE(rig.box("Text2"), QStringLiteral("5"));
    QVERIFY(!rig.find<QPushButton>("Command3")->isHidden());

    rig.dialogs.clear();
    rig.trigger("mnuSaveStand");
    QCOMPARE(rig.dialogs.texts(), std::vector<std::string>({"Done."}));

    rig.click("Command3");
    QCOMPARE(rig.state.entryfile, rig.todayFile());
    QVERIFY(rig.find<QPushButton>("Command3")->isHidden());
    QCOMPARE(rig.lines("List1"), datedLines);
}

void Form1Test::openSavedAndNeverSavedWheels()
{
    Rig rig;
    writeEntries(rig.todayFile(), fiveEntries);
    std::vector<Entry> wheel;
    for (int i = 0; i < 7; ++i)
        wheel.push_back({int16_t(1 + i), 10, 20, 30, 40, int16_t(41 + i)});
    writeEntries(rig.file("Lotto-6-6-5.lot"), wheel);
    rig.start();

    rig.trigger("mnu665");
    QCOMPARE(rig.state.wheelno, int16_t(2));
    QCOMPARE(rig.state.entryfile, rig.file("Lotto-6-6-5.lot"));
    QCOMPARE(rig.list("List1")->count(), 7);
    QCOMPARE(rig.lines("List1").first(), QStringLiteral("01 10 20 30 40 41"));
    QCOMPARE(rig.box("Text2"), QStringLiteral("7"));
    QVERIFY(rig.find<QDateEdit>("DTPicker2")->isHidden());
    QVERIFY(!rig.find<QPushButton>("Command3")->isHidden());
    QVERIFY(rig.dialogs.shown.empty());

    // Never saved: the message, and the wheel on screen stays the listed one.
    rig.trigger("mnu666");
    QCOMPARE(rig.dialogs.texts(),
        std::vector<std::string>({"You have not yet created this 6 wheel for Lotto"}));
    QVERIFY(!exists(rig.file("Lotto-6-6-6.lot")));
    QCOMPARE(rig.list("List1")->count(), 7);
    QCOMPARE(rig.state.entryfile, rig.file("Lotto-6-6-5.lot"));
    QCOMPARE(rig.state.wheelno, int16_t(2));

    // An empty wheel file lists nothing and is dropped when another file is listed.
    writeBytes(rig.file("Lotto-6-3-3.lot"), {});
    rig.trigger("mnu633");
    QCOMPARE(rig.list("List1")->count(), 0);
    QCOMPARE(rig.box("Text2"), QStringLiteral("0"));
    rig.click("Command3");
    QVERIFY(!exists(rig.file("Lotto-6-3-3.lot")));
    QCOMPARE(rig.state.wheelno, int16_t(0));
    QVERIFY(!rig.find<QDateEdit>("DTPicker2")->isHidden());
    QCOMPARE(rig.list("List1")->count(), 5);

    // Never saved while a dated file is listed: nothing listed changes, no wheel.
    rig.trigger("mnu644");
    QCOMPARE(rig.state.wheelno, int16_t(0));
    QCOMPARE(rig.state.entryfile, rig.todayFile());
}

void Form1Test::wheelQuestionsAnsweredNoChangeNothing()
{
    Rig rig;
    int made = 0;
    for (ChildKind kind : {ChildKind::Entry, ChildKind::EditEntry, ChildKind::Filter})
        rig.form->setChildFactory(kind, [&] {
            ++made;
            return new StubChild("child");
        });
    writeEntries(rig.file("Lotto-6-5-4.lot"), fiveEntries);
    rig.start();
    rig.trigger("mnu654");
    rig.select({0});
    const auto before = readBytes(rig.file("Lotto-6-5-4.lot"));

    for (int i = 0; i < 4; ++i)
        rig.dialogs.answer(false);
    rig.click("Command4");
    rig.click("Command6");
    rig.click("Command5");
    rig.trigger("mnufilter");
    QCOMPARE(rig.dialogs.texts(),
        std::vector<std::string>({
            "Modifying a wheel entry can change the guarantee of the wheel. Are you sure you "
            "want to continue?",
            "Editing a wheel entry can change the guarantee of the wheel. Are you sure you want "
            "to continue?",
            "Modifying a wheel entry can change the guarantee of the wheel. Are you sure you "
            "want to continue?",
            "If you filter a wheel, the guarantee will no longer apply. Are you sure you want to "
            "continue?",
        }));
    QCOMPARE(made, 0);
    QCOMPARE(readBytes(rig.file("Lotto-6-5-4.lot")), before);
    QCOMPARE(rig.list("List1")->count(), 5);

    // Yes to Add opens the entry window as "Wheel Entry".
    rig.click("Command4");
    QCOMPARE(made, 1);
    QCOMPARE(Rig::window("child")->windowTitle(), QStringLiteral("Wheel Entry"));
}

void Form1Test::controlsOfUnregisteredWindowsAreDisabled()
{
    Rig rig;
    rig.start();
    for (const char *name :
        {"mnuUpdateResults", "mnuDelete", "mnustats", "mnufilter", "mnuprinttickets", "mnuImport",
            "mnuWheelCreate", "mnulinkcreate", "mnuHelp", "mnuAbout"})
        QVERIFY2(!rig.find<QAction>(name)->isEnabled(), name);
    for (const char *name : {"Command4", "Command6", "Command12"})
        QVERIFY2(!rig.find<QPushButton>(name)->isEnabled(), name);
    for (const char *name : {"Image5", "Image3", "Image4"})
        QVERIFY2(!rig.find<QToolButton>(name)->isEnabled(), name);
    QVERIFY(!rig.find<QWidget>("Image8")->isEnabled());
    // The windows built here need no registration.
    for (const char *name : {"mnuhistory", "mnuselprinter", "mnuSaveStand", "mnu666", "mnuExit"})
        QVERIFY2(rig.find<QAction>(name)->isEnabled(), name);

    rig.form->setChildFactory(ChildKind::Statistics, [] { return new StubChild("Form4"); });
    bool helped = false;
    rig.form->setHelpHandler([&] { helped = true; });
    QVERIFY(rig.find<QAction>("mnustats")->isEnabled());
    QVERIFY(rig.find<QToolButton>("Image4")->isEnabled());
    rig.trigger("mnuHelp");
    QVERIFY(helped);
    rig.find<QToolButton>("Image4")->click();
    QWidget *stats = Rig::window("Form4");
    QVERIFY(stats);
    QCOMPARE(stats->windowTitle(), QStringLiteral("Draw Statistics for Lotto"));
    QVERIFY(!rig.form->isEnabled());
    stats->close();
    QVERIFY(rig.form->isEnabled());
}

void Form1Test::entryWindowCaptionsAndReenable()
{
    Rig rig;
    rig.form->setChildFactory(ChildKind::Entry, [] { return new StubChild("Form5"); });
    rig.start();

    rig.click("Command4"); // Saturday: no question
    QWidget *entry = Rig::window("Form5");
    QVERIFY(entry);
    QCOMPARE(entry->windowTitle(), QStringLiteral("Lotto Entries for  5 DEC 2026"));
    QVERIFY(rig.state.addmode);
    QVERIFY(rig.dialogs.shown.empty());
    QVERIFY(!rig.form->isEnabled());
    // The entry window adds its lines through the link while it is open.
    rig.form->addentryline({1, 2, 3, 4, 5, 6});
    rig.form->setEntryCountText("1");
    entry->close();
    QVERIFY(rig.form->isEnabled());
    QCOMPARE(rig.lines("List1"), QStringList({"01 02 03 04 05 06"}));

    // Monday: the question; No opens nothing.
    rig.find<QDateEdit>("DTPicker2")->setDate(QDate(2026, 12, 7));
    rig.dialogs.answer(false);
    rig.click("Command4");
    QCOMPARE(rig.dialogs.lastText(),
        std::string("This is not a Wednesday or Saturday date, do you want to continue"));
    QVERIFY(!Rig::window("Form5"));

    writeEntries(rig.file("StandLT.lot"), fiveEntries);
    rig.trigger("mnuStandOpen");
    rig.dialogs.clear();
    rig.click("Command4");
    QCOMPARE(Rig::window("Form5")->windowTitle(), QStringLiteral("Standing Entry"));
    QVERIFY(rig.dialogs.shown.empty());
    Rig::window("Form5")->close();
}

void Form1Test::refreshesAfterWindowsClose()
{
    Rig rig;
    for (auto [kind, name] :
        {std::pair(ChildKind::Downloader, "RDL"), std::pair(ChildKind::ImportTxt, "Form30"),
            std::pair(ChildKind::Optimiser, "LinkProcess")})
        rig.form->setChildFactory(kind, [name = name] { return new StubChild(name); });
    rig.start();
    QVERIFY(!rig.ballsShown());

    // The download replaces the history; closing the window shows the draw.
    rig.find<QToolButton>("Image5")->click();
    QVERIFY(!rig.form->isEnabled());
    QVERIFY(!rig.state.downloaddone);
    writeHistory(rig.file("sa.rtl"), historyWithToday());
    Rig::window("RDL")->close();
    QVERIFY(rig.form->isEnabled());
    QVERIFY(rig.ballsShown());

    // The import relists only when it wrote the shown date's entries.
    rig.trigger("mnuImport");
    writeEntries(rig.todayFile(), fiveEntries);
    Rig::window("Form30")->close();
    QCOMPARE(rig.list("List1")->count(), 0);
    rig.trigger("mnuImport");
    QVERIFY(!rig.state.importwrote);
    rig.state.importwrote = true;
    Rig::window("Form30")->close();
    QCOMPARE(rig.list("List1")->count(), 5);

    // The optimiser likewise.
    writeEntries(rig.todayFile(), fourEntries);
    rig.trigger("mnulinkcreate");
    QVERIFY(!rig.state.optimiserwroteshown);
    rig.state.optimiserwroteshown = true;
    Rig::window("LinkProcess")->close();
    QCOMPARE(rig.list("List1")->count(), 4);
}

void Form1Test::filterReopensTheStandingEntry()
{
    Rig rig;
    rig.form->setChildFactory(ChildKind::Filter, [] { return new StubChild("Form10"); });
    writeEntries(rig.file("StandLT.lot"), fiveEntries);
    rig.start();
    rig.trigger("mnufilter");
    QCOMPARE(rig.dialogs.lastText(), std::string("You have no entries displayed to filter."));
    QVERIFY(!Rig::window("Form10"));

    rig.trigger("mnuStandOpen");
    rig.state.downloaddone = true;
    rig.trigger("mnufilter");
    QVERIFY(Rig::window("Form10"));
    QVERIFY(!rig.state.downloaddone);
    writeEntries(rig.file("StandLT.lot"), {{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}});
    Rig::window("Form10")->close();
    QCOMPARE(rig.state.entryfile, rig.file("StandLT.lot"));
    QCOMPARE(rig.lines("List1"), QStringList({"01 02 03 04 05 06", "07 08 09 10 11 12"}));
    QVERIFY(!rig.find<QPushButton>("Command3")->isHidden());
}

void Form1Test::aboutAndOptimiserKeepMainWindowEnabled()
{
    Rig rig;
    int made = 0;
    rig.form->setChildFactory(ChildKind::About, [&] {
        ++made;
        auto *w = new StubChild("frmAbout");
        w->setWindowTitle("About Pickwise South Africa");
        return w;
    });
    rig.form->setChildFactory(ChildKind::Optimiser, [&] {
        ++made;
        return new StubChild("LinkProcess");
    });
    rig.start();
    rig.trigger("mnuAbout");
    QWidget *about = Rig::window("frmAbout");
    QVERIFY(about);
    QCOMPARE(about->windowTitle(), QStringLiteral("Pickwise"));
    QVERIFY(rig.form->isEnabled());
    QTest::mouseClick(rig.find<QWidget>("Image8"), Qt::LeftButton);
    QCOMPARE(made, 1);
    QCOMPARE(Rig::window("frmAbout"), about);

    rig.trigger("mnulinkcreate");
    rig.trigger("mnulinkcreate");
    QCOMPARE(made, 2);
    QVERIFY(rig.form->isEnabled());
    Rig::window("LinkProcess")->close();
    about->close();
    QVERIFY(rig.form->isEnabled());
    rig.trigger("mnuAbout");
    QCOMPARE(made, 3); // a closed About window is made again
}

void Form1Test::wheelCreateSetsTheWheelValues()
{
    Rig rig;
    rig.form->setChildFactory(ChildKind::WheelCreate, [] { return new StubChild("wheel6"); });
    rig.start();
    QVERIFY(exists(rig.todayFile()));
    rig.trigger("mnuWheelCreate");
    QVERIFY(!exists(rig.todayFile())); // the empty dated file is dropped first
    QCOMPARE(rig.state.wheelgame, std::string("Lotto"));
    QCOMPARE(rig.state.wheelresults, std::string("sa.rtl"));
    QCOMPARE(rig.state.maxball, int16_t(49));
    QCOMPARE(rig.state.wheeltitle, std::string("Lotto"));
    QVERIFY(!rig.form->isEnabled());
    Rig::window("wheel6")->close();
    QVERIFY(rig.form->isEnabled());
}

void Form1Test::exitClosesEveryWindow()
{
    Rig rig;
    rig.form->setChildFactory(ChildKind::About, [] { return new StubChild("frmAbout"); });
    rig.form->setChildFactory(ChildKind::Statistics, [] { return new StubChild("Form4"); });
    rig.start();
    rig.form->show();
    rig.trigger("mnuAbout");
    rig.trigger("mnustats");
    QVERIFY(Rig::window("frmAbout") && Rig::window("Form4"));
    rig.form->close(); // the title bar's close is Exit too
    QVERIFY(!Rig::window("frmAbout"));
    QVERIFY(!Rig::window("Form4"));
    QVERIFY(!rig.form->isVisible());
    QVERIFY(!exists(rig.todayFile()));
}

void Form1Test::startupWithLargeFilesIsQuick()
{
    Rig rig;
    auto draws = makeHistory(32767);
    const BallRecord &shown = draws[3000];
    rig.clock.date = {shown.year, shown.month, shown.day};
    writeHistory(rig.file("sa.rtl"), draws);
    std::vector<Entry> entries;
    for (int i = 0; i < 2500; ++i)
        entries.push_back(
            {int16_t(1 + i % 40), int16_t(42), int16_t(43), int16_t(44), int16_t(45), int16_t(46)});
    writeEntries(rig.file(datedEntryFileName(shown.day, shown.month, shown.year)), entries);

    QElapsedTimer timer;
    timer.start();
    rig.start();
    const qint64 elapsed = timer.elapsed();
    QCOMPARE(rig.state.drawpos, int16_t(3001));
    QCOMPARE(rig.list("List1")->count(), 2500);
    QVERIFY2(elapsed < 2000, qPrintable(QStringLiteral("start-up took %1 ms").arg(elapsed)));
}

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
