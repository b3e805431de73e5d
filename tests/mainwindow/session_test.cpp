#include "mainwindow/session.h"

#include "core/entryfiles.h"
#include "tests/support/installation.h"

#include <gtest/gtest.h>

#include <functional>

using namespace pickwise;
using namespace pickwise::testing;

namespace {

const std::vector<Entry> sixEntries {{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12},
    {13, 14, 15, 16, 17, 18}, {19, 20, 21, 22, 23, 24}, {25, 26, 27, 28, 29, 30},
    {31, 32, 33, 34, 35, 36}};

} // namespace

// What a listed file is comes from what opened it. The installation's data
// folder has a "-" and "Stand" in its name, as a user's home folder may: the
// dated entries in it stay dated entries.
TEST(Session, TheOpenerNotTheFolderTellsWhatIsListed)
{
    Installation in({2015, 12, 5}); // a Saturday of the 6 of 49 game
    ASSERT_NE(in.paths.dataFolder().find('-'), std::string::npos);
    ASSERT_NE(in.paths.dataFolder().find("Stand"), std::string::npos);
    writeEntries(in.todayFile(), sixEntries);
    writeEntries(in.paths.standingEntries(), sixEntries);
    writeEntries(in.paths.wheelEntries("Lotto-6-6-5.lot"), sixEntries);
    MainSession &s = in.session;
    const struct
    {
        const char *name;
        std::function<void()> open;
        EntryFileKind kind;
        int16_t wheelno;
        int listed;
        std::string question; // asked before the entry window opens
        std::string caption;
    } cases[] = {
        {"dated, a draw day",
            [&] {
                s.listDated({2015, 12, 5});
            },
            EntryFileKind::Dated, 0, 6, "", "Lotto Entries for  5 DEC 2015"},
        {"dated, a Monday",
            [&] {
                s.listDated({2015, 12, 7});
            },
            EntryFileKind::Dated, 0, 0, mainmsg::notEntryDay, "Lotto Entries for  7 DEC 2015"},
        {"standing", [&] { s.listStanding(); }, EntryFileKind::Standing, 0, 6, "",
            "Standing Entry"},
        {"wheel 2", [&] { s.openWheel(2); }, EntryFileKind::Wheel, 2, 6, mainmsg::modifyWheel,
            "Wheel Entry"},
        {"wheel 2 again, dated first",
            [&] {
                s.listDated({2015, 12, 5});
            },
            EntryFileKind::Dated, 0, 6, "", "Lotto Entries for  5 DEC 2015"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        c.open();
        EXPECT_EQ(s.kind(), c.kind);
        EXPECT_EQ(s.wheelno(), c.wheelno);
        EXPECT_EQ(s.listedCount(), c.listed);
        EXPECT_EQ(s.entryWindow().question, c.question);
        EXPECT_EQ(s.entryWindow().caption, c.caption);
    }
}

// After a deletion the listing holds what the file holds, line for line, and
// so does what the main window shows.
TEST(Session, DeletedEntriesLeaveTheListingAsTheFile)
{
    const std::vector<std::vector<bool>> selections {
        {true},
        {false, false, false, false, false, true},
        {true, false, true, false, true, false},
        {false, true, true}, // the lines beyond are not selected
        std::vector<bool>(6, true),
    };
    for (const std::vector<bool> &selected : selections) {
        Installation in;
        in.entries(sixEntries);
        ASSERT_EQ(in.session.deleteEntries(selected), "");
        std::vector<Entry> stored;
        ASSERT_EQ(entryfiles::list(in.todayFile(), stored), "");
        EXPECT_EQ(in.session.entries(), stored);
        std::vector<std::string> lines;
        for (const Entry &e : stored)
            lines.push_back(entryLineText(e));
        EXPECT_EQ(in.main.entryLines, lines);
        EXPECT_EQ(in.main.entryCount, std::to_string(stored.size()));
    }
}

// Entries belong to the game of their date: a dated file to its entries date's,
// the standing and wheel entries to today's, whatever draw is shown.
TEST(Session, TheListingsGameIsItsDatesOrTodays)
{
    Installation in({2017, 8, 2}); // the first day of the 6 of 52 game
    MainSession &s = in.session;
    s.listDated({2017, 7, 29});
    EXPECT_EQ(s.listingGame({2017, 8, 2}).highestBall, 49);
    s.listDated({2017, 8, 2});
    EXPECT_EQ(s.listingGame({2017, 8, 2}).highestBall, 52);
    writeEntries(in.paths.standingEntries(), sixEntries);
    s.listStanding();
    EXPECT_EQ(s.listingGame({2017, 8, 1}).highestBall, 49);
    EXPECT_EQ(s.listingGame({2017, 8, 2}).highestBall, 52);
}
