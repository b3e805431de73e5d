#include "printing/output.h"

#include "platform/context.h"
#include "printing/printing.h"

namespace pickwise {

PrintOutput printOutputOf(const Context &context)
{
    return {context.platform.printer, context.platform.dialogs, context.printerok,
        readPrintDirectly(context.paths.printDirectly())};
}

std::string printRefusedMessage(const std::string &printerName)
{
    const std::string printer
        = printerName.empty() ? std::string("The printer") : "The printer " + printerName;
    return printer
        + " did not take the print job, so nothing was printed. Check that it is ready, or "
          "choose another printer under File > Select Printer.";
}

namespace printmsg {

std::string pdfNotSaved(const std::string &reason)
{
    return "The PDF file was not saved: " + reason
        + ". Choose another folder or name and save it again.";
}

std::string pdfFileName(const PrintDocument &doc)
{
    return (doc.name.empty() ? std::string("Pickwise printout") : doc.name) + ".pdf";
}

} // namespace printmsg

DocumentActions::DocumentActions(const PrintOutput &out, PrintCheck check)
    : m_out(out), m_check(std::move(check))
{
}

bool DocumentActions::print(const PrintDocument &doc)
{
    if (!m_out.printerok) {
        m_out.dialogs.message(printmsg::noPrinter);
        return false;
    }
    if (m_check && !m_check(doc))
        return false;
    m_out.dialogs.setBusy(true);
    const bool taken = m_out.printer.print(doc);
    m_out.dialogs.setBusy(false);
    if (!taken)
        m_out.dialogs.message(printRefusedMessage(m_out.printer.currentPrinter()));
    return taken;
}

void DocumentActions::savePdf(const PrintDocument &doc)
{
    const std::string path = m_out.dialogs.chooseFileToSave(
        printmsg::savePdfTitle, printmsg::pdfFileName(doc), printmsg::pdfFilter);
    if (path.empty())
        return;
    const std::string error = m_out.printer.savePdf(doc, path);
    if (!error.empty())
        m_out.dialogs.message(printmsg::pdfNotSaved(error));
}

OutputResult output(const PrintDocument &doc, const PrintOutput &out, PrintCheck check)
{
    auto actions = std::make_shared<DocumentActions>(out, std::move(check));
    OutputResult result;
    if (out.direct) {
        result.ok = actions->print(doc);
        return result;
    }
    out.printer.preview(doc, actions);
    result.preview = std::move(actions);
    return result;
}

} // namespace pickwise
