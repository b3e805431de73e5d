#pragma once

#include "core/ballrecord.h"
#include "core/lines.h"

#include <string>
#include <vector>

namespace pickwise {

// The highest ball of the 6 of 49 game, for the callers that judge every draw
// by that one range. The results file holds both games: the checks without a
// highest ball judge each draw by the game of its date (matrixFor).
constexpr int lottoHighestBall = 49;

enum class DrawFault {
    None,
    OutOfRange, // a number outside 1..highest ball
    Repeated, // a number twice, bonus ball included
    NotSorted, // the six main numbers not in ascending order
    NoSuchDate, // a date the calendar does not have
    NotAfter, // dated on or before the draw before it
};

struct DrawProblem
{
    DrawFault fault = DrawFault::None;
    int number = 0; // the number out of range or repeated

    explicit operator bool() const { return fault != DrawFault::None; }
};

// The seven numbers of a draw: each within 1..highestBall and none twice. The
// range comes first, so numbers with both faults are out of range.
DrawProblem validateBalls(const Draw &balls, int highestBall);

// One stored draw: its numbers as above, its main numbers in ascending order
// (every writer of the results file sorts them) and a real date.
DrawProblem validateDraw(const BallRecord &draw, int highestBall);
// The same with the highest ball of the game of the draw's date.
DrawProblem validateDraw(const BallRecord &draw);

// The draws of a history in file order: each valid and dated after the one
// before it. draw is the 1-based position of the first bad one, 0 when none.
struct HistoryProblem
{
    int draw = 0;
    DrawProblem problem;
};
HistoryProblem firstBadDraw(const std::vector<BallRecord> &draws, int highestBall);
HistoryProblem firstBadDraw(const std::vector<BallRecord> &draws);

// What is wrong with that draw, for a message: "draw 17, dated 5/3/2003, has the
// number 300, which is not between 1 and 49".
std::string badDrawText(
    const std::vector<BallRecord> &draws, const HistoryProblem &problem, int highestBall);
// The same, naming the highest ball of the game of the bad draw's date.
std::string badDrawText(const std::vector<BallRecord> &draws, const HistoryProblem &problem);

// "5/3/2003": the date of a stored draw as the program's messages write it.
std::string drawDateText(const BallRecord &draw);

// The message shown once at start-up when the results file holds a bad draw;
// "" when every draw is good.
std::string damagedResultsMessage(const std::vector<BallRecord> &draws, int highestBall);
std::string damagedResultsMessage(const std::vector<BallRecord> &draws);

// The highest ball of the game of a stored draw's date.
int highestBallOf(const BallRecord &draw);

} // namespace pickwise
