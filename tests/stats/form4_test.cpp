#include "stats/form26.h"
#include "stats/form4.h"

#include "core/sharedstate.h"
#include "platform/platform.h"
#include "platform/testing/fakes.h"
#include "tests/support/testsupport.h"

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

// The statistics window over a fresh installation folder with `draws` draws
// (none: no results file).
struct Window
{
    explicit Window(int draws, bool unreadable = false)
    {
        state.apppath = dir.path();
        if (draws > 0)
            testing::writeHistory(state.pathOf("sa.rtl"), testing::makeHistory(draws));
        if (unreadable)
            std::filesystem::create_directory(state.pathOf("sa.rtl"));
        form = std::make_unique<Form4>(state, platform);
        form->show();
    }
    ~Window() { delete ballWindow(); }

    QAction *action(const char *name) const { return form->findChild<QAction *>(name); }
    QChart *chart() const { return form->findChild<QChartView *>("MSChart1")->chart(); }
    QList<qreal> values() const
    {
        QBarSet *bars = qobject_cast<QBarSeries *>(chart()->series().value(0))->barSets().value(0);
        QList<qreal> v;
        for (int i = 0; i < bars->count(); ++i)
            v << bars->at(i);
        return v;
    }
    QStringList labels() const
    {
        return qobject_cast<QBarCategoryAxis *>(chart()->axes(Qt::Horizontal).value(0))
            ->categories();
    }
    qreal sum() const
    {
        const QList<qreal> v = values();
        return std::accumulate(v.begin(), v.end(), 0.0);
    }
    static Form26 *ballWindow()
    {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (w->objectName() == "Form26" && w->isVisible())
                return qobject_cast<Form26 *>(w);
        }
        return nullptr;
    }

    testing::TempDir dir;
    SharedState state;
    FakeDialogs dialogs;
    FakePrinter printer;
    FakeShell shell;
    FixedClock clock;
    ScriptedRandom random;
    Platform platform {dialogs, printer, shell, clock, random, nullptr};
    std::unique_ptr<Form4> form;
};

QLineEdit *text(QWidget *w, const char *name)
{
    return w->findChild<QLineEdit *>(name);
}

void click(QWidget *w, const char *name)
{
    QTest::mouseClick(w->findChild<QPushButton *>(name), Qt::LeftButton);
}

} // namespace

class Form4Test : public QObject
{
    Q_OBJECT

private slots:
    void lastDrawsAndViews();
    void togglingSortedRedisplays();
    void barClickFollowsTheRanking();
    void mouseClickOnABarOpensItsBall();
    void infoChecksTheBallNumber();
    void quickInfoAndAnUnreadableHistory();
};

void Form4Test::lastDrawsAndViews()
{
    Window w(100);
    QCOMPARE(w.form->windowTitle(), QString("Draw Statistics for Lotto"));
    QVERIFY(w.action("mnusortno")->isChecked() && !w.action("mnusortyes")->isChecked());
    QCOMPARE(w.labels().value(6), QString(" 7"));
    QCOMPARE(w.sum(), 600.0);

    text(w.form.get(), "Text2")->setText("150");
    click(w.form.get(), "Command3");
    click(w.form.get(), "Command3"); // the box keeps 150, so the message comes again
    QCOMPARE(w.dialogs.texts(),
        std::vector<std::string>(2,
            "Your value for last draws exceed the number of actual draws. Setting to actual "
            "draws."));
    QCOMPARE(w.sum(), 600.0);

    // "Show" redisplays the view last shown, with the box as it is now.
    w.action("mnuMoney")->trigger();
    QCOMPARE(w.state.statview, int16_t(1));
    text(w.form.get(), "Text2")->setText("10");
    click(w.form.get(), "Command3");
    QCOMPARE(w.form->windowTitle(), QString("Draw Statistics for Bonus Ball"));
    QCOMPARE(w.sum(), 10.0);
    w.action("mnuLottoBonus")->trigger();
    QCOMPARE(w.form->windowTitle(), QString("Draw Statistics for Lotto and Bonus"));
    QCOMPARE(w.sum(), 70.0);
}

void Form4Test::togglingSortedRedisplays()
{
    Window w(300);
    w.action("mnuMoney")->trigger();
    const QList<qreal> plain = w.values();
    const QStringList plainLabels = w.labels();

    w.action("mnusortyes")->trigger();
    QVERIFY(w.action("mnusortyes")->isChecked() && !w.action("mnusortno")->isChecked());
    QCOMPARE(w.form->windowTitle(), QString("Draw Statistics for Bonus Ball (Sorted)"));
    const QList<qreal> sorted = w.values();
    const QStringList sortedLabels = w.labels();
    QVERIFY(sortedLabels != plainLabels);
    for (int i = 0; i < 49; ++i) {
        if (i > 0)
            QVERIFY(sorted[i - 1] <= sorted[i]);
        // Each bar still carries its own ball's count.
        QCOMPARE(sorted[i], plain[sortedLabels[i].trimmed().toInt() - 1]);
    }

    w.action("mnusortno")->trigger();
    QCOMPARE(w.form->windowTitle(), QString("Draw Statistics for Bonus Ball"));
    QCOMPARE(w.values(), plain);
    QCOMPARE(w.labels(), plainLabels);
}

void Form4Test::barClickFollowsTheRanking()
{
    Window w(100);
    w.action("mnusortyes")->trigger();
    const int ball = w.labels().value(4).trimmed().toInt();
    QVERIFY2(ball != 5, "the history should not rank ball 5 fifth");

    w.form->barClicked(5);
    Form26 *info = Window::ballWindow();
    QVERIFY(info);
    QVERIFY(!w.form->isEnabled());
    QCOMPARE(w.state.infoball, int16_t(ball));
    QCOMPARE(
        info->windowTitle(), QString("Draw Statistics for Lotto (Sorted) <Ball  %1>").arg(ball));
    QCOMPARE(text(info, "Text2")->text(), QString::number(w.values().value(4)));
    QCOMPARE(text(info, "Text1")->text(), QString("12"));

    click(info, "Command1");
    QVERIFY(w.form->isEnabled());
    QVERIFY(!Window::ballWindow());

    w.action("mnusortno")->trigger();
    w.form->barClicked(5);
    QVERIFY(Window::ballWindow());
    QCOMPARE(Window::ballWindow()->windowTitle(), QString("Draw Statistics for Lotto <Ball  5>"));
}

void Form4Test::mouseClickOnABarOpensItsBall()
{
    Window w(100);
    QVERIFY(QTest::qWaitForWindowExposed(w.form.get()));
    auto *view = w.form->findChild<QChartView *>("MSChart1");
    const QPointF middle = w.chart()->mapToPosition(
        QPointF(19, w.values().value(19) / 2), w.chart()->series().value(0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->mapFromScene(middle));
    QTRY_VERIFY(Window::ballWindow());
    QCOMPARE(w.state.infoball, int16_t(20));
}

void Form4Test::infoChecksTheBallNumber()
{
    Window w(100);
    for (const char *t : {"0", "50", "-3", ""}) {
        w.dialogs.clear();
        text(w.form.get(), "Text1")->setText(t);
        click(w.form.get(), "Command4");
        QCOMPARE(w.dialogs.texts(),
            std::vector<std::string> {"You must enter a number between 1 and 49"});
        QVERIFY(!Window::ballWindow());
    }

    w.action("mnuMoney")->trigger();
    text(w.form.get(), "Text1")->setText("07");
    click(w.form.get(), "Command4");
    QPointer<Form26> info = Window::ballWindow();
    QVERIFY(info);
    QCOMPARE(info->windowTitle(), QString("Draw Statistics for Bonus Ball <Ball 7>"));
    QCOMPARE(w.state.infoball, int16_t(7));
    QCOMPARE(text(info, "Text2")->text(), QString::number(w.values().value(6)));
    QCOMPARE(text(info, "Text1")->text(), QString("2")); // 100 / 49 rounded
    QVERIFY(!w.form->isEnabled());

    info->close(); // the title bar's way
    QVERIFY(w.form->isEnabled());
    QTRY_VERIFY(info.isNull());
}

void Form4Test::quickInfoAndAnUnreadableHistory()
{
    {
        Window w(0);
        QCOMPARE(w.values(), QList<qreal>(49, 0.0));
        w.action("mnuHot")->trigger();
        w.action("mnuCold")->trigger();
        w.action("mnuDue")->trigger();
        QCOMPARE(w.dialogs.texts(),
            (std::vector<std::string> {"There are no hot numbers identified",
                "Cold numbers are:  1 2 3 4 5 6 7 8 9 10", "Due numbers are: "}));
    }
    Window w(0, true);
    QCOMPARE(w.dialogs.shown.size(), size_t(1));
    QVERIFY(w.dialogs.lastText().find("sa.rtl") != std::string::npos);
    QCOMPARE(w.values(), QList<qreal>(49, 0.0));
}

QTEST_MAIN(Form4Test)
#include "form4_test.moc"
