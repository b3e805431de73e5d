#include "printing/renderer.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPen>
#include <QPrinter>

namespace pickwise::printing {

namespace {

// The font a printout starts with, before any font step.
QFont startingFont()
{
    return QFont(QStringLiteral("Courier"), 10);
}

QFont fontOf(const PrintOp &op)
{
    QFont font(QString::fromStdString(op.text), op.size);
    font.setStyleHint(QFont::Monospace);
    return font;
}

double dotsPerInch(const QPaintDevice &device)
{
    return device.logicalDpiY();
}

void drawItem(QPainter &painter, const PlacedItem &item)
{
    if (item.kind == PlacedItem::Text) {
        painter.setFont(item.font);
        painter.drawText(item.at, item.text);
        return;
    }
    QPen pen(Qt::black);
    pen.setWidthF(item.penWidth);
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    painter.drawLine(item.line);
}

// The slip as printed on the paper, in the slip's own red, thin enough to
// leave the marks standing out.
void drawUnderlay(QPainter &painter, const std::vector<PreviewShape> &shapes, double dpi)
{
    if (shapes.empty())
        return;
    painter.save();
    const auto px = [dpi](double twips) { return twips * dpi / 1440.0; };
    const QColor slipRed(214, 92, 92);
    QPen pen(slipRed);
    pen.setWidthF(dpi / 180.0);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    QFont numberFont(QStringLiteral("Sans Serif"), 5);
    QFont letterFont(QStringLiteral("Sans Serif"), 14, QFont::Bold);
    for (const PreviewShape &shape : shapes) {
        const QRectF rect(px(shape.x), px(shape.y), px(shape.width), px(shape.height));
        const QString label = QString::fromStdString(shape.label);
        if (shape.kind == PreviewShape::Box) {
            painter.drawRect(rect);
            painter.setFont(numberFont);
            painter.drawText(rect, Qt::AlignCenter, label);
        } else {
            painter.drawRoundedRect(rect, px(60), px(60));
            painter.setFont(letterFont);
            painter.drawText(
                QRectF(rect.left(), rect.top(), px(300), rect.height()), Qt::AlignCenter, label);
        }
    }
    painter.restore();
}

} // namespace

void prepare(QPrinter &printer, const PrintDocument &doc)
{
    printer.setDocName(QString::fromStdString(doc.name));
    if (doc.asksA4Portrait()) {
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setPageOrientation(QPageLayout::Portrait);
    }
}

std::vector<PlacedPage> layOut(const PrintDocument &doc, const QPagedPaintDevice &device)
{
    const double dpi = dotsPerInch(device);
    const double height = device.pageLayout().paintRectPixels(static_cast<int>(dpi)).height();
    const auto px = [dpi](double twips) { return twips * dpi / 1440.0; };

    std::vector<PlacedPage> pages(1);
    QFont font = startingFont();
    double penWidth = 1;
    double textY = 0;
    for (const PrintOp &op : doc.ops) {
        switch (op.kind) {
        case PrintOp::Font:
            font = fontOf(op);
            break;
        case PrintOp::A4Portrait:
            break; // the printer was prepared for it
        case PrintOp::Text: {
            const QFontMetricsF metrics(font, &device);
            if (textY + metrics.lineSpacing() > height && textY > 0) {
                pages.emplace_back();
                textY = 0;
            }
            PlacedItem item;
            item.kind = PlacedItem::Text;
            item.text = QString::fromStdString(op.text);
            item.font = font;
            item.at = QPointF(0, textY + metrics.ascent());
            pages.back().push_back(item);
            textY += metrics.lineSpacing();
            break;
        }
        case PrintOp::Width:
            penWidth = op.size;
            break;
        case PrintOp::Line: {
            PlacedItem item;
            item.kind = PlacedItem::Line;
            item.line = QLineF(px(op.x1), px(op.y1), px(op.x2), px(op.y2));
            item.penWidth = penWidth;
            pages.back().push_back(item);
            break;
        }
        case PrintOp::NewPage:
            pages.emplace_back();
            textY = 0;
            break;
        }
    }
    return pages;
}

std::vector<PlacedPage> render(
    const PrintDocument &doc, QPagedPaintDevice &device, QPainter &painter, bool underlay)
{
    const std::vector<PlacedPage> pages = layOut(doc, device);
    for (size_t i = 0; i < pages.size(); ++i) {
        if (i > 0)
            device.newPage();
        if (underlay)
            drawUnderlay(painter, doc.underlay, dotsPerInch(device));
        for (const PlacedItem &item : pages[i])
            drawItem(painter, item);
    }
    return pages;
}

} // namespace pickwise::printing
