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
#include <QValueAxis>
#include <QtTest>

#include <filesystem>
#include <memory>

using namespace pickwise;

namespace {

const char *const exceedText
    = "Your value for last draws exceed the number of actual draws. Setting to actual draws.";
const char *const rangeText = "You must enter a number between 1 and 49";

} // namespace

class Form4Test : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startsWithTheWholeHistoryInBallOrder();
    void lastDrawsAndTheExceedMessage();
    void viewCommandsAndShowKeepTheView();
    void togglingSortedRedisplays();
    void barClickFollowsTheRanking();
    void mouseClickOnABarOpensItsBall();
    void infoChecksTheBallNumber();
    void ballWindowReportsTheShownView();
    void quickInfoOnAnEmptyHistory();
    void unreadableHistoryIsReported();

private:
    void open(int draws);
    QAction *action(const char *name) const;
    QLineEdit *edit(QWidget *w, const char *name) const;
    void click(QWidget *w, const char *name) const;
    QList<qreal> values() const;
    QStringList labels() const;
    qreal sum() const;
    Form26 *ballWindow() const;

    std::unique_ptr<testing::TempDir> m_dir;
    SharedState m_state;
    FakeDialogs m_dialogs;
    FakePrinter m_printer;
    FakeShell m_shell;
    FixedClock m_clock;
    ScriptedRandom m_random;
    std::unique_ptr<Platform> m_platform;
    QPointer<Form4> m_form;
};

void Form4Test::init()
{
    m_dir = std::make_unique<testing::TempDir>();
    m_state = SharedState();
    m_state.apppath = m_dir->path();
    m_dialogs = FakeDialogs();
    m_platform = std::make_unique<Platform>(
        Platform {m_dialogs, m_printer, m_shell, m_clock, m_random, nullptr});
}

void Form4Test::cleanup()
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->objectName() == "Form26")
            delete w;
    }
    delete m_form;
    m_dir.reset();
}

void Form4Test::open(int draws)
{
    if (draws > 0)
        testing::writeHistory(m_state.pathOf("sa.rtl"), testing::makeHistory(draws));
    m_form = new Form4(m_state, *m_platform);
    m_form->show();
}

QAction *Form4Test::action(const char *name) const
{
    auto *a = m_form->findChild<QAction *>(name);
    if (!a)
        qFatal("no action %s", name);
    return a;
}

QLineEdit *Form4Test::edit(QWidget *w, const char *name) const
{
    auto *e = w->findChild<QLineEdit *>(name);
    if (!e)
        qFatal("no text box %s", name);
    return e;
}

void Form4Test::click(QWidget *w, const char *name) const
{
    auto *b = w->findChild<QPushButton *>(name);
    if (!b)
        qFatal("no button %s", name);
    QTest::mouseClick(b, Qt::LeftButton);
}

QList<qreal> Form4Test::values() const
{
    auto *view = m_form->findChild<QChartView *>("MSChart1");
    auto *series = qobject_cast<QBarSeries *>(view->chart()->series().value(0));
    QList<qreal> v;
    for (int i = 0; i < series->barSets().value(0)->count(); ++i)
        v << series->barSets().value(0)->at(i);
    return v;
}

QStringList Form4Test::labels() const
{
    auto *view = m_form->findChild<QChartView *>("MSChart1");
    const auto axes = view->chart()->axes(Qt::Horizontal);
    return qobject_cast<QBarCategoryAxis *>(axes.value(0))->categories();
}

qreal Form4Test::sum() const
{
    qreal total = 0;
    for (qreal v : values())
        total += v;
    return total;
}

Form26 *Form4Test::ballWindow() const
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->objectName() == "Form26" && w->isVisible())
            return qobject_cast<Form26 *>(w);
    }
    return nullptr;
}

void Form4Test::startsWithTheWholeHistoryInBallOrder()
{
    open(100);
    QCOMPARE(m_form->windowTitle(), QString("Draw Statistics for Lotto"));
    QVERIFY(action("mnusortno")->isChecked());
    QVERIFY(!action("mnusortyes")->isChecked());
    QCOMPARE(m_state.statview, int16_t(2));
    QCOMPARE(values().size(), 49);
    QCOMPARE(sum(), 600.0);
    QCOMPARE(labels().value(0), QString(" 1"));
    QCOMPARE(labels().value(48), QString(" 49"));
    auto *axis = qobject_cast<QValueAxis *>(
        m_form->findChild<QChartView *>("MSChart1")->chart()->axes(Qt::Vertical).value(0));
    QVERIFY(axis);
    const QList<qreal> v = values();
    QVERIFY(axis->max() >= *std::max_element(v.begin(), v.end()));
    QVERIFY(m_dialogs.shown.empty());
}

void Form4Test::lastDrawsAndTheExceedMessage()
{
    open(100);
    edit(m_form, "Text2")->setText("10");
    action("mnuLotto")->trigger();
    QCOMPARE(sum(), 60.0);
    QVERIFY(m_dialogs.shown.empty());

    edit(m_form, "Text2")->setText("150");
    click(m_form, "Command3");
    QCOMPARE(m_dialogs.texts(), std::vector<std::string> {exceedText});
    QCOMPARE(sum(), 600.0);
    click(m_form, "Command3"); // the box keeps 150, so the message comes again
    QCOMPARE(m_dialogs.shown.size(), size_t(2));
    QCOMPARE(edit(m_form, "Text2")->text(), QString("150"));

    for (const char *text : {"0", "", "abc"}) {
        edit(m_form, "Text2")->setText(text);
        click(m_form, "Command3");
        QCOMPARE(sum(), 600.0);
    }
    QCOMPARE(m_dialogs.shown.size(), size_t(2));

    edit(m_form, "Text2")->setText("10");
    click(m_form, "Command2");
    QCOMPARE(edit(m_form, "Text2")->text(), QString());
}

void Form4Test::viewCommandsAndShowKeepTheView()
{
    open(100);
    action("mnuMoney")->trigger();
    QCOMPARE(m_form->windowTitle(), QString("Draw Statistics for Bonus Ball"));
    QCOMPARE(m_state.statview, int16_t(1));
    QCOMPARE(sum(), 100.0);

    edit(m_form, "Text2")->setText("10");
    click(m_form, "Command3");
    QCOMPARE(m_form->windowTitle(), QString("Draw Statistics for Bonus Ball"));
    QCOMPARE(sum(), 10.0);

    action("mnuLottoBonus")->trigger();
    QCOMPARE(m_form->windowTitle(), QString("Draw Statistics for Lotto and Bonus"));
    QCOMPARE(m_state.statview, int16_t(3));
    QCOMPARE(sum(), 70.0);
}

void Form4Test::togglingSortedRedisplays()
{
    open(300);
    action("mnuMoney")->trigger();
    const QList<qreal> plain = values();
    const QStringList plainLabels = labels();

    action("mnusortyes")->trigger();
    QVERIFY(action("mnusortyes")->isChecked());
    QVERIFY(!action("mnusortno")->isChecked());
    QCOMPARE(m_form->windowTitle(), QString("Draw Statistics for Bonus Ball (Sorted)"));
    const QList<qreal> sorted = values();
    const QStringList sortedLabels = labels();
    for (int i = 1; i < sorted.size(); ++i)
        QVERIFY(sorted[i - 1] <= sorted[i]);
    // Each bar still carries its own ball's count.
    for (int i = 0; i < 49; ++i)
        QCOMPARE(sorted[i], plain[sortedLabels[i].trimmed().toInt() - 1]);
    QVERIFY(sortedLabels != plainLabels);

    action("mnusortno")->trigger();
    QVERIFY(action("mnusortno")->isChecked());
    QCOMPARE(m_form->windowTitle(), QString("Draw Statistics for Bonus Ball"));
    QCOMPARE(values(), plain);
    QCOMPARE(labels(), plainLabels);
}

void Form4Test::barClickFollowsTheRanking()
{
    open(100);
    action("mnusortyes")->trigger();
    const int ball = labels().value(4).trimmed().toInt();
    QVERIFY2(ball != 5, "the history should not rank ball 5 fifth");
    const qreal count = values().value(4);

    m_form->barClicked(5);
    Form26 *info = ballWindow();
    QVERIFY(info);
    QVERIFY(!m_form->isEnabled());
    QCOMPARE(m_state.infoball, int16_t(ball));
    QCOMPARE(
        info->windowTitle(), QString("Draw Statistics for Lotto (Sorted) <Ball  %1>").arg(ball));
    QCOMPARE(edit(info, "Text2")->text(), QString::number(count));
    QCOMPARE(edit(info, "Text1")->text(), QString("12"));

    click(info, "Command1");
    QVERIFY(m_form->isEnabled());
    QVERIFY(!ballWindow());

    action("mnusortno")->trigger();
    m_form->barClicked(5);
    QVERIFY(ballWindow());
    QCOMPARE(ballWindow()->windowTitle(), QString("Draw Statistics for Lotto <Ball  5>"));
}

void Form4Test::mouseClickOnABarOpensItsBall()
{
    open(100);
    QVERIFY(QTest::qWaitForWindowExposed(m_form));
    auto *view = m_form->findChild<QChartView *>("MSChart1");
    QChart *chart = view->chart();
    const int row = 20; // bar 20, ball 20 in ball order
    const QPointF middle = chart->mapToPosition(
        QPointF(row - 1, values().value(row - 1) / 2), chart->series().value(0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->mapFromScene(middle));
    QTRY_VERIFY(ballWindow());
    QCOMPARE(m_state.infoball, int16_t(row));
    QCOMPARE(ballWindow()->windowTitle(), QString("Draw Statistics for Lotto <Ball  20>"));
}

void Form4Test::infoChecksTheBallNumber()
{
    open(100);
    for (const char *text : {"0", "50", "-3", ""}) {
        m_dialogs.clear();
        edit(m_form, "Text1")->setText(text);
        click(m_form, "Command4");
        QCOMPARE(m_dialogs.texts(), std::vector<std::string> {rangeText});
        QVERIFY(!ballWindow());
        QVERIFY(m_form->isEnabled());
    }

    edit(m_form, "Text1")->setText("07");
    click(m_form, "Command4");
    QPointer<Form26> info = ballWindow();
    QVERIFY(info);
    QCOMPARE(info->windowTitle(), QString("Draw Statistics for Lotto <Ball 7>"));
    QCOMPARE(m_state.infoball, int16_t(7));
    QVERIFY(!m_form->isEnabled());

    info->close(); // the title bar's way
    QVERIFY(m_form->isEnabled());
    QTRY_VERIFY(info.isNull());
}

void Form4Test::ballWindowReportsTheShownView()
{
    open(100);
    action("mnuMoney")->trigger();
    const qreal timesBonus = values().value(6);
    edit(m_form, "Text1")->setText("7");
    click(m_form, "Command4");
    Form26 *info = ballWindow();
    QVERIFY(info);
    QCOMPARE(info->windowTitle(), QString("Draw Statistics for Bonus Ball <Ball 7>"));
    QCOMPARE(edit(info, "Text2")->text(), QString::number(timesBonus));
    QCOMPARE(edit(info, "Text1")->text(), QString("2"));
}

void Form4Test::quickInfoOnAnEmptyHistory()
{
    open(0);
    QCOMPARE(values(), QList<qreal>(49, 0.0));
    action("mnuHot")->trigger();
    action("mnuCold")->trigger();
    action("mnuDue")->trigger();
    QCOMPARE(m_dialogs.texts(),
        (std::vector<std::string> {"There are no hot numbers identified",
            "Cold numbers are:  1 2 3 4 5 6 7 8 9 10", "Due numbers are: "}));
}

void Form4Test::unreadableHistoryIsReported()
{
    std::filesystem::create_directory(m_state.pathOf("sa.rtl"));
    open(0);
    QCOMPARE(m_dialogs.shown.size(), size_t(1));
    QVERIFY(m_dialogs.lastText().find("sa.rtl") != std::string::npos);
    QCOMPARE(values(), QList<qreal>(49, 0.0));
}

QTEST_MAIN(Form4Test)
#include "form4_test.moc"
