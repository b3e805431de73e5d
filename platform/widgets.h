#pragma once

#include "core/dates.h"

#include <QDate>
#include <QDateEdit>
#include <QFont>
#include <QString>

#include <string>
#include <vector>

class QListWidget;
class QWidget;

namespace pickwise {

// Gives a control its name, the one tests and the layout refer to it by.
template<typename T>
T *named(T *widget, const char *name)
{
    widget->setObjectName(QString::fromUtf8(name));
    return widget;
}

// A date edit in which a click into a part of the date (weekday, day, month,
// year) selects that part, so that what is typed next replaces it. The month,
// written as its name, also takes its number or the first letters of its name.
class DatePicker : public QDateEdit
{
    Q_OBJECT

public:
    explicit DatePicker(QWidget *parent = nullptr);

    // Wide enough for every weekday and month name, not only for the first and
    // last dates of the range that the box is otherwise sized for.
    QSize sizeHint() const override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void typeMonth(QChar key);
    // The month that text starts: 1..12, 0 for none, -1 while it could still
    // become more than one.
    int monthFor(const QString &text) const;

    QString m_monthTyped;
};

// A date picker as every window uses it: "ddd dd MMMM yyyy" (the weekday
// first), 1 January 1950 to 31 December 2050, with a calendar pop-up.
QDateEdit *makeDatePicker(const QString &objectName, QWidget *parent);

// The dates that have a draw in bold in picker's calendar, and no other date:
// a user finds a draw at a glance. Called again whenever the draws change.
void showDrawDates(QDateEdit *picker, const std::vector<Date> &dates);

// A picker's date as the messages write it, "05 December 2026": the weekday
// the picker shows is not part of it.
QString pickerDateText(const QDateEdit *picker);

// Fixed-pitch font of the entry lists ("Courier New" where installed).
QFont listFont();

std::vector<std::string> listLines(const QListWidget *list);

inline Date toDate(const QDate &d)
{
    return Date {d.year(), d.month(), d.day()};
}
inline QDate toQDate(const Date &d)
{
    return QDate(d.year, d.month, d.day);
}

inline QString qs(const std::string &s)
{
    return QString::fromStdString(s);
}

} // namespace pickwise
