#include "core/prize.h"

#include "core/game.h"

namespace pickwise {

int matchedMainNumbers(const Entry &entry, const Draw &draw)
{
    int matched = 0;
    for (int i = 0; i < 6; ++i)
        for (int j = 0; j < 6; ++j)
            if (entry[i] == draw[j])
                ++matched;
    return matched;
}

bool holdsBonus(const Entry &entry, const Draw &draw)
{
    for (int i = 0; i < 6; ++i)
        if (entry[i] == draw[6])
            return true;
    return false;
}

int prizeTier(int matched, bool bonus)
{
    return sixOf49().tierOf(matched, bonus);
}

std::string checkTag(int tier)
{
    const GameMatrix &game = sixOf49();
    return tier >= 1 && tier <= game.tierCount() ? game.tier(tier).tag : "";
}

} // namespace pickwise
