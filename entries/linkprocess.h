#pragma once

#include "core/history.h"
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
// The draws are the latest N of the latest draw's game, and the entries are
// made only for a date of that game.
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
    // The draws of the latest draw's game, which becomes the game processed.
    std::vector<BallRecord> latestGameDraws(const ResultsHistory &history);

    Context &m_context;
    Platform &m_platform;
    MainSession &m_session;

    optimiser::LinkTable m_links;
    const GameMatrix *m_game = nullptr; // the game of the draws processed
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
