#pragma once

// What the entry tests share: draws with chosen balls, a seeded random source,
// and an installation folder with the doubles the windows talk to.

#include "core/sharedstate.h"
#include "platform/platform.h"
#include "platform/testing/fakelink.h"
#include "platform/testing/fakes.h"
#include "tests/support/testsupport.h"

#include <functional>
#include <random>

namespace pickwise::testing {

// Draws on makeHistory's dates (Wed/Sat from 4 January 2003) with these balls.
inline std::vector<BallRecord> drawsOf(const std::vector<Draw> &balls)
{
    std::vector<BallRecord> draws = makeHistory(static_cast<int>(balls.size()));
    for (size_t i = 0; i < balls.size(); ++i)
        draws[i].ball = balls[i];
    return draws;
}

// Repeatable, for runs whose exact entries do not matter.
class SeededRandom : public Random
{
public:
    double next() override { return m_uniform(m_engine); }

private:
    std::mt19937_64 m_engine {5122026};
    std::uniform_real_distribution<double> m_uniform {0.0, 1.0};
};

// The main window double, with a hook into the moment a line is listed.
class Link : public FakeMainWindowLink
{
public:
    void addentryline(const Entry &numbers) override
    {
        FakeMainWindowLink::addentryline(numbers);
        if (onLine)
            onLine();
    }
    std::function<void()> onLine;
};

struct Installation
{
    TempDir dir;
    SharedState state;
    FakeDialogs dialogs;
    FakePrinter printer;
    FakeShell shell;
    FixedClock clock;
    SeededRandom random;
    Platform platform {dialogs, printer, shell, clock, random, nullptr};
    Link main;

    Installation()
    {
        state.paths = DataPaths(dir.path(), dir.path());
        state.entryfile = dir.file("Lotto05DEC2026.lot");
        state.printerok = true;
    }
    void history(const std::vector<BallRecord> &draws)
    {
        writeHistory(state.paths.results(), draws);
    }
    // The entry file, listed in the main window as it would be.
    void entries(const std::vector<Entry> &entries)
    {
        writeEntries(state.entryfile, entries);
        main.entryCount = std::to_string(entries.size());
        for (const Entry &e : entries)
            main.entryLines.push_back(entryLineText(e));
    }
    std::vector<uint8_t> entryBytes() const { return readBytes(state.entryfile); }
};

} // namespace pickwise::testing
