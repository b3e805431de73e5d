#pragma once

#include "core/dates.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/printer.h"

#include <cstdint>
#include <string>
#include <vector>

namespace pickwise {

// print.dat: one 255-byte record, the device name padded with blanks.
constexpr int savedPrinterRecordSize = 255;

// The saved name in print.dat at path, without surrounding blanks; the file is
// created empty when missing, and an empty file gives "".
std::string readSavedPrinter(const std::string &path);
std::string savedPrinterFromBytes(const std::vector<uint8_t> &bytes);
// The file's new content: the name padded to 255 in place of the first record.
std::vector<uint8_t> savedPrinterBytes(std::vector<uint8_t> old, const std::string &deviceName);
std::string writeSavedPrinter(const std::string &path, const std::string &deviceName);

// Makes the saved printer current when it is installed, otherwise the last
// installed printer with a name; false when no printer could be set.
bool loadprinter(Printer &printer, const std::string &savedName);

// Courier 10 on A4 portrait, only when a printer was set up.
void setupprinter(Printer &printer, bool printerok);

// A print job's name: what it is and when it was printed, to the second, so
// that a printer queue shows what is printing and a PDF queue, which names its
// files after the job, keeps one file per job: "Pickwise <what> 2026-12-05
// 14-03-27" (no dots: a PDF queue takes what follows a dot for an extension
// and drops it).
std::string documentName(const std::string &what, const Date &today, double secondsOfDay);
// The same for a document printed now.
std::string documentName(const std::string &what, Clock &clock);

// What the user is told when the printer did not take a document.
std::string printRefusedMessage(const std::string &printerName);

// Ends the document; when the printer did not take it, says so and returns
// false.
bool finishDocument(Printer &printer, Dialogs &dialogs);

// The list printout: three empty lines, then every line indented by 16 blanks.
void printlist(
    const std::vector<std::string> &lines, Printer &printer, Dialogs &dialogs, bool printerok);

} // namespace pickwise
