// The statistics window over a history holding draws of both games.
#include "stats/form26.h"
#include "stats/form4.h"

#include "tests/support/controls.h"
#include "tests/support/mainwindow.h"

#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QComboBox>

#include <memory>

using namespace pickwise;
using namespace pickwise::testing;

namespace {

// Today is Saturday 5 December 2026. Made histories reach 29 July 2017 at
// draw 4443; the draws after it are of the 6 of 52 game and hold 50, 51, 52.
struct MixedStats : Installation
{
    explicit MixedStats(int draws) : Installation({2026, 12, 5})
    {
        auto made = makeHistory(draws);
        for (size_t i = 4443; i < made.size(); ++i)
            made[i].ball = {1, 2, 3, 50, 51, 52, 4};
        history(made);
        form = std::make_unique<Form4>(context);
        form->show();
    }
    ~MixedStats()
    {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->objectName() == "Form26")
                delete w;
    }

    QComboBox *choice() const { return child<QComboBox>(form.get(), "GameChoice"); }
    bool offered() const { return !child<QWidget>(form.get(), "GameFrame")->isHidden(); }
    QBarSet *bars() const
    {
        QChart *chart = child<QChartView>(form.get(), "MSChart1")->chart();
        return qobject_cast<QBarSeries *>(chart->series().value(0))->barSets().value(0);
    }
    int barCount() const { return bars()->count(); }
    qreal sum() const { return bars()->sum(); }
    void showLast(const char *n)
    {
        type(form.get(), "Text2", n);
        click(form.get(), "Command3");
    }
    void info(const char *ball)
    {
        type(form.get(), "Text1", ball);
        click(form.get(), "Command4");
    }

    std::unique_ptr<Form4> form;
};

Form26 *ballWindow()
{
    return qobject_cast<Form26 *>(MainWindow::window("Form26"));
}

} // namespace

class Form4GameTest : public QObject
{
    Q_OBJECT

private slots:
    void choiceOfGameWhenBothAreHeld()
    {
        MixedStats w(4460); // 17 draws of 6 of 52
        QVERIFY(w.offered());
        QCOMPARE(w.choice()->count(), 2);
        QCOMPARE(w.choice()->currentText(), QString("6 of 52"));
        QCOMPARE(w.barCount(), 52);
        QCOMPARE(w.bars()->at(51), 17.0);
        QCOMPARE(w.sum(), 6 * 17.0);

        // Use Last Draws counts within the game: 20 are more than it has.
        w.showLast("5");
        QCOMPARE(w.sum(), 30.0);
        w.showLast("20");
        QCOMPARE(w.dialogs.texts(),
            Texts {"Your value for last draws exceed the number of actual draws. Setting to actual "
                   "draws."});
        QCOMPARE(w.sum(), 6 * 17.0);

        // Ball 52 and its fair share of 102 balls over 52 numbers.
        w.dialogs.clear();
        w.info("52");
        QVERIFY(w.dialogs.shown.empty());
        QVERIFY(ballWindow());
        QCOMPARE(text(ballWindow(), "Text2"), QString("17"));
        QCOMPARE(text(ballWindow(), "Text1"), QString("2"));
        click(ballWindow(), "Command1");

        // The user picks the old game: its 49 balls, its last 20 draws.
        QTest::keyClick(w.choice(), Qt::Key_Up);
        QCOMPARE(w.choice()->currentText(), QString("6 of 49"));
        QCOMPARE(w.barCount(), 49);
        QVERIFY(w.dialogs.shown.empty());
        QCOMPARE(w.sum(), 6 * 20.0);
        w.info("50");
        QCOMPARE(w.dialogs.texts(), Texts {"You must enter a number between 1 and 49"});
        QVERIFY(!ballWindow());

        // The choice stays with the window through other displays.
        w.form->findChild<QAction *>("mnusortyes")->trigger();
        w.form->findChild<QAction *>("mnuMoney")->trigger();
        QCOMPARE(w.barCount(), 49);
        QCOMPARE(w.sum(), 20.0);
        QCOMPARE(w.choice()->currentText(), QString("6 of 49"));
    }

    void oneGameOffersNoChoice()
    {
        MixedStats old(4443); // up to 29 July 2017
        QVERIFY(!old.offered());
        QCOMPARE(old.barCount(), 49);
        MixedStats empty(0); // none yet: today's game
        QVERIFY(!empty.offered());
        QCOMPARE(empty.barCount(), 52);
    }
};

QTEST_MAIN(Form4GameTest)
#include "form4_game_test.moc"
