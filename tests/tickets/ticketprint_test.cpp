// "Print Tickets" through the real printer port onto the CUPS queue that writes
// PDF files: the marks are found again in the PDF and measured.
#include "tests/platform/cupspdf.h"

#include "platform/qtports.h"
#include "platform/testing/fakes.h"
#include "printing/previewdialog.h"
#include "printing/printing.h"
#include "printing/renderer.h"
#include "tests/support/installation.h"
#include "tests/support/testsupport.h"
#include "tickets/printuklotto.h"

#include <QFile>

#include <QImage>
#include <QPageLayout>
#include <QPointer>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <cmath>

using namespace pickwise;

namespace {

// The dark pixels of a rendered piece of a page, 1 pixel = 1 twip.
struct Blob
{
    bool found = false;
    int left = 0, right = 0, top = 0, bottom = 0;
};

// Renders the square [x, x + w) x [y, y + h) twips of a page at 1440 dpi and
// finds the box holding its dark pixels.
Blob darkBox(const QString &pdf, int page, int x, int y, int w, int h, const QString &scratch)
{
    const QString prefix = scratch + QStringLiteral("/crop");
    QProcess p;
    p.start(QStringLiteral("pdftoppm"),
        {QStringLiteral("-r"), QStringLiteral("1440"), QStringLiteral("-f"), QString::number(page),
            QStringLiteral("-l"), QString::number(page), QStringLiteral("-x"), QString::number(x),
            QStringLiteral("-y"), QString::number(y), QStringLiteral("-W"), QString::number(w),
            QStringLiteral("-H"), QString::number(h), QStringLiteral("-gray"),
            QStringLiteral("-aa"), QStringLiteral("no"), QStringLiteral("-aaVector"),
            QStringLiteral("no"), QStringLiteral("-singlefile"), pdf, prefix});
    p.waitForFinished(60000);
    const QImage image(prefix + QStringLiteral(".pgm"));
    Blob b;
    for (int row = 0; row < image.height(); ++row) {
        for (int col = 0; col < image.width(); ++col) {
            if (qGray(image.pixel(col, row)) >= 128)
                continue;
            if (!b.found) {
                b = {true, col, col, row, row};
                continue;
            }
            b.left = std::min(b.left, col);
            b.right = std::max(b.right, col);
            b.top = std::min(b.top, row);
            b.bottom = std::max(b.bottom, row);
        }
    }
    if (b.found) {
        b.left += x;
        b.right += x + 1; // exclusive, so right - left is the length
        b.top += y;
        b.bottom += y + 1;
    }
    return b;
}

} // namespace

class TicketPrintTest : public QObject
{
    Q_OBJECT

private slots:
    void nineEntriesOnTwoSlips();
};

void TicketPrintTest::nineEntriesOnTwoSlips()
{
    QtPrinter printer;
    QVERIFY2(loadprinter(printer, PICKWISE_TEST_QUEUE),
        "the CUPS PDF queue is not installed: run scripts/ensure-cups-queue.sh");
    QCOMPARE(printer.currentPrinter(), std::string(PICKWISE_TEST_QUEUE));

    testing::Installation inst({2015, 12, 5}); // slips of the 6 of 49 game
    std::vector<Entry> entries;
    for (int16_t i = 0; i < 9; ++i)
        entries.push_back({1, static_cast<int16_t>(7 + i), 23, 30, 44, 49});
    inst.entries(entries);
    // Saved: 10 units Left (+56 twips) and 3 units Up (+16.8 twips, printed as 17).
    testing::writeBytes(inst.paths.calibration(), {10, 0, 3, 0, 0, 0, 0xFF, 0xFF});
    testing::writeBytes(inst.paths.lineWidth(), {3, 0}); // thick

    // The installation with the real printer in place of the double.
    Platform platform {inst.dialogs, printer, inst.shell, inst.clock, inst.random};
    Context context {platform, inst.paths, inst.session};
    context.printerok = true;
    QPointer<PrintUKLotto> window = new PrintUKLotto(context);
    const QDateTime since = QDateTime::currentDateTime().addSecs(-1);
    window->findChild<QPushButton *>(QStringLiteral("Command5"))->click();
    // The preview first: one slip a page, drawn for the printer it will print on.
    QPointer<printing::PreviewDialog> preview = printer.openPreview();
    QVERIFY(preview);
    QCOMPARE(preview->pageCount(), 2);
    const std::vector<printing::PlacedPage> shown = preview->shownPages();
    QVERIFY(
        shown == printing::layOut(preview->document(), *printer.printerFor(preview->document())));
    const double resolution = preview->printer().resolution();
    // The preview's page: where its printable area starts on the paper, in twips.
    const QPointF printable
        = QPointF(preview->printer().pageLayout().paintRectPixels(int(resolution)).topLeft()) * 1440
        / resolution;
    preview->findChild<QPushButton *>(QStringLiteral("Print"))->click();
    QVERIFY(inst.dialogs.shown.empty());
    QTRY_VERIFY(preview.isNull()); // printed: the preview has closed
    delete window;

    const QString pdf = testing::waitForPdf(since);
    QVERIFY2(!pdf.isEmpty(), "the queue wrote no PDF");
    QCOMPARE(testing::pdfPages(pdf), 2);

    // Where the printer port puts twip 0,0 on the page, and how thick its dots are.
    QPrinter reference(
        QPrinterInfo::printerInfo(QStringLiteral(PICKWISE_TEST_QUEUE)), QPrinter::HighResolution);
    reference.setPageSize(QPageSize(QPageSize::A4));
    const QRectF area = reference.pageLayout().paintRect(QPageLayout::Point);
    const double originX = area.left() * 20;
    const double originY = area.top() * 20;
    const double thickness = 35.0 * 1440.0 / reference.resolution();

    struct Expected
    {
        const char *what;
        int page;
        int n;
        int board;
    };
    const Expected marks[] = {
        {"1 on board A", 1, 1, 1},
        {"23 on board D", 1, 23, 4},
        {"14 on board H", 1, 14, 8},
        {"49 on board H", 1, 49, 8},
        {"15 on board A of the second slip", 2, 15, 1},
        {"44 on board A of the second slip", 2, 44, 1},
    };
    QTemporaryDir scratch;
    for (const Expected &m : marks) {
        const tickets::Mark at = tickets::wholeTwips(tickets::markPosition(
            m.n, m.board, tickets::correctionFor(10, false, 3, true, tickets::calibrationUnit)));
        const double x = originX + at.x;
        const double y = originY + at.y;
        const Blob b = darkBox(pdf, m.page, int(x) - 100, int(y) - 90, 360, 180, scratch.path());
        QVERIFY2(b.found, m.what);
        const QByteArray where = QByteArray(m.what) + ": " + QByteArray::number(b.left) + ","
            + QByteArray::number(b.top) + " - " + QByteArray::number(b.right) + ","
            + QByteArray::number(b.bottom) + " expected " + QByteArray::number(x) + ","
            + QByteArray::number(y);
        qDebug("%s", where.constData());
        QVERIFY2(std::abs(b.left - x) <= 2, where);
        QVERIFY2(std::abs((b.right - b.left) - tickets::dashLength) <= 2, where);
        QVERIFY2(std::abs((b.top + b.bottom) / 2.0 - y) <= 2, where);
        QVERIFY2(std::abs((b.bottom - b.top) - thickness) <= 2, where);

        // The preview drew this mark where the printer put it, within a twip.
        const auto drawn = std::min_element(shown[size_t(m.page - 1)].begin(),
            shown[size_t(m.page - 1)].end(), [&](const auto &a, const auto &b) {
                const auto off = [&](const printing::PlacedItem &item) {
                    return std::hypot(item.line.x1() * 1440 / resolution + printable.x() - x,
                        item.line.y1() * 1440 / resolution + printable.y() - y);
                };
                return off(a) < off(b);
            });
        const double drawnX = drawn->line.x1() * 1440 / resolution + printable.x();
        const double drawnY = drawn->line.y1() * 1440 / resolution + printable.y();
        const QByteArray previewed = where + " previewed at " + QByteArray::number(drawnX) + ","
            + QByteArray::number(drawnY);
        QVERIFY2(std::abs(drawnX - b.left) <= 1, previewed);
        QVERIFY2(std::abs(drawnY - (b.top + b.bottom) / 2.0) <= 1, previewed);
        QVERIFY2(std::abs(drawn->line.length() * 1440 / resolution - (b.right - b.left)) <= 1,
            previewed);
    }

    // The second slip holds board A only.
    const tickets::Mark boardB = tickets::wholeTwips(tickets::markPosition(
        1, 2, tickets::correctionFor(10, false, 3, true, tickets::calibrationUnit)));
    QVERIFY(!darkBox(pdf, 2, int(originX + boardB.x) - 100, int(originY + boardB.y) - 90, 360, 180,
        scratch.path())
                 .found);
    QFile::remove(pdf);
}

QTEST_MAIN(TicketPrintTest)
#include "ticketprint_test.moc"
