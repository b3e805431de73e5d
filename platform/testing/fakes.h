#pragma once

#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/printer.h"
#include "platform/shell.h"

#include <deque>
#include <string>
#include <vector>

namespace pickwise {

// Records every message and question; questions take the next scripted answer
// (Yes when none is left).
class FakeDialogs : public Dialogs
{
public:
    struct Shown
    {
        bool question = false;
        std::string text;
        std::string title;
    };

    void message(const std::string &text, const std::string &title = {}) override;
    bool askYesNo(const std::string &text, const std::string &title = {}) override;
    void setBusy(bool busy) override;

    void answer(bool yes) { m_answers.push_back(yes); }
    std::vector<std::string> texts() const;
    std::string lastText() const { return shown.empty() ? std::string() : shown.back().text; }
    void clear() { shown.clear(); }

    std::vector<Shown> shown;
    bool busy = false;
    int busyChanges = 0;

private:
    std::deque<bool> m_answers;
};

// Records every printer operation as a line of text, for example
// "font Courier 10", "a4", "text <line>", "width 25", "line 3690 715 3840 715",
// "newpage", "end".
class FakePrinter : public Printer
{
public:
    bool installedPrinters(std::vector<std::string> &names) override;
    bool setCurrentPrinter(const std::string &name) override;
    std::string currentPrinter() const override { return current; }
    void setDocumentName(const std::string &name) override { documentName = name; }
    void setFont(const std::string &family, int pointSize) override;
    void setA4Portrait() override;
    void printLine(const std::string &text) override;
    void setLineWidth(int dots) override;
    void drawLine(double x1, double y1, double x2, double y2) override;
    void newPage() override;
    bool endDocument() override;
    double printableWidth() const override { return width; }
    double printableHeight() const override { return height; }

    std::vector<std::string> printers;
    bool listFails = false;
    std::string current;
    std::vector<std::string> ops;
    std::string documentName; // the name set for the document being built
    std::vector<std::string> documents; // the names of the documents ended, in order
    bool refuses = false; // endDocument() reports the document refused
    double width = 11338; // A4 less small margins, in twips
    double height = 16157;
};

class FakeShell : public Shell
{
public:
    OpenResult openDocument(const std::string &path) override;
    std::string findProgram(const std::string &name) override;
    bool startProgram(const std::string &path, const std::vector<std::string> &args) override;

    std::vector<std::string> opened;
    bool noViewer = false; // a document that is there cannot be shown
    std::vector<std::string> started;
    std::vector<std::string> programsOnPath; // names findProgram knows
};

class FixedClock : public Clock
{
public:
    explicit FixedClock(Date d = {2026, 12, 5}) : date(d) { }
    Date today() override { return date; }
    double timeOfDay() override { return seconds; }

    Date date;
    double seconds = 36000.0;
};

// Hands out the scripted values in turn, then starts again from the first.
class ScriptedRandom : public Random
{
public:
    ScriptedRandom() = default;
    explicit ScriptedRandom(std::vector<double> v) : values(std::move(v)) { }
    double next() override;

    std::vector<double> values {0.5};
    size_t position = 0;
    size_t calls = 0;
};

} // namespace pickwise
