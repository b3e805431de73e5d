#include "tickets/printuklotto.h"

#include "platform/testing/fakes.h"
#include "tests/support/testsupport.h"

#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QtTest>

using namespace pickwise;
using pickwise::testing::readBytes;
using pickwise::testing::TempDir;
using pickwise::testing::writeBytes;

namespace {

struct Fixture
{
    TempDir dir;
    SharedState state;
    FakeDialogs dialogs;
    FakePrinter printer;
    FakeShell shell;
    FixedClock clock;
    ScriptedRandom random;
    Platform platform {dialogs, printer, shell, clock, random};

    Fixture()
    {
        state.apppath = dir.path();
        state.printerok = true;
        state.entryfile = dir.file("Lotto05DEC2026.lot");
    }

    std::string calibFile() const { return dir.file("nprnt.dat"); }
    std::string widthFile() const { return dir.file("nlnwdth.dat"); }

    // The window deletes itself on close; QPointer tells whether it is gone.
    QPointer<PrintUKLotto> open()
    {
        auto *w = new PrintUKLotto(state, platform);
        w->show();
        return w;
    }
};

template<typename T>
T *child(QWidget *w, const char *name)
{
    T *c = w->findChild<T *>(QString::fromLatin1(name));
    if (!c)
        qFatal("no control %s", name);
    return c;
}

void click(QWidget *w, const char *name)
{
    child<QPushButton>(w, name)->click();
}

bool checked(QWidget *w, const char *name)
{
    return child<QRadioButton>(w, name)->isChecked();
}

QString text(QWidget *w, const char *name)
{
    return child<QLineEdit>(w, name)->text();
}

void setText(QWidget *w, const char *name, const QString &value)
{
    QLineEdit *box = child<QLineEdit>(w, name);
    box->clear();
    QTest::keyClicks(box, value);
}

} // namespace

class PrintUKLottoTest : public QObject
{
    Q_OBJECT

private slots:
    void opensWithDefaultsWhenNoSettingsExist();
    void testPrintUsesTheDisplayedSettings();
    void ticketsUseTheSavedSettings();
    void outOfRangeSaveIsRefused();
    void getSettingsDiscardsEdits();
    void closeAsksOnlyAfterAnEdit_data();
    void closeAsksOnlyAfterAnEdit();
    void printButtonsNeedAPrinter();
    void oversizedCorrectionCancelsTheTestPrint();
};

void PrintUKLottoTest::opensWithDefaultsWhenNoSettingsExist()
{
    Fixture f;
    QPointer<PrintUKLotto> w = f.open();
    QCOMPARE(w->windowTitle(), QStringLiteral("Lotto Ticket Printing"));
    QCOMPARE(text(w, "Text1"), QStringLiteral("0"));
    QCOMPARE(text(w, "Text2"), QStringLiteral("0"));
    QVERIFY(checked(w, "Option2")); // Left
    QVERIFY(checked(w, "Option4")); // Down
    QVERIFY(checked(w, "Option6")); // Recommended
    QVERIFY(!w->settingschanged());
    QVERIFY(pickwise::testing::exists(f.calibFile()));
    QVERIFY(pickwise::testing::exists(f.widthFile()));
    QVERIFY(readBytes(f.calibFile()).empty());
    QVERIFY(readBytes(f.widthFile()).empty());
    // Opening prepares the printer and nothing else.
    QCOMPARE(f.printer.ops, (std::vector<std::string> {"font Courier 10", "a4"}));
    delete w;
}

void PrintUKLottoTest::testPrintUsesTheDisplayedSettings()
{
    Fixture f;
    QPointer<PrintUKLotto> w = f.open();
    f.printer.ops.clear();
    click(w, "Command2");
    QCOMPARE(f.dialogs.texts(), std::vector<std::string> {tickets::msg::testPrint});
    const std::vector<std::string> plain = {"width 25", "line 3690.000 715.000 3840.000 715.000",
        "line 2970.000 1131.704 3120.000 1131.704", "line 2970.000 923.352 3120.000 923.352",
        "line 450.000 1131.704 600.000 1131.704", "width 25",
        "line 3330.000 3964.000 3480.000 3964.000", "line 2610.000 4380.704 2760.000 4380.704",
        "line 1890.000 4797.408 2040.000 4797.408", "line 810.000 4172.352 960.000 4172.352",
        "end"};
    QCOMPARE(f.printer.ops, plain);

    // Unsaved edits count: 10 units Up and the thin pen, fractions kept.
    setText(w, "Text2", QStringLiteral("10"));
    child<QRadioButton>(w, "Option3")->click();
    child<QRadioButton>(w, "Option5")->click();
    f.printer.ops.clear();
    click(w, "Command2");
    QCOMPARE(f.printer.ops.size(), plain.size());
    QCOMPARE(f.printer.ops[0], std::string("width 15"));
    QCOMPARE(f.printer.ops[2], std::string("line 2970.000 1187.704 3120.000 1187.704"));
    QVERIFY(readBytes(f.calibFile()).empty());
    delete w;
}

void PrintUKLottoTest::ticketsUseTheSavedSettings()
{
    Fixture f;
    writeBytes(f.calibFile(), {10, 0, 0, 0, 0, 0, 0, 0}); // 10 units Left
    pickwise::testing::writeEntries(f.state.entryfile, {{1, 2, 3, 4, 5, 48}});
    QPointer<PrintUKLotto> w = f.open();
    // Shown but not saved: the amount and the width do not reach the tickets,
    // the shown direction (Right) does.
    setText(w, "Text1", QStringLiteral("30"));
    child<QRadioButton>(w, "Option1")->click();
    child<QRadioButton>(w, "Option7")->click();
    f.printer.ops.clear();
    click(w, "Command5");
    QVERIFY(f.dialogs.shown.empty());
    QCOMPARE(f.printer.ops.size(), 10u);
    QCOMPARE(f.printer.ops[0], std::string("font Courier 10"));
    QCOMPARE(f.printer.ops[2], std::string("width 25"));
    QCOMPARE(f.printer.ops[3], std::string("line 3634.000 715.000 3784.000 715.000"));
    QCOMPARE(f.printer.ops[8], std::string("line 394.000 1132.000 544.000 1132.000"));
    QCOMPARE(f.printer.ops[9], std::string("end"));
    delete w;
}

void PrintUKLottoTest::outOfRangeSaveIsRefused()
{
    Fixture f;
    const std::vector<uint8_t> oldCalib = {3, 0, 4, 0, 0, 0, 0, 0};
    writeBytes(f.calibFile(), oldCalib);
    writeBytes(f.widthFile(), {1, 0});
    QPointer<PrintUKLotto> w = f.open();
    setText(w, "Text1", QStringLiteral("40000"));
    child<QRadioButton>(w, "Option7")->click();
    click(w, "Command1");
    QCOMPARE(f.dialogs.texts(), std::vector<std::string> {tickets::msg::outOfRange});
    QCOMPARE(f.dialogs.shown[0].title, std::string());
    QVERIFY(w->settingschanged());
    QCOMPARE(readBytes(f.calibFile()), oldCalib);
    QCOMPARE(readBytes(f.widthFile()), (std::vector<uint8_t> {1, 0}));
    delete w;
}

void PrintUKLottoTest::getSettingsDiscardsEdits()
{
    Fixture f;
    writeBytes(f.calibFile(), {0xF4, 0xFF, 7, 0, 0xFF, 0xFF, 0, 0});
    writeBytes(f.widthFile(), {3, 0});
    QPointer<PrintUKLotto> w = f.open();
    for (int pass = 0; pass < 2; ++pass) {
        QCOMPARE(text(w, "Text1"), QStringLiteral("-12"));
        QCOMPARE(text(w, "Text2"), QStringLiteral("7"));
        QVERIFY(checked(w, "Option1")); // Right
        QVERIFY(checked(w, "Option4")); // Down
        QVERIFY(checked(w, "Option7")); // Thick
        QVERIFY(!w->settingschanged());
        setText(w, "Text1", QStringLiteral("99"));
        child<QRadioButton>(w, "Option2")->click();
        child<QRadioButton>(w, "Option3")->click();
        child<QRadioButton>(w, "Option5")->click();
        click(w, "Command6");
    }
    delete w;
}

void PrintUKLottoTest::closeAsksOnlyAfterAnEdit_data()
{
    QTest::addColumn<bool>("edit");
    QTest::addColumn<bool>("byTitleBar");
    QTest::addColumn<bool>("answer");

    QTest::newRow("no edit") << false << false << true;
    QTest::newRow("edit, No") << true << false << false;
    QTest::newRow("edit, Yes") << true << false << true;
    QTest::newRow("title bar, Yes") << true << true << true;
}

void PrintUKLottoTest::closeAsksOnlyAfterAnEdit()
{
    QFETCH(bool, edit);
    QFETCH(bool, byTitleBar);
    QFETCH(bool, answer);

    Fixture f;
    const std::vector<uint8_t> oldCalib = {3, 0, 4, 0, 0, 0, 0, 0};
    writeBytes(f.calibFile(), oldCalib);
    QPointer<PrintUKLotto> w = f.open();
    QSignalSpy closed(w.data(), &ChildWindow::closed);
    if (edit) {
        setText(w, "Text1", QStringLiteral("12.5"));
        setText(w, "Text2", QStringLiteral("13.5"));
        child<QRadioButton>(w, "Option1")->click();
        child<QRadioButton>(w, "Option3")->click();
        child<QRadioButton>(w, "Option5")->click();
    }
    f.dialogs.answer(answer);
    if (byTitleBar)
        w->close();
    else
        click(w, "Command4");

    QCOMPARE(closed.count(), 1);
    QTRY_VERIFY(w.isNull()); // deleted on close
    if (!edit) {
        QVERIFY(f.dialogs.shown.empty());
        QCOMPARE(readBytes(f.calibFile()), oldCalib);
        return;
    }
    QCOMPARE(f.dialogs.shown.size(), 1u);
    QVERIFY(f.dialogs.shown[0].question);
    QCOMPARE(f.dialogs.shown[0].text, std::string(tickets::msg::saveOnClose));
    QCOMPARE(f.dialogs.shown[0].title, std::string("Pickwise"));
    if (answer) {
        QCOMPARE(readBytes(f.calibFile()),
            (std::vector<uint8_t> {12, 0, 14, 0, 0xFF, 0xFF, 0xFF, 0xFF}));
        QCOMPARE(readBytes(f.widthFile()), (std::vector<uint8_t> {1, 0}));
    } else {
        QCOMPARE(readBytes(f.calibFile()), oldCalib);
        QVERIFY(readBytes(f.widthFile()).empty());
    }
}

void PrintUKLottoTest::printButtonsNeedAPrinter()
{
    Fixture f;
    f.state.printerok = false;
    QPointer<PrintUKLotto> w = f.open();
    QVERIFY(!child<QPushButton>(w, "Command2")->isEnabled());
    QVERIFY(!child<QPushButton>(w, "Command5")->isEnabled());
    QVERIFY(child<QPushButton>(w, "Command1")->isEnabled());
    QVERIFY(f.printer.ops.empty());
    delete w;
}

void PrintUKLottoTest::oversizedCorrectionCancelsTheTestPrint()
{
    Fixture f;
    QPointer<PrintUKLotto> w = f.open();
    setText(w, "Text1", QStringLiteral("3000")); // 16800 twips: off the page
    f.printer.ops.clear();
    click(w, "Command2");
    QCOMPARE(f.dialogs.texts(),
        (std::vector<std::string> {tickets::msg::testPrint, tickets::msg::correctionTooLarge}));
    QCOMPARE(f.printer.ops, std::vector<std::string> {"end"});
    delete w;
}

QTEST_MAIN(PrintUKLottoTest)
#include "printuklotto_test.moc"
