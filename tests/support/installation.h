#pragma once

// The one set-up of the tests that open windows or run work over files: an
// installation of the program in a temporary folder, every port replaced by
// its double, and the main window's session with a record of what the main
// window would show.

#include "core/datapaths.h"
#include "mainwindow/session.h"
#include "platform/context.h"
#include "platform/testing/fakes.h"
#include "tests/support/testsupport.h"

#include <functional>
#include <random>
#include <string>
#include <vector>

namespace pickwise::testing {

// Repeatable random numbers, for runs whose exact values do not matter.
class SeededRandom : public Random
{
public:
    double next() override { return m_uniform(m_engine); }

private:
    std::mt19937_64 m_engine {5122026};
    std::uniform_real_distribution<double> m_uniform {0.0, 1.0};
};

// What the main window would show of the session, kept as plain values: the
// main window's stand-in when a window is tested on its own.
class ShownMainWindow : public SessionObserver
{
public:
    explicit ShownMainWindow(MainSession &session);
    ~ShownMainWindow() override;
    ShownMainWindow(const ShownMainWindow &) = delete;
    ShownMainWindow &operator=(const ShownMainWindow &) = delete;

    std::vector<std::string> entryLines; // List1
    std::string entryCount = "0"; // Text2
    std::vector<std::string> winningLines; // List2
    std::string winsText = "0"; // Text3
    int selectedLine = -1; // the line Edit Entry changed last
    int winningLinesCleared = 0;
    // Runs after each line listed one at a time.
    std::function<void()> onLine;

private:
    void listingReset() override;
    void entryAppended(const Entry &entry) override;
    void entryReplaced(int index) override;
    void entriesRemoved(const std::vector<bool> &removed) override;
    void winsCleared() override;
    void winsFound() override;

    MainSession &m_session;
};

// The program installed in a temporary folder: its program folder and its data
// folder apart (named with a "-" and "Stand", as a user's folder may be), the
// doubles of the ports, the session and the context the windows are handed.
// Today is Saturday 5 December 2015 unless a test names another day. That day
// lies in the 6 of 49 game's time; a test whose outcome depends on the game
// names its own date. The printer double has one printer, "Office", and
// printing is set up.
struct Installation
{
    explicit Installation(Date today = {2015, 12, 5});
    Installation(const Installation &) = delete;
    Installation &operator=(const Installation &) = delete;

    // A file in the data folder; a file in the program folder.
    std::string file(const std::string &name) const { return paths.chosen(name); }
    std::string programFile(const std::string &name) const;
    // Today's dated entry file.
    std::string todayFile() const { return paths.datedEntries(clock.date); }

    // The results history: these draws, or n draws every Wednesday and
    // Saturday from `first`.
    void history(const std::vector<BallRecord> &draws);
    void history(int n, Date first = historyStart);
    // Today's entry file with these entries, listed as the main window lists it.
    void entries(const std::vector<Entry> &entries);
    // The listed entry file's bytes.
    std::vector<uint8_t> entryBytes() const { return readBytes(session.entryfile()); }

    TempDir dir;
    FakeDialogs dialogs;
    FakePrinter printer;
    FakeShell shell;
    FixedClock clock;
    SeededRandom random;
    Platform platform {dialogs, printer, shell, clock, random, nullptr};
    DataPaths paths;
    MainSession session;
    Context context {platform, paths, session};
    ShownMainWindow main;
};

} // namespace pickwise::testing
