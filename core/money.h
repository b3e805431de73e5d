#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace pickwise {

// Money in cents, so sums are exact.
using Cents = int64_t;

// "R103463.40", "-R15.00": how the windows show an amount in rand.
std::string randText(Cents amount);

// "103463.40", "-15.00": an amount in rand as files hold it.
std::string decimalText(Cents amount);

// Reads an amount in rand as the results and prize files write it: digits
// with an optional decimal point and at most two decimals ("103463.40",
// "25000000", "32.7"), blanks around it allowed, no sign. False for anything
// else, or an amount beyond a trillion rand.
bool readRand(std::string_view text, Cents &amount);

} // namespace pickwise
