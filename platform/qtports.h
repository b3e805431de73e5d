#pragma once

#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/printer.h"
#include "platform/shell.h"

#include <QFont>
#include <QPainter>
#include <QPrinter>

#include <memory>
#include <random>

namespace pickwise {

class QtDialogs : public Dialogs
{
public:
    void message(const std::string &text, const std::string &title = {}) override;
    bool askYesNo(const std::string &text, const std::string &title = {}) override;
    void setBusy(bool busy) override;

private:
    int m_busyDepth = 0;
};

class QtPrinter : public Printer
{
public:
    QtPrinter();
    ~QtPrinter() override;

    bool installedPrinters(std::vector<std::string> &names) override;
    bool setCurrentPrinter(const std::string &name) override;
    std::string currentPrinter() const override;
    void setDocumentName(const std::string &name) override;
    void setFont(const std::string &family, int pointSize) override;
    void setA4Portrait() override;
    void printLine(const std::string &text) override;
    void setLineWidth(int dots) override;
    void drawLine(double x1, double y1, double x2, double y2) override;
    void newPage() override;
    bool endDocument() override;
    double printableWidth() const override;
    double printableHeight() const override;

    // Lets tests and the app send the document to a file instead of a queue.
    void setOutputFile(const QString &path);

private:
    bool ensureStarted();
    double twipsToDevice(double twips) const;

    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<QPainter> m_painter;
    QFont m_font;
    int m_lineWidth = 1;
    double m_textY = 0;
    QString m_outputFile;
    QString m_documentName;
    // The printer refused the document being built: the rest of it is dropped
    // and endDocument() says so.
    bool m_refused = false;
};

class QtShell : public Shell
{
public:
    OpenResult openDocument(const std::string &path) override;
    std::string findProgram(const std::string &name) override;
    bool startProgram(const std::string &path, const std::vector<std::string> &args) override;
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
