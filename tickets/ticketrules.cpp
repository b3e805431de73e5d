#include "tickets/ticketrules.h"

#include "core/entryfiles.h"
#include "core/fileio.h"
#include "core/numbers.h"
#include "printing/printing.h"

#include <algorithm>
#include <cmath>

namespace pickwise::tickets {

namespace {

// Numbers outside 1..49 only come from a damaged entry file; keeping their
// column and row inside the grid keeps their dash inside the board.
int columnOf(int ballno)
{
    return std::clamp((ballno - 1) / 5, 0, 9);
}

int rowOf(int ballno)
{
    return ((ballno - 1) % 5 + 5) % 5;
}

int16_t readLe16(const std::vector<uint8_t> &bytes, size_t offset)
{
    const unsigned lo = offset < bytes.size() ? bytes[offset] : 0;
    const unsigned hi = offset + 1 < bytes.size() ? bytes[offset + 1] : 0;
    return static_cast<int16_t>(static_cast<uint16_t>(lo | (hi << 8)));
}

void writeLe16(uint8_t *out, int16_t value)
{
    const auto u = static_cast<uint16_t>(value);
    out[0] = static_cast<uint8_t>(u & 0xff);
    out[1] = static_cast<uint8_t>(u >> 8);
}

void dash(PrintDocument &doc, const Mark &at)
{
    doc.line(at.x, at.y, at.x + dashLength, at.y);
}

// Record 1 replaced, anything after it kept as it was.
std::vector<uint8_t> withRecord1(std::vector<uint8_t> bytes, const uint8_t *record, size_t size)
{
    if (bytes.size() < size)
        bytes.resize(size, 0);
    std::copy(record, record + size, bytes.begin());
    return bytes;
}

} // namespace

double getxoffset(int ballno)
{
    return columnStep * (9 - columnOf(ballno));
}

double getyoffset(int ballno, int cardno)
{
    return (cardno - 1) * boardStep + rowOf(ballno) * rowStep;
}

std::array<uint8_t, CalibRecord::size> CalibRecord::pack() const
{
    std::array<uint8_t, size> out {};
    writeLe16(&out[0], lrvalue);
    writeLe16(&out[2], udvalue);
    writeLe16(&out[4], moveright);
    writeLe16(&out[6], moveup);
    return out;
}

CalibRecord CalibRecord::unpack(const std::vector<uint8_t> &bytes)
{
    CalibRecord r;
    r.lrvalue = readLe16(bytes, 0);
    r.udvalue = readLe16(bytes, 2);
    r.moveright = readLe16(bytes, 4);
    r.moveup = readLe16(bytes, 6);
    return r;
}

int16_t unpackWidthCode(const std::vector<uint8_t> &bytes)
{
    return readLe16(bytes, 0);
}

LineWidth lineWidthFromCode(int16_t code)
{
    switch (code) {
    case 1:
        return LineWidth::Thin;
    case 3:
        return LineWidth::Thick;
    default:
        return LineWidth::Recommended;
    }
}

int lineWidthDots(LineWidth width)
{
    switch (width) {
    case LineWidth::Thin:
        return 15;
    case LineWidth::Thick:
        return 35;
    case LineWidth::Recommended:
        break;
    }
    return 25;
}

std::optional<bool> directionFromFlag(int16_t flag)
{
    if (flag == -1)
        return true;
    if (flag == 0)
        return false;
    return std::nullopt;
}

std::string loadSettings(const DataPaths &paths, SavedSettings &out)
{
    out = SavedSettings {};
    std::vector<uint8_t> bytes;
    std::string error = readFileBytes(paths.calibration(), bytes, true);
    if (!error.empty())
        return error;
    out.calib = CalibRecord::unpack(bytes);
    error = readFileBytes(paths.lineWidth(), bytes, true);
    if (!error.empty())
        return error;
    out.widthcode = unpackWidthCode(bytes);
    return {};
}

SaveOutcome saveSettings(const DataPaths &paths, const DisplayedSettings &shown, std::string &error)
{
    error.clear();
    CalibRecord calib;
    if (!readInt16(shown.lrText, calib.lrvalue) || !readInt16(shown.udText, calib.udvalue))
        return SaveOutcome::OutOfRange;
    calib.moveright = shown.right ? -1 : 0;
    calib.moveup = shown.up ? -1 : 0;

    const std::string calibPath = paths.calibration();
    const std::string widthPath = paths.lineWidth();
    std::vector<uint8_t> oldCalib;
    std::vector<uint8_t> oldWidth;
    error = readFileBytes(calibPath, oldCalib, true);
    if (error.empty())
        error = readFileBytes(widthPath, oldWidth, true);
    if (!error.empty())
        return SaveOutcome::WriteFailed;

    const auto calibBytes = calib.pack();
    uint8_t widthBytes[widthRecordSize];
    writeLe16(widthBytes, static_cast<int16_t>(shown.width));

    error = writeFileAtomic(calibPath, withRecord1(oldCalib, calibBytes.data(), calibBytes.size()));
    if (!error.empty())
        return SaveOutcome::WriteFailed;
    error = writeFileAtomic(widthPath, withRecord1(oldWidth, widthBytes, widthRecordSize));
    if (!error.empty()) {
        writeFileAtomic(calibPath, oldCalib);
        return SaveOutcome::WriteFailed;
    }
    return SaveOutcome::Saved;
}

Correction correctionFor(double lrAmount, bool right, double udAmount, bool up, double unit)
{
    Correction c;
    c.xcorr = static_cast<float>(lrAmount * (right ? -unit : unit));
    c.ycorr = static_cast<float>(udAmount * (up ? unit : -unit));
    return c;
}

Mark markPosition(int ballno, int cardno, const Correction &corr)
{
    return {
        xbase + getxoffset(ballno) + corr.xcorr, ybase + getyoffset(ballno, cardno) + corr.ycorr};
}

Mark wholeTwips(const Mark &mark)
{
    return {roundHalfEven(mark.x), roundHalfEven(mark.y)};
}

PrintDocument testPrintPlan(const Correction &corr, int widthDots)
{
    PrintDocument doc;
    doc.width(widthDots);
    for (int n : {1, 13, 12, 48})
        dash(doc, markPosition(n, 1, corr));
    doc.width(widthDots);
    for (int n : {6, 18, 30, 42})
        dash(doc, markPosition(n, 4, corr));
    return doc;
}

PrintDocument alignmentPlan(const Correction &corr, int widthDots)
{
    PrintDocument doc;
    for (int board : {1, boardsPerTicket}) {
        for (int n = 1; n <= 49; ++n) {
            doc.width(widthDots);
            dash(doc, markPosition(n, board, corr));
        }
    }
    return doc;
}

PrintDocument ticketPlan(const std::vector<Entry> &entries, const Correction &corr, int widthDots)
{
    PrintDocument doc;
    doc.width(widthDots);
    int board = 0;
    for (const Entry &entry : entries) {
        // A slip is fed out only when marks follow, so no blank slip ends it.
        if (board == boardsPerTicket) {
            board = 0;
            doc.newPage();
            doc.width(widthDots);
        }
        ++board;
        for (int16_t n : entry)
            dash(doc, wholeTwips(markPosition(n, board, corr)));
    }
    return doc;
}

std::vector<PreviewShape> slipPicture()
{
    // A box round each dash, a frame round each board with room for its
    // letter at the left.
    constexpr double boxWidth = 240, boxHeight = 160, frameMargin = 35, letterRoom = 300;
    const double boxLeft = (boxWidth - dashLength) / 2;
    std::vector<PreviewShape> shapes;
    for (int board = 1; board <= boardsPerTicket; ++board) {
        const Mark first = markPosition(46, board, {}); // top row, leftmost column
        PreviewShape frame;
        frame.kind = PreviewShape::Board;
        frame.x = first.x - boxLeft - frameMargin - letterRoom;
        frame.y = first.y - boxHeight / 2 - frameMargin;
        frame.width = letterRoom + 9 * columnStep + boxWidth + 2 * frameMargin;
        frame.height = 4 * rowStep + boxHeight + 2 * frameMargin;
        frame.label = std::string(1, static_cast<char>('A' + board - 1));
        shapes.push_back(frame);
        for (int n = 1; n <= 49; ++n) {
            const Mark at = markPosition(n, board, {});
            PreviewShape box;
            box.x = at.x - boxLeft;
            box.y = at.y - boxHeight / 2;
            box.width = boxWidth;
            box.height = boxHeight;
            box.label = std::to_string(n);
            shapes.push_back(box);
        }
    }
    return shapes;
}

PrintDocument slipDocument(const PrintDocument &plan, const std::string &name, bool printerok)
{
    PrintDocument doc;
    doc.name = name;
    setupprinter(doc, printerok);
    doc.append(plan);
    doc.underlay = slipPicture();
    return doc;
}

bool fitsOnPage(const PrintDocument &doc, double width, double height)
{
    if (width <= 0 || height <= 0)
        return true;
    for (const PrintOp &op : doc.ops) {
        if (op.kind != PrintOp::Line)
            continue;
        const bool inside = std::min(op.x1, op.x2) >= 0 && std::min(op.y1, op.y2) >= 0
            && std::max(op.x1, op.x2) <= width
            && std::max(op.y1, op.y2) <= height; // false for NaN or infinity too
        if (!inside)
            return false;
    }
    return true;
}

bool slipFits(const PrintDocument &doc, Printer &printer, Dialogs &dialogs)
{
    if (fitsOnPage(doc, printer.printableWidth(doc), printer.printableHeight(doc)))
        return true;
    dialogs.message(msg::correctionTooLarge);
    return false;
}

OutputResult printPlan(const PrintDocument &doc, const PrintOutput &out)
{
    if (!slipFits(doc, out.printer, out.dialogs))
        return {false, nullptr};
    Printer &printer = out.printer;
    Dialogs &dialogs = out.dialogs;
    return output(doc, out, [&printer, &dialogs](const PrintDocument &shown) {
        return slipFits(shown, printer, dialogs);
    });
}

std::string msg::noSlip(const GameMatrix &game)
{
    return std::string("Play slips of the ") + game.name
        + " game (the draws from 2 August 2017) are not supported: Pickwise only knows the slip "
          "of the 6 of 49 game, and today's slip is laid out differently. Nothing was printed.";
}

std::string msg::notOnSlip(int number, const Entry &entry, const GameMatrix &slipGame)
{
    return "Entry " + std::to_string(number) + " (" + entryLineText(entry)
        + ") has a number that is not on the play slip (1 to "
        + std::to_string(slipGame.highestBall) + "). Nothing was printed.";
}

std::string slipRefusal(const std::vector<Entry> &entries, const GameMatrix &game)
{
    if (!game.hasSlip)
        return msg::noSlip(game);
    for (size_t e = 0; e < entries.size(); ++e)
        for (const int16_t n : entries[e])
            if (!game.isBall(n))
                return msg::notOnSlip(static_cast<int>(e) + 1, entries[e], game);
    return {};
}

std::string ticketDocument(const DataPaths &paths, const std::string &entryfile,
    const std::string &name, bool printerok, std::optional<bool> shownRight,
    std::optional<bool> shownUp, PrintDocument &doc, const GameMatrix &game)
{
    // Refused before anything is read: no file of this game can print.
    if (!game.hasSlip)
        return msg::noSlip(game);
    SavedSettings saved;
    std::string error = loadSettings(paths, saved);
    std::vector<Entry> entries;
    if (error.empty() && !entryfile.empty())
        error = entryfiles::list(entryfile, entries);
    if (error.empty())
        error = slipRefusal(entries, game);
    if (!error.empty())
        return error;
    const bool right
        = shownRight ? *shownRight : directionFromFlag(saved.calib.moveright).value_or(false);
    const bool up = shownUp ? *shownUp : directionFromFlag(saved.calib.moveup).value_or(false);
    const Correction corr
        = correctionFor(saved.calib.lrvalue, right, saved.calib.udvalue, up, calibrationUnit);
    const int dots = lineWidthDots(lineWidthFromCode(saved.widthcode));
    doc = slipDocument(ticketPlan(entries, corr, dots), name, printerok);
    return {};
}

OutputResult printTickets(const DataPaths &paths, const std::string &entryfile,
    const std::string &name, const PrintOutput &out, std::optional<bool> shownRight,
    std::optional<bool> shownUp, const GameMatrix &game)
{
    PrintDocument doc;
    const std::string error
        = ticketDocument(paths, entryfile, name, out.printerok, shownRight, shownUp, doc, game);
    if (!error.empty()) {
        out.dialogs.message(error);
        return {false, nullptr};
    }
    return printPlan(doc, out);
}

} // namespace pickwise::tickets
