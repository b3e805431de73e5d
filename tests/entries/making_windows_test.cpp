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
using Texts = std::vector<std::string>;

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

    explicit Installation(int draws = 30, const std::vector<Entry> &entries = {})
    {
        state.apppath = dir.path();
        state.entryfile = dir.file("Lotto05DEC2026.lot");
        state.addmode = true;
        writeHistory(dir.file("sa.rtl"), makeHistory(draws));
        writeEntries(state.entryfile, entries);
        main.entryCount = std::to_string(entries.size());
        for (const Entry &e : entries)
            main.entryLines.push_back(entryLineText(e));
    }
    std::vector<uint8_t> fileBytes() const { return readBytes(state.entryfile); }
};

// A window under test; one still open at the end is deleted here.
template<class W>
struct Opened
{
    QPointer<W> w;
    explicit Opened(Installation &in) : w(new W(in.state, in.platform, in.main)) { }
    ~Opened() { delete w.data(); }
    W *operator->() const { return w.data(); }
    QLineEdit *box(const QString &name) const { return w->template findChild<QLineEdit *>(name); }
    void type(const QString &name, const QString &text) const { box(name)->setText(text); }
    QString text(const QString &name) const { return box(name)->text(); }
    void click(const char *name) const { w->template findChild<QPushButton *>(name)->click(); }
    bool enabled(const char *name) const
    {
        return w->template findChild<QPushButton *>(name)->isEnabled();
    }
    void choose(const char *option) const
    {
        w->template findChild<QRadioButton *>(option)->setChecked(true);
    }
    void typeEntry(const QStringList &numbers) const
    {
        for (int i = 0; i < 6; ++i)
            type(QStringLiteral("Text1_%1").arg(i), numbers.value(i));
    }
};

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
    void constraintsQuestionOncePerOpening();
    void constraintEditorAndReopening();
    void editChange_data();
    void editChange();
    void editCancel();
};

void MakingWindowsTest::manualAdd_data()
{
    QTest::addColumn<QStringList>("numbers");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("line");
    QTest::newRow("empty box") << QStringList {"1", "2", "3", "4", "5", ""}
                               << "One or more of your entries is not a number!"
                               << "";
    QTest::newRow("pair, then 50 last wins")
        << QStringList {"7", "7", "3", "4", "5", "50"}
        << "One or more of your numbers are out of range for the game!"
        << "";
    QTest::newRow("pair") << QStringList {"7", "3", "7", "4", "5", "6"}
                          << "One or more of your numbers are the same!"
                          << "";
    QTest::newRow("7.6 as 8") << QStringList {"7.6", "1", "2", "3", "4", "5"} << ""
                              << "01 02 03 04 05 08";
    QTest::newRow("2.5 as 2") << QStringList {"2.5", "11", "12", "13", "14", "15"} << ""
                              << "02 11 12 13 14 15";
    QTest::newRow("out of order") << QStringList {"40", "3", "17", "9", "22", "1"} << ""
                                  << "01 03 09 17 22 40";
}

void MakingWindowsTest::manualAdd()
{
    QFETCH(QStringList, numbers);
    QFETCH(QString, message);
    QFETCH(QString, line);
    Installation in(30, {filler, filler});
    auto records = recordsOf(in.fileBytes());
    records[0].drawno = 77; // the new record carries record 1's other fields
    writeBytes(in.state.entryfile, bytesOf(records));
    Opened<Form5> w(in);
    w.typeEntry(numbers);
    w.click("Command6");
    QCOMPARE(w.text("Text1_5"), numbers[5]); // the boxes keep their text

    if (!message.isEmpty()) {
        QCOMPARE(in.dialogs.texts(), Texts {message.toStdString()});
        QVERIFY(in.fileBytes() == bytesOf(records));
        QCOMPARE(in.main.entryLines.size(), size_t(2));
        return;
    }
    QVERIFY(in.dialogs.shown.empty());
    BallRecord added = records[0]; // as record 1 stood before its count went up
    const QStringList numbersStored = line.split(' ');
    for (int i = 0; i < 6; ++i)
        added.ball[static_cast<size_t>(i)] = static_cast<int16_t>(numbersStored[i].toInt());
    records.push_back(added);
    records[0].count = 3;
    QVERIFY(in.fileBytes() == bytesOf(records));
    QCOMPARE(QString::fromStdString(in.main.entryLines.back()), line);
    QCOMPARE(in.main.entryCount, std::string("3"));
}

void MakingWindowsTest::computerAdd_data()
{
    QTest::addColumn<int>("draws");
    QTest::addColumn<bool>("total");
    QTest::addColumn<int>("existing");
    QTest::addColumn<QString>("enterNo");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("added");
    QTest::newRow("total 10 of 10") << 30 << true << 10 << "10"
                                    << "You already have this number of entries or more." << 0;
    QTest::newRow("total 15 of 10") << 30 << true << 10 << "15"
                                    << "" << 5;
    QTest::newRow("additional 2495 + 5") << 30 << false << 2495 << "5"
                                         << "" << 5;
    QTest::newRow("additional 2495 + 6") << 30 << false << 2495 << "6"
                                         << "You are limited to a maximum of 2500 entries" << 0;
    QTest::newRow("total beyond 32767")
        << 30 << true << 10 << "40000"
        << "An entry file can hold at most 32767 entries. Please enter a smaller number in: "
           "Enter No box"
        << 0;
    QTest::newRow("no number")
        << 30 << false << 10 << "none"
        << "You have not specified a number to add. Please enter a number in: Enter No box" << 0;
    QTest::newRow("19 draws") << 19 << false << 10 << "5"
                              << "You do not have sufficient draws in the results file for the "
                                 "computer to suggest entries. You must add them manually using "
                                 "the area above."
                              << 0;
}

void MakingWindowsTest::computerAdd()
{
    QFETCH(int, draws);
    QFETCH(bool, total);
    QFETCH(int, existing);
    QFETCH(QString, enterNo);
    QFETCH(QString, message);
    QFETCH(int, added);
    Installation in(draws, std::vector<Entry>(static_cast<size_t>(existing), filler));
    const auto before = in.fileBytes();
    Opened<Form5> w(in);
    QVERIFY(w->findChild<QRadioButton *>("Option1")->isChecked()); // Total on opening
    w.choose(total ? "Option1" : "Option2");
    w.type("Text8", enterNo);
    w.click("Command4");
    for (const char *name : {"Command3", "Command4", "Command5", "Command6"})
        QVERIFY2(w.enabled(name), name);

    if (!message.isEmpty()) {
        QCOMPARE(in.dialogs.texts(), Texts {message.toStdString()});
        QVERIFY(in.fileBytes() == before);
        return;
    }
    QVERIFY(in.dialogs.shown.empty());
    std::vector<Entry> entries;
    entryfiles::list(in.state.entryfile, entries);
    const size_t count = static_cast<size_t>(existing + added);
    QCOMPARE(entries.size(), count);
    QCOMPARE(in.main.entryCount, std::to_string(count));
    QCOMPARE(in.main.entryLines.size(), count);
    for (size_t i = static_cast<size_t>(existing); i < count; ++i) {
        QVERIFY(std::is_sorted(entries[i].begin(), entries[i].end()));
        QVERIFY(std::adjacent_find(entries[i].begin(), entries[i].end()) == entries[i].end());
        QVERIFY(entries[i].front() >= 1 && entries[i].back() <= 49);
        QCOMPARE(in.main.entryLines[i], entryLineText(entries[i]));
    }
}

void MakingWindowsTest::busyWhileGeneratingAndCancel()
{
    Installation in(30, {filler});
    Opened<Form5> w(in);
    QSignalSpy closedSpy(w.w.data(), &ChildWindow::closed);
    QStringList seen;
    in.main.onLine = [&] {
        for (const char *name : {"Command3", "Command4", "Command5", "Command6", "Command1"})
            seen << QStringLiteral("%1=%2").arg(name).arg(w.enabled(name));
        QVERIFY(!w->close()); // the title bar cannot pull the window from under the run
        w.click("Command1");
    };
    w.choose("Option2");
    w.type("Text8", "5");
    w.click("Command4");
    QCOMPARE(
        seen, QStringList({"Command3=0", "Command4=0", "Command5=0", "Command6=0", "Command1=1"}));
    QCOMPARE(entryfiles::countOf(in.state.entryfile), 2); // stopped after that entry
    QVERIFY(!in.state.cancelflag);
    QCOMPARE(closedSpy.count(), 0);
    QVERIFY(w.enabled("Command3"));
}

void MakingWindowsTest::constraintsQuestionOncePerOpening()
{
    const std::string question = "You currently have contraints. Do you want to continue?";
    Installation in;
    in.state.constrained = true;
    in.state.mustcontain = {5, 0, 0};
    for (int opening = 1; opening <= 2; ++opening) {
        in.state.addmode = true; // set by the main window's Add
        Opened<Form5> w(in);
        w.choose("Option2");
        w.type("Text8", "1");
        in.dialogs.answer(false);
        w.click("Command4");
        w.click("Command4");
        QCOMPARE(in.dialogs.texts(), Texts(static_cast<size_t>(opening), question));
        std::vector<Entry> entries;
        entryfiles::list(in.state.entryfile, entries);
        QCOMPARE(entries.size(), static_cast<size_t>(opening)); // the No stopped the first
        QCOMPARE(std::count(entries.back().begin(), entries.back().end(), 5), 1);
    }
}

void MakingWindowsTest::constraintEditorAndReopening()
{
    Installation in;
    in.main.winningLines = {"01 02 03 04 05 06 (3)"};
    {
        Opened<Form5> w(in);
        auto *frame3 = w->findChild<QGroupBox *>("Frame3");
        auto *close = w->findChild<QPushButton *>("Command3");
        QVERIFY(frame3->isHidden());
        w.click("Command2");
        QVERIFY(!frame3->isHidden() && close->isHidden());

        w.type("Text2", "abc");
        w.type("Text3", "-3");
        w.type("Text6", "12");
        w.click("Command7");
        QCOMPARE(in.dialogs.texts(), Texts {"Negative number!"});
        QVERIFY(!frame3->isHidden());

        w.type("Text3", "0");
        w.type("Text4", "30");
        w.type("Text11", "letters");
        w.click("Command7");
        QCOMPARE(in.dialogs.texts().size(), size_t(1)); // emptied without a message
        QCOMPARE(w.text("Text2"), QString());
        QCOMPARE(w.text("Text3"), QString());
        QCOMPARE(w.text("Text11"), QString());
        QVERIFY(frame3->isHidden() && !close->isHidden());

        QSignalSpy closedSpy(w.w.data(), &ChildWindow::closed);
        w.click("Command3");
        QCOMPARE(closedSpy.count(), 1);
        QVERIFY(in.main.winningLines.empty());
    }
    Opened<Form5> w(in);
    QStringList shown;
    for (const char *name :
        {"Text2", "Text3", "Text4", "Text5", "Text6", "Text7", "Text9", "Text10", "Text11"})
        shown << w.text(name);
    QCOMPARE(shown, QStringList({"", "", "30", "", "12", "", "", "", ""}));

    w.click("Command8"); // constraint Clear
    QCOMPARE(w.text("Text4"), QString());
    QCOMPARE(in.state.mustcontain, (std::array<int16_t, 3> {}));
    QCOMPARE(in.state.mustnotcontain, (std::array<int16_t, 6> {}));
}

void MakingWindowsTest::editChange_data()
{
    QTest::addColumn<int>("editpos");
    QTest::addColumn<QStringList>("numbers");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("line");
    QTest::newRow("duplicate") << 2 << QStringList {"03", "09", "27", "27", "33", "41"}
                               << "One or more of your numbers are the same!"
                               << "";
    QTest::newRow("any order, stored sorted")
        << 2 << QStringList {"40", "3", "17", "9", "22", "1"} << ""
        << "01 03 09 17 22 40 ";
    QTest::newRow("record 1 keeps its count")
        << 1 << QStringList {"2", "09", "14", "27", "33", "41"} << ""
        << "02 09 14 27 33 41 ";
}

void MakingWindowsTest::editChange()
{
    QFETCH(int, editpos);
    QFETCH(QStringList, numbers);
    QFETCH(QString, message);
    QFETCH(QString, line);
    const Entry shown {3, 9, 14, 27, 33, 41};
    Installation in(30, {editpos == 1 ? shown : filler, shown, filler});
    auto records = recordsOf(in.fileBytes());
    records[1].drawno = 5; // fields other than the six numbers stay as they are
    records[1].ball[6] = -1;
    writeBytes(in.state.entryfile, bytesOf(records));
    in.state.editpos = static_cast<int16_t>(editpos);
    Opened<editEntry> w(in);
    QCOMPARE(w->windowTitle(), QString("Edit Entry"));
    QStringList boxes;
    for (int i = 0; i < 6; ++i)
        boxes << w.text(QStringLiteral("Text1_%1").arg(i));
    QCOMPARE(boxes, QStringList({"03", "09", "14", "27", "33", "41"}));

    QSignalSpy closedSpy(w.w.data(), &ChildWindow::closed);
    w.typeEntry(numbers);
    w.click("Command6");
    if (!message.isEmpty()) {
        QCOMPARE(in.dialogs.texts(), Texts {message.toStdString()});
        QVERIFY(in.fileBytes() == bytesOf(records));
        QCOMPARE(closedSpy.count(), 0);
        return;
    }
    const QStringList stored = line.trimmed().split(' ');
    for (int i = 0; i < 6; ++i)
        records[static_cast<size_t>(editpos - 1)].ball[static_cast<size_t>(i)]
            = static_cast<int16_t>(stored[i].toInt());
    QVERIFY(in.fileBytes() == bytesOf(records)); // record 1's count included
    QCOMPARE(QString::fromStdString(in.main.entryLines[static_cast<size_t>(editpos - 1)]), line);
    QCOMPARE(in.main.selectedLine, editpos - 1);
    QCOMPARE(closedSpy.count(), 1);
}

void MakingWindowsTest::editCancel()
{
    Installation in(30, {filler, {3, 9, 14, 27, 33, 41}});
    in.state.editpos = 2;
    const auto before = in.fileBytes();
    Opened<editEntry> w(in);
    QSignalSpy closedSpy(w.w.data(), &ChildWindow::closed);
    w.type("Text1_0", "1");
    w.click("Command5");
    QCOMPARE(closedSpy.count(), 1);
    QVERIFY(in.fileBytes() == before);
    QCOMPARE(in.main.selectedLine, -1);
}

QTEST_MAIN(MakingWindowsTest)
#include "making_windows_test.moc"
