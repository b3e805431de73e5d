#include "printing/output.h"

#include "core/datapaths.h"
#include "platform/testing/fakes.h"
#include "printing/printing.h"
#include "tests/support/testsupport.h"

#include <gtest/gtest.h>

using namespace pickwise;
using namespace pickwise::testing;

namespace {

using Choice = FakePrinter::PreviewChoice;
using Texts = std::vector<std::string>;

PrintDocument oneLine()
{
    PrintDocument doc = listDocument({"01 02 03 04 05 06"}, true);
    doc.name = "Pickwise entries Lotto05DEC2015 2015-12-05 10-00-00";
    return doc;
}

} // namespace

TEST(Output, StraightToThePrinterOrThroughThePreview)
{
    const std::string refused = printRefusedMessage("Office");
    struct Case
    {
        const char *what;
        bool direct, printerok, refuses, passes;
        Choice choice;
        bool ok;
        size_t previews, printed;
        Texts said;
        bool stillOpen;
    };
    const Case cases[] = {
        {"previewed, then printed", false, true, false, true, Choice::Print, true, 1, 1, {}, false},
        {"previewed and looked at", false, true, false, true, Choice::Look, true, 1, 0, {}, true},
        {"printed directly", true, true, false, true, Choice::Look, true, 0, 1, {}, false},
        {"no printer, directly", true, false, false, true, Choice::Print, false, 0, 0,
            {printmsg::noPrinter}, false},
        {"no printer, from the preview", false, false, false, true, Choice::Print, true, 1, 0,
            {printmsg::noPrinter}, true},
        {"refused, directly", true, true, true, true, Choice::Print, false, 0, 1, {refused}, false},
        {"refused, from the preview", false, true, true, true, Choice::Print, true, 1, 1, {refused},
            true},
        {"failing its check", false, true, false, false, Choice::Print, true, 1, 0,
            {"does not fit"}, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        FakePrinter printer;
        printer.current = "Office";
        printer.refuses = c.refuses;
        printer.previewChoice = c.choice;
        FakeDialogs dialogs;
        const PrintOutput out {printer, dialogs, c.printerok, c.direct};
        const OutputResult result = output(oneLine(), out, [&](const PrintDocument &) {
            if (!c.passes)
                dialogs.message("does not fit");
            return c.passes;
        });
        EXPECT_EQ(result.ok, c.ok);
        EXPECT_EQ(result.preview != nullptr, !c.direct);
        EXPECT_EQ(printer.previews.size(), c.previews);
        EXPECT_EQ(printer.documents.size(), c.printed);
        EXPECT_EQ(dialogs.texts(), c.said);
        EXPECT_EQ(printer.previewOpen(), c.stillOpen);
        EXPECT_FALSE(dialogs.busy);
    }
}

TEST(Output, SaveAsPdfAsksForTheFileAndSaysWhenItFails)
{
    struct Case
    {
        const char *what;
        std::string answer;
        std::string pdfError;
        Texts pdfs;
        Texts said;
    };
    const Case cases[] = {
        {"cancelled", "", "", {}, {}},
        {"saved", "/home/anne/slips.pdf", "", {"/home/anne/slips.pdf"}, {}},
        {"not written", "/gone/slips.pdf", "Cannot write \"/gone/slips.pdf\"", {},
            {"The PDF file was not saved: Cannot write \"/gone/slips.pdf\". Choose another "
             "folder or name and save it again."}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        FakePrinter printer;
        printer.previewChoice = Choice::SavePdf;
        printer.pdfError = c.pdfError;
        FakeDialogs dialogs;
        dialogs.answerFile(c.answer);
        const bool printerok = true;
        output(oneLine(), {printer, dialogs, printerok});
        EXPECT_EQ(dialogs.fileQuestions,
            Texts {"Pickwise entries Lotto05DEC2015 2015-12-05 10-00-00.pdf"});
        EXPECT_EQ(printer.pdfs, c.pdfs);
        EXPECT_EQ(dialogs.texts(), c.said);
        EXPECT_TRUE(printer.documents.empty());
        EXPECT_TRUE(printer.previewOpen());
    }
}

TEST(PrintDirectly, ItsOwnFileBesidePrintDat)
{
    struct Case
    {
        const char *what;
        std::vector<uint8_t> bytes;
        bool direct;
    };
    const Case cases[] = {
        {"one", {'1'}, true},
        {"one and a line end", {'1', '\n'}, true},
        {"zero", {'0'}, false},
        {"empty", {}, false},
        {"anything else", {'y', 'e', 's'}, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        writeBytes(dir.file("printdirect.dat"), c.bytes);
        EXPECT_EQ(readPrintDirectly(dir.file("printdirect.dat")), c.direct);
    }

    TempDir dir;
    const DataPaths paths(dir.path(), dir.path());
    EXPECT_EQ(paths.printDirectly(), dir.file("printdirect.dat"));
    EXPECT_FALSE(readPrintDirectly(paths.printDirectly()));
    EXPECT_FALSE(exists(dir.file("printdirect.dat"))); // not created by reading
    ASSERT_EQ(writePrintDirectly(paths.printDirectly(), true), "");
    EXPECT_EQ(readBytes(dir.file("printdirect.dat")), std::vector<uint8_t> {'1'});
    EXPECT_TRUE(readPrintDirectly(paths.printDirectly()));
    ASSERT_EQ(writePrintDirectly(paths.printDirectly(), false), "");
    EXPECT_EQ(readBytes(dir.file("printdirect.dat")), std::vector<uint8_t> {'0'});
    EXPECT_FALSE(exists(dir.file("print.dat")));
}

TEST(PrintDocument, PaperCountsOnlyBeforeTheFirstOutput)
{
    struct Case
    {
        const char *what;
        std::vector<PrintOp::Kind> steps;
        bool a4;
    };
    const Case cases[] = {
        {"set up first", {PrintOp::Font, PrintOp::A4Portrait, PrintOp::Text}, true},
        {"after a pen", {PrintOp::Width, PrintOp::A4Portrait, PrintOp::Line}, true},
        {"after text", {PrintOp::Text, PrintOp::A4Portrait}, false},
        {"after a new page", {PrintOp::NewPage, PrintOp::A4Portrait}, false},
        {"never", {PrintOp::Font, PrintOp::Text}, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        PrintDocument doc;
        for (PrintOp::Kind kind : c.steps) {
            PrintOp op;
            op.kind = kind;
            doc.ops.push_back(op);
        }
        EXPECT_EQ(doc.asksA4Portrait(), c.a4);
    }
}
