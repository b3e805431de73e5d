#include "printing/previewdialog.h"

#include <QGraphicsItem>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPageLayout>
#include <QPainter>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

namespace pickwise::printing {

namespace {

QPushButton *button(const char *name, const QString &caption, const QString &tip, QWidget *parent)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setToolTip(tip);
    b->setAutoDefault(false);
    return b;
}

// The part of the page the underlay covers, in twips from the printable area's
// top-left; empty without one.
QRectF underlayBounds(const PrintDocument &doc)
{
    QRectF bounds;
    for (const PreviewShape &shape : doc.underlay)
        bounds = bounds.united(QRectF(shape.x, shape.y, shape.width, shape.height));
    return bounds;
}

} // namespace

PreviewDialog::PreviewDialog(std::unique_ptr<QPrinter> printer, const PrintDocument &doc,
    std::shared_ptr<PreviewActions> actions, QWidget *parent)
    : QDialog(parent), m_printer(std::move(printer)), m_doc(doc), m_actions(std::move(actions))
{
    setObjectName(QStringLiteral("PrintPreview"));
    setWindowTitle(QStringLiteral("Print Preview - ") + QString::fromStdString(doc.name));
    setAttribute(Qt::WA_DeleteOnClose);
    // An open preview does not keep the program running once its windows close.
    setAttribute(Qt::WA_QuitOnClose, false);

    auto *previous
        = button("Previous", QStringLiteral("< Page"), QStringLiteral("Previous page"), this);
    auto *next = button("Next", QStringLiteral("Page >"), QStringLiteral("Next page"), this);
    m_pageNumber = new QLabel(this);
    m_pageNumber->setObjectName(QStringLiteral("PageNumber"));
    auto *wholePage = button(
        "WholePage", QStringLiteral("Whole Page"), QStringLiteral("Shows the whole page"), this);
    auto *pageWidth = button("PageWidth", QStringLiteral("Page Width"),
        QStringLiteral("Fits the page's width into the window"), this);
    auto *zoomIn = button("ZoomIn", QStringLiteral("Zoom In"), QString(), this);
    auto *zoomOut = button("ZoomOut", QStringLiteral("Zoom Out"), QString(), this);
    m_print = button("Print", QStringLiteral("Print"),
        QStringLiteral("Prints what is shown on the chosen printer"), this);
    auto *savePdf = button("SavePdf", QStringLiteral("Save as PDF"),
        QStringLiteral("Saves what is shown as a PDF file"), this);
    auto *close
        = button("Close", QStringLiteral("Close"), QStringLiteral("Closes the preview"), this);

    m_view = new QPrintPreviewWidget(m_printer.get(), this);
    m_view->setObjectName(QStringLiteral("Preview"));
    m_view->setViewMode(QPrintPreviewWidget::SinglePageView);

    auto *tools = new QHBoxLayout;
    tools->addWidget(previous);
    tools->addWidget(m_pageNumber);
    tools->addWidget(next);
    tools->addStretch(1);
    tools->addWidget(wholePage);
    tools->addWidget(pageWidth);
    tools->addWidget(zoomIn);
    tools->addWidget(zoomOut);
    auto *pages = new QVBoxLayout;
    pages->addLayout(tools);
    pages->addWidget(m_view, 1);
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(m_print);
    buttons->addWidget(savePdf);
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(pages, 1);
    layout->addLayout(buttons);

    connect(m_view, &QPrintPreviewWidget::paintRequested, this,
        [this](QPrinter *target) { paintPages(target); });
    connect(m_view, &QPrintPreviewWidget::previewChanged, this, [this] { showPageNumber(); });
    connect(previous, &QPushButton::clicked, this, [this] { showPage(m_view->currentPage() - 1); });
    connect(next, &QPushButton::clicked, this, [this] { showPage(m_view->currentPage() + 1); });
    connect(wholePage, &QPushButton::clicked, m_view, &QPrintPreviewWidget::fitInView);
    connect(pageWidth, &QPushButton::clicked, m_view, &QPrintPreviewWidget::fitToWidth);
    connect(zoomIn, &QPushButton::clicked, m_view, [this] { m_view->zoomIn(); });
    connect(zoomOut, &QPushButton::clicked, m_view, [this] { m_view->zoomOut(); });
    connect(m_print, &QPushButton::clicked, this, [this] { print(); });
    connect(savePdf, &QPushButton::clicked, this, [this] { m_actions->savePdf(m_doc); });
    connect(close, &QPushButton::clicked, this, &QDialog::close);

    m_view->fitToWidth();
    m_view->updatePreview();
    m_print->setFocus();
    // Its own size: a window sized by its layout alone would get a third less.
    resize(sizeHint());
}

PreviewDialog::~PreviewDialog() = default;

QSize PreviewDialog::sizeHint() const
{
    // A page wide enough to read, as tall as the screen allows.
    const QScreen *shown = screen() ? screen() : QGuiApplication::primaryScreen();
    const int height = shown ? shown->availableGeometry().height() * 9 / 10 : 900;
    return QSize(780, std::min(height, 1100));
}

void PreviewDialog::setDocument(const PrintDocument &doc)
{
    const int page = m_view->currentPage();
    m_doc = doc;
    setWindowTitle(QStringLiteral("Print Preview - ") + QString::fromStdString(doc.name));
    prepare(*m_printer, m_doc);
    m_view->updatePreview();
    // The same page, the view left where the user put it.
    m_view->setCurrentPage(std::min(page, m_view->pageCount()));
    showPageNumber();
}

void PreviewDialog::showPage(int page)
{
    if (page < 1 || page > m_view->pageCount())
        return;
    m_view->setCurrentPage(page);
    showPageNumber();
    showSlip(false);
}

void PreviewDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Once the view has its size.
    QMetaObject::invokeMethod(
        this, [this] { showSlip(true); }, Qt::QueuedConnection);
}

int PreviewDialog::pageCount() const
{
    return m_view->pageCount();
}

void PreviewDialog::paintPages(QPrinter *target)
{
    QPainter painter(target);
    m_shown = printing::render(m_doc, *target, painter, true);
}

void PreviewDialog::showPageNumber()
{
    m_pageNumber->setText(
        QStringLiteral("Page %1 of %2").arg(m_view->currentPage()).arg(m_view->pageCount()));
}

// A play slip is small on its page: the view brings the slip of the current
// page into sight, with fit as large as the whole slip fits the window.
void PreviewDialog::showSlip(bool fit)
{
    const QRectF slip = underlayBounds(m_doc);
    auto *graphics = m_view->findChild<QGraphicsView *>();
    if (slip.isEmpty() || !graphics || !graphics->scene() || m_view->pageCount() < 1)
        return;
    // The scene holds the pages top to bottom, in printer dots.
    QList<QGraphicsItem *> pages = graphics->scene()->items();
    std::sort(pages.begin(), pages.end(),
        [](const QGraphicsItem *a, const QGraphicsItem *b) { return a->pos().y() < b->pos().y(); });
    const int index = std::clamp(m_view->currentPage() - 1, 0, int(pages.size()) - 1);
    const double dpi = m_printer->resolution();
    const QPointF printable = m_printer->pageLayout().paintRectPixels(int(dpi)).topLeft();
    const double margin = 300; // twips around the slip
    const QRectF dots
        = QRectF((slip.left() - margin) * dpi / 1440, (slip.top() - margin) * dpi / 1440,
            (slip.width() + 2 * margin) * dpi / 1440, (slip.height() + 2 * margin) * dpi / 1440)
              .translated(pages[index]->pos() + printable);
    const double scale = graphics->transform().m11();
    const QSize room = graphics->viewport()->size();
    if (fit && scale > 0 && !room.isEmpty()) {
        const double wanted = std::min(room.width() / dots.width(), room.height() / dots.height());
        m_view->setZoomMode(QPrintPreviewWidget::CustomZoom);
        m_view->setZoomFactor(m_view->zoomFactor() * wanted / scale);
    }
    graphics->centerOn(dots.center());
}

void PreviewDialog::print()
{
    if (m_actions->print(m_doc))
        close();
}

} // namespace pickwise::printing
