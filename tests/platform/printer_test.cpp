#include "cupspdf.h"

#include "platform/qtports.h"
#include "platform/testing/fakes.h"
#include "printing/printing.h"

#include <QDir>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QtTest>

using namespace pickwise;

class PrinterTest : public QObject
{
    Q_OBJECT

private slots:
    void loadprinterFindsTheQueue();
    void printlistPrintsIndentedLinesAfterThreeEmptyOnes();
    void jobsCarryTheirNamesAndAreKeptApart();
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
    printlist({"01 02 03 04 05 06", "07 08 09 10 11 12"}, printer, dialogs, true);

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
    for (const std::string &name : names) {
        printer.setDocumentName(name);
        printlist({"01 02 03 04 05 06"}, printer, dialogs, true);
    }
    QVERIFY(dialogs.shown.empty());
    const QString first = testing::waitForPdfTitled(since, QString::fromStdString(names[0]));
    const QString second = testing::waitForPdfTitled(since, QString::fromStdString(names[1]));
    QVERIFY2(!first.isEmpty() && !second.isEmpty(), "the queue kept no PDF with the job's name");
    QVERIFY(first != second);
    QVERIFY(QFile::exists(first)); // the second did not take the first one's place
    QFile::remove(first);
    QFile::remove(second);
}

void PrinterTest::aJobThePrinterCannotStartIsReported()
{
    QtPrinter printer;
    printer.setOutputFile(QStringLiteral("/nonexistent/folder/list.pdf"));
    FakeDialogs dialogs;
    printlist({"01 02 03 04 05 06"}, printer, dialogs, true);
    QCOMPARE(
        dialogs.texts(), std::vector<std::string> {printRefusedMessage(printer.currentPrinter())});
    // The next job starts afresh.
    QTemporaryDir dir;
    printer.setOutputFile(dir.filePath(QStringLiteral("list.pdf")));
    dialogs.clear();
    printlist({"01 02 03 04 05 06"}, printer, dialogs, true);
    QVERIFY(dialogs.shown.empty());
    QVERIFY(QFileInfo(dir.filePath(QStringLiteral("list.pdf"))).size() > 0);
}

void PrinterTest::noPrinterInstalled()
{
    if (!expectNoPrinter())
        return;
    QtPrinter printer;
    QVERIFY(!loadprinter(printer, PICKWISE_TEST_QUEUE));
}

QTEST_MAIN(PrinterTest)
#include "printer_test.moc"
