#pragma once

#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/printer.h"
#include "platform/shell.h"

#include <deque>
#include <memory>
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
    std::string chooseFileToSave(const std::string &title, const std::string &suggestedName,
        const std::string &filter) override;
    std::string chooseFileToOpen(const std::string &title, const std::string &filter) override;

    void answer(bool yes) { m_answers.push_back(yes); }
    // The next file the user chooses to save to; "" cancels.
    void answerFile(const std::string &path) { m_files.push_back(path); }
    // The next file the user chooses to open; "" cancels.
    void answerOpen(const std::string &path) { m_opened.push_back(path); }
    std::vector<std::string> texts() const;
    std::string lastText() const { return shown.empty() ? std::string() : shown.back().text; }
    void clear() { shown.clear(); }

    std::vector<Shown> shown;
    bool busy = false;
    int busyChanges = 0;
    // The names offered by every save question, in order.
    std::vector<std::string> fileQuestions;
    // The titles of every open question, in order.
    std::vector<std::string> openQuestions;

private:
    std::deque<bool> m_answers;
    std::deque<std::string> m_files;
    std::deque<std::string> m_opened;
};

// Records every document printed, one line of text per step, for example
// "font Courier 10", "a4", "text <line>", "width 25", "line 3690.000 715.000
// 3840.000 715.000", "newpage", and "end" after each document. A preview
// shows at once what the user does in it (previewChoice).
class FakePrinter : public Printer
{
public:
    enum class PreviewChoice {
        Print, // presses Print
        SavePdf, // presses Save as PDF and leaves the preview open
        Look, // leaves the preview open
    };

    bool installedPrinters(std::vector<std::string> &names) override;
    bool setCurrentPrinter(const std::string &name) override;
    std::string currentPrinter() const override { return current; }
    double printableWidth(const PrintDocument &) const override { return width; }
    double printableHeight(const PrintDocument &) const override { return height; }
    bool print(const PrintDocument &doc) override;
    std::string savePdf(const PrintDocument &doc, const std::string &path) override;
    void preview(const PrintDocument &doc, std::shared_ptr<PreviewActions> actions) override;
    bool updatePreview(const PreviewActions &actions, const PrintDocument &doc) override;
    void closePreview(const PreviewActions &actions) override;

    // Whether a preview is open.
    bool previewOpen() const { return m_openPreview != nullptr; }

    std::vector<std::string> printers;
    bool listFails = false;
    std::string current;
    std::vector<std::string> ops;
    std::vector<std::string> documents; // the names of the documents printed, in order
    bool refuses = false; // print() reports the document refused
    double width = 11338; // A4 less small margins, in twips
    double height = 16157;

    PreviewChoice previewChoice = PreviewChoice::Print;
    std::vector<PrintDocument> previews; // every document shown, updates included
    std::vector<std::string> pdfs; // the paths of the PDFs written
    std::string pdfError; // savePdf fails with this reason

private:
    std::shared_ptr<PreviewActions> m_openPreview;
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
