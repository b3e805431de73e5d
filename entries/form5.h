#pragma once

#include "platform/childwindow.h"

#include <array>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace pickwise {

class MainSession;
struct Platform;
struct Context;
struct ConstraintSet;
struct GameMatrix;

// Adding entries to the listed entry file: one typed by hand, or many
// suggested by the computer under the player's constraint set, kept for the
// whole run. The opener sets the caption and addmode before showing it.
class Form5 : public ChildWindow
{
    Q_OBJECT

public:
    Form5(Context &context, ConstraintSet &constraints, QWidget *parent = nullptr);

    bool isGenerating() const { return m_generating; }

protected:
    bool aboutToClose() override;

private:
    void manualAdd();
    void manualClear();
    void computerAdd();
    void showConstraintEditor();
    void constraintsDone();
    void constraintsClear();
    void setGenerating(bool on);
    // The game the listed entries are for: every number typed, constrained or
    // suggested is a ball of it.
    const GameMatrix &entriesGame() const;

    Context &m_context;
    Platform &m_platform;
    MainSession &m_session;
    ConstraintSet &m_constraints;
    bool m_generating = false;

    QGroupBox *Frame1 = nullptr;
    std::array<QLineEdit *, 6> Text1 {};
    QPushButton *Command6 = nullptr;
    QPushButton *Command5 = nullptr;
    QPushButton *Command3 = nullptr;

    QGroupBox *Frame2 = nullptr;
    QLabel *Label1 = nullptr;
    QLineEdit *Text8 = nullptr;
    QRadioButton *Option1 = nullptr;
    QRadioButton *Option2 = nullptr;
    QPushButton *Command4 = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;

    QGroupBox *Frame3 = nullptr;
    // Text2, Text3, Text4, Text5, Text6, Text7, Text9, Text10, Text11: slot order.
    std::array<QLineEdit *, 9> m_constraintBoxes {};
    QPushButton *Command7 = nullptr;
    QPushButton *Command8 = nullptr;
};

} // namespace pickwise
