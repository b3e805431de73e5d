// Proves every shipped wheel definition file: exact format, exact size, and
// the match guarantee checked against every possible draw inside the group.

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#ifndef WHEEL_DEFINITIONS_DIR
#error "WHEEL_DEFINITIONS_DIR must name the folder holding the .whl files"
#endif

namespace {

struct WheelCase {
    int d;  // balls drawn from the group
    int k;  // guaranteed matches
    int n;  // group size
    std::size_t lines;
};

std::string fileName(const WheelCase& c) {
    return "6-" + std::to_string(c.d) + "-" + std::to_string(c.k) + "-" + std::to_string(c.n) + ".whl";
}

// Names the file in failure messages instead of dumping the struct's bytes.
void PrintTo(const WheelCase& c, std::ostream* os) { *os << fileName(c); }

// The catalogue of wheels the program offers, with the line count each file
// must have.
const WheelCase kCatalogue[] = {
    {6, 6, 7, 7},    {6, 6, 8, 28},   {6, 6, 9, 84},   {6, 6, 10, 210},
    {6, 5, 8, 4},    {6, 5, 9, 7},    {6, 5, 10, 14},  {6, 5, 11, 22},  {6, 5, 12, 38},
    {6, 5, 13, 75},  {6, 5, 14, 98},
    {6, 4, 10, 3},   {6, 4, 11, 5},   {6, 4, 12, 6},   {6, 4, 13, 10},  {6, 4, 14, 14},
    {6, 4, 15, 25},  {6, 4, 16, 26},
    {6, 3, 15, 4},   {6, 3, 16, 5},   {6, 3, 17, 6},   {6, 3, 18, 7},   {6, 3, 19, 9},
    {6, 3, 20, 10},
    {5, 5, 9, 30},   {5, 5, 10, 50},  {5, 5, 11, 107}, {5, 5, 12, 132},
    {5, 4, 9, 3},    {5, 4, 10, 7},   {5, 4, 11, 10},  {5, 4, 12, 17},  {5, 4, 13, 25},
    {5, 4, 14, 37},
    {5, 3, 14, 5},   {5, 3, 15, 8},   {5, 3, 16, 10},
    {4, 4, 8, 7},    {4, 4, 9, 12},   {4, 4, 10, 23},  {4, 4, 11, 37},
    {4, 3, 9, 3},    {4, 3, 10, 4},   {4, 3, 11, 6},
    {3, 3, 10, 10},  {3, 3, 11, 11},  {3, 3, 12, 15},  {3, 3, 13, 22},
};

bool readFile(const std::string& path, std::string& out) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    out.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

// Parses one "NN NN NN NN NN NN" line; returns a bitmask of positions
// (bit p-1 for position p) or an explanation of what is wrong.
bool parseLine(const std::string& text, int n, std::uint32_t& mask, std::string& why) {
    if (text.size() != 17) {
        why = "length " + std::to_string(text.size()) + " instead of 17";
        return false;
    }
    mask = 0;
    int previous = 0;
    for (int i = 0; i < 6; ++i) {
        const char hi = text[static_cast<std::size_t>(3 * i)];
        const char lo = text[static_cast<std::size_t>(3 * i + 1)];
        if (hi < '0' || hi > '9' || lo < '0' || lo > '9') {
            why = "non-digit in position field " + std::to_string(i + 1);
            return false;
        }
        if (i < 5 && text[static_cast<std::size_t>(3 * i + 2)] != ' ') {
            why = "missing single blank after field " + std::to_string(i + 1);
            return false;
        }
        const int value = (hi - '0') * 10 + (lo - '0');
        if (value < 1 || value > n) {
            why = "position " + std::to_string(value) + " outside 1.." + std::to_string(n);
            return false;
        }
        if (value <= previous) {
            why = "positions not strictly ascending";
            return false;
        }
        previous = value;
        mask |= std::uint32_t(1) << (value - 1);
    }
    return true;
}

std::uint64_t binomial(int n, int r) {
    std::uint64_t c = 1;
    for (int i = 1; i <= r; ++i) c = c * static_cast<std::uint64_t>(n - r + i) / static_cast<std::uint64_t>(i);
    return c;
}

// Walks every d-subset of the n positions (increasing bitmask order) and
// counts those that no line meets in at least k positions.
std::uint64_t countMissedDraws(const std::vector<std::uint32_t>& lines, int d, int k, int n,
                               std::uint64_t& draws, std::uint32_t& firstMiss) {
    std::uint64_t missed = 0;
    draws = 0;
    std::uint32_t draw = (std::uint32_t(1) << d) - 1;
    const std::uint32_t limit = std::uint32_t(1) << n;
    while (draw < limit) {
        ++draws;
        bool hit = false;
        for (std::uint32_t l : lines) {
            if (__builtin_popcount(l & draw) >= k) {
                hit = true;
                break;
            }
        }
        if (!hit && missed++ == 0) firstMiss = draw;
        const std::uint32_t low = draw & (~draw + 1);
        const std::uint32_t ripple = draw + low;
        draw = (((draw ^ ripple) >> 2) / low) | ripple;
    }
    return missed;
}

class WheelFile : public ::testing::TestWithParam<WheelCase> {};

TEST_P(WheelFile, HasExactFormatAndSize) {
    const WheelCase c = GetParam();
    std::string text;
    ASSERT_TRUE(readFile(std::string(WHEEL_DEFINITIONS_DIR) + "/" + fileName(c), text)) << "missing file";
    ASSERT_FALSE(text.empty());
    ASSERT_EQ(text.back(), '\n') << "last line must end with a newline";
    EXPECT_EQ(text.find('\r'), std::string::npos) << "carriage return in file";

    std::istringstream in(text);
    std::string line;
    std::set<std::uint32_t> seen;
    std::size_t count = 0;
    while (std::getline(in, line)) {
        ++count;
        std::uint32_t mask = 0;
        std::string why;
        EXPECT_TRUE(parseLine(line, c.n, mask, why)) << "line " << count << " '" << line << "': " << why;
        EXPECT_TRUE(seen.insert(mask).second) << "line " << count << " repeats an earlier line";
    }
    EXPECT_EQ(count, c.lines);
}

TEST_P(WheelFile, GuaranteesMatchForEveryDraw) {
    const WheelCase c = GetParam();
    std::string text;
    ASSERT_TRUE(readFile(std::string(WHEEL_DEFINITIONS_DIR) + "/" + fileName(c), text)) << "missing file";
    std::vector<std::uint32_t> lines;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        std::uint32_t mask = 0;
        std::string why;
        ASSERT_TRUE(parseLine(line, c.n, mask, why)) << why;
        lines.push_back(mask);
    }

    std::uint64_t draws = 0;
    std::uint32_t firstFailure = 0;
    const std::uint64_t failures = countMissedDraws(lines, c.d, c.k, c.n, draws, firstFailure);

    std::string example;
    for (int p = 0; p < c.n; ++p)
        if (firstFailure & (std::uint32_t(1) << p)) example += " " + std::to_string(p + 1);
    EXPECT_EQ(failures, 0u) << failures << " of " << draws << " draws of " << c.d
                            << " get fewer than " << c.k << " matches, e.g. {" << example << " }";

    EXPECT_EQ(draws, binomial(c.n, c.d)) << "the walk must visit every draw";
}

std::string caseName(const ::testing::TestParamInfo<WheelCase>& info) {
    const WheelCase& c = info.param;
    return "d" + std::to_string(c.d) + "_k" + std::to_string(c.k) + "_n" + std::to_string(c.n);
}

INSTANTIATE_TEST_SUITE_P(AllShippedWheels, WheelFile, ::testing::ValuesIn(kCatalogue), caseName);

// The catalogue must name 48 distinct files, so none can be silently dropped.
TEST(WheelCatalogue, ListsEveryFileOnce) {
    std::set<std::string> names;
    for (const WheelCase& c : kCatalogue) names.insert(fileName(c));
    EXPECT_EQ(names.size(), 48u);
    EXPECT_EQ(std::size(kCatalogue), 48u);
}

// The checker has to reject a wheel that misses a draw, or a passing run
// would prove nothing. Two disjoint lines in a 12-ball group give 3 if 6,
// and lose it as soon as a ball is left out of both.
TEST(WheelChecker, FindsMissedDraws) {
    const std::vector<std::uint32_t> halves{0x03F, 0xFC0};
    std::uint64_t draws = 0;
    std::uint32_t miss = 0;
    EXPECT_EQ(countMissedDraws(halves, 6, 3, 12, draws, miss), 0u);
    EXPECT_EQ(draws, 924u);
    // 13 balls, 5 drawn: ball 13 plus two from each line misses, and that
    // is the only way to miss: C(6,2) * C(6,2) = 225 draws.
    EXPECT_EQ(countMissedDraws(halves, 5, 3, 13, draws, miss), 225u);
    EXPECT_NE(miss & (1u << 12), 0u);
    // Six of six needs the drawn line itself.
    EXPECT_EQ(countMissedDraws(halves, 6, 6, 12, draws, miss), 924u - 2u);
}

TEST(WheelChecker, RejectsBrokenLines) {
    std::uint32_t mask = 0;
    std::string why;
    EXPECT_TRUE(parseLine("01 02 03 04 05 06", 6, mask, why));
    EXPECT_EQ(mask, 0x3Fu);
    EXPECT_FALSE(parseLine("01 02 03 04 05 07", 6, mask, why));   // outside group
    EXPECT_FALSE(parseLine("1 02 03 04 05 06", 6, mask, why));    // one digit
    EXPECT_FALSE(parseLine("01 02 03 04 05 06 ", 9, mask, why));  // trailing blank
    EXPECT_FALSE(parseLine("01 03 02 04 05 06", 9, mask, why));   // not ascending
    EXPECT_FALSE(parseLine("01 01 02 04 05 06", 9, mask, why));   // repeated
    EXPECT_FALSE(parseLine("01,02,03,04,05,06", 9, mask, why));   // wrong separator
}

}  // namespace
