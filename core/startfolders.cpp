#include "core/startfolders.h"

#include "core/fileio.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace pickwise {

namespace {

// The program's read-only files are there: the wheel definitions' folder.
bool holdsProgramFiles(const FolderProbes &probes, const std::string &folder)
{
    return probes.isFolder(joinPath(folder, "wheels"));
}

std::string cannotMake(const std::string &folder, const std::string &why)
{
    return "Pickwise cannot make its data folder \"" + folder
        + "\", where it keeps your draws "
          "and entries: "
        + why
        + ".\n\nIt runs read-only: it starts without draws or entries, and nothing you change "
          "can be saved until the folder can be made.";
}

std::string cannotWrite(const std::string &folder, const std::string &why)
{
    return "Pickwise cannot write to its data folder \"" + folder + "\": " + why
        + ".\n\nIt runs read-only: it shows what the folder holds, and nothing you change can "
          "be saved until the folder can be written.";
}

} // namespace

FolderProbes fileSystemProbes()
{
    FolderProbes probes;
    probes.isFolder = [](const std::string &folder) {
        std::error_code ec;
        return std::filesystem::is_directory(folder, ec);
    };
    probes.makeFolder = [](const std::string &folder) -> std::string {
        std::error_code ec;
        std::filesystem::create_directories(folder, ec);
        if (ec)
            return ec.message();
        if (!std::filesystem::is_directory(folder, ec))
            return "it is not a folder";
        return {};
    };
    probes.tryWrite = [](const std::string &folder) -> std::string {
        std::string name = joinPath(folder, ".pickwise-probe-XXXXXX");
        const int fd = ::mkstemp(name.data());
        if (fd < 0)
            return std::strerror(errno);
        ::close(fd);
        ::unlink(name.c_str());
        return {};
    };
    probes.copyIfMissing = [](const std::string &source, const std::string &destination,
                               bool &copied) { return copyIfMissing(source, destination, copied); };
    return probes;
}

FolderDecision decideFolders(const std::string &executableFolder,
    const std::string &installedShareFolder, const std::string &userDataFolder,
    const FolderProbes &probes)
{
    FolderDecision decision;
    const std::string exe = apppathFrom(executableFolder);
    const bool installedLayout = !holdsProgramFiles(probes, exe)
        && holdsProgramFiles(probes, apppathFrom(installedShareFolder));
    const std::string program = installedLayout ? apppathFrom(installedShareFolder) : exe;

    if (!installedLayout && probes.tryWrite(exe).empty()) {
        decision.mode = FolderMode::Portable;
        decision.paths = DataPaths(exe, exe);
        return decision;
    }

    decision.mode = FolderMode::Installed;
    const std::string data = apppathFrom(userDataFolder);
    if (data.empty()) {
        // Only without a home folder. The program's own folder is shown
        // instead, to be read: the shipped draws at least.
        decision.paths = DataPaths(program, program);
        decision.writable = false;
        decision.message = cannotMake("~/.local/share/pickwise", "no home folder is set");
        return decision;
    }
    decision.paths = DataPaths(program, data);

    std::string why = probes.makeFolder(data);
    if (!why.empty()) {
        decision.writable = false;
        decision.message = cannotMake(data, why);
        return decision;
    }
    why = probes.tryWrite(data);
    if (why.empty()) {
        for (const char *name : {resultsFileName, prizesFileName}) {
            const std::string source = joinPath(program, name);
            if (!fileExists(source))
                continue;
            const std::string destination = joinPath(data, name);
            bool copied = false;
            why = probes.copyIfMissing(source, destination, copied);
            if (!why.empty())
                break;
            if (copied)
                decision.seeded.push_back(destination);
        }
    }
    if (!why.empty()) {
        decision.writable = false;
        decision.message = cannotWrite(data, why);
    }
    return decision;
}

} // namespace pickwise
