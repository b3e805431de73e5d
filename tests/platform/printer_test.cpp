#include "cupspdf.h"

#include "platform/qtports.h"
#include "platform/testing/fakes.h"
#include "printing/previewdialog.h"
#include "printing/printing.h"
#include "printing/renderer.h"

#include <QDir>
#include <QPageLayout>
#include <QPointer>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace pickwise;

namespace {

const bool printerSetUp = true;

// Straight to the printer, as with "Print directly".
PrintOutput direct(Printer &printer, Dialogs &dialogs)
{
    return {printer, dialogs, printerSetUp, true};
}

} // namespace

class PrinterTest : public QObject
{
    Q_OBJECT

private slots:
    void loadprinterFindsTheQueue();
    void printlistPrintsIndentedLinesAfterThreeEmptyOnes();
    void jobsCarryTheirNamesAndAreKeptApart();
    void thePreviewShowsThePagesThatPrint();
    void aJobThePrinterCannotStartIsReported();
    void noPrinterInstalled();

private:
    bool expectNoPrinter() const { return qEnvironmentVariableIsSet("PICKWISE_EXPECT_NO_PRINTER"); }
};

void PrinterTest::loadprinterFindsTheQueue()
{
    if (expectNoPrinter())
        return;
    QtPrinter printer;
    std::vector<std::string> names;
    QVERIFY(printer.installedPrinters(names));
    QVERIFY2(std::find(names.begin(), names.end(), PICKWISE_TEST_QUEUE) != names.end(),
        "the CUPS PDF queue is not installed: run scripts/ensure-cups-queue.sh");

    QVERIFY(loadprinter(printer, PICKWISE_TEST_QUEUE));
    QCOMPARE(printer.currentPrinter(), std::string(PICKWISE_TEST_QUEUE));

    // Without a saved name the last installed printer with a name is chosen.
    QVERIFY(loadprinter(printer, ""));
    QCOMPARE(printer.currentPrinter(), names.back());
}

void PrinterTest::printlistPrintsIndentedLinesAfterThreeEmptyOnes()
{
    if (expectNoPrinter())
        return;
    QtPrinter printer;
    QVERIFY(loadprinter(printer, PICKWISE_TEST_QUEUE));
    QtDialogs dialogs;
    const QDateTime since = QDateTime::currentDateTime().addSecs(-1);
    printlist({"01 02 03 04 05 06", "07 08 09 10 11 12"}, "", direct(printer, dialogs));

    const QString pdf = testing::waitForPdf(since);
    QVERIFY2(!pdf.isEmpty(), "the queue wrote no PDF");
    const QString text = testing::pdfText(pdf);
    const QStringList lines = text.split(QLatin1Char('\n'));
    const int first = lines.indexOf(QRegularExpression(QStringLiteral(".*01 02 03 04 05 06.*")));
    QVERIFY2(first >= 0, qPrintable(text));
    QVERIFY(lines.value(first + 1).contains(QLatin1String("07 08 09 10 11 12")));
    QCOMPARE(testing::pdfPages(pdf), 1);

    // Plain text loses the page's left edge, so the indent and the three empty
    // lines are measured on the word boxes against the printable area.
    const auto words = testing::pdfWords(pdf);
    QVERIFY(words.size() >= 12);
    const testing::PdfWord line1 = words[0];
    const auto line2 = std::find_if(words.begin(), words.end(),
        [](const testing::PdfWord &w) { return w.text == QLatin1String("07"); });
    QCOMPARE(line1.text, QStringLiteral("01"));
    QVERIFY(line2 != words.end());
    QPrinter reference(
        QPrinterInfo::printerInfo(QStringLiteral(PICKWISE_TEST_QUEUE)), QPrinter::HighResolution);
    reference.setPageSize(QPageSize(QPageSize::A4));
    const QRectF area = reference.pageLayout().paintRect(QPageLayout::Point);
    const double courierAdvance = 6.0; // 10 point Courier: 0.6 em per character
    QVERIFY2(std::abs((line1.xMin - area.left()) - 16 * courierAdvance) < 2.0,
        qPrintable(QString::number(line1.xMin)));
    QVERIFY(std::abs(line2->xMin - line1.xMin) < 0.5);
    const double lineSpacing = line2->yMin - line1.yMin;
    QVERIFY(lineSpacing > 8 && lineSpacing < 16);
    const double linesAbove = (line1.yMin - area.top()) / lineSpacing;
    QVERIFY2(linesAbove > 2.5 && linesAbove < 3.6, qPrintable(QString::number(linesAbove)));
    QFile::remove(pdf);
}

void PrinterTest::jobsCarryTheirNamesAndAreKeptApart()
{
    if (expectNoPrinter())
        return;
    QtPrinter printer;
    QVERIFY(loadprinter(printer, PICKWISE_TEST_QUEUE));
    FakeDialogs dialogs;
    const QDateTime since = QDateTime::currentDateTime().addSecs(-1);
    const QDate today = QDate::currentDate();
    const double now = QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
    // Two jobs one second apart, as a user printing one list after another.
    const std::string names[]
        = {documentName("printer test", {today.year(), today.month(), today.day()}, now),
            documentName("printer test", {today.year(), today.month(), today.day()}, now + 1)};
    for (const std::string &name : names)
        printlist({"01 02 03 04 05 06"}, name, direct(printer, dialogs));
    QVERIFY(dialogs.shown.empty());
    const QString first = testing::waitForPdfTitled(since, QString::fromStdString(names[0]));
    const QString second = testing::waitForPdfTitled(since, QString::fromStdString(names[1]));
    QVERIFY2(!first.isEmpty() && !second.isEmpty(), "the queue kept no PDF with the job's name");
    QVERIFY(first != second);
    QVERIFY(QFile::exists(first)); // the second did not take the first one's place
    QFile::remove(first);
    QFile::remove(second);
}

void PrinterTest::thePreviewShowsThePagesThatPrint()
{
    if (expectNoPrinter())
        return;
    QtPrinter printer;
    QVERIFY(loadprinter(printer, PICKWISE_TEST_QUEUE));
    FakeDialogs dialogs;
    std::vector<std::string> lines;
    for (int i = 1; i <= 150; ++i)
        lines.push_back(std::to_string(1000 + i) + " 01 02 03 04 05 06");
    const QDate today = QDate::currentDate();
    const std::string name
        = documentName("preview test", {today.year(), today.month(), today.day()},
            QTime::currentTime().msecsSinceStartOfDay() / 1000.0);
    const QDateTime since = QDateTime::currentDateTime().addSecs(-1);
    printlist(lines, name, {printer, dialogs, printerSetUp, false});

    QPointer<printing::PreviewDialog> preview = printer.openPreview();
    QVERIFY(preview);
    const std::vector<printing::PlacedPage> shown = preview->shownPages();
    QCOMPARE(preview->pageCount(), int(shown.size()));
    QVERIFY(shown.size() >= 3);
    preview->findChild<QPushButton *>(QStringLiteral("Print"))->click();
    QVERIFY(dialogs.shown.empty());

    // The queue's PDF holds the pages the preview showed, line for line.
    const QString pdf = testing::waitForPdfTitled(since, QString::fromStdString(name));
    QVERIFY2(!pdf.isEmpty(), "the queue kept no PDF with the job's name");
    QCOMPARE(testing::pdfPages(pdf), int(shown.size()));
    for (size_t page = 0; page < shown.size(); ++page) {
        QStringList texts;
        for (const printing::PlacedItem &item : shown[page])
            if (!item.text.simplified().isEmpty())
                texts << item.text.simplified();
        QCOMPARE(testing::pdfPageLines(pdf, int(page + 1)), texts);
    }
    QFile::remove(pdf);
}

void PrinterTest::aJobThePrinterCannotStartIsReported()
{
    QtPrinter printer;
    printer.setOutputFile(QStringLiteral("/nonexistent/folder/list.pdf"));
    FakeDialogs dialogs;
    printlist({"01 02 03 04 05 06"}, "", direct(printer, dialogs));
    QCOMPARE(
        dialogs.texts(), std::vector<std::string> {printRefusedMessage(printer.currentPrinter())});
    // The next job starts afresh.
    QTemporaryDir dir;
    printer.setOutputFile(dir.filePath(QStringLiteral("list.pdf")));
    dialogs.clear();
    printlist({"01 02 03 04 05 06"}, "", direct(printer, dialogs));
    QVERIFY(dialogs.shown.empty());
    QVERIFY(QFileInfo(dir.filePath(QStringLiteral("list.pdf"))).size() > 0);
}

void PrinterTest::noPrinterInstalled()
{
    if (!expectNoPrinter())
        return;
    QtPrinter printer;
    QVERIFY(!loadprinter(printer, PICKWISE_TEST_QUEUE));
    // Printing says so; the preview still shows the printout and saves it.
    FakeDialogs dialogs;
    const bool noPrinter = false;
    printlist({"01 02 03 04 05 06"}, "", {printer, dialogs, noPrinter, true});
    QCOMPARE(dialogs.texts(), std::vector<std::string> {printmsg::noPrinter});
    QTemporaryDir dir;
    const QString saved = dir.filePath(QStringLiteral("list.pdf"));
    dialogs.clear();
    dialogs.answerFile(saved.toStdString());
    printlist({"01 02 03 04 05 06"}, "", {printer, dialogs, noPrinter, false});
    QVERIFY(printer.openPreview());
    printer.openPreview()->findChild<QPushButton *>(QStringLiteral("SavePdf"))->click();
    QVERIFY(dialogs.shown.empty());
    QVERIFY(testing::pdfText(saved).contains(QLatin1String("01 02 03 04 05 06")));
}

QTEST_MAIN(PrinterTest)
#include "printer_test.moc"
