#include "tests/support/installation.h"

#include <filesystem>

namespace pickwise::testing {

namespace {

std::string made(const std::string &folder)
{
    std::filesystem::create_directory(folder);
    return folder;
}

} // namespace

ShownMainWindow::ShownMainWindow(MainSession &session) : m_session(session)
{
    m_session.addObserver(this);
}

ShownMainWindow::~ShownMainWindow()
{
    m_session.removeObserver(this);
}

void ShownMainWindow::listingReset()
{
    entryLines.clear();
    for (const Entry &e : m_session.entries())
        entryLines.push_back(entryLineText(e));
    entryCount = std::to_string(m_session.listedCount());
}

void ShownMainWindow::entryAppended(const Entry &entry)
{
    entryLines.push_back(entryLineText(entry));
    entryCount = std::to_string(m_session.listedCount());
    if (onLine)
        onLine();
}

void ShownMainWindow::entryReplaced(int index)
{
    // The main window puts an edited line back with a blank after every number.
    if (index < static_cast<int>(entryLines.size()))
        entryLines[static_cast<size_t>(index)]
            = winLineText(m_session.entries()[static_cast<size_t>(index)], "");
    selectedLine = index;
}

void ShownMainWindow::entriesRemoved(const std::vector<bool> &removed)
{
    std::vector<std::string> left;
    for (size_t i = 0; i < entryLines.size(); ++i)
        if (i >= removed.size() || !removed[i])
            left.push_back(entryLines[i]);
    entryLines = std::move(left);
    entryCount = std::to_string(m_session.listedCount());
}

void ShownMainWindow::winsCleared()
{
    winningLines.clear();
    winsText = m_session.winsText();
    ++winningLinesCleared;
}

void ShownMainWindow::winsFound()
{
    winningLines = m_session.winLines();
    winsText = m_session.winsText();
}

Installation::Installation(Date today)
    : clock(today), paths(made(dir.file("program")), made(dir.file("user-data.Standing"))),
      session(paths), main(session)
{
    printer.printers = {"Office"};
    context.printerok = true;
    // The dated entries of today are listed, as at the main window's start;
    // the empty file listing makes is dropped again.
    session.listDated(today);
    session.dropemptyfile();
}

std::string Installation::programFile(const std::string &name) const
{
    return paths.apppath() + "/" + name;
}

void Installation::history(const std::vector<BallRecord> &draws)
{
    writeHistory(paths.results(), draws);
}

void Installation::history(int n, Date first)
{
    history(makeHistory(n, first));
}

void Installation::entries(const std::vector<Entry> &entries)
{
    writeEntries(todayFile(), entries);
    session.listDated(clock.date);
}

} // namespace pickwise::testing
