#include "tickets/ticketrules.h"

#include "core/entryfiles.h"
#include "core/fileio.h"
#include "core/numbers.h"
#include "core/printing.h"

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

PrintOp widthOp(int dots)
{
    PrintOp op;
    op.kind = PrintOp::Width;
    op.width = dots;
    return op;
}

PrintOp dashOp(const Mark &at)
{
    PrintOp op;
    op.kind = PrintOp::Dash;
    op.at = at;
    return op;
}

PrintOp plainOp(PrintOp::Kind kind)
{
    PrintOp op;
    op.kind = kind;
    return op;
}

// Record 1 replaced, anything after it kept as it was.
std::vector<uint8_t> withRecord1(std::vector<uint8_t> bytes, const uint8_t *record, size_t size)
{
    if (bytes.size() < size)
        bytes.resize(size, 0);
    std::copy(record, record + size, bytes.begin());
    return bytes;
}

bool dashFollows(const PrintPlan &plan, size_t index)
{
    for (size_t j = index + 1; j < plan.size() && plan[j].kind != PrintOp::End; ++j) {
        if (plan[j].kind == PrintOp::Dash)
            return true;
    }
    return false;
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

PrintPlan testPrintPlan(const Correction &corr, int widthDots)
{
    PrintPlan plan;
    plan.push_back(widthOp(widthDots));
    for (int n : {1, 13, 12, 48})
        plan.push_back(dashOp(markPosition(n, 1, corr)));
    plan.push_back(widthOp(widthDots));
    for (int n : {6, 18, 30, 42})
        plan.push_back(dashOp(markPosition(n, 4, corr)));
    plan.push_back(plainOp(PrintOp::End));
    return plan;
}

PrintPlan alignmentPlan(const Correction &corr, int widthDots)
{
    PrintPlan plan;
    for (int board : {1, boardsPerTicket}) {
        for (int n = 1; n <= 49; ++n) {
            plan.push_back(widthOp(widthDots));
            plan.push_back(dashOp(markPosition(n, board, corr)));
        }
    }
    plan.push_back(plainOp(PrintOp::End));
    return plan;
}

PrintPlan ticketPlan(const std::vector<Entry> &entries, const Correction &corr, int widthDots)
{
    PrintPlan plan;
    plan.push_back(widthOp(widthDots));
    int board = 0;
    for (const Entry &entry : entries) {
        ++board;
        for (int16_t n : entry)
            plan.push_back(dashOp(wholeTwips(markPosition(n, board, corr))));
        if (board == boardsPerTicket) {
            board = 0;
            plan.push_back(plainOp(PrintOp::NewPage));
            plan.push_back(widthOp(widthDots));
        }
    }
    if (board > 0)
        plan.push_back(plainOp(PrintOp::NewPage));
    plan.push_back(plainOp(PrintOp::End));
    return plan;
}

bool fitsOnPage(const PrintPlan &plan, double width, double height)
{
    if (width <= 0 || height <= 0)
        return true;
    for (const PrintOp &op : plan) {
        if (op.kind != PrintOp::Dash)
            continue;
        const bool inside = op.at.x >= 0 && op.at.y >= 0 && op.at.x + dashLength <= width
            && op.at.y <= height; // false for NaN or infinity too
        if (!inside)
            return false;
    }
    return true;
}

bool replay(const PrintPlan &plan, Printer &printer)
{
    bool taken = true;
    for (size_t i = 0; i < plan.size(); ++i) {
        const PrintOp &op = plan[i];
        switch (op.kind) {
        case PrintOp::Width:
            printer.setLineWidth(op.width);
            break;
        case PrintOp::Dash:
            printer.drawLine(op.at.x, op.at.y, op.at.x + dashLength, op.at.y);
            break;
        case PrintOp::NewPage:
            // A page break with nothing drawn after it would feed out a blank
            // slip here, where ending the document already finishes the page.
            if (dashFollows(plan, i))
                printer.newPage();
            break;
        case PrintOp::End:
            taken = printer.endDocument() && taken;
            break;
        }
    }
    return taken;
}

bool printPlan(const PrintPlan &plan, Printer &printer, Dialogs &dialogs)
{
    if (!fitsOnPage(plan, printer.printableWidth(), printer.printableHeight())) {
        dialogs.message(msg::correctionTooLarge);
        printer.endDocument();
        return false;
    }
    if (!replay(plan, printer)) {
        dialogs.message(printRefusedMessage(printer.currentPrinter()));
        return false;
    }
    return true;
}

bool printTickets(const DataPaths &paths, const std::string &entryfile, bool printerok,
    Printer &printer, Dialogs &dialogs, std::optional<bool> shownRight, std::optional<bool> shownUp)
{
    setupprinter(printer, printerok);
    SavedSettings saved;
    std::string error = loadSettings(paths, saved);
    std::vector<Entry> entries;
    if (error.empty() && !entryfile.empty())
        error = entryfiles::list(entryfile, entries);
    if (!error.empty()) {
        dialogs.message(error);
        return false;
    }
    const bool right
        = shownRight ? *shownRight : directionFromFlag(saved.calib.moveright).value_or(false);
    const bool up = shownUp ? *shownUp : directionFromFlag(saved.calib.moveup).value_or(false);
    const Correction corr
        = correctionFor(saved.calib.lrvalue, right, saved.calib.udvalue, up, calibrationUnit);
    const int dots = lineWidthDots(lineWidthFromCode(saved.widthcode));
    return printPlan(ticketPlan(entries, corr, dots), printer, dialogs);
}

} // namespace pickwise::tickets
