#pragma once

#include "core/datapaths.h"

#include <functional>
#include <string>
#include <vector>

namespace pickwise {

// How the program finds its folders at start-up, decided once.
//
// Portable: the program's read-only files (the wheels folder) lie beside the
// executable and the executable's folder can be written (the build folder, an
// unpacked folder). Both folders are the executable's, as they always were;
// nothing is copied or moved.
//
// Installed: otherwise. The read-only files are read where they are found:
// beside the executable, or in the installed shared folder (bin/../share/
// pickwise) when the executable has none beside it. The data folder is the
// user's own (~/.local/share/pickwise), made on first start and given the
// shipped results and prize files from the program folder where it has none.
// An installed layout is never portable, even when its bin/ can be written (a
// prefix in the user's home, or root): the user's data never goes into bin/.
enum class FolderMode { Portable, Installed };

// The file system as the decision sees it; tests replace a probe to fake a
// folder that cannot be made or written.
struct FolderProbes
{
    // The folder exists.
    std::function<bool(const std::string &folder)> isFolder;
    // Makes the folder and any missing parent; "" or why it could not be made.
    std::function<std::string(const std::string &folder)> makeFolder;
    // Creates a file in the folder and removes it again: "" when the folder
    // can be written, otherwise why not. Asking for permission is not enough:
    // root may write anywhere, and a read-only mount says no only to a write.
    std::function<std::string(const std::string &folder)> tryWrite;
    // Copies source to destination when there is no destination yet (copied
    // tells whether it did); "" or why the copy failed.
    std::function<std::string(
        const std::string &source, const std::string &destination, bool &copied)>
        copyIfMissing;
};

// The real file system.
FolderProbes fileSystemProbes();

struct FolderDecision
{
    FolderMode mode = FolderMode::Portable;
    DataPaths paths;
    // The data folder can be written. When it cannot, the program still runs:
    // it reads what the folder holds (nothing, when it could not be made),
    // a missing file reads as empty, and each change the user makes fails
    // with its own message, leaving every file as it was.
    bool writable = true;
    // What the user is told once at start, "" for nothing.
    std::string message;
    // The files copied into the data folder on this start.
    std::vector<std::string> seeded;
};

// executableFolder: the running executable's folder; installedShareFolder:
// where an installation under a prefix keeps the read-only files (the
// executable's ../share/pickwise); userDataFolder: the user's data folder for
// the program, "" when the system gives none (no home folder).
FolderDecision decideFolders(const std::string &executableFolder,
    const std::string &installedShareFolder, const std::string &userDataFolder,
    const FolderProbes &probes = fileSystemProbes());

} // namespace pickwise
