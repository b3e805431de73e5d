#pragma once

#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/printer.h"
#include "platform/shell.h"

#include <QPointer>
#include <QPrinter>

#include <memory>
#include <random>

namespace pickwise {

namespace printing {
class PreviewDialog;
}

class QtDialogs : public Dialogs
{
public:
    void message(const std::string &text, const std::string &title = {}) override;
    bool askYesNo(const std::string &text, const std::string &title = {}) override;
    void setBusy(bool busy) override;
    std::string chooseFileToSave(const std::string &title, const std::string &suggestedName,
        const std::string &filter) override;
    std::string chooseFileToOpen(const std::string &title, const std::string &filter) override;

    // A diagnostic: every message and question is also written to the standard
    // error, one line each, so a run without a screen shows what it asked.
    void setEcho(bool echo) { m_echo = echo; }

private:
    int m_busyDepth = 0;
    bool m_echo = false;
};

class QtPrinter : public Printer
{
public:
    QtPrinter();
    ~QtPrinter() override;

    bool installedPrinters(std::vector<std::string> &names) override;
    bool setCurrentPrinter(const std::string &name) override;
    std::string currentPrinter() const override;
    double printableWidth(const PrintDocument &doc) const override;
    double printableHeight(const PrintDocument &doc) const override;
    bool print(const PrintDocument &doc) override;
    std::string savePdf(const PrintDocument &doc, const std::string &path) override;
    void preview(const PrintDocument &doc, std::shared_ptr<PreviewActions> actions) override;
    bool updatePreview(const PreviewActions &actions, const PrintDocument &doc) override;
    void closePreview(const PreviewActions &actions) override;

    // Lets tests and the app send the documents to a file instead of a queue.
    void setOutputFile(const QString &path);

    // A printer set up for doc as print() prints it: the current printer (or
    // the output file), at its high resolution, prepared for doc. The preview
    // and the PDF start from the same.
    std::unique_ptr<QPrinter> printerFor(const PrintDocument &doc) const;
    // The preview open, or null.
    printing::PreviewDialog *openPreview() const;

private:
    std::unique_ptr<QPrinter> m_printer;
    QString m_outputFile;
    QPointer<printing::PreviewDialog> m_preview;
};

class QtShell : public Shell
{
public:
    OpenResult openDocument(const std::string &path) override;
    std::string findProgram(const std::string &name) override;
    bool startProgram(const std::string &path, const std::vector<std::string> &args) override;

    // A diagnostic: every document handed to the desktop is also written to
    // the standard error.
    void setEcho(bool echo) { m_echo = echo; }

private:
    bool m_echo = false;
};

class SystemClock : public Clock
{
public:
    Date today() override;
    double timeOfDay() override;
};

// Seeded once per run from a high-resolution source.
class SystemRandom : public Random
{
public:
    SystemRandom();
    double next() override;

private:
    std::mt19937_64 m_engine;
    std::uniform_real_distribution<double> m_uniform {0.0, 1.0};
};

} // namespace pickwise
