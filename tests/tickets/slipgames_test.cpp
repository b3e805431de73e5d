// Play slips by the game of the listed entries: the slip the program knows is
// the 6 of 49 game's.

#include "tickets/printuklotto.h"

#include "core/entryfiles.h"
#include "tests/support/installation.h"

#include <QAbstractButton>
#include <QtTest>

using namespace pickwise;
using namespace pickwise::testing;

class SlipGamesTest : public QObject
{
    Q_OBJECT

private slots:
    void entriesOfTheNewGameAreNotPrinted();
};

void SlipGamesTest::entriesOfTheNewGameAreNotPrinted()
{
    const std::string noSlip = "Play slips of the 6 of 52 game (the draws from 2 August 2017) are "
                               "not supported: Pickwise only knows the slip of the 6 of 49 game, "
                               "and today's slip is laid out differently. Nothing was printed.";
    const Entry good {1, 2, 3, 4, 5, 48};
    const struct
    {
        const char *name;
        Date today;
        bool standing; // else the dated entries of today
        Entry second;
        std::string refused; // "" when printed
    } cases[] = {
        {"dated, last day of the 6 of 49 game", {2017, 7, 29}, false, good, ""},
        {"dated, first day of the 6 of 52 game", {2017, 8, 2}, false, good, noSlip},
        {"dated 6 of 49 with a 50", {2017, 7, 29}, false, {1, 2, 3, 4, 5, 50},
            "Entry 2 (01 02 03 04 05 50) has a number that is not on the play slip (1 to 49). "
            "Nothing was printed."},
        {"standing, today 1 August 2017", {2017, 8, 1}, true, good, ""},
        {"standing, today 5 August 2017", {2017, 8, 5}, true, good, noSlip},
    };
    for (const auto &c : cases) {
        Installation in(c.today);
        if (c.standing) {
            writeEntries(in.paths.standingEntries(), {good, c.second});
            QVERIFY(in.session.listStanding().listed);
        } else {
            in.entries({good, c.second});
        }
        PrintUKLotto w(in.context);
        w.show();
        in.printer.ops.clear();
        w.findChild<QAbstractButton *>(QStringLiteral("Command5"))->click();
        if (c.refused.empty()) {
            QVERIFY2(in.dialogs.shown.empty(), c.name);
            QVERIFY2(!in.printer.ops.empty(), c.name);
        } else {
            QCOMPARE(in.dialogs.texts(), std::vector<std::string> {c.refused});
            QVERIFY2(in.printer.ops.empty(), c.name);
            QVERIFY2(in.printer.documents.empty(), c.name);
        }
    }
}

QTEST_MAIN(SlipGamesTest)
#include "slipgames_test.moc"
