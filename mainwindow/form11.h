#pragma once

#include "platform/childwindow.h"
#include "platform/context.h"
#include "platform/platform.h"

class QCheckBox;
class QComboBox;
class QPushButton;

namespace pickwise {

// Printer Selection: choose one of the installed printers; the choice becomes
// the current printer and is saved in print.dat for the next start. "Print
// directly" sends printouts to the printer without their preview; it is saved
// beside, in printdirect.dat.
class Form11 : public ChildWindow
{
    Q_OBJECT

public:
    Form11(Context &context, QWidget *parent = nullptr);

protected:
    bool aboutToClose() override;

private:
    Context &m_context;
    Platform &m_platform;
    QComboBox *Combo1 = nullptr;
    QCheckBox *Check1 = nullptr;
    QPushButton *Command1 = nullptr;
};

} // namespace pickwise
