#include "core/checker.h"

namespace pickwise {

EntryChecker::EntryChecker(std::vector<Entry> entries) : m_entries(std::move(entries))
{
    m_bits.reserve(m_entries.size());
    m_distinct.reserve(m_entries.size());
    m_allFit.reserve(m_entries.size());
    for (const Entry &e : m_entries) {
        const checking::NumberMask mask = checking::maskOf(e);
        m_bits.push_back(mask.bits);
        m_distinct.push_back(mask.distinct);
        m_allFit.push_back(mask.allFit);
        m_allDistinct = m_allDistinct && mask.distinct;
    }
}

EntryChecker::TierTable EntryChecker::tableFor(const GameMatrix &game)
{
    TierTable table;
    for (int matched = 0; matched <= 6; ++matched) {
        for (int bonus = 0; bonus <= 1; ++bonus) {
            const int tier = game.tierOf(matched, bonus != 0);
            table.tier[static_cast<size_t>(matched)][static_cast<size_t>(bonus)]
                = static_cast<uint8_t>(tier);
            if (tier != 0 && matched < table.fewest)
                table.fewest = matched;
        }
    }
    return table;
}

} // namespace pickwise
