#pragma once

#include "core/dates.h"

#include <string>
#include <vector>

namespace pickwise {

// One way of winning: how many main numbers an entry must hold, whether it
// must also hold the bonus ball, and the three texts the windows give it.
struct PrizeTier
{
    int matched = 0;
    bool bonus = false;
    const char *tag = ""; // the main window's winning line: "(5+B)"
    const char *summary = ""; // History Check's totals: "Match 5+B"
    const char *listTag = ""; // History Check's lines: "Match 5+PB"
};

// A Lotto game as the draws of its time were played: the balls it draws from
// and the prize tiers it pays, highest first.
struct GameMatrix
{
    const char *name = ""; // "6 of 49"
    int highestBall = 0;
    std::vector<PrizeTier> tiers;
    // Whether the program knows this game's play slip.
    bool hasSlip = false;

    bool isBall(int n) const { return n >= 1 && n <= highestBall; }
    int tierCount() const { return static_cast<int>(tiers.size()); }
    // Tier 1..tierCount() the entry won, 0 for no win. An entry is counted
    // once, under the best tier it reaches.
    int tierOf(int matched, bool bonus) const;
    const PrizeTier &tier(int number) const { return tiers[static_cast<size_t>(number - 1)]; }
    bool operator==(const GameMatrix &o) const { return highestBall == o.highestBall; }
    bool operator!=(const GameMatrix &o) const { return !(*this == o); }
};

// Six numbers and a bonus from 1 to 49, seven tiers: the game up to 29 July 2017.
const GameMatrix &sixOf49();
// Six numbers and a bonus from 1 to 52, the seven tiers and two main numbers
// with the bonus: the game from 2 August 2017 on.
const GameMatrix &sixOf52();

// The first day of the 6 of 52 game.
constexpr Date sixOf52Start {2017, 8, 2};

// The game whose draws and entries belong to a date. The one place that knows
// when the game changed; dates are compared whole.
const GameMatrix &matrixFor(const Date &date);

// Sizes for tables that serve every game: ball numbers 1..largestHighestBall,
// tiers 1..largestTierCount.
constexpr int largestHighestBall = 52;
constexpr int largestTierCount = 8;

} // namespace pickwise
