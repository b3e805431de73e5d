#include "platform/childwindow.h"

#include <QCloseEvent>
#include <QScreen>
#include <QWindow>

#include <algorithm>

namespace pickwise {

QRect placedFrame(const QRect &ownerFrame, const QSize &frameSize, const QRect &available)
{
    const QSize size = frameSize.boundedTo(available.size());
    QRect frame(QPoint(), size);
    frame.moveCenter(ownerFrame.center());
    // Right and bottom first, so that a window wider than the space left of
    // it still keeps its left edge (and its title bar) on screen.
    frame.moveRight(std::min(frame.right(), available.right()));
    frame.moveBottom(std::min(frame.bottom(), available.bottom()));
    frame.moveLeft(std::max(frame.left(), available.left()));
    frame.moveTop(std::max(frame.top(), available.top()));
    return frame;
}

void showOver(QWidget *window, const QWidget *owner)
{
    if (!owner || !owner->isVisible()) {
        window->show();
        return;
    }
    // The size the window will open with: its own, or what its layout asks.
    if (!window->testAttribute(Qt::WA_Resized))
        window->adjustSize();
    const QRect ownerFrame = owner->frameGeometry();
    const QRect ownerInside = owner->geometry();
    const QMargins decoration(ownerInside.left() - ownerFrame.left(),
        ownerInside.top() - ownerFrame.top(), ownerFrame.right() - ownerInside.right(),
        ownerFrame.bottom() - ownerInside.bottom());
    const QScreen *screen = owner->screen();
    const QRect available = screen ? screen->availableGeometry() : ownerFrame;
    const QRect frame = placedFrame(ownerFrame, window->size().grownBy(decoration), available);
    const QSize inside = frame.size().shrunkBy(decoration);
    if (inside != window->size())
        window->resize(inside.expandedTo(window->minimumSize()));
    // A window's position is that of its frame.
    window->move(frame.topLeft());

    // The window system marks a window transient for another only when it is
    // a dialog; the buttons of an ordinary window stay.
    window->setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    window->winId();
    if (QWindow *handle = window->windowHandle())
        handle->setTransientParent(owner->windowHandle());
    window->show();
}

ChildWindow::ChildWindow(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setAttribute(Qt::WA_DeleteOnClose);
}

void ChildWindow::closeEvent(QCloseEvent *event)
{
    if (m_reported) {
        event->accept();
        return;
    }
    if (!aboutToClose()) {
        event->ignore();
        return;
    }
    m_reported = true;
    event->accept();
    emit closed();
}

} // namespace pickwise
