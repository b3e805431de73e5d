// History Check over a range across the change of game on 2 August 2017.

#include "entries/form6.h"

#include "tests/support/controls.h"
#include "tests/support/installation.h"

#include <QDateEdit>
#include <QLabel>
#include <QListView>
#include <QtTest>

using namespace pickwise;
using namespace pickwise::testing;

class HistoryCheckGamesTest : public QObject
{
    Q_OBJECT

private slots:
    void eighthTierCountsTheNewGamesDraws();
};

void HistoryCheckGamesTest::eighthTierCountsTheNewGamesDraws()
{
    Installation in({2017, 8, 5});
    // Wednesday 26 and Saturday 29 July (6 of 49), Wednesday 2 and Saturday
    // 5 August 2017 (6 of 52).
    const Draw balls {1, 2, 3, 4, 5, 6, 7};
    in.history(drawsOf({balls, balls, {1, 2, 3, 4, 5, 52, 7}, balls}, {2017, 7, 26}));
    in.entries({{1, 2, 7, 40, 41, 52}, {1, 2, 3, 7, 40, 41}});
    Opened<Form6> form(in.context);

    QCOMPARE(child<QLabel>(form, "Label8")->text(), QStringLiteral("Match 2+B"));
    QVERIFY(!child<QLabel>(form, "Label8")->isHidden());
    child<QDateEdit>(form, "DTPicker1")->setDate(QDate(2017, 7, 27));
    click(form, "Command2");

    QStringList counts;
    for (int i = 1; i <= 8; ++i)
        counts << text(form, QStringLiteral("Text%1").arg(i));
    // 29 July: one 3+B (the two and the bonus ball win nothing yet); 2 August:
    // two 3+B (52 drawn); 5 August: a 3+B and a 2+B.
    QCOMPARE(counts, QStringList({"0", "0", "0", "0", "0", "4", "0", "1"}));
    auto *view = child<QListView>(form, "List1_0");
    QStringList rows;
    for (int r = 0; r < view->model()->rowCount(); ++r)
        rows << view->model()->index(r, 0).data().toString();
    QCOMPARE(rows,
        QStringList({"29 JUL  2017", "01 02 03 07 40 41 Match 3+PB", "02 AUG  2017",
            "01 02 07 40 41 52 Match 3+PB", "01 02 03 07 40 41 Match 3+PB", "05 AUG  2017",
            "01 02 07 40 41 52 Match 2+PB", "01 02 03 07 40 41 Match 3+PB"}));
    QVERIFY(in.dialogs.shown.empty());
}

QTEST_MAIN(HistoryCheckGamesTest)
#include "historycheck_games_windows_test.moc"
