#include "download/downloadjob.h"
#include "download/downloadrules.h"

#include "platform/testing/fakes.h"
#include "tests/support/testsupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

using namespace pickwise;
using namespace pickwise::download;
using namespace pickwise::testing;

TEST(DownloadRules, StateTextsAndTheirEffect)
{
    const struct
    {
        int code;
        const char *text;
        int16_t dlstate; // starting from Running
    } cases[] = {
        {0, "No state to report", Running},
        {7, "Receiving a response from the host computer", Running},
        {11, "An error occured in communicating with the host computer", TransferError},
        {12, "The request has completed and all data has been received", Complete},
        {13, "Unknown state: 13", Cancelled},
        {-2, "Unknown state: -2", Cancelled},
    };
    for (const auto &c : cases) {
        int16_t state = Running;
        EXPECT_EQ(statetext(c.code, state), c.text) << c.code;
        EXPECT_EQ(state, c.dlstate) << c.code;
    }
}

TEST(DownloadRules, ContentLengthMustBeAPositive32BitNumber)
{
    const struct
    {
        const char *text;
        int32_t length; // 0: refused
    } cases[] = {{"1000", 1000}, {" 39052 ", 39052}, {"2147483647", 2147483647}, {"2147483648", 0},
        {"0", 0}, {"", 0}, {"-26", 0}, {"12abc", 0}, {"1 2", 0}};
    for (const auto &c : cases) {
        int32_t length = 0;
        const bool ok = parseContentLength(c.text, length);
        EXPECT_EQ(ok ? length : 0, c.length) << c.text;
    }
}

TEST(DownloadRules, ProgressFollowsTheBytesAgainstTheAnnouncedLength)
{
    EXPECT_EQ(progressPercent(0, 39052), 0);
    EXPECT_EQ(progressPercent(19526, 39052), 50);
    EXPECT_EQ(progressPercent(39051, 39052), 99); // whole only once every byte is there
    EXPECT_EQ(progressPercent(39052, 39052), 100);
    EXPECT_EQ(progressPercent(int64_t(850000), int64_t(851942)), 99); // no 32-bit overflow
    EXPECT_EQ(progressPercent(500, -1), -1); // none announced: busy
}

TEST(DownloadCheck, TakesOnlyAWholeValidHistory)
{
    auto draws = makeHistory(4, {2003, 1, 4});
    // Records beyond the count may hold anything, as in the program's own file.
    draws.push_back(BallRecord {});
    const auto good = bytesOf(draws);
    EXPECT_TRUE(checkDownload(200, int64_t(good.size()), good.data(), good.size()).good);

    auto damaged = [&](int record, auto change) {
        auto draws = recordsOf(good);
        change(draws[size_t(record - 1)]);
        return bytesOf(draws);
    };
    const std::vector<uint8_t> truncated(good.begin(), good.end() - 52);
    auto dated = [](const BallRecord &d) {
        return [d](BallRecord &r) { r.year = d.year, r.month = d.month, r.day = d.day; };
    };
    const struct
    {
        const char *name;
        std::vector<uint8_t> body;
        int status = 200;
        int64_t announced = -1; // -1: the body's own length
    } cases[] = {
        {"status 404", good, 404},
        {"shorter than announced", truncated, 200, int64_t(good.size())},
        {"not whole records", {good.begin(), good.end() - 3}},
        {"empty", {}},
        // Its first record is plausible: a check of record 1 alone would take it.
        {"fewer records than the count", truncated},
        {"count 0", damaged(1, [](BallRecord &r) { r.count = 0; })},
        {"ball 0", damaged(3, [](BallRecord &r) { r.ball[0] = 0; })},
        {"ball 50", damaged(2, [](BallRecord &r) { r.ball[5] = 50; })},
        {"bonus repeats", damaged(4, [](BallRecord &r) { r.ball[6] = r.ball[2]; })},
        {"out of order", damaged(2, [](BallRecord &r) { std::swap(r.ball[1], r.ball[2]); })},
        {"29 Feb 2003", damaged(4, dated(drawRecord(1, 1, {2003, 2, 29}, {})))},
        {"two draws on one date", damaged(3, dated(draws[1]))},
    };
    for (const auto &c : cases) {
        const int64_t announced = c.announced < 0 ? int64_t(c.body.size()) : c.announced;
        EXPECT_FALSE(checkDownload(c.status, announced, c.body.data(), c.body.size()).good)
            << c.name;
    }
}

TEST(DownloadCheck, DrawsADownloadWouldRemove)
{
    const auto local = makeHistory(10);
    auto without = [&](std::initializer_list<int> gone) {
        std::vector<BallRecord> left;
        for (int i = 0; i < 10; ++i)
            if (std::find(gone.begin(), gone.end(), i) == gone.end())
                left.push_back(local[size_t(i)]);
        return left;
    };
    auto repeated = local;
    repeated[5] = repeated[4]; // a history holding one date twice
    const struct
    {
        const char *name;
        std::vector<BallRecord> local;
        std::vector<BallRecord> downloaded;
        int removed;
    } cases[] = {
        {"the same draws", local, local, 0},
        {"more draws", without({9}), local, 0},
        {"draws 1 and 5 missing", local, without({0, 4}), 2},
        {"as many draws, one date different", local,
            [&] {
                auto d = local;
                d[3].day = 1 + d[3].day % 27;
                return d;
            }(),
            1},
        {"one draw fewer, every date kept", repeated, without({5}), 1},
        {"nothing downloaded", local, {}, 10},
    };
    for (const auto &c : cases)
        EXPECT_EQ(drawsRemoved(c.local, c.downloaded), c.removed) << c.name;
}

namespace {

// A job over a fresh folder holding `draws` draws (none: no history file), backed up.
struct Job
{
    explicit Job(int draws)
    {
        if (draws > 0)
            writeBytes(dir.file("sa.rtl"), old = bytesOf(makeHistory(draws)));
        EXPECT_EQ(job.begin(), "");
    }
    TempDir dir;
    std::vector<uint8_t> old;
    DownloadJob job {dir.file("sa.rtl"), dir.file("temp.rtl")};
    FakeDialogs dialogs;
};

} // namespace

TEST(DownloadJob, MissingHistoryCountsAsNoDrawsAndIsBackedUpEmpty)
{
    Job j(0);
    EXPECT_EQ(j.job.oldcount(), 0);
    EXPECT_TRUE(exists(j.dir.file("sa.rtl")));
    EXPECT_TRUE(readBytes(j.dir.file("temp.rtl")).empty());
}

TEST(DownloadJob, HistoryChangedDuringTheDownloadIsPutBackOrItsBackupKept)
{
    {
        Job j(30);
        writeBytes(j.dir.file("sa.rtl"), {9, 9, 9});
        j.job.cancel();
        j.dialogs.answer(false);
        EXPECT_EQ(j.job.finish(j.dialogs, {}), failedStopStatus);
        EXPECT_EQ(readBytes(j.dir.file("sa.rtl")), j.old);
        EXPECT_FALSE(exists(j.dir.file("temp.rtl")));
    }
    // Something that cannot be replaced has taken the history's place: the
    // user is told where the backup lies, and it stays.
    Job j(30);
    std::filesystem::remove(j.dir.file("sa.rtl"));
    std::filesystem::create_directory(j.dir.file("sa.rtl"));
    writeBytes(j.dir.file("sa.rtl/held"), {1});
    j.job.cancel();
    EXPECT_EQ(j.job.finish(j.dialogs, {}), someFailedStatus);
    ASSERT_EQ(j.dialogs.shown.size(), 2u);
    EXPECT_NE(j.dialogs.shown[0].text.find(j.dir.file("temp.rtl")), std::string::npos);
    EXPECT_EQ(j.dialogs.shown[1].text, failedQuestion());
    EXPECT_EQ(readBytes(j.dir.file("temp.rtl")), j.old);
}

TEST(DownloadJob, HangsUpWithoutAskingAfterSuccessAndAsksAfterFailure)
{
    const struct
    {
        const char *name;
        bool succeed;
        bool visible;
        std::vector<bool> answers; // the corrupt question, then the hang-up question
        bool hangupWorks;
        int hangups;
        std::vector<std::string> shown;
    } cases[] = {
        {"success", true, true, {}, true, 1, {}},
        {"success, box hidden", true, false, {}, true, 0, {}},
        {"failure, Yes", false, true, {true, true}, false, 1,
            {corruptQuestion(), hangupQuestion, hangupFailedMessage}},
        {"failure, No", false, true, {true, false}, true, 0, {corruptQuestion(), hangupQuestion}},
    };
    for (const auto &c : cases) {
        Job j(3);
        const auto body = c.succeed ? bytesOf(makeHistory(4)) : std::vector<uint8_t>(52, 0);
        ASSERT_TRUE(j.job.startBody(200, "200 OK", true, std::to_string(body.size())));
        ASSERT_TRUE(j.job.addPiece(body));
        j.job.complete();
        for (bool a : c.answers)
            j.dialogs.answer(a);
        int hangups = 0;
        FinishOptions options;
        options.checkBeforeOverwriting = false;
        options.check8Ticked = true;
        options.check8Visible = c.visible;
        options.hangup = [&] { return ++hangups, c.hangupWorks; };
        EXPECT_EQ(j.job.finish(j.dialogs, options), c.succeed ? allDoneStatus : someFailedStatus)
            << c.name;
        EXPECT_EQ(hangups, c.hangups) << c.name;
        EXPECT_EQ(j.dialogs.texts(), c.shown) << c.name;
    }
}

// The results server sends both games in one file: from 2 August 2017 the
// balls go to 52, before it to 49.
TEST(DownloadCheck, EachRecordByTheGameOfItsDate)
{
    const struct
    {
        Date last;
        int16_t highest; // the last draw's sixth main number
        const char *refused; // "" when taken
    } cases[] = {
        {{2017, 7, 29}, 49, ""},
        {{2017, 7, 29}, 50,
            "not a results file: draw 3, dated 29/7/2017, has the number 50, "
            "which is not between 1 and 49"},
        {{2017, 8, 2}, 52, ""},
        {{2017, 8, 2}, 53,
            "not a results file: draw 3, dated 2/8/2017, has the number 53, "
            "which is not between 1 and 52"},
    };
    for (const auto &c : cases) {
        const std::vector<BallRecord> draws {drawRecord(3, 1, {2017, 7, 22}, {1, 2, 3, 4, 5, 6, 7}),
            drawRecord(0, 2, {2017, 7, 26}, {1, 2, 3, 4, 5, 6, 7}),
            drawRecord(0, 3, c.last, {1, 2, 3, 4, 5, c.highest, 7})};
        const auto body = bytesOf(draws);
        const DownloadCheck check
            = checkDownload(200, int64_t(body.size()), body.data(), body.size());
        EXPECT_EQ(check.good, *c.refused == 0) << c.last.day << " " << c.highest;
        EXPECT_EQ(check.reason, c.refused);
    }
}
