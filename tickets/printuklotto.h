#pragma once

#include "platform/childwindow.h"
#include "platform/context.h"
#include "platform/platform.h"
#include "tickets/ticketrules.h"

class QLineEdit;
class QPushButton;
class QRadioButton;

namespace pickwise {

class MainSession;

// Lotto Ticket Printing: marks the listed entries onto the eight-board play
// slips, with a calibration of the printed pattern that is shown, tried with a
// test print and saved for "Print Tickets".
class PrintUKLotto : public ChildWindow
{
    Q_OBJECT

public:
    PrintUKLotto(Context &context, QWidget *parent = nullptr);

    bool settingschanged() const { return m_settingschanged; }

protected:
    bool aboutToClose() override;

private:
    void showSavedSettings();
    tickets::DisplayedSettings displayedSettings() const;
    tickets::Correction displayedCorrection(double unit) const;
    bool saveSettings();
    void printTest();
    void printAlignment();
    void printTickets();

    Context &m_context;
    Platform &m_platform;
    MainSession &m_session;
    bool m_settingschanged = false;

    QLineEdit *Text1 = nullptr;
    QLineEdit *Text2 = nullptr;
    QRadioButton *Option1 = nullptr;
    QRadioButton *Option2 = nullptr;
    QRadioButton *Option3 = nullptr;
    QRadioButton *Option4 = nullptr;
    QRadioButton *Option5 = nullptr;
    QRadioButton *Option6 = nullptr;
    QRadioButton *Option7 = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;
    QPushButton *Command3 = nullptr;
    QPushButton *Command4 = nullptr;
    QPushButton *Command5 = nullptr;
    QPushButton *Command6 = nullptr;
};

} // namespace pickwise
