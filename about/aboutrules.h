#pragma once

#include "platform/dialogs.h"
#include "platform/shell.h"

#include <string>
#include <vector>

namespace pickwise::about {

// "Version 1.0.0"
std::string versionText(int major, int minor, int revision);

// Opens the help document at path with the desktop's viewer; a missing document
// and a desktop that cannot show it get a message each.
void showHelp(Shell &shell, Dialogs &dialogs, const std::string &path);

// System-information programs tried in this order on the PATH.
const std::vector<std::string> &systemInfoPrograms();

// Starts the first of them found; otherwise says it is unavailable.
void StartSysInfo(Shell &shell, Dialogs &dialogs);

} // namespace pickwise::about
