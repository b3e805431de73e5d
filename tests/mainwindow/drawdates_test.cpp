#include "entries/form6.h"
#include "entries/linkprocess.h"
#include "fileops/form30.h"
#include "tests/support/controls.h"
#include "tests/support/mainwindow.h"

#include "core/results.h"

#include <QCalendarWidget>

#include <filesystem>

using namespace pickwise;
using namespace pickwise::testing;

namespace {

bool bold(QDateEdit *picker, const QDate &date)
{
    return picker->calendarWidget()->dateTextFormat(date).fontWeight() == QFont::Bold;
}

// The dates among these that a picker shows in bold.
QList<QDate> boldOf(QDateEdit *picker, const QList<QDate> &dates)
{
    QList<QDate> found;
    for (const QDate &d : dates)
        if (bold(picker, d))
            found << d;
    return found;
}

} // namespace

class DrawDatesTest : public QObject
{
    Q_OBJECT

private slots:
    void calendarsShowTheDrawDatesAsTheyChange()
    {
        // Draws on Saturday 4, Wednesday 8 and Saturday 11 January 2003.
        MainWindow rig({2003, 1, 15});
        rig.history(3, {2003, 1, 4});
        rig.start();
        const QList<QDate> days {QDate(2003, 1, 4), QDate(2003, 1, 5), QDate(2003, 1, 8),
            QDate(2003, 1, 11), QDate(2003, 1, 15)};
        const QList<QDate> held {QDate(2003, 1, 4), QDate(2003, 1, 8), QDate(2003, 1, 11)};
        auto *draw = rig.find<QDateEdit>("DTPicker1");
        auto *entries = rig.find<QDateEdit>("DTPicker2");
        QCOMPARE(boldOf(draw, days), held);
        QCOMPARE(boldOf(entries, days), held);

        // Added for today's date through Add Result.
        rig.click("Command1");
        QWidget *form2 = MainWindow::window("Form2");
        QVERIFY(form2);
        for (int i = 1; i <= 7; ++i)
            type(form2, QStringLiteral("Text%1").arg(i), QString::number(i));
        click(form2, "Command1");
        QCOMPARE(boldOf(draw, days), held + QList<QDate> {QDate(2003, 1, 15)});
        QCOMPARE(boldOf(entries, days), held + QList<QDate> {QDate(2003, 1, 15)});

        // Deleted again, and another deleted through the main window.
        rig.click("Command2");
        rig.setDate("DTPicker1", 2003, 1, 8);
        rig.click("Command2");
        QCOMPARE(boldOf(draw, days), (QList<QDate> {QDate(2003, 1, 4), QDate(2003, 1, 11)}));
        QCOMPARE(boldOf(entries, days), (QList<QDate> {QDate(2003, 1, 4), QDate(2003, 1, 11)}));

        // Written by another window (a download): shown at the next lookup.
        rig.history(3, {2003, 1, 4});
        rig.setDate("DTPicker1", 2003, 1, 4);
        QCOMPARE(boldOf(draw, days), held);

        // History Check, and the windows that date the entries they write, pick
        // their dates from the same draws.
        Opened<Form6> check(rig.context);
        Opened<LinkProcess> optimiser(rig.context);
        Opened<Form30> importTxt(rig.context);
        for (QDateEdit *picker :
            {child<QDateEdit>(check, "DTPicker1"), child<QDateEdit>(check, "DTPicker2"),
                child<QDateEdit>(optimiser, "DTPicker1"), child<QDateEdit>(importTxt, "DTPicker1")})
            QCOMPARE(boldOf(picker, days), held);
    }

    void firstStartShowsTheShippedDraws()
    {
        // The results and prize files the build made from the shipped draws.
        MainWindow rig({2024, 11, 20});
        std::filesystem::copy_file(SHIPPED_RESULTS, rig.paths.results());
        std::filesystem::copy_file(SHIPPED_PRIZES, rig.paths.prizes());
        rig.start();
        QCOMPARE(results::drawCount(rig.paths.results()), 985);
        // Whole, each draw of its date's game (up to 52 from 2 August 2017): nothing to tell.
        QCOMPARE(rig.said(), Texts());

        rig.setDate("DTPicker1", 2024, 11, 13);
        QVERIFY(rig.ballsShown());
        QStringList balls;
        for (int i = 0; i < 7; ++i)
            balls << rig.find<QLabel>(qPrintable(QStringLiteral("Image2_%1").arg(i)))->toolTip();
        QCOMPARE(balls,
            QStringList(
                {"Ball 3", "Ball 25", "Ball 33", "Ball 35", "Ball 42", "Ball 45", "Bonus ball 9"}));
        QVERIFY(bold(rig.find<QDateEdit>("DTPicker1"), QDate(2024, 11, 13)));
        QVERIFY(bold(rig.find<QDateEdit>("DTPicker1"), QDate(2015, 6, 3)));
    }

    // What the winning lines won at the shipped prizes, beside "Total Wins" and in History
    // Check. A division nobody won (13 November 2024's jackpot, 0.00) is not known, never R0.
    void checksShowWhatTheLinesWon()
    {
        MainWindow rig({2024, 11, 13});
        std::filesystem::copy_file(SHIPPED_RESULTS, rig.paths.results());
        std::filesystem::copy_file(SHIPPED_PRIZES, rig.paths.prizes());
        writeEntries(
            rig.file("Lotto06NOV2024.lot"), {{13, 18, 32, 42, 43, 16}, {1, 2, 4, 5, 6, 8}});
        const std::vector<Entry> nov13 {{3, 25, 33, 42, 9, 1}, {3, 25, 33, 35, 42, 45}};
        writeEntries(rig.todayFile(), nov13);
        rig.start();
        const auto won = [&] { return rig.find<QLabel>("lblWon")->text(); };

        const struct
        {
            int day;
            QStringList lines;
            const char *won;
        } draws[] = {
            {6, {"13 18 32 42 43 16 (5+B)"}, "R103463.40"},
            {13, {"03 25 33 42 09 01 (4+B)", "03 25 33 35 42 45 (6)"},
                "R1873.00 and prizes not known"},
        };
        for (const auto &d : draws) {
            rig.setDate("DTPicker1", 2024, 11, d.day);
            rig.setDate("DTPicker2", 2024, 11, d.day);
            rig.click("Command14");
            QCOMPARE(rig.lines("List2"), d.lines);
            QCOMPARE(won(), QString::fromLatin1(d.won));
        }
        // The winning-line texts and their count stay as they were.
        QCOMPARE(rig.box("Text3"), QStringLiteral(" 2"));
        QVERIFY(rig.said().empty());

        // Over the range in History Check, the same lines at the same prizes.
        const auto rangeWon = [&] {
            Opened<Form6> form(rig.context);
            child<QDateEdit>(form, "DTPicker1")->setDate(QDate(2024, 11, 1));
            click(form, "Command2");
            return text(form, "TextWon");
        };
        rig.entries({{13, 18, 32, 42, 43, 16}, nov13[0], nov13[1]});
        QCOMPARE(rangeWon(), QStringLiteral("R105336.40 and prizes not known"));

        // No prize file: every line won, nothing known.
        std::filesystem::remove(rig.paths.prizes());
        rig.click("Command14");
        QCOMPARE(won(), QStringLiteral("prizes not known"));
        QCOMPARE(rangeWon(), QStringLiteral("prizes not known"));
    }
};

QTEST_MAIN(DrawDatesTest)
#include "drawdates_test.moc"
