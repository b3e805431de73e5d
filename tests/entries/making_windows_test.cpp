#include "core/entryfiles.h"
#include "core/sharedstate.h"
#include "entries/editentry.h"
#include "entries/form5.h"
#include "platform/platform.h"
#include "platform/testing/fakelink.h"
#include "platform/testing/fakes.h"
#include "tests/support/testsupport.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include <functional>
#include <memory>
#include <random>

using namespace pickwise;
using namespace pickwise::testing;

namespace {

class SeededRandom : public Random
{
public:
    double next() override { return m_uniform(m_engine); }

private:
    std::mt19937_64 m_engine {5122026};
    std::uniform_real_distribution<double> m_uniform {0.0, 1.0};
};

// The main window double, with a hook into the moment a line is listed.
class Link : public FakeMainWindowLink
{
public:
    void addentryline(const Entry &numbers) override
    {
        FakeMainWindowLink::addentryline(numbers);
        if (onLine)
            onLine();
    }
    std::function<void()> onLine;
};

const Entry filler {43, 44, 45, 46, 47, 48};

struct Installation
{
    TempDir dir;
    SharedState state;
    FakeDialogs dialogs;
    FakePrinter printer;
    FakeShell shell;
    FixedClock clock;
    SeededRandom random;
    Platform platform {dialogs, printer, shell, clock, random, nullptr};
    Link main;

    explicit Installation(int draws = 30)
    {
        state.apppath = dir.path();
        state.entryfile = dir.file("Lotto05DEC2026.lot");
        state.addmode = true;
        writeHistory(dir.file("sa.rtl"), makeHistory(draws));
    }
    void entries(const std::vector<Entry> &list)
    {
        writeEntries(state.entryfile, list);
        main.entryCount = std::to_string(list.size());
        for (const Entry &e : list)
            main.entryLines.push_back(entryLineText(e));
    }
    std::vector<uint8_t> fileBytes() const { return readBytes(state.entryfile); }
};

// Windows delete themselves on close; one still open at the end goes here.
template<class W>
struct Open
{
    QPointer<W> window;
    explicit Open(W *w) : window(w) { }
    ~Open() { delete window.data(); }
    W *operator->() const { return window.data(); }
    QLineEdit *box(const char *name) const { return window->template findChild<QLineEdit *>(name); }
    QPushButton *button(const char *name) const
    {
        return window->template findChild<QPushButton *>(name);
    }
    void type(const char *name, const QString &text) const { box(name)->setText(text); }
    QString text(const char *name) const { return box(name)->text(); }
};

Open<Form5> openForm5(Installation &in)
{
    return Open<Form5>(new Form5(in.state, in.platform, in.main));
}

Open<editEntry> openEdit(Installation &in)
{
    return Open<editEntry>(new editEntry(in.state, in.platform, in.main));
}

void typeEntry(const Open<Form5> &w, const QStringList &numbers)
{
    for (int i = 0; i < 6; ++i)
        w.type(qPrintable(QStringLiteral("Text1_%1").arg(i)), numbers.value(i));
}

void typeEntry(const Open<editEntry> &w, const QStringList &numbers)
{
    for (int i = 0; i < 6; ++i)
        w.type(qPrintable(QStringLiteral("Text1_%1").arg(i)), numbers.value(i));
}

bool validEntry(const Entry &e)
{
    for (int i = 0; i < 6; ++i) {
        if (e[i] < 1 || e[i] > 49 || (i > 0 && e[i - 1] >= e[i]))
            return false;
    }
    return true;
}

} // namespace

class MakingWindowsTest : public QObject
{
    Q_OBJECT

private slots:
    void manualEntryFaults_data();
    void manualEntryFaults();
    void manualEntryStored_data();
    void manualEntryStored();
    void totalAndAdditional_data();
    void totalAndAdditional();
    void tooFewDraws();
    void busyWhileGeneratingAndCancel();
    void constraintsQuestionOncePerOpening();
    void constraintEditor();
    void constraintsShownOnReopening();
    void closeClearsWinningLines();

    void editShowsTwoDigitNumbers();
    void editRefusesDuplicate();
    void editStoresSortedInPlace();
    void editKeepsRecordOneCount();
    void editCancel();
};

void MakingWindowsTest::manualEntryFaults_data()
{
    QTest::addColumn<QStringList>("numbers");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty box") << QStringList {"1", "2", "3", "4", "5", ""}
                               << "One or more of your entries is not a number!";
    QTest::newRow("pair, then 50 last") << QStringList {"7", "7", "3", "4", "5",
        "50"} << "One or more of your numbers are out of range for the game!";
    QTest::newRow("pair") << QStringList {"7", "3", "7", "4", "5", "6"}
                          << "One or more of your numbers are the same!";
}

void MakingWindowsTest::manualEntryFaults()
{
    QFETCH(QStringList, numbers);
    QFETCH(QString, message);
    Installation in;
    in.entries({filler});
    const auto before = in.fileBytes();
    auto w = openForm5(in);
    typeEntry(w, numbers);
    w.button("Command6")->click();
    QCOMPARE(in.dialogs.texts(), std::vector<std::string> {message.toStdString()});
    QVERIFY(in.fileBytes() == before);
    QCOMPARE(in.main.entryLines.size(), size_t(1));
    QCOMPARE(w.text("Text1_5"), numbers[5]);
}

void MakingWindowsTest::manualEntryStored_data()
{
    QTest::addColumn<QStringList>("numbers");
    QTest::addColumn<QString>("line");
    QTest::newRow("7.6 stored as 8")
        << QStringList {"7.6", "1", "2", "3", "4", "5"} << "01 02 03 04 05 08";
    QTest::newRow("2.5 stored as 2")
        << QStringList {"2.5", "11", "12", "13", "14", "15"} << "02 11 12 13 14 15";
    QTest::newRow("out of order") << QStringList {"40", "3", "17", "9", "22", "1"}
                                  << "01 03 09 17 22 40";
}

void MakingWindowsTest::manualEntryStored()
{
    QFETCH(QStringList, numbers);
    QFETCH(QString, line);
    Installation in;
    in.entries({filler, filler});
    // The new record carries record 1's other fields.
    auto records = recordsOf(in.fileBytes());
    records[0].drawno = 77;
    records[0].ball[6] = 9;
    writeBytes(in.state.entryfile, bytesOf(records));
    auto w = openForm5(in);
    typeEntry(w, numbers);
    w.button("Command6")->click();

    QVERIFY(in.dialogs.shown.empty());
    const auto after = recordsOf(in.fileBytes());
    QCOMPARE(after.size(), size_t(3));
    QCOMPARE(after[0].count, 3);
    QCOMPARE(after[2].drawno, int16_t(77));
    QCOMPARE(after[2].ball[6], int16_t(9));
    Entry stored {};
    std::copy_n(after[2].ball.begin(), 6, stored.begin());
    QCOMPARE(QString::fromStdString(entryLineText(stored)), line);
    QCOMPARE(QString::fromStdString(in.main.entryLines.back()), line);
    QCOMPARE(in.main.entryCount, std::string("3"));
    QCOMPARE(w.text("Text1_0"), numbers[0]); // the boxes are not cleared
}

void MakingWindowsTest::totalAndAdditional_data()
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
    QTest::newRow("nothing in Enter No")
        << false << 10 << "none"
        << "You have not specified a number to add. Please enter a number in: Enter No box" << 0;
}

void MakingWindowsTest::totalAndAdditional()
{
    QFETCH(bool, total);
    QFETCH(int, existing);
    QFETCH(QString, enterNo);
    QFETCH(QString, message);
    QFETCH(int, added);
    Installation in;
    in.entries(std::vector<Entry>(static_cast<size_t>(existing), filler));
    const auto before = in.fileBytes();
    auto w = openForm5(in);
    QVERIFY(w->findChild<QRadioButton *>("Option1")->isChecked()); // Total on opening
    w->findChild<QRadioButton *>(total ? "Option1" : "Option2")->setChecked(true);
    w.type("Text8", enterNo);
    w.button("Command4")->click();

    if (!message.isEmpty()) {
        QCOMPARE(in.dialogs.texts(), std::vector<std::string> {message.toStdString()});
        QVERIFY(in.fileBytes() == before);
        return;
    }
    QVERIFY(in.dialogs.shown.empty());
    std::vector<Entry> entries;
    entryfiles::list(in.state.entryfile, entries);
    QCOMPARE(entries.size(), static_cast<size_t>(existing + added));
    QCOMPARE(in.main.entryCount, std::to_string(existing + added));
    QCOMPARE(in.main.entryLines.size(), static_cast<size_t>(existing + added));
    for (size_t i = static_cast<size_t>(existing); i < entries.size(); ++i) {
        QVERIFY(validEntry(entries[i]));
        QCOMPARE(in.main.entryLines[i], entryLineText(entries[i]));
    }
}

void MakingWindowsTest::tooFewDraws()
{
    Installation in(19);
    in.entries({filler});
    const auto before = in.fileBytes();
    auto w = openForm5(in);
    w.type("Text8", "5");
    w.button("Command4")->click();
    QCOMPARE(in.dialogs.texts(),
        std::vector<std::string> {"You do not have sufficient draws in the results file for the "
                                  "computer to suggest entries. You must add them manually using "
                                  "the area above."});
    QVERIFY(in.fileBytes() == before);
    for (const char *name : {"Command3", "Command4", "Command5", "Command6"})
        QVERIFY2(w.button(name)->isEnabled(), name);
}

void MakingWindowsTest::busyWhileGeneratingAndCancel()
{
    Installation in;
    in.entries({filler});
    auto w = openForm5(in);
    QSignalSpy closedSpy(w.window.data(), &ChildWindow::closed);
    QStringList seen;
    in.main.onLine = [&] {
        for (const char *name : {"Command3", "Command4", "Command5", "Command6", "Command1"})
            seen << QStringLiteral("%1=%2").arg(name).arg(w.button(name)->isEnabled());
        QVERIFY(!w->close()); // the title bar cannot pull the window from under the run
        w.button("Command1")->click();
    };
    w->findChild<QRadioButton *>("Option2")->setChecked(true);
    w.type("Text8", "5");
    w.button("Command4")->click();

    QCOMPARE(
        seen, QStringList({"Command3=0", "Command4=0", "Command5=0", "Command6=0", "Command1=1"}));
    QCOMPARE(entryfiles::countOf(in.state.entryfile), 2); // stopped after that entry
    QVERIFY(!in.state.cancelflag);
    QCOMPARE(closedSpy.count(), 0);
    for (const char *name : {"Command3", "Command4", "Command5", "Command6"})
        QVERIFY2(w.button(name)->isEnabled(), name);
    QVERIFY(in.dialogs.shown.empty());
}

void MakingWindowsTest::constraintsQuestionOncePerOpening()
{
    const std::string question = "You currently have contraints. Do you want to continue?";
    Installation in;
    in.state.constrained = true;
    in.state.mustcontain = {5, 0, 0};
    {
        auto w = openForm5(in);
        w->findChild<QRadioButton *>("Option2")->setChecked(true);
        w.type("Text8", "1");
        in.dialogs.answer(false);
        w.button("Command4")->click();
        QCOMPARE(in.dialogs.texts(), std::vector<std::string> {question});
        QCOMPARE(entryfiles::countOf(in.state.entryfile), 0);
        w.button("Command4")->click();
        QCOMPARE(in.dialogs.texts().size(), size_t(1)); // not asked again
        std::vector<Entry> entries;
        entryfiles::list(in.state.entryfile, entries);
        QCOMPARE(entries.size(), size_t(1));
        QVERIFY(std::count(entries[0].begin(), entries[0].end(), 5) == 1);
        QVERIFY(w->close());
    }
    in.state.addmode = true; // the main window's Add opens it again
    auto w = openForm5(in);
    w->findChild<QRadioButton *>("Option2")->setChecked(true);
    w.type("Text8", "1");
    w.button("Command4")->click();
    QCOMPARE(in.dialogs.texts(), (std::vector<std::string> {question, question}));
    QCOMPARE(entryfiles::countOf(in.state.entryfile), 2);
}

void MakingWindowsTest::constraintEditor()
{
    Installation in;
    auto w = openForm5(in);
    auto *frame3 = w->findChild<QGroupBox *>("Frame3");
    QVERIFY(frame3->isHidden());
    w.button("Command2")->click();
    QVERIFY(!frame3->isHidden());
    QVERIFY(w.button("Command3")->isHidden());

    w.type("Text2", "abc");
    w.type("Text3", "-3");
    w.type("Text6", "12");
    w.button("Command7")->click();
    QCOMPARE(in.dialogs.texts(), std::vector<std::string> {"Negative number!"});
    QVERIFY(!frame3->isHidden());
    QCOMPARE(w.text("Text2"), QString());

    w.type("Text3", "0");
    w.type("Text4", "30");
    w.type("Text11", "letters");
    w.button("Command7")->click();
    QCOMPARE(in.dialogs.texts().size(), size_t(1)); // emptied without a message
    QCOMPARE(w.text("Text3"), QString());
    QCOMPARE(w.text("Text4"), QString("30"));
    QCOMPARE(w.text("Text6"), QString("12"));
    QCOMPARE(w.text("Text11"), QString());
    QVERIFY(frame3->isHidden());
    QVERIFY(!w.button("Command3")->isHidden());
    QVERIFY(in.state.constrained);
    QCOMPARE(in.state.mustcontain, (std::array<int16_t, 3> {0, 0, 30}));
    QCOMPARE(in.state.mustnotcontain, (std::array<int16_t, 6> {0, 12, 0, 0, 0, 0}));

    w.button("Command8")->click(); // constraint Clear
    QCOMPARE(w.text("Text4"), QString());
    QCOMPARE(w.text("Text6"), QString());
    QCOMPARE(in.state.mustcontain, (std::array<int16_t, 3> {}));
    QCOMPARE(in.state.mustnotcontain, (std::array<int16_t, 6> {}));
}

void MakingWindowsTest::constraintsShownOnReopening()
{
    Installation in;
    {
        auto w = openForm5(in);
        w.button("Command2")->click();
        w.type("Text2", "12");
        w.type("Text4", "3");
        w.type("Text11", "7");
        w.button("Command7")->click();
        QVERIFY(w->close());
    }
    auto w = openForm5(in);
    const QStringList names {
        "Text2", "Text3", "Text4", "Text5", "Text6", "Text7", "Text9", "Text10", "Text11"};
    QStringList shown;
    for (const QString &name : names)
        shown << w.text(qPrintable(name));
    QCOMPARE(shown, QStringList({"12", "", "3", "", "", "", "", "", "7"}));
}

void MakingWindowsTest::closeClearsWinningLines()
{
    Installation in;
    in.main.winningLines = {"01 02 03 04 05 06 (3)"};
    in.main.winsText = "1";
    auto w = openForm5(in);
    QSignalSpy closedSpy(w.window.data(), &ChildWindow::closed);
    w.button("Command3")->click();
    QCOMPARE(closedSpy.count(), 1);
    QVERIFY(in.main.winningLines.empty());
    QCOMPARE(in.main.winsText, std::string("0"));
}

void MakingWindowsTest::editShowsTwoDigitNumbers()
{
    Installation in;
    in.entries({filler, {3, 9, 14, 27, 33, 41}});
    in.state.editpos = 2;
    auto w = openEdit(in);
    QCOMPARE(w->windowTitle(), QString("Edit Entry"));
    QStringList shown;
    for (int i = 0; i < 6; ++i)
        shown << w.text(qPrintable(QStringLiteral("Text1_%1").arg(i)));
    QCOMPARE(shown, QStringList({"03", "09", "14", "27", "33", "41"}));
}

void MakingWindowsTest::editRefusesDuplicate()
{
    Installation in;
    in.entries({filler, {3, 9, 14, 27, 33, 41}});
    in.state.editpos = 2;
    const auto before = in.fileBytes();
    auto w = openEdit(in);
    QSignalSpy closedSpy(w.window.data(), &ChildWindow::closed);
    w.type("Text1_2", "27");
    w.button("Command6")->click();
    QCOMPARE(
        in.dialogs.texts(), std::vector<std::string> {"One or more of your numbers are the same!"});
    QVERIFY(in.fileBytes() == before);
    QCOMPARE(closedSpy.count(), 0);
    QCOMPARE(in.main.selectedLine, -1);
}

void MakingWindowsTest::editStoresSortedInPlace()
{
    Installation in;
    in.entries({filler, {3, 9, 14, 27, 33, 41}, filler});
    auto records = recordsOf(in.fileBytes());
    records[1].drawno = 5;
    records[1].day = 6;
    records[1].ball[6] = -1;
    writeBytes(in.state.entryfile, bytesOf(records));
    in.state.editpos = 2;
    auto w = openEdit(in);
    QSignalSpy closedSpy(w.window.data(), &ChildWindow::closed);
    typeEntry(w, {"40", "3", "17", "9", "22", "1"});
    w.button("Command6")->click();

    records[1].ball = {1, 3, 9, 17, 22, 40, -1};
    QVERIFY(in.fileBytes() == bytesOf(records));
    QCOMPARE(in.main.entryLines[1], std::string("01 03 09 17 22 40 "));
    QCOMPARE(in.main.selectedLine, 1);
    QCOMPARE(closedSpy.count(), 1);
    QVERIFY(in.dialogs.shown.empty());
}

void MakingWindowsTest::editKeepsRecordOneCount()
{
    Installation in;
    in.entries({{3, 9, 14, 27, 33, 41}, filler, filler});
    in.state.editpos = 1;
    auto w = openEdit(in);
    w.type("Text1_0", "2");
    w.button("Command6")->click();
    const auto after = recordsOf(in.fileBytes());
    QCOMPARE(after[0].count, 3);
    QCOMPARE(after[0].ball[0], int16_t(2));
    QCOMPARE(in.main.entryLines[0], std::string("02 09 14 27 33 41 "));
}

void MakingWindowsTest::editCancel()
{
    Installation in;
    in.entries({filler, {3, 9, 14, 27, 33, 41}});
    in.state.editpos = 2;
    const auto before = in.fileBytes();
    auto w = openEdit(in);
    QSignalSpy closedSpy(w.window.data(), &ChildWindow::closed);
    w.type("Text1_0", "1");
    w.button("Command5")->click();
    QCOMPARE(closedSpy.count(), 1);
    QVERIFY(in.fileBytes() == before);
    QCOMPARE(in.main.selectedLine, -1);
}

QTEST_MAIN(MakingWindowsTest)
#include "making_windows_test.moc"
