#include "core/printing.h"

#include "core/fileio.h"

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

std::string readSavedPrinter(const std::string &apppath)
{
    std::vector<uint8_t> bytes;
    if (!readFileBytes(joinPath(apppath, "print.dat"), bytes, true).empty())
        return {};
    return savedPrinterFromBytes(bytes);
}

std::string writeSavedPrinter(const std::string &apppath, const std::string &deviceName)
{
    const std::string path = joinPath(apppath, "print.dat");
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
    printer.endDocument();
}

} // namespace pickwise
