#include "platform/qtports.h"

#include "core/fileio.h"
#include "core/lines.h"
#include "platform/childwindow.h"
#include "printing/previewdialog.h"
#include "printing/renderer.h"

#include <QApplication>
#include <QDate>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QMessageBox>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinterInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QTime>
#include <QUrl>

#include <chrono>
#include <cstdio>

namespace pickwise {

namespace {

QString titleOr(const std::string &title)
{
    return QString::fromStdString(title.empty() ? std::string(applicationTitle) : title);
}

// One diagnostic line: "pickwise: <what>: <text>", each line break shown as "|".
void echo(const char *what, const std::string &text)
{
    std::string line = text;
    for (char &c : line)
        if (c == '\n' || c == '\r')
            c = '|';
    std::fprintf(stderr, "pickwise: %s: %s\n", what, line.c_str());
    std::fflush(stderr);
}

// Where the file dialogs start: the user's documents, or home.
QString documentsFolder()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    return folder;
}

} // namespace

void QtDialogs::message(const std::string &text, const std::string &title)
{
    if (m_echo)
        echo("message", text);
    QMessageBox box(QMessageBox::NoIcon, titleOr(title), QString::fromStdString(text),
        QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

bool QtDialogs::askYesNo(const std::string &text, const std::string &title)
{
    if (m_echo)
        echo("question", text);
    QMessageBox box(QMessageBox::Question, titleOr(title), QString::fromStdString(text),
        QMessageBox::Yes | QMessageBox::No, QApplication::activeWindow());
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

std::string QtDialogs::chooseFileToSave(
    const std::string &title, const std::string &suggestedName, const std::string &filter)
{
    QFileDialog dialog(QApplication::activeWindow(), titleOr(title));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(QString::fromStdString(filter));
    const QString suggested = QString::fromStdString(suggestedName);
    dialog.setDefaultSuffix(QFileInfo(suggested).suffix());
    dialog.setDirectory(documentsFolder());
    dialog.selectFile(suggested);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst().toStdString();
}

std::string QtDialogs::chooseFileToOpen(const std::string &title, const std::string &filter)
{
    QFileDialog dialog(QApplication::activeWindow(), titleOr(title));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(QString::fromStdString(filter));
    dialog.setDirectory(documentsFolder());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst().toStdString();
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

QtPrinter::QtPrinter() : m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution)) { }

QtPrinter::~QtPrinter()
{
    delete m_preview;
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
    const QPrinterInfo info = QPrinterInfo::printerInfo(QString::fromStdString(name));
    if (info.isNull())
        return false;
    m_printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    return true;
}

std::string QtPrinter::currentPrinter() const
{
    return m_printer->printerName().toStdString();
}

void QtPrinter::setOutputFile(const QString &path)
{
    m_outputFile = path;
}

std::unique_ptr<QPrinter> QtPrinter::printerFor(const PrintDocument &doc) const
{
    const QPrinterInfo info = QPrinterInfo::printerInfo(m_printer->printerName());
    auto printer = info.isNull() ? std::make_unique<QPrinter>(QPrinter::HighResolution)
                                 : std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    if (!m_outputFile.isEmpty())
        printer->setOutputFileName(m_outputFile);
    printing::prepare(*printer, doc);
    return printer;
}

double QtPrinter::printableWidth(const PrintDocument &doc) const
{
    return printerFor(doc)->pageLayout().paintRect(QPageLayout::Inch).width() * 1440.0;
}

double QtPrinter::printableHeight(const PrintDocument &doc) const
{
    return printerFor(doc)->pageLayout().paintRect(QPageLayout::Inch).height() * 1440.0;
}

bool QtPrinter::print(const PrintDocument &doc)
{
    if (!doc.hasOutput())
        return true;
    const std::unique_ptr<QPrinter> printer = printerFor(doc);
    QPainter painter;
    if (!painter.begin(printer.get()) || printer->printerState() == QPrinter::Error)
        return false;
    printing::render(doc, *printer, painter, false);
    const bool ended = painter.end();
    const QPrinter::PrinterState state = printer->printerState();
    return ended && state != QPrinter::Error && state != QPrinter::Aborted;
}

std::string QtPrinter::savePdf(const PrintDocument &doc, const std::string &path)
{
    // Drawn into a file of its own first, so that a failure part way never
    // leaves a broken file in the user's place.
    QTemporaryFile drawn(QDir::temp().filePath(QStringLiteral("pickwise-XXXXXX.pdf")));
    if (!drawn.open())
        return "Cannot create a temporary file for \"" + path + "\"";
    drawn.close();
    const std::unique_ptr<QPrinter> printer = printerFor(doc);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(drawn.fileName());
    QPainter painter;
    bool written = painter.begin(printer.get()) && printer->printerState() != QPrinter::Error;
    if (written) {
        printing::render(doc, *printer, painter, false);
        written = painter.end() && printer->printerState() != QPrinter::Error;
    }
    if (!written || QFileInfo(drawn.fileName()).size() == 0)
        return "Cannot write \"" + path + "\"";
    return copyFileAtomic(drawn.fileName().toStdString(), path);
}

printing::PreviewDialog *QtPrinter::openPreview() const
{
    return m_preview;
}

namespace {

// The window a printout came from: the active one, or, while the activation
// is still on its way back from a message box, the one window open for input.
QWidget *printingWindow()
{
    QWidget *active = QApplication::activeWindow();
    if (active && !qobject_cast<printing::PreviewDialog *>(active))
        return active;
    QWidget *found = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        const Qt::WindowType type = w->windowType();
        if (!w->isVisible() || !w->isEnabled() || (type != Qt::Window && type != Qt::Dialog)
            || qobject_cast<printing::PreviewDialog *>(w))
            continue;
        if (found)
            return nullptr;
        found = w;
    }
    return found;
}

} // namespace

void QtPrinter::preview(const PrintDocument &doc, std::shared_ptr<PreviewActions> actions)
{
    QWidget *owner = printingWindow();
    // One preview at a time: a new printout takes the place of the one shown.
    if (m_preview)
        m_preview->close();
    m_preview = new printing::PreviewDialog(printerFor(doc), doc, std::move(actions));
    // A slip's preview follows the calibration typed in its owner: both stay
    // in sight.
    if (doc.underlay.empty())
        showOver(m_preview, owner);
    else
        showBeside(m_preview, owner);
}

bool QtPrinter::updatePreview(const PreviewActions &actions, const PrintDocument &doc)
{
    if (!m_preview || m_preview->actions() != &actions)
        return false;
    m_preview->setDocument(doc);
    return true;
}

void QtPrinter::closePreview(const PreviewActions &actions)
{
    if (m_preview && m_preview->actions() == &actions)
        m_preview->close();
}

Shell::OpenResult QtShell::openDocument(const std::string &path)
{
    if (m_echo)
        echo("open", path);
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
