// The text import takes the numbers of the game of the date the entries are for.
#include "fileops/form30.h"
#include "fileops/importrules.h"

#include "core/entryfiles.h"
#include "tests/support/installation.h"

#include <QDateEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include <fstream>

using namespace pickwise;
using namespace pickwise::testing;

class ImportGameTest : public QObject
{
    Q_OBJECT

private slots:
    void eachGamesBalls()
    {
        const std::vector<std::string> lines {
            "01 02 03 04 05 06", "07 08 09 10 11 50", "47 48 49 50 51 52"};
        for (const GameMatrix *game : {&sixOf49(), &sixOf52()}) {
            const bool is52 = game->highestBall == 52;
            const auto result = importtxt::validate(lines, *game);
            QCOMPARE(
                result.verdict, is52 ? importtxt::Verdict::Valid : importtxt::Verdict::OutOfRange);
            QCOMPARE(result.line, is52 ? 0 : 1);
            QCOMPARE(result.entries.size(), size_t(is52 ? 3 : 0));
            const auto beyond = importtxt::validate({"01 02 03 04 05 53"}, *game);
            QCOMPARE(beyond.verdict, importtxt::Verdict::OutOfRange);
        }
    }

    void boundaryDates_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<bool>("takes52");
        QTest::newRow("29 July 2017") << QDate(2017, 7, 29) << false;
        QTest::newRow("1 August 2017") << QDate(2017, 8, 1) << false;
        QTest::newRow("2 August 2017") << QDate(2017, 8, 2) << true;
    }

    void boundaryDates()
    {
        QFETCH(QDate, date);
        QFETCH(bool, takes52);
        Installation rig({2026, 12, 5});
        {
            std::ofstream(rig.file("today.txt")) << "01 02 03 04 05 06\n07 12 23 34 45 52\n";
        }
        Form30 w(rig.context);
        w.findChild<QDateEdit *>(QStringLiteral("DTPicker1"))->setDate(date);
        auto *files = w.findChild<QListWidget *>(QStringLiteral("File1"));
        const auto items = files->findItems(QStringLiteral("today.txt"), Qt::MatchExactly);
        QVERIFY(!items.isEmpty());
        files->setCurrentItem(items.first());
        emit files->itemClicked(items.first());
        w.findChild<QPushButton *>(QStringLiteral("Command2"))->click();
        QCOMPARE(rig.dialogs.lastText(),
            std::string(takes52 ? importtxt::validMessage(importtxt::Verdict::Valid)
                                : importtxt::validMessage(importtxt::Verdict::OutOfRange)));
        if (!takes52)
            return;
        w.findChild<QPushButton *>(QStringLiteral("Command3"))->click();
        std::vector<Entry> stored;
        QCOMPARE(entryfiles::list(rig.paths.datedEntries({2017, 8, 2}), stored), std::string());
        QCOMPARE(stored.size(), size_t(2));
        QCOMPARE(stored.back()[5], int16_t(52));
    }
};

QTEST_MAIN(ImportGameTest)
#include "importgame_test.moc"
