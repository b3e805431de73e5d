#pragma once

#include "entries/historycheck.h"
#include "platform/childwindow.h"
#include "platform/context.h"
#include "platform/platform.h"

#include <QAbstractListModel>

#include <array>

class QDateEdit;
class QLabel;
class QLineEdit;
class QListView;
class QProgressBar;
class QPushButton;

namespace pickwise {

class MainSession;

// One result list: a view onto one of the check's line lists, so that the
// window stays responsive with 130920 lines.
class ResultListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    explicit ResultListModel(const std::vector<std::string> &lines, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    // Shows the lines added since the last call.
    void sync();
    // Forgets every row; called before the lines themselves are cleared.
    void clear();

private:
    const std::vector<std::string> &m_lines;
    int m_rows = 0;
};

// History Check: every listed entry against every draw in a date range, with
// the wins per prize tier.
class Form6 : public ChildWindow
{
    Q_OBJECT

public:
    Form6(Context &context, QWidget *parent = nullptr);
    ~Form6() override;

protected:
    bool aboutToClose() override;

private:
    void check(); // Command2
    void more(); // Command4
    void back(); // Command5
    void finishCheck();
    // Empties the lists, the counts and the status, before any way a Check
    // can end, so nothing of an earlier check stays on show.
    void clearResults();
    // More... and Back... only where there is a page to go to.
    void updatePaging();
    void setIdle(bool idle);
    void showOnly(int list);
    int visibleList() const;
    // The tier counters of the game of the history's latest draw (today's
    // when it has none), named by it; a tier no game of those draws pays has
    // none.
    void showTiersOf(const ResultsHistory &history);

    Context &m_context;
    Platform &m_platform;
    MainSession &m_session;

    historycheck::ResultLists m_lines;
    historycheck::Tally m_tally;
    bool m_checking = false;

    QDateEdit *DTPicker1 = nullptr;
    QDateEdit *DTPicker2 = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;
    QPushButton *Command3 = nullptr;
    QPushButton *Command4 = nullptr;
    QPushButton *Command5 = nullptr;
    std::array<QListView *, historycheck::listCount> List1 {};
    std::array<ResultListModel *, historycheck::listCount> m_models {};
    std::array<QLabel *, largestTierCount> m_tierLabels {};
    std::array<QLineEdit *, largestTierCount> m_tierCounts {};
    // What the winning lines of the range won at their draws' prizes.
    QLabel *LabelWon = nullptr;
    QLineEdit *TextWon = nullptr;
    QLabel *Label10 = nullptr;
    QProgressBar *ProgressBar1 = nullptr;
};

} // namespace pickwise
