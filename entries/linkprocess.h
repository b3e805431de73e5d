#pragma once

#include "entries/optimiser.h"
#include "platform/childwindow.h"
#include "platform/context.h"
#include "platform/platform.h"

class QDateEdit;
class QGroupBox;
class QLineEdit;
class QPushButton;

namespace pickwise {

class MainSession;

// Optimiser: counts how often pairs of numbers were drawn together over the
// last N draws and chains the strongest pairs into entries for a chosen date.
class LinkProcess : public ChildWindow
{
    Q_OBJECT

public:
    LinkProcess(Context &context, QWidget *parent = nullptr);

protected:
    bool aboutToClose() override;

private:
    void processRange(); // Command1
    void createEntries(); // Command2

    Context &m_context;
    Platform &m_platform;
    MainSession &m_session;

    optimiser::LinkTable m_links;
    bool m_processed = false;
    bool m_created = false;

    QGroupBox *Frame1 = nullptr;
    QLineEdit *Text1 = nullptr;
    QPushButton *Command1 = nullptr;
    QDateEdit *DTPicker1 = nullptr;
    QPushButton *Command2 = nullptr;
    QPushButton *Command3 = nullptr;
};

} // namespace pickwise
