#include "mainwindow/childwindows.h"

#include <QAction>

#include <algorithm>

namespace pickwise {

ChildWindows::ChildWindows(QWidget *owner) : QObject(owner), m_owner(owner) { }

ChildWindows::~ChildWindows()
{
    for (const QPointer<ChildWindow> &w : m_open)
        if (w)
            delete w.data();
}

void ChildWindows::setFactory(ChildKind kind, ChildFactory make)
{
    if (make)
        m_factories[kind] = std::move(make);
    else
        m_factories.erase(kind);
    enableOpeners(kind);
}

void ChildWindows::openedBy(ChildKind kind, std::initializer_list<QObject *> controls)
{
    for (QObject *c : controls)
        m_openers[kind].emplace_back(c);
    enableOpeners(kind);
}

void ChildWindows::enableOpeners(ChildKind kind)
{
    const bool on = has(kind);
    for (const QPointer<QObject> &c : m_openers[kind]) {
        if (auto *w = qobject_cast<QWidget *>(c.data()))
            w->setEnabled(on);
        else if (auto *a = qobject_cast<QAction *>(c.data()))
            a->setEnabled(on);
    }
}

bool ChildWindows::has(ChildKind kind) const
{
    return m_factories.count(kind) > 0;
}

bool ChildWindows::open(ChildKind kind, const QString &caption, std::function<void()> refresh)
{
    const auto it = m_factories.find(kind);
    if (it == m_factories.end())
        return false;
    show(it->second(), caption, true, std::move(refresh));
    return true;
}

void ChildWindows::open(ChildWindow *window, const QString &caption, std::function<void()> refresh)
{
    show(window, caption, true, std::move(refresh));
}

bool ChildWindows::bringForward(ChildKind kind, const QString &caption)
{
    const auto it = m_beside.find(kind);
    if (it == m_beside.end() || !it->second)
        return false;
    ChildWindow *w = it->second;
    if (!caption.isEmpty())
        w->setWindowTitle(caption);
    w->show();
    w->raise();
    w->activateWindow();
    return true;
}

bool ChildWindows::openBeside(ChildKind kind, const QString &caption, std::function<void()> refresh)
{
    const auto it = m_factories.find(kind);
    if (it == m_factories.end())
        return false;
    ChildWindow *w = it->second();
    m_beside[kind] = w;
    // Closed means gone: the next request makes a new one.
    connect(w, &ChildWindow::closed, this, [this, kind] { m_beside.erase(kind); });
    show(w, caption, false, std::move(refresh));
    return true;
}

void ChildWindows::show(
    ChildWindow *window, const QString &caption, bool disableOwner, std::function<void()> refresh)
{
    if (!caption.isEmpty())
        window->setWindowTitle(caption);
    m_open.erase(std::remove_if(m_open.begin(), m_open.end(),
                     [](const QPointer<ChildWindow> &p) { return p.isNull(); }),
        m_open.end());
    m_open.emplace_back(window);
    connect(window, &ChildWindow::closed, this, [this, disableOwner, refresh] {
        if (disableOwner) {
            m_owner->setEnabled(true);
            m_owner->show();
            m_owner->raise();
            m_owner->activateWindow();
        }
        if (refresh)
            refresh();
    });
    if (disableOwner)
        m_owner->setEnabled(false);
    showOver(window, m_owner);
}

void ChildWindows::closeAll()
{
    for (const QPointer<ChildWindow> &w : m_open) {
        if (!w)
            continue;
        // Ending the program: no window gets to refuse or refresh.
        disconnect(w, nullptr, this, nullptr);
        w->hide();
        w->deleteLater();
    }
    m_open.clear();
    m_beside.clear();
}

} // namespace pickwise
