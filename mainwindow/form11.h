#pragma once

#include "core/sharedstate.h"
#include "platform/childwindow.h"
#include "platform/platform.h"

class QComboBox;
class QPushButton;

namespace pickwise {

// Printer Selection: choose one of the installed printers; the choice becomes
// the current printer and is saved in print.dat for the next start.
class Form11 : public ChildWindow
{
    Q_OBJECT

public:
    Form11(SharedState &state, Platform &platform, QWidget *parent = nullptr);

protected:
    bool aboutToClose() override;

private:
    SharedState &m_state;
    Platform &m_platform;
    QComboBox *Combo1 = nullptr;
    QPushButton *Command1 = nullptr;
};

} // namespace pickwise
