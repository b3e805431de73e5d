#include "wheels/cover.h"

#include "printing/printing.h"
#include "wheels/catalogue.h"

namespace pickwise::wheels {

namespace {

std::string trimmed(const std::string &text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

} // namespace

std::vector<std::string> coverLines(const CoverInput &input)
{
    std::string balls;
    for (const std::string &box : input.visibleBoxes)
        balls += trimmed(box) + " ";

    return {
        "",
        "",
        "Wheel for " + input.wheeltitle,
        std::string(44, '-'),
        guaranteeSentence(input.wheeltype),
        "",
        balls,
        std::string(60, '-'),
        "",
        "Number of Balls is " + trimmed(input.groupSize),
        "",
        "Number of game entries required for coverage is " + trimmed(input.entriesText),
        "",
        "File Maintenance Name: " + entryFileName(input.wheelgame, input.wheeltype),
    };
}

PrintDocument coverDocument(const CoverInput &input, const std::string &name, bool printerok)
{
    PrintDocument doc;
    doc.name = name;
    setupprinter(doc, printerok);
    for (const std::string &line : coverLines(input))
        doc.text(line);
    return doc;
}

void printCover(const CoverInput &input, const std::string &name, const PrintOutput &out)
{
    output(coverDocument(input, name, out.printerok), out);
}

} // namespace pickwise::wheels
