#include "core/prize.h"

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
    if (matched >= 6)
        return 1;
    if (matched == 5)
        return bonus ? 2 : 3;
    if (matched == 4)
        return bonus ? 4 : 5;
    if (matched == 3)
        return bonus ? 6 : 7;
    return 0;
}

std::string checkTag(int tier)
{
    static const char *tags[] = {"", "(6)", "(5+B)", "(5)", "(4+B)", "(4)", "(3+B)", "(3)"};
    if (tier < 0 || tier > 7)
        return "";
    return tags[tier];
}

} // namespace pickwise
