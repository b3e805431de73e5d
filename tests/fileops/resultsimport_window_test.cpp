#include "fileops/resultsimportwindow.h"

#include "core/damage.h"
#include "core/results.h"
#include "platform/widgets.h"
#include "tests/support/controls.h"
#include "tests/support/mainwindow.h"

#include <QCalendarWidget>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QSignalSpy>
#include <QtTest>

#include <fstream>

using namespace pickwise;
using namespace pickwise::testing;

namespace {

// Real draws of November 2024 in the shipped layout, with their prizes.
const std::string held = std::string(csvHeader) + csvNov6 + csvNov13;

// One new draw, one held already, one in conflict, one out of range.
const char *const mixed = "date,n1,n2,n3,n4,n5,n6,bonus\n"
                          "2024-11-16,5,10,15,20,25,30,35\n"
                          "13/11/2024,3,25,33,35,42,45,9\n"
                          "2024-11-06,1,2,3,4,5,6,7\n"
                          "2024-11-23,1,2,3,4,5,6,60\n";

// The main window over a folder holding the draws above, the real import
// window behind File > Import Results..., and today 20 November 2024.
struct Rig : MainWindow
{
    Rig() : MainWindow({2024, 11, 20})
    {
        importDraws(paths.results(), paths.prizes(), held);
        form->children().setFactory(
            ChildKind::ResultsImport, [this] { return new ResultsImportWindow(context); });
    }

    std::string csv(const std::string &name, const std::string &content) const
    {
        const std::string path = dir.file(name);
        std::ofstream(path, std::ios::binary) << content;
        return path;
    }

    // The window opened from the menu; importing path in it as the user chose it.
    ResultsImportWindow *opened()
    {
        trigger("mnuImportResults");
        return qobject_cast<ResultsImportWindow *>(window("ResultsImportWindow"));
    }
    void choose(ResultsImportWindow *w, const std::string &path)
    {
        dialogs.answerOpen(path);
        child<QPushButton>(w, QStringLiteral("chooseFile"))->click();
    }
    ResultsImportWindow *importing(const std::string &path)
    {
        ResultsImportWindow *w = opened();
        if (w)
            choose(w, path);
        return w;
    }

    static bool ended(ResultsImportWindow *w)
    {
        return QTest::qWaitFor([w] { return !w->importing(); }, 5000);
    }

    static QString summary(QWidget *w)
    {
        return child<QPlainTextEdit>(w, QStringLiteral("summary"))->toPlainText();
    }

    bool bold(const QDate &date) const
    {
        return find<QDateEdit>("DTPicker1")->calendarWidget()->dateTextFormat(date).fontWeight()
            == QFont::Bold;
    }

    std::vector<std::vector<uint8_t>> contents() const
    {
        return {readBytes(paths.results()), readBytes(paths.prizes())};
    }
};

std::string dailyRows(int rows, Date from)
{
    std::string text = "date,n1,n2,n3,n4,n5,n6,bonus\n";
    QDate d = toQDate(from);
    for (int i = 0; i < rows; ++i, d = d.addDays(1))
        text += d.toString(Qt::ISODate).toStdString() + ",1,2,3,4,5,6,7\n";
    return text;
}

} // namespace

class ResultsImportWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void importsTheChosenFileAndTheMainWindowShowsItsDraws()
    {
        Rig rig;
        rig.start();
        rig.setDate("DTPicker1", 2024, 11, 16);
        QVERIFY(!rig.ballsShown());
        QVERIFY(rig.bold(QDate(2024, 11, 13)));
        QVERIFY(!rig.bold(QDate(2024, 11, 16)));
        rig.dialogs.clear();

        ResultsImportWindow *w = rig.importing(rig.csv("mixed.csv", mixed));
        QVERIFY(w);
        QVERIFY(!rig.form->isEnabled());
        QCOMPARE(rig.dialogs.openQuestions, Texts({"Import Results"}));
        QVERIFY(Rig::ended(w));
        QCOMPARE(child<QProgressBar>(w, QStringLiteral("progress"))->value(), 100);
        const QString summary = Rig::summary(w);
        QVERIFY2(summary.startsWith(QStringLiteral(
                     "1 draw added, 1 already in the history, 1 in conflict with it, "
                     "1 row rejected.\n\nIn conflict, left as the history holds them:\n"
                     "line 4: the history holds 13 18 32 42 43 50 bonus 16 for "
                     "6/11/2024\n\nRejected:\nline 5: ")),
            qPrintable(summary));
        QVERIFY(rig.dialogs.shown.empty());

        // The history holds the new draw; the held ones are as they were.
        std::vector<BallRecord> draws;
        QCOMPARE(results::readAll(rig.paths.results(), draws), std::string());
        QCOMPARE(draws.size(), size_t(3));
        QCOMPARE(draws[2].ball, (std::array<int16_t, 7> {5, 10, 15, 20, 25, 30, 35}));
        QCOMPARE(draws[0].ball, (std::array<int16_t, 7> {13, 18, 32, 42, 43, 50, 16}));

        // The main window looks its date up again once the window has closed.
        QVERIFY(!rig.ballsShown());
        child<QPushButton>(w, QStringLiteral("close"))->click();
        QVERIFY(rig.form->isEnabled());
        QVERIFY(rig.ballsShown());
        QCOMPARE(rig.session.winballs(), (Draw {5, 10, 15, 20, 25, 30, 35}));
        QVERIFY(rig.bold(QDate(2024, 11, 16)));
    }

    void cancelLeavesBothFilesAsTheyWere()
    {
        Rig rig;
        rig.start();
        const auto before = rig.contents();
        // Far more rows than the moment between the two clicks can read.
        ResultsImportWindow *w = rig.importing(rig.csv("long.csv", dailyRows(30000, {1950, 1, 1})));
        QVERIFY(w);
        child<QPushButton>(w, QStringLiteral("cancel"))->click();
        QVERIFY(Rig::ended(w));
        QCOMPARE(Rig::summary(w), QStringLiteral("The import was cancelled; nothing was changed."));
        QCOMPARE(rig.contents(), before);

        // A file without a valid row changes nothing either, and says why.
        rig.choose(w, rig.csv("bad.csv", "2024-11-30,1,1,2,3,4,5,6\n"));
        QVERIFY(Rig::ended(w));
        QVERIFY(Rig::summary(w).startsWith(
            QStringLiteral("No row of the file is a valid result, so nothing was imported.")));
        QCOMPARE(rig.contents(), before);

        // Closed while it imports: the import stops, then the window goes.
        rig.choose(w, rig.csv("long2.csv", dailyRows(30000, {1950, 1, 1})));
        QVERIFY(w->importing());
        w->close();
        QVERIFY(QTest::qWaitFor([&rig] { return rig.form->isEnabled(); }, 5000));
        QVERIFY(!MainWindow::window("ResultsImportWindow"));
        QCOMPARE(rig.contents(), before);
    }

    void aResultsFileLeftDamagedIsRefused()
    {
        Rig rig;
        // Record 1 says ten draws where two are present; the user leaves it so.
        auto records = recordsOf(readBytes(rig.paths.results()));
        records[0].count = 10;
        writeHistory(rig.paths.results(), records);
        const auto before = rig.contents();
        rig.dialogs.answer(false);
        rig.start();
        QVERIFY(rig.context.damage.declined(rig.paths.results()));
        rig.dialogs.clear();

        ResultsImportWindow *w = rig.importing(rig.csv("mixed.csv", mixed));
        QVERIFY(w);
        QVERIFY(!w->importing());
        QCOMPARE(rig.said(), Texts({declinedMessage(rig.paths.results())}));
        QVERIFY(rig.dialogs.openQuestions.empty());
        QVERIFY(Rig::summary(w).isEmpty());
        QCOMPARE(rig.contents(), before);
    }

    void tenThousandRowsInUnderASecond()
    {
        Rig rig;
        rig.start();
        const std::string path = rig.csv("tenthousand.csv", dailyRows(10000, {1990, 1, 1}));
        ResultsImportWindow *w = rig.opened();
        QVERIFY(w);
        QSignalSpy moved(
            child<QProgressBar>(w, QStringLiteral("progress")), &QProgressBar::valueChanged);
        QElapsedTimer clock;
        clock.start();
        rig.choose(w, path);
        QVERIFY(Rig::ended(w));
        const qint64 elapsed = clock.elapsed();
        qInfo("10,000 rows through the import window: %lld ms", elapsed);
        QVERIFY2(elapsed < 1000, qPrintable(QString::number(elapsed)));
        QVERIFY2(Rig::summary(w).startsWith(QStringLiteral("10000 draws added, 0 already")),
            qPrintable(Rig::summary(w)));
        QCOMPARE(results::drawCount(rig.paths.results()), 10002);

        // The bar moved forward on the way, to its end.
        QVERIFY(moved.count() >= 2);
        int last = -1;
        for (const QList<QVariant> &value : moved) {
            QVERIFY(value.at(0).toInt() >= last);
            last = value.at(0).toInt();
        }
        QCOMPARE(last, 100);
    }
};

QTEST_MAIN(ResultsImportWindowTest)
#include "resultsimport_window_test.moc"
