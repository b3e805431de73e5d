#include "core/game.h"

namespace pickwise {

namespace {

std::vector<PrizeTier> sevenTiers()
{
    return {
        {6, false, "(6)", "Match 6", "Match 6"},
        {5, true, "(5+B)", "Match 5+B", "Match 5+PB"},
        {5, false, "(5)", "Match 5", "Match 5"},
        {4, true, "(4+B)", "Match 4+B", "Match 4+PB"},
        {4, false, "(4)", "Match 4", "Match 4"},
        {3, true, "(3+B)", "Match 3+B", "Match 3+PB"},
        {3, false, "(3)", "Match 3", "Match 3"},
    };
}

GameMatrix makeSixOf49()
{
    GameMatrix m;
    m.name = "6 of 49";
    m.highestBall = 49;
    m.tiers = sevenTiers();
    m.hasSlip = true;
    return m;
}

GameMatrix makeSixOf52()
{
    GameMatrix m;
    m.name = "6 of 52";
    m.highestBall = 52;
    m.tiers = sevenTiers();
    m.tiers.push_back({2, true, "(2+B)", "Match 2+B", "Match 2+PB"});
    // Today's slip is laid out differently from the one the program prints on.
    m.hasSlip = false;
    return m;
}

} // namespace

int GameMatrix::tierOf(int matched, bool bonus) const
{
    // Six main numbers win the first tier whatever the bonus ball.
    if (matched >= 6)
        return 1;
    for (int t = 0; t < tierCount(); ++t) {
        const PrizeTier &p = tiers[static_cast<size_t>(t)];
        if (p.matched == matched && (!p.bonus || bonus))
            return t + 1;
    }
    return 0;
}

const GameMatrix &sixOf49()
{
    static const GameMatrix m = makeSixOf49();
    return m;
}

const GameMatrix &sixOf52()
{
    static const GameMatrix m = makeSixOf52();
    return m;
}

const GameMatrix &matrixFor(const Date &date)
{
    return datekey(date) >= datekey(sixOf52Start) ? sixOf52() : sixOf49();
}

} // namespace pickwise
