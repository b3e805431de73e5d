// The main window and Add Draw on each side of the change of game on
// 2 August 2017.
#include "tests/support/controls.h"
#include "tests/support/mainwindow.h"

using namespace pickwise;
using namespace pickwise::testing;

namespace {

// Wednesday 26 July 2017 (6 of 49) to Saturday 5 August 2017 (6 of 52).
std::vector<BallRecord> acrossTheChange(const Draw &last)
{
    return drawsOf(
        {{1, 2, 3, 4, 5, 49, 8}, {1, 2, 3, 4, 5, 6, 7}, {10, 20, 30, 40, 50, 52, 51}, last},
        {2017, 7, 26});
}

} // namespace

class GamesWindowsTest : public QObject
{
    Q_OBJECT

private slots:
    void checkListsTwoPlusBonusAndCountsIt()
    {
        const Date saturday {2017, 8, 5};
        MainWindow rig(saturday);
        writeHistory(rig.file("sa.rtl"), acrossTheChange({3, 9, 14, 27, 33, 52, 7}));
        writeEntries(rig.todayFile(),
            {{3, 9, 7, 40, 41, 42}, // two and the bonus ball
                {1, 2, 4, 5, 6, 8}, {3, 9, 14, 27, 33, 7}, {3, 9, 40, 41, 42, 43}});
        rig.start();
        QVERIFY(rig.said().empty());
        rig.click("Command14");
        QCOMPARE(rig.lines("List2"),
            QStringList({"03 09 07 40 41 42 (2+B)", "03 09 14 27 33 07 (5+B)"}));
        QCOMPARE(rig.box("Text3"), QStringLiteral(" 2"));
        QVERIFY(rig.said().empty());

        // The draw before, the last of the 6 of 49 game, pays no (2+B).
        writeEntries(
            rig.file("Lotto29JUL2017.lot"), {{1, 2, 10, 11, 12, 13}, {1, 2, 7, 11, 12, 13}});
        rig.setDate("DTPicker1", 2017, 7, 29);
        rig.setDate("DTPicker2", 2017, 7, 29);
        rig.click("Command14");
        QCOMPARE(rig.said(), Texts({"No wins this time!"}));
        QCOMPARE(rig.box("Text3"), QStringLiteral(" 0"));
    }

    void addDrawTakesTheRangeOfTheDrawsDate()
    {
        const char *outOfRange = "One or more of your main numbers is not in the correct range";
        const struct
        {
            Date date;
            const char *highest;
            const char *refused; // nullptr: stored
        } cases[] = {
            {{2017, 7, 29}, "50", outOfRange},
            {{2017, 7, 29}, "49", nullptr},
            {{2017, 8, 1}, "50", outOfRange}, // a Tuesday, still the 6 of 49 game
            {{2017, 8, 2}, "52", nullptr},
            {{2017, 8, 2}, "53", outOfRange},
        };
        for (const auto &c : cases) {
            MainWindow rig(c.date);
            writeHistory(rig.file("sa.rtl"), makeHistory(3, {2017, 7, 1}));
            rig.start();
            rig.dialogs.answer(true); // a Tuesday is entered all the same
            rig.click("Command1");
            QWidget *form2 = MainWindow::window("Form2");
            QVERIFY(form2);
            rig.dialogs.clear();
            const QStringList numbers {"7", "3", c.highest, "1", "20", "11", "5"};
            for (int i = 0; i < 7; ++i)
                type(form2, QStringLiteral("Text%1").arg(i + 1), numbers[i]);
            click(form2, "Command1");
            if (c.refused) {
                QCOMPARE(rig.said(), Texts({c.refused}));
                click(form2, "Command2");
                QVERIFY(!rig.ballsShown());
            } else {
                QVERIFY(rig.said().empty());
                QVERIFY(rig.ballsShown());
                QCOMPARE(int(rig.session.winballs()[5]), QString(c.highest).toInt());
                QCOMPARE(recordsOf(readBytes(rig.file("sa.rtl"))).size(), size_t(4));
            }
            QVERIFY(!MainWindow::window("Form2"));
        }
    }

    // A 52 after the change is good (the start above says nothing); a 53 is not.
    void startUpJudgesEachDrawByItsGame()
    {
        MainWindow rig({2017, 8, 5});
        writeHistory(rig.file("sa.rtl"), acrossTheChange({1, 2, 3, 4, 5, 53, 50}));
        rig.start();
        QCOMPARE(rig.said().size(), size_t(1));
        QCOMPARE(rig.said()[0].rfind("The results file looks damaged: draw 4, dated 5/8/2017, has "
                                     "the number 53, which is not between 1 and 52.",
                     0),
            size_t(0));
    }
};

QTEST_MAIN(GamesWindowsTest)
#include "games_windows_test.moc"
