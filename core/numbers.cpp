#include "core/numbers.h"

#include <charconv>
#include <cmath>

namespace pickwise {

double leadingNumber(const std::string &text)
{
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    // Read without the C library's numeric locale, which the window system sets
    // from the environment: the decimal point is always ".".
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    std::string digits;
    bool seenDigit = false;
    bool seenPoint = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            digits += c;
            seenDigit = true;
        } else if (c == '.' && !seenPoint) {
            digits += c;
            seenPoint = true;
        } else {
            break;
        }
    }
    if (!seenDigit)
        return 0.0;
    double value = 0.0;
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        // Too large reads as infinity, too small as 0, as strtod gives them.
        const bool large = digits.find_first_of("123456789") < digits.find('.');
        value = large ? HUGE_VAL : 0.0;
    }
    return negative ? -value : value;
}

double roundHalfEven(double value)
{
    if (!std::isfinite(value))
        return value;
    const double floorValue = std::floor(value);
    const double diff = value - floorValue;
    if (diff < 0.5)
        return floorValue;
    if (diff > 0.5)
        return floorValue + 1.0;
    return std::fmod(floorValue, 2.0) == 0.0 ? floorValue : floorValue + 1.0;
}

bool toInt16(double value, int16_t &out)
{
    const double r = roundHalfEven(value);
    if (!std::isfinite(r) || r < -32768.0 || r > 32767.0)
        return false;
    out = static_cast<int16_t>(r);
    return true;
}

bool readInt16(const std::string &text, int16_t &out)
{
    return toInt16(leadingNumber(text), out);
}

std::string plainNumberText(double value)
{
    // As "%.15g" in the "C" locale, whatever locale the program runs in.
    char buffer[64];
    const auto result
        = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    return std::string(buffer, result.ptr);
}

} // namespace pickwise
