#include "core/resultscsv.h"
#include "core/resultsimport.h"

#include "tests/support/testsupport.h"

#include <gtest/gtest.h>

using namespace pickwise;
using namespace pickwise::testing;
using resultsimport::Summary;

namespace {

std::vector<int> linesOf(const std::vector<resultscsv::Rejected> &rejected)
{
    std::vector<int> lines;
    for (const auto &r : rejected)
        lines.push_back(r.line);
    return lines;
}

// A data folder with a history and a prize file, loaded.
struct Folder
{
    TempDir dir;
    ResultsHistory history {dir.file("sa.rtl")};
    PrizeStore prizes {dir.file(prizesFileName)};

    void load()
    {
        ASSERT_EQ(history.load(), "");
        prizes.load();
    }
    std::vector<uint8_t> historyBytes() const { return readBytes(dir.file("sa.rtl")); }
    std::string prizeText() const { return slurp(dir.file(prizesFileName)); }
};

} // namespace

// Every row on its own: what is taken, and why the others are not. (Too few
// fields and a day that is no date: in the import's message below.)
TEST(ResultsCsv, EachRowTakenOrRejectedOnItsOwn)
{
    struct Case
    {
        std::string row;
        std::string reason; // "" when taken
    };
    const Case cases[] = {
        {"2024-11-13,3,33,42,25,45,35,9", ""},
        {"13/11/2024,3,33,42,25,45,35,9", ""},
        {"2/8/2017,31,49,8,39,29,12,52", ""}, // 52 on the first day of 6 of 52
        {"  2017-08-02 , 31 ,49,08,39,29,12,17 ", ""},
        {"2017-07-29,26,49,16,25,35,19,50",
            "the number 50 is not between 1 and 49 (the 6 of 49 game of that date)"},
        {"2024-11-13,3,33,42,25,45,53,9",
            "the number 53 is not between 1 and 52 (the 6 of 52 game of that date)"},
        {"2024-11-13,0,33,42,25,45,35,9",
            "the number 0 is not between 1 and 52 (the 6 of 52 game of that date)"},
        {"2024-11-13,3,33,42,25,45,33,9", "has the number 33 twice"},
        {"2024-11-13,3,33,42,25,45,35,3", "has the number 3 twice"},
        {"2020-13-01,1,2,3,4,5,6,7", "\"2020-13-01\" is not a date"},
        {"13.11.2024,1,2,3,4,5,6,7", "\"13.11.2024\" is not a date"},
        {"2024-11-13,3,33,42,25,45,35.0,9", "\"35.0\" is not a ball number"},
        {"2024-11-13,3,33,42,25,45,-35,9", "\"-35\" is not a ball number"},
        {"2024-11-13,3,33,42,25,45,35,9,1",
            "has 9 fields where a row has 8 (date, six numbers, "
            "bonus) or 25 (with the draw number and the prizes)"},
        {csvNov13, ""},
        {"1731,2017-07-29,26,49,16,25,35,19,48,0,0.00,0,0.00,69,9598.90,167,3285.60,3663,136.30,"
         "4178,122.10,62786,50.00,1,20.00",
            "the 6 of 49 game of that date has no division 8"},
        {"2490,2024-11-13,3,33,42,25,45,35,9,0,0.00,1,88741.00,32,4822.90,103,1873,2015,R160.90,"
         "3014,93.40,38537,50.00,31469,20.00",
            "\"R160.90\" is not a prize in rand"},
    };
    for (const Case &c : cases) {
        // A data row as the first line: no header to pass over.
        const auto parsed = resultscsv::parse(c.row + "\n");
        if (c.reason.empty()) {
            ASSERT_EQ(parsed.rows.size(), 1u) << c.row;
            EXPECT_TRUE(parsed.rejected.empty()) << c.row;
        } else {
            ASSERT_EQ(parsed.rejected.size(), 1u) << c.row;
            EXPECT_EQ(parsed.rejected[0].reason, c.reason);
            EXPECT_EQ(parsed.rejected[0].line, 1);
            EXPECT_TRUE(parsed.rows.empty()) << c.row;
        }
    }
}

TEST(ResultsCsv, RowsKeepTheirLineAndSortedBallsAndFullRowsTheirPrizes)
{
    std::string nov6 = csvNov6, nov13 = csvNov13;
    nov6.insert(nov6.size() - 1, "\r");
    nov13.pop_back(); // no line end after the last row
    const std::string text
        = std::string("\xEF\xBB\xBF") + csvHeader + nov6 + "\r\n" + "junk\r\n" + nov13;
    const auto parsed = resultscsv::parse(text);
    ASSERT_EQ(parsed.rows.size(), 2u);
    EXPECT_EQ(linesOf(parsed.rejected), std::vector<int> {4});
    const resultscsv::Row &row = parsed.rows[1];
    EXPECT_EQ(row.line, 5);
    EXPECT_EQ(row.date, (Date {2024, 11, 13}));
    EXPECT_EQ(row.balls, (Draw {3, 25, 33, 35, 42, 45, 9}));
    ASSERT_TRUE(row.hasPrizes);
    EXPECT_EQ(row.prizes.perBoard,
        (std::array<Cents, 8> {0, 8874100, 482290, 187300, 16090, 9340, 5000, 2000}));

    // A plain file: header or not, its rows carry no prizes.
    for (const std::string header : {"", "date,n1,n2,n3,n4,n5,n6,bonus\n"}) {
        const auto plain = resultscsv::parse(header + "2024-11-13,3,33,42,25,45,35,9\n");
        ASSERT_EQ(plain.rows.size(), 1u);
        EXPECT_FALSE(plain.rows[0].hasPrizes);
        EXPECT_EQ(plain.rows[0].line, header.empty() ? 1 : 2);
    }
}

TEST(ResultsImport, AddsNewDatesSkipsTheSameAndLeavesConflicts)
{
    Folder f;
    writeHistory(f.dir.file("sa.rtl"),
        {drawRecord(2, 1, {2024, 11, 6}, {13, 18, 32, 42, 43, 50, 16}),
            drawRecord(0, 2, {2024, 11, 13}, {3, 25, 33, 35, 42, 45, 9})});
    f.load();
    const std::string text = "date,n1,n2,n3,n4,n5,n6,bonus\n"
                             "2024-11-13,3,33,42,25,45,35,9\n" // held alike: skipped
                             "2024-11-09,29,49,46,20,6,7,31\n" // new, between the two
                             "06/11/2024,1,2,3,4,5,6,7\n" // held with other numbers
                             "2024-11-16,1,2,3,4,5,6,53\n" // rejected
                             "2024-11-09,29,49,46,20,6,7,31\n" // the same row again
                             "2024-11-09,1,2,3,4,5,6,7\n" // other numbers than line 3's
                             "2024-11-02,1,2,3,4,5,6,7\n"; // new, before all
    const Summary s = resultsimport::importText(f.history, f.prizes, text);
    ASSERT_EQ(s.outcome, Summary::Outcome::Done);
    EXPECT_EQ(s.added, 2);
    EXPECT_EQ(s.skipped, 2);
    ASSERT_EQ(s.conflicts.size(), 2u);
    EXPECT_EQ(s.conflicts[0].line, 4);
    EXPECT_EQ(s.conflicts[0].held, (Draw {13, 18, 32, 42, 43, 50, 16}));
    EXPECT_EQ(s.conflicts[1].line, 7);
    EXPECT_EQ(linesOf(s.rejected), std::vector<int> {5});
    EXPECT_TRUE(s.changed());

    const auto records = recordsOf(f.historyBytes());
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(records[0], drawRecord(4, 1, {2024, 11, 2}, {1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(records[1].day, 6);
    EXPECT_EQ(records[2], drawRecord(0, 3, {2024, 11, 9}, {6, 7, 20, 29, 46, 49, 31}));
    EXPECT_EQ(records[3], drawRecord(0, 4, {2024, 11, 13}, {3, 25, 33, 35, 42, 45, 9}));
    EXPECT_EQ(f.history.size(), 4);
    EXPECT_FALSE(exists(f.dir.file(prizesFileName))); // no row had prizes

    EXPECT_EQ(resultsimport::summaryText(s),
        "2 draws added, 2 already in the history, 2 in conflict with it, 1 row rejected.\n\n"
        "In conflict, left as the history holds them:\n"
        "line 4: the history holds 13 18 32 42 43 50 bonus 16 for 6/11/2024\n"
        "line 7: the history holds 06 07 20 29 46 49 bonus 31 for 9/11/2024\n\n"
        "Rejected:\n"
        "line 5: the number 53 is not between 1 and 52 (the 6 of 52 game of that date)");
}

// Prizes of full rows join the prize file with the draws, in the same write;
// known amounts are never changed.
TEST(ResultsImport, PrizesAreAddedCompletedAndNeverOverwritten)
{
    Folder f;
    writeHistory(
        f.dir.file("sa.rtl"), {drawRecord(1, 1, {2024, 11, 6}, {13, 18, 32, 42, 43, 50, 16})});
    writeBytes(f.dir.file(prizesFileName),
        {'2', '0', '2', '4', '-', '1', '1', '-', '0', '6', ',', ',', '9', '.', '9', '9', ',', ',',
            ',', ',', ',', ',', '\n'});
    f.load();
    const std::string nov6Known = "2488,2024-11-06,43,32,13,42,18,50,16,0,0.00,1,9.99,29,6204.70,"
                                  "96,2342.90,2056,183.80,2707,121.20,40144,50.00,31995,20.00";
    const Summary s = resultsimport::importText(
        f.history, f.prizes, std::string(csvHeader) + csvNov6 + csvNov13 + nov6Known + "\n");
    ASSERT_EQ(s.outcome, Summary::Outcome::Done);
    EXPECT_EQ(s.added, 1);
    EXPECT_EQ(s.skipped, 1);
    // Line 2 differs from the known 9.99 of division 2 and is left out; line
    // 4 agrees with it and fills in the divisions not known.
    EXPECT_EQ(s.prizesTaken, 2);
    ASSERT_EQ(s.conflicts.size(), 1u);
    EXPECT_EQ(s.conflicts[0].line, 2);
    EXPECT_FALSE(s.conflicts[0].otherNumbers);
    EXPECT_EQ(f.prizeText(),
        "date,div1,div2,div3,div4,div5,div6,div7,div8\n"
        "2024-11-06,,9.99,6204.70,2342.90,183.80,121.20,50.00,20.00\n"
        "2024-11-13,,88741.00,4822.90,1873.00,160.90,93.40,50.00,20.00\n");
    EXPECT_NE(resultsimport::summaryText(s).find(
                  "line 2: other prize money than the history holds for 6/11/2024"),
        std::string::npos);

    // A prize file not read is not written over: the whole import stops.
    Folder unread;
    ASSERT_EQ(unread.history.load(), "");
    const Summary refused = resultsimport::importText(
        unread.history, unread.prizes, std::string(csvHeader) + csvNov13);
    EXPECT_EQ(refused.outcome, Summary::Outcome::Failed);
    EXPECT_EQ(refused.error, "The prize file has not been read.");
    EXPECT_FALSE(exists(unread.dir.file("sa.rtl")));

    // Only the divisions not known are filled in.
    PrizeStore again(f.dir.file(prizesFileName));
    again.load();
    DrawPrizes more;
    more.perBoard = {100, 999, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(again.merge({2024, 11, 6}, more), PrizeStore::Merge::Completed);
    EXPECT_EQ(again.merge({2024, 11, 6}, more), PrizeStore::Merge::Same);
    more.perBoard[1] = 998;
    EXPECT_EQ(again.merge({2024, 11, 6}, more), PrizeStore::Merge::Differs);
    EXPECT_EQ(again.find({2024, 11, 6})->perBoard[0], 100);
}

// Input that brings nothing: no write at all, and the message says so.
TEST(ResultsImport, NothingChangesWithoutAValidRowOrOnCancel)
{
    struct Case
    {
        std::string text;
        Summary::Outcome outcome;
        std::string message;
    };
    std::string binary;
    for (int i = 0; i < 4096; ++i)
        binary += static_cast<char>((i * 7919) % 256);
    const Case cases[] = {
        {"", Summary::Outcome::Empty, "The file holds no results, so nothing was imported."},
        {"date,n1,n2,n3,n4,n5,n6,bonus\r\n\r\n", Summary::Outcome::Empty,
            "The file holds no results, so nothing was imported."},
        {"2024-11-20,1,2,3,4,5,6\n31/02/2020,1,2,3,4,5,6,7", Summary::Outcome::NoValidRow,
            "No row of the file is a valid result, so nothing was imported.\n\nRejected:\n"
            "line 1: has 7 fields where a row has 8 (date, six numbers, bonus) or 25 (with the "
            "draw number and the prizes)\n"
            "line 2: \"31/02/2020\" is not a date"},
        {binary, Summary::Outcome::NoValidRow, ""},
    };
    for (const Case &c : cases) {
        Folder f;
        writeHistory(f.dir.file("sa.rtl"), makeHistory(3));
        f.load();
        const auto before = f.historyBytes();
        const Summary s = resultsimport::importText(f.history, f.prizes, c.text);
        EXPECT_EQ(s.outcome, c.outcome);
        if (!c.message.empty()) {
            EXPECT_EQ(resultsimport::summaryText(s), c.message);
        }
        EXPECT_FALSE(s.changed());
        EXPECT_EQ(f.historyBytes(), before);
        EXPECT_FALSE(exists(f.dir.file(prizesFileName)));
    }

    // Cancelled after the first report, before or while reading the rows.
    for (const int reports : {1, 2}) {
        Folder f;
        f.load();
        std::string many = csvHeader;
        for (int i = 0; i < 600; ++i)
            many += csvNov13;
        std::atomic<bool> cancel {false};
        int seen = 0;
        Progress progress;
        progress.cancel = &cancel;
        progress.report = [&](long long, long long) {
            if (++seen == reports)
                cancel = true;
        };
        const Summary s = resultsimport::importText(f.history, f.prizes, many, progress);
        EXPECT_EQ(s.outcome, Summary::Outcome::Cancelled);
        EXPECT_EQ(resultsimport::summaryText(s), "The import was cancelled; nothing was changed.");
        EXPECT_FALSE(exists(f.dir.file("sa.rtl")));
        EXPECT_FALSE(exists(f.dir.file(prizesFileName)));
    }
}

TEST(ResultsImport, ProgressRisesToTheEndAndLongListsAreCut)
{
    Folder f;
    f.load();
    std::string text;
    for (int i = 1; i <= 2000; ++i)
        text += "2024-11-13,1,2,3,4,5,6," + std::to_string(i % 2 ? 7 : 99) + "\n";
    std::vector<std::pair<long long, long long>> reports;
    Progress progress;
    progress.report = [&](long long done, long long total) { reports.emplace_back(done, total); };
    const Summary s = resultsimport::importText(f.history, f.prizes, text, progress);
    EXPECT_EQ(s.added, 1);
    EXPECT_EQ(s.skipped, 999);
    EXPECT_EQ(s.rejected.size(), 1000u);
    ASSERT_GT(reports.size(), 3u);
    for (size_t i = 1; i < reports.size(); ++i)
        EXPECT_LE(reports[i - 1].first, reports[i].first);
    EXPECT_EQ(reports.back().first, reports.back().second);

    const std::string message = resultsimport::summaryText(s);
    EXPECT_NE(message.find("\nline 40: "), std::string::npos);
    EXPECT_EQ(message.find("\nline 42: "), std::string::npos);
    EXPECT_NE(message.find("\nand 980 more, the last on line 2000"), std::string::npos);
}
