#pragma once

#include "printing/document.h"

#include <memory>
#include <string>
#include <vector>

namespace pickwise {

// What the buttons of a print preview do (the program's own are in
// printing/output.h).
class PreviewActions
{
public:
    virtual ~PreviewActions() = default;
    // "Print": true when the document went to the printer; the preview then
    // closes. Otherwise the user has been told why and the preview stays.
    virtual bool print(const PrintDocument &doc) = 0;
    // "Save as PDF": asks for the file and writes it, or tells why not.
    virtual void savePdf(const PrintDocument &doc) = 0;
};

// The printer as the program uses it: pick one of the installed printers by
// device name, then print whole documents on it, show them as they will print,
// or write them as PDF. A printer that refuses a document is reported, never
// passed over.
class Printer
{
public:
    virtual ~Printer() = default;

    // false when the list of printers cannot be read.
    virtual bool installedPrinters(std::vector<std::string> &names) = 0;
    virtual bool setCurrentPrinter(const std::string &name) = 0;
    virtual std::string currentPrinter() const = 0;

    // Size in twips of the printable area of the page doc is printed on (0 x 0
    // when unknown).
    virtual double printableWidth(const PrintDocument &doc) const = 0;
    virtual double printableHeight(const PrintDocument &doc) const = 0;

    // Prints doc on the current printer as one job named doc.name: false when
    // the printer did not take it (it could not be started or reported an
    // error). A document without output prints nothing and is not a failure.
    virtual bool print(const PrintDocument &doc) = 0;

    // Writes doc as a PDF file at path, laid out as it prints on the current
    // printer: "" or what went wrong. A file already there is replaced only by
    // a whole new one.
    virtual std::string savePdf(const PrintDocument &doc, const std::string &path) = 0;

    // Shows doc page by page as it will print, with Print and Save as PDF
    // handled by actions, and the document's underlay drawn under each page.
    // Returns at once: the preview stays open beside the windows until the
    // user closes it, it has printed, or another preview takes its place.
    virtual void preview(const PrintDocument &doc, std::shared_ptr<PreviewActions> actions) = 0;
    // Shows doc in place of the document of the open preview that actions
    // handle; false when that preview is no longer open.
    virtual bool updatePreview(const PreviewActions &actions, const PrintDocument &doc) = 0;
    // Closes the preview that actions handle, when it is open.
    virtual void closePreview(const PreviewActions &actions) = 0;
};

} // namespace pickwise
