#pragma once

#include <string>
#include <vector>

namespace pickwise {

// One step of a printout, in the order the printer takes them. Lines are in
// twips (1/1440 inch) from the top-left of the printable area; text lines run
// down the page from its top, one under the other, and a line that no longer
// fits starts a new page.
struct PrintOp
{
    enum Kind {
        Font, // the font of the text lines that follow
        A4Portrait, // the paper; counts only before the first output
        Text,
        Width, // the pen of the lines that follow, in printer dots
        Line,
        NewPage,
    };

    Kind kind = Text;
    std::string text; // Font: the family; Text: the line
    int size = 0; // Font: the point size; Width: the dots
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0; // Line

    bool operator==(const PrintOp &o) const
    {
        return kind == o.kind && text == o.text && size == o.size && x1 == o.x1 && y1 == o.y1
            && x2 == o.x2 && y2 == o.y2;
    }
};

// What the preview draws under every page and the printer never gets: the
// boxes of a play slip, so that the user sees where the marks will land.
// Twips, as the lines.
struct PreviewShape
{
    enum Kind {
        Box, // a number box, its label in the middle
        Board, // the frame of a board, its letter at the left
    };

    Kind kind = Box;
    double x = 0, y = 0, width = 0, height = 0;
    std::string label;
};

// A whole printout as data: built by plain functions, printed, previewed or
// saved as PDF by one renderer, so what is previewed is what prints.
struct PrintDocument
{
    // The job's name in the printer's queue (and the title of its PDF).
    std::string name;
    std::vector<PrintOp> ops;
    std::vector<PreviewShape> underlay;

    void font(const std::string &family, int pointSize);
    void a4Portrait();
    void text(const std::string &line);
    void width(int dots);
    void line(double x1, double y1, double x2, double y2);
    void newPage();
    // The other document's steps after these.
    void append(const PrintDocument &other);

    // Whether anything is printed at all: a document without text, lines or
    // pages prints nothing.
    bool hasOutput() const;
    // Whether A4 portrait paper is asked for before the first output; asked
    // later it is too late, as it always was for the printer.
    bool asksA4Portrait() const;
};

} // namespace pickwise
