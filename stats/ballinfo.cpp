#include "stats/ballinfo.h"

#include "core/dates.h"
#include "core/numbers.h"

namespace pickwise::stats {

std::string rangeMessage(const GameMatrix &game)
{
    return "You must enter a number between 1 and " + std::to_string(game.highestBall);
}

int ballsPerDraw(View view)
{
    switch (view) {
    case View::Bonus:
        return 1;
    case View::Lotto:
        return 6;
    case View::LottoBonus:
        return 7;
    }
    return 6;
}

int fairShare(View view, int draws, const GameMatrix &game)
{
    const int share = roundedShare(ballsPerDraw(view), draws, game);
    return share == 0 ? 1 : share;
}

BallFacts ballFacts(
    const std::vector<BallRecord> &draws, View view, int ball, const GameMatrix &game)
{
    BallFacts facts;
    const int n = static_cast<int>(draws.size());
    facts.expected = fairShare(view, n, game);
    int last = 0;
    for (int r = 1; r <= n; ++r) {
        const BallRecord &draw = draws[static_cast<size_t>(r - 1)];
        for (int p = 0; p < 7; ++p) {
            if (countsPosition(view, p) && draw.ball[static_cast<size_t>(p)] == ball) {
                last = r;
                ++facts.timesDrawn;
            }
        }
    }
    // Records run oldest to newest, so the last match is the latest draw.
    if (last > 0) {
        const BallRecord &latest = draws[static_cast<size_t>(last - 1)];
        facts.lastDrawn = std::to_string(latest.day) + " " + monthabbrev(latest.month) + " "
            + std::to_string(latest.year);
    }
    facts.drawsSince = n - last;
    return facts;
}

InfoBall readInfoBall(const std::string &text, const GameMatrix &game)
{
    InfoBall info;
    const double value = leadingNumber(text);
    // Below 1 is refused as typed (0.6 does not pass as ball 1); above, the
    // test looks at the ball the number rounds to (in the 6 of 49 game 49.4
    // passes, 49.6 does not).
    if (!(value >= 1.0))
        return info;
    const double ball = roundHalfEven(value);
    if (!(ball <= game.highestBall))
        return info;
    info.valid = true;
    info.ball = static_cast<int16_t>(ball);
    // A text such as "7a" passes on its leading number, and that number is
    // what the caption shows.
    info.number = plainNumberText(value);
    return info;
}

std::string infoCaption(const std::string &statsCaption, const InfoBall &info)
{
    return statsCaption + " <Ball " + info.number + ">";
}

std::string barCaption(const std::string &statsCaption, int ball)
{
    return statsCaption + " <Ball  " + std::to_string(ball) + ">";
}

} // namespace pickwise::stats
