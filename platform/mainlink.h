#pragma once

#include "core/dates.h"
#include "core/lines.h"

#include <string>

namespace pickwise {

// What the other windows may do to the main window's controls. The main window
// implements it; window tests hand in a recording double.
class MainWindowLink
{
public:
    virtual ~MainWindowLink() = default;

    // Entry list (List1) and entry count box (Text2).
    virtual void addentryline(const Entry &numbers) = 0;
    virtual std::string entryCountText() const = 0;
    virtual void setEntryCountText(const std::string &text) = 0;
    // Replaces list line `index` (0-based) with `line` and selects it.
    virtual void replaceEntryLine(int index, const std::string &line) = 0;
    virtual void clearEntryList() = 0;

    // Winning-lines list (List2) emptied and the wins box (Text3) set to "0".
    virtual void clearWinningLines() = 0;

    // Draw date picker (DTPicker1) and entries date picker (DTPicker2). A new
    // draw date shows that date's draw at once.
    virtual Date drawDate() const = 0;
    virtual void setDrawDate(const Date &date) = 0;
    virtual Date entriesDate() const = 0;

    // The seven ball pictures of a draw (ballpic for positions 0..6).
    virtual void showBalls(const Draw &balls) = 0;

    // Both "Print" buttons, once a printer has been chosen.
    virtual void enablePrintButtons() = 0;
};

} // namespace pickwise
