// Files whose count is damaged, as the windows meet them: the user is told and
// asked once per run; Yes recovers the records present, No leaves every byte as
// it is and nothing is written to that file for the rest of the run.
#include "core/damage.h"
#include "core/drawcheck.h"
#include "entries/linkprocess.h"
#include "fileops/form30.h"
#include "wheels/wheel6.h"

#include "platform/damagecheck.h"
#include "tests/support/controls.h"
#include "tests/support/mainwindow.h"

#include <QtTest>

#include <filesystem>
#include <fstream>
#include <random>

using namespace pickwise;
using namespace pickwise::testing;

namespace {

const Date today {2015, 12, 5}; // a Saturday of the 6 of 49 game
const Draw todaysDraw {3, 9, 14, 27, 33, 41, 7};

// An entry file of nineteen entries whose record 1 says `count`.
std::vector<uint8_t> entryFile(int32_t count)
{
    std::vector<BallRecord> records;
    for (int i = 1; i <= 19; ++i)
        records.push_back(entryRecord(0, {int16_t(i), int16_t(i + 20), 42, 43, 44, 45}));
    records[0].count = count;
    return bytesOf(records);
}

// 225 draws, the last one today's, whose record 1 says `count`.
std::vector<uint8_t> resultsFile(int32_t count)
{
    auto draws = makeHistory(224);
    draws.push_back(drawRecord(0, 225, today, todaysDraw));
    draws[0].count = count;
    return bytesOf(draws);
}

std::vector<uint8_t> withCount(std::vector<uint8_t> bytes, int32_t count)
{
    for (int i = 0; i < 4; ++i)
        bytes[size_t(i)] = uint8_t(uint32_t(count) >> (8 * i));
    return bytes;
}

std::string question(const std::string &path, RecordKind kind, const std::vector<uint8_t> &bytes)
{
    CountDamage damage;
    findCountDamage(bytes, kind, lottoHighestBall, damage);
    return recoveryQuestion(path, kind, damage);
}

} // namespace

class DamageWindowsTest : public QObject
{
    Q_OBJECT

private slots:
    void aNegativeCount_data()
    {
        QTest::addColumn<bool>("results"); // else today's entry file
        QTest::addColumn<bool>("yes");
        for (bool results : {false, true})
            for (bool yes : {true, false})
                QTest::addRow("%s, %s", results ? "results" : "entries", yes ? "Yes" : "No")
                    << results << yes;
    }

    void aNegativeCount()
    {
        QFETCH(bool, results);
        QFETCH(bool, yes);
        MainWindow rig(today);
        int made = 0;
        rig.stub(ChildKind::Entry, "Form5", &made);
        const std::string path = results ? rig.file("sa.rtl") : rig.todayFile();
        const auto damaged = results ? resultsFile(-1) : entryFile(-3);
        const auto kept = yes ? withCount(damaged, results ? 225 : 19) : damaged;
        writeBytes(path, damaged);
        rig.dialogs.answer(yes);
        rig.start();

        QCOMPARE(rig.said(),
            Texts({question(path, results ? RecordKind::Results : RecordKind::Entries, damaged)}));
        if (results)
            QCOMPARE(rig.ballsShown(), yes);
        else
            QCOMPARE(rig.box("Text2"), yes ? QStringLiteral("19") : QStringLiteral("0"));
        QCOMPARE(readBytes(path), kept);

        // Leaving the date and coming back asks nothing more.
        const char *picker = results ? "DTPicker1" : "DTPicker2";
        rig.setDate(picker, 2015, 12, 2);
        rig.setDate(picker, 2015, 12, 5);
        QCOMPARE(rig.said().size(), size_t(1));

        // Adding to it (an entry, or a draw for another date): the window opens
        // over the recovered file; after No it is refused.
        rig.dialogs.clear();
        if (results) {
            rig.setDate("DTPicker1", 2015, 12, 9);
            rig.click("Command1");
        } else {
            rig.click("Command4");
        }
        QCOMPARE(results ? MainWindow::window("Form2") != nullptr : made == 1, yes);
        QCOMPARE(rig.said(), yes ? Texts {} : Texts {declinedMessage(path)});
        if (QWidget *form2 = MainWindow::window("Form2"))
            form2->close();
        QCOMPARE(readBytes(path), kept);
    }

    void countAboveTheRecordsRefusesEveryWriteAfterNo()
    {
        MainWindow rig(today);
        int made = 0;
        rig.stub(ChildKind::Entry, "Form5", &made);
        rig.stub(ChildKind::EditEntry, "editEntry", &made);
        rig.stub(ChildKind::Filter, "Form10", &made);
        const auto damaged = entryFile(30);
        writeBytes(rig.todayFile(), damaged);
        // The results file: 225 records, count 300; the whole history is valid.
        writeBytes(rig.file("sa.rtl"), resultsFile(300));
        rig.dialogs.answer(false);
        rig.dialogs.answer(false);
        rig.start();
        QCOMPARE(rig.said(),
            Texts({question(rig.todayFile(), RecordKind::Entries, damaged),
                question(rig.file("sa.rtl"), RecordKind::Results, resultsFile(300)),
                "No wins this time!"})); // the start-up check of today's entries

        // Read as before: only the records present are listed, the draw is shown.
        QCOMPARE(rig.list("List1")->count(), 19);
        QVERIFY(rig.ballsShown());

        const std::string refused = declinedMessage(rig.todayFile());
        rig.select({0});
        for (const char *action : {"Command4", "Command6", "Command5", "mnufilter"}) {
            rig.dialogs.clear();
            if (std::string(action) == "mnufilter")
                rig.trigger(action);
            else
                rig.click(action);
            QCOMPARE(rig.said(), Texts({refused}));
        }
        rig.dialogs.clear();
        rig.click("Command2"); // Delete Draw
        QCOMPARE(rig.said(), Texts({declinedMessage(rig.file("sa.rtl"))}));
        QCOMPARE(made, 0);
        QCOMPARE(readBytes(rig.todayFile()), damaged);
        QCOMPARE(readBytes(rig.file("sa.rtl")), resultsFile(300));
        QCOMPARE(rig.list("List1")->count(), 19);
    }

    void randomBytesAsTheResultsFile()
    {
        std::mt19937 engine(225);
        std::vector<uint8_t> noise(225 * 26);
        for (uint8_t &b : noise)
            b = uint8_t(engine());
        noise = withCount(noise, 0x6A09E667); // a count no file of 225 records can have
        MainWindow rig(today);
        const std::string history = rig.file("sa.rtl");
        writeBytes(history, noise);
        rig.start();

        // One question (answered Yes): no record holds a valid draw, so none is
        // kept and every record stays in the file, behind a count of 0.
        QCOMPARE(rig.said(), Texts({question(history, RecordKind::Results, noise)}));
        QVERIFY(rig.said()[0].find("recover the 0 draws") != std::string::npos);
        QCOMPARE(readBytes(history), withCount(noise, 0));
        QVERIFY(!rig.ballsShown());
    }

    void outOfRangeBallsAreToldOnceAtStartUp()
    {
        MainWindow rig(today);
        auto draws = recordsOf(resultsFile(225));
        draws[16].ball[2] = 300;
        draws[16].ball[5] = -7;
        writeHistory(rig.file("sa.rtl"), draws);
        const auto before = readBytes(rig.file("sa.rtl"));
        rig.start();

        QCOMPARE(rig.said().size(), size_t(1));
        QCOMPARE(rig.said()[0].rfind("The results file looks damaged: draw 17, dated "
                         + drawDateText(draws[16])
                         + ", has the number 300, which is not between 1 and 49.",
                     0),
            size_t(0));
        QVERIFY(rig.ballsShown()); // today's draw is good
        rig.setDate("DTPicker1", draws[16].year, draws[16].month, draws[16].day);
        rig.setDate("DTPicker1", 2015, 12, 5);
        QCOMPARE(rig.said().size(), size_t(1));
        QCOMPARE(readBytes(rig.file("sa.rtl")), before);
    }

    // Import, the optimiser and Save Wheel consult the same register.
    void otherWindowsWriteNothingToADeclinedFile()
    {
        Installation inst(today);
        inst.history(30);
        const std::string dated = inst.todayFile();
        const std::string wheel = inst.file("Lotto-6-6-6.lot");
        const auto damaged = entryFile(-3);
        for (const std::string &path : {dated, wheel}) {
            writeBytes(path, damaged);
            inst.dialogs.answer(false);
            QCOMPARE(reviewFile(inst.context, path, RecordKind::Entries),
                DamageRegister::Outcome::Declined);
        }

        std::ofstream(inst.file("mine.txt")) << "01 02 03 04 05 06\n";
        Form30 import(inst.context);
        auto *files = child<QListWidget>(&import, "File1");
        files->setCurrentRow(0);
        emit files->itemClicked(files->currentItem());
        inst.dialogs.clear();
        click(&import, "Command2");
        QCOMPARE(inst.dialogs.texts(), Texts({declinedMessage(dated)}));
        QVERIFY(child<QPushButton>(&import, "Command3")->isHidden());

        LinkProcess optimiser(inst.context);
        type(&optimiser, "Text1", "30");
        click(&optimiser, "Command1");
        child<QDateEdit>(&optimiser, "DTPicker1")->setDate(QDate(2015, 12, 5));
        inst.dialogs.clear();
        click(&optimiser, "Command2");
        QCOMPARE(inst.dialogs.texts(), Texts({declinedMessage(dated)}));

        std::filesystem::create_directory(inst.programFile("wheels"));
        const std::string lines = "01 02 03 04 05 06\n01 02 03 04 05 07\n01 02 03 04 06 07\n"
                                  "01 02 03 05 06 07\n01 02 04 05 06 07\n01 03 04 05 06 07\n"
                                  "02 03 04 05 06 07\n";
        writeBytes(inst.programFile("wheels/6-6-6-7.whl"), {lines.begin(), lines.end()});
        wheel6 wheels(inst.context, inst.session.wheelGame());
        inst.dialogs.clear();
        click(&wheels, "Command3");
        QCOMPARE(inst.dialogs.texts(), Texts({declinedMessage(wheel)}));

        QCOMPARE(readBytes(dated), damaged);
        QCOMPARE(readBytes(wheel), damaged);
    }
};

QTEST_MAIN(DamageWindowsTest)
#include "damage_windows_test.moc"
