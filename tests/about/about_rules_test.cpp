#include "about/aboutrules.h"

#include "core/datapaths.h"
#include "platform/testing/fakes.h"
#include "tests/support/testsupport.h"

#include <gtest/gtest.h>

using namespace pickwise;
using namespace pickwise::testing;

TEST(Help, OpensTheDocumentBesideTheProgramOrSaysItIsMissing)
{
    TempDir dir;
    const DataPaths paths(dir.path(), dir.path());
    FakeShell shell;
    FakeDialogs dialogs;
    about::showHelp(shell, dialogs, paths.helpFile());
    EXPECT_EQ(dialogs.texts(),
        std::vector<std::string> {"Cannot find Help file in the installation directory"});

    writeBytes(paths.helpFile(), {'<'});
    dialogs.clear();
    about::showHelp(shell, dialogs, paths.helpFile());
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(shell.opened.back(), paths.helpFile());

    // There, but nothing on the desktop can show it.
    shell.noViewer = true;
    about::showHelp(shell, dialogs, paths.helpFile());
    EXPECT_EQ(dialogs.texts(),
        std::vector<std::string> {"The help file could not be opened: no program to show it was "
                                  "found. You can open it in a web browser: "
            + paths.helpFile()});
}

TEST(SystemInfo, StartsTheFirstProgramFoundOrSaysItIsUnavailable)
{
    FakeShell shell;
    FakeDialogs dialogs;
    about::StartSysInfo(shell, dialogs);
    EXPECT_EQ(dialogs.texts(),
        std::vector<std::string> {"System Information Is Unavailable At This Time"});
    EXPECT_TRUE(shell.started.empty());

    dialogs.clear();
    shell.programsOnPath = {"lshw-gtk", "kinfocenter"};
    about::StartSysInfo(shell, dialogs);
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(shell.started, std::vector<std::string> {"/usr/bin/kinfocenter"});
}

TEST(About, VersionText)
{
    EXPECT_EQ(about::versionText(5, 2, 0), "Version 5.2.0");
}
