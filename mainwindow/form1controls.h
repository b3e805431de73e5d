#pragma once

#include "mainwindow/session.h"

#include <QMainWindow>

#include <array>
#include <vector>

class QAction;
class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace pickwise {

class AnimatedPicture;
class EntryList;

// The main window's controls and menu items, each under its own name (also
// its objectName), how they are laid out (what a form designer would give),
// and how they show the session: List1 and Text2 the listing, List2 and Text3
// the winning lines, the ball pictures the shown draw. Form1 gives them their
// behaviour.
class Form1Controls : public SessionObserver
{
protected:
    // Builds every control and menu item in window, to show session.
    void setupUi(QMainWindow *window, const MainSession &session);

    // Ball picture `position` (0..5 the main numbers, 6 the bonus ball).
    void ballpic(int position, int number);
    void hideBalls();
    // Draws the pictures again for the pixel ratio of the screen the window is on.
    void redrawPictures();

    // SessionObserver
    void listingReset() override;
    void entryAppended(const Entry &entry) override;
    void entryReplaced(int index) override;
    void entriesRemoved(const std::vector<bool> &removed) override;
    void winsCleared() override;
    void winsFound() override;
    void drawChanged() override;
    void drawDatePicked(const Date &date) override;
    void drawDatesChanged() override;

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
    EntryList *List1 = nullptr;
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
    QLabel *lblWon = nullptr; // what the winning lines won, in rand
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
    QAction *mnuImportResults = nullptr;
    QAction *mnuSpentWon = nullptr;
    QAction *mnuExit = nullptr;
    QAction *mnuWheelCreate = nullptr;
    std::vector<QAction *> wheelOpen; // Wheels > Open, in catalogue order
    QAction *mnuSaveStand = nullptr;
    QAction *mnuStandOpen = nullptr;
    QAction *mnulinkcreate = nullptr;
    QAction *mnuHelp = nullptr;
    QAction *mnuAbout = nullptr;

private:
    void buildMenus(QMainWindow *window);
    QMainWindow *m_window = nullptr;
    const MainSession *m_shown = nullptr;
    QAction *addItem(QMenu *menu, const char *name, const char *caption);
};

} // namespace pickwise
