// Offline generator for the wheel definition files shipped in
// wheels/definitions. Not part of the program build.
//
//   wheelgen all OUTDIR [FILE...]     regenerate from the recipe table
//   wheelgen one OUTDIR D K N E [--method anneal|enum|steiner|compose]
//                [--seed S] [--start LINES] [--target LINES] [--temp T]
//                [--cool T --cycle ITERATIONS] [--symmetry M] [--time SECONDS]
//                [--split A --target-a LA --target-b LB]
//   wheelgen check DIR                verify every catalogue file in DIR
//
// A file is written only after an exhaustive check of its guarantee.

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "search.h"
#include "wheel.h"

using namespace wheelgen;

namespace {

enum class Method { Enumerate, Steiner, Anneal, Compose };

struct Recipe {
    int d, k, n;
    std::size_t lines;  // catalogue size E
    Method method = Method::Anneal;
    std::uint64_t seed = 1;
    std::size_t start = 0;   // 0: start at the target size
    std::size_t target = 0;  // 0: aim for E
    double temperature = 0.6;
    double coolTo = 0;       // with cycle > 0: cooling schedule, see AnnealOptions
    std::uint64_t cycle = 0;
    int symmetry = 0;  // see AnnealOptions
    double timeLimit = 120;
    int split = 0;  // composition: size of the first part
    std::size_t targetA = 0, targetB = 0;
};

Recipe enumerate(int n, std::size_t e) {
    Recipe r{6, 6, n, e};
    r.method = Method::Enumerate;
    return r;
}
Recipe annealed(int d, int k, int n, std::size_t e, std::uint64_t seed = 1, std::size_t start = 0,
                double temp = 0.6, double timeLimit = 120, std::size_t target = 0) {
    Recipe r{d, k, n, e};
    r.seed = seed;
    r.start = start;
    r.temperature = temp;
    r.timeLimit = timeLimit;
    r.target = target;
    return r;
}
Recipe composed(int d, int k, int n, std::size_t e, int split, std::size_t la, std::size_t lb,
                std::uint64_t seed = 1, double temp = 0.6) {
    Recipe r{d, k, n, e};
    r.method = Method::Compose;
    r.split = split;
    r.targetA = la;
    r.targetB = lb;
    r.seed = seed;
    r.temperature = temp;
    return r;
}

// How each shipped file was made; see PROVENANCE.md for timings.
std::vector<Recipe> recipes() {
    std::vector<Recipe> all;
    for (auto [n, e] : {std::pair{7, 7}, {8, 28}, {9, 84}, {10, 210}}) all.push_back(enumerate(n, e));

    all.push_back(annealed(6, 5, 8, 4));
    all.push_back(annealed(6, 5, 9, 7));
    all.push_back(annealed(6, 5, 10, 14));
    all.push_back(annealed(6, 5, 11, 22));
    all.push_back(annealed(6, 5, 12, 38, 1, 0, 1.0));
    all.push_back(annealed(6, 5, 13, 75, 1, 0, 0.5));
    all.push_back(annealed(6, 5, 14, 98, 3, 102, 0.6, 600));

    all.push_back(annealed(6, 4, 10, 3));
    all.push_back(annealed(6, 4, 11, 5));
    all.push_back(annealed(6, 4, 12, 6, 1, 0, 2.0));
    all.push_back(annealed(6, 4, 13, 10, 1, 0, 1.0));
    all.push_back(annealed(6, 4, 14, 14, 1, 0, 1.0));
    all.push_back(annealed(6, 4, 15, 25, 1, 0, 1.0));
    all.push_back(annealed(6, 4, 16, 26, 1, 0, 0.6, 300));

    all.push_back(annealed(6, 3, 15, 4));
    all.push_back(annealed(6, 3, 16, 5));
    all.push_back(annealed(6, 3, 17, 6, 1, 0, 10.0));
    all.push_back(composed(6, 3, 18, 7, 6, 1, 6, 1, 2.0));
    all.push_back(composed(6, 3, 19, 9, 8, 4, 5, 1, 1.0));
    all.push_back(composed(6, 3, 20, 10, 8, 4, 6, 1, 2.0));

    all.push_back(annealed(5, 5, 9, 30));
    all.push_back(annealed(5, 5, 10, 50, 1, 0, 0.3));
    all.push_back(annealed(5, 5, 11, 107, 1, 0, 0.3));
    {
        Recipe r{5, 5, 12, 132};
        r.method = Method::Steiner;
        all.push_back(r);
    }

    for (auto [n, e] : {std::pair{9, 3}, {10, 7}, {11, 10}, {12, 17}, {13, 25}, {14, 37}})
        all.push_back(annealed(5, 4, n, e));
    for (auto [n, e] : {std::pair{14, 5}, {15, 8}, {16, 10}}) all.push_back(annealed(5, 3, n, e));
    for (auto [n, e] : {std::pair{8, 7}, {9, 12}, {10, 23}, {11, 37}}) all.push_back(annealed(4, 4, n, e));
    for (auto [n, e] : {std::pair{9, 3}, {10, 4}, {11, 6}}) all.push_back(annealed(4, 3, n, e));
    for (auto [n, e] : {std::pair{10, 10}, {11, 11}, {12, 15}, {13, 22}}) all.push_back(annealed(3, 3, n, e));
    return all;
}

const char* methodName(Method m) {
    switch (m) {
        case Method::Enumerate: return "enum";
        case Method::Steiner: return "steiner";
        case Method::Anneal: return "anneal";
        case Method::Compose: return "compose";
    }
    return "?";
}

// Runs a recipe, checks the result exhaustively, pads to E and writes it.
// Returns false when no valid wheel was found or the file could not be written.
bool build(const Recipe& r, const std::string& outDir, bool verbose) {
    const std::string name = wheelFileName(r.d, r.k, r.n);
    SearchResult res;
    switch (r.method) {
        case Method::Enumerate: res = enumerateAll(r.n); break;
        case Method::Steiner: res = steiner5612(); break;
        case Method::Compose:
            res = compose(r.d, r.k, r.n, r.split, r.targetA, r.targetB, r.seed, r.temperature,
                          r.timeLimit);
            break;
        case Method::Anneal: {
            AnnealOptions o;
            o.d = r.d;
            o.k = r.k;
            o.n = r.n;
            o.target = r.target ? r.target : r.lines;
            o.start = r.start ? r.start : o.target;
            o.seed = r.seed;
            o.temperature = r.temperature;
            o.coolTo = r.coolTo;
            o.cycle = r.cycle;
            o.symmetry = r.symmetry;
            o.timeLimit = r.timeLimit;
            o.verbose = verbose;
            res = anneal(o);
            break;
        }
    }
    if (res.lines.empty() || !verify(res.lines, r.d, r.k, r.n)) {
        std::fprintf(stderr, "%s: no valid wheel found (%s, %.1fs)\n", name.c_str(), methodName(r.method),
                     res.seconds);
        return false;
    }
    const std::size_t found = res.lines.size();
    if (found < r.lines) padTo(res.lines, r.n, r.lines);
    if (!verify(res.lines, r.d, r.k, r.n)) {
        std::fprintf(stderr, "%s: check failed after padding\n", name.c_str());
        return false;
    }
    const std::string path = outDir + "/" + name;
    std::ofstream out(path, std::ios::binary);
    out << formatWheel(res.lines);
    if (!out) {
        std::fprintf(stderr, "%s: cannot write %s\n", name.c_str(), path.c_str());
        return false;
    }
    std::printf("%s: method %s, seed %llu, found %zu, E %zu, written %zu, %.2fs; %s\n", name.c_str(),
                methodName(r.method), static_cast<unsigned long long>(r.seed), found, r.lines,
                res.lines.size(), res.seconds, res.note.c_str());
    if (res.lines.size() > r.lines)
        std::printf("%s: WARNING: %zu lines, more than E = %zu\n", name.c_str(), res.lines.size(), r.lines);
    return true;
}

int usage() {
    std::fprintf(stderr,
                 "usage: wheelgen all OUTDIR [FILE...]\n"
                 "       wheelgen one OUTDIR D K N E [--method anneal|enum|steiner|compose] [--seed S]\n"
                 "                [--start L] [--target L] [--temp T] [--cool T --cycle ITERS]\n"
                 "                [--symmetry M] [--time SEC]\n"
                 "                [--split A --target-a LA --target-b LB]\n"
                 "       wheelgen check DIR\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) return usage();
    const std::string mode = argv[1];
    const std::string dir = argv[2];

    if (mode == "check") {
        int bad = 0;
        for (const Recipe& r : recipes()) {
            const std::string name = wheelFileName(r.d, r.k, r.n);
            Lines lines;
            std::string error;
            if (!readWheel(dir + "/" + name, lines, error)) {
                std::printf("%s: %s\n", name.c_str(), error.c_str());
                ++bad;
                continue;
            }
            const auto missing = countUncovered(lines, r.d, r.k, r.n);
            std::printf("%s: %zu lines (E %zu), %llu uncovered\n", name.c_str(), lines.size(), r.lines,
                        static_cast<unsigned long long>(missing));
            bad += missing != 0;
        }
        return bad ? 1 : 0;
    }

    if (mode == "all") {
        int failed = 0;
        for (const Recipe& r : recipes()) {
            const std::string name = wheelFileName(r.d, r.k, r.n);
            bool wanted = argc == 3;
            for (int i = 3; i < argc; ++i) wanted |= name == argv[i];
            if (wanted && !build(r, dir, false)) ++failed;
        }
        return failed ? 1 : 0;
    }

    if (mode == "one") {
        if (argc < 7) return usage();
        Recipe r{std::atoi(argv[3]), std::atoi(argv[4]), std::atoi(argv[5]),
                 static_cast<std::size_t>(std::atol(argv[6]))};
        for (int i = 7; i < argc; ++i) {
            const std::string opt = argv[i];
            if (i + 1 >= argc) return usage();
            const char* v = argv[++i];
            if (opt == "--method") {
                const std::string m = v;
                if (m == "anneal") r.method = Method::Anneal;
                else if (m == "enum") r.method = Method::Enumerate;
                else if (m == "steiner") r.method = Method::Steiner;
                else if (m == "compose") r.method = Method::Compose;
                else return usage();
            } else if (opt == "--seed") r.seed = std::strtoull(v, nullptr, 10);
            else if (opt == "--start") r.start = static_cast<std::size_t>(std::atol(v));
            else if (opt == "--target") r.target = static_cast<std::size_t>(std::atol(v));
            else if (opt == "--temp") r.temperature = std::atof(v);
            else if (opt == "--cool") r.coolTo = std::atof(v);
            else if (opt == "--cycle") r.cycle = std::strtoull(v, nullptr, 10);
            else if (opt == "--symmetry") r.symmetry = std::atoi(v);
            else if (opt == "--time") r.timeLimit = std::atof(v);
            else if (opt == "--split") r.split = std::atoi(v);
            else if (opt == "--target-a") r.targetA = static_cast<std::size_t>(std::atol(v));
            else if (opt == "--target-b") r.targetB = static_cast<std::size_t>(std::atol(v));
            else return usage();
        }
        const bool sane = r.n >= kLineSize && r.n <= 20 && r.k >= 1 && r.k <= r.d && r.d <= r.n &&
                          r.k <= kLineSize && r.d <= 6;
        const std::size_t first = r.start ? r.start : (r.target ? r.target : r.lines);
        const bool symmetric = r.symmetry <= 1 || (r.n % r.symmetry == 0 &&
                                                   first % static_cast<std::size_t>(r.symmetry) == 0);
        if (!sane || !symmetric) return usage();
        return build(r, dir, true) ? 0 : 1;
    }
    return usage();
}
