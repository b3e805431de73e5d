#pragma once

#include "core/resultsimport.h"
#include "platform/childwindow.h"

#include <memory>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

namespace pickwise {

struct Context;
class BackgroundTask;

// Import Results: the draws (and prize money) of a CSV file merged into the
// results history. The file is chosen, the import runs off the window's thread
// with its progress and a Cancel, and the summary stays on show; the history
// and the prize file are rewritten once, together, or not at all.
class ResultsImportWindow : public ChildWindow
{
    Q_OBJECT

public:
    explicit ResultsImportWindow(Context &context, QWidget *parent = nullptr);
    ~ResultsImportWindow() override;

    bool importing() const;

signals:
    // An import ended (done, cancelled or failed) and its summary is shown.
    void importEnded();

protected:
    bool aboutToClose() override;

private:
    void chooseFile();
    void start(const std::string &csvPath);
    void ended();
    void setImporting(bool on);

    Context &m_context;
    BackgroundTask *m_task = nullptr;
    std::shared_ptr<resultsimport::Summary> m_summary;
    bool m_closeWhenDone = false;

    QLineEdit *m_file = nullptr;
    QPushButton *m_choose = nullptr;
    QLabel *m_status = nullptr;
    QProgressBar *m_progress = nullptr;
    QPlainTextEdit *m_summaryText = nullptr;
    QPushButton *m_cancel = nullptr;
    QPushButton *m_close = nullptr;
};

} // namespace pickwise
