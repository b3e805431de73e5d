#include "platform/backgroundtask.h"

#include <QThread>

#include <algorithm>

namespace pickwise {

BackgroundTask::BackgroundTask(QObject *parent) : QObject(parent) { }

BackgroundTask::~BackgroundTask()
{
    if (m_thread) {
        m_cancel = true;
        m_thread->wait();
        delete m_thread;
    }
}

bool BackgroundTask::start(Work work)
{
    if (m_thread)
        return false;
    m_cancel = false;
    m_percent = -1;
    Progress progress;
    progress.cancel = &m_cancel;
    // Called on the worker thread: only a moved figure is sent, so a report per
    // row cannot flood the window's event queue.
    progress.report = [this](long long done, long long total) {
        const int percent = total > 0
            ? static_cast<int>(std::min<long long>(100, std::max<long long>(0, done * 100 / total)))
            : 0;
        if (m_percent.exchange(percent) != percent)
            emit progressed(percent);
    };
    m_thread = QThread::create([work = std::move(work), progress] { work(progress); });
    connect(m_thread, &QThread::finished, this, &BackgroundTask::ended, Qt::QueuedConnection);
    m_thread->start();
    return true;
}

void BackgroundTask::cancel()
{
    m_cancel = true;
}

void BackgroundTask::ended()
{
    if (!m_thread)
        return;
    m_thread->wait();
    delete m_thread;
    m_thread = nullptr;
    emit finished();
}

} // namespace pickwise
