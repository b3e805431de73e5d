#pragma once

#include "platform/dialogs.h"
#include "platform/printer.h"
#include "printing/document.h"

#include <functional>
#include <memory>
#include <string>

namespace pickwise {

struct Context;

// Where a window's printouts go.
struct PrintOutput
{
    Printer &printer;
    Dialogs &dialogs;
    // Whether a printer was set up (Context::printerok); read when the
    // user prints, so a printer chosen while a preview is open counts.
    const bool &printerok;
    // Straight to the printer, without the preview.
    bool direct = false;
};

// A window's output: the ports, its printer state, and the user's choice of
// printing directly as saved in printdirect.dat.
PrintOutput printOutputOf(const Context &context);

// What the user is told when the printer did not take a document.
std::string printRefusedMessage(const std::string &printerName);

namespace printmsg {
constexpr const char *noPrinter
    = "There is no printer to print on, so nothing was printed. Install a printer and choose it "
      "under File > Select Printer, or save the printout as a PDF file from its preview.";
constexpr const char *savePdfTitle = "Save as PDF";
constexpr const char *pdfFilter = "PDF files (*.pdf)";
// What the user is told when a PDF could not be written; the port's reason
// names the file.
std::string pdfNotSaved(const std::string &reason);
// The file name offered for a document's PDF: its job name.
std::string pdfFileName(const PrintDocument &doc);
} // namespace printmsg

// A test a document must pass before it goes to the printer; it tells the user
// why not.
using PrintCheck = std::function<bool(const PrintDocument &)>;

// Print and Save as PDF as the program does them. Printing needs a printer set
// up and the document passing the check; a printer that does not take it is
// reported. Saving asks for the file first; a file that cannot be written is
// reported.
class DocumentActions : public PreviewActions
{
public:
    DocumentActions(const PrintOutput &out, PrintCheck check = {});

    bool print(const PrintDocument &doc) override;
    void savePdf(const PrintDocument &doc) override;

private:
    PrintOutput m_out;
    PrintCheck m_check;
};

struct OutputResult
{
    // false when printing directly failed; the user has been told.
    bool ok = true;
    // The actions of the preview opened, for updating it; none when printed
    // directly.
    std::shared_ptr<PreviewActions> preview;
};

// Hands a finished printout on: straight to the printer when the user prints
// directly, otherwise to its preview, from where it is printed or saved.
OutputResult output(const PrintDocument &doc, const PrintOutput &out, PrintCheck check = {});

} // namespace pickwise
