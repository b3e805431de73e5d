#include "ledger/ledger.h"

#include "core/resultsimport.h"

#include "tests/support/testsupport.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

using namespace pickwise;
using namespace pickwise::testing;

namespace {

// Three real draws of November 2024 and one of October; the prizes of 9
// November are not known (it comes in the plain layout).
const std::string draws = std::string(csvHeader)
    + "2487,2024-11-02,1,2,3,4,5,6,7,0,0.00,0,0.00,0,0.00,0,0.00,0,0.00,0,0.00,0,0.00,0,0.00\n"
    + csvNov6 + csvNov13
    + "2024-11-09,29,49,46,20,6,7,31\n"
      "2024-10-30,1,2,3,4,5,6,7\n";

struct Folder
{
    TempDir dir;

    Folder()
    {
        importDraws(dir.file(resultsFileName), dir.file(prizesFileName), draws);
        entries({2024, 11, 6}, {{13, 18, 32, 42, 43, 16}, {1, 2, 3, 4, 5, 6}});
        entries({2024, 11, 9}, {{6, 7, 20, 1, 2, 3}, {8, 9, 10, 11, 12, 13}, {1, 2, 3, 4, 5, 8}});
        entries({2024, 11, 13}, {{3, 25, 33, 42, 9, 1}});
        entries({2024, 10, 30}, {{1, 2, 3, 4, 5, 6}}); // before the range
        entries({2024, 11, 20}, {{1, 2, 3, 4, 5, 6}}); // no draw yet
        entries({2024, 11, 2}, {}); // an empty file: nothing played
    }
    void entries(const Date &date, const std::vector<Entry> &lines) const
    {
        writeEntries(dir.file(datedEntryFileName(date.day, date.month, date.year)), lines);
    }
};

} // namespace

TEST(Ledger, SpentAndWonPerDrawWithUnknownPrizesCountedApart)
{
    Folder f;
    const auto before = std::distance(
        std::filesystem::directory_iterator(f.dir.path()), std::filesystem::directory_iterator());
    const ledger::Ledger l = ledger::build(DataPaths(f.dir.path(), f.dir.path()), {2024, 11, 1},
        {2024, 11, 30}, ledger::defaultBoardPrice);
    ASSERT_EQ(l.outcome, ledger::Ledger::Outcome::Done);
    ASSERT_EQ(l.rows.size(), 3u);

    // The saved text is made from the rows and totals: it shows each figure.
    EXPECT_EQ(l.totals.draws, 3);
    EXPECT_EQ(ledger::csvText(l),
        "date,boards,cost,won,balance,div1_lines,div2_lines,div3_lines,div4_lines,div5_lines,"
        "div6_lines,div7_lines,div8_lines,note\n"
        "2024-11-06,2,10.00,103463.40,103453.40,0,1,0,0,0,0,0,0,\n"
        "2024-11-09,3,15.00,0.00,103438.40,0,0,0,0,0,0,1,0,prizes not known for 1 winning line\n"
        "2024-11-13,1,5.00,1873.00,105306.40,0,0,0,1,0,0,0,0,\n"
        "total,6,30.00,105336.40,105306.40,0,1,0,1,0,0,1,0,prizes not known for 1 winning line "
        "on 1 draw: not counted\n");

    // Only read: no entry file was made for a draw without one.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(f.dir.path()),
                  std::filesystem::directory_iterator()),
        before);
}

TEST(Ledger, RangeAndPriceAndAMissingPrizeFile)
{
    Folder f;
    std::filesystem::remove(f.dir.file(prizesFileName));
    const ledger::Ledger l
        = ledger::build(DataPaths(f.dir.path(), f.dir.path()), {2024, 10, 30}, {2024, 11, 6}, 300);
    ASSERT_EQ(l.rows.size(), 2u);
    EXPECT_EQ(l.rows[0].date, (Date {2024, 10, 30}));
    EXPECT_EQ(l.rows[0].won.unknownLines, 1); // six numbers, no prizes at all
    EXPECT_EQ(l.rows[1].cost, 600);
    EXPECT_EQ(l.totals.won.total, 0);
    EXPECT_EQ(l.totals.balance, -900);
    EXPECT_EQ(l.totals.unknownDraws, 2);

    EXPECT_TRUE(ledger::build(DataPaths(f.dir.path(), f.dir.path()), {2025, 1, 1}, {2025, 12, 31},
        ledger::defaultBoardPrice)
                    .rows.empty());

    std::atomic<bool> cancel {true};
    Progress progress;
    progress.cancel = &cancel;
    EXPECT_EQ(ledger::build(DataPaths(f.dir.path(), f.dir.path()), {2024, 1, 1}, {2024, 12, 31},
                  500, progress)
                  .outcome,
        ledger::Ledger::Outcome::Cancelled);
}

TEST(Ledger, BoardPriceFile)
{
    TempDir dir;
    const std::string path = dir.file("boardprice.dat");
    EXPECT_EQ(ledger::readBoardPrice(path), ledger::defaultBoardPrice);
    EXPECT_FALSE(exists(path)); // only read

    ASSERT_EQ(ledger::writeBoardPrice(path, 320), "");
    EXPECT_EQ(slurp(path), "3.20\n");
    EXPECT_EQ(ledger::readBoardPrice(path), 320);

    // Anything else than an amount counts the default.
    const std::pair<const char *, Cents> cases[] = {{"2.5\r\n", 250}, {"0.00\n", 0},
        {"", ledger::defaultBoardPrice}, {"R3.00\n", ledger::defaultBoardPrice},
        {"-1.00\n", ledger::defaultBoardPrice}, {"3,20\n", ledger::defaultBoardPrice}};
    for (const auto &[content, price] : cases) {
        writeBytes(path, std::vector<uint8_t>(content, content + std::strlen(content)));
        EXPECT_EQ(ledger::readBoardPrice(path), price) << content;
    }
}
