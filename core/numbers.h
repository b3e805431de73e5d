#pragma once

#include <cstdint>
#include <string>

namespace pickwise {

// How every box in the program turns typed text into a number: the leading
// decimal number of the text (leading blanks skipped; an optional sign, digits
// and at most one decimal point); text that does not start with a number reads 0.
double leadingNumber(const std::string &text);

// Nearest whole number, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
double roundHalfEven(double value);

// The rounded value when it fits a signed 16-bit number.
bool toInt16(double value, int16_t &out);

// Convenience: leadingNumber, rounded; false when it does not fit 16 bits.
bool readInt16(const std::string &text, int16_t &out);

// Plain decimal text of a number without blanks ("7", "1.4", "-3").
std::string plainNumberText(double value);

} // namespace pickwise
