#include "printing/printing.h"

#include "platform/testing/fakes.h"
#include "tests/support/testsupport.h"

#include <gtest/gtest.h>

using namespace pickwise;
using namespace pickwise::testing;

TEST(SavedPrinter, MissingFileIsCreatedEmptyAndNamesNothing)
{
    TempDir dir;
    EXPECT_EQ(readSavedPrinter(dir.file("print.dat")), "");
    EXPECT_TRUE(exists(dir.file("print.dat")));
    EXPECT_EQ(readBytes(dir.file("print.dat")).size(), 0u);
}

TEST(SavedPrinter, WrittenPaddedTo255AndReadTrimmed)
{
    TempDir dir;
    ASSERT_EQ(writeSavedPrinter(dir.file("print.dat"), "Office_PDF"), "");
    const std::string raw = slurp(dir.file("print.dat"));
    ASSERT_EQ(raw.size(), 255u);
    EXPECT_EQ(raw.substr(0, 10), "Office_PDF");
    EXPECT_EQ(raw.find_first_not_of(' ', 10), std::string::npos);
    EXPECT_EQ(readSavedPrinter(dir.file("print.dat")), "Office_PDF");
}

TEST(LoadPrinter, ChoosesSavedOrLastInstalled)
{
    FakePrinter printer;
    printer.printers = {"First", "", "Second"};
    EXPECT_TRUE(loadprinter(printer, ""));
    EXPECT_EQ(printer.current, "Second");

    EXPECT_TRUE(loadprinter(printer, "First"));
    EXPECT_EQ(printer.current, "First");

    EXPECT_TRUE(loadprinter(printer, "Gone"));
    EXPECT_EQ(printer.current, "Second");

    printer.printers.clear();
    printer.current.clear();
    EXPECT_FALSE(loadprinter(printer, "First"));

    printer.printers = {"First"};
    printer.listFails = true;
    EXPECT_FALSE(loadprinter(printer, "First"));
}

TEST(PrintList, ThreeEmptyLinesThenIndentedLines)
{
    FakePrinter printer;
    FakeDialogs dialogs;
    const bool printerok = true;
    printlist({"01 02 03 04 05 06", "07 08 09 10 11 12"}, "", {printer, dialogs, printerok});
    const std::vector<std::string> expected {"font Courier 10", "a4", "text ", "text ", "text ",
        "text                 01 02 03 04 05 06", "text                 07 08 09 10 11 12", "end"};
    EXPECT_EQ(printer.ops, expected);
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_FALSE(dialogs.busy);
}

TEST(PrintList, ARefusedJobIsSaidOnce)
{
    FakePrinter printer;
    printer.current = "Office";
    printer.refuses = true;
    FakeDialogs dialogs;
    const bool printerok = true;
    printlist({"01 02 03 04 05 06"}, "", {printer, dialogs, printerok});
    EXPECT_EQ(dialogs.texts(),
        std::vector<std::string> {"The printer Office did not take the print job, so nothing was "
                                  "printed. Check that it is ready, or choose another printer "
                                  "under File > Select Printer."});
    EXPECT_FALSE(dialogs.busy);
}

TEST(PrintJob, NamedByWhatItIsAndWhenToTheSecond)
{
    const Date day {2015, 12, 5};
    EXPECT_EQ(documentName("entries Lotto05DEC2015", day, 36000.0),
        "Pickwise entries Lotto05DEC2015 2015-12-05 10-00-00");
    EXPECT_EQ(documentName("draw history", {2003, 3, 7}, 86399.9),
        "Pickwise draw history 2003-03-07 23-59-59");
    EXPECT_EQ(documentName("draw history", day, 59.5), "Pickwise draw history 2015-12-05 00-00-59");
}

TEST(PrintList, EmptyListOnlySaysSo)
{
    FakePrinter printer;
    FakeDialogs dialogs;
    const bool printerok = true;
    printlist({}, "", {printer, dialogs, printerok});
    EXPECT_TRUE(printer.ops.empty());
    EXPECT_EQ(dialogs.texts(), std::vector<std::string> {"There is no list to print!"});
}

TEST(PrintList, NoPrinterSetUpLeavesTheSettingsAlone)
{
    PrintDocument doc;
    setupprinter(doc, false);
    EXPECT_TRUE(doc.ops.empty());
}
