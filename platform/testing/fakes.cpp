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

std::string FakeDialogs::chooseFileToSave(
    const std::string &, const std::string &suggestedName, const std::string &)
{
    fileQuestions.push_back(suggestedName);
    if (m_files.empty())
        return {};
    const std::string path = m_files.front();
    m_files.pop_front();
    return path;
}

std::string FakeDialogs::chooseFileToOpen(const std::string &title, const std::string &)
{
    openQuestions.push_back(title);
    if (m_opened.empty())
        return {};
    const std::string path = m_opened.front();
    m_opened.pop_front();
    return path;
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

namespace {

std::string opText(const PrintOp &op)
{
    switch (op.kind) {
    case PrintOp::Font:
        return "font " + op.text + " " + std::to_string(op.size);
    case PrintOp::A4Portrait:
        return "a4";
    case PrintOp::Text:
        return "text " + op.text;
    case PrintOp::Width:
        return "width " + std::to_string(op.size);
    case PrintOp::Line: {
        char buffer[160];
        std::snprintf(
            buffer, sizeof buffer, "line %.3f %.3f %.3f %.3f", op.x1, op.y1, op.x2, op.y2);
        return buffer;
    }
    case PrintOp::NewPage:
        break;
    }
    return "newpage";
}

} // namespace

bool FakePrinter::print(const PrintDocument &doc)
{
    for (const PrintOp &op : doc.ops)
        ops.push_back(opText(op));
    ops.push_back("end");
    documents.push_back(doc.name);
    return !refuses;
}

std::string FakePrinter::savePdf(const PrintDocument &, const std::string &path)
{
    if (!pdfError.empty())
        return pdfError;
    pdfs.push_back(path);
    return {};
}

void FakePrinter::preview(const PrintDocument &doc, std::shared_ptr<PreviewActions> actions)
{
    previews.push_back(doc);
    m_openPreview = actions;
    switch (previewChoice) {
    case PreviewChoice::Print:
        if (actions->print(doc))
            m_openPreview.reset();
        break;
    case PreviewChoice::SavePdf:
        actions->savePdf(doc);
        break;
    case PreviewChoice::Look:
        break;
    }
}

bool FakePrinter::updatePreview(const PreviewActions &actions, const PrintDocument &doc)
{
    if (m_openPreview.get() != &actions)
        return false;
    previews.push_back(doc);
    return true;
}

void FakePrinter::closePreview(const PreviewActions &actions)
{
    if (m_openPreview.get() == &actions)
        m_openPreview.reset();
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
