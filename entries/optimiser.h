#pragma once

#include "core/ballrecord.h"
#include "core/dates.h"
#include "core/game.h"
#include "core/lines.h"
#include "core/recordfile.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace pickwise::optimiser {

// links(a, b): how many of the processed draws held both a and b among their
// six main numbers (the bonus ball does not count). The draws are of one game,
// and a and b run over its balls.
class LinkTable
{
public:
    int16_t links(int a, int b) const;
    void clear() { m_links.fill(0); }
    // Counts draws[first - 1 .. last - 1] (record numbers first..last), all of
    // `game`; the table then covers its balls.
    void process(const std::vector<BallRecord> &draws, int first, int last,
        const GameMatrix &game = sixOf49());
    int highestBall() const { return m_highestBall; }

private:
    static constexpr int side = largestHighestBall + 1;
    bool isBall(int n) const { return n >= 1 && n <= m_highestBall; }

    int m_highestBall = sixOf49().highestBall;
    std::array<int16_t, side * side> m_links {};
};

// What Process Range makes of the typed range and the draws on file.
enum class RangeProblem { None, Empty, NoDraws, Outside };
struct RangeChoice
{
    RangeProblem problem = RangeProblem::None;
    int first = 0; // first processed record; the last draw is the last one
};
RangeChoice chooseRange(const std::string &text, int drawCount);

// The message for a problem ("" for none), and the one shown before counting.
std::string problemText(RangeProblem problem);
std::string processedText(const std::string &text);
std::string frameCaption(int drawCount);

// The number most often drawn with keyball, leaving out e1..e5 (0 = none given);
// ties go to the smallest number. 0 when no number is left with a count.
int16_t GetBestFor(const LinkTable &table, int keyball, int e1, int e2, int e3, int e4, int e5);

// The entries for start numbers 1..49 (1..52 in 6 of 52) in order: each number the best partner of
// the one chosen before it, sorted ascending; start numbers whose chain runs
// out give none, and a line already made is not made again.
std::vector<Entry> chainedEntries(const LinkTable &table);

// Appends the entries after the file's E entries as records E + 1.. with the
// chosen date, then sets record 1's count. Every new record carries record 1's
// other fields, as appended entries always have. Returns how many were added
// (fewer only when the file reaches its 32767 records).
int appendEntries(RecordFile &file, const std::vector<Entry> &entries, const Date &date);

std::string doneText(int added, const std::string &dateText);

// Create Entries for a date whose game is not the one of the processed draws.
std::string otherGameText(const GameMatrix &processed, const GameMatrix &dated);

} // namespace pickwise::optimiser
