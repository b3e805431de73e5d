#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace pickwise::testing {

// Where the CUPS PDF queue writes its files (its "Out" setting, ${HOME} expanded).
QString cupsPdfOutputDir();

// Waits for a PDF the queue wrote after `since`; "" after the timeout.
QString waitForPdf(const QDateTime &since, int timeoutMs = 60000);

// Text of a PDF as `pdftotext -layout` gives it.
QString pdfText(const QString &pdf);

// The lines of text on one page (from 1), each with its blanks run together,
// empty lines left out.
QStringList pdfPageLines(const QString &pdf, int page);

struct PdfWord
{
    QString text;
    double xMin = 0;
    double yMin = 0;
    int page = 0;
};

// Every word with its box in PDF points from the page's top-left (pdftotext -bbox),
// in the order the PDF holds them.
QList<PdfWord> pdfWords(const QString &pdf);

// Number of pages (pdfinfo).
int pdfPages(const QString &pdf);

// The document title a PDF carries (pdfinfo, without the brackets the queue
// adds), "" when none.
QString pdfTitle(const QString &pdf);

// Waits for a PDF the queue wrote after `since` whose title is `title`; "" after
// the timeout.
QString waitForPdfTitled(const QDateTime &since, const QString &title, int timeoutMs = 60000);

} // namespace pickwise::testing
