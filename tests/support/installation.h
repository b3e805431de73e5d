#pragma once

#include "core/sharedstate.h"
#include "platform/platform.h"
#include "platform/testing/fakelink.h"
#include "platform/testing/fakes.h"
#include "tests/support/testsupport.h"

namespace pickwise::testing {

// A temporary installation folder with the shared values pointing at it and
// every port replaced by its double: what a window needs to be opened in a test.
struct Installation
{
    TempDir dir;
    SharedState state;
    FakeDialogs dialogs;
    FakePrinter printer;
    FakeShell shell;
    FixedClock clock {Date {2026, 12, 5}};
    ScriptedRandom random;
    Platform platform {dialogs, printer, shell, clock, random, nullptr};
    FakeMainWindowLink main;

    Installation() { state.paths = DataPaths(dir.path(), dir.path()); }
    std::string file(const std::string &name) const { return dir.file(name); }
};

} // namespace pickwise::testing
