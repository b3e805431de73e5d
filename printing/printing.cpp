#include "printing/printing.h"

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

bool readPrintDirectly(const std::string &path)
{
    std::vector<uint8_t> bytes;
    if (!fileExists(path) || !readFileBytes(path, bytes, false).empty())
        return false;
    return !bytes.empty() && bytes[0] == '1';
}

std::string writePrintDirectly(const std::string &path, bool direct)
{
    return writeFileAtomic(path, {static_cast<uint8_t>(direct ? '1' : '0')});
}

void setupprinter(PrintDocument &doc, bool printerok)
{
    if (!printerok)
        return;
    doc.font("Courier", 10);
    doc.a4Portrait();
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

PrintDocument listDocument(const std::vector<std::string> &lines, bool printerok)
{
    PrintDocument doc;
    setupprinter(doc, printerok);
    for (int i = 0; i < 3; ++i)
        doc.text("");
    for (const std::string &line : lines)
        doc.text(std::string(16, ' ') + line);
    return doc;
}

void printlist(
    const std::vector<std::string> &lines, const std::string &name, const PrintOutput &out)
{
    if (lines.empty()) {
        out.dialogs.message("There is no list to print!");
        return;
    }
    PrintDocument doc = listDocument(lines, out.printerok);
    doc.name = name;
    output(doc, out);
}

} // namespace pickwise
