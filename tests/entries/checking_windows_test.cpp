#include "entries/form10.h"
#include "entries/form6.h"
#include "entries/linkprocess.h"

#include "core/fileio.h"
#include "platform/widgets.h"
#include "tests/support/controls.h"
#include "tests/support/installation.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSlider>
#include <QtTest>

#include <cstdio>

using namespace pickwise;
using namespace pickwise::testing;

namespace {

using Texts = std::vector<std::string>;

const Date today {2015, 12, 5}; // a Saturday of the 6 of 49 game

QListView *list(QWidget *form, int k)
{
    return child<QListView>(form, QStringLiteral("List1_%1").arg(k));
}

QStringList rowsOf(QListView *view)
{
    QStringList rows;
    for (int r = 0; r < view->model()->rowCount(); ++r)
        rows << view->model()->index(r, 0).data().toString();
    return rows;
}

// The one result list on show; -2 when more than one is.
int shownList(QWidget *form)
{
    int shown = -1;
    for (int k = 0; k < 4; ++k)
        if (!list(form, k)->isHidden())
            shown = shown == -1 ? k : -2;
    return shown;
}

void setDate(QWidget *form, const char *name, const QDate &date)
{
    child<QDateEdit>(form, name)->setDate(date);
}

} // namespace

class CheckingWindowsTest : public QObject
{
    Q_OBJECT

private slots:
    void historyCheckFillsListsAndTotalsThenEmptyRanges();
    void historyCheckPagesThroughFullLists();
    void historyCheckStoppedEarlyLeavesNothingOfTheLastCheck();
    void historyCheckCancelStopsAfterTheDrawInProgress();
    void filterHandTicksThenRemoves();
    void filterRemovingEveryEntryLeavesCountZero();
    void filterKeepsWhatItShowsAfterNoFilter();
    void optimiserWritesTheShownDate();
    void optimiserAsksBeforeAppendingAndClosing();
};

void CheckingWindowsTest::historyCheckFillsListsAndTotalsThenEmptyRanges()
{
    Installation in(today);
    in.history(
        drawsOf({{1, 2, 3, 4, 5, 6, 7}, {1, 2, 3, 4, 5, 9, 10}, {20, 21, 22, 23, 24, 25, 26}},
            {2003, 1, 4}));
    in.entries({{1, 2, 3, 4, 5, 7}, {1, 2, 3, 40, 41, 42}});
    in.context.cancelflag = true; // an early Cancel does not stop the check

    Opened<Form6> form(in.context);
    QCOMPARE(child<QDateEdit>(form, "DTPicker1")->date(), QDate(2003, 1, 4));
    QCOMPARE(child<QDateEdit>(form, "DTPicker2")->date(), QDate(2015, 12, 5));
    click(form, "Command2");

    QCOMPARE(rowsOf(list(form, 0)),
        QStringList({"04 JAN  2003", "01 02 03 04 05 07 Match 5+PB", "01 02 03 40 41 42 Match 3",
            "08 JAN  2003", "01 02 03 04 05 07 Match 5", "01 02 03 40 41 42 Match 3",
            "11 JAN  2003"}));
    QCOMPARE(shownList(form), 0);
    QStringList counts;
    for (int i = 1; i <= 7; ++i)
        counts << text(form, QStringLiteral("Text%1").arg(i));
    QCOMPARE(counts, QStringList({"0", "1", "1", "0", "0", "0", "2"}));
    QCOMPARE(child<QLabel>(form, "Label2")->text(), QStringLiteral("Match 5+B"));
    QCOMPARE(child<QLabel>(form, "Label10")->text(),
        QStringLiteral("Check 2 entries against  3 results."));
    QVERIFY(in.dialogs.shown.empty());

    // A range without draws empties the lists and the counts.
    setDate(form, "DTPicker1", QDate(2003, 1, 12));
    click(form, "Command2");
    QCOMPARE(child<QLabel>(form, "Label10")->text(),
        QStringLiteral("No results in specified date range"));
    QCOMPARE(list(form, 0)->model()->rowCount(), 0);
    QCOMPARE(text(form, "Text7"), QString());
    QVERIFY(in.dialogs.shown.empty());

    setDate(form, "DTPicker2", QDate(2003, 1, 11));
    click(form, "Command2");
    QCOMPARE(in.dialogs.texts(), Texts({"Your start date must be before your end date"}));

    removeFile(in.paths.results());
    in.dialogs.clear();
    setDate(form, "DTPicker1", QDate(2003, 1, 1));
    click(form, "Command2");
    QCOMPARE(in.dialogs.texts(),
        Texts({"You cannot do a history check as there are no results in the history file"}));
}

void CheckingWindowsTest::historyCheckPagesThroughFullLists()
{
    Installation in(today);
    // 101 lines per draw: 131300 lines, more than the four lists hold.
    in.history(drawsOf(std::vector<Draw>(1300, Draw {1, 2, 3, 4, 5, 6, 7}), {2003, 1, 4}));
    in.entries(std::vector<Entry>(100, Entry {1, 2, 3, 4, 5, 6}));
    Opened<Form6> form(in.context);
    form->show();
    click(form, "Command2");

    QCOMPARE(in.dialogs.texts(),
        Texts({"Please note that not all the entries have been displayed in the list on the left. "
               "This is due to there being 131000 entries which is the limit. However the summary "
               "on the right has been completed. If you want details of the missing items you "
               "should change the your search dates."}));
    QCOMPARE(text(form, "Text1"), QStringLiteral("130000"));
    for (int k = 0; k < 4; ++k)
        QCOMPARE(list(form, k)->model()->rowCount(), 32730);
    QCOMPARE(rowsOf(list(form, 1)).front(), QStringLiteral("01 02 03 04 05 06 Match 6"));

    // More and Back step through the lists and are off at either end.
    QVERIFY(!enabled(form, "Command5"));
    QList<int> shown {shownList(form)};
    for (const char *button :
        {"Command4", "Command4", "Command4", "Command5", "Command5", "Command5"}) {
        click(form, button);
        shown << shownList(form);
        if (shown.back() == 3)
            QVERIFY(!enabled(form, "Command4"));
    }
    QCOMPARE(shown, QList<int>({0, 1, 2, 3, 2, 1, 0}));
    QVERIFY(!enabled(form, "Command5"));

    // A second, small check starts again from empty lists: nothing to page to.
    setDate(form, "DTPicker1", QDate(2003, 1, 4));
    setDate(form, "DTPicker2", QDate(2003, 1, 4));
    in.dialogs.clear();
    click(form, "Command2");
    QCOMPARE(list(form, 0)->model()->rowCount(), 101);
    QCOMPARE(list(form, 1)->model()->rowCount(), 0);
    QVERIFY(!enabled(form, "Command4"));
    QCOMPARE(shownList(form), 0);
    QVERIFY(in.dialogs.shown.empty());
}

void CheckingWindowsTest::historyCheckStoppedEarlyLeavesNothingOfTheLastCheck()
{
    Installation in(today);
    // 101 lines per draw: 340 draws fill list 0 and part of list 1.
    in.history(drawsOf(std::vector<Draw>(340, Draw {1, 2, 3, 4, 5, 6, 7}), {2003, 1, 4}));
    in.entries(std::vector<Entry>(100, Entry {1, 2, 3, 4, 5, 6}));
    Opened<Form6> form(in.context);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form));
    const QSize size = form->size();
    auto paging = [&] {
        return QStringLiteral("shown %1, More %2, Back %3")
            .arg(shownList(form))
            .arg(enabled(form, "Command4"))
            .arg(enabled(form, "Command5"));
    };
    // The count boxes say what they count before any check.
    QStringList labels;
    for (int i = 1; i <= 7; ++i)
        labels << child<QLabel>(form, QStringLiteral("Label%1").arg(i))->text();
    QCOMPARE(labels,
        QStringList(
            {"Match 6", "Match 5+B", "Match 5", "Match 4+B", "Match 4", "Match 3+B", "Match 3"}));
    QCOMPARE(paging(), QStringLiteral("shown 0, More 0, Back 0"));
    for (int i = 1; i <= 7; ++i)
        QVERIFY(child(form, QStringLiteral("Text%1").arg(i))->isReadOnly());

    click(form, "Command2");
    QCOMPARE(paging(), QStringLiteral("shown 0, More 1, Back 0"));
    click(form, "Command4");
    QCOMPARE(paging(), QStringLiteral("shown 1, More 0, Back 1"));
    QCOMPARE(form->size(), size);

    // Each early stop leaves empty lists, counts and status, and nothing to page.
    const std::pair<std::function<void()>, QString> stops[] = {
        {[&] {
             setDate(form, "DTPicker1", QDate(2015, 12, 5));
             setDate(form, "DTPicker2", QDate(2015, 12, 4));
         },
            QString()},
        {[&] { setDate(form, "DTPicker1", QDate(2015, 11, 1)); },
            QStringLiteral("No results in specified date range")},
        {[&] { writeBytes(in.paths.results(), {}); }, QString()},
    };
    for (const auto &[stop, status] : stops) {
        setDate(form, "DTPicker1", QDate(2003, 1, 1));
        setDate(form, "DTPicker2", QDate(2015, 12, 5));
        in.history(drawsOf(std::vector<Draw>(340, Draw {1, 2, 3, 4, 5, 6, 7}), {2003, 1, 4}));
        click(form, "Command2");
        click(form, "Command4");
        QCOMPARE(paging(), QStringLiteral("shown 1, More 0, Back 1"));
        stop();
        click(form, "Command2");
        for (int k = 0; k < 4; ++k)
            QCOMPARE(list(form, k)->model()->rowCount(), 0);
        QCOMPARE(paging(), QStringLiteral("shown 0, More 0, Back 0"));
        QCOMPARE(text(form, "Text7"), QString());
        QCOMPARE(child<QLabel>(form, "Label10")->text(), status);
        QCOMPARE(form->size(), size);
    }
}

void CheckingWindowsTest::historyCheckCancelStopsAfterTheDrawInProgress()
{
    Installation in(today);
    in.history(drawsOf(std::vector<Draw>(50, Draw {1, 2, 3, 4, 5, 6, 7}), {2003, 1, 4}));
    in.entries({{1, 2, 3, 4, 5, 6}});
    Opened<Form6> form(in.context);
    bool closedWhileChecking = true;
    // Runs inside the check, when it first lets events through.
    QTimer::singleShot(0, form, [&] {
        closedWhileChecking = form->close();
        child<QPushButton>(form, "Command3")->click();
    });
    click(form, "Command2");

    QVERIFY(!closedWhileChecking);
    QCOMPARE(rowsOf(list(form, 0)), QStringList({"04 JAN  2003", "01 02 03 04 05 06 Match 6"}));
    QCOMPARE(text(form, "Text1"), QStringLiteral("1"));
    QVERIFY(!in.context.cancelflag);
    QVERIFY(enabled(form, "Command1"));
}

void CheckingWindowsTest::filterHandTicksThenRemoves()
{
    Installation in(today);
    // B shares five numbers with A; D shares none with anything.
    const Entry a {1, 2, 3, 4, 5, 6}, b {1, 2, 3, 4, 5, 7}, c {10, 20, 30, 40, 41, 42},
        d {11, 21, 31, 43, 44, 45};
    std::vector<BallRecord> records {
        entryRecord(4, a), entryRecord(0, b), entryRecord(0, c), entryRecord(0, d)};
    records[2].drawno = 3; // fields entries do not use stay as they were
    writeBytes(in.session.entryfile(), bytesOf(records));

    Opened<Form10> form(in.context);
    QVERIFY(child<QRadioButton>(form, "Option3")->isChecked());
    child<QCheckBox>(form, "Check2")->setChecked(true);
    click(form, "Command1");

    auto *checks = child<QListWidget>(form, "List1");
    QCOMPARE(listLines(checks),
        Texts({"01 02 03 04 05 06 ", "01 02 03 04 05 07 ", "10 20 30 40 41 42 ",
            "11 21 31 43 44 45 "}));
    QCOMPARE(checks->item(1)->checkState(), Qt::Checked);
    QCOMPARE(QStringList({text(form, "Text1"), text(form, "Text2"), text(form, "Text3")}),
        QStringList({"4", "1", "3"}));

    // By hand: B stays after all, A and D go.
    checks->item(1)->setCheckState(Qt::Unchecked);
    checks->item(3)->setCheckState(Qt::Checked);
    checks->item(0)->setCheckState(Qt::Checked);
    QCOMPARE(text(form, "Text2"), QStringLiteral("2"));
    QCOMPARE(text(form, "Text3"), QStringLiteral("2"));

    click(form, "Command4");
    QCOMPARE(in.printer.ops.at(in.printer.ops.size() - 2),
        "text " + std::string(16, ' ') + "11 21 31 43 44 45  Selected for Deletion");
    QCOMPARE(in.printer.documents, Texts({"Pickwise filter Lotto05DEC2015 2015-12-05 10-00-00"}));

    click(form, "Command2");
    BallRecord first = records[1]; // record 1 now, with the new count
    first.count = 2;
    QCOMPARE(in.entryBytes(), bytesOf({first, records[2]}));
    QCOMPARE(checks->count(), 0);
    QCOMPARE(text(form, "Text2"), QString());
    QVERIFY(exists(in.paths.filterCopy()));
    QCOMPARE(in.dialogs.texts(),
        Texts({"Remove 2 entries from Lotto05DEC2015.lot?",
            "2 entries removed from Lotto05DEC2015.lot, 2 entries left."}));

    // Closing tells the main window to relist the entries.
    QSignalSpy closed(form.w.data(), &ChildWindow::closed);
    click(form, "Command3");
    QCOMPARE(closed.count(), 1);
}

void CheckingWindowsTest::filterRemovingEveryEntryLeavesCountZero()
{
    Installation in(today);
    in.entries({{1, 2, 3, 4, 5, 6}, {40, 41, 42, 43, 44, 45}});
    const auto before = in.entryBytes();
    Opened<Form10> form(in.context);
    click(form, "Command1");
    QCOMPARE(in.dialogs.texts(), Texts({"No filter has been specified"}));
    QVERIFY(!exists(in.paths.filterCopy()));

    child<QCheckBox>(form, "Check1")->setChecked(true);
    child<QSlider>(form, "Slider1")->setValue(5);
    click(form, "Command1");
    QCOMPARE(text(form, "Text2"), QStringLiteral("2"));
    QCOMPARE(text(form, "Text3"), QStringLiteral("0"));

    // Without the working copy a hand tick is refused and shown as refused
    // (no new copy holding that one entry), and nothing is removed.
    const std::string copyPath = in.paths.filterCopy();
    QVERIFY(::rename(copyPath.c_str(), (copyPath + ".away").c_str()) == 0);
    auto *checks = child<QListWidget>(form, "List1");
    checks->item(0)->setCheckState(Qt::Unchecked);
    QCOMPARE(checks->item(0)->checkState(), Qt::Checked);
    QVERIFY(!exists(copyPath));
    click(form, "Command2");
    QCOMPARE(in.dialogs.shown.size(), size_t(4)); // no filter, refused tick, question, failure
    QCOMPARE(in.dialogs.lastText().rfind("The checked entries could not be removed; the entry "
                                         "file has been left as it was.",
                 0),
        size_t(0));
    QCOMPARE(in.entryBytes(), before);
    QCOMPARE(text(form, "Text2"), QStringLiteral("2"));

    QVERIFY(::rename((copyPath + ".away").c_str(), copyPath.c_str()) == 0);
    click(form, "Command2");
    QCOMPARE(in.entryBytes(), std::vector<uint8_t>(26, 0));
    QCOMPARE(in.dialogs.lastText(),
        std::string("2 entries removed from Lotto05DEC2015.lot, 0 entries left."));
}

void CheckingWindowsTest::filterKeepsWhatItShowsAfterNoFilter()
{
    Installation in(today);
    const Entry low {1, 2, 3, 4, 5, 6}, middle {20, 22, 24, 26, 28, 30},
        high {40, 41, 42, 43, 44, 45};
    in.entries({low, middle, high});
    const auto before = in.entryBytes();
    Opened<Form10> form(in.context);
    QStringList bands;
    for (int position = 1; position <= 5; ++position)
        bands << child<QLabel>(form, QStringLiteral("SumBand%1").arg(position))->text();
    QCOMPARE(bands, QStringList({"85-213", "95-203", "105-193", "115-183", "125-173"}));

    child<QCheckBox>(form, "Check1")->setChecked(true);
    click(form, "Command1");
    auto *checks = child<QListWidget>(form, "List1");
    QCOMPARE(checks->item(0)->checkState(), Qt::Checked);
    QCOMPARE(checks->item(2)->checkState(), Qt::Checked);

    // No filter ticked: the message, and the list stays what Remove works on.
    child<QCheckBox>(form, "Check1")->setChecked(false);
    click(form, "Command1");
    QCOMPARE(in.dialogs.texts(), Texts({"No filter has been specified"}));
    QCOMPARE(checks->count(), 3);
    checks->item(0)->setCheckState(Qt::Unchecked);
    QCOMPARE(QStringList({text(form, "Text1"), text(form, "Text2"), text(form, "Text3")}),
        QStringList({"3", "1", "2"}));
    for (const char *total : {"Text1", "Text2", "Text3"})
        QVERIFY(child(form, total)->isReadOnly());

    // No to the question leaves everything; Yes removes the one still ticked.
    in.dialogs.clear();
    in.dialogs.answer(false);
    click(form, "Command2");
    QCOMPARE(in.dialogs.texts(), Texts({"Remove 1 entry from Lotto05DEC2015.lot?"}));
    QCOMPARE(in.entryBytes(), before);
    QCOMPARE(checks->count(), 3);
    click(form, "Command2");
    QCOMPARE(in.dialogs.lastText(),
        std::string("1 entry removed from Lotto05DEC2015.lot, 2 entries left."));
    QCOMPARE(in.entryBytes(), bytesOf({entryRecord(2, low), entryRecord(0, middle)}));
}

void CheckingWindowsTest::optimiserWritesTheShownDate()
{
    Installation in(today);
    in.history(
        drawsOf({{1, 2, 3, 4, 5, 6, 7}, {8, 15, 22, 29, 36, 43, 9}, {10, 20, 30, 40, 45, 49, 1}}));
    Opened<LinkProcess> form(in.context);
    QCOMPARE(child<QGroupBox>(form, "Frame1")->title(), QStringLiteral("Enter number from 1 to 3"));
    QVERIFY(!enabled(form, "Command2"));

    click(form, "Command1");
    QCOMPARE(in.dialogs.texts(), Texts({"Please enter a value"}));
    type(form, "Text1", "4");
    click(form, "Command1");
    QCOMPARE(in.dialogs.lastText(), std::string("Your entry is outside the permitted draw range"));
    QVERIFY(!enabled(form, "Command2"));

    type(form, "Text1", "2");
    click(form, "Command1");
    QCOMPARE(in.dialogs.lastText(), std::string("Last 2 draws have been link processed"));
    setDate(form, "DTPicker1", QDate(2015, 12, 5));
    click(form, "Command2");
    QCOMPARE(in.dialogs.lastText(), std::string("Done - 2 entries added to draw 05 December 2015"));
    QVERIFY(in.session.optimiserwroteshown);

    const auto records = recordsOf(in.entryBytes());
    QCOMPARE(records.size(), size_t(2));
    QCOMPARE(records[0].count, 2);
    QCOMPARE(records[0].ball, (std::array<int16_t, 7> {8, 15, 22, 29, 36, 43, 0}));
    QCOMPARE(records[1].ball, (std::array<int16_t, 7> {10, 20, 30, 40, 45, 49, 0}));
    QCOMPARE(records[1].day, int16_t(5));

    // Changing the range asks for it to be processed again.
    type(form, "Text1", "3");
    QVERIFY(!enabled(form, "Command2"));
}

void CheckingWindowsTest::optimiserAsksBeforeAppendingAndClosing()
{
    Installation in(today);
    in.history(drawsOf({{1, 2, 3, 4, 5, 6, 7}}));
    const std::string target = in.file("Lotto09DEC2015.lot");
    writeEntries(target, {{40, 41, 42, 43, 44, 45}});
    const auto before = readBytes(target);

    Opened<LinkProcess> form(in.context);
    type(form, "Text1", "1");
    click(form, "Command1");
    setDate(form, "DTPicker1", QDate(2015, 12, 9));

    in.dialogs.answer(false);
    click(form, "Command2");
    QCOMPARE(in.dialogs.lastText(),
        std::string("You already have a date entry for this date, do you want to add the new "
                    "optimised entry to the existing entry?"));
    QCOMPARE(readBytes(target), before);

    // Nothing created yet: closing asks, and No keeps the window open.
    in.dialogs.answer(false);
    QVERIFY(!form->close());
    QCOMPARE(in.dialogs.lastText(),
        std::string("You have not yet created an entry from the last initiation of Process "
                    "Range. Do you still want to quit?"));

    in.dialogs.answer(true);
    click(form, "Command2");
    auto records = recordsOf(readBytes(target));
    QCOMPARE(records.size(), size_t(2));
    QCOMPARE(records[0].count, 2);
    QCOMPARE(records[0].ball[0], int16_t(40));
    QCOMPARE(records[1].ball[0], int16_t(1));
    QCOMPARE(in.dialogs.lastText(), std::string("Done - 1 entries added to draw 09 December 2015"));
    QVERIFY(!in.session.optimiserwroteshown); // another date than the one shown

    in.dialogs.clear();
    QSignalSpy closed(form.w.data(), &ChildWindow::closed);
    click(form, "Command3");
    QVERIFY(in.dialogs.shown.empty());
    QCOMPARE(closed.count(), 1);
}

QTEST_MAIN(CheckingWindowsTest)
#include "checking_windows_test.moc"
