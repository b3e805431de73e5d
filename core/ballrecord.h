#pragma once

#include <array>
#include <cstdint>

namespace pickwise {

// The 26-byte record shared by the results history and every entry file.
// Fields keep their on-disk names; balls are 1-based on disk (ball(1)..ball(7)),
// here ball[0]..ball[6].
struct BallRecord
{
    static constexpr int size = 26;

    int32_t count = 0;
    int16_t drawno = 0;
    int16_t day = 0;
    int16_t month = 0;
    int16_t year = 0;
    std::array<int16_t, 7> ball {};

    // Packed byte by byte, little-endian, so the layout never depends on the
    // compiler's struct padding or the host's byte order.
    std::array<uint8_t, size> pack() const;
    static BallRecord unpack(const uint8_t *bytes);

    bool operator==(const BallRecord &other) const;
    bool operator!=(const BallRecord &other) const { return !(*this == other); }
};

} // namespace pickwise
