#pragma once

#include "platform/childwindow.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <initializer_list>
#include <map>
#include <vector>

namespace pickwise {

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
    About /*frmAbout*/,
    ResultsImport,
    SpentAndWon
};
// Makes a new top-level window (no parent: the main window disables itself
// while most of them are open, and a disabled parent would disable them too).
using ChildFactory = std::function<ChildWindow *()>;

// The life of the windows the main window opens: made by the factory
// registered for their kind (or handed in), shown over the owner, and followed
// until they close. A window opened over the owner disables it meanwhile; on
// closed() the owner is enabled and brought forward again, then the window's
// refresh runs (look the draw up again, list the entries again). A window
// opened beside the owner leaves it usable, and there is at most one of its
// kind at a time.
class ChildWindows : public QObject
{
    Q_OBJECT

public:
    explicit ChildWindows(QWidget *owner);
    ~ChildWindows() override;

    void setFactory(ChildKind kind, ChildFactory make);
    bool has(ChildKind kind) const;
    // The buttons and menu items that open kind: enabled only while a factory
    // for it is registered.
    void openedBy(ChildKind kind, std::initializer_list<QObject *> controls);

    // Makes one of kind and opens it over the owner; false when no factory is
    // registered. caption, when given, replaces the window's title.
    bool open(ChildKind kind, const QString &caption = {}, std::function<void()> refresh = {});
    // Opens a window the owner made itself over the owner.
    void open(ChildWindow *window, const QString &caption = {}, std::function<void()> refresh = {});
    // The open window of kind is brought forward (retitled with caption when
    // given); false when none of kind is open.
    bool bringForward(ChildKind kind, const QString &caption = {});
    // Makes one of kind and opens it beside the owner; false when no factory
    // is registered.
    bool openBeside(
        ChildKind kind, const QString &caption = {}, std::function<void()> refresh = {});

    // The program ends: every window still open goes, none may refuse and none
    // refreshes.
    void closeAll();

private:
    void enableOpeners(ChildKind kind);

    void show(ChildWindow *window, const QString &caption, bool disableOwner,
        std::function<void()> refresh);

    QWidget *m_owner;
    std::map<ChildKind, ChildFactory> m_factories;
    std::vector<QPointer<ChildWindow>> m_open;
    std::map<ChildKind, QPointer<ChildWindow>> m_beside;
    std::map<ChildKind, std::vector<QPointer<QObject>>> m_openers;
};

} // namespace pickwise
