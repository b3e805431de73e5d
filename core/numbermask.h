#pragma once

#include <cstdint>

namespace pickwise::checking {

// Six numbers as a bit set, so that counting the numbers two lines share is one
// AND and a popcount. Only numbers 0..63 fit; `distinct` says whether the set
// stands for the line exactly (all six fit and none repeats). Callers fall back
// to counting pairs one by one when it does not, so damaged files give the same
// answers as before, only slower.
struct NumberMask
{
    uint64_t bits = 0; // every number of the line that fits
    bool allFit = true; // every number lies in 0..63
    bool distinct = true; // allFit and no number repeats
};

template<typename Numbers>
NumberMask maskOf(const Numbers &numbers, int n = 6)
{
    NumberMask mask;
    for (int i = 0; i < n; ++i) {
        const int value = numbers[i];
        if (value < 0 || value > 63) {
            mask.allFit = false;
            mask.distinct = false;
            continue;
        }
        const uint64_t bit = uint64_t(1) << value;
        if (mask.bits & bit)
            mask.distinct = false;
        mask.bits |= bit;
    }
    return mask;
}

// Counted by halves rather than with the builtin, which without a CPU-specific
// build becomes a library call that costs more than the check itself.
inline int bitCount(uint64_t v)
{
    v = v - ((v >> 1) & 0x5555555555555555ULL);
    v = (v & 0x3333333333333333ULL) + ((v >> 2) & 0x3333333333333333ULL);
    v = (v + (v >> 4)) & 0x0F0F0F0F0F0F0F0FULL;
    return static_cast<int>((v * 0x0101010101010101ULL) >> 56);
}

inline int sharedCount(const NumberMask &a, const NumberMask &b)
{
    return bitCount(a.bits & b.bits);
}

} // namespace pickwise::checking
