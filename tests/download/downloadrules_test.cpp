#include "download/downloadrules.h"

#include "tests/support/testsupport.h"

#include <gtest/gtest.h>

using namespace pickwise;
using namespace pickwise::download;
using namespace pickwise::testing;

TEST(DownloadRules, StateTextsAndTheirEffect)
{
    struct Case
    {
        int code;
        const char *text;
        int16_t dlstate; // starting from Running
    };
    const Case cases[] = {
        {0, "No state to report", Running},
        {1, "Looking up the IP address of the specified host computer", Running},
        {7, "Receiving a response from the host computer", Running},
        {10, "Successfully disconnected from the host computer", Running},
        {11, "An error occured in communicating with the host computer", TransferError},
        {12, "The request has completed and all data has been received", Complete},
        {13, "Unknown state: 13", Cancelled},
        {-2, "Unknown state: -2", Cancelled},
    };
    for (const Case &c : cases) {
        int16_t state = Running;
        EXPECT_EQ(statetext(c.code, state), c.text) << c.code;
        EXPECT_EQ(state, c.dlstate) << c.code;
    }
}

TEST(DownloadRules, ContentLengthMustBeAPositive32BitNumber)
{
    struct Case
    {
        const char *text;
        bool ok;
        int32_t length;
    };
    const Case cases[] = {
        {"1000", true, 1000},
        {" 39052 ", true, 39052},
        {"2147483647", true, 2147483647},
        {"2147483648", false, 0},
        {"0", false, 0},
        {"", false, 0},
        {"-26", false, 0},
        {"12abc", false, 0},
        {"1 2", false, 0},
    };
    for (const Case &c : cases) {
        int32_t length = -1;
        EXPECT_EQ(parseContentLength(c.text, length), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(length, c.length) << c.text;
        }
    }
}

TEST(DownloadRules, ProgressStepIsRoundedToFourPlacesAndStopsAt100)
{
    EXPECT_DOUBLE_EQ(progressStep(1000), 25.6);
    EXPECT_DOUBLE_EQ(progressStep(3), 8533.3333);
    EXPECT_DOUBLE_EQ(progressStep(39052), 0.6555); // 0.655536...

    // 1000 bytes come as 256, 256, 256 and 232: the fourth step would pass 100.
    double value = 0;
    std::vector<double> seen;
    for (int piece = 0; piece < 4; ++piece) {
        value = advanceProgress(value, progressStep(1000));
        seen.push_back(value);
    }
    ASSERT_EQ(seen.size(), 4u);
    EXPECT_DOUBLE_EQ(seen[0], 25.6);
    EXPECT_DOUBLE_EQ(seen[1], 51.2);
    EXPECT_NEAR(seen[2], 76.8, 1e-9);
    EXPECT_EQ(seen[3], 100.0);
    EXPECT_EQ(advanceProgress(100.0, 25.6), 100.0);
}

namespace {

std::vector<uint8_t> historyBytes(int n)
{
    return bytesOf(makeHistory(n));
}

DownloadCheck check(const std::vector<uint8_t> &body, int status = 200)
{
    return checkDownload(status, static_cast<int64_t>(body.size()), body.data(), body.size());
}

} // namespace

TEST(DownloadCheck, AcceptsAWholeHistoryAndReportsItsNewestDraw)
{
    auto draws = makeHistory(5);
    // Records beyond the count may hold anything, as in the program's own file.
    draws.push_back(BallRecord {});
    draws[0].count = 5;
    const auto body = bytesOf(draws);
    const DownloadCheck c = check(body);
    EXPECT_TRUE(c.good) << c.reason;
    EXPECT_EQ(c.count, 5);
    EXPECT_EQ(c.newest, (Date {draws[4].year, draws[4].month, draws[4].day}));
}

TEST(DownloadCheck, RefusesEverythingThatIsNotAWholeValidHistory)
{
    const auto good = historyBytes(4);
    auto damaged = [&](int record, auto change) {
        auto draws = recordsOf(good);
        change(draws[static_cast<size_t>(record - 1)]);
        return bytesOf(draws);
    };
    struct Case
    {
        const char *name;
        std::vector<uint8_t> body;
        int status;
        int64_t announced; // -1: the body's own length
    };
    std::vector<uint8_t> truncated(good.begin(), good.end() - 26);
    std::vector<uint8_t> ragged(good.begin(), good.end() - 3);
    const std::string page = "<html><body>Not Found</body></html>";
    const Case cases[] = {
        {"status 404", good, 404, -1},
        {"shorter than announced", truncated, 200, static_cast<int64_t>(good.size())},
        {"not whole records", ragged, 200, -1},
        {"empty", {}, 200, -1},
        {"error page", std::vector<uint8_t>(page.begin(), page.end()), 200, -1},
        {"fewer records than the count", truncated, 200, -1},
        {"count 0", damaged(1, [](BallRecord &r) { r.count = 0; }), 200, -1},
        {"ball 0", damaged(3, [](BallRecord &r) { r.ball[0] = 0; }), 200, -1},
        {"ball 50", damaged(2, [](BallRecord &r) { r.ball[5] = 50; }), 200, -1},
        {"bonus repeats a main number", damaged(4, [](BallRecord &r) { r.ball[6] = r.ball[2]; }),
            200, -1},
        {"main numbers out of order",
            damaged(2, [](BallRecord &r) { std::swap(r.ball[1], r.ball[2]); }), 200, -1},
        {"29 February 2003",
            damaged(3,
                [](BallRecord &r) {
                    r.day = 29;
                    r.month = 2;
                    r.year = 2003;
                }),
            200, -1},
        {"two draws on one date",
            damaged(3,
                [&](BallRecord &r) {
                    const BallRecord before = recordsOf(good)[1];
                    r.day = before.day;
                    r.month = before.month;
                    r.year = before.year;
                }),
            200, -1},
    };
    // The truncated body still starts with a plausible first number: a check of
    // record 1 alone would have let it replace a good history.
    ASSERT_TRUE(recordsOf(truncated)[0].ball[0] >= 1);
    for (const Case &c : cases) {
        const int64_t announced
            = c.announced < 0 ? static_cast<int64_t>(c.body.size()) : c.announced;
        const DownloadCheck verdict
            = checkDownload(c.status, announced, c.body.data(), c.body.size());
        EXPECT_FALSE(verdict.good) << c.name;
    }
    EXPECT_TRUE(check(good).good);
}
