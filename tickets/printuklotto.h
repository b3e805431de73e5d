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
// test print and saved for "Print Tickets". Each print shows its slips with
// the marks in its preview first, and the preview follows the settings as
// they are changed here.
class PrintUKLotto : public ChildWindow
{
    Q_OBJECT

public:
    PrintUKLotto(Context &context, QWidget *parent = nullptr);
    ~PrintUKLotto() override;

    bool settingschanged() const { return m_settingschanged; }

protected:
    bool aboutToClose() override;

private:
    void showSavedSettings();
    tickets::DisplayedSettings displayedSettings() const;
    tickets::Correction displayedCorrection(double unit) const;
    bool saveSettings();

    enum class SlipPrint { Test, Alignment, Tickets };
    // The printout as the settings stand; "" or why it cannot be made.
    std::string slipPrintout(SlipPrint kind, PrintDocument &doc) const;
    void printSlips(SlipPrint kind);
    void printTest();
    // Shows the open preview again after a change of the settings.
    void refreshPreview();
    void closePreview();

    Context &m_context;
    Platform &m_platform;
    MainSession &m_session;
    bool m_settingschanged = false;
    // The open preview's actions, and what it shows.
    std::shared_ptr<PreviewActions> m_preview;
    SlipPrint m_previewed = SlipPrint::Test;

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
