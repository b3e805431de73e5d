#pragma once

#include "core/dates.h"
#include "platform/clock.h"
#include "printing/document.h"
#include "printing/output.h"

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

// printdirect.dat at path: "1" when printouts go straight to the printer;
// missing, empty or anything else shows each printout's preview first. A file
// of its own, so print.dat keeps its format. A missing file is not created.
bool readPrintDirectly(const std::string &path);
// "" or the write error.
std::string writePrintDirectly(const std::string &path, bool direct);

// Makes the saved printer current when it is installed, otherwise the last
// installed printer with a name; false when no printer could be set.
bool loadprinter(Printer &printer, const std::string &savedName);

// Courier 10 on A4 portrait, only when a printer was set up: the start of every
// printout.
void setupprinter(PrintDocument &doc, bool printerok);

// A print job's name: what it is and when it was printed, to the second, so
// that a printer queue shows what is printing and a PDF queue, which names its
// files after the job, keeps one file per job: "Pickwise <what> 2026-12-05
// 14-03-27" (no dots: a PDF queue takes what follows a dot for an extension
// and drops it).
std::string documentName(const std::string &what, const Date &today, double secondsOfDay);
// The same for a document printed now.
std::string documentName(const std::string &what, Clock &clock);

// The list printout: three empty lines, then every line indented by 16 blanks.
PrintDocument listDocument(const std::vector<std::string> &lines, bool printerok);

// Hands the list printout named name on (see output); an empty list only says
// so.
void printlist(
    const std::vector<std::string> &lines, const std::string &name, const PrintOutput &out);

} // namespace pickwise
