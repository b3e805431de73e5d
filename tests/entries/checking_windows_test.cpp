#include "entries/form10.h"
#include "entries/form6.h"
#include "entries/linkprocess.h"

#include "core/fileio.h"
#include "platform/testing/fakelink.h"
#include "platform/testing/fakes.h"
#include "platform/widgets.h"
#include "tests/support/testsupport.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSlider>
#include <QtTest>

#include <cstdio>
#include <memory>

using namespace pickwise;
using namespace pickwise::testing;

namespace {

// One installation folder with the doubles the windows talk to.
struct Setup
{
    TempDir dir;
    SharedState state;
    FakeDialogs dialogs;
    FakePrinter printer;
    FakeShell shell;
    FixedClock clock;
    ScriptedRandom random;
    Platform platform {dialogs, printer, shell, clock, random, nullptr};
    FakeMainWindowLink main;

    Setup()
    {
        state.apppath = dir.path();
        state.entryfile = dir.file("Lotto05DEC2026.lot");
        state.printerok = true;
    }
};

template<typename T>
T *child(QWidget *window, const char *name)
{
    T *found = window->findChild<T *>(QString::fromUtf8(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

void click(QWidget *window, const char *name)
{
    QPushButton *button = child<QPushButton>(window, name);
    QVERIFY2(button->isEnabled(), name);
    button->click();
}

QString text(QWidget *window, const char *name)
{
    return child<QLineEdit>(window, name)->text();
}

std::vector<Draw> sameDraw(int n, Draw balls)
{
    return std::vector<Draw>(static_cast<size_t>(n), balls);
}

void writeDraws(const std::string &path, const std::vector<Draw> &balls)
{
    auto draws = makeHistory(static_cast<int>(balls.size()));
    for (size_t i = 0; i < balls.size(); ++i)
        draws[i].ball = balls[i];
    writeHistory(path, draws);
}

QStringList rowsOf(QListView *view)
{
    QStringList rows;
    for (int r = 0; r < view->model()->rowCount(); ++r)
        rows << view->model()->index(r, 0).data().toString();
    return rows;
}

int shownList(QWidget *window)
{
    int shown = -1;
    for (int k = 0; k < 4; ++k)
        if (!child<QListView>(window, qPrintable(QStringLiteral("List1_%1").arg(k)))->isHidden()) {
            if (shown != -1)
                return -2; // more than one
            shown = k;
        }
    return shown;
}

} // namespace

class CheckingWindowsTest : public QObject
{
    Q_OBJECT

private slots:
    void historyCheckFillsListsAndTotals();
    void historyCheckPagesThroughFullLists();
    void historyCheckEmptyRangeAndBadDates();
    void historyCheckCancelStopsAfterTheDrawInProgress();
    void filterHandTicksThenRemoves();
    void filterRemovingEveryEntryLeavesCountZero();
    void filterWithoutFilterOrTicksChangesNothing();
    void filterCloseSetsTheDoneFlag();
    void optimiserWritesTheShownDate();
    void optimiserAsksBeforeAppendingAndClosing();
};

void CheckingWindowsTest::historyCheckFillsListsAndTotals()
{
    Setup s;
    writeDraws(s.state.pathOf("sa.rtl"),
        {{1, 2, 3, 4, 5, 6, 7}, {1, 2, 3, 4, 5, 9, 10}, {20, 21, 22, 23, 24, 25, 26}});
    writeEntries(s.state.entryfile, {{1, 2, 3, 4, 5, 7}, {1, 2, 3, 40, 41, 42}});
    s.main.entryCount = "2";
    s.state.cancelflag = true; // an early Cancel does not stop the check

    Form6 form(s.state, s.platform, s.main);
    QCOMPARE(form.windowTitle(), QStringLiteral("History Check Against Lotto Entry"));
    QCOMPARE(child<QDateEdit>(&form, "DTPicker1")->date(), QDate(2003, 1, 4));
    QCOMPARE(child<QDateEdit>(&form, "DTPicker2")->date(), QDate(2026, 12, 5));
    click(&form, "Command2");

    QCOMPARE(rowsOf(child<QListView>(&form, "List1_0")),
        QStringList({"04 JAN  2003", "01 02 03 04 05 07 Match 5+PB", "01 02 03 40 41 42 Match 3",
            "08 JAN  2003", "01 02 03 04 05 07 Match 5", "01 02 03 40 41 42 Match 3",
            "11 JAN  2003"}));
    QCOMPARE(shownList(&form), 0);
    const char *counts[] = {"0", "1", "1", "0", "0", "0", "2"};
    for (int i = 0; i < 7; ++i)
        QCOMPARE(text(&form, qPrintable(QStringLiteral("Text%1").arg(i + 1))),
            QString::fromUtf8(counts[i]));
    QCOMPARE(child<QLabel>(&form, "Label2")->text(), QStringLiteral("Match 5+B"));
    QCOMPARE(child<QLabel>(&form, "Label10")->text(),
        QStringLiteral("Check 2 entries against  3 results."));
    QVERIFY(s.dialogs.shown.empty());
    QVERIFY(child<QPushButton>(&form, "Command1")->isEnabled());

    QSignalSpy closed(&form, &ChildWindow::closed);
    click(&form, "Command1");
    QCOMPARE(closed.count(), 1);
}

void CheckingWindowsTest::historyCheckPagesThroughFullLists()
{
    Setup s;
    // 101 lines per draw: 131300 lines, more than the four lists hold.
    writeDraws(s.state.pathOf("sa.rtl"), sameDraw(1300, {1, 2, 3, 4, 5, 6, 7}));
    writeEntries(s.state.entryfile, std::vector<Entry>(100, Entry {1, 2, 3, 4, 5, 6}));
    Form6 form(s.state, s.platform, s.main);
    form.show();
    click(&form, "Command2");

    QCOMPARE(s.dialogs.texts(),
        std::vector<std::string>({"Please note that not all the entries have been displayed in "
                                  "the list on the left. This is due to there being 131000 "
                                  "entries which is the limit. However the summary on the right "
                                  "has been completed. If you want details of the missing items "
                                  "you should change the your search dates."}));
    QCOMPARE(text(&form, "Text1"), QStringLiteral("130000"));
    for (int k = 0; k < 4; ++k)
        QCOMPARE(child<QListView>(&form, qPrintable(QStringLiteral("List1_%1").arg(k)))
                     ->model()
                     ->rowCount(),
            32730);
    QCOMPARE(child<QListView>(&form, "List1_1")->model()->index(0, 0).data().toString(),
        QStringLiteral("01 02 03 04 05 06 Match 6"));

    QCOMPARE(shownList(&form), 0);
    click(&form, "Command5");
    QCOMPARE(shownList(&form), 0);
    for (int k = 1; k <= 3; ++k) {
        click(&form, "Command4");
        QCOMPARE(shownList(&form), k);
    }
    click(&form, "Command4");
    QCOMPARE(shownList(&form), 3);
    for (int k = 2; k >= 0; --k) {
        click(&form, "Command5");
        QCOMPARE(shownList(&form), k);
    }

    // A second, small check starts again from empty lists: More stays on list 0.
    child<QDateEdit>(&form, "DTPicker1")->setDate(QDate(2003, 1, 4));
    child<QDateEdit>(&form, "DTPicker2")->setDate(QDate(2003, 1, 4));
    s.dialogs.clear();
    click(&form, "Command2");
    QCOMPARE(child<QListView>(&form, "List1_0")->model()->rowCount(), 101);
    QCOMPARE(child<QListView>(&form, "List1_1")->model()->rowCount(), 0);
    click(&form, "Command4");
    QCOMPARE(shownList(&form), 0);
    QVERIFY(s.dialogs.shown.empty());
}

void CheckingWindowsTest::historyCheckEmptyRangeAndBadDates()
{
    Setup s;
    writeDraws(s.state.pathOf("sa.rtl"), {{1, 2, 3, 4, 5, 6, 7}, {1, 2, 3, 4, 5, 9, 10}});
    writeEntries(s.state.entryfile, {{1, 2, 3, 4, 5, 7}});
    Form6 form(s.state, s.platform, s.main);
    auto *start = child<QDateEdit>(&form, "DTPicker1");
    auto *end = child<QDateEdit>(&form, "DTPicker2");

    start->setDate(QDate(2003, 1, 9));
    click(&form, "Command2");
    QCOMPARE(child<QLabel>(&form, "Label10")->text(),
        QStringLiteral("No results in specified date range"));
    QCOMPARE(child<QListView>(&form, "List1_0")->model()->rowCount(), 0);
    QCOMPARE(text(&form, "Text1"), QString());
    QVERIFY(s.dialogs.shown.empty());

    end->setDate(QDate(2003, 1, 8));
    click(&form, "Command2");
    QCOMPARE(s.dialogs.texts(),
        std::vector<std::string>({"Your start date must be before your end date"}));
    QVERIFY(child<QPushButton>(&form, "Command2")->isEnabled());

    removeFile(s.state.pathOf("sa.rtl"));
    s.dialogs.clear();
    start->setDate(QDate(2003, 1, 1));
    click(&form, "Command2");
    QCOMPARE(s.dialogs.texts(),
        std::vector<std::string>(
            {"You cannot do a history check as there are no results in the history file"}));
}

void CheckingWindowsTest::historyCheckCancelStopsAfterTheDrawInProgress()
{
    Setup s;
    writeDraws(s.state.pathOf("sa.rtl"), sameDraw(50, {1, 2, 3, 4, 5, 6, 7}));
    writeEntries(s.state.entryfile, {{1, 2, 3, 4, 5, 6}});
    Form6 form(s.state, s.platform, s.main);
    bool closedWhileChecking = true;
    // Runs inside the check, when it first lets events through.
    QTimer::singleShot(0, &form, [&] {
        closedWhileChecking = form.close();
        child<QPushButton>(&form, "Command3")->click();
    });
    click(&form, "Command2");

    QVERIFY(!closedWhileChecking);
    QCOMPARE(rowsOf(child<QListView>(&form, "List1_0")),
        QStringList({"04 JAN  2003", "01 02 03 04 05 06 Match 6"}));
    QCOMPARE(text(&form, "Text1"), QStringLiteral("1"));
    QVERIFY(!s.state.cancelflag);
    QVERIFY(child<QPushButton>(&form, "Command1")->isEnabled());
}

void CheckingWindowsTest::filterHandTicksThenRemoves()
{
    Setup s;
    // B shares five numbers with A; D shares none with anything.
    const Entry a {1, 2, 3, 4, 5, 6}, b {1, 2, 3, 4, 5, 7}, c {10, 20, 30, 40, 41, 42},
        d {11, 21, 31, 43, 44, 45};
    std::vector<BallRecord> records {
        entryRecord(4, a), entryRecord(0, b), entryRecord(0, c), entryRecord(0, d)};
    records[2].drawno = 3; // fields entries do not use stay as they were
    writeBytes(s.state.entryfile, bytesOf(records));

    Form10 form(s.state, s.platform);
    QCOMPARE(form.windowTitle(), QStringLiteral("Filter"));
    QVERIFY(child<QRadioButton>(&form, "Option3")->isChecked());
    child<QCheckBox>(&form, "Check2")->setChecked(true);
    click(&form, "Command1");

    auto *list = child<QListWidget>(&form, "List1");
    QCOMPARE(listLines(list),
        std::vector<std::string>({"01 02 03 04 05 06 ", "01 02 03 04 05 07 ", "10 20 30 40 41 42 ",
            "11 21 31 43 44 45 "}));
    QCOMPARE(list->item(1)->checkState(), Qt::Checked);
    QCOMPARE(text(&form, "Text1"), QStringLiteral("4"));
    QCOMPARE(text(&form, "Text2"), QStringLiteral("1"));
    QCOMPARE(text(&form, "Text3"), QStringLiteral("3"));
    // Check's own ticks left temp.lot as the filter marked it.
    auto copy = recordsOf(readBytes(s.state.pathOf("temp.lot")));
    QCOMPARE(copy[1].ball[6], int16_t(-1));
    QCOMPARE(copy[0].ball[6], int16_t(0));

    list->item(1)->setCheckState(Qt::Unchecked);
    list->item(3)->setCheckState(Qt::Checked);
    list->item(0)->setCheckState(Qt::Checked);
    list->item(0)->setCheckState(Qt::Unchecked);
    QCOMPARE(text(&form, "Text2"), QStringLiteral("1"));
    QCOMPARE(text(&form, "Text3"), QStringLiteral("3"));

    click(&form, "Command4");
    QCOMPARE(s.printer.ops.at(s.printer.ops.size() - 2),
        std::string("text ") + std::string(16, ' ') + "11 21 31 43 44 45  Selected for Deletion");

    click(&form, "Command2");
    BallRecord first = records[0];
    first.count = 3;
    QCOMPARE(readBytes(s.state.entryfile), bytesOf({first, records[1], records[2]}));
    QCOMPARE(list->count(), 0);
    QCOMPARE(text(&form, "Text2"), QString());
    QVERIFY(exists(s.state.pathOf("temp.lot")));
    QVERIFY(s.dialogs.shown.empty());
}

void CheckingWindowsTest::filterRemovingEveryEntryLeavesCountZero()
{
    Setup s;
    writeEntries(s.state.entryfile, {{1, 2, 3, 4, 5, 6}, {40, 41, 42, 43, 44, 45}});
    Form10 form(s.state, s.platform);
    child<QCheckBox>(&form, "Check1")->setChecked(true);
    child<QSlider>(&form, "Slider1")->setValue(5);
    click(&form, "Command1");
    QCOMPARE(text(&form, "Text2"), QStringLiteral("2"));
    QCOMPARE(text(&form, "Text3"), QStringLiteral("0"));

    // Without the working copy nothing is removed, and the user is told.
    const auto before = readBytes(s.state.entryfile);
    const std::string copyPath = s.state.pathOf("temp.lot");
    QVERIFY(::rename(copyPath.c_str(), (copyPath + ".away").c_str()) == 0);
    click(&form, "Command2");
    QCOMPARE(s.dialogs.lastText().rfind("The checked entries could not be removed; the entry file "
                                        "has been left as it was.",
                 0),
        size_t(0));
    QCOMPARE(readBytes(s.state.entryfile), before);
    QCOMPARE(text(&form, "Text2"), QStringLiteral("2"));

    QVERIFY(::rename((copyPath + ".away").c_str(), copyPath.c_str()) == 0);
    click(&form, "Command2");
    QCOMPARE(readBytes(s.state.entryfile), std::vector<uint8_t>(26, 0));
}

void CheckingWindowsTest::filterWithoutFilterOrTicksChangesNothing()
{
    Setup s;
    writeEntries(s.state.entryfile, {{1, 2, 3, 4, 5, 6}, {11, 21, 31, 43, 44, 45}});
    const auto before = readBytes(s.state.entryfile);
    Form10 form(s.state, s.platform);
    click(&form, "Command1");
    QCOMPARE(s.dialogs.texts(), std::vector<std::string>({"No filter has been specified"}));
    QVERIFY(!exists(s.state.pathOf("temp.lot")));

    child<QCheckBox>(&form, "Check2")->setChecked(true);
    click(&form, "Command1");
    QCOMPARE(text(&form, "Text2"), QStringLiteral("0"));

    // The working copy disappears: a hand tick is refused and shown as refused,
    // rather than starting a new copy holding that one entry.
    removeFile(s.state.pathOf("temp.lot"));
    auto *list = child<QListWidget>(&form, "List1");
    list->item(0)->setCheckState(Qt::Checked);
    QCOMPARE(list->item(0)->checkState(), Qt::Unchecked);
    QCOMPARE(text(&form, "Text2"), QStringLiteral("0"));
    QCOMPARE(s.dialogs.shown.size(), size_t(2));
    QVERIFY(!exists(s.state.pathOf("temp.lot")));

    // Nothing checked: the removal leaves the entry file alone.
    click(&form, "Command2");
    QCOMPARE(readBytes(s.state.entryfile), before);

    s.state.printerok = false;
    Form10 noPrinter(s.state, s.platform);
    QVERIFY(!child<QPushButton>(&noPrinter, "Command4")->isEnabled());
}

void CheckingWindowsTest::filterCloseSetsTheDoneFlag()
{
    Setup s;
    writeEntries(s.state.entryfile, {{1, 2, 3, 4, 5, 6}});
    auto *form = new Form10(s.state, s.platform);
    QSignalSpy closed(form, &ChildWindow::closed);
    QPointer<Form10> guard(form);
    form->show();
    click(form, "Command3");
    QVERIFY(s.state.downloaddone);
    QCOMPARE(closed.count(), 1);
    QTRY_VERIFY(guard.isNull());
}

void CheckingWindowsTest::optimiserWritesTheShownDate()
{
    Setup s;
    writeDraws(s.state.pathOf("sa.rtl"),
        {{1, 2, 3, 4, 5, 6, 7}, {8, 15, 22, 29, 36, 43, 9}, {10, 20, 30, 40, 45, 49, 1}});
    s.main.entriesDateValue = {2026, 12, 5};
    LinkProcess form(s.state, s.platform, s.main);
    QCOMPARE(form.windowTitle(), QStringLiteral("Optimiser"));
    QCOMPARE(
        child<QGroupBox>(&form, "Frame1")->title(), QStringLiteral("Enter number from 1 to 3"));
    QVERIFY(!child<QPushButton>(&form, "Command2")->isEnabled());

    click(&form, "Command1");
    QCOMPARE(s.dialogs.texts(), std::vector<std::string>({"Please enter a value"}));
    child<QLineEdit>(&form, "Text1")->setText("4");
    click(&form, "Command1");
    QCOMPARE(s.dialogs.lastText(), std::string("Your entry is outside the permitted draw range"));
    QVERIFY(!child<QPushButton>(&form, "Command2")->isEnabled());

    child<QLineEdit>(&form, "Text1")->setText("2");
    click(&form, "Command1");
    QCOMPARE(s.dialogs.lastText(), std::string("Last 2 draws have been link processed"));
    child<QDateEdit>(&form, "DTPicker1")->setDate(QDate(2026, 12, 5));
    click(&form, "Command2");
    QCOMPARE(s.dialogs.lastText(), std::string("Done - 2 entries added to draw 05 December 2026"));
    QVERIFY(s.state.optimiserwroteshown);

    const auto records = recordsOf(readBytes(s.state.pathOf("Lotto05DEC2026.lot")));
    QCOMPARE(records.size(), size_t(2));
    QCOMPARE(records[0].count, 2);
    QCOMPARE(records[0].ball, (std::array<int16_t, 7> {8, 15, 22, 29, 36, 43, 0}));
    QCOMPARE(records[1].ball, (std::array<int16_t, 7> {10, 20, 30, 40, 45, 49, 0}));
    QCOMPARE(records[1].day, int16_t(5));

    // Changing the range asks for it to be processed again.
    child<QLineEdit>(&form, "Text1")->setText("3");
    QVERIFY(!child<QPushButton>(&form, "Command2")->isEnabled());
}

void CheckingWindowsTest::optimiserAsksBeforeAppendingAndClosing()
{
    Setup s;
    writeDraws(s.state.pathOf("sa.rtl"), {{1, 2, 3, 4, 5, 6, 7}});
    const std::string target = s.state.pathOf("Lotto09DEC2026.lot");
    writeEntries(target, {{40, 41, 42, 43, 44, 45}});
    const auto before = readBytes(target);
    s.main.entriesDateValue = {2026, 12, 5};

    auto *form = new LinkProcess(s.state, s.platform, s.main);
    QPointer<LinkProcess> guard(form);
    child<QLineEdit>(form, "Text1")->setText("1");
    click(form, "Command1");
    child<QDateEdit>(form, "DTPicker1")->setDate(QDate(2026, 12, 9));

    const std::string question = "You already have a date entry for this date, do you want to add "
                                 "the new optimised entry to the existing entry?";
    s.dialogs.answer(false);
    click(form, "Command2");
    QCOMPARE(s.dialogs.lastText(), question);
    QCOMPARE(readBytes(target), before);
    QVERIFY(!s.state.optimiserwroteshown);

    // Nothing created yet: closing asks, and No keeps the window open.
    const std::string quit = "You have not yet created an entry from the last initiation of "
                             "Process Range. Do you still want to quit?";
    s.dialogs.answer(false);
    QVERIFY(!form->close());
    QCOMPARE(s.dialogs.lastText(), quit);
    QVERIFY(!s.state.optimiserdone);

    s.dialogs.answer(true);
    click(form, "Command2");
    auto records = recordsOf(readBytes(target));
    QCOMPARE(records.size(), size_t(2));
    QCOMPARE(records[0].count, 2);
    QCOMPARE(records[0].ball[0], int16_t(40));
    QCOMPARE(records[1].ball[0], int16_t(1));
    QCOMPARE(s.dialogs.lastText(), std::string("Done - 1 entries added to draw 09 December 2026"));

    s.dialogs.clear();
    QSignalSpy closed(form, &ChildWindow::closed);
    click(form, "Command3");
    QVERIFY(s.dialogs.shown.empty());
    QVERIFY(s.state.optimiserdone);
    QCOMPARE(closed.count(), 1);
    QTRY_VERIFY(guard.isNull());
}

QTEST_MAIN(CheckingWindowsTest)
#include "checking_windows_test.moc"
