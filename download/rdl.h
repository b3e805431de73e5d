#pragma once

#include "download/downloadjob.h"
#include "platform/childwindow.h"
#include "platform/http.h"

#include <QString>

#include <memory>

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace pickwise {

struct Platform;
struct Context;

// "Results Downloader": fetches the results history from the results server and
// replaces sa.rtl with it once it has been checked (and, when asked, accepted).
class RDL : public ChildWindow, private HttpListener
{
    Q_OBJECT

public:
    RDL(Context &context, QWidget *parent = nullptr);
    ~RDL() override;

    // The results server; the request goes to <base>/dwnld/sa.rtl.
    void setBaseUrl(const QString &baseUrl) { m_baseUrl = baseUrl; }
    QString url() const;

    bool isDownloading() const { return m_busy; }

protected:
    bool aboutToClose() override;

private:
    void Command1_Click();
    void Command2_Click();
    void httpState(int code) override;
    void httpArriving(int64_t received, int64_t announced) override;
    void receiveBody();
    void finish();
    void setIdle();
    void setStatus(const std::string &text);
    // Percent of the file received; -1 for a busy indicator.
    void setProgress(int percent);

    Context &m_context;
    Platform &m_platform;
    QString m_baseUrl;
    std::unique_ptr<download::DownloadJob> m_job;
    bool m_busy = false;
    bool m_writing = false;
    bool m_finishing = false;

    QGroupBox *Frame1 = nullptr;
    QLineEdit *Text1 = nullptr;
    QGroupBox *Frame4 = nullptr;
    QProgressBar *ProgressBar1 = nullptr;
    QGroupBox *Frame2 = nullptr;
    QLabel *Label1 = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;
    QPushButton *Command3 = nullptr;
    QCheckBox *Check8 = nullptr;
    QAction *mnuYes = nullptr;
    QAction *mnuNo = nullptr;
};

} // namespace pickwise
