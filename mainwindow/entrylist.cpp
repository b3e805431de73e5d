#include "mainwindow/entrylist.h"

#include "platform/widgets.h"

#include <QItemSelectionModel>

#include <algorithm>

namespace pickwise {

EntryList::EntryList(QWidget *parent) : QListWidget(parent)
{
    setObjectName(QStringLiteral("List1"));
}

void EntryList::showEntries(const std::vector<Entry> &entries)
{
    QStringList lines;
    lines.reserve(static_cast<int>(entries.size()));
    for (const Entry &e : entries)
        lines << qs(entryLineText(e));
    clear();
    addItems(lines);
}

void EntryList::removeLines(const std::vector<bool> &removed)
{
    // The lines left are listed afresh: taking thousands of lines out of a
    // long list one by one moves every later line each time.
    const std::vector<bool> wasSelected = selectedLines();
    const QListWidgetItem *top = itemAt(0, 0);
    const int topRow = top ? row(top) : 0;
    QStringList left;
    QList<int> reselect;
    int newTopRow = 0;
    for (int i = 0; i < count(); ++i) {
        const size_t line = static_cast<size_t>(i);
        if (line < removed.size() && removed[line])
            continue;
        if (i < topRow)
            ++newTopRow;
        if (wasSelected[line])
            reselect << static_cast<int>(left.size());
        left << item(i)->text();
    }
    clear();
    addItems(left);
    for (int r : reselect)
        item(r)->setSelected(true);
    if (!left.isEmpty())
        scrollToItem(item(std::min(newTopRow, static_cast<int>(left.size()) - 1)),
            QAbstractItemView::PositionAtTop);
}

std::vector<bool> EntryList::selectedLines() const
{
    // Read from the selection's ranges: asking each line walks all the
    // ranges, which for thousands of selected lines is quadratic.
    std::vector<bool> lines(static_cast<size_t>(count()), false);
    for (const QItemSelectionRange &range : selectionModel()->selection())
        for (int r = std::max(range.top(), 0); r <= range.bottom() && r < count(); ++r)
            lines[static_cast<size_t>(r)] = true;
    return lines;
}

void EntryList::selectOnly(const std::vector<int> &lines)
{
    clearSelection();
    for (int line : lines)
        if (line >= 0 && line < count())
            item(line)->setSelected(true);
}

} // namespace pickwise
