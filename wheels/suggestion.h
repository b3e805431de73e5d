#pragma once

#include "core/ballrecord.h"
#include "core/game.h"
#include "platform/clock.h"

#include <array>
#include <cstdint>
#include <vector>

namespace pickwise::wheels {

constexpr int ballBoxes = 24;

// suggested(1)..suggested(24), here [0]..[23].
using Suggestion = std::array<int16_t, ballBoxes>;

// The balls most often drawn as main numbers, most frequent first and the lower
// number first on equal tallies; the bonus ball never counts. When fewer than
// 24 different balls were ever drawn the rest are distinct random balls in
// 1..maxball.
Suggestion suggestedBalls(const std::vector<BallRecord> &draws, int maxball, Random &random);

// The draws of `game` among draws (by each draw's date): the group is suggested
// from the game it is played in.
std::vector<BallRecord> drawsOfGame(const std::vector<BallRecord> &draws, const GameMatrix &game);

// The first n suggested balls in ascending order: what the group's boxes show.
std::vector<int16_t> groupSuggestion(const Suggestion &suggested, int n);

} // namespace pickwise::wheels
