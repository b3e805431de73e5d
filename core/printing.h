#pragma once

#include "platform/dialogs.h"
#include "platform/printer.h"

#include <cstdint>
#include <string>
#include <vector>

namespace pickwise {

// print.dat: one 255-byte record, the device name padded with blanks.
constexpr int savedPrinterRecordSize = 255;

// The saved name without surrounding blanks; the file is created empty when
// missing, and an empty file gives "".
std::string readSavedPrinter(const std::string &apppath);
std::string savedPrinterFromBytes(const std::vector<uint8_t> &bytes);
// The file's new content: the name padded to 255 in place of the first record.
std::vector<uint8_t> savedPrinterBytes(std::vector<uint8_t> old, const std::string &deviceName);
std::string writeSavedPrinter(const std::string &apppath, const std::string &deviceName);

// Makes the saved printer current when it is installed, otherwise the last
// installed printer with a name; false when no printer could be set.
bool loadprinter(Printer &printer, const std::string &savedName);

// Courier 10 on A4 portrait, only when a printer was set up.
void setupprinter(Printer &printer, bool printerok);

// The list printout: three empty lines, then every line indented by 16 blanks.
void printlist(
    const std::vector<std::string> &lines, Printer &printer, Dialogs &dialogs, bool printerok);

} // namespace pickwise
