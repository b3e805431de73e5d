#pragma once

#include <string>
#include <vector>

namespace pickwise {

// The printer as the program uses it: pick one of the installed printers by
// device name, then print lines of text or draw lines in twips (1/1440 inch,
// from the top-left of the printable area). A document starts with the first
// output and goes to the printer at endDocument(). A printer that refuses the
// document is reported by endDocument(), never passed over.
class Printer
{
public:
    virtual ~Printer() = default;

    // false when the list of printers cannot be read.
    virtual bool installedPrinters(std::vector<std::string> &names) = 0;
    virtual bool setCurrentPrinter(const std::string &name) = 0;
    virtual std::string currentPrinter() const = 0;

    // The name the next document carries in the printer's queue (and in a PDF
    // queue's file name); set before its first output, used for that one
    // document.
    virtual void setDocumentName(const std::string &name) = 0;

    virtual void setFont(const std::string &family, int pointSize) = 0;
    virtual void setA4Portrait() = 0;

    virtual void printLine(const std::string &text) = 0;
    // Line thickness in printer dots.
    virtual void setLineWidth(int dots) = 0;
    virtual void drawLine(double x1, double y1, double x2, double y2) = 0;
    virtual void newPage() = 0;
    // Ends the document and hands it to the printer: false when the printer
    // did not take it (it could not be started or reported an error). A
    // document without output prints nothing and is not a failure.
    virtual bool endDocument() = 0;

    // Size of the printable area in twips (0 x 0 when unknown).
    virtual double printableWidth() const = 0;
    virtual double printableHeight() const = 0;
};

} // namespace pickwise
