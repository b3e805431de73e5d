#include "wheels/wheel6.h"

#include "tests/support/installation.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QtTest>

#include <filesystem>

using namespace pickwise;
using namespace pickwise::testing;

namespace {

// Balls 3 and 7 drawn twice, eight more once: ten balls ever drawn.
const QStringList drawnOrder {"3", "7", "20", "21", "22", "23", "30", "31", "32", "33"};

// The wheel window over an installation whose history has those ten balls
// (or a folder in the history's place: opened, never read). Today, Saturday
// 5 December 2015, is in the 6 of 49 game's time: balls 1 to 49.
struct WheelWindow : Installation
{
    explicit WheelWindow(bool printerok = true, bool readableHistory = true)
        : Installation({2015, 12, 5})
    {
        context.printerok = printerok;
        if (readableHistory)
            history({drawRecord(2, 1, {2003, 1, 4}, {7, 3, 20, 21, 22, 23, 1}),
                drawRecord(0, 2, {2003, 1, 8}, {3, 7, 33, 32, 31, 30, 2})});
        else
            std::filesystem::create_directory(paths.results());
        std::filesystem::create_directory(programFile("wheels"));
        window = std::make_unique<wheel6>(context, session.wheelGame());
    }

    template<typename T = QLineEdit>
    T *get(const QString &name) const
    {
        return window->findChild<T *>(name);
    }
    QLineEdit *box(int i) const { return get(QStringLiteral("Text1_%1").arg(i)); }
    QComboBox *sizes() const { return get<QComboBox>(QStringLiteral("Combo1")); }
    void click(const char *name) const { get<QAbstractButton>(QString::fromLatin1(name))->click(); }
    QStringList shownTexts() const
    {
        QStringList texts;
        for (int i = 0; i < 24 && !box(i)->isHidden(); ++i)
            texts << box(i)->text();
        return texts;
    }
    void typeGroup(const QStringList &balls) const
    {
        for (int i = 0; i < balls.size(); ++i)
            box(i)->setText(balls[i]);
    }

    std::unique_ptr<wheel6> window;
};

} // namespace

class Wheel6Test : public QObject
{
    Q_OBJECT

private slots:
    void typeAndSizeLayOutTheSuggestedGroup()
    {
        struct Row
        {
            const char *option, *choose, *sizes, *entries;
            int boxes;
        };
        const Row rows[] = {
            {"", "", "7-10", "7", 7}, // on opening
            {"Option4", "", "15-20", "4", 15},
            {"Option6", "14", "9-14", "37", 14},
            {"Option7", "16", "14-16", "10", 16},
        };
        for (const Row &row : rows) {
            WheelWindow s;
            if (*row.option)
                s.click(row.option);
            if (*row.choose)
                s.sizes()->setCurrentText(row.choose);
            QCOMPARE(s.sizes()->itemText(0) + "-" + s.sizes()->itemText(s.sizes()->count() - 1),
                QString(row.sizes));
            QCOMPARE(s.get(QStringLiteral("Text25"))->text(), QString(row.entries));
            const QStringList shown = s.shownTexts();
            QCOMPARE(shown.size(), row.boxes);
            QVERIFY(s.box(row.boxes)->text().isEmpty());
            // The most drawn balls (ties to the lower one), the rest distinct
            // and random, in ascending order.
            for (int i = 0; i < row.boxes; ++i) {
                QVERIFY(shown[i].toInt() >= 1 && shown[i].toInt() <= 49);
                QVERIFY(i == 0 || shown[i - 1].toInt() < shown[i].toInt());
            }
            for (const QString &ball : drawnOrder.mid(0, row.boxes))
                QVERIFY2(shown.contains(ball), qPrintable(ball));
        }
    }

    void unreadableHistoryIsSaid()
    {
        WheelWindow s(true, false);
        QCOMPARE(s.dialogs.shown.size(), size_t(1));
        const std::string said = s.dialogs.lastText();
        QVERIFY2(said.rfind("The draw history could not be read, so the suggested balls are "
                            "chosen at random, not from the draw history. You may change any "
                            "or all of them.\nCannot read \""
                         + s.paths.results(),
                     0)
                == 0,
            said.c_str());
        QCOMPARE(s.shownTexts().size(), 7);

        WheelWindow readable;
        QVERIFY(readable.dialogs.shown.empty());
    }

    void sizeChangeRestoresTheSuggestion()
    {
        WheelWindow s;
        s.sizes()->setCurrentText("10");
        QCOMPARE(s.shownTexts(), drawnOrder);
        s.box(3)->setText("49");
        s.box(12)->setText("5");
        s.sizes()->setCurrentText("8");
        QCOMPARE(s.shownTexts(), drawnOrder.mid(0, 8));
        QCOMPARE(s.box(12)->text(), QString());
    }

    void savingTheListedTypeClearsTheMainWindow()
    {
        for (int16_t listed : {1, 4}) {
            WheelWindow s;
            const std::string lines = "01 02 03 04 05 06\n01 02 03 04 05 07\n01 02 03 04 06 07\n"
                                      "01 02 03 05 06 07\n01 02 04 05 06 07\n01 03 04 05 06 07\n"
                                      "02 03 04 05 06 07\n";
            writeBytes(s.programFile("wheels/6-6-6-7.whl"), {lines.begin(), lines.end()});
            // The main window lists the wheel of type `listed`, one entry; its
            // file is gone since, so saving asks nothing before it writes.
            const std::string listedFile = s.file(wheels::entryFileName("Lotto", listed));
            writeEntries(listedFile, {{1, 2, 3, 4, 5, 6}});
            s.session.openWheel(listed);
            std::filesystem::remove(listedFile);
            s.main.winningLinesCleared = 0;
            s.typeGroup({"45", "3", "17", "9", "40", "22", "31"});
            s.click("Command3");

            QCOMPARE(s.dialogs.texts(), std::vector<std::string> {"Done!"});
            const auto records = recordsOf(readBytes(s.file("Lotto-6-6-6.lot")));
            QCOMPARE(records.size(), size_t(7));
            QVERIFY(records[0] == entryRecord(7, {3, 9, 17, 22, 31, 40}));
            QCOMPARE(s.box(0)->text(), QStringLiteral("45"));
            const bool cleared = listed == 1;
            QCOMPARE(s.session.wheelno(), int16_t(cleared ? 0 : listed));
            QCOMPARE(s.session.entryfile().empty(), cleared);
            QCOMPARE(s.main.entryLines.empty(), cleared);
            QCOMPARE(s.main.entryCount, std::string(cleared ? "0" : "1"));
            QCOMPARE(s.main.winningLinesCleared, cleared ? 1 : 0);
        }
    }

    void twoEmptyBoxesAreReportedAsTheSame()
    {
        WheelWindow s;
        s.box(2)->clear();
        s.box(5)->clear();
        s.click("Command3");
        QCOMPARE(s.dialogs.texts(),
            std::vector<std::string> {"One or more of your numbers are the same!"});
        QVERIFY(!exists(s.file("Lotto-6-6-6.lot")));
    }

    void coverPrintsWhatTheWindowShows()
    {
        WheelWindow s;
        s.click("Option2");
        s.sizes()->setCurrentText("9");
        s.typeGroup({"1", "5", "9", "14", "22", "30", "33", "41", " 48 "});
        s.box(9)->setText("99"); // hidden: never printed
        s.click("Command2");
        const std::vector<std::string> expected {"font Courier 10", "a4", "text ", "text ",
            "text Wheel for Lotto", "text --------------------------------------------",
            "text Guarantee Match 5 if any 6 drawn from the following number group:", "text ",
            "text 1 5 9 14 22 30 33 41 48 ",
            "text ------------------------------------------------------------", "text ",
            "text Number of Balls is 9", "text ",
            "text Number of game entries required for coverage is 7", "text ",
            "text File Maintenance Name: Lotto-6-6-5.lot", "end"};
        QCOMPARE(s.printer.ops, expected);
        QVERIFY(s.dialogs.shown.empty());
        QCOMPARE(s.printer.documents,
            std::vector<std::string> {"Pickwise wheel cover Lotto-6-6-5 2015-12-05 10-00-00"});

        // A printer that does not take it: said once.
        s.printer.refuses = true;
        s.click("Command2");
        QCOMPARE(s.dialogs.texts().size(), size_t(1));
        QCOMPARE(s.dialogs.lastText().rfind("The printer", 0), size_t(0));

        QVERIFY(!WheelWindow(false).get<QPushButton>(QStringLiteral("Command2"))->isEnabled());
    }

    void closeReportsToTheOpener()
    {
        WheelWindow s;
        QPointer<wheel6> window = s.window.release();
        QSignalSpy closed(window.data(), &ChildWindow::closed);
        window->show();
        window->findChild<QPushButton *>(QStringLiteral("Command1"))->click();
        QCOMPARE(closed.count(), 1);
        QTRY_VERIFY(window.isNull());
    }
};

QTEST_MAIN(Wheel6Test)
#include "wheel6_test.moc"
