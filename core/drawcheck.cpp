#include "core/drawcheck.h"

#include "core/dates.h"
#include "core/game.h"

namespace pickwise {

DrawProblem validateBalls(const Draw &balls, int highestBall)
{
    for (const int16_t n : balls)
        if (n < 1 || n > highestBall)
            return {DrawFault::OutOfRange, n};
    for (size_t i = 0; i < balls.size(); ++i)
        for (size_t j = 0; j < i; ++j)
            if (balls[i] == balls[j])
                return {DrawFault::Repeated, balls[i]};
    return {};
}

DrawProblem validateDraw(const BallRecord &draw, int highestBall)
{
    if (const DrawProblem problem = validateBalls(draw.ball, highestBall))
        return problem;
    for (size_t i = 1; i < 6; ++i)
        if (draw.ball[i] < draw.ball[i - 1])
            return {DrawFault::NotSorted, 0};
    if (!isValidDate({draw.year, draw.month, draw.day}))
        return {DrawFault::NoSuchDate, 0};
    return {};
}

int highestBallOf(const BallRecord &draw)
{
    return matrixFor({draw.year, draw.month, draw.day}).highestBall;
}

DrawProblem validateDraw(const BallRecord &draw)
{
    // Numbers within the old game's range are within every game's, so the
    // date is only asked about a number beyond it: a full history at start-up
    // is judged at the cost of one range.
    const DrawProblem problem = validateDraw(draw, sixOf49().highestBall);
    return problem.fault == DrawFault::OutOfRange ? validateDraw(draw, highestBallOf(draw))
                                                  : problem;
}

namespace {

// highestBall 0: each draw's own game.
HistoryProblem firstBad(const std::vector<BallRecord> &draws, int highestBall)
{
    long long previousKey = -1;
    for (size_t i = 0; i < draws.size(); ++i) {
        const BallRecord &r = draws[i];
        DrawProblem problem = highestBall > 0 ? validateDraw(r, highestBall) : validateDraw(r);
        const long long key = datekey(r.year, r.month, r.day);
        if (!problem && key <= previousKey)
            problem = {DrawFault::NotAfter, 0};
        if (problem)
            return {static_cast<int>(i) + 1, problem};
        previousKey = key;
    }
    return {};
}

} // namespace

HistoryProblem firstBadDraw(const std::vector<BallRecord> &draws, int highestBall)
{
    return firstBad(draws, highestBall);
}

HistoryProblem firstBadDraw(const std::vector<BallRecord> &draws)
{
    return firstBad(draws, 0);
}

std::string drawDateText(const BallRecord &draw)
{
    return std::to_string(draw.day) + "/" + std::to_string(draw.month) + "/"
        + std::to_string(draw.year);
}

std::string badDrawText(
    const std::vector<BallRecord> &draws, const HistoryProblem &problem, int highestBall)
{
    if (problem.draw < 1 || static_cast<size_t>(problem.draw) > draws.size())
        return {};
    const BallRecord &r = draws[static_cast<size_t>(problem.draw - 1)];
    const std::string draw = "draw " + std::to_string(problem.draw);
    const std::string dated = draw + ", dated " + drawDateText(r) + ",";
    const std::string number = std::to_string(problem.problem.number);
    switch (problem.problem.fault) {
    case DrawFault::OutOfRange:
        return dated + " has the number " + number + ", which is not between 1 and "
            + std::to_string(highestBall);
    case DrawFault::Repeated:
        return dated + " has the number " + number + " twice";
    case DrawFault::NotSorted:
        return dated + " has its main numbers out of order";
    case DrawFault::NoSuchDate:
        return draw + " is dated " + drawDateText(r) + ", which is not a date";
    case DrawFault::NotAfter:
        return dated + " is not later than the draw before it, dated "
            + drawDateText(draws[static_cast<size_t>(problem.draw - 2)]);
    case DrawFault::None:
        break;
    }
    return {};
}

std::string badDrawText(const std::vector<BallRecord> &draws, const HistoryProblem &problem)
{
    if (problem.draw < 1 || static_cast<size_t>(problem.draw) > draws.size())
        return {};
    return badDrawText(draws, problem, highestBallOf(draws[static_cast<size_t>(problem.draw - 1)]));
}

namespace {

std::string damagedText(const std::string &bad)
{
    return "The results file looks damaged: " + bad
        + ".\n\nYou can download the results again (File, Update Results), or show that draw "
          "on the main window and delete it (Delete Draw).";
}

} // namespace

std::string damagedResultsMessage(const std::vector<BallRecord> &draws, int highestBall)
{
    const HistoryProblem problem = firstBadDraw(draws, highestBall);
    return problem.draw == 0 ? "" : damagedText(badDrawText(draws, problem, highestBall));
}

std::string damagedResultsMessage(const std::vector<BallRecord> &draws)
{
    const HistoryProblem problem = firstBadDraw(draws);
    return problem.draw == 0 ? "" : damagedText(badDrawText(draws, problem));
}

} // namespace pickwise
