#include "tickets/ticketrules.h"

#include "platform/testing/fakes.h"
#include "printing/printing.h"
#include "tests/support/testsupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>

using namespace pickwise;
using namespace pickwise::tickets;
using namespace pickwise::testing;

namespace {

// Board A starts 1, 13, 12, 48, 6 whatever the entry count.
std::vector<Entry> entriesCounting(int n)
{
    std::vector<Entry> entries;
    for (int i = 0; i < n; ++i)
        entries.push_back({1, 13, 12, 48, 6, static_cast<int16_t>(i + 20)});
    return entries;
}

} // namespace

TEST(TicketGeometry, MarkPositionsWithTheCalibrationInTwipsAndWholeTwips)
{
    struct Case
    {
        int n, board;
        double lr;
        bool right;
        double ud;
        bool up;
        double x, y, wholeX, wholeY;
    };
    const Case cases[] = {
        {1, 1, 0, false, 0, false, 3690, 715, 3690, 715},
        {48, 1, 0, false, 0, false, 450, 1131.704, 450, 1132},
        {42, 4, 0, false, 0, false, 810, 4172.352, 810, 4172},
        {49, 8, 0, false, 0, false, 450, 715 + 7 * 1083 + 3 * 208.352, 450, 8921},
        {1, 1, 10, true, 0, false, 3690 - 56, 715, 3634, 715},
        {1, 1, 10, false, 10, true, 3690 + 56, 715 + 56, 3746, 771},
        {48, 1, -5, true, 2.5, false, 450 + 28, 1131.704 - 14, 478, 1118},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::to_string(c.n) + " on board " + std::to_string(c.board) + " moved "
            + std::to_string(c.lr) + "/" + std::to_string(c.ud));
        const Mark m
            = markPosition(c.n, c.board, correctionFor(c.lr, c.right, c.ud, c.up, calibrationUnit));
        EXPECT_NEAR(m.x, c.x, 1e-4);
        EXPECT_NEAR(m.y, c.y, 1e-4);
        EXPECT_EQ(wholeTwips(m).x, c.wholeX);
        EXPECT_EQ(wholeTwips(m).y, c.wholeY);
    }

    // The full-grid print moves ten times as far and marks all of boards A and H.
    const PrintDocument grid = alignmentPlan(correctionFor(1, false, 1, true, alignmentUnit), 35);
    ASSERT_EQ(grid.ops.size(), 2u * 98);
    EXPECT_EQ(grid.ops[0].size, 35);
    EXPECT_NEAR(grid.ops[1].x1, 3690 + 56, 1e-4);
    EXPECT_NEAR(grid.ops[1].y1, 715 + 56, 1e-4);
    EXPECT_NEAR(grid.ops[99].y1, 715 + 7 * 1083 + 56, 1e-4); // 1 on board H
}

TEST(TicketPlans, EightBoardsToASlipAndNoBlankSlipAtTheEnd)
{
    const std::string boardA1 = "line 3690.000 715.000 3840.000 715.000";
    const std::string boardA48 = "line 450.000 1132.000 600.000 1132.000";
    for (const auto &[entries, slipCount] : {std::pair {8, 1}, {9, 2}, {17, 3}}) {
        SCOPED_TRACE(entries);
        FakePrinter printer;
        printer.print(ticketPlan(entriesCounting(entries), {}, 25));
        std::vector<std::vector<std::string>> slips(1);
        for (const std::string &op : printer.ops) {
            if (op == "newpage")
                slips.emplace_back();
            else
                slips.back().push_back(op);
        }
        ASSERT_EQ(slips.size(), size_t(slipCount));
        for (const auto &slip : slips) {
            EXPECT_EQ(slip[0], "width 25");
            EXPECT_EQ(slip[1], boardA1);
            EXPECT_EQ(slip[4], boardA48);
            const bool last = &slip == &slips.back();
            EXPECT_EQ(std::count_if(slip.begin(), slip.end(),
                          [](const std::string &op) { return op.rfind("line", 0) == 0; }),
                6 * (last ? entries - 8 * (slipCount - 1) : 8));
        }
        EXPECT_EQ(slips[0][1 + 7 * 6], "line 3690.000 8296.000 3840.000 8296.000"); // board H
        EXPECT_EQ(slips.back().back(), "end");
    }
}

TEST(TicketPlans, MarksOffThePageCancelThePrintBeforeDrawing)
{
    struct Case
    {
        const char *what;
        double lr, width, height;
        bool prints;
    };
    const Case cases[] = {
        {"no correction", 0, 11338, 16157, true},
        {"past the left edge", 100, 11338, 16157, false},
        {"below a short page", 0, 11338, 2000, false},
        {"dash end just fits", 0, 3840, 16157, true},
        {"dash end one twip over", 0, 3839, 16157, false},
        {"unknown page size", -32768, 0, 0, true},
        {"infinite amount", INFINITY, 11338, 16157, false},
    };
    for (const Case &c : cases) {
        for (const bool direct : {true, false}) {
            SCOPED_TRACE(std::string(c.what) + (direct ? ", printed directly" : ", previewed"));
            FakePrinter printer;
            printer.width = c.width;
            printer.height = c.height;
            FakeDialogs dialogs;
            const bool printerok = true;
            const Correction corr = correctionFor(c.lr, true, 0, false, calibrationUnit);
            EXPECT_EQ(printPlan(ticketPlan(entriesCounting(2), corr, 25),
                          {printer, dialogs, printerok, direct})
                          .ok,
                c.prints);
            if (c.prints) {
                EXPECT_TRUE(dialogs.shown.empty());
                EXPECT_EQ(printer.ops.size(), 1u + 12u + 1u);
            } else {
                EXPECT_EQ(dialogs.texts(), std::vector<std::string> {msg::correctionTooLarge});
                EXPECT_TRUE(printer.ops.empty());
                EXPECT_TRUE(printer.previews.empty());
            }
        }
    }
}

TEST(TicketPlans, AnOpenPreviewChangedOffThePageDoesNotPrint)
{
    FakePrinter printer;
    printer.previewChoice = FakePrinter::PreviewChoice::Look;
    FakeDialogs dialogs;
    const bool printerok = true;
    const OutputResult shown = printPlan(testPrintPlan({}, 25), {printer, dialogs, printerok});
    ASSERT_TRUE(shown.preview);
    // The calibration is changed while the preview shows; it follows, and its
    // Print checks the slip as it now stands.
    const PrintDocument moved
        = testPrintPlan(correctionFor(3000, false, 0, false, calibrationUnit), 25);
    ASSERT_TRUE(printer.updatePreview(*shown.preview, moved));
    EXPECT_FALSE(shown.preview->print(moved));
    EXPECT_EQ(dialogs.texts(), std::vector<std::string> {msg::correctionTooLarge});
    EXPECT_TRUE(printer.ops.empty());
    EXPECT_TRUE(shown.preview->print(printer.previews.front()));
    EXPECT_EQ(printer.ops.size(), 2u + 8u + 1u);
}

TEST(TicketPrint, ARefusedJobIsSaidAndNotCountedAsPrinted)
{
    FakePrinter printer;
    printer.current = "Slips";
    printer.refuses = true;
    FakeDialogs dialogs;
    const bool printerok = true;
    EXPECT_FALSE(
        printPlan(ticketPlan(entriesCounting(2), {}, 25), {printer, dialogs, printerok, true}).ok);
    EXPECT_EQ(dialogs.texts(), std::vector<std::string> {printRefusedMessage("Slips")});
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
        EXPECT_EQ(saveSettings(DataPaths(dir.path(), dir.path()),
                      {c.lr, c.ud, c.right, c.up, c.width}, error),
            SaveOutcome::Saved);
        EXPECT_EQ(readBytes(DataPaths(dir.path(), dir.path()).calibration()), c.calib);
        EXPECT_EQ(readBytes(DataPaths(dir.path(), dir.path()).lineWidth()), c.widthBytes);
    }
}

TEST(TicketFiles, FailedSavesLeaveTheOldFiles)
{
    const std::vector<uint8_t> oldCalib = {7, 0, 8, 0, 0, 0, 0, 0};
    const std::vector<uint8_t> oldWidth = {1, 0};
    for (const char *amount : {"32768", "32767.5", "-32769", "2"}) {
        SCOPED_TRACE(amount);
        TempDir dir;
        writeBytes(DataPaths(dir.path(), dir.path()).calibration(), oldCalib);
        // With a folder in the width file's place nothing can be saved at all.
        const bool inRange = std::string(amount) == "2";
        if (inRange)
            std::filesystem::create_directory(DataPaths(dir.path(), dir.path()).lineWidth());
        else
            writeBytes(DataPaths(dir.path(), dir.path()).lineWidth(), oldWidth);
        std::string error;
        EXPECT_EQ(saveSettings(DataPaths(dir.path(), dir.path()),
                      {"1", amount, false, false, LineWidth::Thick}, error),
            inRange ? SaveOutcome::WriteFailed : SaveOutcome::OutOfRange);
        EXPECT_EQ(readBytes(DataPaths(dir.path(), dir.path()).calibration()), oldCalib);
        if (inRange)
            EXPECT_NE(error.find("nlnwdth.dat"), std::string::npos);
        else
            EXPECT_EQ(readBytes(DataPaths(dir.path(), dir.path()).lineWidth()), oldWidth);
    }
}

TEST(TicketPrinting, WidthCodeChoosesThePen)
{
    const std::pair<std::vector<uint8_t>, int> cases[]
        = {{{}, 25}, {{1, 0}, 15}, {{2, 0}, 25}, {{3, 0}, 35}, {{4, 0}, 25}};
    for (const auto &[bytes, dots] : cases) {
        TempDir dir;
        writeBytes(DataPaths(dir.path(), dir.path()).lineWidth(), bytes);
        writeEntries(dir.file("Lotto05DEC2015.lot"), {{1, 2, 3, 4, 5, 6}});
        FakePrinter printer;
        FakeDialogs dialogs;
        const bool printerok = true;
        ASSERT_TRUE(printTickets(DataPaths(dir.path(), dir.path()), dir.file("Lotto05DEC2015.lot"),
            "", {printer, dialogs, printerok})
                        .ok);
        EXPECT_EQ(printer.ops[2], "width " + std::to_string(dots));
    }
}
