#include "platform/widgets.h"

#include <QDateEdit>
#include <QFontDatabase>
#include <QListWidget>

namespace pickwise {

QDateEdit *makeDatePicker(const QString &objectName, QWidget *parent)
{
    auto *picker = new QDateEdit(parent);
    picker->setObjectName(objectName);
    picker->setDisplayFormat(QStringLiteral("dd MMMM yyyy"));
    picker->setDateRange(QDate(1950, 1, 1), QDate(2050, 12, 31));
    picker->setCalendarPopup(true);
    return picker;
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
