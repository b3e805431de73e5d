// Every window the main window opens, made as the program makes it, opens
// centred over the main window, wholly on a 1366 x 768 screen and transient
// for the main window, wherever the main window stands.
#include "tests/support/mainwindow.h"

#include "about/frmabout.h"
#include "download/rdl.h"
#include "entries/editentry.h"
#include "entries/entryrules.h"
#include "entries/form10.h"
#include "entries/form5.h"
#include "entries/form6.h"
#include "entries/linkprocess.h"
#include "fileops/form30.h"
#include "fileops/form8.h"
#include "stats/form4.h"
#include "tickets/printuklotto.h"
#include "wheels/wheel6.h"

#include "tests/support/screen.h"

#include <QScreen>
#include <QWindow>

using namespace pickwise;
using namespace pickwise::testing;

namespace {

// The shown window of that class (wheel6 has no object name of its own).
QWidget *shownWindow(const char *className)
{
    const QString name = QStringLiteral("pickwise::") + QString::fromUtf8(className);
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible() && QString::fromUtf8(w->metaObject()->className()) == name)
            return w;
    return nullptr;
}

} // namespace

class PlacementTest : public QObject
{
    Q_OBJECT

private slots:
    void childWindowsOpenOverTheMainWindow_data()
    {
        QTest::addColumn<QPoint>("mainAt"); // the main window's frame, 800 x 620
        QTest::newRow("centred") << QPoint(283, 74);
        QTest::newRow("in the top-left corner") << QPoint(0, 0);
        QTest::newRow("half off the bottom-right") << QPoint(900, 500);
    }

    void childWindowsOpenOverTheMainWindow()
    {
        QFETCH(QPoint, mainAt);
        MainWindow rig({2015, 12, 5}); // a Saturday of the 6 of 49 game
        rig.history(60, {2015, 4, 4});
        writeEntries(rig.todayFile(), {{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}});
        Context &context = rig.context;
        Form1 &form = *rig.form;
        ChildWindows &children = form.children();
        ConstraintSet constraints;
        children.setFactory(ChildKind::Entry, [&] { return new Form5(context, constraints); });
        children.setFactory(ChildKind::EditEntry, [&] { return new editEntry(context); });
        children.setFactory(ChildKind::HistoryCheck, [&] { return new Form6(context); });
        children.setFactory(ChildKind::Filter, [&] { return new Form10(context); });
        children.setFactory(ChildKind::Optimiser, [&] { return new LinkProcess(context); });
        children.setFactory(ChildKind::Statistics, [&] { return new Form4(context); });
        children.setFactory(
            ChildKind::WheelCreate, [&] { return new wheel6(context, rig.session.wheelGame()); });
        children.setFactory(ChildKind::ImportTxt, [&] { return new Form30(context); });
        children.setFactory(ChildKind::FileDeletion, [&] { return new Form8(context); });
        children.setFactory(ChildKind::Downloader, [&] { return new RDL(context); });
        children.setFactory(ChildKind::TicketPrinting, [&] { return new PrintUKLotto(context); });
        children.setFactory(ChildKind::About, [&] { return new frmAbout(rig.platform); });
        form.start();
        form.move(mainAt);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const QRect screen = form.screen()->availableGeometry();
        QCOMPARE(screen, QRect(0, 0, 1366, 768));
        const QRect mainFrame = form.frameGeometry();

        const struct
        {
            const char *opener; // button, picture or menu item
            const char *window;
        } openers[] = {
            {"Image1", "Form3"},
            {"mnuselprinter", "Form11"},
            {"Command4", "Form5"},
            {"Command6", "editEntry"},
            {"Command12", "Form6"},
            {"mnufilter", "Form10"},
            {"mnulinkcreate", "LinkProcess"},
            {"mnustats", "Form4"},
            {"mnuWheelCreate", "wheel6"},
            {"mnuImport", "Form30"},
            {"mnuDelete", "Form8"},
            {"mnuUpdateResults", "RDL"},
            {"mnuprinttickets", "PrintUKLotto"},
            {"mnuAbout", "frmAbout"},
            {"Command1", "Form2"},
        };
        for (const auto &o : openers) {
            if (qstrcmp(o.window, "editEntry") == 0)
                rig.select({1});
            if (qstrcmp(o.window, "Form2") == 0)
                rig.setDate("DTPicker1", 2015, 12, 9); // a draw day without a draw
            if (QAction *action = form.findChild<QAction *>(QString::fromUtf8(o.opener)))
                action->trigger();
            else if (auto *button = form.findChild<QAbstractButton *>(QString::fromUtf8(o.opener)))
                button->click();
            QWidget *child = shownWindow(o.window);
            QVERIFY2(child, o.window);
            QVERIFY(QTest::qWaitForWindowExposed(child));

            const QRect frame = child->frameGeometry();
            QVERIFY2(screen.contains(frame), o.window);
            QVERIFY2(frame.intersects(mainFrame), o.window);
            // Centred on the main window, or standing at each screen edge that would cross.
            QRect centred(QPoint(), frame.size());
            centred.moveCenter(mainFrame.center());
            if (screen.contains(centred)) {
                QCOMPARE(frame, centred);
            } else {
                QVERIFY2(
                    centred.left() >= screen.left() || frame.left() == screen.left(), o.window);
                QVERIFY2(centred.top() >= screen.top() || frame.top() == screen.top(), o.window);
                QVERIFY2(
                    centred.right() <= screen.right() || frame.right() == screen.right(), o.window);
                QVERIFY2(centred.bottom() <= screen.bottom() || frame.bottom() == screen.bottom(),
                    o.window);
            }
            QCOMPARE(child->windowHandle()->transientParent(), form.windowHandle());
            QCOMPARE(child->windowType(), Qt::Dialog);
            child->close();
            QVERIFY2(form.isEnabled(), o.window);
        }
        QVERIFY(rig.dialogs.shown.empty());
    }
};

int main(int argc, char **argv)
{
    useOffscreenScreen(1366, 768);
    QApplication app(argc, argv);
    PlacementTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "placement_test.moc"
