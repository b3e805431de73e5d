#include "tickets/ticketrules.h"

#include "platform/testing/fakes.h"
#include "tests/support/testsupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>

using namespace pickwise;
using namespace pickwise::tickets;
using pickwise::testing::readBytes;
using pickwise::testing::TempDir;
using pickwise::testing::writeBytes;

namespace {

// A plan as a short text: "W25" a width, "D" a dash, "P" a new page, "E" the end.
std::string shape(const PrintPlan &plan)
{
    std::string out;
    for (const PrintOp &op : plan) {
        out += out.empty() ? "" : " ";
        out += std::string(1, "WDPE"[op.kind]);
        if (op.kind == PrintOp::Width)
            out += std::to_string(op.width);
    }
    return out;
}

std::string repeat(const std::string &token, int n)
{
    std::string out;
    for (int i = 0; i < n; ++i)
        out += (i ? " " : "") + token;
    return out;
}

std::vector<Entry> entriesCounting(int n)
{
    std::vector<Entry> entries;
    for (int i = 0; i < n; ++i)
        entries.push_back({1, 13, 12, 48, 6, static_cast<int16_t>(i + 20)});
    return entries;
}

} // namespace

TEST(TicketGeometry, MarkPositionsOnTheGrid)
{
    struct Case
    {
        int n, board;
        double x, y, wholeX, wholeY;
    };
    const Case cases[] = {
        {1, 1, 3690, 715, 3690, 715},
        {48, 1, 450, 1131.704, 450, 1132},
        {42, 4, 810, 4172.352, 810, 4172},
        {6, 8, 3330, 715 + 7 * 1083, 3330, 8296}, // next column steps left
        {49, 8, 450, 8296 + 3 * 208.352, 450, 8921},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::to_string(c.n) + " on board " + std::to_string(c.board));
        const Mark m = markPosition(c.n, c.board, {});
        EXPECT_NEAR(m.x, c.x, 1e-9);
        EXPECT_NEAR(m.y, c.y, 1e-9);
        const Mark w = wholeTwips(m);
        EXPECT_EQ(w.x, c.wholeX);
        EXPECT_EQ(w.y, c.wholeY);
    }
}

TEST(TicketGeometry, CalibrationMovesThePattern)
{
    struct Case
    {
        double lr;
        bool right;
        double ud;
        bool up;
        double dx, dy;
    };
    const Case cases[] = {
        {10, true, 0, false, -56, 0},
        {10, false, 10, true, 56, 56},
        {-5, true, 2.5, false, 28, -14},
    };
    for (const Case &c : cases) {
        const Mark moved
            = markPosition(1, 1, correctionFor(c.lr, c.right, c.ud, c.up, calibrationUnit));
        EXPECT_NEAR(moved.x - 3690, c.dx, 1e-4);
        EXPECT_NEAR(moved.y - 715, c.dy, 1e-4);
    }
}

TEST(TicketPlans, AlignmentPrintCoversBoardsAAndH)
{
    const PrintPlan plan = alignmentPlan(correctionFor(1, false, 1, true, alignmentUnit), 35);
    EXPECT_EQ(shape(plan), repeat("W35 D", 98) + " E");
    EXPECT_NEAR(plan[1].at.x, 3690 + 56, 1e-4);
    EXPECT_NEAR(plan[1].at.y, 715 + 56, 1e-4);
    EXPECT_NEAR(plan[99].at.y, 715 + 7 * 1083 + 56, 1e-4); // number 1 on board H
}

TEST(TicketPlans, EntriesFillEightBoardsPerPage)
{
    const std::string board = repeat("D", 6);
    struct Case
    {
        int entries;
        std::string shape;
    };
    const Case cases[] = {
        {0, "W25 E"},
        {1, "W25 " + board + " P E"},
        {8, "W25 " + repeat(board, 8) + " P W25 E"},
        {9, "W25 " + repeat(board, 8) + " P W25 " + board + " P E"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.entries);
        EXPECT_EQ(shape(ticketPlan(entriesCounting(c.entries), {}, 25)), c.shape);
    }

    // The ninth entry goes to board A of the new page, in whole twips.
    const PrintPlan nine = ticketPlan(entriesCounting(9), {}, 25);
    const PrintOp &ninthFirst = nine[1 + 8 * 6 + 2];
    EXPECT_EQ(ninthFirst.at.x, 3690);
    EXPECT_EQ(ninthFirst.at.y, 715);
    EXPECT_EQ(nine[1 + 8 * 6 + 2 + 3].at.y, 1132); // 48, rounded
}

TEST(TicketPlans, ReplayEndsALastPageWithoutABlankOne)
{
    struct Case
    {
        int entries;
        int pageBreaks;
    };
    for (const Case c : {Case {8, 0}, Case {9, 1}, Case {17, 2}}) {
        FakePrinter printer;
        replay(ticketPlan(entriesCounting(c.entries), {}, 25), printer);
        EXPECT_EQ(std::count(printer.ops.begin(), printer.ops.end(), "newpage"), c.pageBreaks)
            << c.entries;
        EXPECT_EQ(printer.ops.back(), "end");
        EXPECT_EQ(std::count(printer.ops.begin(), printer.ops.end(), "end"), 1);
        const auto lastLine = std::find_if(printer.ops.rbegin(), printer.ops.rend(),
            [](const std::string &op) { return op.rfind("line", 0) == 0; });
        EXPECT_EQ(std::find(printer.ops.rbegin(), lastLine, "newpage"), lastLine);
    }
}

TEST(TicketPlans, MarksOffThePageCancelThePrintBeforeDrawing)
{
    struct Case
    {
        const char *what;
        Correction corr;
        double width, height;
        bool prints;
    };
    const Case cases[] = {
        {"no correction", {}, 11338, 16157, true},
        {"past the left edge", correctionFor(100, true, 0, false, calibrationUnit), 11338, 16157,
            false},
        {"above the top", correctionFor(0, false, 200, false, calibrationUnit), 11338, 16157,
            false},
        {"below a short page", {}, 11338, 2000, false},
        {"dash end just fits", {}, 3840, 16157, true},
        {"dash end one twip over", {}, 3839, 16157, false},
        {"unknown page size", correctionFor(32767, false, 0, false, calibrationUnit), 0, 0, true},
        {"infinite amount", correctionFor(INFINITY, false, 0, false, calibrationUnit), 11338, 16157,
            false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        FakePrinter printer;
        printer.width = c.width;
        printer.height = c.height;
        FakeDialogs dialogs;
        EXPECT_EQ(
            printPlan(ticketPlan(entriesCounting(2), c.corr, 25), printer, dialogs), c.prints);
        if (c.prints) {
            EXPECT_TRUE(dialogs.shown.empty());
            EXPECT_EQ(printer.ops.size(), 1u + 12u + 1u);
        } else {
            EXPECT_EQ(dialogs.texts(), std::vector<std::string> {msg::correctionTooLarge});
            EXPECT_EQ(printer.ops, std::vector<std::string> {"end"});
        }
    }
}

TEST(TicketFiles, RecordsAreLittleEndianAndShortFilesReadZero)
{
    CalibRecord r;
    r.lrvalue = -12;
    r.udvalue = 300;
    r.moveright = -1;
    r.moveup = 0;
    const auto packed = r.pack();
    EXPECT_EQ(std::vector<uint8_t>(packed.begin(), packed.end()),
        (std::vector<uint8_t> {0xF4, 0xFF, 0x2C, 0x01, 0xFF, 0xFF, 0x00, 0x00}));
    EXPECT_EQ(CalibRecord::unpack({packed.begin(), packed.end()}), r);

    const CalibRecord partial = CalibRecord::unpack({0x05, 0x00, 0x07});
    EXPECT_EQ(partial.lrvalue, 5);
    EXPECT_EQ(partial.udvalue, 7);
    EXPECT_EQ(partial.moveright, 0);
    EXPECT_EQ(unpackWidthCode({}), 0);
    EXPECT_EQ(unpackWidthCode({0x03}), 3);
    EXPECT_EQ(unpackWidthCode({0xFE, 0xFF, 0x01}), -2);
}

TEST(TicketFiles, SavingRoundsHalvesToEven)
{
    struct Case
    {
        const char *lr, *ud;
        bool right, up;
        LineWidth width;
        std::vector<uint8_t> calib, widthBytes;
    };
    const Case cases[] = {
        {"12.5", "13.5", true, false, LineWidth::Thick, {12, 0, 14, 0, 0xFF, 0xFF, 0, 0}, {3, 0}},
        {" -2.5 mm", "x", false, true, LineWidth::Thin, {0xFE, 0xFF, 0, 0, 0, 0, 0xFF, 0xFF},
            {1, 0}},
        {"32767", "-32768.5", false, false, LineWidth::Recommended,
            {0xFF, 0x7F, 0x00, 0x80, 0, 0, 0, 0}, {2, 0}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.lr);
        TempDir dir;
        std::string error;
        EXPECT_EQ(saveSettings(dir.path(), {c.lr, c.ud, c.right, c.up, c.width}, error),
            SaveOutcome::Saved);
        EXPECT_EQ(readBytes(dir.file(calibrationFileName)), c.calib);
        EXPECT_EQ(readBytes(dir.file(widthFileName)), c.widthBytes);
    }
}

TEST(TicketFiles, FailedSavesLeaveTheOldFiles)
{
    const std::vector<uint8_t> oldCalib = {7, 0, 8, 0, 0, 0, 0, 0};
    const std::vector<uint8_t> oldWidth = {1, 0};
    for (const char *amount : {"32768", "32767.5", "-32769"}) {
        SCOPED_TRACE(amount);
        TempDir dir;
        writeBytes(dir.file(calibrationFileName), oldCalib);
        writeBytes(dir.file(widthFileName), oldWidth);
        std::string error;
        EXPECT_EQ(saveSettings(dir.path(), {"1", amount, false, false, LineWidth::Thick}, error),
            SaveOutcome::OutOfRange);
        EXPECT_EQ(readBytes(dir.file(calibrationFileName)), oldCalib);
        EXPECT_EQ(readBytes(dir.file(widthFileName)), oldWidth);
    }

    // The width file cannot be read (a folder stands in its place): nothing
    // is written and the user is told why.
    TempDir dir;
    writeBytes(dir.file(calibrationFileName), oldCalib);
    std::filesystem::create_directory(dir.file(widthFileName));
    std::string error;
    EXPECT_EQ(saveSettings(dir.path(), {"1", "2", false, false, LineWidth::Thick}, error),
        SaveOutcome::WriteFailed);
    EXPECT_NE(error.find(widthFileName), std::string::npos);
    EXPECT_EQ(readBytes(dir.file(calibrationFileName)), oldCalib);
}

TEST(TicketPrinting, WidthCodeChoosesThePen)
{
    struct Case
    {
        std::vector<uint8_t> bytes;
        int dots;
    };
    const Case cases[] = {{{}, 25}, {{1, 0}, 15}, {{2, 0}, 25}, {{3, 0}, 35}, {{4, 0}, 25}};
    for (const Case &c : cases) {
        TempDir dir;
        writeBytes(dir.file(widthFileName), c.bytes);
        pickwise::testing::writeEntries(dir.file("Lotto05DEC2026.lot"), {{1, 2, 3, 4, 5, 6}});
        FakePrinter printer;
        FakeDialogs dialogs;
        ASSERT_TRUE(
            printTickets(dir.path(), dir.file("Lotto05DEC2026.lot"), true, printer, dialogs));
        const std::vector<std::string> head(printer.ops.begin(), printer.ops.begin() + 3);
        EXPECT_EQ(head,
            (std::vector<std::string> {
                "font Courier 10", "a4", "width " + std::to_string(c.dots)}));
    }
}
