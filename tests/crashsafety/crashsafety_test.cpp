// Every operation that rewrites a file, made to fail part way through its
// write: the old file must be left byte for byte as it was, no temporary file
// may be left beside it, and the user must have been told.
//
// A full disk is imitated with the file size limit: with SIGXFSZ ignored, any
// write past the limit fails with EFBIG, whatever file it goes to. The limit is
// chosen below the size of the new content, so the temporary file cannot be
// completed, while the old file (already on disk) is left alone by it.
#include "core/resultsimport.h"
#include "download/downloadjob.h"
#include "entries/form10.h"
#include "entries/linkprocess.h"
#include "fileops/form30.h"
#include "tickets/printuklotto.h"
#include "tickets/ticketrules.h"
#include "wheels/wheelsave.h"

#include "tests/support/mainwindow.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QtTest>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sys/resource.h>

using namespace pickwise;
using namespace pickwise::testing;

namespace {

// Lowers the soft file size limit for its lifetime.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lowered = m_old;
        lowered.rlim_cur = bytes;
        m_ok = ::setrlimit(RLIMIT_FSIZE, &lowered) == 0;
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    bool ok() const { return m_ok; }

private:
    rlimit m_old {};
    void (*m_oldHandler)(int) = nullptr;
    bool m_ok = false;
};

// The names in a folder, sorted: a failed write must leave no temporary file.
QStringList namesIn(const std::string &folder)
{
    QStringList names;
    for (const auto &item : std::filesystem::directory_iterator(folder))
        names << QString::fromStdString(item.path().filename().string());
    names.sort();
    return names;
}

// Entry i of eight that share no number: i, i+8, ..., i+40.
std::vector<Entry> disjointEntries(int n)
{
    std::vector<Entry> entries;
    for (int i = 1; i <= n; ++i) {
        const int base = (i - 1) % 8 + 1;
        entries.push_back({int16_t(base), int16_t(base + 8), int16_t(base + 16), int16_t(base + 24),
            int16_t(base + 32), int16_t(base + 40)});
    }
    return entries;
}

bool startsWith(const std::string &text, const std::string &prefix)
{
    return text.rfind(prefix, 0) == 0;
}

const rlim_t limit = 100; // bytes: under four records

const Date today {2015, 12, 5}; // a Saturday of the 6 of 49 game

} // namespace

class CrashSafetyTest : public QObject
{
    Q_OBJECT

private slots:
    void insertAndDeleteDraw();
    void deleteEntries();
    void saveStanding();
    void filterRemoval();
    void optimiserEntries();
    void wheelSave();
    void import();
    void downloadInstall();
    void calibrationSave();
    void countRecovery();
    void resultsImport();
};

// Add Result and Delete Draw on the main window, over a ten-draw history.
void CrashSafetyTest::insertAndDeleteDraw()
{
    MainWindow rig(today);
    const std::string history = rig.file("sa.rtl");
    auto draws = makeHistory(9);
    draws.push_back(drawRecord(0, 10, today, {1, 5, 12, 23, 34, 45, 7}));
    draws[0].count = 10;
    writeHistory(history, draws);
    const auto before = readBytes(history);
    rig.start();
    QVERIFY(rig.ballsShown());

    const QStringList files = namesIn(rig.paths.dataFolder());
    {
        FileSizeLimit full(limit);
        QVERIFY(full.ok());
        rig.click("Command2");
    }
    QCOMPARE(readBytes(history), before);
    QCOMPARE(rig.dialogs.texts().size(), size_t(2)); // the question, then the failure
    QVERIFY(startsWith(rig.dialogs.lastText(), "Cannot write"));
    QVERIFY(rig.ballsShown());
    QCOMPARE(namesIn(rig.paths.dataFolder()), files);

    // Without the limit the same click deletes: the failure came from the write.
    rig.dialogs.clear();
    rig.click("Command2");
    QCOMPARE(rig.dialogs.texts().size(), size_t(1));
    QCOMPARE(recordsOf(readBytes(history)).at(0).count, 9);
    QVERIFY(!rig.ballsShown());

    // Add Result for the same Saturday.
    const auto nineDraws = readBytes(history);
    rig.click("Command1");
    QWidget *form2 = MainWindow::window("Form2");
    QVERIFY(form2);
    const QStringList numbers {"7", "3", "49", "1", "20", "11", "5"};
    for (int i = 0; i < 7; ++i)
        form2->findChild<QLineEdit *>(QStringLiteral("Text%1").arg(i + 1))->setText(numbers[i]);
    rig.dialogs.clear();
    const QStringList files2 = namesIn(rig.paths.dataFolder());
    {
        FileSizeLimit full(limit);
        form2->findChild<QPushButton *>(QStringLiteral("Command1"))->click();
    }
    QCOMPARE(readBytes(history), nineDraws);
    QCOMPARE(rig.dialogs.texts().size(), size_t(1));
    QVERIFY(startsWith(rig.dialogs.lastText(), "Cannot write"));
    QVERIFY(!rig.ballsShown());
    QCOMPARE(namesIn(rig.paths.dataFolder()), files2);
    form2->close();
}

// Delete on the entry list, two of twenty entries selected.
void CrashSafetyTest::deleteEntries()
{
    MainWindow rig;
    writeEntries(rig.todayFile(), disjointEntries(20));
    const auto before = readBytes(rig.todayFile());
    rig.start();
    QCOMPARE(rig.list("List1")->count(), 20);
    rig.select({0, 7});
    const QStringList files = namesIn(rig.paths.dataFolder());
    {
        FileSizeLimit full(limit);
        rig.click("Command5");
    }
    QCOMPARE(readBytes(rig.todayFile()), before);
    QVERIFY(startsWith(rig.dialogs.lastText(), "Cannot write"));
    QCOMPARE(rig.list("List1")->count(), 20); // the list still shows the file
    QCOMPARE(rig.box("Text2"), QStringLiteral("20"));
    QCOMPARE(namesIn(rig.paths.dataFolder()), files);
}

// Save Standing over an older standing entry file.
void CrashSafetyTest::saveStanding()
{
    MainWindow rig;
    writeEntries(rig.todayFile(), disjointEntries(20));
    const std::string standing = rig.file("StandLT.lot");
    writeEntries(standing, disjointEntries(5));
    const auto before = readBytes(standing);
    rig.start();
    const QStringList files = namesIn(rig.paths.dataFolder());
    {
        FileSizeLimit full(limit);
        rig.trigger("mnuSaveStand");
    }
    QCOMPARE(readBytes(standing), before);
    QCOMPARE(rig.dialogs.texts().size(), size_t(2)); // the overwrite question, then the failure
    QVERIFY(startsWith(rig.dialogs.lastText(), "Cannot write"));
    QCOMPARE(namesIn(rig.paths.dataFolder()), files);
}

// The filter's Remove: sixteen entries, the second eight duplicates of the first.
void CrashSafetyTest::filterRemoval()
{
    Installation inst;
    inst.entries(disjointEntries(16));
    const auto before = inst.entryBytes();

    Form10 form(inst.context);
    form.findChild<QCheckBox *>(QStringLiteral("Check2"))->setChecked(true);
    form.findChild<QPushButton *>(QStringLiteral("Command1"))->click();
    QCOMPARE(form.findChild<QLineEdit *>(QStringLiteral("Text2"))->text(), QStringLiteral("8"));
    const QStringList files = namesIn(inst.paths.dataFolder());
    {
        FileSizeLimit full(limit);
        form.findChild<QPushButton *>(QStringLiteral("Command2"))->click();
    }
    QCOMPARE(inst.entryBytes(), before);
    QVERIFY(startsWith(inst.dialogs.lastText(),
        "The checked entries could not be removed; the entry file has been left as it was."));
    QCOMPARE(form.findChild<QLineEdit *>(QStringLiteral("Text2"))->text(), QStringLiteral("8"));
    QCOMPARE(namesIn(inst.paths.dataFolder()), files);
}

// The optimiser adding its entries to a date that already holds eight.
void CrashSafetyTest::optimiserEntries()
{
    Installation inst(today);
    inst.history(3);
    const std::string target = inst.todayFile();
    writeEntries(target, disjointEntries(8));
    const auto before = readBytes(target);

    LinkProcess form(inst.context);
    form.findChild<QLineEdit *>(QStringLiteral("Text1"))->setText(QStringLiteral("3"));
    form.findChild<QPushButton *>(QStringLiteral("Command1"))->click();
    form.findChild<QDateEdit *>(QStringLiteral("DTPicker1"))->setDate(QDate(2015, 12, 5));
    inst.dialogs.clear();
    const QStringList files = namesIn(inst.paths.dataFolder());
    {
        FileSizeLimit full(limit);
        form.findChild<QPushButton *>(QStringLiteral("Command2"))->click();
    }
    QCOMPARE(readBytes(target), before);
    QCOMPARE(inst.dialogs.texts().size(), size_t(2)); // the question to add, then the failure
    QVERIFY(startsWith(
        inst.dialogs.lastText(), "The entries could not be written, so none were added."));
    QCOMPARE(namesIn(inst.paths.dataFolder()), files);
}

// Save Wheel over a wheel that holds entries, after the overwrite question.
void CrashSafetyTest::wheelSave()
{
    TempDir dir;
    std::filesystem::create_directory(dir.file("wheels"));
    const std::string definition = "01 02 03 04 05 06\n01 02 03 04 05 07\n01 02 03 04 06 07\n"
                                   "01 02 03 05 06 07\n01 02 04 05 06 07\n01 03 04 05 06 07\n"
                                   "02 03 04 05 06 07\n";
    writeBytes(dir.file("wheels/6-6-6-7.whl"), {definition.begin(), definition.end()});
    const std::string wheelFile = dir.file("Lotto-6-6-6.lot");
    writeEntries(wheelFile, disjointEntries(7));
    const auto before = readBytes(wheelFile);

    wheels::SaveWheelInput input;
    input.paths = DataPaths(dir.path(), dir.path());
    input.wheelgame = "Lotto";
    input.wheeltype = 1;
    input.ballcount = 7;
    const char *balls[] = {"3", "9", "17", "22", "31", "40", "45"};
    std::copy(std::begin(balls), std::end(balls), input.boxes.begin());
    input.entriesText = "7";
    FakeDialogs dialogs;
    wheels::SaveOutcome outcome;
    const QStringList files = namesIn(dir.path());
    {
        FileSizeLimit full(limit);
        outcome = wheels::saveWheel(input, dialogs);
    }
    QVERIFY(outcome != wheels::SaveOutcome::Done);
    QCOMPARE(readBytes(wheelFile), before);
    QCOMPARE(dialogs.texts(),
        std::vector<std::string>({wheels::overwriteQuestion, wheels::wheelFileNotFoundMessage}));
    QCOMPARE(namesIn(dir.path()), files);
}

// Import of a validated text file of twenty lines to an empty dated file.
void CrashSafetyTest::import()
{
    Installation inst(today);
    {
        std::ofstream text(inst.file("mine.txt"));
        for (const Entry &e : disjointEntries(20))
            text << entryLineText(e) << "\n";
    }
    const std::string target = inst.todayFile();

    Form30 form(inst.context);
    auto *fileList = form.findChild<QListWidget *>(QStringLiteral("File1"));
    fileList->setCurrentRow(0);
    emit fileList->itemClicked(fileList->currentItem());
    form.findChild<QPushButton *>(QStringLiteral("Command2"))->click();
    QCOMPARE(inst.dialogs.lastText(), std::string("Entry Valid - click Import to create entry"));
    const auto before = readBytes(target); // validation opened it: empty
    const QStringList files = namesIn(inst.paths.dataFolder());
    {
        FileSizeLimit full(limit);
        form.findChild<QPushButton *>(QStringLiteral("Command3"))->click();
    }
    QCOMPARE(readBytes(target), before);
    QVERIFY(startsWith(
        inst.dialogs.lastText(), "The entries could not be imported, nothing was written."));
    QVERIFY(!inst.session.importwrote);
    QCOMPARE(namesIn(inst.paths.dataFolder()), files);
}

// A checked, accepted download that cannot be written over the history.
void CrashSafetyTest::downloadInstall()
{
    TempDir dir;
    writeHistory(dir.file("sa.rtl"), makeHistory(5));
    const auto before = readBytes(dir.file("sa.rtl"));
    const auto body = bytesOf(makeHistory(12));

    const QStringList files = namesIn(dir.path());
    download::DownloadJob job(dir.file("sa.rtl"), dir.file("temp.rtl"));
    QCOMPARE(job.begin(), std::string());
    QVERIFY(job.startBody(200, "200 OK", true, std::to_string(body.size())));
    QVERIFY(job.addPiece(body));
    job.complete();
    FakeDialogs dialogs;
    download::FinishOptions options;
    options.checkBeforeOverwriting = false;
    options.check8Visible = false;
    std::string status;
    {
        FileSizeLimit full(limit);
        status = job.finish(dialogs, options);
    }
    QCOMPARE(readBytes(dir.file("sa.rtl")), before);
    QCOMPARE(status, std::string(download::someFailedStatus));
    QCOMPARE(dialogs.texts().size(), size_t(1));
    QVERIFY(startsWith(dialogs.lastText(), "The downloaded results could not be saved ("));
    QCOMPARE(namesIn(dir.path()), files);
}

// Save on the calibration window: the 8-byte record cannot be written whole.
void CrashSafetyTest::calibrationSave()
{
    Installation inst;
    const std::vector<uint8_t> oldCalib {5, 0, 0, 0, 7, 0, 0, 0};
    const std::vector<uint8_t> oldWidth {3, 0};
    writeBytes(inst.paths.calibration(), oldCalib);
    writeBytes(inst.paths.lineWidth(), oldWidth);

    PrintUKLotto form(inst.context);
    auto *lr = form.findChild<QLineEdit *>(QStringLiteral("Text1"));
    lr->setText(QStringLiteral("20"));
    form.findChild<QRadioButton *>(QStringLiteral("Option5"))->setChecked(true);
    const QStringList files = namesIn(inst.paths.dataFolder());
    {
        FileSizeLimit full(4);
        form.findChild<QPushButton *>(QStringLiteral("Command1"))->click();
    }
    QCOMPARE(readBytes(inst.paths.calibration()), oldCalib);
    QCOMPARE(readBytes(inst.paths.lineWidth()), oldWidth);
    QCOMPARE(inst.dialogs.texts().size(), size_t(1));
    QVERIFY(startsWith(inst.dialogs.lastText(), "Cannot write"));
    QCOMPARE(namesIn(inst.paths.dataFolder()), files);
}

// Yes to recovering a damaged count, on the main window at start-up: an entry
// file of twenty entries whose count says -3, and a history of ten draws whose
// count says 40.
void CrashSafetyTest::countRecovery()
{
    for (const bool results : {false, true}) {
        MainWindow rig;
        const std::string path = results ? rig.file("sa.rtl") : rig.todayFile();
        std::vector<BallRecord> records;
        if (results) {
            records = makeHistory(10);
            records[0].count = 40;
        } else {
            for (const Entry &e : disjointEntries(20))
                records.push_back(entryRecord(0, e));
            records[0].count = -3;
        }
        writeBytes(path, bytesOf(records));
        const auto before = readBytes(path);
        rig.dialogs.answer(true);
        {
            FileSizeLimit full(limit);
            rig.start();
        }
        QCOMPARE(readBytes(path), before);
        QCOMPARE(rig.dialogs.texts().size(), size_t(2)); // the question, then the failure
        QVERIFY(startsWith(rig.dialogs.lastText(),
            "The count of " + path + " could not be rewritten (Cannot write"));
        QVERIFY(rig.dialogs.lastText().find("The file is left as it was.") != std::string::npos);
        // Start-up makes the missing files empty, as always; no temporary file is left.
        for (const QString &name : namesIn(rig.paths.dataFolder()))
            QVERIFY2(!name.startsWith(QLatin1String(".pickwise")), qPrintable(name));
    }
}

// A results import with prize money over a history and a prize file: the
// write fails in the history's temporary file, or only in the prize file's
// after the history's was written whole. Both files stay as they were.
void CrashSafetyTest::resultsImport()
{
    const std::string shipped = SHIPPED_DRAWS;
    for (const rlim_t failAt : {limit, rlim_t(30000)}) { // the new history takes 25,688 bytes
        TempDir dir;
        writeHistory(dir.file("sa.rtl"), makeHistory(3, {2003, 1, 4}));
        const std::string oldPrizes = "date,div1,div2,div3,div4,div5,div6,div7,div8\n"
                                      "2003-01-04,,100.00,,,,,,\n";
        writeBytes(dir.file(prizesFileName), {oldPrizes.begin(), oldPrizes.end()});
        const auto historyBefore = readBytes(dir.file("sa.rtl"));
        ResultsHistory history(dir.file("sa.rtl"));
        PrizeStore prizes(dir.file(prizesFileName));
        QCOMPARE(history.load(), std::string());
        prizes.load();

        const QStringList files = namesIn(dir.path());
        resultsimport::Summary summary;
        {
            FileSizeLimit full(failAt);
            QVERIFY(full.ok());
            summary = resultsimport::importFile(history, prizes, shipped);
        }
        QCOMPARE(int(summary.outcome), int(resultsimport::Summary::Outcome::Failed));
        QVERIFY(startsWith(resultsimport::summaryText(summary),
            "The results could not be imported, nothing was changed (Cannot write"));
        QCOMPARE(readBytes(dir.file("sa.rtl")), historyBefore);
        QCOMPARE(slurp(dir.file(prizesFileName)), oldPrizes);
        QCOMPARE(namesIn(dir.path()), files);
        QCOMPARE(history.size(), 3);
        QVERIFY(prizes.find({2024, 11, 13}) == nullptr);

        // Without the limit the same import goes through.
        summary = resultsimport::importFile(history, prizes, shipped);
        QCOMPARE(summary.added, 985);
        QCOMPARE(history.size(), 988);
    }
}

QTEST_MAIN(CrashSafetyTest)
#include "crashsafety_test.moc"
