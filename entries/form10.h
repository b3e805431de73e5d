#pragma once

#include "platform/childwindow.h"
#include "platform/context.h"
#include "platform/platform.h"

class QCheckBox;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSlider;

namespace pickwise {

class MainSession;
struct GameMatrix;

// Filter: marks entries by sum band and duplicate coverage in a working copy,
// lets the user tick or untick them by hand, and removes the ticked ones from
// the entry file.
class Form10 : public ChildWindow
{
    Q_OBJECT

public:
    Form10(Context &context, QWidget *parent = nullptr);

protected:
    bool aboutToClose() override;

private:
    void check(); // Command1
    void remove(); // Command2
    void print(); // Command4
    void itemTicked(QListWidgetItem *item);
    int level() const;
    void setBusy(bool busy);
    std::string copyPath() const;

    Context &m_context;
    Platform &m_platform;
    MainSession &m_session;
    // The game of the entries filtered: it decides the sum bands. The listing
    // stays while the window is open over the main window.
    const GameMatrix *m_game;

    bool m_listFilled = false;
    bool m_running = false;
    int m_checked = 0;

    QCheckBox *Check1 = nullptr;
    QSlider *Slider1 = nullptr;
    QCheckBox *Check2 = nullptr;
    QRadioButton *Option1 = nullptr;
    QRadioButton *Option2 = nullptr;
    QRadioButton *Option3 = nullptr;
    QRadioButton *Option4 = nullptr;
    QPushButton *Command1 = nullptr;
    QListWidget *List1 = nullptr;
    QLineEdit *Text1 = nullptr;
    QLineEdit *Text2 = nullptr;
    QLineEdit *Text3 = nullptr;
    QPushButton *Command2 = nullptr;
    QPushButton *Command3 = nullptr;
    QPushButton *Command4 = nullptr;
    QProgressBar *ProgressBar1 = nullptr;
};

} // namespace pickwise
