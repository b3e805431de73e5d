#include "core/entryfiles.h"
#include "entries/editentry.h"
#include "entries/entryrules.h"
#include "entries/form5.h"
#include "tests/support/controls.h"
#include "tests/support/installation.h"

#include <QGroupBox>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTimer>

using namespace pickwise;
using namespace pickwise::testing;

namespace {

const Entry filler {43, 44, 45, 46, 47, 48};
using Texts = std::vector<std::string>;

// The entry window as the main window's Add opens it, with the run's
// constraint set. Today and the draws lie in the 6 of 49 game's time.
struct Making : Installation
{
    ConstraintSet constraints;

    explicit Making(int draws = 30, const std::vector<Entry> &listed = {})
        : Installation({2015, 12, 5})
    {
        history(makeHistory(draws, {1975, 1, 4}));
        entries(listed);
        session.addmode = true;
    }
};

void typeEntry(QWidget *w, const QStringList &numbers)
{
    for (int i = 0; i < 6; ++i)
        type(w, QStringLiteral("Text1_%1").arg(i), numbers.value(i));
}

void choose(QWidget *w, const char *option)
{
    child<QRadioButton>(w, option)->setChecked(true);
}

// Record r with the six numbers of a list line.
void setNumbers(BallRecord &r, const QString &line)
{
    const QStringList numbers = line.trimmed().split(' ');
    for (int i = 0; i < 6; ++i)
        r.ball[static_cast<size_t>(i)] = static_cast<int16_t>(numbers[i].toInt());
}

} // namespace

class MakingWindowsTest : public QObject
{
    Q_OBJECT

private slots:
    void manualAdd_data();
    void manualAdd();
    void computerAdd_data();
    void computerAdd();
    void busyWhileGeneratingAndCancel();
    void enterAfterTheSixthNumberAdds();
    void cancelWhileIdleDoesNotStopTheNextRun();
    void constraintsLeftByAFailedDoneAreRefusedAtAdd();
    void constraintsQuestionOncePerOpening();
    void constraintEditorAndReopening();
    void editChange_data();
    void editChange();
};

void MakingWindowsTest::manualAdd_data()
{
    const QString same = "One or more of your numbers are the same!";
    const QString notNumber = "One or more of your entries is not a number!";
    const QString range = "One or more of your numbers are out of range for the game!";
    QTest::addColumn<QStringList>("numbers");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("line");
    QTest::newRow("empty box") << QStringList {"1", "2", "3", "4", "5", ""} << notNumber << "";
    QTest::newRow("below 1") << QStringList {"0.9", "2", "3", "4", "5", "6"} << notNumber << "";
    QTest::newRow("above 49") << QStringList {"1", "2", "3", "4", "5", "49.1"} << range << "";
    QTest::newRow("pair, then 50: the last fault wins")
        << QStringList {"7", "7", "3", "4", "5", "50"} << range << "";
    QTest::newRow("0, then a pair: the last fault wins")
        << QStringList {"0", "2", "3", "4", "6", "6"} << same << "";
    QTest::newRow("equal once rounded")
        << QStringList {"7.4", "7.3", "3", "4", "5", "6"} << same << "";
    QTest::newRow("2.5 equals 2") << QStringList {"2.5", "2", "3", "4", "5", "6"} << same << "";
    QTest::newRow("7.6 as 8") << QStringList {"7.6", "1", "2", "3", "4", "5"} << ""
                              << "01 02 03 04 05 08";
    QTest::newRow("2.5 as 2") << QStringList {"2.5", "11", "12", "13", "14", "15"} << ""
                              << "02 11 12 13 14 15";
    QTest::newRow("out of order") << QStringList {"40", "3", "17", "9", "22", "1"} << ""
                                  << "01 03 09 17 22 40";
    QTest::newRow("leading number") << QStringList {" 12abc", "13", "14", "15", "16", "17"} << ""
                                    << "12 13 14 15 16 17";
}

void MakingWindowsTest::manualAdd()
{
    QFETCH(QStringList, numbers);
    QFETCH(QString, message);
    QFETCH(QString, line);
    Making in(30, {filler, filler});
    auto records = recordsOf(in.entryBytes());
    records[0].drawno = 77; // the new record carries record 1's other fields
    writeBytes(in.session.entryfile(), bytesOf(records));
    Opened<Form5> w(in.context, in.constraints);
    typeEntry(w, numbers);
    click(w, "Command6");
    QCOMPARE(text(w, "Text1_5"), numbers[5]); // the boxes keep their text

    if (!message.isEmpty()) {
        QCOMPARE(in.dialogs.texts(), Texts {message.toStdString()});
        QVERIFY(in.entryBytes() == bytesOf(records));
        QCOMPARE(in.main.entryLines.size(), size_t(2));
        return;
    }
    QVERIFY(in.dialogs.shown.empty());
    records.push_back(records[0]); // as record 1 stood before its count went up
    setNumbers(records.back(), line);
    records[0].count = 3;
    QVERIFY(in.entryBytes() == bytesOf(records));
    QCOMPARE(QString::fromStdString(in.main.entryLines.back()), line);
    QCOMPARE(in.main.entryCount, std::string("3"));
}

void MakingWindowsTest::computerAdd_data()
{
    QTest::addColumn<bool>("total");
    QTest::addColumn<int>("existing");
    QTest::addColumn<QString>("enterNo");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("added");
    QTest::newRow("total 10 of 10") << true << 10 << "10"
                                    << "You already have this number of entries or more." << 0;
    QTest::newRow("total 15 of 10") << true << 10 << "15"
                                    << "" << 5;
    QTest::newRow("additional 2495 + 5") << false << 2495 << "5"
                                         << "" << 5;
    QTest::newRow("additional 2495 + 6") << false << 2495 << "6"
                                         << "You are limited to a maximum of 2500 entries" << 0;
    QTest::newRow("total beyond 32767")
        << true << 10 << "40000"
        << "An entry file can hold at most 32767 entries. Please enter a smaller number in: "
           "Enter No box"
        << 0;
    QTest::newRow("no number")
        << false << 10 << "none"
        << "You have not specified a number to add. Please enter a number in: Enter No box" << 0;
}

void MakingWindowsTest::computerAdd()
{
    QFETCH(bool, total);
    QFETCH(int, existing);
    QFETCH(QString, enterNo);
    QFETCH(QString, message);
    QFETCH(int, added);
    Making in(30, std::vector<Entry>(static_cast<size_t>(existing), filler));
    const auto before = in.entryBytes();
    Opened<Form5> w(in.context, in.constraints);
    QVERIFY(child<QRadioButton>(w, "Option1")->isChecked()); // Total on opening
    choose(w, total ? "Option1" : "Option2");
    type(w, "Text8", enterNo);
    click(w, "Command4");
    for (const char *name : {"Command3", "Command4", "Command5", "Command6"})
        QVERIFY2(enabled(w, name), name);

    if (!message.isEmpty()) {
        QCOMPARE(in.dialogs.texts(), Texts {message.toStdString()});
        QVERIFY(in.entryBytes() == before);
        return;
    }
    QVERIFY(in.dialogs.shown.empty());
    std::vector<Entry> entries;
    entryfiles::list(in.session.entryfile(), entries);
    const size_t count = static_cast<size_t>(existing + added);
    QCOMPARE(entries.size(), count);
    QCOMPARE(in.main.entryCount, std::to_string(count));
    QCOMPARE(in.main.entryLines.size(), count);
    for (size_t i = static_cast<size_t>(existing); i < count; ++i)
        QCOMPARE(in.main.entryLines[i], entryLineText(entries[i]));
}

void MakingWindowsTest::busyWhileGeneratingAndCancel()
{
    Making in(30, {filler});
    Opened<Form5> w(in.context, in.constraints);
    QSignalSpy closedSpy(w.w.data(), &ChildWindow::closed);
    QStringList seen;
    in.main.onLine = [&] {
        for (const char *name : {"Command3", "Command4", "Command5", "Command6", "Command1"})
            seen << QStringLiteral("%1=%2").arg(name).arg(enabled(w, name));
        QVERIFY(!w->close()); // the title bar cannot pull the window from under the run
        click(w, "Command1");
    };
    choose(w, "Option2");
    type(w, "Text8", "5");
    click(w, "Command4");
    QCOMPARE(
        seen, QStringList({"Command3=0", "Command4=0", "Command5=0", "Command6=0", "Command1=1"}));
    QCOMPARE(entryfiles::countOf(in.session.entryfile()), 2); // stopped after that entry
    QVERIFY(!in.context.cancelflag);
    QCOMPARE(closedSpy.count(), 0);
    QVERIFY(enabled(w, "Command3"));
}

void MakingWindowsTest::enterAfterTheSixthNumberAdds()
{
    Making in;
    Opened<Form5> w(in.context, in.constraints);
    typeEntry(w, {"40", "3", "17", "9", "22", ""});
    auto *sixth = child(w, "Text1_5");
    QTest::keyClicks(sixth, "1");
    QTest::keyClick(sixth, Qt::Key_Return);
    QCOMPARE(in.main.entryLines, Texts({"01 03 09 17 22 40"}));
    QCOMPARE(entryfiles::countOf(in.session.entryfile()), 1);
}

void MakingWindowsTest::cancelWhileIdleDoesNotStopTheNextRun()
{
    Making in(30, {filler});
    Opened<Form5> w(in.context, in.constraints);
    click(w, "Command1");
    choose(w, "Option2");
    type(w, "Text8", "4");
    click(w, "Command4");
    QCOMPARE(entryfiles::countOf(in.session.entryfile()), 5);
    QVERIFY(in.dialogs.shown.empty());
}

void MakingWindowsTest::constraintsLeftByAFailedDoneAreRefusedAtAdd()
{
    Making in(30, {filler});
    const auto before = in.entryBytes();
    Opened<Form5> w(in.context, in.constraints);
    click(w, "Command2");
    type(w, "Text2", "50");
    click(w, "Command7");
    QCOMPARE(in.dialogs.texts(), Texts({"One of your numbers is greater than 49"}));

    // No candidate can ever hold 50: the run must not start. Should it start
    // anyway, a Cancel after a while ends it so the test can fail.
    QTimer watchdog;
    watchdog.setSingleShot(true);
    connect(&watchdog, &QTimer::timeout, w, [&w] { child<QPushButton>(w, "Command1")->click(); });
    watchdog.start(3000);
    choose(w, "Option2");
    type(w, "Text8", "1");
    in.dialogs.clear();
    click(w, "Command4");
    QCOMPARE(in.dialogs.texts(),
        Texts({"The must contain number 50 is not a ball of the game (balls run from 1 to 49). "
               "Please correct it under Constrain before adding entries."}));
    QCOMPARE(in.entryBytes(), before);
    QVERIFY(enabled(w, "Command4"));
}

void MakingWindowsTest::constraintsQuestionOncePerOpening()
{
    const std::string question = "You currently have contraints. Do you want to continue?";
    Making in;
    in.constraints.constrained = true;
    in.constraints.mustcontain = {5, 0, 0};
    for (int opening = 1; opening <= 2; ++opening) {
        in.session.addmode = true; // set by the main window's Add
        Opened<Form5> w(in.context, in.constraints);
        choose(w, "Option2");
        type(w, "Text8", "1");
        in.dialogs.answer(false);
        click(w, "Command4");
        click(w, "Command4");
        QCOMPARE(in.dialogs.texts(), Texts(static_cast<size_t>(opening), question));
        std::vector<Entry> entries;
        entryfiles::list(in.session.entryfile(), entries);
        QCOMPARE(entries.size(), static_cast<size_t>(opening)); // the No stopped the first
        QCOMPARE(std::count(entries.back().begin(), entries.back().end(), 5), 1);
    }
}

void MakingWindowsTest::constraintEditorAndReopening()
{
    Making in;
    in.main.winningLines = {"01 02 03 04 05 06 (3)"};
    {
        Opened<Form5> w(in.context, in.constraints);
        auto *frame3 = child<QGroupBox>(w, "Frame3");
        auto *close = child<QPushButton>(w, "Command3");
        QVERIFY(frame3->isHidden());
        click(w, "Command2");
        QVERIFY(!frame3->isHidden() && close->isHidden());

        type(w, "Text2", "abc");
        type(w, "Text3", "-3");
        type(w, "Text6", "12");
        click(w, "Command7");
        QCOMPARE(in.dialogs.texts(), Texts {"Negative number!"});
        QVERIFY(!frame3->isHidden());

        type(w, "Text3", "0");
        type(w, "Text4", "30");
        type(w, "Text11", "letters");
        click(w, "Command7");
        QCOMPARE(in.dialogs.texts().size(), size_t(1)); // emptied without a message
        for (const char *name : {"Text2", "Text3", "Text11"})
            QCOMPARE(text(w, name), QString());
        QVERIFY(frame3->isHidden() && !close->isHidden());

        QSignalSpy closedSpy(w.w.data(), &ChildWindow::closed);
        click(w, "Command3");
        QCOMPARE(closedSpy.count(), 1);
        QVERIFY(in.main.winningLines.empty());
    }
    Opened<Form5> w(in.context, in.constraints);
    QStringList shown;
    for (const char *name :
        {"Text2", "Text3", "Text4", "Text5", "Text6", "Text7", "Text9", "Text10", "Text11"})
        shown << text(w, name);
    QCOMPARE(shown, QStringList({"", "", "30", "", "12", "", "", "", ""}));

    click(w, "Command8"); // constraint Clear
    QCOMPARE(text(w, "Text4"), QString());
    QCOMPARE(in.constraints.mustcontain, (std::array<int16_t, 3> {}));
    QCOMPARE(in.constraints.mustnotcontain, (std::array<int16_t, 6> {}));
}

void MakingWindowsTest::editChange_data()
{
    QTest::addColumn<int>("editpos");
    QTest::addColumn<QStringList>("numbers");
    QTest::addColumn<QString>("line");
    QTest::newRow("duplicate, then Cancel")
        << 2 << QStringList {"03", "09", "27", "27", "33", "41"} << "";
    QTest::newRow("any order, stored sorted")
        << 2 << QStringList {"40", "3", "17", "9", "22", "1"} << "01 03 09 17 22 40 ";
    QTest::newRow("record 1 keeps its count")
        << 1 << QStringList {"2", "09", "14", "27", "33", "41"} << "02 09 14 27 33 41 ";
}

void MakingWindowsTest::editChange()
{
    QFETCH(int, editpos);
    QFETCH(QStringList, numbers);
    QFETCH(QString, line);
    const Entry shown {3, 9, 14, 27, 33, 41};
    Making in(30, {editpos == 1 ? shown : filler, shown, filler});
    auto records = recordsOf(in.entryBytes());
    records[1].drawno = 5; // fields other than the six numbers stay as they are
    records[1].ball[6] = -1;
    writeBytes(in.session.entryfile(), bytesOf(records));
    in.session.editpos = static_cast<int16_t>(editpos);
    Opened<editEntry> w(in.context);
    QStringList boxes;
    for (int i = 0; i < 6; ++i)
        boxes << text(w, QStringLiteral("Text1_%1").arg(i));
    QCOMPARE(boxes, QStringList({"03", "09", "14", "27", "33", "41"}));

    QSignalSpy closedSpy(w.w.data(), &ChildWindow::closed);
    typeEntry(w, numbers);
    click(w, "Command6");
    if (line.isEmpty()) {
        QCOMPARE(in.dialogs.texts(), Texts {"One or more of your numbers are the same!"});
        QCOMPARE(closedSpy.count(), 0);
        click(w, "Command5");
        QCOMPARE(closedSpy.count(), 1);
        QVERIFY(in.entryBytes() == bytesOf(records));
        QCOMPARE(in.main.selectedLine, -1);
        return;
    }
    setNumbers(records[static_cast<size_t>(editpos - 1)], line);
    QVERIFY(in.entryBytes() == bytesOf(records)); // record 1's count included
    QCOMPARE(QString::fromStdString(in.main.entryLines[static_cast<size_t>(editpos - 1)]), line);
    QCOMPARE(in.main.selectedLine, editpos - 1);
    QCOMPARE(closedSpy.count(), 1);
}

QTEST_MAIN(MakingWindowsTest)
#include "making_windows_test.moc"
