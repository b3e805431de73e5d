// Core types shared by the wheel generator: lines as bitmasks over the
// player's group (bit i = position i+1), exhaustive verification, I/O.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace wheelgen {

using Mask = std::uint32_t;  // groups never exceed 20 balls
using Lines = std::vector<Mask>;

constexpr int kLineSize = 6;

int popcount(Mask m);

// All r-subsets of {0..n-1} as bitmasks, in colex order (so the index of a
// subset equals its combinatorial-number-system rank, see rankColex).
std::vector<Mask> allSubsets(int n, int r);

// Rank of a subset in the colex order produced by allSubsets.
std::uint32_t rankColex(Mask m);

std::uint64_t binomial(int n, int r);

// True when every d-subset of the n positions shares at least k positions
// with some line. Exhaustive: at most C(20,6) subsets, so this is cheap.
bool verify(const Lines& lines, int d, int k, int n);

// Number of d-subsets left without a k-match.
std::uint64_t countUncovered(const Lines& lines, int d, int k, int n);

// Removes duplicates and sorts lines lexicographically by their positions.
void normalise(Lines& lines);

// Adds the lexicographically first 6-subsets not yet present until the wheel
// has `target` lines. Extra lines never weaken the guarantee.
void padTo(Lines& lines, int n, std::size_t target);

std::string formatLine(Mask line);
std::string formatWheel(const Lines& lines);
bool readWheel(const std::string& path, Lines& out, std::string& error);

std::string wheelFileName(int d, int k, int n);

}  // namespace wheelgen
