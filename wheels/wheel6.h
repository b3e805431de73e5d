#pragma once

#include "platform/childwindow.h"
#include "wheels/catalogue.h"
#include "wheels/suggestion.h"

#include <array>

class QButtonGroup;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace pickwise {

struct Context;
struct Platform;
class MainSession;

// "Pick 6 - Guaranteed Wheels": choose a wheel type and group size, adjust the
// suggested group of balls, save the wheel or print its cover, for the game
// the main window gives.
class wheel6 : public ChildWindow
{
    Q_OBJECT

public:
    wheel6(Context &context, const wheels::WheelGame &game, QWidget *parent = nullptr);

private:
    void buildControls();
    void setupwheeldata(int forwheel);
    void clearsuggestedentries();
    void layOutGroup();
    void saveWheel();
    void printCover();

    Context &m_context;
    Platform &m_platform;
    MainSession &m_session;
    const wheels::WheelGame m_game;

    int m_wheeltype = 0;
    int m_ballcount = 0;
    wheels::Suggestion m_suggested {};

    std::array<QLineEdit *, wheels::ballBoxes> m_boxes {};
    QButtonGroup *m_options = nullptr;
    QComboBox *m_sizes = nullptr;
    QLineEdit *m_entries = nullptr;
    QPushButton *m_print = nullptr;
};

} // namespace pickwise
