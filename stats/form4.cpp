#include "stats/form4.h"

#include "platform/context.h"
#include "platform/platform.h"
#include "platform/widgets.h"
#include "stats/ballinfo.h"
#include "stats/form26.h"
#include "stats/history.h"

#include <QAction>
#include <QActionGroup>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>

namespace pickwise {

namespace {

// A whole-number step giving about five gridlines up to `top`: 1, 2, 5, 10...
int countStep(int top)
{
    int step = 1;
    while (top / step > 5) {
        if (top / (step * 2) <= 5)
            return step * 2;
        if (top / (step * 5) <= 5)
            return step * 5;
        step *= 10;
    }
    return step;
}

QPushButton *button(const QString &name, const QString &text, QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(name);
    return b;
}

} // namespace

Form4::Form4(Context &context, QWidget *parent)
    : ChildWindow(parent), m_context(context), m_platform(context.platform)
{
    setObjectName(QStringLiteral("Form4"));
    buildWindow();
    runViewCommand(stats::View::Lotto);
}

Form4::~Form4()
{
    delete m_ballWindow;
}

void Form4::buildWindow()
{
    auto *layout = new QVBoxLayout(this);

    auto *menus = new QMenuBar(this);
    layout->setMenuBar(menus);
    auto addAction = [this](QWidget *owner, const QString &name, const QString &text) {
        auto *action = new QAction(text, this);
        action->setObjectName(name);
        owner->addAction(action);
        return action;
    };

    auto *sortMenu = menus->addMenu(tr("Sorted"));
    sortMenu->setObjectName(QStringLiteral("mnusort"));
    sortMenu->menuAction()->setObjectName(QStringLiteral("mnusort"));
    m_sortYes = addAction(sortMenu, QStringLiteral("mnusortyes"), tr("Yes"));
    m_sortNo = addAction(sortMenu, QStringLiteral("mnusortno"), tr("No"));
    auto *sortGroup = new QActionGroup(this);
    for (QAction *a : {m_sortYes, m_sortNo}) {
        a->setCheckable(true);
        sortGroup->addAction(a);
    }
    m_sortNo->setChecked(true);
    connect(m_sortYes, &QAction::triggered, this, [this] { setSorted(true); });
    connect(m_sortNo, &QAction::triggered, this, [this] { setSorted(false); });

    auto *quickMenu = menus->addMenu(tr("Quick Info"));
    quickMenu->setObjectName(QStringLiteral("mnuquick"));
    quickMenu->menuAction()->setObjectName(QStringLiteral("mnuquick"));
    connect(addAction(quickMenu, QStringLiteral("mnuDue"), tr("Due Numbers")), &QAction::triggered,
        this, [this] { showQuickInfo(stats::QuickInfo::Due); });
    connect(addAction(quickMenu, QStringLiteral("mnuCold"), tr("Cold Numbers")),
        &QAction::triggered, this, [this] { showQuickInfo(stats::QuickInfo::Cold); });
    connect(addAction(quickMenu, QStringLiteral("mnuHot"), tr("Hot Numbers")), &QAction::triggered,
        this, [this] { showQuickInfo(stats::QuickInfo::Hot); });

    connect(addAction(menus, QStringLiteral("mnuLotto"), tr("Lotto")), &QAction::triggered, this,
        [this] { runViewCommand(stats::View::Lotto); });
    connect(addAction(menus, QStringLiteral("mnuLottoBonus"), tr("Lotto + Bonus")),
        &QAction::triggered, this, [this] { runViewCommand(stats::View::LottoBonus); });
    connect(addAction(menus, QStringLiteral("mnuMoney"), tr("Bonus")), &QAction::triggered, this,
        [this] { runViewCommand(stats::View::Bonus); });
    connect(addAction(menus, QStringLiteral("mnuClose"), tr("Close")), &QAction::triggered, this,
        &QWidget::close);

    buildChart();
    layout->addWidget(m_chartView, 1);

    auto *hint = new QLabel(
        tr("Click on bars for more information or enter ball no. and click Info"), this);
    hint->setObjectName(QStringLiteral("Label1"));
    layout->addWidget(hint);

    auto *controls = new QHBoxLayout;
    layout->addLayout(controls);

    auto *frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    auto *frameLayout = new QHBoxLayout(frame);
    auto *lastLabel = new QLabel(tr("Use Last Draws"), frame);
    lastLabel->setObjectName(QStringLiteral("Label2"));
    m_text2 = new QLineEdit(frame);
    m_text2->setObjectName(QStringLiteral("Text2"));
    m_text2->setMaximumWidth(80);
    lastLabel->setBuddy(m_text2);
    auto *show = button(QStringLiteral("Command3"), tr("Show"), frame);
    auto *clear = button(QStringLiteral("Command2"), tr("Clear"), frame);
    frameLayout->addWidget(lastLabel);
    frameLayout->addWidget(m_text2);
    frameLayout->addWidget(show);
    frameLayout->addWidget(clear);
    controls->addWidget(frame);

    // Only shown while the history holds draws of both games.
    m_gameFrame = new QWidget(this);
    m_gameFrame->setObjectName(QStringLiteral("GameFrame"));
    auto *gameLayout = new QHBoxLayout(m_gameFrame);
    gameLayout->setContentsMargins(0, 0, 0, 0);
    auto *gameLabel = new QLabel(tr("Game"), m_gameFrame);
    gameLabel->setObjectName(QStringLiteral("GameLabel"));
    m_gameChoice = new QComboBox(m_gameFrame);
    m_gameChoice->setObjectName(QStringLiteral("GameChoice"));
    m_gameChoice->setToolTip(tr("The figures count the draws of one game at a time"));
    gameLabel->setBuddy(m_gameChoice);
    gameLayout->addWidget(gameLabel);
    gameLayout->addWidget(m_gameChoice);
    m_gameFrame->hide();
    controls->addWidget(m_gameFrame);
    controls->addStretch(1);

    m_text1 = new QLineEdit(this);
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_text1->setMaximumWidth(60);
    auto *info = button(QStringLiteral("Command4"), tr("Info"), this);
    auto *close = button(QStringLiteral("Command1"), tr("Close"), this);
    controls->addWidget(m_text1);
    controls->addWidget(info);
    controls->addSpacing(24);
    controls->addWidget(close);

    connect(show, &QPushButton::clicked, this, [this] { runViewCommand(stats::viewOf(statview)); });
    connect(clear, &QPushButton::clicked, m_text2, &QLineEdit::clear);
    connect(info, &QPushButton::clicked, this, &Form4::showInfo);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(m_gameChoice, QOverload<int>::of(&QComboBox::activated), this, [this](int index) {
        if (index < 0 || index >= static_cast<int>(m_offered.size()))
            return;
        m_chosenGame = m_offered[static_cast<size_t>(index)];
        runViewCommand(stats::viewOf(statview));
    });

    resize(1040, 640);
}

void Form4::buildChart()
{
    auto *chart = new QChart;
    chart->legend()->hide();
    chart->setMargins(QMargins(4, 4, 4, 4));

    m_bars = new QBarSet(tr("Times drawn"));
    auto *series = new QBarSeries;
    series->append(m_bars);
    series->setBarWidth(0.8);
    chart->addSeries(series);

    m_ballAxis = new QBarCategoryAxis;
    m_ballAxis->setTitleText(tr("Ball"));
    // 49 or 52 numbers side by side: a smaller font keeps each within its bar's
    // width, and they are never cut to "...".
    QFont labelFont = m_ballAxis->labelsFont();
    labelFont.setPointSizeF(std::max(6.0, labelFont.pointSizeF() - 2));
    m_ballAxis->setLabelsFont(labelFont);
    m_ballAxis->setTruncateLabels(false);
    chart->addAxis(m_ballAxis, Qt::AlignBottom);
    series->attachAxis(m_ballAxis);

    m_countAxis = new QValueAxis;
    m_countAxis->setTitleText(tr("Times drawn"));
    m_countAxis->setLabelFormat(QStringLiteral("%d"));
    m_countAxis->setTickType(QValueAxis::TicksDynamic);
    m_countAxis->setTickAnchor(0);
    chart->addAxis(m_countAxis, Qt::AlignLeft);
    series->attachAxis(m_countAxis);

    m_chartView = new QChartView(chart, this);
    m_chartView->setObjectName(QStringLiteral("MSChart1"));
    m_chartView->setRenderHint(QPainter::Antialiasing);

    connect(m_bars, &QBarSet::clicked, this, [this](int index) { barClicked(index + 1); });
}

bool Form4::sorted() const
{
    return m_sortYes->isChecked();
}

void Form4::runViewCommand(stats::View view)
{
    display(view, stats::readLastDraws(m_text2->text().toStdString()));
}

void Form4::display(stats::View view, const stats::LastDraws &request)
{
    statview = stats::statviewOf(view);
    setWindowTitle(qs(stats::caption(view, sorted())));

    const ResultsHistory history
        = stats::loadHistory(m_context.paths.results(), m_platform.dialogs);
    const GameMatrix &game = gameFor(history);
    m_shownGame = &game;
    const stats::Tally tally = stats::countDraws(history.records(game), view, request, game);
    if (tally.exceeded)
        m_platform.dialogs.message(stats::exceedMessage);

    if (sorted()) {
        m_ranking = stats::rankBalls(tally.counts, game);
        showChart(stats::chartTable(m_ranking));
    } else {
        showChart(stats::chartTable(tally.counts, game));
    }
}

const GameMatrix &Form4::gameFor(const ResultsHistory &history)
{
    const GameMatrix &game = stats::figuresGame(history, m_chosenGame, m_platform.clock.today());
    m_offered = stats::gamesHeld(history);
    m_gameChoice->clear();
    for (const GameMatrix *g : m_offered) {
        m_gameChoice->addItem(QString::fromLatin1(g->name));
        if (*g == game)
            m_gameChoice->setCurrentIndex(m_gameChoice->count() - 1);
    }
    m_gameFrame->setVisible(m_offered.size() > 1);
    return game;
}

void Form4::showChart(const std::vector<stats::ChartRow> &rows)
{
    QStringList labels;
    QList<qreal> values;
    int highest = 0;
    for (const stats::ChartRow &row : rows) {
        labels << qs(row.label);
        values << row.value;
        highest = std::max(highest, row.value);
    }
    m_bars->remove(0, m_bars->count());
    m_bars->append(values);
    m_ballAxis->setCategories(labels);

    const int step = countStep(std::max(highest, 1));
    const int top = (std::max(highest, 1) + step - 1) / step * step;
    m_countAxis->setRange(0, top);
    m_countAxis->setTickInterval(step);
}

void Form4::setSorted(bool yes)
{
    m_sortYes->setChecked(yes);
    m_sortNo->setChecked(!yes);
    runViewCommand(stats::viewOf(statview));
}

void Form4::showInfo()
{
    const GameMatrix &game = *m_shownGame;
    const stats::InfoBall info = stats::readInfoBall(m_text1->text().toStdString(), game);
    if (!info.valid) {
        m_platform.dialogs.message(stats::rangeMessage(game));
        return;
    }
    openBallWindow(info.ball, stats::infoCaption(windowTitle().toStdString(), info));
}

void Form4::barClicked(int row)
{
    if (row < 1 || row > m_shownGame->highestBall)
        return;
    const int ball = sorted() ? m_ranking[static_cast<size_t>(row - 1)].ball : row;
    openBallWindow(
        static_cast<int16_t>(ball), stats::barCaption(windowTitle().toStdString(), ball));
}

void Form4::openBallWindow(int16_t ball, const std::string &caption)
{
    setEnabled(false);
    auto *window = new Form26(m_context, stats::viewOf(statview), ball, *m_shownGame);
    m_ballWindow = window;
    window->setWindowTitle(qs(caption));
    connect(window, &ChildWindow::closed, this, [this] {
        setEnabled(true);
        show();
        raise();
        activateWindow();
    });
    window->show();
}

void Form4::showQuickInfo(stats::QuickInfo kind)
{
    const ResultsHistory history
        = stats::loadHistory(m_context.paths.results(), m_platform.dialogs);
    const GameMatrix &game = gameFor(history);
    m_platform.dialogs.message(
        stats::quickInfoMessage(kind, stats::quickNumbers(kind, history.records(game), game)));
}

} // namespace pickwise
