#include "core/money.h"

namespace pickwise {

std::string decimalText(Cents amount)
{
    const bool negative = amount < 0;
    // Through unsigned, so the most negative value is not negated in a signed type.
    const uint64_t magnitude
        = negative ? 0 - static_cast<uint64_t>(amount) : static_cast<uint64_t>(amount);
    const uint64_t cents = magnitude % 100;
    return (negative ? "-" : "") + std::to_string(magnitude / 100) + (cents < 10 ? ".0" : ".")
        + std::to_string(cents);
}

std::string randText(Cents amount)
{
    const std::string text = decimalText(amount);
    return amount < 0 ? "-R" + text.substr(1) : "R" + text;
}

bool readRand(std::string_view text, Cents &amount)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    const size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction
        = point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
    if (whole.empty() || whole.size() > 12 || fraction.size() > 2)
        return false;
    if (point != std::string_view::npos && fraction.empty())
        return false;
    Cents value = 0;
    for (const char c : whole) {
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + (c - '0');
    }
    Cents cents = 0;
    for (size_t i = 0; i < 2; ++i) {
        cents *= 10;
        if (i < fraction.size()) {
            const char c = fraction[i];
            if (c < '0' || c > '9')
                return false;
            cents += c - '0';
        }
    }
    amount = value * 100 + cents;
    return true;
}

} // namespace pickwise
