#pragma once

#include "mainwindow/session.h"
#include "platform/childwindow.h"
#include "platform/context.h"
#include "platform/platform.h"

class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace pickwise {

// The draw history list: every stored draw, oldest first; a double-click picks
// that draw's date for the main window.
class Form3 : public ChildWindow
{
    Q_OBJECT

public:
    Form3(Context &context, QWidget *parent = nullptr);

private:
    void pick(QListWidgetItem *item);

    Context &m_context;
    Platform &m_platform;
    MainSession &m_session;
    QListWidget *List1 = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;
};

} // namespace pickwise
