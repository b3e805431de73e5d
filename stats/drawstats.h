#pragma once

#include "core/ballrecord.h"
#include "core/game.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace pickwise::stats {

// The three ways of counting a draw; the values are the statview codes.
enum class View : int16_t { Bonus = 1, Lotto = 2, LottoBonus = 3 };

// The view of a statview code; an unknown code counts as Lotto.
View viewOf(int16_t statview);
inline int16_t statviewOf(View view)
{
    return static_cast<int16_t>(view);
}

// Whether the view counts ball(position + 1) of a draw (position 6 is the bonus).
bool countsPosition(View view, int position);

// Counter of ball b at index b - 1, for every game; the counts are taken over
// the draws of one game at a time (mixing both would distort every figure), so
// only balls 1..highestBall of that game are counted and shown. Where a game is
// not given, it is the 6 of 49 game.
using BallCounts = std::array<int, largestHighestBall>;

// What "Use Last Draws" asks for: every draw, or only the last `range` draws.
struct LastDraws
{
    bool recent = false;
    int range = 0;
};

// Reads the "Use Last Draws" text: its leading number rounded half to even;
// below 1 means every draw. A value beyond the 16-bit range stays larger than
// any history, so it is treated like any other value exceeding it.
LastDraws readLastDraws(const std::string &text);

extern const char *const exceedMessage;

// One display's counting. `exceeded` asks the window for exceedMessage: more
// last draws were asked for than the history holds, so all of it was counted.
struct Tally
{
    BallCounts counts {};
    bool exceeded = false;
    int first = 1; // records counted, 1-based
    int last = 0;
};

// Counts the draws (all of `game`) in the view; numbers that are not balls of
// the game (a damaged record) are skipped.
Tally countDraws(const std::vector<BallRecord> &draws, View view, const LastDraws &request,
    const GameMatrix &game = sixOf49());

struct RankRow
{
    int ball = 0;
    int count = 0;
};
using Ranking = std::vector<RankRow>;

// The sorted view's order of the game's balls: least drawn first. Balls of
// equal count come out in the order the pairwise exchanges leave them, which
// the bar-click mapping and the chart both rely on.
Ranking rankBalls(const BallCounts &counts, const GameMatrix &game = sixOf49());

struct ChartRow
{
    std::string label; // a blank and the ball number: " 7"
    int value = 0;
};

// Ball order, one row per ball of the game.
std::vector<ChartRow> chartTable(const BallCounts &counts, const GameMatrix &game = sixOf49());
std::vector<ChartRow> chartTable(const Ranking &ranking); // ranking order

std::string caption(View view, bool sorted);

// perDraw x draws / highestBall (49 or 52) to the nearest whole number: how
// often each ball of the game would come up if all came up equally often.
// Computed wide, so no history size overflows it. An exact half rounds up.
int roundedShare(int perDraw, int draws, const GameMatrix &game = sixOf49());

} // namespace pickwise::stats
