#pragma once

#include "core/history.h"
#include "platform/childwindow.h"
#include "stats/drawstats.h"
#include "stats/quickinfo.h"

#include <QPointer>

#include <cstdint>
#include <vector>

class QAction;
class QBarCategoryAxis;
class QBarSet;
class QChartView;
class QComboBox;
class QLineEdit;
class QValueAxis;

namespace pickwise {

struct Platform;
struct Context;
struct GameMatrix;

// The draw statistics window: a bar chart of how often each ball was drawn
// over all or the last N draws, in one of three views, in ball order or sorted.
// The figures are over the draws of one game; when the history holds draws of
// both games, the window offers the choice (the latest draw's game first).
class Form4 : public ChildWindow
{
    Q_OBJECT

public:
    Form4(Context &context, QWidget *parent = nullptr);
    ~Form4() override;

public slots:
    // A click on bar `row` (1..49 or 1..52, counted from the left) opens the ball
    // information window for the ball that bar stands for.
    void barClicked(int row);

private:
    void buildWindow();
    void buildChart();
    bool sorted() const;
    // The view commands: read "Use Last Draws", then display.
    void runViewCommand(stats::View view);
    void display(stats::View view, const stats::LastDraws &request);
    void showChart(const std::vector<stats::ChartRow> &rows);
    void setSorted(bool yes);
    void showInfo();
    void showQuickInfo(stats::QuickInfo kind);
    void openBallWindow(int16_t ball, const std::string &caption);
    // The game to count for the history as read now; offers the choice when
    // the history holds more than one game.
    const GameMatrix &gameFor(const ResultsHistory &history);

    Context &m_context;
    Platform &m_platform;

    // The view the chart shows, as its code (1 Bonus, 2 Lotto, 3 Lotto +
    // Bonus): Show and Sorted keep it, and the ball information window is
    // opened in it.
    int16_t statview = stats::statviewOf(stats::View::Lotto);

    // Kept from the last sorted display: maps a bar back to its ball.
    stats::Ranking m_ranking {};

    // The game the user chose, nullptr while none was: then the latest draw's.
    const GameMatrix *m_chosenGame = nullptr;
    // The games offered in GameChoice, in its order.
    std::vector<const GameMatrix *> m_offered;
    // The game of the figures shown.
    const GameMatrix *m_shownGame = nullptr;

    // A top-level window of its own: as a child it would be disabled along
    // with this window.
    QPointer<ChildWindow> m_ballWindow;

    QLineEdit *m_text1 = nullptr;
    QLineEdit *m_text2 = nullptr;
    QWidget *m_gameFrame = nullptr;
    QComboBox *m_gameChoice = nullptr;
    QAction *m_sortYes = nullptr;
    QAction *m_sortNo = nullptr;
    QChartView *m_chartView = nullptr;
    QBarSet *m_bars = nullptr;
    QBarCategoryAxis *m_ballAxis = nullptr;
    QValueAxis *m_countAxis = nullptr;
};

} // namespace pickwise
