#include "fileops/resultsimportwindow.h"

#include "platform/backgroundtask.h"
#include "platform/context.h"
#include "platform/damagecheck.h"
#include "platform/widgets.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace pickwise {

namespace {

QPushButton *button(QWidget *parent, const char *name, const char *caption)
{
    return named(new QPushButton(QString::fromUtf8(caption), parent), name);
}

} // namespace

ResultsImportWindow::ResultsImportWindow(Context &context, QWidget *parent)
    : ChildWindow(parent), m_context(context), m_task(new BackgroundTask(this))
{
    setObjectName(QStringLiteral("ResultsImportWindow"));
    setWindowTitle(QStringLiteral("Import Results"));

    auto *layout = new QVBoxLayout(this);
    auto *about = new QLabel(
        QStringLiteral("Adds the draws of a CSV file to the results history: the layout of the "
                       "draws that come with the program, with the prize money of each "
                       "division, or date,n1,n2,n3,n4,n5,n6,bonus with the date as 2024-11-13 "
                       "or 13/11/2024. Draws the history already holds are left as they are."),
        this);
    about->setWordWrap(true);
    layout->addWidget(about);

    auto *fileRow = new QHBoxLayout;
    m_file = named(new QLineEdit(this), "fileName");
    m_file->setReadOnly(true);
    m_file->setPlaceholderText(QStringLiteral("No file chosen"));
    m_choose = button(this, "chooseFile", "Choose File...");
    m_choose->setDefault(true);
    fileRow->addWidget(m_file, 1);
    fileRow->addWidget(m_choose);
    layout->addLayout(fileRow);

    m_status = named(new QLabel(this), "status");
    m_status->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_progress = named(new QProgressBar(this), "progress");
    m_progress->setRange(0, 100);
    m_progress->setValue(0);
    layout->addWidget(m_status);
    layout->addWidget(m_progress);

    m_summaryText = named(new QPlainTextEdit(this), "summary");
    m_summaryText->setReadOnly(true);
    m_summaryText->setMinimumHeight(160);
    layout->addWidget(m_summaryText, 1);

    auto *buttons = new QHBoxLayout;
    m_cancel = button(this, "cancel", "Cancel");
    m_close = button(this, "close", "Close");
    buttons->addStretch(1);
    buttons->addWidget(m_cancel);
    buttons->addWidget(m_close);
    layout->addLayout(buttons);
    setImporting(false);
    resize(560, 380);

    connect(m_choose, &QPushButton::clicked, this, &ResultsImportWindow::chooseFile);
    connect(m_cancel, &QPushButton::clicked, this, [this] {
        m_task->cancel();
        m_status->setText(QStringLiteral("Cancelling..."));
    });
    connect(m_close, &QPushButton::clicked, this, &QWidget::close);
    connect(m_task, &BackgroundTask::progressed, m_progress, &QProgressBar::setValue);
    connect(m_task, &BackgroundTask::finished, this, &ResultsImportWindow::ended);
}

ResultsImportWindow::~ResultsImportWindow() = default;

bool ResultsImportWindow::importing() const
{
    return m_task->running();
}

void ResultsImportWindow::setImporting(bool on)
{
    m_choose->setEnabled(!on);
    m_close->setEnabled(!on);
    m_cancel->setEnabled(on);
}

void ResultsImportWindow::chooseFile()
{
    // A history the user chose to leave damaged is told before a file is chosen in vain.
    if (m_task->running() || !mayWrite(m_context, m_context.paths.results(), RecordKind::Results))
        return;
    const std::string path = m_context.platform.dialogs.chooseFileToOpen(
        "Import Results", "CSV files (*.csv);;Text files (*.txt);;All files (*)");
    if (!path.empty())
        start(path);
}

void ResultsImportWindow::start(const std::string &csvPath)
{
    m_file->setText(qs(csvPath));
    m_summaryText->clear();
    m_progress->setValue(0);
    m_status->setText(QStringLiteral("Importing %1...").arg(QFileInfo(qs(csvPath)).fileName()));
    setImporting(true);
    m_summary = std::make_shared<resultsimport::Summary>();
    // The history and the prize file are read on the work's thread, with the rest.
    m_task->start([paths = m_context.paths, csvPath, out = m_summary](const Progress &progress) {
        ResultsHistory history(paths.results());
        const std::string error = history.load();
        if (!error.empty()) {
            out->outcome = resultsimport::Summary::Outcome::Failed;
            out->error = error;
            return;
        }
        PrizeStore prizes(paths.prizes());
        prizes.load(); // missing or damaged: the import keeps what it can
        *out = resultsimport::importFile(history, prizes, csvPath, progress);
    });
}

void ResultsImportWindow::ended()
{
    setImporting(false);
    const resultsimport::Summary &summary = *m_summary;
    m_status->clear();
    if (summary.outcome != resultsimport::Summary::Outcome::Done)
        m_progress->setValue(0);
    m_summaryText->setPlainText(qs(resultsimport::summaryText(summary)));
    emit importEnded();
    if (m_closeWhenDone)
        close();
}

bool ResultsImportWindow::aboutToClose()
{
    if (!m_task->running())
        return true;
    // The import is asked to stop, and the window goes once it has.
    m_closeWhenDone = true;
    m_task->cancel();
    return false;
}

} // namespace pickwise
