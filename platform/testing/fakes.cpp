#include "platform/testing/fakes.h"

#include "core/fileio.h"

#include <cstdio>

namespace pickwise {

void FakeDialogs::message(const std::string &text, const std::string &title)
{
    shown.push_back({false, text, title});
}

bool FakeDialogs::askYesNo(const std::string &text, const std::string &title)
{
    shown.push_back({true, text, title});
    if (m_answers.empty())
        return true;
    const bool yes = m_answers.front();
    m_answers.pop_front();
    return yes;
}

void FakeDialogs::setBusy(bool b)
{
    busy = b;
    ++busyChanges;
}

std::vector<std::string> FakeDialogs::texts() const
{
    std::vector<std::string> out;
    for (const Shown &s : shown)
        out.push_back(s.text);
    return out;
}

bool FakePrinter::installedPrinters(std::vector<std::string> &names)
{
    if (listFails)
        return false;
    names = printers;
    return true;
}

bool FakePrinter::setCurrentPrinter(const std::string &name)
{
    current = name;
    ops.push_back("printer " + name);
    return true;
}

void FakePrinter::setFont(const std::string &family, int pointSize)
{
    ops.push_back("font " + family + " " + std::to_string(pointSize));
}

void FakePrinter::setA4Portrait()
{
    ops.push_back("a4");
}

void FakePrinter::printLine(const std::string &text)
{
    ops.push_back("text " + text);
}

void FakePrinter::setLineWidth(int dots)
{
    ops.push_back("width " + std::to_string(dots));
}

void FakePrinter::drawLine(double x1, double y1, double x2, double y2)
{
    char buffer[160];
    std::snprintf(buffer, sizeof buffer, "line %.3f %.3f %.3f %.3f", x1, y1, x2, y2);
    ops.push_back(buffer);
}

void FakePrinter::newPage()
{
    ops.push_back("newpage");
}

bool FakePrinter::endDocument()
{
    ops.push_back("end");
    documents.push_back(documentName);
    documentName.clear();
    return !refuses;
}

Shell::OpenResult FakeShell::openDocument(const std::string &path)
{
    opened.push_back(path);
    if (!fileExists(path))
        return OpenResult::NotFound;
    return noViewer ? OpenResult::Failed : OpenResult::Opened;
}

std::string FakeShell::findProgram(const std::string &name)
{
    for (const std::string &p : programsOnPath)
        if (p == name)
            return "/usr/bin/" + name;
    return {};
}

bool FakeShell::startProgram(const std::string &path, const std::vector<std::string> &)
{
    started.push_back(path);
    return true;
}

double ScriptedRandom::next()
{
    ++calls;
    if (values.empty())
        return 0.0;
    const double v = values[position % values.size()];
    ++position;
    return v;
}

} // namespace pickwise
