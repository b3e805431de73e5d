#include "core/printing.h"

#include "core/fileio.h"

#include <cstdio>

namespace pickwise {

namespace {

std::string trimBlanks(const std::string &text)
{
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return {};
    const auto last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

} // namespace

std::string savedPrinterFromBytes(const std::vector<uint8_t> &bytes)
{
    const size_t n = std::min<size_t>(bytes.size(), savedPrinterRecordSize);
    return trimBlanks(std::string(bytes.begin(), bytes.begin() + static_cast<long>(n)));
}

std::vector<uint8_t> savedPrinterBytes(std::vector<uint8_t> bytes, const std::string &deviceName)
{
    std::string padded = deviceName.substr(0, savedPrinterRecordSize);
    padded.resize(savedPrinterRecordSize, ' ');
    if (bytes.size() < savedPrinterRecordSize)
        bytes.resize(savedPrinterRecordSize, ' ');
    std::copy(padded.begin(), padded.end(), bytes.begin());
    return bytes;
}

std::string readSavedPrinter(const std::string &path)
{
    std::vector<uint8_t> bytes;
    if (!readFileBytes(path, bytes, true).empty())
        return {};
    return savedPrinterFromBytes(bytes);
}

std::string writeSavedPrinter(const std::string &path, const std::string &deviceName)
{
    std::vector<uint8_t> bytes;
    // Anything after the first record is kept as it was.
    readFileBytes(path, bytes, true);
    return writeFileAtomic(path, savedPrinterBytes(std::move(bytes), deviceName));
}

bool loadprinter(Printer &printer, const std::string &savedName)
{
    std::vector<std::string> names;
    if (!printer.installedPrinters(names))
        return false;
    bool found = false;
    bool set = false;
    for (const std::string &name : names) {
        if (name.empty())
            continue;
        if (!found) {
            if (printer.setCurrentPrinter(name))
                set = true;
        }
        if (name == savedName) {
            found = true;
            if (printer.setCurrentPrinter(name))
                set = true;
        }
    }
    return set;
}

void setupprinter(Printer &printer, bool printerok)
{
    if (!printerok)
        return;
    printer.setFont("Courier", 10);
    printer.setA4Portrait();
}

std::string documentName(const std::string &what, const Date &today, double secondsOfDay)
{
    const int seconds = secondsOfDay > 0 ? static_cast<int>(secondsOfDay) % 86400 : 0;
    char when[40];
    std::snprintf(when, sizeof when, "%04d-%02d-%02d %02d-%02d-%02d", today.year, today.month,
        today.day, seconds / 3600, seconds / 60 % 60, seconds % 60);
    return "Pickwise " + what + " " + when;
}

std::string documentName(const std::string &what, Clock &clock)
{
    return documentName(what, clock.today(), clock.timeOfDay());
}

std::string printRefusedMessage(const std::string &printerName)
{
    const std::string printer
        = printerName.empty() ? std::string("The printer") : "The printer " + printerName;
    return printer
        + " did not take the print job, so nothing was printed. Check that it is ready, or "
          "choose another printer under File > Select Printer.";
}

bool finishDocument(Printer &printer, Dialogs &dialogs)
{
    if (printer.endDocument())
        return true;
    dialogs.message(printRefusedMessage(printer.currentPrinter()));
    return false;
}

void printlist(
    const std::vector<std::string> &lines, Printer &printer, Dialogs &dialogs, bool printerok)
{
    if (lines.empty()) {
        dialogs.message("There is no list to print!");
        return;
    }
    dialogs.setBusy(true);
    setupprinter(printer, printerok);
    for (int i = 0; i < 3; ++i)
        printer.printLine("");
    for (const std::string &line : lines)
        printer.printLine(std::string(16, ' ') + line);
    dialogs.setBusy(false);
    finishDocument(printer, dialogs);
}

} // namespace pickwise
