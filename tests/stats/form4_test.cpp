#include "stats/form26.h"
#include "stats/form4.h"

#include "tests/support/installation.h"

#include <QAction>
#include <QApplication>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

#include <filesystem>
#include <memory>
#include <numeric>

using namespace pickwise;

namespace {

QLineEdit *text(QWidget *w, const char *name)
{
    return w->findChild<QLineEdit *>(name);
}

void click(QWidget *w, const char *name)
{
    QTest::mouseClick(w->findChild<QPushButton *>(name), Qt::LeftButton);
}

// The statistics window over an installation with `draws` draws (none: no
// results file; -1: a results file that cannot be read). Today and the draws
// lie in the 6 of 49 game's time: balls 1 to 49.
struct StatsWindow : testing::Installation
{
    explicit StatsWindow(int draws) : testing::Installation({2015, 12, 5})
    {
        if (draws > 0)
            history(draws, {1975, 1, 4});
        if (draws < 0)
            std::filesystem::create_directory(paths.results());
        form = std::make_unique<Form4>(context);
        form->show();
    }
    ~StatsWindow() { delete ballWindow(); }

    void trigger(const char *name) { form->findChild<QAction *>(name)->trigger(); }
    bool checked(const char *name) { return form->findChild<QAction *>(name)->isChecked(); }
    void type(const char *box, const char *value) { text(form.get(), box)->setText(value); }
    QChart *chart() const { return form->findChild<QChartView *>("MSChart1")->chart(); }
    QList<qreal> values() const
    {
        QBarSet *bars = qobject_cast<QBarSeries *>(chart()->series().value(0))->barSets().value(0);
        QList<qreal> v;
        for (int i = 0; i < bars->count(); ++i)
            v << bars->at(i);
        return v;
    }
    qreal sum() const
    {
        const QList<qreal> v = values();
        return std::accumulate(v.begin(), v.end(), 0.0);
    }
    QStringList labels() const
    {
        return qobject_cast<QBarCategoryAxis *>(chart()->axes(Qt::Horizontal).value(0))
            ->categories();
    }
    static Form26 *ballWindow()
    {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (w->objectName() == "Form26" && w->isVisible())
                return qobject_cast<Form26 *>(w);
        }
        return nullptr;
    }

    std::unique_ptr<Form4> form;
};

} // namespace

class Form4Test : public QObject
{
    Q_OBJECT

private slots:
    void lastDrawsAndViews();
    void togglingSortedRedisplays();
    void barClickFollowsTheRanking();
    void infoChecksTheBallNumber();
    void infoReadsADecimalPointInADecimalCommaLocale();
    void quickInfoAndAnUnreadableHistory();
};

void Form4Test::lastDrawsAndViews()
{
    StatsWindow w(100);
    QCOMPARE(w.form->windowTitle(), QString("Draw Statistics for Lotto"));
    QCOMPARE(w.labels().value(6), QString(" 7"));
    QCOMPARE(w.sum(), 600.0);

    w.type("Text2", "150");
    click(w.form.get(), "Command3");
    click(w.form.get(), "Command3"); // the box keeps 150, so the message comes again
    QCOMPARE(w.dialogs.texts(),
        std::vector<std::string>(2,
            "Your value for last draws exceed the number of actual draws. Setting to actual "
            "draws."));
    QCOMPARE(w.sum(), 600.0);

    // "Show" redisplays the view last shown, with the box as it is now.
    w.trigger("mnuMoney");
    w.type("Text2", "10");
    click(w.form.get(), "Command3");
    QCOMPARE(w.form->windowTitle(), QString("Draw Statistics for Bonus Ball"));
    QCOMPARE(w.sum(), 10.0);
    w.trigger("mnuLottoBonus");
    QCOMPARE(w.form->windowTitle(), QString("Draw Statistics for Lotto and Bonus"));
    QCOMPARE(w.sum(), 70.0);
}

void Form4Test::togglingSortedRedisplays()
{
    StatsWindow w(300);
    w.trigger("mnuMoney");
    const QList<qreal> plain = w.values();
    const QStringList plainLabels = w.labels();

    QVERIFY(w.checked("mnusortno") && !w.checked("mnusortyes"));
    w.trigger("mnusortyes");
    QVERIFY(w.checked("mnusortyes") && !w.checked("mnusortno"));
    QCOMPARE(w.form->windowTitle(), QString("Draw Statistics for Bonus Ball (Sorted)"));
    const QList<qreal> sorted = w.values();
    const QStringList sortedLabels = w.labels();
    for (int i = 0; i < 49; ++i) {
        QVERIFY(i == 0 || sorted[i - 1] <= sorted[i]);
        // Each bar still carries its own ball's count.
        QCOMPARE(sorted[i], plain[sortedLabels[i].trimmed().toInt() - 1]);
    }

    w.trigger("mnusortno");
    QCOMPARE(w.form->windowTitle(), QString("Draw Statistics for Bonus Ball"));
    QCOMPARE(w.values(), plain);
    QCOMPARE(w.labels(), plainLabels);
}

void Form4Test::barClickFollowsTheRanking()
{
    StatsWindow w(100);
    QVERIFY(QTest::qWaitForWindowExposed(w.form.get()));
    w.trigger("mnusortyes");
    const int ball = w.labels().value(4).trimmed().toInt();
    QVERIFY2(ball != 5, "the history should not rank ball 5 fifth");

    // A real click in the middle of the fifth bar.
    auto *view = w.form->findChild<QChartView *>("MSChart1");
    const QPointF middle = w.chart()->mapToPosition(
        QPointF(4, w.values().value(4) / 2), w.chart()->series().value(0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->mapFromScene(middle));
    QTRY_VERIFY(StatsWindow::ballWindow());
    Form26 *info = StatsWindow::ballWindow();
    QVERIFY(!w.form->isEnabled());
    QCOMPARE(info->infoball(), int16_t(ball));
    QCOMPARE(
        info->windowTitle(), QString("Draw Statistics for Lotto (Sorted) <Ball  %1>").arg(ball));
    QCOMPARE(text(info, "Text2")->text(), QString::number(w.values().value(4)));
    QCOMPARE(text(info, "Text1")->text(), QString("12"));

    click(info, "Command1");
    QVERIFY(w.form->isEnabled());
    QVERIFY(!StatsWindow::ballWindow());

    w.trigger("mnusortno");
    w.form->barClicked(5);
    QVERIFY(StatsWindow::ballWindow());
    QCOMPARE(
        StatsWindow::ballWindow()->windowTitle(), QString("Draw Statistics for Lotto <Ball  5>"));
}

void Form4Test::infoChecksTheBallNumber()
{
    StatsWindow w(100);
    for (const char *t : {"0", "0.6", "49.6", "50", "-3", ""}) {
        w.dialogs.clear();
        w.type("Text1", t);
        click(w.form.get(), "Command4");
        QCOMPARE(w.dialogs.texts(),
            std::vector<std::string> {"You must enter a number between 1 and 49"});
        QVERIFY(!StatsWindow::ballWindow());
    }

    w.trigger("mnuMoney");
    w.type("Text1", "07");
    click(w.form.get(), "Command4");
    QPointer<Form26> info = StatsWindow::ballWindow();
    QVERIFY(info);
    QCOMPARE(info->windowTitle(), QString("Draw Statistics for Bonus Ball <Ball 7>"));
    QCOMPARE(info->infoball(), int16_t(7));
    QCOMPARE(text(info, "Text2")->text(), QString::number(w.values().value(6)));
    QCOMPARE(text(info, "Text1")->text(), QString("2")); // 100 / 49 rounded
    for (const char *fact : {"Text1", "Text2", "Text3", "Text4"})
        QVERIFY(text(info, fact)->isReadOnly());
    QVERIFY(!w.form->isEnabled());

    info->close(); // the title bar's way
    QVERIFY(w.form->isEnabled());
    QTRY_VERIFY(info.isNull());
}

// The window system sets the C library's locale from the environment; "7.5"
// must still be ball 8, and be written back as typed.
void Form4Test::infoReadsADecimalPointInADecimalCommaLocale()
{
    testing::ScopedLocale german(testing::decimalCommaLocale);
    QVERIFY2(german.ok(), "de_DE.UTF-8 is not installed: run scripts/install-deps.sh");
    StatsWindow w(100);
    w.type("Text1", "7.5");
    click(w.form.get(), "Command4");
    QVERIFY(w.dialogs.shown.empty());
    Form26 *info = StatsWindow::ballWindow();
    QVERIFY(info);
    QCOMPARE(info->infoball(), int16_t(8));
    QCOMPARE(info->windowTitle(), QString("Draw Statistics for Lotto <Ball 7.5>"));
}

void Form4Test::quickInfoAndAnUnreadableHistory()
{
    {
        StatsWindow w(0);
        w.trigger("mnuHot");
        w.trigger("mnuCold");
        w.trigger("mnuDue");
        QCOMPARE(w.dialogs.texts(),
            (std::vector<std::string> {"There are no hot numbers identified",
                "Cold numbers are:  1 2 3 4 5 6 7 8 9 10", "Due numbers are: "}));
    }
    StatsWindow w(-1);
    QCOMPARE(w.dialogs.shown.size(), size_t(1));
    QVERIFY(w.dialogs.lastText().find("sa.rtl") != std::string::npos);
    QCOMPARE(w.values(), QList<qreal>(49, 0.0));
}

QTEST_MAIN(Form4Test)
#include "form4_test.moc"
