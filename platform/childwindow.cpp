#include "platform/childwindow.h"

#include <QCloseEvent>

namespace pickwise {

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
