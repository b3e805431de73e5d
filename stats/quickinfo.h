#pragma once

#include "core/ballrecord.h"
#include "stats/drawstats.h"

#include <string>
#include <vector>

namespace pickwise::stats {

// The "Quick Info" lists. Each counts only the six main numbers, whatever view
// the window shows, and lists at most 10 balls in the order they qualify.
enum class QuickInfo { Hot, Cold, Due };

constexpr int quickListSize = 10;

// Hot: drawn more than 4, then 3, then 2 times in the last 8 draws; when no
// ball reaches 3, those drawn twice.
// Each takes the draws of one game (the 6 of 49 game unless told) and lists
// balls of it.
std::vector<int> hotNumbers(
    const std::vector<BallRecord> &draws, const GameMatrix &game = sixOf49());
// Cold: not drawn in the last 15 draws; when every ball was, those drawn once.
std::vector<int> coldNumbers(
    const std::vector<BallRecord> &draws, const GameMatrix &game = sixOf49());
// Due: the least drawn balls of the whole history whose count stays below the
// rounded fair share, by increasing count, then ball number.
std::vector<int> dueNumbers(
    const std::vector<BallRecord> &draws, const GameMatrix &game = sixOf49());

// The fillings alone, from counts already taken: hot and cold over their last
// draws, due over all `draws` draws.
std::vector<int> fillHot(const BallCounts &counts, const GameMatrix &game = sixOf49());
std::vector<int> fillCold(const BallCounts &counts, const GameMatrix &game = sixOf49());
std::vector<int> fillDue(const BallCounts &counts, int draws, const GameMatrix &game = sixOf49());

std::vector<int> quickNumbers(
    QuickInfo kind, const std::vector<BallRecord> &draws, const GameMatrix &game = sixOf49());

// The message box text for a list.
std::string quickInfoMessage(QuickInfo kind, const std::vector<int> &balls);

} // namespace pickwise::stats
