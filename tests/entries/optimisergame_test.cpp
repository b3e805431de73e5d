// The optimiser over the draws of the latest game.
#include "entries/linkprocess.h"
#include "entries/optimiser.h"

#include "core/entryfiles.h"
#include "tests/support/controls.h"
#include "tests/support/installation.h"

#include <QDateEdit>
#include <QGroupBox>

using namespace pickwise;
using namespace pickwise::testing;

namespace {

using Texts = std::vector<std::string>;

// Draws that hold 50..52 and chain into entries only where those are balls.
const std::vector<Draw> highDraws {{1, 2, 3, 50, 51, 52, 4}, {47, 48, 49, 50, 51, 52, 5}};

} // namespace

class OptimiserGameTest : public QObject
{
    Q_OBJECT

private slots:
    void linksCoverTheGamesBalls()
    {
        for (const GameMatrix *game : {&sixOf49(), &sixOf52()}) {
            const bool is52 = game->highestBall == 52;
            optimiser::LinkTable table;
            table.process(drawsOf(highDraws), 1, 2, *game);
            QCOMPARE(table.links(51, 52), int16_t(is52 ? 2 : 0));
            QCOMPARE(table.links(49, 50), int16_t(is52 ? 1 : 0));
            QCOMPARE(int(optimiser::GetBestFor(table, 50, 50, 0, 0, 0, 0)), is52 ? 51 : 0);
            const auto entries = optimiser::chainedEntries(table);
            if (!is52) {
                // 1, 2, 3 and 47, 48, 49 link only among themselves: no chain of six.
                QVERIFY(entries.empty());
                continue;
            }
            QCOMPARE(
                entries, (std::vector<Entry> {{1, 2, 3, 50, 51, 52}, {47, 48, 49, 50, 51, 52}}));
        }
    }

    void lastDrawsOfTheLatestGame()
    {
        // Made histories reach 29 July 2017 at draw 4443; two 6 of 52 draws follow.
        Installation in({2026, 12, 5});
        auto draws = makeHistory(4445);
        draws[4443].ball = highDraws[0];
        draws[4444].ball = highDraws[1];
        in.history(draws);
        Opened<LinkProcess> form(in.context);
        QCOMPARE(child<QGroupBox>(form, "Frame1")->title(), QString("Enter number from 1 to 2"));
        type(form, "Text1", "3");
        click(form, "Command1");
        QCOMPARE(
            in.dialogs.lastText(), std::string("Your entry is outside the permitted draw range"));
        type(form, "Text1", "2");
        click(form, "Command1");

        // A date of the other game is refused, nothing written.
        child<QDateEdit>(form, "DTPicker1")->setDate(QDate(2017, 8, 1));
        click(form, "Command2");
        QCOMPARE(in.dialogs.lastText(),
            std::string("The processed draws are of the 6 of 52 game; entries for the selected "
                        "date belong to the 6 of 49 game. Please select a date of the 6 of 52 "
                        "game."));
        QVERIFY(!exists(in.paths.datedEntries({2017, 8, 1})));

        child<QDateEdit>(form, "DTPicker1")->setDate(QDate(2017, 8, 2));
        click(form, "Command2");
        QCOMPARE(
            in.dialogs.lastText(), std::string("Done - 2 entries added to draw 02 August 2017"));
        std::vector<Entry> made;
        QCOMPARE(entryfiles::list(in.paths.datedEntries({2017, 8, 2}), made), std::string());
        QCOMPARE(made, (std::vector<Entry> {{1, 2, 3, 50, 51, 52}, {47, 48, 49, 50, 51, 52}}));
    }
};

QTEST_MAIN(OptimiserGameTest)
#include "optimisergame_test.moc"
