#include "tickets/printuklotto.h"

#include "tests/support/installation.h"

#include <QLineEdit>

#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QtTest>
#include <algorithm>

using namespace pickwise;
using namespace pickwise::testing;

namespace {

// The play-slip window over an installation (deleted on close, hence the
// QPointer) and its controls by name. Its day, Saturday 5 December 2015, is
// one of the 6 of 49 game, whose slips the program prints.
struct SlipWindow : Installation
{
    explicit SlipWindow(
        std::vector<uint8_t> calib = {}, std::vector<uint8_t> width = {}, bool printerok = true)
        : Installation({2015, 12, 5})
    {
        context.printerok = printerok;
        if (!calib.empty())
            writeBytes(calibFile(), calib);
        if (!width.empty())
            writeBytes(widthFile(), width);
        w = new PrintUKLotto(context);
        w->show();
    }
    ~SlipWindow() { delete w; }

    std::string calibFile() const { return paths.calibration(); }
    std::string widthFile() const { return paths.lineWidth(); }
    QString text(const char *name) const { return w->findChild<QLineEdit *>(name)->text(); }
    bool checked(const char *name) const { return w->findChild<QRadioButton *>(name)->isChecked(); }
    void click(const char *name) const { w->findChild<QAbstractButton *>(name)->click(); }
    void type(const char *name, const QString &value) const
    {
        QLineEdit *box = w->findChild<QLineEdit *>(name);
        box->clear();
        QTest::keyClicks(box, value);
    }

    QPointer<PrintUKLotto> w;
};

} // namespace

class PrintUKLottoTest : public QObject
{
    Q_OBJECT

private slots:
    void opensWithDefaultsWhenNoSettingsExist()
    {
        SlipWindow r;
        QCOMPARE(r.text("Text1"), QStringLiteral("0"));
        QCOMPARE(r.text("Text2"), QStringLiteral("0"));
        QVERIFY(r.checked("Option2") && r.checked("Option4") && r.checked("Option6"));
        QVERIFY(!r.w->settingschanged());
        QVERIFY(exists(r.calibFile()) && readBytes(r.calibFile()).empty());
        QVERIFY(exists(r.widthFile()) && readBytes(r.widthFile()).empty());
        // Each printout carries its own page set-up; opening sets up nothing.
        QVERIFY(r.printer.ops.empty());

        SlipWindow noPrinter({}, {}, false);
        QVERIFY(!noPrinter.w->findChild<QPushButton *>("Command2")->isEnabled());
        QVERIFY(!noPrinter.w->findChild<QPushButton *>("Command5")->isEnabled());
    }

    void testPrintUsesTheDisplayedSettings()
    {
        SlipWindow r;
        r.printer.ops.clear();
        r.click("Command2");
        QCOMPARE(r.dialogs.texts(), std::vector<std::string> {tickets::msg::testPrint});
        const std::vector<std::string> plain = {"font Courier 10", "a4", "width 25",
            "line 3690.000 715.000 3840.000 715.000", "line 2970.000 1131.704 3120.000 1131.704",
            "line 2970.000 923.352 3120.000 923.352", "line 450.000 1131.704 600.000 1131.704",
            "width 25", "line 3330.000 3964.000 3480.000 3964.000",
            "line 2610.000 4380.704 2760.000 4380.704", "line 1890.000 4797.408 2040.000 4797.408",
            "line 810.000 4172.352 960.000 4172.352", "end"};
        QCOMPARE(r.printer.ops, plain);
        QCOMPARE(r.printer.documents,
            std::vector<std::string> {"Pickwise test print 2015-12-05 10-00-00"});

        // Unsaved edits count: 10 units Up and the thin pen, fractions kept.
        r.type("Text2", QStringLiteral("10"));
        r.click("Option3");
        r.click("Option5");
        r.printer.ops.clear();
        r.click("Command2");
        QCOMPARE(r.printer.ops.size(), plain.size());
        QCOMPARE(r.printer.ops[2], std::string("width 15"));
        QCOMPARE(r.printer.ops[4], std::string("line 2970.000 1187.704 3120.000 1187.704"));
        QVERIFY(readBytes(r.calibFile()).empty());

        // 3000 units move the pattern off the page: nothing is drawn.
        r.type("Text1", QStringLiteral("3000"));
        r.dialogs.clear();
        r.printer.ops.clear();
        r.click("Command2");
        QCOMPARE(r.dialogs.lastText(), std::string(tickets::msg::correctionTooLarge));
        QVERIFY(r.printer.ops.empty());
    }

    void thePreviewFollowsTheSettingsAsTheyChange()
    {
        SlipWindow r;
        writeEntries(r.session.entryfile(), {{1, 2, 3, 4, 5, 48}});
        r.printer.previewChoice = FakePrinter::PreviewChoice::Look;
        const auto firstMark = [&r] {
            const PrintDocument &shown = r.printer.previews.back();
            const auto line = std::find_if(shown.ops.begin(), shown.ops.end(),
                [](const PrintOp &op) { return op.kind == PrintOp::Line; });
            return line == shown.ops.end() ? tickets::Mark {-1, -1}
                                           : tickets::Mark {line->x1, line->y1};
        };
        const auto moved = [](int lr, bool right, int n) {
            return tickets::markPosition(
                n, 1, tickets::correctionFor(lr, right, 0, false, tickets::calibrationUnit));
        };

        r.click("Command2");
        QCOMPARE(r.printer.previews.size(), size_t(1));
        QVERIFY(r.printer.ops.empty());
        // The slip is drawn under the marks: eight boards of 49 boxes.
        QCOMPARE(r.printer.previews[0].underlay.size(), size_t(8 * 50));
        QCOMPARE(firstMark().x, moved(0, false, 1).x);

        // Each change shows at once: the box emptied, "1", then "12" units.
        r.type("Text1", QStringLiteral("12"));
        QCOMPARE(r.printer.previews.size(), size_t(4));
        QCOMPARE(firstMark().x, moved(12, false, 1).x);
        r.click("Option1"); // Right
        QCOMPARE(firstMark().x, moved(12, true, 1).x);
        r.click("Option7");
        QCOMPARE(r.printer.previews.back().ops[2], (PrintOp {PrintOp::Width, {}, 35}));
        QVERIFY(r.printer.ops.empty());

        // "Print Tickets" takes its place; it follows the directions shown but
        // keeps the saved amounts (none here), as it prints.
        r.click("Command5");
        const size_t shown = r.printer.previews.size();
        QCOMPARE(firstMark().x, tickets::wholeTwips(moved(0, true, 1)).x);
        r.type("Text1", QStringLiteral("7"));
        QCOMPARE(r.printer.previews.size(), shown + 2);
        QCOMPARE(firstMark().x, tickets::wholeTwips(moved(0, true, 1)).x);
        r.click("Option2");
        QCOMPARE(firstMark().x, tickets::wholeTwips(moved(0, false, 1)).x);

        // The preview goes when the window goes.
        QVERIFY(r.printer.previewOpen());
        r.dialogs.answer(false);
        r.click("Command4");
        QVERIFY(!r.printer.previewOpen());
    }

    void printingFromThePreviewOrDirectly()
    {
        // Print in the preview: printed, the preview closed, later edits draw
        // nothing more.
        SlipWindow r;
        r.click("Command2");
        QCOMPARE(r.printer.previews.size(), size_t(1));
        QCOMPARE(r.printer.documents.size(), size_t(1));
        QVERIFY(!r.printer.previewOpen());
        r.type("Text1", QStringLiteral("5"));
        QCOMPARE(r.printer.previews.size(), size_t(1));
        QCOMPARE(r.printer.documents.size(), size_t(1));

        // "Print directly" chosen: no preview at all.
        SlipWindow direct;
        writeBytes(direct.paths.printDirectly(), {'1'});
        direct.click("Command3");
        QVERIFY(direct.printer.previews.empty());
        QCOMPARE(direct.printer.documents,
            std::vector<std::string> {"Pickwise alignment print 2015-12-05 10-00-00"});
    }

    void ticketsUseTheSavedAmountsAndTheShownDirections()
    {
        SlipWindow r({10, 0, 0, 0, 0, 0, 0, 0}); // 10 units Left
        writeEntries(r.session.entryfile(), {{1, 2, 3, 4, 5, 48}});
        r.type("Text1", QStringLiteral("30"));
        r.click("Option1"); // Right
        r.click("Option7");
        r.printer.ops.clear();
        r.click("Command5");
        QVERIFY(r.dialogs.shown.empty());
        QCOMPARE(r.printer.ops.size(), 10u);
        QCOMPARE(r.printer.ops[2], std::string("width 25"));
        QCOMPARE(r.printer.ops[3], std::string("line 3634.000 715.000 3784.000 715.000"));
        QCOMPARE(r.printer.ops[8], std::string("line 394.000 1132.000 544.000 1132.000"));
        QCOMPARE(r.printer.documents,
            std::vector<std::string> {"Pickwise play slips Lotto05DEC2015 2015-12-05 10-00-00"});
    }

    void outOfRangeSaveIsRefusedAndGetSettingsDiscardsEdits()
    {
        const std::vector<uint8_t> oldCalib {0xF4, 0xFF, 7, 0, 0xFF, 0xFF, 0, 0};
        SlipWindow r(oldCalib, {3, 0});
        for (int pass = 0; pass < 2; ++pass) {
            QCOMPARE(r.text("Text1"), QStringLiteral("-12"));
            QCOMPARE(r.text("Text2"), QStringLiteral("7"));
            QVERIFY(r.checked("Option1") && r.checked("Option4") && r.checked("Option7"));
            QVERIFY(!r.w->settingschanged());
            r.type("Text1", QStringLiteral("40000"));
            r.click("Option2");
            r.click("Option3");
            r.click("Option5");
            r.click("Command1");
            QCOMPARE(r.dialogs.lastText(), std::string(tickets::msg::outOfRange));
            QVERIFY(r.w->settingschanged());
            QCOMPARE(readBytes(r.calibFile()), oldCalib);
            QCOMPARE(readBytes(r.widthFile()), (std::vector<uint8_t> {3, 0}));
            r.click("Command6");
        }
    }

    void closeAsksOnlyAfterAnEdit_data()
    {
        QTest::addColumn<bool>("edit");
        QTest::addColumn<bool>("answer");
        QTest::newRow("no edit") << false << true;
        QTest::newRow("edit, No") << true << false;
        QTest::newRow("edit, Yes by the title bar") << true << true;
    }
    void closeAsksOnlyAfterAnEdit()
    {
        QFETCH(bool, edit);
        QFETCH(bool, answer);
        const std::vector<uint8_t> oldCalib = {3, 0, 4, 0, 0, 0, 0, 0};
        SlipWindow r(oldCalib);
        QSignalSpy closed(r.w.data(), &ChildWindow::closed);
        if (edit) {
            r.type("Text1", QStringLiteral("12.5"));
            r.type("Text2", QStringLiteral("13.5"));
            r.click("Option1");
            r.click("Option3");
            r.click("Option5");
        }
        r.dialogs.answer(answer);
        if (edit && answer)
            r.w->close();
        else
            r.click("Command4");
        QCOMPARE(closed.count(), 1);
        QTRY_VERIFY(r.w.isNull());

        const std::vector<std::string> asked {tickets::msg::saveOnClose};
        QCOMPARE(r.dialogs.texts(), edit ? asked : std::vector<std::string>());
        if (edit)
            QVERIFY(r.dialogs.shown[0].question && r.dialogs.shown[0].title == "Pickwise");
        const bool saved = edit && answer;
        const std::vector<uint8_t> newCalib {12, 0, 14, 0, 0xFF, 0xFF, 0xFF, 0xFF};
        QCOMPARE(readBytes(r.calibFile()), saved ? newCalib : oldCalib);
        const std::vector<uint8_t> thin {1, 0};
        QCOMPARE(readBytes(r.widthFile()), saved ? thin : std::vector<uint8_t>());
    }
};

QTEST_MAIN(PrintUKLottoTest)
#include "printuklotto_test.moc"
