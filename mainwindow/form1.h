#pragma once

#include "core/sharedstate.h"
#include "mainwindow/mainrules.h"
#include "platform/childwindow.h"
#include "platform/mainlink.h"
#include "platform/platform.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <functional>
#include <map>
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

// The windows the main window opens but does not build itself; the app
// registers how to make each one.
enum class ChildKind {
    Entry /*Form5*/,
    EditEntry,
    HistoryCheck /*Form6*/,
    Filter /*Form10*/,
    Optimiser /*LinkProcess*/,
    Statistics /*Form4*/,
    WheelCreate /*wheel6*/,
    ImportTxt /*Form30*/,
    FileDeletion /*Form8*/,
    Downloader /*RDL*/,
    TicketPrinting /*PrintUKLotto*/,
    About /*frmAbout*/
};
// Makes a new top-level window (no parent: the main window disables itself
// while most of them are open, and a disabled parent would disable them too).
using ChildFactory = std::function<ChildWindow *()>;

// The main window: one draw of the results history with its balls, the entries
// of one entry file, the lines among them that won, and the way to every other
// window.
class Form1 : public QMainWindow, public MainWindowLink
{
    Q_OBJECT

public:
    Form1(SharedState &state, Platform &platform, QWidget *parent = nullptr);
    ~Form1() override;

    // The start-up (window load); separate from construction so that tests
    // and the app decide when it runs.
    void start();

    void setChildFactory(ChildKind kind, ChildFactory make);
    void setHelpHandler(std::function<void()> handler);

    // MainWindowLink
    void addentryline(const Entry &numbers) override;
    std::string entryCountText() const override;
    void setEntryCountText(const std::string &text) override;
    void replaceEntryLine(int index, const std::string &line) override;
    void clearEntryList() override;
    void clearWinningLines() override;
    Date drawDate() const override;
    void setDrawDate(const Date &date) override;
    Date entriesDate() const override;
    void showBalls(const Draw &balls) override;
    void enablePrintButtons() override;

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

    // True while a draw is shown (ball picture 0 visible).
    bool drawShown() const;

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void buildControls();
    void buildMenus();
    QAction *addItem(QMenu *menu, const char *name, const char *caption);
    void connectActions();
    void updateChildControls();

    // The draw before (step -1) or after (+1) the draw date, and whether
    // there is one either way.
    mainrules::DrawNeighbours neighbours(const std::vector<BallRecord> &draws) const;
    void showDrawSteps(const std::vector<BallRecord> &draws);
    void stepDraw(int step);

    void ballpic(int position, int number);
    // Draws the pictures again for the pixel ratio of the screen the window is on.
    void redrawPictures();
    void hideBalls();
    void clearshown();
    // Lists an entry file's entries after the lines already there; the error
    // text when it cannot be read.
    std::string listEntries(const std::string &path);
    void listEntries(const std::vector<Entry> &entries);
    // Empties both lists and sets the entry count and wins boxes to "0".
    void clearListing();
    void dropemptyfile();
    int listedCount() const;
    std::vector<bool> selectedLines() const;

    // Opening other windows.
    bool hasFactory(ChildKind kind) const;
    ChildWindow *make(ChildKind kind);
    void showChild(ChildWindow *window, const QString &caption, bool disableMain,
        std::function<void()> refresh);

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

    SharedState &m_state;
    Platform &m_platform;
    std::map<ChildKind, ChildFactory> m_factories;
    std::function<void()> m_help;
    std::vector<QPointer<ChildWindow>> m_open;
    QPointer<ChildWindow> m_about;
    QPointer<ChildWindow> m_optimiser;
    bool m_exiting = false;
    bool m_watchingScreen = false;
    bool m_resultsChecked = false; // the results file's draws were looked over

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
