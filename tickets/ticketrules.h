#pragma once

#include "core/datapaths.h"
#include "core/game.h"
#include "core/lines.h"
#include "platform/dialogs.h"
#include "platform/printer.h"
#include "printing/document.h"
#include "printing/output.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace pickwise::tickets {

// Play-slip geometry in twips from the top-left of the printable page. Column 0
// (numbers 1-5) lies furthest right; boards A..H run down the slip.
constexpr double xbase = 450;
constexpr double ybase = 715;
constexpr double columnStep = 360;
constexpr double rowStep = 208.352;
constexpr double boardStep = 1083;
constexpr double dashLength = 150;
constexpr int boardsPerTicket = 8;

// "Values 10 = 1 mm movement": one unit moves the pattern 5.6 twips. The
// full-grid alignment print moves ten times as far per unit.
constexpr double calibrationUnit = 5.6;
constexpr double alignmentUnit = 56;

double getxoffset(int ballno);
double getyoffset(int ballno, int cardno);

// nprnt.dat, record 1: four signed 16-bit values, little-endian.
struct CalibRecord
{
    static constexpr int size = 8;

    int16_t lrvalue = 0;
    int16_t udvalue = 0;
    int16_t moveright = 0; // -1 "Right", 0 "Left"
    int16_t moveup = 0; // -1 "Up", 0 "Down"

    std::array<uint8_t, size> pack() const;
    // Bytes missing at the end of a short file read as zero.
    static CalibRecord unpack(const std::vector<uint8_t> &bytes);

    bool operator==(const CalibRecord &o) const
    {
        return lrvalue == o.lrvalue && udvalue == o.udvalue && moveright == o.moveright
            && moveup == o.moveup;
    }
};

// nlnwdth.dat, record 1: one signed 16-bit width code (1 Thin, 2 Recommended,
// 3 Thick; an empty file reads 0).
constexpr int widthRecordSize = 2;
int16_t unpackWidthCode(const std::vector<uint8_t> &bytes);

enum class LineWidth { Thin = 1, Recommended = 2, Thick = 3 };

// 0 and anything outside 1..3 mean Recommended.
LineWidth lineWidthFromCode(int16_t code);
// Pen thickness in printer dots: 15, 25, 35.
int lineWidthDots(LineWidth width);

// The direction an option pair shows for a stored flag: 0 the second option
// ("Left"/"Down"), -1 the first ("Right"/"Up"); other values leave it alone.
std::optional<bool> directionFromFlag(int16_t flag);

struct SavedSettings
{
    CalibRecord calib;
    int16_t widthcode = 0;
};

// Reads both files (nprnt.dat and nlnwdth.dat in the data folder), creating each
// empty when it is missing. "" or an error text.
std::string loadSettings(const DataPaths &paths, SavedSettings &out);

// The settings as the window displays them.
struct DisplayedSettings
{
    std::string lrText;
    std::string udText;
    bool right = false;
    bool up = false;
    LineWidth width = LineWidth::Recommended;
};

enum class SaveOutcome { Saved, OutOfRange, WriteFailed };

// Writes record 1 of both files, each replaced atomically. Out-of-range amounts
// write nothing; when the second file cannot be written the first is put back,
// so a failure never leaves half the settings saved. error gets the write error.
SaveOutcome saveSettings(
    const DataPaths &paths, const DisplayedSettings &shown, std::string &error);

// Pattern shift in twips, kept in single precision as the calibration always was.
struct Correction
{
    float xcorr = 0;
    float ycorr = 0;
};
Correction correctionFor(double lrAmount, bool right, double udAmount, bool up, double unit);

struct Mark
{
    double x = 0;
    double y = 0;
};
// Where the dash of number n on board k (1 = A .. 8 = H) starts.
Mark markPosition(int ballno, int cardno, const Correction &corr);
// The same rounded to whole twips, halves to even.
Mark wholeTwips(const Mark &mark);

// The slip printouts' marks, as documents: each mark a dash of dashLength
// from its markPosition to the right, after the pen of the chosen width.
// Numbers 1, 13, 12, 48 on board A, then 6, 18, 30, 42 on board D.
PrintDocument testPrintPlan(const Correction &corr, int widthDots);
// Every number on board A, then every number on board H.
PrintDocument alignmentPlan(const Correction &corr, int widthDots);
// One board per entry, A..H, a new slip for every further eight; whole twips.
PrintDocument ticketPlan(const std::vector<Entry> &entries, const Correction &corr, int widthDots);

// The slip as the program places its marks: the eight boards with their 49
// number boxes, each box round the dash of its number without correction.
// The preview draws it under the marks.
std::vector<PreviewShape> slipPicture();

// A slip printout ready to hand on: the page set-up (setupprinter), then the
// marks of plan, with the slip picture under them in the preview.
PrintDocument slipDocument(const PrintDocument &plan, const std::string &name, bool printerok);

// Whether every line lies whole on a printable page of width x height twips.
// An unknown page size (0 x 0) cannot be checked and passes.
bool fitsOnPage(const PrintDocument &doc, double width, double height);

// The check every slip passes before it prints, so a slip is never half
// printed: when a mark would leave the printer's page the user is told and
// false returned.
bool slipFits(const PrintDocument &doc, Printer &printer, Dialogs &dialogs);

// Hands a slip printout on (output) when it fits the page; one that does not
// is neither printed nor previewed, and the user is told.
OutputResult printPlan(const PrintDocument &doc, const PrintOutput &out);

// Why the entries of a game cannot go on the play slip, "" when they can. The
// slip the program knows is the 6 of 49 game's: a game without it is refused
// whole, and so is an entry with a number that has no box on it (a damaged
// file), rather than a wrong box marked.
std::string slipRefusal(const std::vector<Entry> &entries, const GameMatrix &game);

// "Print Tickets"' document, named name: the saved amounts and line width
// applied to the entries of entryfile, entries of game; a slipRefusal is
// returned as the error. The directions are those the window shows
// when given (after opening or "Get Settings" they are the saved ones), else the saved ones. "" or
// the read error.
std::string ticketDocument(const DataPaths &paths, const std::string &entryfile,
    const std::string &name, bool printerok, std::optional<bool> shownRight,
    std::optional<bool> shownUp, PrintDocument &doc, const GameMatrix &game);

// "Print Tickets": ticketDocument named name, handed on by printPlan (entries
// of the 6 of 49 game unless told). Reports a read failure or a refusal and
// prints nothing then.
OutputResult printTickets(const DataPaths &paths, const std::string &entryfile,
    const std::string &name, const PrintOutput &out, std::optional<bool> shownRight = {},
    std::optional<bool> shownUp = {}, const GameMatrix &game = sixOf49());

namespace msg {
constexpr const char *outOfRange
    = "The values you have entered are out of range and will not be saved";
constexpr const char *correctionTooLarge = "You printer correction values are too large - make "
                                           "them smaller - the current print is cancelled";
constexpr const char *testPrint
    = "This test print will print the numbers 6, 18, 30, and 42 on BOARD D and 1, 13, 12, and 48 "
      "on BOARD A using the displayed settings. Don't forget to save the settings once you have "
      "successfully calibrated for printing.";
constexpr const char *saveOnClose
    = "You have changed your settings, do you want to save the current displayed settings?";
// The entries are of a game whose slip the program does not know.
std::string noSlip(const GameMatrix &game);
// Entry number (1-based) holds a number without a box on the slip.
std::string notOnSlip(int number, const Entry &entry, const GameMatrix &slipGame);
} // namespace msg

} // namespace pickwise::tickets
