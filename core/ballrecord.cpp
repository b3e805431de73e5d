#include "core/ballrecord.h"

namespace pickwise {

namespace {

void put16(uint8_t *out, int16_t value)
{
    const auto u = static_cast<uint16_t>(value);
    out[0] = static_cast<uint8_t>(u & 0xFF);
    out[1] = static_cast<uint8_t>(u >> 8);
}

int16_t get16(const uint8_t *in)
{
    return static_cast<int16_t>(static_cast<uint16_t>(in[0] | (in[1] << 8)));
}

} // namespace

std::array<uint8_t, BallRecord::size> BallRecord::pack() const
{
    std::array<uint8_t, size> out {};
    const auto c = static_cast<uint32_t>(count);
    out[0] = static_cast<uint8_t>(c & 0xFF);
    out[1] = static_cast<uint8_t>((c >> 8) & 0xFF);
    out[2] = static_cast<uint8_t>((c >> 16) & 0xFF);
    out[3] = static_cast<uint8_t>((c >> 24) & 0xFF);
    put16(&out[4], drawno);
    put16(&out[6], day);
    put16(&out[8], month);
    put16(&out[10], year);
    for (int i = 0; i < 7; ++i)
        put16(&out[12 + 2 * i], ball[i]);
    return out;
}

BallRecord BallRecord::unpack(const uint8_t *in)
{
    BallRecord r;
    const uint32_t c = static_cast<uint32_t>(in[0]) | (static_cast<uint32_t>(in[1]) << 8)
        | (static_cast<uint32_t>(in[2]) << 16) | (static_cast<uint32_t>(in[3]) << 24);
    r.count = static_cast<int32_t>(c);
    r.drawno = get16(&in[4]);
    r.day = get16(&in[6]);
    r.month = get16(&in[8]);
    r.year = get16(&in[10]);
    for (int i = 0; i < 7; ++i)
        r.ball[i] = get16(&in[12 + 2 * i]);
    return r;
}

bool BallRecord::operator==(const BallRecord &o) const
{
    return count == o.count && drawno == o.drawno && day == o.day && month == o.month
        && year == o.year && ball == o.ball;
}

} // namespace pickwise
