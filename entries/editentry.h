#pragma once

#include "platform/childwindow.h"

#include <array>

class QGroupBox;
class QLineEdit;
class QPushButton;

namespace pickwise {

class MainSession;
struct Platform;
struct Context;

// Changes the six numbers of entry editpos of the listed entry file, in place.
class editEntry : public ChildWindow
{
    Q_OBJECT

public:
    editEntry(Context &context, QWidget *parent = nullptr);

private:
    void change();

    Context &m_context;
    Platform &m_platform;
    MainSession &m_session;

    QGroupBox *Frame1 = nullptr;
    std::array<QLineEdit *, 6> Text1 {};
    QPushButton *Command6 = nullptr;
    QPushButton *Command5 = nullptr;
};

} // namespace pickwise
