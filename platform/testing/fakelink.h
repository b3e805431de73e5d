#pragma once

#include "platform/mainlink.h"

#include <string>
#include <vector>

namespace pickwise {

// Stands in for the main window in window tests: keeps its lists and boxes as
// plain values.
class FakeMainWindowLink : public MainWindowLink
{
public:
    void addentryline(const Entry &numbers) override
    {
        entryLines.push_back(entryLineText(numbers));
    }
    std::string entryCountText() const override { return entryCount; }
    void setEntryCountText(const std::string &text) override { entryCount = text; }
    void replaceEntryLine(int index, const std::string &line) override
    {
        if (index >= 0 && index < static_cast<int>(entryLines.size()))
            entryLines[static_cast<size_t>(index)] = line;
        selectedLine = index;
    }
    void clearEntryList() override { entryLines.clear(); }
    void clearWinningLines() override
    {
        winningLines.clear();
        winsText = "0";
        ++winningLinesCleared;
    }
    Date drawDate() const override { return drawDateValue; }
    void setDrawDate(const Date &date) override { drawDateValue = date; }
    Date entriesDate() const override { return entriesDateValue; }
    void showBalls(const Draw &balls) override
    {
        shownBalls = balls;
        ballsShown = true;
    }
    void enablePrintButtons() override { printButtonsEnabled = true; }

    std::vector<std::string> entryLines;
    std::vector<std::string> winningLines;
    std::string entryCount = "0";
    std::string winsText = "0";
    int selectedLine = -1;
    int winningLinesCleared = 0;
    Date drawDateValue {2026, 12, 5};
    Date entriesDateValue {2026, 12, 5};
    Draw shownBalls {};
    bool ballsShown = false;
    bool printButtonsEnabled = false;
};

} // namespace pickwise
