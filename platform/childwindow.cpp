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

namespace {

// The frame the window manager adds round owner, taken for every window.
QMargins decorationOf(const QWidget *owner)
{
    const QRect frame = owner->frameGeometry();
    const QRect inside = owner->geometry();
    return QMargins(inside.left() - frame.left(), inside.top() - frame.top(),
        frame.right() - inside.right(), frame.bottom() - inside.bottom());
}

void showTransient(QWidget *window, const QWidget *owner)
{
    // The window system marks a window transient for another only when it is
    // a dialog; the buttons of an ordinary window stay.
    window->setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    window->winId();
    if (QWindow *handle = window->windowHandle())
        handle->setTransientParent(owner->windowHandle());
    window->show();
}

} // namespace

bool placedBeside(const QRect &ownerFrame, const QSize &frameSize, const QRect &available,
    QRect &ownerPlaced, QRect &windowPlaced)
{
    const QSize size(frameSize.width(), std::min(frameSize.height(), available.height()));
    const int together = ownerFrame.width() + size.width();
    if (together > available.width())
        return false;
    const int left = std::clamp(
        ownerFrame.left(), available.left(), available.left() + available.width() - together);
    ownerPlaced = ownerFrame;
    ownerPlaced.moveLeft(left);
    const int top = std::clamp(
        ownerFrame.top(), available.top(), available.top() + available.height() - size.height());
    windowPlaced = QRect(QPoint(left + ownerFrame.width(), top), size);
    return true;
}

void showBeside(QWidget *window, QWidget *owner)
{
    if (!owner || !owner->isVisible()) {
        showOver(window, owner);
        return;
    }
    if (!window->testAttribute(Qt::WA_Resized))
        window->adjustSize();
    const QMargins decoration = decorationOf(owner);
    const QScreen *screen = owner->screen();
    const QRect available = screen ? screen->availableGeometry() : owner->frameGeometry();
    QRect ownerFrame;
    QRect frame;
    if (!placedBeside(owner->frameGeometry(), window->size().grownBy(decoration), available,
            ownerFrame, frame)) {
        showOver(window, owner);
        return;
    }
    owner->move(ownerFrame.topLeft());
    window->resize(frame.size().shrunkBy(decoration).expandedTo(window->minimumSize()));
    window->move(frame.topLeft());
    showTransient(window, owner);
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
    const QMargins decoration = decorationOf(owner);
    const QScreen *screen = owner->screen();
    const QRect available = screen ? screen->availableGeometry() : ownerFrame;
    const QRect frame = placedFrame(ownerFrame, window->size().grownBy(decoration), available);
    const QSize inside = frame.size().shrunkBy(decoration);
    if (inside != window->size())
        window->resize(inside.expandedTo(window->minimumSize()));
    // A window's position is that of its frame.
    window->move(frame.topLeft());
    showTransient(window, owner);
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
