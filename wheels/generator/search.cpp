#include "search.h"

#include <array>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <cstdio>
#include <limits>
#include <random>
#include <set>
#include <sstream>

namespace wheelgen {

namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point t0) {
    return std::chrono::duration<double>(Clock::now() - t0).count();
}

// Places the bits of `small` onto the set bits of `onto`, lowest first.
Mask deposit(Mask small, Mask onto) {
    Mask out = 0;
    while (onto) {
        const Mask low = onto & (~onto + 1);
        if (small & 1) out |= low;
        small >>= 1;
        onto &= onto - 1;
    }
    return out;
}

// mt19937_64 output is fixed by the standard, unlike the distributions, so
// derive integers and reals from raw output to keep runs reproducible.
class Rng {
public:
    explicit Rng(std::uint64_t seed) : engine_(seed) {}
    std::uint64_t below(std::uint64_t bound) { return engine_() % bound; }
    double unit() { return static_cast<double>(engine_() >> 11) * (1.0 / 9007199254740992.0); }
    Mask randomBit(Mask m) {
        int skip = static_cast<int>(below(static_cast<std::uint64_t>(popcount(m))));
        while (skip-- > 0) m &= m - 1;
        return m & (~m + 1);
    }

private:
    std::mt19937_64 engine_;
};

class Annealer {
public:
    explicit Annealer(const AnnealOptions& o)
        : o_(o), full_((Mask(1) << o.n) - 1), rng_(o.seed), temperature_(o.temperature) {
        subsets_ = allSubsets(o_.n, o_.d);
        count_.assign(subsets_.size(), 0);
        where_.assign(subsets_.size(), -1);
        for (std::uint32_t i = 0; i < subsets_.size(); ++i) markUncovered(i);
        coreCombos_ = allSubsets(kLineSize - 1, o_.k - 1);
        outsideCombos_ = allSubsets(o_.n - kLineSize - 1, o_.d - o_.k);
        std::vector<Mask> pool = allSubsets(o_.n, kLineSize);
        std::set<Mask> used;
        const int m = o_.symmetry > 0 ? o_.symmetry : 1;
        while (lines_.size() < o_.start) {
            const Mask l = pool[rng_.below(pool.size())];
            if (!used.insert(l).second) continue;
            // Lines j*m .. j*m+m-1 are the images of base line j.
            for (int shift = 0; shift < m; ++shift) addLine(image(l, shift));
        }
    }

    SearchResult run() {
        SearchResult result;
        const auto t0 = Clock::now();
        std::uint64_t it = 0;
        double nextReport = 10;
        std::size_t bestMissing = std::numeric_limits<std::size_t>::max();
        for (;; ++it) {
            if (uncovered_.empty()) {
                result.lines = lines_;
                if (o_.verbose)
                    std::fprintf(stderr, "  valid with %zu lines after %.1fs, %llu iterations\n",
                                 lines_.size(), secondsSince(t0), static_cast<unsigned long long>(it));
                if (lines_.size() <= o_.target || o_.symmetry > 1) break;
                dropWeakestLine();
                continue;
            }
            if (uncovered_.size() < bestMissing) bestMissing = uncovered_.size();
            if ((it & 0xFFF) == 0) {
                if (o_.cycle > 0) {
                    const double phase = static_cast<double>(it % o_.cycle) / static_cast<double>(o_.cycle);
                    temperature_ = o_.temperature * std::pow(o_.coolTo / o_.temperature, phase);
                }
                const double now = secondsSince(t0);
                if (now > o_.timeLimit) break;
                if (o_.verbose && now >= nextReport) {
                    std::fprintf(stderr, "  %.0fs: %zu lines, %zu uncovered, best %zu\n", now, lines_.size(),
                                 uncovered_.size(), bestMissing);
                    nextReport = now + 10;
                    bestMissing = std::numeric_limits<std::size_t>::max();
                }
            }
            step();
        }
        result.seconds = secondsSince(t0);
        result.iterations = it;
        // Cross-checks the incremental bookkeeping against a full recount.
        if (std::getenv("WHEELGEN_DEBUG"))
            std::fprintf(stderr, "  tracked %zu uncovered, actual %llu, lines %zu\n", uncovered_.size(),
                         static_cast<unsigned long long>(countUncovered(lines_, o_.d, o_.k, o_.n)), lines_.size());
        return result;
    }

private:
    void markUncovered(std::uint32_t i) {
        where_[i] = static_cast<std::int32_t>(uncovered_.size());
        uncovered_.push_back(i);
    }
    void markCovered(std::uint32_t i) {
        const std::int32_t p = where_[i];
        const std::uint32_t last = uncovered_.back();
        uncovered_[static_cast<std::size_t>(p)] = last;
        where_[last] = p;
        uncovered_.pop_back();
        where_[i] = -1;
    }
    void bump(Mask s, int by) {
        const std::uint32_t i = rankColex(s);
        const int before = count_[i];
        count_[i] = before + by;
        if (before == 0 && by > 0) markCovered(i);
        if (before + by == 0) markUncovered(i);
    }

    // Calls f(s) for every d-subset s with at least k positions in `line`.
    template <typename F>
    void forEachCovered(Mask line, F f) const {
        const Mask outside = full_ & ~line;
        for (int j = o_.k; j <= std::min(o_.d, kLineSize); ++j)
            for (Mask in : allSubsetsCached(kLineSize, j))
                for (Mask out : allSubsetsCached(o_.n - kLineSize, o_.d - j))
                    f(deposit(in, line) | deposit(out, outside));
    }
    const std::vector<Mask>& allSubsetsCached(int n, int r) const {
        auto& slot = cache_[static_cast<std::size_t>(n)][static_cast<std::size_t>(r)];
        if (!slot.filled) {
            slot.subsets = allSubsets(n, r);
            slot.filled = true;
        }
        return slot.subsets;
    }

    void addLine(Mask l) {
        lines_.push_back(l);
        forEachCovered(l, [&](Mask s) { bump(s, +1); });
    }

    void dropWeakestLine() {
        std::size_t best = 0;
        int bestLoss = std::numeric_limits<int>::max();
        for (std::size_t i = 0; i < lines_.size(); ++i) {
            int loss = 0;
            forEachCovered(lines_[i], [&](Mask s) { loss += count_[rankColex(s)] == 1; });
            if (loss < bestLoss) {
                bestLoss = loss;
                best = i;
            }
        }
        const Mask l = lines_[best];
        lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(best));
        forEachCovered(l, [&](Mask s) { bump(s, -1); });
    }

    // Moving position a out of line L and b in only changes coverage of sets
    // with exactly k-1 of the other five line positions plus a (lost) or
    // plus b (gained), and d-k positions outside L and b.
    template <typename F>
    void forEachChanged(Mask line, Mask a, Mask b, F f) {
        const Mask core = line & ~a;
        const Mask outside = full_ & ~line & ~b;
        coreMasks_.clear();
        for (Mask c : coreCombos_) coreMasks_.push_back(deposit(c, core));
        outsideMasks_.clear();
        for (Mask c : outsideCombos_) outsideMasks_.push_back(deposit(c, outside));
        for (Mask c : coreMasks_)
            for (Mask u : outsideMasks_) f(c | u | a, c | u | b);
    }

    // Shift by `shift` within each run of `symmetry` consecutive positions.
    Mask image(Mask x, int shift) const {
        const int m = o_.symmetry;
        if (m <= 1 || shift == 0) return x;
        Mask out = 0;
        for (int p = 0; p < o_.n; ++p)
            if (x & (Mask(1) << p)) out |= Mask(1) << (p - p % m + (p % m + shift) % m);
        return out;
    }

    void swapInLine(std::size_t li, Mask a, Mask b) {
        forEachChanged(lines_[li], a, b, [&](Mask lost, Mask gained) {
            bump(lost, -1);
            bump(gained, +1);
        });
        lines_[li] = (lines_[li] & ~a) | b;
    }

    // Under a symmetry every move is applied to the whole orbit of a base
    // line, so the wheel stays invariant and the search space is m times
    // smaller. Uncovered sets then come in orbits of m, which is the unit
    // the temperature refers to.
    void symmetricStep() {
        const int m = o_.symmetry;
        std::size_t li = 0;
        Mask a = 0, b = 0;
        if (rng_.below(2) == 0) {
            li = rng_.below(lines_.size());
            a = rng_.randomBit(lines_[li]);
            b = rng_.randomBit(full_ & ~lines_[li]);
        } else {
            li = nearestLine(subsets_[uncovered_[rng_.below(uncovered_.size())]], a, b);
        }
        const std::size_t base = li - li % static_cast<std::size_t>(m);
        const int back = (m - static_cast<int>(li % static_cast<std::size_t>(m))) % m;
        const Mask a0 = image(a, back), b0 = image(b, back);
        const std::size_t before = uncovered_.size();
        for (int shift = 0; shift < m; ++shift)
            swapInLine(base + static_cast<std::size_t>(shift), image(a0, shift), image(b0, shift));
        const double delta =
            (static_cast<double>(uncovered_.size()) - static_cast<double>(before)) / m;
        if (delta > 0 && rng_.unit() >= std::exp(-delta / temperature_)) {
            for (int shift = m - 1; shift >= 0; --shift)
                swapInLine(base + static_cast<std::size_t>(shift), image(b0, shift), image(a0, shift));
        }
    }

    // Picks at random one of the lines meeting s most, and a swap (a out,
    // b in) that brings it one position closer to s.
    std::size_t nearestLine(Mask s, Mask& a, Mask& b) {
        int bestMeet = -1;
        nearest_.clear();
        for (std::size_t i = 0; i < lines_.size(); ++i) {
            const int meet = popcount(lines_[i] & s);
            if (meet > bestMeet) {
                bestMeet = meet;
                nearest_.clear();
            }
            if (meet == bestMeet) nearest_.push_back(i);
        }
        const std::size_t li = nearest_[rng_.below(nearest_.size())];
        a = rng_.randomBit(lines_[li] & ~s);
        b = rng_.randomBit(s & ~lines_[li]);
        return li;
    }

    void step() {
        if (o_.symmetry > 1) {
            symmetricStep();
            return;
        }
        // Half the moves are blind swaps: they let the search drift across
        // plateaus of equal cost that the targeted moves never leave.
        if (rng_.below(2) == 0) {
            const std::size_t li = rng_.below(lines_.size());
            const Mask line = lines_[li];
            tryMove(li, rng_.randomBit(line), rng_.randomBit(full_ & ~line));
            return;
        }
        Mask a = 0, b = 0;
        const std::size_t li = nearestLine(subsets_[uncovered_[rng_.below(uncovered_.size())]], a, b);
        tryMove(li, a, b);
    }

    void tryMove(std::size_t li, Mask a, Mask b) {
        const Mask line = lines_[li];
        int delta = 0;
        forEachChanged(line, a, b, [&](Mask lost, Mask gained) {
            delta += count_[rankColex(lost)] == 1;
            delta -= count_[rankColex(gained)] == 0;
        });
        if (delta > 0 && rng_.unit() >= std::exp(-delta / temperature_)) return;
        forEachChanged(line, a, b, [&](Mask lost, Mask gained) {
            bump(lost, -1);
            bump(gained, +1);
        });
        lines_[li] = (line & ~a) | b;
    }

    struct CacheSlot {
        bool filled = false;
        std::vector<Mask> subsets;
    };

    AnnealOptions o_;
    Mask full_;
    Rng rng_;
    double temperature_;
    std::vector<Mask> subsets_;
    std::vector<int> count_;
    std::vector<std::int32_t> where_;
    std::vector<std::uint32_t> uncovered_;
    Lines lines_;
    std::vector<Mask> coreCombos_, outsideCombos_, coreMasks_, outsideMasks_;
    std::vector<std::size_t> nearest_;
    mutable std::array<std::array<CacheSlot, 8>, 33> cache_;
};

}  // namespace

SearchResult anneal(const AnnealOptions& options) {
    Annealer annealer(options);
    SearchResult r = annealer.run();
    normalise(r.lines);
    std::ostringstream note;
    note << "annealing, start " << options.start << " lines, temperature " << options.temperature;
    if (options.cycle > 0)
        note << " cooling to " << options.coolTo << " every " << options.cycle << " iterations";
    if (options.symmetry > 1) note << ", invariant under cyclic shifts of " << options.symmetry;
    note << ", " << r.iterations << " iterations";
    r.note = note.str();
    return r;
}

SearchResult enumerateAll(int n) {
    SearchResult r;
    r.lines = allSubsets(n, kLineSize);
    normalise(r.lines);
    r.note = "every 6-subset";
    return r;
}

SearchResult steiner5612() {
    const auto t0 = Clock::now();
    constexpr int kInf = 11;
    using Perm = std::array<int, 12>;
    auto inverseMod11 = [](int x) {
        for (int y = 1; y < 11; ++y)
            if (x * y % 11 == 1) return y;
        return 0;
    };
    Perm shift{}, flip{};
    for (int x = 0; x < 11; ++x) shift[static_cast<std::size_t>(x)] = (x + 1) % 11;
    shift[kInf] = kInf;
    flip[0] = kInf;
    flip[kInf] = 0;
    for (int x = 1; x < 11; ++x) flip[static_cast<std::size_t>(x)] = (11 - inverseMod11(x)) % 11;

    // Close {shift, flip} under composition: PSL(2,11), 660 elements.
    std::set<Perm> group;
    std::vector<Perm> frontier;
    Perm id{};
    for (int i = 0; i < 12; ++i) id[static_cast<std::size_t>(i)] = i;
    group.insert(id);
    frontier.push_back(id);
    while (!frontier.empty()) {
        const Perm g = frontier.back();
        frontier.pop_back();
        for (const Perm& h : {shift, flip}) {
            Perm gh{};
            for (std::size_t i = 0; i < 12; ++i) gh[i] = h[static_cast<std::size_t>(g[i])];
            if (group.insert(gh).second) frontier.push_back(gh);
        }
    }

    auto orbit = [&](Mask base) {
        Lines out;
        std::set<Mask> seen;
        for (const Perm& g : group) {
            Mask img = 0;
            for (int p = 0; p < 12; ++p)
                if (base & (Mask(1) << p)) img |= Mask(1) << g[static_cast<std::size_t>(p)];
            if (seen.insert(img).second) out.push_back(img);
        }
        return out;
    };

    // Point p of the projective line is position p+1; infinity is position 12.
    Mask base = Mask(1) << kInf;
    for (int q : {1, 3, 4, 5, 9}) base |= Mask(1) << q;  // quadratic residues mod 11
    std::vector<Mask> candidates{base};
    for (Mask m : allSubsets(12, kLineSize))
        if (m != base) candidates.push_back(m);

    SearchResult r;
    for (Mask b : candidates) {
        Lines o = orbit(b);
        if (o.size() == 132 && verify(o, 5, 5, 12)) {
            r.lines = o;
            std::ostringstream note;
            note << "orbit of block {" << formatLine(b) << "} under PSL(2,11), group order "
                 << group.size();
            r.note = note.str();
            break;
        }
    }
    normalise(r.lines);
    r.seconds = secondsSince(t0);
    return r;
}

SearchResult compose(int d, int k, int n, int a, std::size_t targetA, std::size_t targetB,
                     std::uint64_t seed, double temperature, double timeLimit) {
    const auto t0 = Clock::now();
    SearchResult r;
    auto part = [&](int dd, int size, std::size_t target, std::uint64_t s) {
        if (size == kLineSize) return Lines{(Mask(1) << kLineSize) - 1};
        AnnealOptions o;
        o.d = dd;
        o.k = k;
        o.n = size;
        o.start = target;
        o.target = target;
        o.seed = s;
        o.temperature = temperature;
        o.timeLimit = timeLimit / 2;
        return anneal(o).lines;
    };
    const Lines first = part(k, a, targetA, seed);
    const Lines second = part(d - k + 1, n - a, targetB, seed + 1);
    if (first.empty() || second.empty()) {
        r.seconds = secondsSince(t0);
        return r;
    }
    r.lines = first;
    for (Mask m : second) r.lines.push_back(m << a);
    normalise(r.lines);
    std::ostringstream note;
    note << "composition " << a << " + " << (n - a) << ": " << first.size() << " lines \"" << k
         << " if " << k << "\" on the first part, " << second.size() << " lines \"" << k << " if "
         << (d - k + 1) << "\" on the second";
    r.note = note.str();
    r.seconds = secondsSince(t0);
    return r;
}

}  // namespace wheelgen
