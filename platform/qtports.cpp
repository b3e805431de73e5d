#include "platform/qtports.h"

#include "core/lines.h"

#include <QApplication>
#include <QDate>
#include <QDesktopServices>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QMessageBox>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinterInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTime>
#include <QUrl>

#include <chrono>

namespace pickwise {

namespace {

QString titleOr(const std::string &title)
{
    return QString::fromStdString(title.empty() ? std::string(applicationTitle) : title);
}

} // namespace

void QtDialogs::message(const std::string &text, const std::string &title)
{
    QMessageBox box(QMessageBox::NoIcon, titleOr(title), QString::fromStdString(text),
        QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

bool QtDialogs::askYesNo(const std::string &text, const std::string &title)
{
    QMessageBox box(QMessageBox::Question, titleOr(title), QString::fromStdString(text),
        QMessageBox::Yes | QMessageBox::No, QApplication::activeWindow());
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

void QtDialogs::setBusy(bool busy)
{
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        ++m_busyDepth;
    } else if (m_busyDepth > 0) {
        QApplication::restoreOverrideCursor();
        --m_busyDepth;
    }
}

QtPrinter::QtPrinter() : m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    m_font = QFont(QStringLiteral("Courier"), 10);
}

QtPrinter::~QtPrinter()
{
    if (m_painter && m_painter->isActive())
        m_painter->end();
}

bool QtPrinter::installedPrinters(std::vector<std::string> &names)
{
    names.clear();
    for (const QString &name : QPrinterInfo::availablePrinterNames())
        names.push_back(name.toStdString());
    return true;
}

bool QtPrinter::setCurrentPrinter(const std::string &name)
{
    if (m_painter && m_painter->isActive())
        return false;
    const QPrinterInfo info = QPrinterInfo::printerInfo(QString::fromStdString(name));
    if (info.isNull())
        return false;
    m_printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    if (!m_outputFile.isEmpty())
        m_printer->setOutputFileName(m_outputFile);
    return true;
}

std::string QtPrinter::currentPrinter() const
{
    return m_printer->printerName().toStdString();
}

void QtPrinter::setDocumentName(const std::string &name)
{
    m_documentName = QString::fromStdString(name);
}

void QtPrinter::setFont(const std::string &family, int pointSize)
{
    m_font = QFont(QString::fromStdString(family), pointSize);
    m_font.setStyleHint(QFont::Monospace);
    if (m_painter && m_painter->isActive())
        m_painter->setFont(m_font);
}

void QtPrinter::setA4Portrait()
{
    if (m_painter && m_painter->isActive())
        return;
    m_printer->setPageSize(QPageSize(QPageSize::A4));
    m_printer->setPageOrientation(QPageLayout::Portrait);
}

void QtPrinter::setOutputFile(const QString &path)
{
    m_outputFile = path;
    m_printer->setOutputFileName(path);
}

bool QtPrinter::ensureStarted()
{
    if (m_painter && m_painter->isActive())
        return true;
    if (m_refused)
        return false;
    m_printer->setDocName(m_documentName);
    m_painter = std::make_unique<QPainter>();
    if (!m_painter->begin(m_printer.get()) || m_printer->printerState() == QPrinter::Error) {
        m_painter.reset();
        m_refused = true;
        return false;
    }
    m_painter->setFont(m_font);
    m_textY = 0;
    return true;
}

double QtPrinter::twipsToDevice(double twips) const
{
    return twips * m_printer->resolution() / 1440.0;
}

void QtPrinter::printLine(const std::string &text)
{
    if (!ensureStarted())
        return;
    const QFontMetricsF metrics(m_painter->font(), m_printer.get());
    const double height = m_printer->pageLayout().paintRectPixels(m_printer->resolution()).height();
    if (m_textY + metrics.lineSpacing() > height && m_textY > 0) {
        m_printer->newPage();
        m_textY = 0;
    }
    m_painter->drawText(QPointF(0, m_textY + metrics.ascent()), QString::fromStdString(text));
    m_textY += metrics.lineSpacing();
}

void QtPrinter::setLineWidth(int dots)
{
    m_lineWidth = dots;
}

void QtPrinter::drawLine(double x1, double y1, double x2, double y2)
{
    if (!ensureStarted())
        return;
    QPen pen(Qt::black);
    pen.setWidthF(m_lineWidth);
    pen.setCapStyle(Qt::FlatCap);
    m_painter->setPen(pen);
    m_painter->drawLine(QPointF(twipsToDevice(x1), twipsToDevice(y1)),
        QPointF(twipsToDevice(x2), twipsToDevice(y2)));
}

void QtPrinter::newPage()
{
    if (!ensureStarted())
        return;
    m_printer->newPage();
    m_textY = 0;
}

bool QtPrinter::endDocument()
{
    bool taken = !m_refused;
    if (m_painter && m_painter->isActive()) {
        taken = m_painter->end() && taken;
        const QPrinter::PrinterState state = m_printer->printerState();
        taken = taken && state != QPrinter::Error && state != QPrinter::Aborted;
    }
    m_painter.reset();
    m_textY = 0;
    m_refused = false;
    m_documentName.clear();
    return taken;
}

double QtPrinter::printableWidth() const
{
    return m_printer->pageLayout().paintRect(QPageLayout::Inch).width() * 1440.0;
}

double QtPrinter::printableHeight() const
{
    return m_printer->pageLayout().paintRect(QPageLayout::Inch).height() * 1440.0;
}

Shell::OpenResult QtShell::openDocument(const std::string &path)
{
    const QString file = QString::fromStdString(path);
    if (!QFileInfo::exists(file))
        return OpenResult::NotFound;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(file)) ? OpenResult::Opened
                                                                : OpenResult::Failed;
}

std::string QtShell::findProgram(const std::string &name)
{
    return QStandardPaths::findExecutable(QString::fromStdString(name)).toStdString();
}

bool QtShell::startProgram(const std::string &path, const std::vector<std::string> &args)
{
    QStringList list;
    for (const std::string &a : args)
        list << QString::fromStdString(a);
    return QProcess::startDetached(QString::fromStdString(path), list);
}

Date SystemClock::today()
{
    const QDate d = QDate::currentDate();
    return Date {d.year(), d.month(), d.day()};
}

double SystemClock::timeOfDay()
{
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

SystemRandom::SystemRandom()
{
    std::random_device device;
    const auto ticks = static_cast<uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
    std::seed_seq seed {static_cast<uint32_t>(device()), static_cast<uint32_t>(ticks),
        static_cast<uint32_t>(ticks >> 32)};
    m_engine.seed(seed);
}

double SystemRandom::next()
{
    return m_uniform(m_engine);
}

} // namespace pickwise
