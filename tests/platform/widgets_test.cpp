#include "platform/childwindow.h"
#include "platform/widgets.h"

#include "tests/support/screen.h"

#include <QApplication>
#include <QLineEdit>
#include <QtTest>

using namespace pickwise;

namespace {

// Clicks into the date picker's text where the character at index lies, as a
// user does, then types keys.
void clickAndType(QDateEdit *picker, int index, const QString &keys)
{
    QLineEdit *edit = picker->findChild<QLineEdit *>();
    int x = 0;
    while (x < edit->width() && edit->cursorPositionAt(QPoint(x, edit->height() / 2)) <= index)
        ++x;
    QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(x - 2, edit->height() / 2));
    // Keys go where the window system sends them: to the widget with the focus.
    QTest::keyClicks(QApplication::focusWidget(), keys);
}

} // namespace

class WidgetsTest : public QObject
{
    Q_OBJECT

private slots:
    void typingIntoAPartOfTheDate_data()
    {
        QTest::addColumn<QDate>("from");
        QTest::addColumn<int>("at"); // a character of the part clicked into
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QDate>("date");
        // "Sun 06 December 2015": weekday 0-2, day 4-5, month 7-14, year 16-19.
        const QDate sixth(2015, 12, 6);
        QTest::newRow("day") << sixth << 5 << "15" << QDate(2015, 12, 15);
        QTest::newRow("day, one digit") << sixth << 4 << "9" << QDate(2015, 12, 9);
        QTest::newRow("year") << sixth << 17 << "2003" << QDate(2003, 12, 6);
        QTest::newRow("month by number") << sixth << 9 << "3" << QDate(2015, 3, 6);
        QTest::newRow("month by two digits") << sixth << 9 << "11" << QDate(2015, 11, 6);
        QTest::newRow("month, a second digit too many") << sixth << 9 << "13" << QDate(2015, 3, 6);
        QTest::newRow("month by name") << sixth << 12 << "jun" << QDate(2015, 6, 6);
        QTest::newRow("month, first letters enough") << sixth << 9 << "Ap" << QDate(2015, 4, 6);
        QTest::newRow("month, not yet one") << sixth << 9 << "ma" << sixth;
        QTest::newRow("month, a key that fits no month") << sixth << 9 << "x" << sixth;
        QTest::newRow("month, day kept within it")
            << QDate(2015, 12, 31) << 9 << "feb" << QDate(2015, 2, 28);
        QTest::newRow("weekday") << sixth << 1 << "wed" << QDate(2015, 12, 9);
    }

    void typingIntoAPartOfTheDate()
    {
        QFETCH(QDate, from);
        QFETCH(int, at);
        QFETCH(QString, keys);
        QFETCH(QDate, date);
        QWidget window;
        QDateEdit *picker = makeDatePicker(QStringLiteral("DTPicker1"), &window);
        picker->setDate(from);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        clickAndType(picker, at, keys);
        QCOMPARE(QApplication::focusWidget(), picker);
        QCOMPARE(picker->date(), date);
    }

    void pickerFitsEveryWeekdayAndMonth()
    {
        QWidget window;
        QDateEdit *picker = makeDatePicker(QStringLiteral("DTPicker1"), &window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        picker->resize(picker->sizeHint());
        QLineEdit *edit = picker->findChild<QLineEdit *>();
        const QFontMetrics metrics(edit->font());
        for (const QDate &d : {QDate(2015, 9, 23), QDate(2010, 12, 22), QDate(2015, 2, 28)}) {
            picker->setDate(d);
            QVERIFY2(metrics.horizontalAdvance(picker->text()) < edit->width(),
                qPrintable(picker->text()));
        }
    }

    void placedOverTheOwnerAndOnScreen()
    {
        const QRect screen(0, 0, 1366, 768);
        const struct
        {
            const char *name;
            QRect owner;
            QSize frame;
            QRect placed;
        } cases[] = {
            {"centred", {283, 62, 800, 645}, {400, 300}, {483, 235, 400, 300}},
            {"held off the right edge", {900, 100, 800, 645}, {600, 300}, {766, 273, 600, 300}},
            {"held off the bottom", {283, 400, 800, 645}, {400, 500}, {483, 268, 400, 500}},
            {"held off the top-left", {-300, -200, 500, 400}, {400, 300}, {0, 0, 400, 300}},
            {"larger than the screen", {283, 62, 800, 645}, {1500, 900}, {0, 0, 1366, 768}},
        };
        for (const auto &c : cases)
            QVERIFY2(placedFrame(c.owner, c.frame, screen) == c.placed, c.name);
    }

    void placedBesideTheOwner()
    {
        const QRect screen(0, 0, 1366, 768);
        const struct
        {
            const char *name;
            QRect owner;
            QSize frame;
            bool fits;
            QRect ownerPlaced, placed;
        } cases[] = {
            {"room on the right", {100, 200, 447, 345}, {780, 700}, true, {100, 200, 447, 345},
                {547, 68, 780, 700}},
            {"owner moved left", {460, 300, 447, 345}, {780, 600}, true, {139, 300, 447, 345},
                {586, 168, 780, 600}},
            {"level with the owner", {0, 50, 447, 345}, {780, 600}, true, {0, 50, 447, 345},
                {447, 50, 780, 600}},
            {"owner off the left edge", {-100, 0, 447, 345}, {780, 900}, true, {0, 0, 447, 345},
                {447, 0, 780, 768}},
            {"too wide together", {283, 62, 800, 645}, {780, 700}, false, {}, {}},
        };
        for (const auto &c : cases) {
            QRect ownerPlaced, placed;
            QVERIFY2(placedBeside(c.owner, c.frame, screen, ownerPlaced, placed) == c.fits, c.name);
            if (!c.fits)
                continue;
            QVERIFY2(ownerPlaced == c.ownerPlaced, c.name);
            QVERIFY2(placed == c.placed, c.name);
            QVERIFY2(!ownerPlaced.intersects(placed) && screen.contains(placed), c.name);
        }
    }
};

int main(int argc, char **argv)
{
    pickwise::testing::useOffscreenScreen(1366, 768);
    QApplication app(argc, argv);
    WidgetsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "widgets_test.moc"
