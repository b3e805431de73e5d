// The entry window, its constraints and Edit Entry take the numbers of the game of
// the entries' date, or today's for the standing entries.
#include "core/entryfiles.h"
#include "entries/editentry.h"
#include "entries/entryrules.h"
#include "entries/form5.h"
#include "tests/support/controls.h"
#include "tests/support/installation.h"

Q_DECLARE_METATYPE(pickwise::Date)

using namespace pickwise;
using namespace pickwise::testing;

namespace {

using Texts = std::vector<std::string>;
const Entry listed {3, 9, 14, 27, 33, 41};

enum class Listing { Today, July29, Standing };

// Today as named; the listed entries as asked.
struct Making : Installation
{
    ConstraintSet constraints;

    Making(Date today, Listing listing) : Installation(today)
    {
        history(makeHistory(30));
        switch (listing) {
        case Listing::Today:
            entries({listed});
            break;
        case Listing::July29:
            writeEntries(paths.datedEntries({2017, 7, 29}), {listed});
            session.listDated({2017, 7, 29});
            break;
        case Listing::Standing:
            writeEntries(paths.standingEntries(), {listed});
            session.listStanding();
            break;
        }
    }
};

void typeSix(QWidget *w, const QString &sixth)
{
    const QStringList numbers {"1", "2", "3", "4", "5", sixth};
    for (int i = 0; i < 6; ++i)
        type(w, QStringLiteral("Text1_%1").arg(i), numbers[i]);
}

} // namespace

class MakingGameTest : public QObject
{
    Q_OBJECT

private slots:
    void rangeFollowsTheEntriesGame_data()
    {
        QTest::addColumn<Date>("today");
        QTest::addColumn<int>("listing");
        QTest::addColumn<int>("highest");
        const Date jul29 {2017, 7, 29}, aug1 {2017, 8, 1}, aug2 {2017, 8, 2};
        QTest::newRow("29 July 2017") << jul29 << int(Listing::Today) << 49;
        QTest::newRow("1 August 2017") << aug1 << int(Listing::Today) << 49;
        QTest::newRow("2 August 2017") << aug2 << int(Listing::Today) << 52;
        QTest::newRow("29 July's entries on 2 August") << aug2 << int(Listing::July29) << 49;
        QTest::newRow("standing entries on 1 August") << aug1 << int(Listing::Standing) << 49;
        QTest::newRow("standing entries on 2 August") << aug2 << int(Listing::Standing) << 52;
    }

    void rangeFollowsTheEntriesGame()
    {
        QFETCH(Date, today);
        QFETCH(int, listing);
        QFETCH(int, highest);
        const bool takes52 = highest == 52;
        Making in(today, static_cast<Listing>(listing));
        const std::string range = "One or more of your numbers are out of range for the game!";
        {
            Opened<Form5> w(in.context, in.constraints);
            typeSix(w, "52");
            click(w, "Command6");
            QCOMPARE(in.dialogs.texts(), takes52 ? Texts {} : Texts {range});
            QCOMPARE(in.session.listedCount(), takes52 ? 2 : 1);
            in.dialogs.clear();
            typeSix(w, "53");
            click(w, "Command6");
            QCOMPARE(in.dialogs.texts(), Texts {range});

            // The constraint editor's Done.
            in.dialogs.clear();
            click(w, "Command2");
            type(w, "Text2", "52");
            click(w, "Command7");
            QCOMPARE(in.dialogs.texts(),
                takes52 ? Texts {} : Texts {"One of your numbers is greater than 49"});
            type(w, "Text2", "53");
            click(w, "Command7");
            QCOMPARE(in.dialogs.texts().back(),
                "One of your numbers is greater than " + std::to_string(highest));
        }
        in.dialogs.clear();
        in.session.editpos = 1;
        Opened<editEntry> w(in.context);
        typeSix(w, "51");
        click(w, "Command6");
        QCOMPARE(in.dialogs.texts(), takes52 ? Texts {} : Texts {range});
        std::vector<Entry> stored;
        QCOMPARE(entryfiles::list(in.session.entryfile(), stored), std::string());
        QCOMPARE(stored.front()[5], int16_t(takes52 ? 51 : 41));
    }
};

QTEST_MAIN(MakingGameTest)
#include "making_game_windows_test.moc"
