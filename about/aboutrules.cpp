#include "about/aboutrules.h"

namespace pickwise::about {

std::string versionText(int major, int minor, int revision)
{
    return "Version " + std::to_string(major) + "." + std::to_string(minor) + "."
        + std::to_string(revision);
}

void showHelp(Shell &shell, Dialogs &dialogs, const std::string &path)
{
    switch (shell.openDocument(path)) {
    case Shell::OpenResult::Opened:
        break;
    case Shell::OpenResult::NotFound:
        dialogs.message("Cannot find Help file in the installation directory");
        break;
    case Shell::OpenResult::Failed:
        dialogs.message("The help file could not be opened: no program to show it was found. "
                        "You can open it in a web browser: "
            + path);
        break;
    }
}

const std::vector<std::string> &systemInfoPrograms()
{
    static const std::vector<std::string> programs {"hardinfo2", "hardinfo", "kinfocenter",
        "gnome-system-monitor", "xfce4-taskmanager", "lshw-gtk"};
    return programs;
}

void StartSysInfo(Shell &shell, Dialogs &dialogs)
{
    for (const std::string &name : systemInfoPrograms()) {
        const std::string path = shell.findProgram(name);
        if (path.empty())
            continue;
        if (shell.startProgram(path, {}))
            return;
        break;
    }
    dialogs.message("System Information Is Unavailable At This Time");
}

} // namespace pickwise::about
