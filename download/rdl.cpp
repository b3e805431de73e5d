#include "download/rdl.h"

#include "core/lines.h"
#include "download/module2.h"
#include "platform/context.h"
#include "platform/damagecheck.h"
#include "platform/platform.h"
#include "platform/widgets.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

#ifndef PICKWISE_RESULTS_URL
#define PICKWISE_RESULTS_URL "http://127.0.0.1:8080"
#endif

namespace pickwise {

namespace {

QGroupBox *frameAround(QWidget *inside, const QString &caption, const char *name)
{
    auto *frame = named(new QGroupBox(caption), name);
    auto *layout = new QVBoxLayout(frame);
    layout->addWidget(inside);
    return frame;
}

} // namespace

RDL::RDL(Context &context, QWidget *parent)
    : ChildWindow(parent), m_context(context), m_platform(context.platform),
      m_baseUrl(QStringLiteral(PICKWISE_RESULTS_URL))
{
    setObjectName(QStringLiteral("RDL"));
    setWindowTitle(QStringLiteral("Results Downloader"));

    Text1 = named(new QLineEdit, "Text1");
    Text1->setReadOnly(true);
    ProgressBar1 = named(new QProgressBar, "ProgressBar1");
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    Label1 = named(new QLabel, "Label1");
    Label1->setWordWrap(true);
    // Room for a status with its address, reason and outcome lines.
    Label1->setMinimumHeight(Label1->fontMetrics().height() * 5);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Frame1 = frameAround(Text1, QStringLiteral("Downloading"), "Frame1");
    Frame4 = frameAround(ProgressBar1, QStringLiteral("Progress"), "Frame4");
    Frame2 = frameAround(Label1, QStringLiteral("Status"), "Frame2");

    Command1 = named(new QPushButton(QStringLiteral("Download Results")), "Command1");
    Command2 = named(new QPushButton(QStringLiteral("Cancel")), "Command2");
    Command3 = named(new QPushButton(QStringLiteral("Close")), "Command3");
    Check8 = named(new QCheckBox(QStringLiteral("Disconnect Dial Modem when done")), "Check8");
    // Offered only where there is a dial-up connection to hang up.
    Check8->setVisible(Module2::dialupAvailable());

    auto *menuBar = new QMenuBar(this);
    QMenu *mnuCBO = menuBar->addMenu(QStringLiteral("Check Before Overwriting"));
    mnuCBO->setObjectName(QStringLiteral("mnuCBO"));
    mnuYes = named(mnuCBO->addAction(QStringLiteral("Yes")), "mnuYes");
    mnuNo = named(mnuCBO->addAction(QStringLiteral("No")), "mnuNo");
    auto *choice = new QActionGroup(this);
    choice->setExclusive(true);
    for (QAction *item : {mnuYes, mnuNo}) {
        item->setCheckable(true);
        choice->addAction(item);
    }
    mnuYes->setChecked(true);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);
    buttons->addWidget(Command3);

    auto *layout = new QVBoxLayout(this);
    layout->setMenuBar(menuBar);
    layout->addWidget(Frame1);
    layout->addWidget(Frame4);
    layout->addWidget(Frame2);
    layout->addWidget(Check8);
    layout->addLayout(buttons);
    resize(460, sizeHint().height());

    connect(Command1, &QPushButton::clicked, this, &RDL::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &RDL::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &RDL::close);

    Command2->setEnabled(false);
}

RDL::~RDL()
{
    if (m_busy && m_platform.http)
        m_platform.http->cancel();
    if (m_busy && m_job)
        m_job->abandon();
}

QString RDL::url() const
{
    return QString::fromStdString(download::resultsUrl(m_baseUrl.toStdString(), resultsFileName));
}

void RDL::setStatus(const std::string &text)
{
    Label1->setText(QString::fromStdString(text));
    // A long address or reason gets the room it needs rather than being cut.
    const int needed = Label1->heightForWidth(Label1->width()) - Label1->height();
    if (needed > 0 && isVisible())
        resize(width(), height() + needed);
}

void RDL::setIdle()
{
    m_busy = false;
    m_writing = false;
    Command1->setEnabled(true);
    Command3->setEnabled(true);
    Command2->setEnabled(false);
}

void RDL::setProgress(int percent)
{
    // No announced length: a busy indicator rather than a share.
    ProgressBar1->setRange(0, percent < 0 ? 0 : 100);
    ProgressBar1->setValue(std::max(percent, 0));
}

void RDL::Command1_Click()
{
    if (m_busy)
        return;
    const std::string history = m_context.paths.results();
    if (!mayWrite(m_context, history, RecordKind::Results)) {
        setStatus(std::string(download::noConnectionStatus) + "\n"
            + download::failureLines(history, "its count is damaged and was left as it is"));
        return;
    }
    m_busy = true;
    Command3->setEnabled(false);
    Command2->setEnabled(true);
    Command1->setEnabled(false);

    bool flag = false;
    if (!Module2::attemptconnect(flag)) {
        if (flag || !m_platform.http) {
            setStatus(std::string(download::noConnectionStatus) + "\n"
                + download::failureLines(url().toStdString(), "no connection to the internet"));
            setIdle();
            return;
        }
        Check8->hide();
    }

    m_job = std::make_unique<download::DownloadJob>(
        m_context.paths.results(), m_context.paths.resultsBackup(), url().toStdString());
    setProgress(0);
    const std::string error = m_job->begin();
    if (!error.empty()) {
        m_platform.dialogs.message(error);
        setStatus(std::string(download::noConnectionStatus) + "\n"
            + download::failureLines({}, "the results could not be backed up"));
        m_job.reset();
        setIdle();
        return;
    }
    Text1->setText(QStringLiteral("Downloading ") + QString::fromLatin1(download::gameWord));
    m_platform.http->get(url().toStdString(), this);
}

void RDL::Command2_Click()
{
    if (!m_busy || !m_job)
        return;
    m_job->cancel();
    m_platform.http->cancel();
    // While the pieces are being taken that loop notices the cancel and ends
    // the download itself.
    if (!m_writing)
        finish();
}

void RDL::httpState(int code)
{
    if (!m_busy || !m_job || m_job->dlstate() != download::Running)
        return;
    if (code == HttpClient::Completed) {
        receiveBody();
        return;
    }
    setStatus(m_job->report(code));
    if (m_job->dlstate() != download::Running) {
        if (code == HttpClient::Error && !m_platform.http->failure().empty())
            m_job->failed(m_platform.http->failure());
        m_platform.http->cancel();
        finish();
    }
}

void RDL::httpArriving(int64_t received, int64_t announced)
{
    if (!m_busy || !m_job || m_job->dlstate() != download::Running)
        return;
    // Refused as it arrives: a body larger than any history is never held whole.
    if (!m_job->arriving(received, announced)) {
        m_platform.http->cancel();
        finish();
        return;
    }
    setProgress(download::progressPercent(received, announced));
}

void RDL::receiveBody()
{
    HttpClient &http = *m_platform.http;
    std::string length;
    const bool hasLength = http.header("Content-length", length);
    if (!m_job->startBody(http.status(), http.statusText(), hasLength, length)) {
        finish();
        return;
    }

    m_writing = true;
    std::vector<uint8_t> piece = http.nextPiece();
    QCoreApplication::processEvents();
    while (m_job->dlstate() != download::Cancelled) {
        if (!m_job->addPiece(piece))
            break;
        piece = http.nextPiece();
        QCoreApplication::processEvents();
        if (m_job->dlstate() == download::Cancelled)
            break;
        if (piece.empty()) {
            m_job->complete();
            int16_t ignored = 0;
            setStatus(download::statetext(HttpClient::Completed, ignored));
            break;
        }
    }
    m_writing = false;
    finish();
}

void RDL::finish()
{
    if (!m_busy || !m_job || m_finishing)
        return;
    // The questions below let events run; a late Cancel must not finish twice.
    m_finishing = true;
    Command2->setEnabled(false);
    download::FinishOptions options;
    options.checkBeforeOverwriting = mnuYes->isChecked();
    options.check8Ticked = Check8->isChecked();
    options.check8Visible = !Check8->isHidden();
    options.hangup = [] { return Module2::hangupmodem(); };
    options.showFailure = [this](const std::string &failure) {
        setProgress(0);
        setStatus(failure);
    };
    const bool received = m_job->dlstate() == download::Complete;
    const std::string status = m_job->finish(m_platform.dialogs, options);
    const std::string failure = m_job->failure();
    // The bar never shows a whole file after a failure.
    setProgress(failure.empty() && received ? 100 : 0);
    setStatus(failure.empty() ? status : status + "\n" + failure);
    m_job.reset();
    m_finishing = false;
    setIdle();
}

bool RDL::aboutToClose()
{
    // While a download runs only Cancel ends it, so the backup is always dealt with.
    return !m_busy;
}

} // namespace pickwise
