#include "tests/support/mainwindow.h"

#include "mainwindow/artwork.h"

#include <QCheckBox>
#include <QComboBox>

#include <cmath>

using namespace pickwise;
using namespace pickwise::testing;

namespace {

const Date today {2015, 12, 5}; // a Saturday of the 6 of 49 game

// Seventeen draws from 4 January 2003; the last moved to 5 March 2003 (still
// after the sixteenth, 26 February) with known balls.
std::vector<BallRecord> seventeenDraws()
{
    auto draws = makeHistory(17, {2003, 1, 4});
    draws[16] = drawRecord(0, 17, {2003, 3, 5}, {1, 5, 12, 23, 34, 45, 7});
    return draws;
}

} // namespace

class WindowsTest : public QObject
{
    Q_OBJECT

private slots:
    void addDrawStoresSortedAndRefuses();
    void addResultRefusesBadNumbers();
    void addResultReadsADecimalPointInADecimalCommaLocale();
    void drawHistoryListsAndPicksADate();
    void printerSelectionEnablesPrinting();
    void printoutsArePreviewedUnlessPrintedDirectly();
    void ballPicturesFollowThePixelRatio();
};

static void typeDraw(QWidget *form2, const QStringList &numbers)
{
    for (int i = 0; i < 7; ++i)
        form2->findChild<QLineEdit *>(QStringLiteral("Text%1").arg(i + 1))->setText(numbers[i]);
}

static void clickIn(QWidget *window, const char *name)
{
    window->findChild<QPushButton *>(QString::fromUtf8(name))->click();
}

void WindowsTest::addDrawStoresSortedAndRefuses()
{
    MainWindow rig(today);
    const auto history = makeHistory(3, {2003, 1, 4});
    writeHistory(rig.file("sa.rtl"), history);
    rig.start();

    rig.click("Command1");
    QWidget *form2 = MainWindow::window("Form2");
    QVERIFY(form2);
    QCOMPARE(form2->windowTitle(), QStringLiteral("Draw Result for  5/ 12/ 2015"));
    QVERIFY(!rig.form->isEnabled());
    typeDraw(form2, {"7", "3", "49", "1", "20", "11", "5"});
    clickIn(form2, "Command1");
    QVERIFY(rig.dialogs.shown.empty()); // a Saturday: no question
    QVERIFY(!MainWindow::window("Form2"));
    QVERIFY(rig.form->isEnabled());

    // Appended after the 2003 draws: record 1's count and the new record's
    // count (the buffer it was built in) both read 4.
    auto expected = history;
    expected[0].count = 4;
    expected.push_back(drawRecord(4, 4, today, {1, 3, 7, 11, 20, 49, 5}));
    QCOMPARE(readBytes(rig.file("sa.rtl")), bytesOf(expected));
    QVERIFY(rig.ballsShown());
    QCOMPARE(rig.session.winballs(), (Draw {1, 3, 7, 11, 20, 49, 5}));
    QCOMPARE(rig.session.drawpos(), int16_t(0));

    rig.click("Command1");
    QCOMPARE(rig.said(),
        Texts({"There is already a draw result for this date and game. Delete "
               "the draw first if you want to change it."}));
    QVERIFY(!MainWindow::window("Form2"));

    // Deleting it straight away looks it up first.
    rig.click("Command2");
    expected.pop_back();
    expected[0].count = 3;
    auto left = readBytes(rig.file("sa.rtl"));
    left.resize(3 * 26); // the stale fourth record stays beyond the count
    QCOMPARE(left, bytesOf(expected));
    QVERIFY(!rig.ballsShown());

    // Tuesday 1 December 2015, answered No.
    rig.setDate("DTPicker1", 2015, 12, 1);
    rig.dialogs.clear();
    rig.dialogs.answer(false);
    rig.click("Command1");
    QCOMPARE(rig.said(),
        Texts({"You are entering results for a day that is not Saturday or "
               "Wednesday. Are you sure you want to continue?"}));
    QVERIFY(!MainWindow::window("Form2"));
    QVERIFY(rig.form->isEnabled());
}

void WindowsTest::addResultRefusesBadNumbers()
{
    const std::pair<QStringList, const char *> cases[] = {
        {{"7", "3", "49", "1", "20", "11", "3"}, "You have duplicate numbers"},
        {{"7", "3", "", "1", "20", "11", "5"},
            "One or more of your main numbers is not in the correct range"},
    };
    for (const auto &[numbers, message] : cases) {
        MainWindow rig(today);
        writeHistory(rig.file("sa.rtl"), makeHistory(3));
        rig.start();
        const auto before = readBytes(rig.file("sa.rtl"));
        rig.click("Command1");
        QWidget *form2 = MainWindow::window("Form2");
        typeDraw(form2, numbers);
        clickIn(form2, "Command1");
        QCOMPARE(rig.said(), Texts({message}));
        QCOMPARE(MainWindow::window("Form2"), form2); // stays open for a correction

        // Cancel then stores nothing.
        typeDraw(form2, {"7", "3", "49", "1", "20", "11", "5"});
        clickIn(form2, "Command2");
        QVERIFY(!MainWindow::window("Form2"));
        QVERIFY(rig.form->isEnabled());
        QCOMPARE(readBytes(rig.file("sa.rtl")), before);
        QVERIFY(!rig.ballsShown());
    }
}

// The window system sets the C library's locale from the environment; a German
// desktop must not turn "49.6" into 49 or "7.5" into 7.
void WindowsTest::addResultReadsADecimalPointInADecimalCommaLocale()
{
    ScopedLocale german(decimalCommaLocale);
    QVERIFY2(german.ok(), "de_DE.UTF-8 is not installed: run scripts/install-deps.sh");
    MainWindow rig(today);
    writeHistory(rig.file("sa.rtl"), makeHistory(3));
    rig.start();
    const auto before = readBytes(rig.file("sa.rtl"));
    rig.click("Command1");
    QWidget *form2 = MainWindow::window("Form2");
    typeDraw(form2, {"7", "3", "49.6", "1", "20", "11", "5"});
    clickIn(form2, "Command1");
    QCOMPARE(rig.said(), Texts({"One or more of your main numbers is not in the correct range"}));
    QCOMPARE(readBytes(rig.file("sa.rtl")), before);

    typeDraw(form2, {"7.5", "3", "49.4", "1", "20", "11", "5"});
    clickIn(form2, "Command1");
    QVERIFY(!MainWindow::window("Form2"));
    QCOMPARE(recordsOf(readBytes(rig.file("sa.rtl"))).back().ball, (Draw {1, 3, 8, 11, 20, 49, 5}));
}

void WindowsTest::drawHistoryListsAndPicksADate()
{
    MainWindow rig(today);
    rig.start();
    // No results: nothing listed, nothing to print.
    rig.trigger("mnuhistory");
    QWidget *form3 = MainWindow::window("Form3");
    QCOMPARE(form3->findChild<QListWidget *>(QStringLiteral("List1"))->count(), 0);
    clickIn(form3, "Command2");
    QCOMPARE(rig.said(), Texts({"There is no list to print!"}));
    QVERIFY(rig.printer.ops.size() <= 1); // at most the printer chosen at start-up
    form3->close(); // the title bar's close does what Close does
    QVERIFY(rig.form->isEnabled());

    writeHistory(rig.file("sa.rtl"), seventeenDraws());
    rig.trigger("mnuhistory");
    form3 = MainWindow::window("Form3");
    QCOMPARE(form3->windowTitle(), QStringLiteral("Draw Results for Lotto"));
    QVERIFY(!rig.form->isEnabled());
    auto *list = form3->findChild<QListWidget *>(QStringLiteral("List1"));
    QCOMPARE(list->count(), 17);
    QCOMPARE(list->item(16)->text(), QStringLiteral("00017 05 03 2003: 01 05 12 23 34 45 B 07"));
    clickIn(form3, "Command2");
    QCOMPARE(rig.printer.documents, Texts({"Pickwise draw history 2015-12-05 10-00-00"}));

    // A double-click picks the date and shows its draw at once.
    QVERIFY(QTest::qWaitForWindowExposed(form3));
    list->scrollToItem(list->item(16));
    const QPoint at = list->visualItemRect(list->item(16)).center();
    // The view reacts to a double-click only on the line the first click pressed.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    QCOMPARE(rig.find<QDateEdit>("DTPicker1")->date(), QDate(2003, 3, 5));
    QVERIFY(MainWindow::window("Form3"));
    QVERIFY(rig.ballsShown());
    QCOMPARE(rig.session.drawpos(), int16_t(17));
    QCOMPARE(rig.session.winballs(), (Draw {1, 5, 12, 23, 34, 45, 7}));

    clickIn(form3, "Command1");
    QVERIFY(!MainWindow::window("Form3"));
    QVERIFY(rig.form->isEnabled());
    QCOMPARE(rig.session.drawpos(), int16_t(17));
    QCOMPARE(rig.session.winballs(), (Draw {1, 5, 12, 23, 34, 45, 7}));
}

void WindowsTest::printerSelectionEnablesPrinting()
{
    MainWindow rig(today);
    rig.printer.printers = {};
    writeHistory(rig.file("sa.rtl"), {drawRecord(1, 1, today, {3, 9, 14, 27, 33, 41, 7})});
    writeEntries(rig.todayFile(), {{3, 9, 14, 27, 33, 7}, {1, 2, 4, 5, 6, 8}});
    rig.start();
    QVERIFY(!rig.find<QPushButton>("Command10")->isEnabled());

    // No printer installed: closing the selection changes nothing.
    rig.trigger("mnuselprinter");
    QWidget *form11 = MainWindow::window("Form11");
    QCOMPARE(form11->windowTitle(), QStringLiteral("Printer Selection"));
    auto *combo = form11->findChild<QComboBox *>(QStringLiteral("Combo1"));
    QCOMPARE(combo->count(), 1);
    QCOMPARE(combo->currentText(), QStringLiteral("No Printers Installed"));
    clickIn(form11, "Command1");
    QVERIFY(!rig.context.printerok);
    QVERIFY(!rig.find<QPushButton>("Command9")->isEnabled());
    QVERIFY(readBytes(rig.file("print.dat")).empty());
    QVERIFY(rig.form->isEnabled());

    rig.printer.printers = {"Office", "Label Writer"};
    rig.trigger("mnuselprinter");
    form11 = MainWindow::window("Form11");
    combo = form11->findChild<QComboBox *>(QStringLiteral("Combo1"));
    QCOMPARE(combo->count(), 2);
    QCOMPARE(combo->currentText(), QStringLiteral("Office"));
    combo->setCurrentIndex(1);
    clickIn(form11, "Command1");

    const auto saved = readBytes(rig.file("print.dat"));
    std::string expected = "Label Writer";
    expected.resize(255, ' ');
    QCOMPARE(std::string(saved.begin(), saved.end()), expected);
    QCOMPARE(rig.printer.current, std::string("Label Writer"));
    QVERIFY(rig.context.printerok);

    // Both buttons now print their own list.
    const std::string indent(16, ' ');
    rig.click("Command10");
    QCOMPARE(rig.printer.ops.at(rig.printer.ops.size() - 2),
        "text " + indent + "03 09 14 27 33 07 (5+B)");
    rig.click("Command9");
    QCOMPARE(
        rig.printer.ops.at(rig.printer.ops.size() - 2), "text " + indent + "01 02 04 05 06 08");
    // Each job says what it is and when it was printed.
    QCOMPARE(rig.printer.documents,
        Texts({"Pickwise winning lines 05DEC2015 2015-12-05 10-00-00",
            "Pickwise entries Lotto05DEC2015 2015-12-05 10-00-00"}));

    // A printer that does not take the job: one message, nothing else.
    rig.printer.refuses = true;
    rig.dialogs.clear();
    rig.click("Command9");
    QCOMPARE(rig.said(),
        Texts({"The printer Label Writer did not take the print job, so nothing was printed. "
               "Check that it is ready, or choose another printer under File > Select Printer."}));
    rig.printer.refuses = false;

    // Next time the saved printer is the one offered.
    rig.trigger("mnuselprinter");
    form11 = MainWindow::window("Form11");
    QCOMPARE(form11->findChild<QComboBox *>(QStringLiteral("Combo1"))->currentText(),
        QStringLiteral("Label Writer"));
    form11->close();
}

void WindowsTest::printoutsArePreviewedUnlessPrintedDirectly()
{
    MainWindow rig(today);
    writeEntries(rig.todayFile(), {{1, 2, 4, 5, 6, 8}});
    rig.start();
    rig.printer.previewChoice = FakePrinter::PreviewChoice::Look;

    // The list's preview first; nothing printed until the user says so.
    rig.click("Command9");
    QCOMPARE(rig.printer.previews.size(), size_t(1));
    QCOMPARE(rig.printer.previews[0].name,
        std::string("Pickwise entries Lotto05DEC2015 2015-12-05 10-00-00"));
    QCOMPARE(rig.printer.previews[0].ops.back().text, std::string(16, ' ') + "01 02 04 05 06 08");
    QVERIFY(rig.printer.documents.empty());

    // "Print directly", kept beside the printer's name, not in print.dat.
    rig.trigger("mnuselprinter");
    QWidget *form11 = MainWindow::window("Form11");
    auto *direct = form11->findChild<QCheckBox *>(QStringLiteral("Check1"));
    QCOMPARE(direct->text(), QStringLiteral("Print directly"));
    QVERIFY(!direct->isChecked());
    direct->setChecked(true);
    clickIn(form11, "Command1");
    QCOMPARE(readBytes(rig.file("printdirect.dat")), std::vector<uint8_t> {'1'});
    QCOMPARE(readBytes(rig.file("print.dat")).size(), size_t(255));
    rig.click("Command9");
    QCOMPARE(rig.printer.previews.size(), size_t(1));
    QCOMPARE(rig.printer.documents.size(), size_t(1));

    // Shown as saved next time, and switched back off.
    rig.trigger("mnuselprinter");
    form11 = MainWindow::window("Form11");
    direct = form11->findChild<QCheckBox *>(QStringLiteral("Check1"));
    QVERIFY(direct->isChecked());
    direct->setChecked(false);
    clickIn(form11, "Command1");
    QCOMPARE(readBytes(rig.file("printdirect.dat")), std::vector<uint8_t> {'0'});
    rig.click("Command9");
    QCOMPARE(rig.printer.previews.size(), size_t(2));
    QCOMPARE(rig.printer.documents.size(), size_t(1));
}

void WindowsTest::ballPicturesFollowThePixelRatio()
{
    for (qreal dpr : {1.0, 2.0}) {
        const QPixmap main = artwork::ballPixmap(7, false, dpr);
        const QPixmap bonus = artwork::ballPixmap(7, true, dpr);
        QCOMPARE(main.deviceIndependentSize(), QSizeF(35, 35));
        QCOMPARE(main.size(), QSize(35, 35) * dpr);
        // Near the rim, where no number is drawn, the two sets differ clearly.
        const QPoint rim(int(6 * dpr), int(17 * dpr));
        const QColor m = main.toImage().pixelColor(rim);
        const QColor b = bonus.toImage().pixelColor(rim);
        QVERIFY2(std::abs(m.hue() - b.hue()) > 30, qPrintable(m.name() + " " + b.name()));
        // Different numbers make different pictures.
        QVERIFY(main.toImage() != artwork::ballPixmap(8, false, dpr).toImage());
    }
}

QTEST_MAIN(WindowsTest)
#include "windows_test.moc"
