#include "ledger/spentwon.h"

#include "core/resultsimport.h"
#include "tests/support/controls.h"
#include "tests/support/installation.h"

#include <QAbstractSeries>
#include <QCalendarWidget>
#include <QChart>
#include <QChartView>
#include <QDateEdit>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QScatterSeries>
#include <QtTest>

using namespace pickwise;
using namespace pickwise::testing;

namespace {

// Real draws of November 2024, with their prizes but for 9 November (in the
// plain layout), and a made-up draw of 30 October without prizes.
const std::string draws = std::string(csvHeader) + csvNov6 + csvNov13
    + "2024-11-09,29,49,46,20,6,7,31\n"
      "2024-10-30,1,2,3,4,5,6,7\n";

// The installation on 20 November 2024 with those draws and the player's
// dated entry files.
struct Rig : Installation
{
    Rig() : Installation({2024, 11, 20})
    {
        importDraws(paths.results(), paths.prizes(), draws);
        played({2024, 11, 6}, {{13, 18, 32, 42, 43, 16}, {1, 2, 3, 4, 5, 6}});
        played({2024, 11, 9}, {{6, 7, 20, 1, 2, 3}, {8, 9, 10, 11, 12, 13}, {1, 2, 3, 4, 5, 8}});
        played({2024, 11, 13}, {{3, 25, 33, 42, 9, 1}});
        played({2024, 10, 30}, {{1, 2, 3, 4, 5, 6}});
    }
    void played(const Date &date, const std::vector<Entry> &lines) const
    {
        writeEntries(paths.datedEntries(date), lines);
    }
};

bool shown(SpentWonWindow *w)
{
    return QTest::qWaitFor([w] { return !w->building(); }, 5000);
}

// Sets the range and waits for its rows.
bool range(SpentWonWindow *w, const QDate &from, const QDate &to)
{
    child<QDateEdit>(w, QStringLiteral("fromDate"))->setDate(from);
    child<QDateEdit>(w, QStringLiteral("toDate"))->setDate(to);
    return shown(w);
}

QString cell(SpentWonWindow *w, int row, int column)
{
    return w->model()->index(row, column).data().toString();
}

bool tinted(SpentWonWindow *w, int row)
{
    return w->model()->index(row, LedgerModel::wonColumn).data(Qt::BackgroundRole).isValid();
}

const char *const novemberCsv
    = "date,boards,cost,won,balance,div1_lines,div2_lines,div3_lines,div4_lines,div5_lines,"
      "div6_lines,div7_lines,div8_lines,note\n"
      "2024-11-06,2,10.00,103463.40,103453.40,0,1,0,0,0,0,0,0,\n"
      "2024-11-09,3,15.00,0.00,103438.40,0,0,0,0,0,0,1,0,prizes not known for 1 winning line\n"
      "2024-11-13,1,5.00,1873.00,105306.40,0,0,0,1,0,0,0,0,\n"
      "total,6,30.00,105336.40,105306.40,0,1,0,1,0,0,1,0,prizes not known for 1 winning line "
      "on 1 draw: not counted\n";

} // namespace

class SpentWonWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void rowsTotalsAndChartOverARange()
    {
        Rig rig;
        Opened<SpentWonWindow> w(rig.context);
        // From the first draw to today at first; the calendars show the draw dates.
        QVERIFY(shown(w));
        QCOMPARE(child<QDateEdit>(w, QStringLiteral("fromDate"))->date(), QDate(2024, 10, 30));
        QCOMPARE(child<QDateEdit>(w, QStringLiteral("toDate"))->date(), QDate(2024, 11, 20));
        for (const char *name : {"fromDate", "toDate"}) {
            QCalendarWidget *calendar
                = child<QDateEdit>(w, QString::fromUtf8(name))->calendarWidget();
            QCOMPARE(calendar->dateTextFormat(QDate(2024, 11, 9)).fontWeight(), int(QFont::Bold));
            QVERIFY(calendar->dateTextFormat(QDate(2024, 11, 16)).fontWeight() != QFont::Bold);
        }
        QCOMPARE(w->model()->rowCount(), 4);

        QVERIFY(range(w, QDate(2024, 11, 1), QDate(2024, 11, 30)));
        QCOMPARE(w->model()->rowCount(), 3);
        const auto column = [&](int c) {
            return QStringList {cell(w, 0, c), cell(w, 1, c), cell(w, 2, c)};
        };
        QCOMPARE(column(LedgerModel::SpentColumn), QStringList({"R10.00", "R15.00", "R5.00"}));
        QCOMPARE(column(LedgerModel::wonColumn),
            QStringList({"R103463.40", "prizes not known", "R1873.00"}));
        QCOMPARE(cell(w, 2, LedgerModel::balanceColumn), QStringLiteral("R105306.40"));
        // The (5+B) line of 6 November and the (3) line of 9 November, by division.
        QCOMPARE(cell(w, 0, LedgerModel::FirstDivisionColumn + 1), QStringLiteral("1"));
        QCOMPARE(cell(w, 0, LedgerModel::FirstDivisionColumn), QString());
        QCOMPARE(cell(w, 1, LedgerModel::FirstDivisionColumn + 6), QStringLiteral("1"));
        QCOMPARE(w->model()
                     ->index(1, LedgerModel::FirstDivisionColumn + 6)
                     .data(Qt::ToolTipRole)
                     .toString(),
            QStringLiteral("prize not known"));
        QCOMPARE((QList<bool> {tinted(w, 0), tinted(w, 1), tinted(w, 2)}),
            QList<bool>({false, true, false}));

        QCOMPARE(text(w, "drawsPlayed"), QStringLiteral("3"));
        QCOMPARE(text(w, "boardsPlayed"), QStringLiteral("6"));
        QCOMPARE(text(w, "totalSpent"), QStringLiteral("R30.00"));
        QCOMPARE(text(w, "totalWon"), QStringLiteral("R105336.40 and prizes not known"));
        QCOMPARE(text(w, "totalBalance"), QStringLiteral("R105306.40"));
        auto *note = child<QLabel>(w, QStringLiteral("unknownNote"));
        QVERIFY(!note->isHidden());
        QCOMPARE(note->text(),
            QStringLiteral("Prizes not known for 1 winning line on 1 draw: not counted"));

        // The balance runs through each draw; the one of unknown prizes is marked.
        QChart *chart = child<QChartView>(w, QStringLiteral("balanceChart"))->chart();
        QXYSeries *balance = nullptr;
        QScatterSeries *unknown = nullptr;
        for (QAbstractSeries *s : chart->series()) {
            if (s->name() == QLatin1String("Running balance"))
                balance = qobject_cast<QXYSeries *>(s);
            if (auto *scatter = qobject_cast<QScatterSeries *>(s))
                unknown = scatter;
        }
        QVERIFY(balance && unknown);
        QCOMPARE(balance->count(), 3);
        QCOMPARE(balance->at(2).y(), 105306.40);
        QCOMPARE(unknown->count(), 1);
        QCOMPARE(
            QDateTime::fromMSecsSinceEpoch(qint64(unknown->at(0).x())).date(), QDate(2024, 11, 9));

        // A range with no draw played, and one the wrong way round.
        QVERIFY(range(w, QDate(2024, 12, 1), QDate(2024, 12, 31)));
        QCOMPARE(w->model()->rowCount(), 0);
        QCOMPARE(text(w, "totalSpent"), QStringLiteral("R0.00"));
        QVERIFY(note->isHidden());
        QVERIFY(!child<QPushButton>(w, QStringLiteral("print"))->isEnabled());
        QVERIFY(range(w, QDate(2024, 11, 30), QDate(2024, 11, 1)));
        QCOMPARE(child<QLabel>(w, QStringLiteral("status"))->text(),
            QStringLiteral("The start date is after the end date."));
        QCOMPARE(w->model()->rowCount(), 0);
    }

    void thePricePerBoardIsSavedAndCounts()
    {
        Rig rig;
        {
            Opened<SpentWonWindow> w(rig.context);
            QVERIFY(shown(w));
            QCOMPARE(child<QDoubleSpinBox>(w, QStringLiteral("boardPrice"))->value(), 5.0);
            QVERIFY(range(w, QDate(2024, 11, 1), QDate(2024, 11, 30)));
            child<QDoubleSpinBox>(w, QStringLiteral("boardPrice"))->setValue(3.2);
            QVERIFY(shown(w));
            QCOMPARE(text(w, "totalSpent"), QStringLiteral("R19.20"));
            QCOMPARE(cell(w, 1, LedgerModel::balanceColumn), QStringLiteral("R103447.40"));
        }
        QCOMPARE(slurp(rig.paths.boardPrice()), std::string("3.20\n"));

        Opened<SpentWonWindow> again(rig.context);
        QCOMPARE(child<QDoubleSpinBox>(again, QStringLiteral("boardPrice"))->value(), 3.2);
        QVERIFY(range(again, QDate(2024, 11, 1), QDate(2024, 11, 30)));
        QCOMPARE(text(again, "totalSpent"), QStringLiteral("R19.20"));
    }

    void savedAsCsvAndPrintedThroughThePreview()
    {
        Rig rig;
        Opened<SpentWonWindow> w(rig.context);
        QVERIFY(range(w, QDate(2024, 11, 1), QDate(2024, 11, 30)));

        const std::string path = rig.dir.file("ledger.csv");
        rig.dialogs.answerFile(path);
        click(w, QStringLiteral("saveCsv"));
        QCOMPARE(rig.dialogs.fileQuestions,
            std::vector<std::string>({"spent-and-won 2024-11-01 to 2024-11-30.csv"}));
        QCOMPARE(slurp(path), std::string(novemberCsv));
        // Asked again and cancelled: the file stays.
        click(w, QStringLiteral("saveCsv"));
        QCOMPARE(slurp(path), std::string(novemberCsv));

        rig.printer.previewChoice = FakePrinter::PreviewChoice::Look;
        click(w, QStringLiteral("print"));
        QCOMPARE(rig.printer.previews.size(), size_t(1));
        std::vector<std::string> lines;
        for (const PrintOp &op : rig.printer.previews[0].ops)
            if (op.kind == PrintOp::Text)
                lines.push_back(op.text);
        const std::vector<std::string> expected {"",
            "    Spent and won from 2024-11-01 to 2024-11-30, R5.00 a board", "",
            "    Draw date     Boards        Spent           Won         Balance",
            "    2024-11-06         2       R10.00    R103463.40      R103453.40",
            "    2024-11-09         3       R15.00         R0.00*     R103438.40",
            "    2024-11-13         1        R5.00      R1873.00      R105306.40",
            "    " + std::string(63, '-'),
            "    3 draws            6       R30.00    R105336.40*     R105306.40", "",
            "    Winning lines:  (6) 0  (5+B) 1  (5) 0  (4+B) 1  (4) 0  (3+B) 0  (3) 1  (2+B) 0",
            "    * prizes not known for 1 winning line on 1 draw: not counted"};
        QCOMPARE(lines, expected);
        QVERIFY(rig.printer.ops.empty()); // only previewed
    }
};

QTEST_MAIN(SpentWonWindowTest)
#include "spentwon_window_test.moc"
