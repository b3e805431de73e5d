#pragma once

#include "core/dates.h"

#include <QDate>
#include <QFont>
#include <QString>

#include <string>
#include <vector>

class QDateEdit;
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

// A date picker as every window uses it: "dd MMMM yyyy", 1 January 1950 to
// 31 December 2050, with a calendar pop-up.
QDateEdit *makeDatePicker(const QString &objectName, QWidget *parent);

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
