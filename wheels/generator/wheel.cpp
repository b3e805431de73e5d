#include "wheel.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <set>
#include <sstream>

namespace wheelgen {

int popcount(Mask m) { return __builtin_popcount(m); }

std::uint64_t binomial(int n, int r) {
    if (r < 0 || r > n) return 0;
    std::uint64_t c = 1;
    for (int i = 1; i <= r; ++i) c = c * static_cast<std::uint64_t>(n - r + i) / static_cast<std::uint64_t>(i);
    return c;
}

std::vector<Mask> allSubsets(int n, int r) {
    std::vector<Mask> out;
    if (r == 0) {
        out.push_back(0);
        return out;
    }
    if (r > n) return out;
    // Gosper's hack enumerates masks with r bits in increasing numeric order,
    // which is exactly colex order.
    Mask m = (Mask(1) << r) - 1;
    const Mask limit = Mask(1) << n;
    while (m < limit) {
        out.push_back(m);
        const Mask c = m & (~m + 1);
        const Mask s = m + c;
        m = (((m ^ s) >> 2) / c) | s;
    }
    return out;
}

namespace {
struct BinomTable {
    std::uint32_t c[33][8] = {};
    BinomTable() {
        for (int n = 0; n <= 32; ++n)
            for (int r = 0; r < 8; ++r) c[n][r] = static_cast<std::uint32_t>(binomial(n, r));
    }
};
const BinomTable kBinom;
}  // namespace

std::uint32_t rankColex(Mask m) {
    std::uint32_t rank = 0;
    int i = 1;
    while (m) {
        const int pos = __builtin_ctz(m);
        rank += kBinom.c[pos][i];
        ++i;
        m &= m - 1;
    }
    return rank;
}

bool verify(const Lines& lines, int d, int k, int n) { return countUncovered(lines, d, k, n) == 0; }

std::uint64_t countUncovered(const Lines& lines, int d, int k, int n) {
    std::uint64_t missing = 0;
    for (Mask s : allSubsets(n, d)) {
        bool hit = false;
        for (Mask l : lines) {
            if (popcount(l & s) >= k) {
                hit = true;
                break;
            }
        }
        if (!hit) ++missing;
    }
    return missing;
}

namespace {
// Lexicographic order of the sorted positions: compare lowest differing bit.
bool lexLess(Mask a, Mask b) {
    if (a == b) return false;
    const Mask diff = a ^ b;
    const Mask low = diff & (~diff + 1);
    return (a & low) != 0;
}
}  // namespace

void normalise(Lines& lines) {
    std::sort(lines.begin(), lines.end(), lexLess);
    lines.erase(std::unique(lines.begin(), lines.end()), lines.end());
}

void padTo(Lines& lines, int n, std::size_t target) {
    std::set<Mask> present(lines.begin(), lines.end());
    std::vector<Mask> candidates = allSubsets(n, kLineSize);
    std::sort(candidates.begin(), candidates.end(), lexLess);
    for (Mask c : candidates) {
        if (lines.size() >= target) break;
        if (present.insert(c).second) lines.push_back(c);
    }
    normalise(lines);
}

std::string formatLine(Mask line) {
    std::string out;
    for (int p = 0; p < 32; ++p) {
        if (!(line & (Mask(1) << p))) continue;
        char buf[4];
        std::snprintf(buf, sizeof buf, "%02d", p + 1);
        if (!out.empty()) out += ' ';
        out += buf;
    }
    return out;
}

std::string formatWheel(const Lines& lines) {
    std::string out;
    for (Mask l : lines) {
        out += formatLine(l);
        out += '\n';
    }
    return out;
}

bool readWheel(const std::string& path, Lines& out, std::string& error) {
    std::ifstream in(path);
    if (!in) {
        error = "cannot open " + path;
        return false;
    }
    out.clear();
    std::string text;
    while (std::getline(in, text)) {
        std::istringstream ss(text);
        Mask m = 0;
        int v = 0, count = 0;
        while (ss >> v) {
            if (v < 1 || v > 32) {
                error = "position out of range in " + path;
                return false;
            }
            m |= Mask(1) << (v - 1);
            ++count;
        }
        if (count != kLineSize || popcount(m) != kLineSize) {
            error = "bad line '" + text + "' in " + path;
            return false;
        }
        out.push_back(m);
    }
    return true;
}

std::string wheelFileName(int d, int k, int n) {
    return "6-" + std::to_string(d) + "-" + std::to_string(k) + "-" + std::to_string(n) + ".whl";
}

}  // namespace wheelgen
