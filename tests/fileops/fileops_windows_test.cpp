#include "fileops/form30.h"
#include "fileops/form8.h"

#include "platform/testing/fakes.h"
#include "tests/support/installation.h"

#include <QDateEdit>
#include <QDir>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

#include <fstream>

using namespace pickwise;
using namespace pickwise::testing;

namespace {

const Date today {2015, 12, 5}; // a Saturday of the 6 of 49 game

void choose(QWidget *w, const QString &name)
{
    auto *files = w->findChild<QListWidget *>(QStringLiteral("File1"));
    const auto items = files->findItems(name, Qt::MatchExactly);
    QVERIFY(!items.isEmpty());
    files->setCurrentItem(items.first());
    emit files->itemClicked(items.first());
}

QStringList lines(QWidget *w, const char *name)
{
    QStringList out;
    auto *list = w->findChild<QListWidget *>(QLatin1String(name));
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

QPushButton *button(QWidget *w, const char *name)
{
    return w->findChild<QPushButton *>(QLatin1String(name));
}

// Shows the window as the user gets it: active, with the file list holding
// the focus it takes on opening.
QListWidget *openWithFocus(QWidget *w)
{
    w->show();
    w->activateWindow();
    if (!QTest::qWaitForWindowActive(w))
        return nullptr;
    auto *files = w->findChild<QListWidget *>(QStringLiteral("File1"));
    files->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
    return files->hasFocus() ? files : nullptr;
}

void clickFile(QListWidget *files, int row)
{
    QTest::mouseClick(
        files->viewport(), Qt::LeftButton, {}, files->visualItemRect(files->item(row)).center());
}

} // namespace

class FileOpsWindowsTest : public QObject
{
    Q_OBJECT

private slots:
    void importsTheValidatedLines();
    void refusalsOfValidation();
    void dateChangeHidesImport();
    void importNeverOverwritesEntriesThatArrivedAfterValidation();
    void importShowsAFileOnceWhenChosenByMouseOrKeys();
    void importReportsADatedFileItCannotRead();
    void deletionWindowViewsAndDeletes();
    void deletionFollowsTheKeysAndNamesTheFile();
    void deletionRefusesTheShownFile();
};

void FileOpsWindowsTest::importShowsAFileOnceWhenChosenByMouseOrKeys()
{
    Installation rig(today);
    {
        std::ofstream(rig.file("a.txt")) << "01 02 03 04 05 06\n";
        std::ofstream(rig.file("b.txt")) << "07 08 09 10 11 12\n13 14 15 16 17 18\n";
    }
    Form30 w(rig.context);
    QListWidget *files = openWithFocus(&w);
    QVERIFY(files);
    // Opening, and the focus the list takes, show nothing and ask nothing.
    QVERIFY(rig.dialogs.shown.empty());
    QVERIFY(lines(&w, "List2").isEmpty());

    clickFile(files, 0);
    QCOMPARE(lines(&w, "List2"), QStringList({"01 02 03 04 05 06"}));
    QVERIFY(rig.dialogs.shown.empty());

    QTest::keyClick(files, Qt::Key_Down);
    QCOMPARE(lines(&w, "List2"), QStringList({"07 08 09 10 11 12", "13 14 15 16 17 18"}));
    QTest::keyClick(files, Qt::Key_Up);
    QCOMPARE(lines(&w, "List2"), QStringList({"01 02 03 04 05 06"}));
    QVERIFY(rig.dialogs.shown.empty());

    // What the keys chose is what Validate checks.
    button(&w, "Command2")->click();
    QCOMPARE(rig.dialogs.texts(),
        std::vector<std::string>({"Entry Valid - click Import to create entry"}));
    // A click on the chosen file reads it again and asks for a new validation.
    clickFile(files, 0);
    QCOMPARE(lines(&w, "List2"), QStringList({"01 02 03 04 05 06"}));
    QVERIFY(!button(&w, "Command3")->isVisibleTo(&w));
    QVERIFY(button(&w, "Command2")->isVisibleTo(&w));
}

void FileOpsWindowsTest::importReportsADatedFileItCannotRead()
{
    Installation rig(today);
    {
        std::ofstream(rig.file("good.txt")) << "01 02 03 04 05 06\n";
    }
    // A folder where the dated file should be: it can be neither read nor made.
    QVERIFY(QDir(QString::fromStdString(rig.paths.dataFolder()))
                .mkdir(QStringLiteral("Lotto05DEC2015.lot")));
    auto *w = new Form30(rig.context);
    choose(w, QStringLiteral("good.txt"));
    button(w, "Command2")->click();
    const std::string said = rig.dialogs.lastText();
    QVERIFY2(said.rfind("The entry file for this date (Lotto05DEC2015.lot) could not be read or "
                        "created, so nothing can be imported for it.\n",
                 0)
            == 0,
        said.c_str());
    QVERIFY(!button(w, "Command3")->isVisibleTo(w));
    delete w;
}

void FileOpsWindowsTest::importsTheValidatedLines()
{
    Installation rig(today);
    writeBytes(rig.file("mine.txt"), {});
    {
        std::ofstream(rig.file("mine.txt")) << "01 02 03 04 05 06\n\"45 10 33 07 21 02\",x\n";
    }
    auto *w = new Form30(rig.context);
    QPointer<Form30> guard(w);
    choose(w, QStringLiteral("mine.txt"));
    QCOMPARE(lines(w, "List2"), QStringList({"01 02 03 04 05 06", "45 10 33 07 21 02"}));
    QVERIFY(button(w, "Command2")->isVisibleTo(w));
    QVERIFY(!button(w, "Command3")->isVisibleTo(w));

    button(w, "Command2")->click();
    QCOMPARE(rig.dialogs.lastText(), std::string("Entry Valid - click Import to create entry"));
    QVERIFY(!button(w, "Command2")->isVisibleTo(w));
    QVERIFY(button(w, "Command3")->isVisibleTo(w));

    // What was validated is what is imported, even if the file changes meanwhile.
    {
        std::ofstream(rig.file("mine.txt")) << "99 99 99 99 99 99\n";
    }
    button(w, "Command3")->click();
    QCOMPARE(rig.dialogs.lastText(), std::string("Entry imported succsessfully"));
    BallRecord first = entryRecord(2, {1, 2, 3, 4, 5, 6});
    BallRecord second = entryRecord(0, {2, 7, 10, 21, 33, 45});
    for (BallRecord *r : {&first, &second}) {
        r->day = 5;
        r->month = 12;
        r->year = 2015;
    }
    QCOMPARE(readBytes(rig.file("Lotto05DEC2015.lot")), bytesOf({first, second}));
    QVERIFY(rig.session.importwrote); // the main window shows 5 December 2015

    w->close();
    QTRY_VERIFY(guard.isNull());
}

void FileOpsWindowsTest::refusalsOfValidation()
{
    Installation rig(today);
    struct Case
    {
        const char *content;
        const char *message;
    };
    const Case cases[] = {
        {"1 2 3 4 5 6\n",
            "One or more of your numbers are out of range - or your file is not in the correct "
            "format"},
        {"07 08 09 10 11 50\n",
            "One or more of your numbers are out of range - or your file is not in the correct "
            "format"},
        {"07 07 09 10 11 12\n", "You have duplicate numbers in one of the lines"},
    };
    auto *w = new Form30(rig.context);
    button(w, "Command2")->click();
    QCOMPARE(rig.dialogs.lastText(), std::string("You have not selected a file"));
    for (const Case &c : cases) {
        {
            std::ofstream(rig.file("bad.txt")) << c.content;
        }
        w->refreshFiles();
        choose(w, QStringLiteral("bad.txt"));
        button(w, "Command2")->click();
        QCOMPARE(rig.dialogs.lastText(), std::string(c.message));
        QVERIFY(!button(w, "Command3")->isVisibleTo(w));
    }

    // A date that already has entries.
    {
        std::ofstream(rig.file("good.txt")) << "01 02 03 04 05 06\n";
    }
    writeEntries(rig.file("Lotto05DEC2015.lot"), {{9, 10, 11, 12, 13, 14}});
    const auto before = readBytes(rig.file("Lotto05DEC2015.lot"));
    w->refreshFiles();
    choose(w, QStringLiteral("good.txt"));
    button(w, "Command2")->click();
    QCOMPARE(rig.dialogs.lastText(),
        std::string("You already have a date entry for this date, please choose another date"));
    QVERIFY(!button(w, "Command3")->isVisibleTo(w));
    QCOMPARE(readBytes(rig.file("Lotto05DEC2015.lot")), before);

    // An empty file validates and imports no entries.
    writeBytes(rig.file("empty.txt"), {});
    w->findChild<QDateEdit *>(QStringLiteral("DTPicker1"))->setDate(QDate(2015, 12, 9));
    w->refreshFiles();
    choose(w, QStringLiteral("empty.txt"));
    button(w, "Command2")->click();
    button(w, "Command3")->click();
    QCOMPARE(rig.dialogs.lastText(), std::string("Entry imported succsessfully"));
    QCOMPARE(readBytes(rig.file("Lotto09DEC2015.lot")), std::vector<uint8_t>(26, 0));
    QVERIFY(!rig.session.importwrote); // not the main window's date
    delete w;
}

void FileOpsWindowsTest::dateChangeHidesImport()
{
    Installation rig(today);
    {
        std::ofstream(rig.file("good.txt")) << "01 02 03 04 05 06\n";
    }
    auto *w = new Form30(rig.context);
    choose(w, QStringLiteral("good.txt"));
    button(w, "Command2")->click();
    QVERIFY(button(w, "Command3")->isVisibleTo(w));
    w->findChild<QDateEdit *>(QStringLiteral("DTPicker1"))->setDate(QDate(2015, 12, 9));
    QVERIFY(!button(w, "Command3")->isVisibleTo(w));
    QVERIFY(button(w, "Command2")->isVisibleTo(w));
    delete w;
}

void FileOpsWindowsTest::importNeverOverwritesEntriesThatArrivedAfterValidation()
{
    Installation rig(today);
    {
        std::ofstream(rig.file("good.txt")) << "01 02 03 04 05 06\n";
    }
    auto *w = new Form30(rig.context);
    choose(w, QStringLiteral("good.txt"));
    button(w, "Command2")->click();
    writeEntries(rig.file("Lotto05DEC2015.lot"), {{9, 10, 11, 12, 13, 14}});
    const auto before = readBytes(rig.file("Lotto05DEC2015.lot"));
    button(w, "Command3")->click();
    QCOMPARE(rig.dialogs.lastText(),
        std::string("You already have a date entry for this date, please choose another date"));
    QCOMPARE(readBytes(rig.file("Lotto05DEC2015.lot")), before);
    delete w;
}

void FileOpsWindowsTest::deletionWindowViewsAndDeletes()
{
    Installation rig(today);
    writeBytes(rig.file("fmm1.lot"), bytesOf({entryRecord(1, {1, 2, 3, 4, 5, 0})}));
    writeEntries(rig.file("Lotto05DEC2015.lot"), {{3, 11, 19, 27, 38, 45}});
    auto *w = new Form8(rig.context);
    QCOMPARE(lines(w, "File1"), QStringList({"fmm1.lot", "Lotto05DEC2015.lot"}));
    button(w, "Command3")->click();
    QCOMPARE(rig.dialogs.lastText(), std::string("You have not selected a file for deletion"));

    choose(w, QStringLiteral("fmm1.lot"));
    QCOMPARE(lines(w, "List2"), QStringList({"01 02 03 04  PB 05 "}));

    rig.dialogs.answer(false);
    button(w, "Command3")->click();
    QCOMPARE(rig.dialogs.lastText(),
        std::string("Are you sure you want to delete this lottery selection file?\n\nfmm1.lot"));
    QVERIFY(exists(rig.file("fmm1.lot")));
    QCOMPARE(lines(w, "List2").size(), 1);

    rig.dialogs.answer(true);
    button(w, "Command3")->click();
    QVERIFY(!exists(rig.file("fmm1.lot")));
    QCOMPARE(lines(w, "File1"), QStringList({"Lotto05DEC2015.lot"}));
    QVERIFY(lines(w, "List2").isEmpty());
    delete w;
}

void FileOpsWindowsTest::deletionFollowsTheKeysAndNamesTheFile()
{
    Installation rig(today);
    writeEntries(rig.file("Lotto05DEC2015.lot"), {{3, 11, 19, 27, 38, 45}});
    writeEntries(rig.file("Lotto09DEC2015.lot"), {{1, 2, 3, 4, 5, 6}});
    Form8 w(rig.context);
    QListWidget *files = openWithFocus(&w);
    QVERIFY(files);
    QVERIFY(rig.dialogs.shown.empty());

    clickFile(files, 0);
    QCOMPARE(lines(&w, "List2"), QStringList({"03 11 19 27 38 45"}));
    QTest::keyClick(files, Qt::Key_Down);
    QCOMPARE(lines(&w, "List2"), QStringList({"01 02 03 04 05 06"}));

    // Delete removes the file on screen, and the question says which it is.
    rig.dialogs.answer(true);
    button(&w, "Command3")->click();
    QCOMPARE(rig.dialogs.texts(),
        std::vector<std::string>({"Are you sure you want to delete this lottery selection "
                                  "file?\n\nLotto09DEC2015.lot"}));
    QVERIFY(!exists(rig.file("Lotto09DEC2015.lot")));
    QVERIFY(exists(rig.file("Lotto05DEC2015.lot")));
}

void FileOpsWindowsTest::deletionRefusesTheShownFile()
{
    Installation rig(today);
    rig.entries({{3, 11, 19, 27, 38, 45}});
    auto *w = new Form8(rig.context);
    choose(w, QStringLiteral("Lotto05DEC2015.lot"));
    rig.dialogs.clear();
    button(w, "Command3")->click();
    QCOMPARE(rig.dialogs.texts(),
        std::vector<std::string> {
            "You cannot delete this file, you currently have it opened in the main program"});
    QVERIFY(exists(rig.file("Lotto05DEC2015.lot")));
    delete w;
}

QTEST_MAIN(FileOpsWindowsTest)
#include "fileops_windows_test.moc"
