#pragma once

#include "platform/dialogs.h"
#include "platform/printer.h"

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

// setupprinter, the lines, end of document; a printer that does not take it
// is reported.
void printCover(const CoverInput &input, Printer &printer, Dialogs &dialogs, bool printerok);

} // namespace pickwise::wheels
