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
    m_candidates.resize(m_entries.size());
}

namespace {

// Fewest known when compiled keeps the loop within the registers.
template<int Fewest>
size_t sharing(const uint64_t *bits, size_t count, uint64_t drawBits, int fewest, uint32_t *out)
{
    size_t found = 0;
    for (size_t e = 0; e < count; ++e) {
        const int shared = checking::bitCount(bits[e] & drawBits);
        if (Fewest > 0 ? shared >= Fewest : shared >= fewest)
            out[found++] = static_cast<uint32_t>(e);
    }
    return found;
}

} // namespace

size_t EntryChecker::candidates(uint64_t drawBits, int fewest) const
{
    const uint64_t *bits = m_bits.data();
    const size_t count = m_bits.size();
    uint32_t *out = m_candidates.data();
    switch (fewest) {
    case 3:
        return sharing<3>(bits, count, drawBits, fewest, out);
    case 2:
        return sharing<2>(bits, count, drawBits, fewest, out);
    default:
        return sharing<0>(bits, count, drawBits, fewest, out);
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
