#pragma once

#include "core/game.h"
#include "core/lines.h"
#include "core/numbermask.h"
#include "core/prize.h"

#include <array>
#include <cstdint>
#include <vector>

namespace pickwise {

// The one check of entries against a draw, for the main window and History
// Check alike: each winning entry once, under the best tier of the draw's game.
//
// Entries and draws of six distinct numbers 0..63 are checked with their
// number bits (one AND and a bit count per entry); anything else (a damaged
// file repeating a number, or holding one outside 0..63) is counted pair by
// pair, as matchedMainNumbers and holdsBonus do, so both give the same answers.
class EntryChecker
{
public:
    explicit EntryChecker(std::vector<Entry> entries);

    const std::vector<Entry> &entries() const { return m_entries; }
    int entryCount() const { return static_cast<int>(m_entries.size()); }

    // Calls win(entry index, tier) for every winning entry, in entry order;
    // tier is 1..game.tierCount().
    template<class Win>
    void check(const Draw &draw, const GameMatrix &game, Win &&win) const;

private:
    // tier[matched][bonus held], matched 0..6 (more counts as 6); the fewest
    // main numbers any tier needs.
    struct TierTable
    {
        std::array<std::array<uint8_t, 2>, 7> tier {};
        int fewest = 7;
    };
    static TierTable tableFor(const GameMatrix &game);
    // The entries sharing at least fewest numbers with drawBits, into
    // m_candidates; how many. Only when every entry is distinct.
    size_t candidates(uint64_t drawBits, int fewest) const;

    std::vector<Entry> m_entries;
    // Kept apart so the loop over the entries reads one array of bits.
    std::vector<uint64_t> m_bits;
    std::vector<char> m_distinct;
    std::vector<char> m_allFit;
    // Every entry's set of bits stands for it exactly (none damaged).
    bool m_allDistinct = true;
    // Room for every entry's index: the first pass of a check writes the
    // entries that may win here, so the pass over all of them stays a few
    // instructions long. A check is therefore not to run on two threads at once.
    mutable std::vector<uint32_t> m_candidates;
};

template<class Win>
void EntryChecker::check(const Draw &draw, const GameMatrix &game, Win &&win) const
{
    const TierTable table = tableFor(game);
    const checking::NumberMask drawMask = checking::maskOf(draw, 6);
    const int bonus = draw[6];
    const bool bonusFits = bonus >= 0 && bonus <= 63;
    // A bonus outside 0..63 is none of the numbers a fitting entry holds.
    const uint64_t bonusBit = bonusFits ? uint64_t(1) << bonus : 0;
    const size_t count = m_entries.size();
    const uint64_t *bits = m_bits.data();
    const int fewest = table.fewest;

    if (m_allDistinct && drawMask.distinct) {
        // Six distinct numbers on both sides: the pairs of equal numbers are
        // simply the numbers they share. Almost every entry shares too few, so
        // a first pass finds the few that do.
        const uint64_t drawBits = drawMask.bits;
        const size_t found = candidates(drawBits, fewest);
        const uint32_t *candidate = m_candidates.data();
        for (size_t c = 0; c < found; ++c) {
            const size_t e = candidate[c];
            const int matched = checking::bitCount(bits[e] & drawBits);
            const int tier = table.tier[static_cast<size_t>(matched)][(bits[e] & bonusBit) != 0];
            if (tier != 0)
                win(e, tier);
        }
        return;
    }

    for (size_t e = 0; e < count; ++e) {
        const bool exact = m_distinct[e] && drawMask.distinct;
        const int matched = exact ? checking::bitCount(bits[e] & drawMask.bits)
                                  : matchedMainNumbers(m_entries[e], draw);
        if (matched < fewest)
            continue;
        const bool bonusHeld
            = m_allFit[e] && bonusFits ? (bits[e] & bonusBit) != 0 : holdsBonus(m_entries[e], draw);
        const int tier = table.tier[static_cast<size_t>(matched > 6 ? 6 : matched)][bonusHeld];
        if (tier != 0)
            win(e, tier);
    }
}

} // namespace pickwise
