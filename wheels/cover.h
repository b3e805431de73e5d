#pragma once

#include "printing/document.h"
#include "printing/output.h"

#include <string>
#include <vector>

namespace pickwise::wheels {

struct CoverInput
{
    std::string wheeltitle;
    std::string wheelgame;
    int wheeltype = 0; // the selected option, 1..10
    std::vector<std::string> visibleBoxes; // texts of the shown ball boxes, in box order
    std::string groupSize; // the selected Combo1 item
    std::string entriesText; // Text25
};

// The cover page, one printed line per element, as typed: nothing is checked.
std::vector<std::string> coverLines(const CoverInput &input);

// The cover printout named name: setupprinter, then the lines.
PrintDocument coverDocument(const CoverInput &input, const std::string &name, bool printerok);

// Hands the cover printout on (output).
void printCover(const CoverInput &input, const std::string &name, const PrintOutput &out);

} // namespace pickwise::wheels
