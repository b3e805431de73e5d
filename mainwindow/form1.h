#pragma once

#include "mainwindow/childwindows.h"
#include "mainwindow/form1controls.h"
#include "mainwindow/mainrules.h"
#include "mainwindow/session.h"
#include "platform/context.h"
#include "platform/platform.h"

#include <QMainWindow>

#include <functional>
#include <string>
#include <vector>

class QListWidget;

namespace pickwise {

// The main window: one draw of the results history with its balls, the entries
// of one entry file, the lines among them that won, and the way to every other
// window.
//
// It shows the session: each routine asks the session and shows the outcome,
// and the controls follow the session's changes, whoever made them.
class Form1 : public QMainWindow, private Form1Controls
{
    Q_OBJECT

public:
    Form1(Context &context, QWidget *parent = nullptr);
    ~Form1() override;

    // The start-up (window load); separate from construction so that tests
    // and the app decide when it runs.
    void start();

    // The windows it opens: register their factories here.
    ChildWindows &children() { return *m_children; }
    void setHelpHandler(std::function<void()> handler);

    // The main window's own routines, run by its events and after the
    // windows it opens have closed.
    void drawDateChange();
    void entriesDateChange();
    void entryTypeClick();
    void check();
    // Lists a wheel entry file; false (after telling the user) when it cannot.
    bool open6wheel(const std::string &filetobeopened);
    void openWheel(int wheelno);
    void reopenCurrentFile();
    void exitProgram();

    // True while a draw is shown.
    bool drawShown() const { return m_session.drawShown(); }

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void connectActions();

    void showDrawSteps(const mainrules::DrawNeighbours &near);
    void stepDraw(int step);
    // The selection of the listed lines (the lines beyond the entries none).
    std::vector<bool> selectedLines() const;
    // Tells message when `when` holds (and message is not empty); whether it did.
    bool told(bool when, const std::string &message);
    bool told(const std::string &message) { return told(true, message); }
    // Asks question, when there is one; whether the user went on.
    bool agreed(const std::string &question);
    // Shows what opening a wheel gave; whether it was listed.
    bool shownWheel(const MainSession::Opened &opened);

    // Handlers.
    void addDraw();
    void deleteDraw();
    void datedEntry();
    void addEntries();
    void editEntry();
    void deleteEntries();
    void printList(QListWidget *list);
    void historyCheck();
    void saveStanding();
    void openStanding();
    void filterEntries();
    void printTickets();
    void drawHistory();
    void selectPrinter();
    void updateResults();
    void fileDeletion();
    void importTxt();
    void importResults();
    void spentAndWon();
    void optimiser();
    void statistics();
    void wheelCreate();
    void about();
    void help();

    Context &m_context;
    Platform &m_platform;
    MainSession &m_session;
    ChildWindows *m_children;
    std::function<void()> m_help;
    bool m_exiting = false;
    bool m_watchingScreen = false;
};

} // namespace pickwise
