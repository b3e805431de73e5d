#pragma once

#include "clock.h"
#include "dialogs.h"
#include "printer.h"
#include "shell.h"

namespace pickwise {

class HttpClient;

// The outside world as the windows see it. The app hands in the Qt
// implementations, tests hand in doubles.
struct Platform
{
    Dialogs &dialogs;
    Printer &printer;
    Shell &shell;
    Clock &clock;
    Random &random;
    HttpClient *http = nullptr;
};

} // namespace pickwise
