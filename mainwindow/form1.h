#pragma once

#include "mainwindow/childwindows.h"
#include "mainwindow/mainrules.h"
#include "mainwindow/session.h"
#include "platform/context.h"
#include "platform/platform.h"

#include <QMainWindow>

#include <array>
#include <functional>
#include <string>
#include <vector>

class QAction;
class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace pickwise {

class AnimatedPicture;

// The main window: one draw of the results history with its balls, the entries
// of one entry file, the lines among them that won, and the way to every other
// window.
//
// It shows the session: each routine asks the session and shows the outcome,
// and the controls follow the session's changes, whoever made them.
class Form1 : public QMainWindow, private SessionObserver
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
    void buildControls();
    void buildMenus();
    QAction *addItem(QMenu *menu, const char *name, const char *caption);
    void connectActions();
    void updateChildControls();

    // SessionObserver
    void listingReset() override;
    void entryAppended(const Entry &entry) override;
    void entryReplaced(int index) override;
    void entriesRemoved(const std::vector<bool> &removed) override;
    void winsCleared() override;
    void winsFound() override;
    void drawChanged() override;
    void drawDatePicked(const Date &date) override;

    void showDrawSteps(const mainrules::DrawNeighbours &near);
    void stepDraw(int step);
    void ballpic(int position, int number);
    // Draws the pictures again for the pixel ratio of the screen the window is on.
    void redrawPictures();
    void hideBalls();
    // The selection of the listed lines (the lines beyond the entries none).
    std::vector<bool> selectedLines() const;
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

    // Controls under their own names.
    QGroupBox *Frame4 = nullptr;
    QToolButton *Image5 = nullptr;
    QToolButton *Image3 = nullptr;
    QToolButton *Image1 = nullptr;
    QToolButton *Image4 = nullptr;
    QGroupBox *Frame1 = nullptr;
    QGroupBox *Frame3 = nullptr;
    QDateEdit *DTPicker1 = nullptr;
    QToolButton *m_previousDraw = nullptr;
    QToolButton *m_nextDraw = nullptr;
    QWidget *Picture1 = nullptr;
    std::array<QLabel *, 7> Image2 {};
    QLabel *Label3 = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;
    QGroupBox *Frame2 = nullptr;
    QRadioButton *Option2 = nullptr;
    QGroupBox *Frame5 = nullptr;
    QDateEdit *DTPicker2 = nullptr;
    QListWidget *List1 = nullptr;
    QLabel *Label5 = nullptr;
    QLineEdit *Text2 = nullptr;
    QPushButton *Command4 = nullptr;
    QPushButton *Command6 = nullptr;
    QPushButton *Command5 = nullptr;
    QPushButton *Command14 = nullptr;
    QPushButton *Command12 = nullptr;
    QPushButton *Command9 = nullptr;
    QPushButton *Command3 = nullptr;
    QGroupBox *Frame6 = nullptr;
    QListWidget *List2 = nullptr;
    QLabel *Label6 = nullptr;
    QLineEdit *Text3 = nullptr;
    QPushButton *Command10 = nullptr;
    AnimatedPicture *Image8 = nullptr;

    QAction *mnuUpdateResults = nullptr;
    QAction *mnuDelete = nullptr;
    QAction *mnuhistory = nullptr;
    QAction *mnustats = nullptr;
    QAction *mnufilter = nullptr;
    QAction *mnuprinttickets = nullptr;
    QAction *mnuselprinter = nullptr;
    QAction *mnuImport = nullptr;
    QAction *mnuExit = nullptr;
    QAction *mnuWheelCreate = nullptr;
    std::array<QAction *, 10> m_wheelOpen {};
    QAction *mnuSaveStand = nullptr;
    QAction *mnuStandOpen = nullptr;
    QAction *mnulinkcreate = nullptr;
    QAction *mnuHelp = nullptr;
    QAction *mnuAbout = nullptr;
};

} // namespace pickwise
