// Search methods that produce wheels. Every method is deterministic for a
// given seed; time limits only decide whether a run gets far enough.
#pragma once

#include <cstdint>
#include <string>

#include "wheel.h"

namespace wheelgen {

struct AnnealOptions {
    int d = 0, k = 0, n = 0;
    std::size_t start = 0;   // number of lines to begin with
    std::size_t target = 0;  // stop once a valid wheel this small exists
    std::uint64_t seed = 1;
    double temperature = 0.6;  // in units of uncovered d-subsets
    // With cycle > 0 the temperature falls geometrically from `temperature`
    // to `coolTo` over `cycle` iterations, then starts again from the top.
    // Designs whose moves shift hundreds of sets at once need this; the
    // others do better at a constant temperature.
    double coolTo = 0.0;
    std::uint64_t cycle = 0;
    // With symmetry m > 1 the positions fall into runs of m (1..m, m+1..2m,
    // ...), the wheel is kept invariant under shifting every run cyclically,
    // and start must be a multiple of m. No stepping down in this mode.
    int symmetry = 0;
    double timeLimit = 60.0;   // seconds
    bool verbose = false;
};

struct SearchResult {
    Lines lines;  // smallest valid wheel found; empty if none
    double seconds = 0.0;
    std::uint64_t iterations = 0;
    std::string note;  // human-readable details for the provenance record
};

// Simulated annealing on a fixed number of lines, minimising the number of
// d-subsets without a k-match. When a valid wheel appears and is still above
// the target, the least useful line is dropped and the search goes on from
// there, so a larger start size walks down one line at a time.
SearchResult anneal(const AnnealOptions& options);

// Every 6-subset of the group: the only wheel that guarantees 6 of 6.
SearchResult enumerateAll(int n);

// S(5,6,12) as the orbit of one block under PSL(2,11) acting on the
// projective line over GF(11).
SearchResult steiner5612();

// Splits the group into parts of size a and n-a: any d drawn put at least k
// into the first part or at least d-k+1 into the second, so a (k,k,a)
// covering joined with a (d-k+1,k,n-a) design keeps the k-match guarantee.
SearchResult compose(int d, int k, int n, int a, std::size_t targetA, std::size_t targetB,
                     std::uint64_t seed, double temperature, double timeLimit);

}  // namespace wheelgen
