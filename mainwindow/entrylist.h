#pragma once

#include "core/lines.h"

#include <QListWidget>

#include <vector>

namespace pickwise {

// List1: the listed entries, a line each; a click picks one line, Ctrl- or
// Shift-click several.
class EntryList : public QListWidget
{
    Q_OBJECT

public:
    explicit EntryList(QWidget *parent = nullptr);

    // Every line anew.
    void showEntries(const std::vector<Entry> &entries);
    // The lines marked go; the view keeps its top line and any line still
    // selected.
    void removeLines(const std::vector<bool> &removed);
    // Each line's selection, line 0 first.
    std::vector<bool> selectedLines() const;
    // Only these lines selected.
    void selectOnly(const std::vector<int> &lines);
};

} // namespace pickwise
