#include "ledger/spentwon.h"

#include "core/fileio.h"
#include "core/results.h"
#include "ledger/ledgerprint.h"
#include "platform/backgroundtask.h"
#include "platform/context.h"
#include "platform/damagecheck.h"
#include "platform/widgets.h"
#include "printing/output.h"
#include "printing/printing.h"

#include <QChart>
#include <QChartView>
#include <QColor>
#include <QDateEdit>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLegendMarker>
#include <QLineEdit>
#include <QLineSeries>
#include <QProgressBar>
#include <QPushButton>
#include <QScatterSeries>
#include <QSplitter>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace pickwise {

namespace {

// The tint of a row whose prizes are not all known, and of its marks in the chart.
QColor unknownTint()
{
    return QColor(255, 236, 179);
}
QColor unknownMark()
{
    return QColor(230, 140, 0);
}

QString dateText(const Date &d)
{
    return QLocale().toString(toQDate(d), QStringLiteral("ddd dd MMM yyyy"));
}

qreal msecsOf(const Date &d)
{
    return static_cast<qreal>(QDateTime(toQDate(d), QTime(0, 0)).toMSecsSinceEpoch());
}

qreal randOf(Cents amount)
{
    return static_cast<qreal>(amount) / 100.0;
}

QLineEdit *totalBox(QWidget *parent, const char *name)
{
    auto *box = named(new QLineEdit(parent), name);
    box->setReadOnly(true);
    box->setAlignment(Qt::AlignRight);
    box->setMinimumWidth(110);
    return box;
}

QPushButton *button(QWidget *parent, const char *name, const char *caption)
{
    return named(new QPushButton(QString::fromUtf8(caption), parent), name);
}

} // namespace

// ---- the table ----

LedgerModel::LedgerModel(QObject *parent) : QAbstractTableModel(parent) { }

void LedgerModel::setLedger(ledger::Ledger ledger)
{
    beginResetModel();
    m_ledger = std::move(ledger);
    endResetModel();
}

int LedgerModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_ledger.rows.size());
}

int LedgerModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : columns;
}

QVariant LedgerModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const ledger::Row &row = m_ledger.rows[static_cast<size_t>(index.row())];
    const int column = index.column();
    const int division = column - FirstDivisionColumn + 1;
    const bool isDivision = division >= 1 && division <= prizeDivisions;
    switch (role) {
    case Qt::DisplayRole:
        if (column == DateColumn)
            return dateText(row.date);
        if (column == BoardsColumn)
            return row.boards;
        if (column == SpentColumn)
            return qs(randText(row.cost));
        if (isDivision) {
            const int lines = row.won.lines[static_cast<size_t>(division - 1)];
            return lines > 0 ? QVariant(lines) : QVariant();
        }
        if (column == wonColumn)
            return qs(wonText(row.won));
        if (column == balanceColumn)
            return qs(randText(row.balance));
        return {};
    case Qt::ToolTipRole:
        if (isDivision)
            return qs(ledger::divisionWonText(row.won, division));
        if (row.prizesUnknown())
            return qs(ledger::rowNote(row));
        return {};
    case Qt::BackgroundRole:
        return row.prizesUnknown() ? QVariant(QBrush(unknownTint())) : QVariant();
    case Qt::TextAlignmentRole:
        return column == DateColumn ? int(Qt::AlignLeft | Qt::AlignVCenter)
                                    : int(Qt::AlignRight | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant LedgerModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return {};
    const int division = section - FirstDivisionColumn + 1;
    const bool isDivision = division >= 1 && division <= prizeDivisions;
    if (role == Qt::ToolTipRole && isDivision)
        return QStringLiteral("Winning lines of division %1").arg(division);
    if (role != Qt::DisplayRole)
        return {};
    if (isDivision)
        return QString::fromUtf8(ledger::divisionName(division));
    switch (section) {
    case DateColumn:
        return QStringLiteral("Draw date");
    case BoardsColumn:
        return QStringLiteral("Boards");
    case SpentColumn:
        return QStringLiteral("Spent");
    case wonColumn:
        return QStringLiteral("Won");
    case balanceColumn:
        return QStringLiteral("Balance");
    default:
        return {};
    }
}

// ---- the window ----

SpentWonWindow::SpentWonWindow(Context &context, QWidget *parent)
    : ChildWindow(parent), m_context(context), m_task(new BackgroundTask(this)),
      m_buildSoon(new QTimer(this)), m_model(new LedgerModel(this))
{
    setObjectName(QStringLiteral("SpentWonWindow"));
    setWindowTitle(QStringLiteral("Spent and Won"));
    buildWindow();

    // The draws read once: the calendars' bold dates and the range's start.
    reviewFile(m_context, m_context.paths.results(), RecordKind::Results);
    std::vector<BallRecord> draws;
    results::readAll(m_context.paths.results(), draws);
    const std::vector<Date> dates = results::drawDates(draws);
    showDrawDates(m_fromDate, dates);
    showDrawDates(m_toDate, dates);
    // The whole history up to today, as History Check offers it.
    const Date today = m_context.platform.clock.today();
    m_fromDate->setDate(toQDate(dates.empty() ? today : dates.front()));
    m_toDate->setDate(toQDate(today));
    m_boardPrice->setValue(randOf(ledger::readBoardPrice(m_context.paths.boardPrice())));

    // A change is built after a short pause, so typing a date builds once.
    m_buildSoon->setSingleShot(true);
    m_buildSoon->setInterval(250);
    connect(m_buildSoon, &QTimer::timeout, this, &SpentWonWindow::build);
    connect(m_fromDate, &QDateEdit::dateChanged, this, &SpentWonWindow::scheduleBuild);
    connect(m_toDate, &QDateEdit::dateChanged, this, &SpentWonWindow::scheduleBuild);
    connect(m_boardPrice, qOverload<double>(&QDoubleSpinBox::valueChanged), this,
        &SpentWonWindow::priceChanged);
    connect(m_task, &BackgroundTask::progressed, m_progress, &QProgressBar::setValue);
    connect(m_task, &BackgroundTask::finished, this, &SpentWonWindow::built);
    connect(m_cancel, &QPushButton::clicked, this, [this] {
        m_buildAgain = false;
        m_task->cancel();
    });
    connect(m_print, &QPushButton::clicked, this, &SpentWonWindow::print);
    connect(m_saveCsv, &QPushButton::clicked, this, &SpentWonWindow::saveCsv);
    connect(m_close, &QPushButton::clicked, this, &QWidget::close);

    build();
}

SpentWonWindow::~SpentWonWindow() = default;

void SpentWonWindow::buildWindow()
{
    auto *layout = new QVBoxLayout(this);

    auto *choices = new QHBoxLayout;
    m_fromDate = makeDatePicker(QStringLiteral("fromDate"), this);
    m_toDate = makeDatePicker(QStringLiteral("toDate"), this);
    m_boardPrice = named(new QDoubleSpinBox(this), "boardPrice");
    m_boardPrice->setPrefix(QStringLiteral("R"));
    m_boardPrice->setDecimals(2);
    m_boardPrice->setRange(0.0, 1000.0);
    m_boardPrice->setSingleStep(0.5);
    m_boardPrice->setKeyboardTracking(false);
    m_boardPrice->setAlignment(Qt::AlignRight);
    auto label = [this](const char *text, QWidget *buddy) {
        auto *l = new QLabel(QString::fromUtf8(text), this);
        l->setBuddy(buddy);
        return l;
    };
    choices->addWidget(label("&From", m_fromDate));
    choices->addWidget(m_fromDate);
    choices->addSpacing(8);
    choices->addWidget(label("&To", m_toDate));
    choices->addWidget(m_toDate);
    choices->addSpacing(24);
    choices->addWidget(label("&Price per board", m_boardPrice));
    choices->addWidget(m_boardPrice);
    choices->addStretch(1);
    layout->addLayout(choices);

    m_table = named(new QTableView(this), "ledgerTable");
    m_table->setModel(m_model);
    m_table->verticalHeader()->hide();
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setAlternatingRowColors(false);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setMinimumSectionSize(56);
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 8);
    buildChart();
    auto *splitter = named(new QSplitter(Qt::Vertical, this), "ledgerSplitter");
    splitter->addWidget(m_table);
    splitter->addWidget(m_chartView);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    layout->addWidget(splitter, 1);

    auto *totals = named(new QGroupBox(QStringLiteral("Totals"), this), "totals");
    auto *grid = new QGridLayout(totals);
    m_draws = totalBox(totals, "drawsPlayed");
    m_boards = totalBox(totals, "boardsPlayed");
    m_spent = totalBox(totals, "totalSpent");
    m_won = totalBox(totals, "totalWon");
    m_total = totalBox(totals, "totalBalance");
    const std::pair<const char *, QLineEdit *> boxes[] = {{"Draws played", m_draws},
        {"Boards", m_boards}, {"Spent", m_spent}, {"Won", m_won}, {"Balance", m_total}};
    int column = 0;
    for (const auto &[caption, box] : boxes) {
        auto *l = new QLabel(QString::fromUtf8(caption), totals);
        l->setBuddy(box);
        grid->addWidget(l, 0, column);
        grid->addWidget(box, 1, column);
        ++column;
    }
    m_won->setMinimumWidth(200);
    m_note = named(new QLabel(totals), "unknownNote");
    m_note->setWordWrap(true);
    m_note->setAutoFillBackground(true);
    QPalette tinted = m_note->palette();
    tinted.setColor(QPalette::Window, unknownTint());
    m_note->setPalette(tinted);
    m_note->hide();
    grid->addWidget(m_note, 2, 0, 1, column);
    layout->addWidget(totals);

    auto *bottom = new QHBoxLayout;
    m_status = named(new QLabel(this), "status");
    m_status->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_progress = named(new QProgressBar(this), "progress");
    m_progress->setRange(0, 100);
    m_progress->setMaximumWidth(160);
    m_progress->hide();
    QSizePolicy keepPlace = m_progress->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    m_progress->setSizePolicy(keepPlace);
    m_cancel = button(this, "cancel", "Cancel");
    m_print = button(this, "print", "Print");
    m_saveCsv = button(this, "saveCsv", "Save as CSV...");
    m_close = button(this, "close", "Close");
    bottom->addWidget(m_status, 1);
    bottom->addWidget(m_progress);
    bottom->addWidget(m_cancel);
    bottom->addSpacing(16);
    bottom->addWidget(m_print);
    bottom->addWidget(m_saveCsv);
    bottom->addWidget(m_close);
    layout->addLayout(bottom);

    resize(980, 680);
}

void SpentWonWindow::buildChart()
{
    auto *chart = new QChart;
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->legend()->setAlignment(Qt::AlignTop);

    m_zero = new QLineSeries;
    m_zero->setName(QStringLiteral("Even"));
    m_zero->setPen(QPen(Qt::gray, 1, Qt::DashLine));
    m_balance = new QLineSeries;
    m_balance->setName(QStringLiteral("Running balance"));
    m_balance->setPen(QPen(QColor(0, 90, 170), 2));
    m_unknown = new QScatterSeries;
    m_unknown->setName(QStringLiteral("Prizes not known"));
    m_unknown->setMarkerSize(9);
    m_unknown->setColor(unknownMark());
    m_unknown->setBorderColor(unknownMark().darker(130));
    for (QAbstractSeries *s :
        std::initializer_list<QAbstractSeries *> {m_zero, m_balance, m_unknown})
        chart->addSeries(s);

    m_dateAxis = new QDateTimeAxis;
    m_dateAxis->setTitleText(QStringLiteral("Draw date"));
    chart->addAxis(m_dateAxis, Qt::AlignBottom);
    m_randAxis = new QValueAxis;
    m_randAxis->setTitleText(QStringLiteral("Balance (R)"));
    m_randAxis->setLabelFormat(QStringLiteral("%.0f"));
    chart->addAxis(m_randAxis, Qt::AlignLeft);
    for (QAbstractSeries *s :
        std::initializer_list<QAbstractSeries *> {m_zero, m_balance, m_unknown}) {
        s->attachAxis(m_dateAxis);
        s->attachAxis(m_randAxis);
    }
    // The even line needs no key.
    for (QLegendMarker *marker : chart->legend()->markers(m_zero))
        marker->setVisible(false);

    m_chartView = named(new QChartView(chart, this), "balanceChart");
    m_chartView->setRenderHint(QPainter::Antialiasing);
    m_chartView->setMinimumHeight(200);
}

bool SpentWonWindow::building() const
{
    return m_task->running() || m_buildSoon->isActive() || m_buildAgain;
}

void SpentWonWindow::scheduleBuild()
{
    m_buildSoon->start();
}

void SpentWonWindow::build()
{
    m_buildSoon->stop();
    if (m_task->running()) {
        // The ledger being built is for the old range: built again once it stops.
        m_buildAgain = true;
        m_task->cancel();
        return;
    }
    const Date from = toDate(m_fromDate->date());
    const Date to = toDate(m_toDate->date());
    if (datekey(from) > datekey(to)) {
        showLedger({});
        m_status->setText(QStringLiteral("The start date is after the end date."));
        emit ledgerShown();
        return;
    }
    m_from = from;
    m_to = to;
    m_price = static_cast<Cents>(std::llround(m_boardPrice->value() * 100.0));
    m_building = std::make_shared<ledger::Ledger>();
    m_status->setText(QStringLiteral("Counting what was spent and won..."));
    m_progress->setValue(0);
    m_progress->show();
    m_cancel->setEnabled(true);
    m_print->setEnabled(false);
    m_saveCsv->setEnabled(false);
    // The work gets copies: the window may change while it runs.
    m_task->start(
        [paths = m_context.paths, from, to, price = m_price, out = m_building](
            const Progress &progress) { *out = ledger::build(paths, from, to, price, progress); });
}

void SpentWonWindow::built()
{
    m_cancel->setEnabled(false);
    if (m_closeWhenDone) {
        close();
        return;
    }
    if (m_buildAgain) {
        m_buildAgain = false;
        build();
        return;
    }
    ledger::Ledger made = std::move(*m_building);
    switch (made.outcome) {
    case ledger::Ledger::Outcome::Cancelled:
        showLedger({});
        m_status->setText(
            QStringLiteral("Cancelled: change the dates or the price to count again."));
        break;
    case ledger::Ledger::Outcome::Failed:
        showLedger({});
        m_status->setText(qs(made.error));
        m_context.platform.dialogs.message(made.error);
        break;
    case ledger::Ledger::Outcome::Done: {
        QString status = made.rows.empty()
            ? QStringLiteral("No draw of these dates has a dated entry file with entries.")
            : QString();
        if (!made.unreadFiles.empty()) {
            status = made.unreadFiles.size() == 1
                ? QStringLiteral("1 entry file could not be read; its draw is left out.")
                : QStringLiteral("%1 entry files could not be read; their draws are left out.")
                      .arg(made.unreadFiles.size());
            QStringList why;
            for (const std::string &e : made.unreadFiles)
                why << qs(e);
            m_status->setToolTip(why.join(QLatin1Char('\n')));
        } else {
            m_status->setToolTip({});
        }
        const bool any = !made.rows.empty();
        showLedger(std::move(made));
        m_status->setText(status);
        m_print->setEnabled(any);
        m_saveCsv->setEnabled(any);
        break;
    }
    }
    m_progress->hide();
    emit ledgerShown();
}

void SpentWonWindow::showLedger(ledger::Ledger ledger)
{
    m_model->setLedger(std::move(ledger));
    m_print->setEnabled(false);
    m_saveCsv->setEnabled(false);
    showTotals();
    showChart();
}

void SpentWonWindow::showTotals()
{
    const ledger::Totals &t = m_model->ledger().totals;
    m_draws->setText(QString::number(t.draws));
    m_boards->setText(QString::number(t.boards));
    m_spent->setText(qs(randText(t.cost)));
    m_won->setText(qs(wonText(t.won)));
    m_total->setText(qs(randText(t.balance)));
    QString note = qs(ledger::totalsNote(t));
    if (!note.isEmpty())
        note[0] = note[0].toUpper(); // a sentence of its own here
    m_note->setText(note);
    m_note->setVisible(!note.isEmpty());
}

void SpentWonWindow::showChart()
{
    const std::vector<ledger::Row> &rows = m_model->ledger().rows;
    QList<QPointF> balance;
    QList<QPointF> unknown;
    Cents low = 0;
    Cents high = 0;
    for (const ledger::Row &row : rows) {
        const QPointF point(msecsOf(row.date), randOf(row.balance));
        balance << point;
        if (row.prizesUnknown())
            unknown << point;
        low = std::min(low, row.balance);
        high = std::max(high, row.balance);
    }
    m_balance->replace(balance);
    m_unknown->replace(unknown);
    // A day either side keeps a single draw off the axes' ends.
    const QDate first = rows.empty() ? toQDate(m_from) : toQDate(rows.front().date);
    const QDate last = rows.empty() ? toQDate(m_to) : toQDate(rows.back().date);
    const QDateTime start(first.addDays(-1), QTime(0, 0));
    const QDateTime end(last.addDays(1), QTime(0, 0));
    m_dateAxis->setRange(start, end);
    m_dateAxis->setFormat(
        start.daysTo(end) > 180 ? QStringLiteral("MMM yyyy") : QStringLiteral("dd MMM yyyy"));
    m_zero->replace({QPointF(static_cast<qreal>(start.toMSecsSinceEpoch()), 0.0),
        QPointF(static_cast<qreal>(end.toMSecsSinceEpoch()), 0.0)});
    const qreal margin = std::max<qreal>(1.0, randOf(high - low) * 0.05);
    m_randAxis->setRange(randOf(low) - margin, randOf(high) + margin);
    m_randAxis->applyNiceNumbers();
}

void SpentWonWindow::priceChanged()
{
    const auto price = static_cast<Cents>(std::llround(m_boardPrice->value() * 100.0));
    const std::string error = ledger::writeBoardPrice(m_context.paths.boardPrice(), price);
    if (!error.empty() && !m_priceSaveTold) {
        m_priceSaveTold = true;
        m_context.platform.dialogs.message(
            "The price per board could not be saved, so it counts only until this window "
            "closes ("
            + error + ").");
    }
    scheduleBuild();
}

void SpentWonWindow::print()
{
    PrintDocument doc
        = ledger::ledgerDocument(m_model->ledger(), m_from, m_to, m_price, m_context.printerok);
    doc.name = documentName("spent and won", m_context.platform.clock);
    output(doc, printOutputOf(m_context));
}

void SpentWonWindow::saveCsv()
{
    const std::string path = m_context.platform.dialogs.chooseFileToSave("Save as CSV",
        "spent-and-won " + isoDateText(m_from) + " to " + isoDateText(m_to) + ".csv",
        "CSV files (*.csv)");
    if (path.empty())
        return;
    const std::string text = ledger::csvText(m_model->ledger());
    const std::string error = writeFileAtomic(path, std::vector<uint8_t>(text.begin(), text.end()));
    if (!error.empty()) {
        m_context.platform.dialogs.message("The table could not be saved (" + error + ").");
        return;
    }
    m_status->setText(QStringLiteral("Saved as %1.").arg(qs(path)));
}

bool SpentWonWindow::aboutToClose()
{
    if (!m_task->running())
        return true;
    // Closed once the work has stopped.
    m_closeWhenDone = true;
    m_buildAgain = false;
    m_task->cancel();
    return false;
}

} // namespace pickwise
