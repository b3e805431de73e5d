#pragma once

#include "printing/document.h"

#include <QFont>
#include <QLineF>
#include <QPointF>
#include <QString>

#include <vector>

class QPagedPaintDevice;
class QPainter;
class QPrinter;

namespace pickwise::printing {

// One thing drawn on a page, in the device's pixels from the top-left of the
// printable area.
struct PlacedItem
{
    enum Kind { Text, Line };

    Kind kind = Text;
    QString text; // Text
    QFont font; // Text
    QPointF at; // Text: the start of the baseline
    QLineF line; // Line
    double penWidth = 0; // Line: in dots

    bool operator==(const PlacedItem &o) const
    {
        return kind == o.kind && text == o.text && font == o.font && at == o.at && line == o.line
            && penWidth == o.penWidth;
    }
};
using PlacedPage = std::vector<PlacedItem>;

// Sets a printer up for doc before anything is drawn: the job's name, and A4
// portrait paper when doc asks for it.
void prepare(QPrinter &printer, const PrintDocument &doc);

// Where everything of doc lands on device, page by page, as the printer has
// always placed it: text lines in the current font from the top of the
// printable area, each one line spacing under the last, a line that does not
// fit (below the first) going on a new page; lines at their twips; a new page
// where doc asks. A document without output has one empty page.
std::vector<PlacedPage> layOut(const PrintDocument &doc, const QPagedPaintDevice &device);

// The one routine that draws a document, for the printer, the PDF file and the
// preview alike: painter is active on device; every page of layOut is drawn,
// with a new device page between them. With underlay (the preview only) the
// document's underlay is drawn under each page first. Returns the pages drawn.
std::vector<PlacedPage> render(
    const PrintDocument &doc, QPagedPaintDevice &device, QPainter &painter, bool underlay);

} // namespace pickwise::printing
