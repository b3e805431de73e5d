#pragma once

#include "ledger/ledger.h"
#include "platform/childwindow.h"

#include <QAbstractTableModel>

#include <memory>

class QChartView;
class QDateEdit;
class QDateTimeAxis;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QLineSeries;
class QProgressBar;
class QPushButton;
class QScatterSeries;
class QTableView;
class QTimer;
class QValueAxis;

namespace pickwise {

struct Context;
class BackgroundTask;

// The ledger's rows as a table: draw date, boards, spent, the winning lines of
// each division, won and the balance. Rows whose prizes are not all known are
// tinted, and their Won cell says so.
class LedgerModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { DateColumn, BoardsColumn, SpentColumn, FirstDivisionColumn };
    static constexpr int wonColumn = FirstDivisionColumn + prizeDivisions;
    static constexpr int balanceColumn = wonColumn + 1;
    static constexpr int columns = balanceColumn + 1;

    explicit LedgerModel(QObject *parent = nullptr);

    void setLedger(ledger::Ledger ledger);
    const ledger::Ledger &ledger() const { return m_ledger; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    ledger::Ledger m_ledger;
};

// Spent and won: over a date range, every draw the player had a dated entry
// file for, what the boards cost at the price per board (saved in the data
// folder), what they won by division at that draw's prizes, and the running
// balance, as a table, totals and a chart; printed or saved as CSV. The ledger
// is built off the window's thread whenever the range or the price changes.
class SpentWonWindow : public ChildWindow
{
    Q_OBJECT

public:
    explicit SpentWonWindow(Context &context, QWidget *parent = nullptr);
    ~SpentWonWindow() override;

    // Whether a ledger is being built (or about to be, for a change just made).
    bool building() const;
    LedgerModel *model() const { return m_model; }

signals:
    // A ledger was built and is shown (also an empty one), or building ended
    // without one.
    void ledgerShown();

protected:
    bool aboutToClose() override;

private:
    void buildWindow();
    void buildChart();
    // A change of the range or the price: the ledger is built again shortly.
    void scheduleBuild();
    void build();
    void built();
    void showLedger(ledger::Ledger ledger);
    void showTotals();
    void showChart();
    void priceChanged();
    void print();
    void saveCsv();

    Context &m_context;
    BackgroundTask *m_task = nullptr;
    QTimer *m_buildSoon = nullptr;
    std::shared_ptr<ledger::Ledger> m_building;
    bool m_buildAgain = false;
    bool m_closeWhenDone = false;
    bool m_priceSaveTold = false;
    // The range and price of the ledger shown.
    Date m_from, m_to;
    Cents m_price = ledger::defaultBoardPrice;

    LedgerModel *m_model = nullptr;
    QDateEdit *m_fromDate = nullptr;
    QDateEdit *m_toDate = nullptr;
    QDoubleSpinBox *m_boardPrice = nullptr;
    QTableView *m_table = nullptr;
    QChartView *m_chartView = nullptr;
    QLineSeries *m_balance = nullptr;
    QLineSeries *m_zero = nullptr;
    QScatterSeries *m_unknown = nullptr;
    QDateTimeAxis *m_dateAxis = nullptr;
    QValueAxis *m_randAxis = nullptr;
    QLineEdit *m_draws = nullptr;
    QLineEdit *m_boards = nullptr;
    QLineEdit *m_spent = nullptr;
    QLineEdit *m_won = nullptr;
    QLineEdit *m_total = nullptr;
    QLabel *m_note = nullptr;
    QLabel *m_status = nullptr;
    QProgressBar *m_progress = nullptr;
    QPushButton *m_cancel = nullptr;
    QPushButton *m_print = nullptr;
    QPushButton *m_saveCsv = nullptr;
    QPushButton *m_close = nullptr;
};

} // namespace pickwise
