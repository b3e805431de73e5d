#include "wheels/suggestion.h"

#include <algorithm>
#include <cmath>

namespace pickwise::wheels {

namespace {

constexpr int tallySlots = 101; // balls 1..100 can be tallied

// A generator that keeps repeating taken balls would otherwise hang the window;
// after this many tries the lowest free ball is taken instead.
constexpr int maxTries = 10000;

bool taken(const Suggestion &suggested, int ball)
{
    return std::find(suggested.begin(), suggested.end(), ball) != suggested.end();
}

} // namespace

Suggestion suggestedBalls(const std::vector<BallRecord> &draws, int maxball, Random &random)
{
    std::array<long, tallySlots> tally {};
    for (const BallRecord &draw : draws) {
        for (int m = 0; m < 6; ++m) {
            const int ball = draw.ball[static_cast<size_t>(m)];
            // A damaged record must not write outside the tally.
            if (ball >= 1 && ball < tallySlots)
                ++tally[static_cast<size_t>(ball)];
        }
    }

    Suggestion suggested {};
    int found = 0;
    while (found < ballBoxes) {
        int best = 0;
        for (int ball = 1; ball < tallySlots; ++ball) {
            if (tally[static_cast<size_t>(ball)] > 0
                && (best == 0
                    || tally[static_cast<size_t>(ball)] > tally[static_cast<size_t>(best)]))
                best = ball;
        }
        if (best == 0)
            break;
        suggested[static_cast<size_t>(found++)] = static_cast<int16_t>(best);
        tally[static_cast<size_t>(best)] = 0;
    }

    // 24 distinct balls need at least 24 to choose from.
    const int top = std::max(maxball, ballBoxes);
    for (int p = found; p < ballBoxes; ++p) {
        int ball = 0;
        for (int tries = 0; tries < maxTries; ++tries) {
            const float u = static_cast<float>(random.next());
            const int r = static_cast<int>(std::floor(static_cast<float>(top) * u + 1.0f));
            if (r >= 1 && r <= top && !taken(suggested, r)) {
                ball = r;
                break;
            }
        }
        for (int r = 1; ball == 0; ++r) {
            if (!taken(suggested, r))
                ball = r;
        }
        suggested[static_cast<size_t>(p)] = static_cast<int16_t>(ball);
    }
    return suggested;
}

std::vector<BallRecord> drawsOfGame(const std::vector<BallRecord> &draws, const GameMatrix &game)
{
    std::vector<BallRecord> out;
    out.reserve(draws.size());
    for (const BallRecord &d : draws) {
        if (matrixFor({d.year, d.month, d.day}) == game)
            out.push_back(d);
    }
    return out;
}

std::vector<int16_t> groupSuggestion(const Suggestion &suggested, int n)
{
    n = std::clamp(n, 0, ballBoxes);
    std::vector<int16_t> group(suggested.begin(), suggested.begin() + n);
    std::sort(group.begin(), group.end());
    return group;
}

} // namespace pickwise::wheels
