#pragma once

#include "core/lines.h"

#include <string>

namespace pickwise {

// How many (i, j) pairs have entry number i equal to main number j: for an entry
// of distinct numbers, how many of its numbers were drawn.
int matchedMainNumbers(const Entry &entry, const Draw &draw);
bool holdsBonus(const Entry &entry, const Draw &draw);

// Prize tier 1..7 of the 6 of 49 game (6, 5+B, 5, 4+B, 4, 3+B, 3), 0 for no
// win: sixOf49().tierOf. Other games ask their GameMatrix.
int prizeTier(int matched, bool bonus);

// The 6 of 49 game's main window tag: "(6)", "(5+B)", ... "(3)"; "" for no win.
std::string checkTag(int tier);

} // namespace pickwise
