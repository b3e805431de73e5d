#pragma once

#include "mainwindow/session.h"
#include "platform/childwindow.h"
#include "platform/context.h"
#include "platform/platform.h"

#include <array>

class QLineEdit;
class QPushButton;

namespace pickwise {

// Add Result: the player types the draw of the session's draw date; it is
// stored in the results history in date order and its balls are shown.
class Form2 : public ChildWindow
{
    Q_OBJECT

public:
    Form2(Context &context, QWidget *parent = nullptr);

private:
    void add();

    Context &m_context;
    Platform &m_platform;
    MainSession &m_session;
    std::array<QLineEdit *, 7> m_boxes {}; // Text1..Text7, Text7 the bonus ball
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;
};

} // namespace pickwise
