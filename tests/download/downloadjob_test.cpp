#include "download/downloadjob.h"

#include "platform/testing/fakes.h"
#include "tests/support/testsupport.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace pickwise;
using namespace pickwise::download;
using namespace pickwise::testing;

namespace {

// Feeds a whole body as the transfer would: Completed, then 256-byte pieces.
void receive(DownloadJob &job, const std::vector<uint8_t> &body)
{
    ASSERT_TRUE(job.startBody(200, true, std::to_string(body.size())));
    for (size_t at = 0; at < body.size(); at += 256) {
        const size_t n = std::min<size_t>(256, body.size() - at);
        ASSERT_TRUE(job.addPiece(std::vector<uint8_t>(body.begin() + at, body.begin() + at + n)));
    }
    job.complete();
}

} // namespace

TEST(DownloadJob, MissingHistoryCountsAsNoDrawsAndIsBackedUpEmpty)
{
    TempDir dir;
    DownloadJob job(dir.path());
    ASSERT_EQ(job.begin(), "");
    EXPECT_EQ(job.oldcount(), 0);
    EXPECT_TRUE(exists(dir.file("sa.rtl")));
    EXPECT_TRUE(exists(dir.file("temp.rtl")));
    EXPECT_TRUE(readBytes(dir.file("temp.rtl")).empty());
}

TEST(DownloadJob, RestoreThatFailsKeepsTheBackupAndSaysWhereItIs)
{
    TempDir dir;
    const auto old = bytesOf(makeHistory(30));
    writeBytes(dir.file("sa.rtl"), old);
    DownloadJob job(dir.path());
    ASSERT_EQ(job.begin(), "");
    // Something has taken the history's place and cannot be replaced.
    std::filesystem::remove(dir.file("sa.rtl"));
    std::filesystem::create_directory(dir.file("sa.rtl"));
    writeBytes(dir.file("sa.rtl/held"), {1});
    job.cancel();

    FakeDialogs dialogs;
    dialogs.answer(true);
    EXPECT_EQ(job.finish(dialogs, {}), someFailedStatus);
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_FALSE(dialogs.shown[0].question);
    EXPECT_NE(dialogs.shown[0].text.find(dir.file("temp.rtl")), std::string::npos)
        << dialogs.shown[0].text;
    EXPECT_EQ(dialogs.shown[1].text, failedQuestion());
    EXPECT_EQ(readBytes(dir.file("temp.rtl")), old);
}

TEST(DownloadJob, HistoryChangedDuringTheDownloadIsPutBackFromTheBackup)
{
    TempDir dir;
    const auto old = bytesOf(makeHistory(30));
    writeBytes(dir.file("sa.rtl"), old);
    DownloadJob job(dir.path());
    ASSERT_EQ(job.begin(), "");
    writeBytes(dir.file("sa.rtl"), {9, 9, 9});
    job.cancel();
    FakeDialogs dialogs;
    dialogs.answer(false);
    EXPECT_EQ(job.finish(dialogs, {}), failedStopStatus);
    EXPECT_EQ(readBytes(dir.file("sa.rtl")), old);
    EXPECT_FALSE(exists(dir.file("temp.rtl")));
}

TEST(DownloadJob, HangsUpWithoutAskingAfterSuccessAndAsksAfterFailure)
{
    struct Case
    {
        const char *name;
        bool succeed;
        bool ticked;
        bool visible;
        std::vector<bool> answers; // the corrupt question, then the hang-up question
        bool hangupWorks;
        int hangups;
        std::vector<std::string> shown;
    };
    const std::vector<Case> cases = {
        {"success, ticked", true, true, true, {}, true, 1, {}},
        {"success, hang-up fails", true, true, true, {}, false, 1, {hangupFailedMessage}},
        {"success, box hidden", true, true, false, {}, true, 0, {}},
        {"failure, Yes", false, true, true, {true, true}, false, 1,
            {corruptQuestion(), hangupQuestion, hangupFailedMessage}},
        {"failure, No", false, true, true, {true, false}, true, 0,
            {corruptQuestion(), hangupQuestion}},
    };
    for (const Case &c : cases) {
        TempDir dir;
        writeHistory(dir.file("sa.rtl"), makeHistory(3));
        DownloadJob job(dir.path());
        ASSERT_EQ(job.begin(), "");
        receive(job, c.succeed ? bytesOf(makeHistory(4)) : std::vector<uint8_t>(52, 0));

        FakeDialogs dialogs;
        for (bool a : c.answers)
            dialogs.answer(a);
        int hangups = 0;
        FinishOptions options;
        options.checkBeforeOverwriting = false;
        options.check8Ticked = c.ticked;
        options.check8Visible = c.visible;
        options.hangup = [&] {
            ++hangups;
            return c.hangupWorks;
        };
        EXPECT_EQ(job.finish(dialogs, options), c.succeed ? allDoneStatus : someFailedStatus)
            << c.name;
        EXPECT_EQ(hangups, c.hangups) << c.name;
        EXPECT_EQ(dialogs.texts(), c.shown) << c.name;
    }
}
