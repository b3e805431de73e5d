#include "core/damage.h"
#include "core/drawcheck.h"
#include "core/results.h"

#include "tests/support/testsupport.h"

#include <gtest/gtest.h>

using namespace pickwise;
using namespace pickwise::testing;

namespace {

// n entry records, the first with this count.
std::vector<uint8_t> entryBytes(int n, int32_t count)
{
    std::vector<BallRecord> records;
    for (const Entry &e : randomEntries(n))
        records.push_back(entryRecord(0, e));
    records[0].count = count;
    return bytesOf(records);
}

// Answers every question Yes and keeps what was said.
struct Talk
{
    std::vector<std::string> asked;
    std::vector<std::string> told;
    DamageRegister::Ask ask()
    {
        return [this](const std::string &q) { return asked.push_back(q), true; };
    }
    DamageRegister::Tell tell()
    {
        return [this](const std::string &m) { told.push_back(m); };
    }
};

} // namespace

TEST(CountDamage, BelowZeroOrAboveTheRecordsPresent)
{
    const struct
    {
        const char *name;
        std::vector<uint8_t> bytes;
        bool damaged;
    } cases[] = {
        {"empty file", {}, false},
        {"count 0 before stale records", entryBytes(3, 0), false},
        {"count as records", entryBytes(19, 19), false},
        {"count below records", entryBytes(19, 4), false},
        {"count -3", entryBytes(19, -3), true},
        {"count above records", entryBytes(19, 20), true},
        {"a partial record is not a record",
            [] {
                auto b = entryBytes(2, 3);
                b.resize(b.size() + 10, 7);
                return b;
            }(),
            true},
        {"a few bytes saying 1", {1, 0}, true},
    };
    for (const auto &c : cases)
        EXPECT_EQ(checkCount(c.bytes).damaged(), c.damaged) << c.name;
}

TEST(CountDamage, EntryRecoveryChangesOnlyTheCount)
{
    auto bytes = entryBytes(19, -3);
    bytes.push_back(0xAB); // a trailing partial record stays as it is
    auto wanted = entryBytes(19, 19);
    wanted.push_back(0xAB);
    CountDamage damage;
    ASSERT_TRUE(findCountDamage(bytes, RecordKind::Entries, lottoHighestBall, damage));
    EXPECT_EQ(damage.kept, 19);
    EXPECT_EQ(damage.recovered, wanted);
}

TEST(CountDamage, ResultsRecoveryKeepsValidDrawsInDateOrderAndSetsTheRestAside)
{
    auto draws = makeHistory(10, {2003, 1, 4});
    draws[3].ball[2] = 300; // record 4: not a valid draw
    draws[6].year = 2002; // record 7: before the draws kept so far
    draws[0].count = -1;
    auto bytes = bytesOf(draws);
    bytes.insert(bytes.end(), {1, 2, 3}); // a partial record

    CountDamage damage;
    ASSERT_TRUE(findCountDamage(bytes, RecordKind::Results, lottoHighestBall, damage));
    EXPECT_EQ(damage.kept, 8);
    // Every byte is still there: the kept draws renumbered, then records 4 and 7
    // as they were, then the partial record.
    std::vector<BallRecord> expected;
    for (int r : {0, 1, 2, 4, 5, 7, 8, 9}) {
        expected.push_back(draws[size_t(r)]);
        expected.back().drawno = int16_t(expected.size());
    }
    expected.push_back(draws[3]);
    expected.push_back(draws[6]);
    expected[0].count = 8;
    auto wanted = bytesOf(expected);
    wanted.insert(wanted.end(), {1, 2, 3});
    EXPECT_EQ(damage.recovered, wanted);

    const std::string question = recoveryQuestion("/data/sa.rtl", RecordKind::Results, damage);
    EXPECT_EQ(question,
        "The results file /data/sa.rtl is damaged: its count says -1, but it holds 10 whole "
        "records.\n\nDo you want to recover the 8 draws among them that are valid and in date "
        "order? Yes sets its count to 8. The 2 records that are not stay in the file after "
        "them, where nothing reads them. No leaves the file exactly as it is, and nothing will "
        "be written to it until Pickwise is started again.");
}

// No (the bytes stay, asked once, writes refused) is followed through the main
// window in tests/damage.
TEST(DamageRegister, YesRecoversAndIsAskedOnce)
{
    TempDir dir;
    const std::string path = dir.file("Lotto05DEC2015.lot");
    const auto damaged = entryBytes(19, -3);

    // Yes: recovered atomically, and then sound without a second question.
    writeBytes(path, damaged);
    DamageRegister yesRegister;
    Talk yes, none;
    EXPECT_EQ(yesRegister.review(path, RecordKind::Entries, yes.ask(), yes.tell()),
        DamageRegister::Outcome::Recovered);
    EXPECT_EQ(readBytes(path), entryBytes(19, 19));
    EXPECT_TRUE(yesRegister.mayWrite(path, RecordKind::Entries, yes.ask(), yes.tell()));
    ASSERT_EQ(yes.asked.size(), 1u);
    EXPECT_EQ(yes.asked[0],
        "The entry file " + path
            + " is damaged: its count says -3, but it holds 19 whole records.\n\nDo you want to "
              "recover the 19 entries it holds? Yes sets its count to 19. No leaves the file "
              "exactly as it is, and nothing will be written to it until Pickwise is started "
              "again.");

    // A sound or missing file is never asked about.
    writeEntries(dir.file("sound.lot"), randomEntries(3));
    for (const std::string &p : {dir.file("sound.lot"), dir.file("missing.lot")})
        EXPECT_TRUE(yesRegister.mayWrite(p, RecordKind::Entries, none.ask(), none.tell())) << p;
    EXPECT_TRUE(none.asked.empty() && none.told.empty());
    EXPECT_FALSE(exists(dir.file("missing.lot")));
}

// Whatever window writes, the record file itself refuses to write behind a
// damaged count.
TEST(CountDamage, NoRecordIsWrittenBehindADamagedCount)
{
    TempDir dir;
    const std::string path = dir.file("sa.rtl");
    for (const int32_t count : {-1, 11}) {
        auto draws = makeHistory(10);
        draws[0].count = count;
        writeHistory(path, draws);
        const auto before = readBytes(path);
        EXPECT_NE(results::insertDraw(path, {2015, 12, 5}, {1, 2, 3, 4, 5, 6, 7}), "") << count;
        EXPECT_NE(results::deleteDraw(path, 1), "") << count;
        EXPECT_EQ(readBytes(path), before) << count;
    }
}

// The download check's table covers each fault of one draw; here what that
// table cannot see: the number reported, the order of the checks, the game's
// highest ball, and the position and text for a history.
TEST(DrawCheck, OneDrawAndAHistory)
{
    BallRecord draw = makeHistory(1)[0];
    draw.ball[0] = draw.ball[1];
    draw.ball[5] = -7;
    const DrawProblem both = validateDraw(draw, lottoHighestBall);
    EXPECT_EQ(both.fault, DrawFault::OutOfRange); // before the repeat, as Add Result always had
    EXPECT_EQ(both.number, -7);
    draw = makeHistory(1)[0];
    draw.ball[6] = 52;
    EXPECT_TRUE(validateDraw(draw, lottoHighestBall));
    EXPECT_FALSE(validateDraw(draw, 52));

    auto draws = makeHistory(20, {2003, 3, 1});
    EXPECT_EQ(firstBadDraw(draws, lottoHighestBall).draw, 0);
    draws[11] = draws[10]; // the same date twice
    EXPECT_EQ(firstBadDraw(draws, lottoHighestBall).draw, 12);
    EXPECT_EQ(firstBadDraw(draws, lottoHighestBall).problem.fault, DrawFault::NotAfter);
    draws[4].ball[3] = 300;
    EXPECT_EQ(damagedResultsMessage(draws, lottoHighestBall),
        "The results file looks damaged: draw 5, dated 15/3/2003, has the number 300, which is "
        "not between 1 and 49.\n\nYou can download the results again (File, Update Results), or "
        "show that draw on the main window and delete it (Delete Draw).");
}
