// The filter's sum bands for the game of the entries filtered.
#include "entries/filter.h"
#include "entries/form10.h"

#include "tests/support/controls.h"
#include "tests/support/installation.h"

#include <QCheckBox>
#include <QLabel>

#include <algorithm>

using namespace pickwise;
using namespace pickwise::testing;

class FilterGameTest : public QObject
{
    Q_OBJECT

private slots:
    void sumBandsOfEachGame()
    {
        // 6 of 49: the bands as drawn, around 149. 6 of 52: around 158, the
        // half widths 64..24 times 34.91 / 32.79 (the sums' standard deviations).
        const std::vector<std::pair<int, int>> bands49 {
            {85, 213}, {95, 203}, {105, 193}, {115, 183}, {125, 173}};
        const std::vector<std::pair<int, int>> bands52 {
            {90, 226}, {100, 216}, {111, 205}, {122, 194}, {132, 184}};
        for (const GameMatrix *game : {&sixOf49(), &sixOf52()}) {
            const auto &expected = game->highestBall == 52 ? bands52 : bands49;
            for (int position = 0; position <= 6; ++position) {
                const filter::SumBand band = filter::sumBand(position, *game);
                const auto &want = expected[static_cast<size_t>(std::clamp(position, 1, 5) - 1)];
                QCOMPARE(std::make_pair(band.lower, band.upper), want);
            }
        }
    }

    void theListedEntriesGameDecides_data()
    {
        QTest::addColumn<int>("day");
        QTest::addColumn<QString>("widest");
        QTest::newRow("1 August 2017") << 1 << "85-213";
        QTest::newRow("2 August 2017") << 2 << "90-226";
    }

    void theListedEntriesGameDecides()
    {
        QFETCH(int, day);
        QFETCH(QString, widest);
        Installation in({2017, 8, day});
        // 1 + 2 + 3 + 4 + 26 + 50 = 86: inside the widest 6 of 49 band, below 90.
        in.entries({{1, 2, 3, 4, 26, 50}, {10, 20, 30, 40, 45, 49}});
        Opened<Form10> w(in.context);
        QCOMPARE(child<QLabel>(w, "SumBand1")->text(), widest);
        child<QCheckBox>(w, "Check1")->setChecked(true);
        click(w, "Command1");
        QCOMPARE(text(w, "Text2"), QString(day == 2 ? "1" : "0"));
    }
};

QTEST_MAIN(FilterGameTest)
#include "filtergame_test.moc"
