#pragma once

#include "core/progress.h"

#include <QObject>

#include <atomic>
#include <functional>

class QThread;

namespace pickwise {

// Long work (a results import, the ledger over the whole history) run on a
// thread of its own, so that the window keeps painting and its Cancel button
// answers. The work gets a Progress to report to and to poll for a cancel; its
// reports and its end reach the window's thread as queued signals. The work
// must not touch a widget: it hands what it made over through memory it owns
// until finished() arrives.
class BackgroundTask : public QObject
{
    Q_OBJECT

public:
    explicit BackgroundTask(QObject *parent = nullptr);
    // Work still running is cancelled and waited for.
    ~BackgroundTask() override;

    using Work = std::function<void(const Progress &progress)>;
    // Starts work; false while earlier work runs.
    bool start(Work work);
    bool running() const { return m_thread != nullptr; }
    // Asks the running work to stop at its next poll; finished() still comes.
    void cancel();
    bool cancelRequested() const { return m_cancel.load(); }

signals:
    // How far the work is, 0..100, each time the figure moves.
    void progressed(int percent);
    // The work has ended (done, cancelled or failed): what it made may be read.
    void finished();

private:
    void ended();

    QThread *m_thread = nullptr;
    std::atomic<bool> m_cancel {false};
    std::atomic<int> m_percent {-1};
};

} // namespace pickwise
