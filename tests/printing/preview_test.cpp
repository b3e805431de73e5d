// The preview, the printer and the PDF file draw a document through one
// routine: what the preview shows is what prints and what is saved.
#include "tests/platform/cupspdf.h"

#include "platform/qtports.h"
#include "platform/testing/fakes.h"
#include "printing/output.h"
#include "printing/previewdialog.h"
#include "printing/printing.h"
#include "printing/renderer.h"
#include "tickets/ticketrules.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace pickwise;

namespace {

// Every page of a PDF as an image at 40 dots per inch.
QList<QImage> pageImages(const QString &pdf, const QString &scratch)
{
    const QString prefix = scratch + QStringLiteral("/page");
    for (const QString &old : QDir(scratch).entryList({QStringLiteral("page*")}))
        QFile::remove(scratch + QLatin1Char('/') + old);
    QProcess p;
    p.start(QStringLiteral("pdftoppm"),
        {QStringLiteral("-r"), QStringLiteral("40"), QStringLiteral("-gray"), pdf, prefix});
    p.waitForFinished(60000);
    QList<QImage> pages;
    for (const QString &file :
        QDir(scratch).entryList({QStringLiteral("page*")}, QDir::Files, QDir::Name))
        pages << QImage(scratch + QLatin1Char('/') + file);
    return pages;
}

// 150 lines of a list: three pages of 10 point text.
std::vector<std::string> longList()
{
    std::vector<std::string> lines;
    for (int i = 1; i <= 150; ++i)
        lines.push_back(QString::asprintf("%03d 01 02 03 04 05 06", i).toStdString());
    return lines;
}

QStringList textsOf(const printing::PlacedPage &page)
{
    QStringList texts;
    for (const printing::PlacedItem &item : page) {
        const QString plain = item.text.simplified();
        if (item.kind == printing::PlacedItem::Text && !plain.isEmpty())
            texts << plain;
    }
    return texts;
}

} // namespace

class PreviewTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(m_dir.isValid()); }

    void thePreviewShowsWhatPrintsAndWhatIsSaved()
    {
        QtPrinter printer;
        const QString printed = m_dir.filePath(QStringLiteral("printed.pdf"));
        const QString saved = m_dir.filePath(QStringLiteral("saved.pdf"));
        printer.setOutputFile(printed);
        FakeDialogs dialogs;
        dialogs.answerFile(saved.toStdString());
        const bool printerok = true;
        printlist(longList(), "Pickwise entries Lotto05DEC2015 2015-12-05 10-00-00",
            {printer, dialogs, printerok});

        QPointer<printing::PreviewDialog> preview = printer.openPreview();
        QVERIFY(preview);
        QVERIFY(preview->isVisible());
        const std::vector<printing::PlacedPage> shown = preview->shownPages();
        QCOMPARE(shown.size(), size_t(3));
        QCOMPARE(preview->pageCount(), 3);
        // What the preview drew is what the printer lays out, item by item.
        QVERIFY(shown
            == printing::layOut(preview->document(), *printer.printerFor(preview->document())));
        QCOMPARE(textsOf(shown[0]).first(), QStringLiteral("001 01 02 03 04 05 06"));

        preview->findChild<QPushButton *>(QStringLiteral("SavePdf"))->click();
        QCOMPARE(dialogs.fileQuestions,
            std::vector<std::string> {"Pickwise entries Lotto05DEC2015 2015-12-05 10-00-00.pdf"});
        QVERIFY(dialogs.shown.empty());
        QVERIFY(preview); // saving leaves the preview open
        preview->findChild<QPushButton *>(QStringLiteral("Print"))->click();
        QVERIFY(dialogs.shown.empty());
        QTRY_VERIFY(preview.isNull());

        // Both files hold the pages shown, line for line.
        for (const QString &pdf : {saved, printed}) {
            QCOMPARE(testing::pdfPages(pdf), 3);
            for (int page = 1; page <= 3; ++page)
                QCOMPARE(testing::pdfPageLines(pdf, page), textsOf(shown[size_t(page - 1)]));
        }
        QCOMPARE(testing::pdfTitle(saved),
            QStringLiteral("Pickwise entries Lotto05DEC2015 2015-12-05 10-00-00"));
        // And the same pages to the dot.
        const QList<QImage> printedPages = pageImages(printed, m_dir.path());
        const QList<QImage> savedPages = pageImages(saved, m_dir.path());
        QCOMPARE(savedPages.size(), 3);
        QCOMPARE(savedPages, printedPages);
    }

    void aSlipIsShownOnItsBoxesAndPrintedWithout()
    {
        QtPrinter printer;
        printer.setOutputFile(m_dir.filePath(QStringLiteral("slip.pdf")));
        FakeDialogs dialogs;
        const bool printerok = true;
        const PrintDocument slip = tickets::slipDocument(
            tickets::ticketPlan(std::vector<Entry>(9, Entry {1, 14, 23, 30, 44, 49}), {}, 25),
            "Pickwise play slips", printerok);
        tickets::printPlan(slip, {printer, dialogs, printerok});
        QPointer<printing::PreviewDialog> preview = printer.openPreview();
        QVERIFY(preview);
        QCOMPARE(preview->pageCount(), 2); // one slip a page
        QVERIFY(preview->shownPages() == printing::layOut(slip, *printer.printerFor(slip)));

        // The boxes are on screen in the slip's red, under black marks.
        QTest::qWait(50);
        const QImage screen = preview->grab().toImage();
        int red = 0, black = 0;
        for (int y = 0; y < screen.height(); ++y) {
            for (int x = 0; x < screen.width(); ++x) {
                const QColor c = screen.pixelColor(x, y);
                red += c.red() > 150 && c.green() < 170 && c.red() - c.green() > 50;
                black += c.red() < 60 && c.green() < 60 && c.blue() < 60;
            }
        }
        QVERIFY2(red > 1000, qPrintable(QString::number(red)));
        QVERIFY2(black > 100, qPrintable(QString::number(black)));

        // The printer gets the marks alone: no box, no number.
        preview->findChild<QPushButton *>(QStringLiteral("Print"))->click();
        QTRY_VERIFY(preview.isNull());
        QVERIFY(dialogs.shown.empty());
        const QString pdf = m_dir.filePath(QStringLiteral("slip.pdf"));
        QCOMPARE(testing::pdfPages(pdf), 2);
        QVERIFY(testing::pdfPageLines(pdf, 1).isEmpty());
    }

    void theOpenPreviewFollowsAndGivesWay()
    {
        QtPrinter printer;
        FakeDialogs dialogs;
        const bool printerok = true;
        const PrintOutput out {printer, dialogs, printerok};
        const OutputResult first = output(listDocument({"01 02 03 04 05 06"}, true), out);
        QPointer<printing::PreviewDialog> preview = printer.openPreview();
        QVERIFY(preview && first.preview);
        QCOMPARE(textsOf(preview->shownPages()[0]), QStringList {"01 02 03 04 05 06"});

        QVERIFY(printer.updatePreview(*first.preview, listDocument({"07 08 09 10 11 12"}, true)));
        QCOMPARE(textsOf(preview->shownPages()[0]), QStringList {"07 08 09 10 11 12"});

        // Another printout takes its place; the first can no longer be updated.
        const OutputResult second = output(listDocument(longList(), true), out);
        QTRY_VERIFY(preview.isNull());
        QVERIFY(!printer.updatePreview(*first.preview, listDocument({"01"}, true)));
        QCOMPARE(printer.openPreview()->pageCount(), 3);
        printer.closePreview(*first.preview); // not the one open: stays
        QVERIFY(printer.openPreview());
        printer.closePreview(*second.preview);
        QTRY_VERIFY(!printer.openPreview());
    }

    void failuresAreSaidAndNothingClaimsSuccess()
    {
        QtPrinter printer;
        FakeDialogs dialogs;
        bool printerok = false;
        const PrintOutput out {printer, dialogs, printerok};
        output(listDocument({"01 02 03 04 05 06"}, true), out);
        QPointer<printing::PreviewDialog> preview = printer.openPreview();
        QVERIFY(preview);
        auto press = [&](const char *name) {
            preview->findChild<QPushButton *>(QString::fromLatin1(name))->click();
        };

        // No printer: said, the preview stays for saving a PDF instead.
        press("Print");
        QCOMPARE(dialogs.texts(), std::vector<std::string> {printmsg::noPrinter});
        QVERIFY(preview);

        // A printer that cannot start the job.
        printerok = true;
        printer.setOutputFile(QStringLiteral("/nonexistent/folder/list.pdf"));
        dialogs.clear();
        press("Print");
        QCOMPARE(dialogs.texts(),
            std::vector<std::string> {printRefusedMessage(printer.currentPrinter())});
        QVERIFY(preview);

        // A PDF that cannot be written; a file in its place stays as it was.
        dialogs.clear();
        dialogs.answerFile("/nonexistent/folder/list.pdf");
        press("SavePdf");
        QCOMPARE(dialogs.texts().size(), size_t(1));
        QCOMPARE(dialogs.texts()[0].rfind("The PDF file was not saved: ", 0), size_t(0));
        QVERIFY(dialogs.texts()[0].find("/nonexistent/folder/list.pdf") != std::string::npos);
        const QString taken = m_dir.filePath(QStringLiteral("taken.pdf"));
        QVERIFY(QDir().mkpath(taken + QStringLiteral("/inside")));
        dialogs.clear();
        dialogs.answerFile(taken.toStdString());
        press("SavePdf");
        QCOMPARE(dialogs.texts().size(), size_t(1));
        QVERIFY(QFileInfo(taken + QStringLiteral("/inside")).isDir());

        // Cancelling the file question saves nothing and says nothing.
        dialogs.clear();
        press("SavePdf");
        QVERIFY(dialogs.shown.empty());
        press("Close");
        QTRY_VERIFY(preview.isNull());
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(PreviewTest)
#include "preview_test.moc"
