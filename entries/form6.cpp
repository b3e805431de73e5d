#include "entries/form6.h"

#include "core/entryfiles.h"
#include "core/game.h"
#include "core/history.h"
#include "mainwindow/session.h"
#include "platform/widgets.h"

#include <QCoreApplication>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace pickwise {

ResultListModel::ResultListModel(const std::vector<std::string> &lines, QObject *parent)
    : QAbstractListModel(parent), m_lines(lines)
{
}

int ResultListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

QVariant ResultListModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= m_rows)
        return {};
    return QString::fromStdString(m_lines[static_cast<size_t>(index.row())]);
}

void ResultListModel::sync()
{
    const int rows = static_cast<int>(m_lines.size());
    if (rows <= m_rows)
        return;
    beginInsertRows({}, m_rows, rows - 1);
    m_rows = rows;
    endInsertRows();
}

void ResultListModel::clear()
{
    beginResetModel();
    m_rows = 0;
    endResetModel();
}

namespace {

QPushButton *makeButton(const char *name, const char *caption, const char *tip, QWidget *parent)
{
    auto *button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(QString::fromUtf8(name));
    if (tip)
        button->setToolTip(QString::fromUtf8(tip));
    return button;
}

} // namespace

Form6::Form6(Context &context, QWidget *parent)
    : ChildWindow(parent), m_context(context), m_platform(context.platform),
      m_session(context.session)
{
    setObjectName(QStringLiteral("Form6"));

    auto *layout = new QHBoxLayout(this);

    // The four lists lie in the same place; one is shown at a time.
    auto *lists = new QGridLayout;
    for (int k = 0; k < historycheck::listCount; ++k) {
        auto *view = new QListView(this);
        view->setObjectName(QStringLiteral("List1_%1").arg(k));
        view->setFont(listFont());
        view->setUniformItemSizes(true);
        view->setEditTriggers(QAbstractItemView::NoEditTriggers);
        view->setMinimumWidth(300);
        m_models[static_cast<size_t>(k)] = new ResultListModel(m_lines.list(k), view);
        view->setModel(m_models[static_cast<size_t>(k)]);
        view->setHidden(k != 0);
        lists->addWidget(view, 0, 0);
        List1[static_cast<size_t>(k)] = view;
    }
    layout->addLayout(lists, 1);

    auto *side = new QVBoxLayout;
    auto *Frame1 = new QGroupBox(QStringLiteral("Start Date"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setToolTip(QStringLiteral("Set month and year for the start of the check"));
    DTPicker1 = makeDatePicker(QStringLiteral("DTPicker1"), Frame1);
    (new QVBoxLayout(Frame1))->addWidget(DTPicker1);
    auto *Frame2 = new QGroupBox(QStringLiteral("End Date"), this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Frame2->setToolTip(QStringLiteral("Set month and year for the end of the check"));
    DTPicker2 = makeDatePicker(QStringLiteral("DTPicker2"), Frame2);
    (new QVBoxLayout(Frame2))->addWidget(DTPicker2);
    side->addWidget(Frame1);
    side->addWidget(Frame2);

    auto *summary = new QGridLayout;
    for (int i = 0; i < largestTierCount; ++i) {
        // Named from the start, so the boxes say what they count before a check.
        auto *label = new QLabel(this);
        label->setObjectName(QStringLiteral("Label%1").arg(i + 1));
        auto *count = new QLineEdit(this);
        count->setObjectName(QStringLiteral("Text%1").arg(i + 1));
        count->setReadOnly(true);
        count->setMaximumWidth(90);
        summary->addWidget(label, i, 0);
        summary->addWidget(count, i, 1);
        m_tierLabels[static_cast<size_t>(i)] = label;
        m_tierCounts[static_cast<size_t>(i)] = count;
    }
    LabelWon = new QLabel(QStringLiteral("Won"), this);
    LabelWon->setObjectName(QStringLiteral("LabelWon"));
    TextWon = new QLineEdit(this);
    TextWon->setObjectName(QStringLiteral("TextWon"));
    TextWon->setReadOnly(true);
    // Under its label across the column: "R1873.00 and prizes not known" is
    // wider than a count.
    summary->addWidget(LabelWon, largestTierCount, 0);
    summary->addWidget(TextWon, largestTierCount + 1, 0, 1, 2);
    side->addLayout(summary);

    Command2 = makeButton("Command2", "Check", "Starts the checking process", this);
    Command3 = makeButton("Command3", "Cancel", nullptr, this);
    Command4 = makeButton(
        "Command4", "More...", "Use this button to page to the next 32000 entries, if any", this);
    Command5 = makeButton("Command5", "Back...",
        "Use this button to page to the previous 32000 entries, if any", this);
    Command1 = makeButton("Command1", "Close", "Closes this form", this);
    auto *paging = new QHBoxLayout;
    paging->addWidget(Command5);
    paging->addWidget(Command4);
    side->addWidget(Command2);
    side->addWidget(Command3);
    side->addLayout(paging);
    side->addWidget(Command1);
    side->addStretch(1);
    layout->addLayout(side);

    auto *outer = new QVBoxLayout;
    Label10 = new QLabel(this);
    Label10->setObjectName(QStringLiteral("Label10"));
    // A long status text must not widen the window from one check to the next.
    Label10->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    Label10->setMinimumWidth(Label10->fontMetrics().horizontalAdvance(qs(
        historycheck::checkText(std::to_string(RecordFile::maxRecords), RecordFile::maxRecords))));
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setValue(0);
    outer->addWidget(Label10);
    outer->addWidget(ProgressBar1);
    side->addLayout(outer);
    updatePaging();

    connect(Command1, &QPushButton::clicked, this, &QWidget::close);
    connect(Command2, &QPushButton::clicked, this, &Form6::check);
    connect(Command3, &QPushButton::clicked, this, [this] { m_context.cancelflag = true; });
    connect(Command4, &QPushButton::clicked, this, &Form6::more);
    connect(Command5, &QPushButton::clicked, this, &Form6::back);

    // Form_Load: from the earliest draw to today.
    const Date today = m_platform.clock.today();
    ResultsHistory history(m_context.paths.results());
    history.load();
    showTiersOf(history);
    std::vector<Date> drawDates;
    for (const HistoryDraw &draw : history.draws())
        drawDates.push_back(draw.date);
    showDrawDates(DTPicker1, drawDates);
    showDrawDates(DTPicker2, drawDates);
    DTPicker1->setDate(toQDate(history.empty() ? today : history.draws().front().date));
    DTPicker2->setDate(toQDate(today));
    setWindowTitle(QStringLiteral("History Check Against Lotto Entry"));
}

Form6::~Form6()
{
    // The views outlive the lines they show (children go last); let them go
    // first.
    for (QListView *view : List1)
        delete view;
}

bool Form6::aboutToClose()
{
    // Close is disabled while a check runs; the title bar waits as well.
    return !m_checking;
}

void Form6::setIdle(bool idle)
{
    m_checking = !idle;
    Command1->setEnabled(idle);
    Command2->setEnabled(idle);
    updatePaging();
}

void Form6::showOnly(int list)
{
    // Shown first, then the others hidden, so the place is never empty.
    List1[static_cast<size_t>(list)]->setHidden(false);
    for (int k = 0; k < historycheck::listCount; ++k)
        if (k != list)
            List1[static_cast<size_t>(k)]->setHidden(true);
    updatePaging();
}

void Form6::updatePaging()
{
    // While a check runs the lists are still filling; paging waits for the end.
    const int shown = visibleList();
    Command4->setEnabled(!m_checking && shown < m_lines.index());
    Command5->setEnabled(!m_checking && shown > 0);
}

void Form6::clearResults()
{
    for (QLineEdit *count : m_tierCounts)
        count->clear();
    TextWon->clear();
    for (ResultListModel *model : m_models)
        model->clear();
    m_lines.clear();
    m_tally = {};
    Label10->clear();
    ProgressBar1->setValue(0);
    showOnly(0);
}

void Form6::showTiersOf(const ResultsHistory &history)
{
    const GameMatrix &game
        = history.empty() ? matrixFor(m_platform.clock.today()) : *history.draws().back().matrix;
    for (int i = 0; i < largestTierCount; ++i) {
        const bool paid = i < game.tierCount();
        QLabel *label = m_tierLabels[static_cast<size_t>(i)];
        label->setText(paid ? qs(historycheck::summaryLabel(i + 1, game)) : QString());
        label->setVisible(paid);
        m_tierCounts[static_cast<size_t>(i)]->setVisible(paid);
    }
}

int Form6::visibleList() const
{
    for (int k = 0; k < historycheck::listCount; ++k)
        if (!List1[static_cast<size_t>(k)]->isHidden())
            return k;
    return 0;
}

void Form6::check()
{
    clearResults();
    setIdle(false);

    const Date start = toDate(DTPicker1->date());
    const Date end = toDate(DTPicker2->date());
    if (datekey(start) > datekey(end)) {
        m_platform.dialogs.message("Your start date must be before your end date");
        setIdle(true);
        return;
    }

    ResultsHistory history(m_context.paths.results());
    std::string error = history.load();
    if (!error.empty()) {
        m_platform.dialogs.message(error);
        setIdle(true);
        return;
    }
    showTiersOf(history);
    const std::vector<HistoryDraw> &draws = history.draws();
    if (draws.empty()) {
        m_platform.dialogs.message(
            "You cannot do a history check as there are no results in the history file");
        setIdle(true);
        return;
    }

    const historycheck::Range range = historycheck::findHistoryRange(draws, start, end);
    if (range.empty) {
        Label10->setText(QStringLiteral("No results in specified date range"));
        setIdle(true);
        return;
    }
    // The list being filled stays hidden; an empty list stands in its place.
    showOnly(1);

    ProgressBar1->setRange(0, range.draws());
    ProgressBar1->setValue(0);
    Label10->setText(
        qs(historycheck::checkText(std::to_string(m_session.listedCount()), range.draws())));

    // The entries cannot change while this window is open, so they are read
    // once for the whole range.
    std::vector<Entry> entries;
    error = entryfiles::list(m_session.entryfile(), entries);
    if (!error.empty()) {
        m_platform.dialogs.message("The entries could not be read. " + error);
        ProgressBar1->setValue(0);
        showOnly(0);
        setIdle(true);
        return;
    }
    historycheck::Checker checker(std::move(entries));
    // A prize file that is missing or damaged leaves the prizes not known.
    PrizeStore prizes(m_context.paths.prizes());
    prizes.load();
    checker.usePrizes(&prizes);

    // A Cancel clicked before the check began does not stop it.
    m_context.cancelflag = false;
    bool listZeroShown = false;
    historycheck::checkRange(checker, draws, range, m_tally, m_lines, [&](int done) {
        for (ResultListModel *model : m_models)
            model->sync();
        if (m_lines.overflowed() && !listZeroShown) {
            // List 0 is full: show it while the others fill.
            listZeroShown = true;
            List1[0]->setHidden(false);
            List1[1]->setHidden(true);
        }
        ProgressBar1->setValue(done);
        QCoreApplication::processEvents();
        if (m_context.cancelflag) {
            m_context.cancelflag = false;
            return false;
        }
        return true;
    });
    finishCheck();
}

void Form6::finishCheck()
{
    for (ResultListModel *model : m_models)
        model->sync();
    ProgressBar1->setValue(0);
    setIdle(true);
    for (size_t i = 0; i < m_tierCounts.size(); ++i)
        if (!m_tierCounts[i]->isHidden())
            m_tierCounts[i]->setText(QString::number(m_tally.wins[i]));
    TextWon->setText(qs(wonText(m_tally.won)));
    showOnly(0);
    if (m_lines.full())
        m_platform.dialogs.message(
            "Please note that not all the entries have been displayed in the list on the left. "
            "This is due to there being 131000 entries which is the limit. However the summary "
            "on the right has been completed. If you want details of the missing items you "
            "should change the your search dates.");
}

void Form6::more()
{
    const int shown = visibleList();
    const int last = m_lines.index();
    if (shown == 0 && last >= 1)
        showOnly(1);
    else if (shown == 1 && last >= 2)
        showOnly(2);
    else if (shown == 2 && last == 3)
        showOnly(3);
}

void Form6::back()
{
    const int shown = visibleList();
    if (shown > 0)
        showOnly(shown - 1);
}

} // namespace pickwise
