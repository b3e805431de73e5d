#include "wheels/wheel6.h"

#include "core/sharedstate.h"
#include "platform/platform.h"
#include "platform/testing/fakelink.h"
#include "platform/testing/fakes.h"
#include "tests/support/testsupport.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QtTest>

#include <cmath>
#include <filesystem>
#include <memory>

using namespace pickwise;
using namespace pickwise::testing;

namespace {

// Balls 3 and 7 drawn twice, eight more once; the bonus balls never as mains.
const std::vector<Draw> tiedHistory {{7, 3, 20, 21, 22, 23, 1}, {3, 7, 33, 32, 31, 30, 2}};

struct Setup
{
    explicit Setup(const std::vector<Draw> &history = tiedHistory, bool printerok = true)
        : platform {dialogs, printer, shell, clock, random}
    {
        std::vector<double> values;
        for (int i = 1; i <= 500; ++i)
            values.push_back(std::fmod(i * 0.6180339887, 1.0));
        random.values = values;

        state.apppath = dir.path();
        state.wheelresults = "sa.rtl";
        state.wheelgame = "Lotto";
        state.wheeltitle = "Lotto";
        state.maxball = 49;
        state.printerok = printerok;
        std::vector<BallRecord> draws;
        for (size_t i = 0; i < history.size(); ++i)
            draws.push_back(drawRecord(i == 0 ? static_cast<int>(history.size()) : 0,
                static_cast<int16_t>(i + 1), {2003, 1, 4}, history[i]));
        writeHistory(dir.file("sa.rtl"), draws);
        std::filesystem::create_directory(dir.file("wheels"));

        window = std::make_unique<wheel6>(state, platform, main);
    }

    QLineEdit *box(int i) const
    {
        return window->findChild<QLineEdit *>(QStringLiteral("Text1_%1").arg(i));
    }
    QComboBox *sizes() const { return window->findChild<QComboBox *>(QStringLiteral("Combo1")); }
    QString entries() const
    {
        return window->findChild<QLineEdit *>(QStringLiteral("Text25"))->text();
    }
    QPushButton *button(const char *name) const
    {
        return window->findChild<QPushButton *>(QString::fromLatin1(name));
    }
    void chooseType(int code) const
    {
        window->findChild<QRadioButton *>(QStringLiteral("Option%1").arg(code))->click();
    }
    void chooseSize(const QString &size) const
    {
        sizes()->setCurrentIndex(sizes()->findText(size));
    }
    int shownBoxes() const
    {
        int shown = 0;
        for (int i = 0; i < 24; ++i) {
            if (!box(i)->isHidden()) {
                if (shown != i)
                    return -1; // the shown boxes must be the first ones
                ++shown;
            }
        }
        return shown;
    }
    QStringList shownTexts() const
    {
        QStringList texts;
        for (int i = 0; i < shownBoxes(); ++i)
            texts << box(i)->text();
        return texts;
    }
    void typeGroup(const QStringList &balls) const
    {
        for (int i = 0; i < balls.size(); ++i)
            box(i)->setText(balls[i]);
    }

    TempDir dir;
    SharedState state;
    FakeDialogs dialogs;
    FakePrinter printer;
    FakeShell shell;
    FixedClock clock;
    ScriptedRandom random;
    Platform platform;
    FakeMainWindowLink main;
    std::unique_ptr<wheel6> window;
};

QStringList comboItems(QComboBox *combo)
{
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

} // namespace

class Wheel6Test : public QObject
{
    Q_OBJECT

private slots:
    void opensOnTheFullWheelWithTheMostDrawnBalls()
    {
        Setup s;
        QCOMPARE(s.window->windowTitle(), QStringLiteral("Pick 6 - Guaranteed Wheels"));
        QVERIFY(s.window->findChild<QRadioButton *>(QStringLiteral("Option1"))->isChecked());
        QCOMPARE(comboItems(s.sizes()), QStringList({"7", "8", "9", "10"}));
        QCOMPARE(s.sizes()->currentText(), QStringLiteral("7"));
        QCOMPARE(s.entries(), QStringLiteral("7"));
        QCOMPARE(s.shownBoxes(), 7);
        // 3 and 7 tie at the top; the rest follow by number.
        QCOMPARE(s.shownTexts(), QStringList({"3", "7", "20", "21", "22", "23", "30"}));
        QCOMPARE(s.state.drawfile, s.dir.file("sa.rtl"));
        QVERIFY(s.button("Command2")->isEnabled());
    }

    void printCoverDisabledWithoutPrinter()
    {
        Setup s(tiedHistory, false);
        QVERIFY(!s.button("Command2")->isEnabled());
        QVERIFY(s.button("Command3")->isEnabled());
    }

    void typeChoiceListsItsSizesAndLaysOutTheSmallest()
    {
        Setup s;
        s.chooseType(4);
        QCOMPARE(comboItems(s.sizes()), QStringList({"15", "16", "17", "18", "19", "20"}));
        QCOMPARE(s.sizes()->currentText(), QStringLiteral("15"));
        QCOMPARE(s.entries(), QStringLiteral("4"));
        QCOMPARE(s.shownBoxes(), 15);
        // Only ten balls were ever drawn: the other five are random, distinct
        // and from 1..49.
        QSet<int> balls;
        for (const QString &text : s.shownTexts()) {
            const int ball = text.toInt();
            QVERIFY(ball >= 1 && ball <= 49);
            balls.insert(ball);
        }
        QCOMPARE(balls.size(), 15);
        for (int drawn : {3, 7, 20, 21, 22, 23, 30, 31, 32, 33})
            QVERIFY(balls.contains(drawn));
    }

    void entriesRequiredForTypeAndSize_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("entries");
        QTest::newRow("match 4 of 5, 14 balls") << 6 << "14"
                                                << "37";
        QTest::newRow("match 4 of 4, 11 balls") << 8 << "11"
                                                << "37";
        QTest::newRow("match 3 of 5, 16 balls") << 7 << "16"
                                                << "10";
        QTest::newRow("match 3 of 6, 20 balls") << 4 << "20"
                                                << "10";
        QTest::newRow("full wheel, 10 balls") << 1 << "10"
                                              << "210";
    }
    void entriesRequiredForTypeAndSize()
    {
        QFETCH(int, type);
        QFETCH(QString, size);
        QFETCH(QString, entries);
        Setup s;
        s.chooseType(type);
        s.chooseSize(size);
        QCOMPARE(s.entries(), entries);
        QCOMPARE(s.shownBoxes(), size.toInt());
    }

    void sizeChangeRestoresTheSuggestion()
    {
        Setup s;
        s.chooseSize("10");
        const QStringList ten {"3", "7", "20", "21", "22", "23", "30", "31", "32", "33"};
        QCOMPARE(s.shownTexts(), ten);
        s.box(3)->setText("49");
        s.box(12)->setText("5");
        s.chooseSize("8");
        QCOMPARE(s.shownBoxes(), 8);
        QCOMPARE(s.shownTexts(), ten.mid(0, 8));
        QCOMPARE(s.box(12)->text(), QString());
    }

    void saveWritesTheWheelAndClearsTheMainWindowListingIt()
    {
        Setup s;
        const std::string lines = "01 02 03 04 05 06\n01 02 03 04 05 07\n01 02 03 04 06 07\n"
                                  "01 02 03 05 06 07\n01 02 04 05 06 07\n01 03 04 05 06 07\n"
                                  "02 03 04 05 06 07\n";
        writeBytes(
            s.dir.file("wheels/6-6-6-7.whl"), std::vector<uint8_t>(lines.begin(), lines.end()));
        s.state.wheelno = 1;
        s.state.entryfile = s.dir.file("Lotto-6-6-6.lot");
        s.main.entryLines = {"01 02 03 04 05 06"};
        s.main.entryCount = "1";

        s.typeGroup({"45", "3", "17", "9", "40", "22", "31"});
        s.button("Command3")->click();

        QCOMPARE(s.dialogs.texts(), std::vector<std::string> {"Done!"});
        const auto records = recordsOf(readBytes(s.dir.file("Lotto-6-6-6.lot")));
        QCOMPARE(records.size(), size_t(7));
        QVERIFY(records[0] == entryRecord(7, {3, 9, 17, 22, 31, 40}));
        for (const BallRecord &r : records)
            QCOMPARE(r.count, 7);
        // The boxes keep what was typed.
        QCOMPARE(s.box(0)->text(), QStringLiteral("45"));

        QCOMPARE(s.state.wheelno, int16_t(0));
        QCOMPARE(s.state.entryfile, std::string());
        QVERIFY(s.main.entryLines.empty());
        QCOMPARE(s.main.entryCount, std::string("0"));
        QCOMPARE(s.main.winningLinesCleared, 1);
    }

    void saveOfAnotherTypeLeavesTheMainWindowAlone()
    {
        Setup s;
        const std::string lines = "01 02 03 04 05 06\n04 05 06 07 08 09\n01 02 03 07 08 09\n";
        writeBytes(
            s.dir.file("wheels/6-4-3-9.whl"), std::vector<uint8_t>(lines.begin(), lines.end()));
        s.state.wheelno = 1;
        s.state.entryfile = s.dir.file("Lotto-6-6-6.lot");
        s.main.entryLines = {"01 02 03 04 05 06"};

        s.chooseType(9);
        s.chooseSize("9");
        s.button("Command3")->click();
        QCOMPARE(s.dialogs.texts(), std::vector<std::string> {"Done!"});
        QVERIFY(exists(s.dir.file("Lotto-6-4-3.lot")));
        QCOMPARE(s.state.wheelno, int16_t(1));
        QCOMPARE(s.main.entryLines.size(), size_t(1));
        QCOMPARE(s.main.winningLinesCleared, 0);
    }

    void twoEmptyBoxesAreReportedAsTheSame()
    {
        Setup s;
        s.state.wheelno = 1;
        s.box(2)->clear();
        s.box(5)->clear();
        s.button("Command3")->click();
        QCOMPARE(s.dialogs.texts(),
            std::vector<std::string> {"One or more of your numbers are the same!"});
        QVERIFY(!exists(s.dir.file("Lotto-6-6-6.lot")));
        QCOMPARE(s.state.wheelno, int16_t(1));
    }

    void coverPrintsWhatTheWindowShows()
    {
        Setup s;
        s.chooseType(2);
        s.chooseSize("9");
        s.typeGroup({"1", "5", "9", "14", "22", "30", "33", "41", " 48 "});
        s.box(9)->setText("99"); // hidden: never printed
        s.button("Command2")->click();

        const std::vector<std::string> expected {
            "font Courier 10",
            "a4",
            "text ",
            "text ",
            "text Wheel for Lotto",
            "text --------------------------------------------",
            "text Guarantee Match 5 if any 6 drawn from the following number group:",
            "text ",
            "text 1 5 9 14 22 30 33 41 48 ",
            "text ------------------------------------------------------------",
            "text ",
            "text Number of Balls is 9",
            "text ",
            "text Number of game entries required for coverage is 7",
            "text ",
            "text File Maintenance Name: Lotto-6-6-5.lot",
            "end",
        };
        QCOMPARE(s.printer.ops, expected);
        QVERIFY(s.dialogs.shown.empty());
    }

    void closeReportsToTheOpener()
    {
        Setup s;
        QPointer<wheel6> window = s.window.release();
        window->show();
        QSignalSpy closed(window.data(), &ChildWindow::closed);
        window->findChild<QPushButton *>(QStringLiteral("Command1"))->click();
        QCOMPARE(closed.count(), 1);
        QTRY_VERIFY(window.isNull());
    }
};

QTEST_MAIN(Wheel6Test)
#include "wheel6_test.moc"
