#include "core/fileio.h"
#include "core/startfolders.h"
#include "mainwindow/session.h"

#include "tests/support/testsupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>

using namespace pickwise;
using namespace pickwise::testing;

namespace {

namespace fs = std::filesystem;

const std::string wheel = "6-6-5-9.whl";

// Every file under folder with its bytes.
std::map<std::string, std::vector<uint8_t>> contents(const std::string &folder)
{
    std::map<std::string, std::vector<uint8_t>> files;
    for (const auto &entry : fs::recursive_directory_iterator(folder))
        if (entry.is_regular_file())
            files[entry.path().string()] = readBytes(entry.path().string());
    return files;
}

void put(const std::string &path, const std::string &text)
{
    fs::create_directories(fs::path(path).parent_path());
    writeBytes(path, std::vector<uint8_t>(text.begin(), text.end()));
}

// A build folder as the build lays it out, and the same program installed
// under a prefix; the user's data folder in a home folder beside them.
struct Tree
{
    Tree()
    {
        for (const std::string &folder : {build, share}) {
            put(folder + "/wheels/" + wheel, "wheel");
            put(folder + "/PICKWISE.html", "help");
        }
        put(build + "/pickwise", "program");
        put(build + "/sa.rtl", "the portable folder's own draws");
        put(build + "/prizes.csv", "the portable folder's own prizes");
        put(bin + "/pickwise", "program");
        put(share + "/sa.rtl", "shipped draws");
        put(share + "/prizes.csv", "shipped prizes");
    }

    // The real file system, with these folders faked read-only (the tests may
    // run as root, whom permissions do not stop).
    FolderProbes probes(std::set<std::string> readOnly = {}) const
    {
        FolderProbes p = fileSystemProbes();
        const auto real = p.tryWrite;
        p.tryWrite = [real, readOnly](const std::string &folder) {
            return readOnly.count(folder) ? std::string("Read-only file system") : real(folder);
        };
        return p;
    }

    TempDir dir;
    std::string build = dir.path() + "/build/pickwise";
    std::string bin = dir.path() + "/prefix/bin";
    std::string share = dir.path() + "/prefix/share/pickwise";
    std::string userData = dir.path() + "/home-Stand/.local/share/pickwise";
};

bool programFilesFound(const DataPaths &paths)
{
    return fileExists(paths.wheelDefinition(wheel)) && fileExists(paths.helpFile());
}

TEST(StartFolders, ModeFollowsWhereTheProgramFilesAreAndWhetherItsFolderCanBeWritten)
{
    enum Exe { Build, Bin };
    struct Case
    {
        const char *name;
        Exe exe;
        bool exeReadOnly;
        FolderMode mode;
    };
    const Case cases[] = {
        {"build folder", Build, false, FolderMode::Portable},
        {"unpacked folder that cannot be written", Build, true, FolderMode::Installed},
        {"installed, read-only prefix", Bin, true, FolderMode::Installed},
        // A prefix the user may write (in their home, or run as root) is
        // still an installation: nothing goes into bin/.
        {"installed, writable prefix", Bin, false, FolderMode::Installed},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        Tree tree;
        const std::string exe = c.exe == Build ? tree.build : tree.bin;
        const std::string program = c.exe == Build ? tree.build : tree.share;
        const auto programBefore
            = contents(tree.dir.path() + (c.exe == Build ? "/build" : "/prefix"));

        const FolderDecision d = decideFolders(exe, tree.share, tree.userData,
            tree.probes(c.exeReadOnly ? std::set<std::string> {exe} : std::set<std::string> {}));

        EXPECT_EQ(d.mode, c.mode);
        EXPECT_TRUE(d.writable);
        EXPECT_EQ(d.message, "");
        EXPECT_EQ(d.paths.apppath(), program);
        EXPECT_TRUE(programFilesFound(d.paths));
        // The executable's and the program's folders are left as they were.
        EXPECT_EQ(
            contents(tree.dir.path() + (c.exe == Build ? "/build" : "/prefix")), programBefore);
        if (c.mode == FolderMode::Portable) {
            EXPECT_EQ(d.paths.dataFolder(), exe);
            EXPECT_FALSE(exists(tree.userData));
            EXPECT_TRUE(d.seeded.empty());
        } else {
            EXPECT_EQ(d.paths.dataFolder(), tree.userData);
            EXPECT_EQ(readBytes(d.paths.results()), readBytes(program + "/sa.rtl"));
            EXPECT_EQ(readBytes(d.paths.prizes()), readBytes(program + "/prizes.csv"));
            EXPECT_EQ(d.seeded.size(), 2u);
        }
    }
}

TEST(StartFolders, PortableFolderIsKeptWhenTheUserAlsoHasAnInstalledDataFolder)
{
    Tree tree;
    put(tree.userData + "/sa.rtl", "installed draws");
    const auto before = contents(tree.dir.path());

    const FolderDecision d = decideFolders(tree.build, tree.share, tree.userData, tree.probes());

    EXPECT_EQ(d.mode, FolderMode::Portable);
    EXPECT_EQ(d.paths.dataFolder(), tree.build);
    EXPECT_EQ(contents(tree.dir.path()), before);
}

TEST(StartFolders, SeedingLaysOnlyTheMissingFilesAndNeverReplacesTheUsers)
{
    Tree tree;
    put(tree.userData + "/sa.rtl", "my own draws");

    const FolderDecision first = decideFolders(tree.bin, tree.share, tree.userData, tree.probes());
    EXPECT_EQ(first.seeded, std::vector<std::string> {tree.userData + "/prizes.csv"});
    EXPECT_EQ(slurp(tree.userData + "/sa.rtl"), "my own draws");
    EXPECT_EQ(slurp(tree.userData + "/prizes.csv"), "shipped prizes");

    put(tree.userData + "/prizes.csv", "my own prizes");
    const FolderDecision again = decideFolders(tree.bin, tree.share, tree.userData, tree.probes());
    EXPECT_TRUE(again.seeded.empty());
    EXPECT_EQ(slurp(tree.userData + "/sa.rtl"), "my own draws");
    EXPECT_EQ(slurp(tree.userData + "/prizes.csv"), "my own prizes");
}

TEST(StartFolders, DataFolderThatCannotBeMadeOrWrittenIsToldOnceAndRunsReadOnly)
{
    enum Fault { CannotMake, CannotWrite, CopyFails };
    struct Case
    {
        const char *name;
        Fault fault;
        const char *why;
    };
    const Case cases[] = {
        {"cannot be made", CannotMake, "Permission denied"},
        {"cannot be written", CannotWrite, "Read-only file system"},
        {"full disk while seeding", CopyFails, "No space left on device"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        Tree tree;
        FolderProbes probes = tree.probes({tree.bin});
        int copies = 0;
        const auto realMake = probes.makeFolder;
        const auto realTry = probes.tryWrite;
        probes.makeFolder = [&](const std::string &f) {
            return c.fault == CannotMake ? std::string(c.why) : realMake(f);
        };
        probes.tryWrite = [&](const std::string &f) {
            return c.fault == CannotWrite && f == tree.userData ? std::string(c.why) : realTry(f);
        };
        probes.copyIfMissing = [&](const std::string &, const std::string &, bool &copied) {
            ++copies;
            copied = false;
            return std::string(c.why);
        };
        const auto shareBefore = contents(tree.share);

        const FolderDecision d = decideFolders(tree.bin, tree.share, tree.userData, probes);

        EXPECT_EQ(d.mode, FolderMode::Installed);
        EXPECT_FALSE(d.writable);
        EXPECT_NE(d.message.find("\"" + tree.userData + "\""), std::string::npos) << d.message;
        EXPECT_NE(d.message.find(c.why), std::string::npos) << d.message;
        EXPECT_NE(d.message.find("read-only"), std::string::npos) << d.message;
        // The user's folder stays the data folder: nothing is written anywhere else.
        EXPECT_EQ(d.paths.dataFolder(), tree.userData);
        EXPECT_TRUE(programFilesFound(d.paths));
        EXPECT_EQ(contents(tree.share), shareBefore);
        EXPECT_EQ(copies, c.fault == CopyFails ? 1 : 0);
    }
}

TEST(StartFolders, WithoutAHomeFolderTheProgramFolderIsOnlyRead)
{
    Tree tree;
    const FolderDecision d = decideFolders(tree.bin, tree.share, "", tree.probes({tree.bin}));
    EXPECT_FALSE(d.writable);
    EXPECT_NE(d.message.find("no home folder"), std::string::npos) << d.message;
    EXPECT_EQ(d.paths.dataFolder(), tree.share);
    EXPECT_EQ(slurp(d.paths.results()), "shipped draws");
}

TEST(StartFolders, FileSystemProbesWriteNothingThatStays)
{
    TempDir dir;
    const FolderProbes probes = fileSystemProbes();
    EXPECT_EQ(probes.tryWrite(dir.path()), "");
    EXPECT_TRUE(fs::is_empty(dir.path()));
    EXPECT_NE(probes.tryWrite(dir.file("missing")), "");

    const std::string nested = dir.file("a-b/c/pickwise");
    EXPECT_EQ(probes.makeFolder(nested), "");
    EXPECT_TRUE(probes.isFolder(nested));
    EXPECT_EQ(probes.makeFolder(nested), ""); // already there
    put(dir.file("file"), "x");
    EXPECT_NE(probes.makeFolder(dir.file("file")), "");
}

// A data folder that could not be made: the main window's start-up reads
// today's entries and the draw from it without a word, and makes nothing.
TEST(StartFolders, ReadOnlyStartReadsMissingFilesAsEmptyWithoutAMessage)
{
    TempDir dir;
    const DataPaths paths(dir.path(), dir.file("missing/pickwise"));
    MainSession session(paths);

    EXPECT_EQ(session.listDated({2026, 12, 5}), "");
    EXPECT_EQ(session.listedCount(), 0);
    const MainSession::DrawLookup lookup
        = session.lookUpDraw({2026, 12, 5}, {2000, 1, 1}, {2099, 12, 31});
    EXPECT_EQ(lookup.error, "");
    EXPECT_FALSE(session.drawShown());
    EXPECT_TRUE(fs::is_empty(dir.path()));
}

} // namespace
