#include "platform/widgets.h"

#include <QCalendarWidget>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QTextCharFormat>

#include <algorithm>

namespace pickwise {

DatePicker::DatePicker(QWidget *parent) : QDateEdit(parent)
{
    lineEdit()->installEventFilter(this);
}

QSize DatePicker::sizeHint() const
{
    QSize hint = QDateEdit::sizeHint();
    const QFontMetrics metrics(lineEdit()->font());
    const QString format = displayFormat();
    const auto width
        = [&](const QDate &d) { return metrics.horizontalAdvance(locale().toString(d, format)); };
    int widest = 0;
    // Seven days of every month meet every weekday with every month name.
    for (int month = 1; month <= 12; ++month)
        for (int day = 22; day <= 28; ++day)
            widest = std::max(widest, width(QDate(2028, month, day)));
    const int sized = std::max(width(minimumDate()), width(maximumDate()));
    if (widest > sized)
        hint.rwidth() += widest - sized;
    return hint;
}

bool DatePicker::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == lineEdit()) {
        if (event->type() == QEvent::MouseButtonPress) {
            m_monthTyped.clear();
        } else if (event->type() == QEvent::MouseButtonRelease
            && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton
            && !lineEdit()->hasSelectedText()) {
            // The click has put the cursor into a part; without its text
            // selected, digits typed there would only be refused as too many.
            setSelectedSection(currentSection());
        }
    }
    return QDateEdit::eventFilter(watched, event);
}

void DatePicker::keyPressEvent(QKeyEvent *event)
{
    const QString typed = event->text();
    const bool plain = (event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) == 0;
    if (!isReadOnly() && currentSection() == MonthSection && plain && typed.size() == 1
        && typed.at(0).isLetterOrNumber()) {
        typeMonth(typed.at(0));
        event->accept();
        return;
    }
    m_monthTyped.clear();
    QDateEdit::keyPressEvent(event);
}

void DatePicker::focusOutEvent(QFocusEvent *event)
{
    m_monthTyped.clear();
    QDateEdit::focusOutEvent(event);
}

int DatePicker::monthFor(const QString &text) const
{
    bool number = false;
    const int n = text.toInt(&number);
    if (number)
        return text.size() > 2 || n > 12 ? 0 : (n == 0 ? -1 : n);
    int found = 0;
    for (int m = 1; m <= 12; ++m) {
        if (locale().monthName(m, QLocale::LongFormat).startsWith(text, Qt::CaseInsensitive)) {
            if (found != 0)
                return -1;
            found = m;
        }
    }
    return found;
}

void DatePicker::typeMonth(QChar key)
{
    // Typed keys add up while they still name a month ("1", "12"; "ma",
    // "may"); a key that does not fit starts again.
    QString typed = m_monthTyped + key;
    int month = monthFor(typed);
    if (month == 0) {
        typed = QString(key);
        month = monthFor(typed);
    }
    m_monthTyped = month == 0 ? QString() : typed;
    if (month > 0) {
        const QDate d = date();
        const QDate first(d.year(), month, 1);
        setDate(QDate(d.year(), month, std::min(d.day(), first.daysInMonth())));
    }
    setSelectedSection(MonthSection);
}

QDateEdit *makeDatePicker(const QString &objectName, QWidget *parent)
{
    auto *picker = new DatePicker(parent);
    picker->setObjectName(objectName);
    picker->setDisplayFormat(QStringLiteral("ddd dd MMMM yyyy"));
    picker->setDateRange(QDate(1950, 1, 1), QDate(2050, 12, 31));
    picker->setCalendarPopup(true);
    return picker;
}

void showDrawDates(QDateEdit *picker, const std::vector<Date> &dates)
{
    QCalendarWidget *calendar = picker->calendarWidget();
    if (!calendar)
        return;
    // A null date clears every date's format: dates whose draw went lose their bold.
    calendar->setDateTextFormat(QDate(), QTextCharFormat());
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    for (const Date &d : dates)
        calendar->setDateTextFormat(toQDate(d), bold);
}

QString pickerDateText(const QDateEdit *picker)
{
    return picker->locale().toString(picker->date(), QStringLiteral("dd MMMM yyyy"));
}

QFont listFont()
{
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    if (!QFontInfo(font).fixedPitch())
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    return font;
}

std::vector<std::string> listLines(const QListWidget *list)
{
    std::vector<std::string> lines;
    lines.reserve(static_cast<size_t>(list->count()));
    for (int i = 0; i < list->count(); ++i)
        lines.push_back(list->item(i)->text().toStdString());
    return lines;
}

} // namespace pickwise
