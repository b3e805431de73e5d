#include "entries/suggest.h"

#include "core/entryfiles.h"
#include "core/history.h"
#include "core/numbermask.h"
#include "core/numbers.h"
#include "core/recordfile.h"

#include <algorithm>

namespace pickwise {

namespace {

constexpr int suggestionLimit = 2500;

// An entry's numbers as bits, so an overlap is one AND and a bit count. A
// value outside 0..63 (a damaged file) is left out: it can never equal a
// candidate number, always a ball of a game.
uint64_t maskOf(const Entry &numbers)
{
    return checking::maskOf(numbers).bits;
}

class Sampler
{
public:
    Sampler(const std::vector<BallRecord> &draws, const std::vector<Entry> &entries,
        const ConstraintSet &constraints, Random &random, double enterNo, int highestBall)
        : m_draws(draws), m_constraints(constraints), m_random(random), m_enterNo(enterNo),
          m_highestBall(highestBall)
    {
        m_masks.reserve(entries.size());
        for (const Entry &e : entries)
            m_masks.push_back(maskOf(e));
    }

    void add(const Entry &accepted) { m_masks.push_back(maskOf(accepted)); }

    // One attempt; false when the candidate is abandoned.
    bool attempt(Entry &c)
    {
        const bool constrained = m_constraints.constrained;
        const double drawCount = static_cast<double>(m_draws.size());
        for (int p = 0; p < 6; ++p) {
            if (p < 3 && constrained && m_constraints.mustcontain[p] >= 1) {
                c[p] = m_constraints.mustcontain[p];
                continue;
            }
            // k runs 0..D; 0 names no draw and starts the attempt again.
            const double k = roundHalfEven(m_random.next() * drawCount);
            if (!(k >= 1.0 && k <= drawCount))
                return false;
            c[p] = m_draws[static_cast<size_t>(k) - 1].ball[p];
        }
        if (constrained) {
            for (int16_t banned : m_constraints.mustnotcontain) {
                if (banned != 0 && std::find(c.begin(), c.end(), banned) != c.end())
                    return false;
            }
        }
        for (int i = 0; i < 6; ++i) {
            // A damaged history or an unchecked constraint never becomes an entry.
            if (c[i] < 1 || c[i] > m_highestBall)
                return false;
            for (int j = i + 1; j < 6; ++j) {
                if (c[i] == c[j])
                    return false;
            }
        }
        std::sort(c.begin(), c.end());
        const int limit
            = similarityLimit(constrained, static_cast<double>(m_masks.size()) + m_enterNo);
        const uint64_t candidate = maskOf(c);
        for (uint64_t existing : m_masks) {
            if (checking::bitCount(candidate & existing) >= limit)
                return false;
        }
        return true;
    }

private:
    const std::vector<BallRecord> &m_draws;
    const ConstraintSet &m_constraints;
    Random &m_random;
    double m_enterNo;
    int m_highestBall;
    std::vector<uint64_t> m_masks;
};

} // namespace

int similarityLimit(bool constrained, double entriesPlusEnterNo)
{
    if (constrained)
        return 6;
    return entriesPlusEnterNo < 52 ? 3 : 5;
}

std::string constraintProblem(const ConstraintSet &set, int highestBall)
{
    if (!set.constrained)
        return {};
    const std::string advice = " Please correct it under Constrain before adding entries.";
    const std::string range = " (balls run from 1 to " + std::to_string(highestBall) + ").";
    auto outside = [highestBall](int16_t n) { return n != 0 && (n < 1 || n > highestBall); };
    for (int16_t n : set.mustcontain)
        if (outside(n))
            return "The must contain number " + std::to_string(n) + " is not a ball of the game"
                + range + advice;
    for (int16_t n : set.mustnotcontain)
        if (outside(n))
            return "The must not contain number " + std::to_string(n) + " is not a ball of the game"
                + range + advice;
    const auto &must = set.mustcontain;
    for (size_t i = 0; i < must.size(); ++i) {
        if (must[i] == 0)
            continue;
        for (size_t j = i + 1; j < must.size(); ++j)
            if (must[j] == must[i])
                return "The number " + std::to_string(must[i])
                    + " is in the must contain list twice." + advice;
        for (int16_t banned : set.mustnotcontain)
            if (banned == must[i])
                return "The number " + std::to_string(must[i])
                    + " is in both the must contain and the must not contain list." + advice;
    }
    return {};
}

std::string enterNoMessage(double enterNo)
{
    if (enterNo >= 1)
        return {};
    return "You have not specified a number to add. Please enter a number in: Enter No box";
}

SuggestRequest planSuggestions(double enterNo, bool totalMode, double shownCount, int fileCount)
{
    SuggestRequest request;
    double wanted = 0;
    if (totalMode) {
        if (enterNo <= shownCount) {
            request.message = "You already have this number of entries or more.";
            return request;
        }
        wanted = roundHalfEven(enterNo - shownCount);
    } else {
        if (fileCount + enterNo > suggestionLimit) {
            request.message = "You are limited to a maximum of 2500 entries";
            return request;
        }
        wanted = roundHalfEven(enterNo);
    }
    // Entry counts and record numbers are 16-bit: refuse before writing rather
    // than overflow part way through a run.
    constexpr int entryFileLimit = RecordFile::maxRecords;
    if (enterNo > entryFileLimit || fileCount + wanted > entryFileLimit) {
        request.message = "An entry file can hold at most " + std::to_string(entryFileLimit)
            + " entries. Please enter a smaller number in: Enter No box";
        return request;
    }
    request.count = static_cast<int>(wanted);
    return request;
}

SuggestOutcome suggestFrom(const std::vector<BallRecord> &draws, std::vector<Entry> &entries,
    const ConstraintSet &constraints, bool &cancelflag, Random &random, int n, double enterNo,
    const SuggestHooks &hooks, const std::function<std::string(const Entry &)> &appendEntry,
    const GameMatrix &game)
{
    using Clock = std::chrono::steady_clock;
    SuggestOutcome outcome;
    // A Cancel clicked before this run is not meant for it.
    cancelflag = false;
    outcome.message = constraintProblem(constraints, game.highestBall);
    if (!outcome.message.empty()) {
        outcome.end = SuggestOutcome::End::BadConstraints;
        return outcome;
    }
    if (static_cast<int>(draws.size()) < minimumSuggestionDraws) {
        outcome.end = SuggestOutcome::End::TooFewDraws;
        outcome.message = "You do not have sufficient draws in the results file for the computer "
                          "to suggest entries. You must add them manually using the area above.";
        return outcome;
    }

    // Runs pending events; true when a Cancel click has ended the run.
    auto cancelled = [&]() {
        if (hooks.letEventsRun)
            hooks.letEventsRun();
        if (!cancelflag)
            return false;
        cancelflag = false;
        outcome.end = SuggestOutcome::End::Cancelled;
        return true;
    };

    Sampler sampler(draws, entries, constraints, random, enterNo, game.highestBall);
    auto lastYield = Clock::now();
    for (int made = 0; made < n; ++made) {
        Entry candidate {};
        // No bound on the attempts, but the window stays responsive and Cancel
        // works also when the constraints leave nothing the history can give.
        for (unsigned attempts = 0;; ++attempts) {
            if (sampler.attempt(candidate))
                break;
            if ((attempts & 63) == 63 && Clock::now() - lastYield >= hooks.yieldEvery) {
                if (cancelled())
                    return outcome;
                lastYield = Clock::now();
            }
        }
        const std::string error = appendEntry(candidate);
        if (!error.empty()) {
            outcome.end = SuggestOutcome::End::WriteFailed;
            outcome.message = "The computer stopped adding entries because the entry file could "
                              "not be written ("
                + error + "). The entries added before are kept.";
            return outcome;
        }
        entries.push_back(candidate);
        sampler.add(candidate);
        ++outcome.added;
        if (hooks.accepted)
            hooks.accepted(static_cast<int>(entries.size()), candidate);
        if (cancelled())
            return outcome;
        lastYield = Clock::now();
    }
    return outcome;
}

SuggestOutcome suggestentries(const std::string &history, const std::string &entryfile,
    const ConstraintSet &constraints, bool &cancelflag, Random &random, int n, double enterNo,
    const SuggestHooks &hooks, const GameMatrix &game)
{
    SuggestOutcome outcome;
    ResultsHistory results(history);
    std::string error = results.load();
    if (!error.empty()) {
        outcome.end = SuggestOutcome::End::ReadFailed;
        outcome.message = error;
        return outcome;
    }
    // Balls of the other game would be drawn with other odds, or not be balls
    // of this game at all.
    const std::vector<BallRecord> draws = results.records(game);
    std::vector<Entry> entries;
    if (static_cast<int>(draws.size()) < minimumSuggestionDraws) // the entry file stays unopened
        return suggestFrom(
            draws, entries, constraints, cancelflag, random, n, enterNo, hooks, {}, game);
    const std::string path = entryfile;
    error = entryfiles::list(path, entries);
    if (!error.empty()) {
        outcome.end = SuggestOutcome::End::ReadFailed;
        outcome.message = "The entry file could not be read (" + error + ").";
        return outcome;
    }
    return suggestFrom(
        draws, entries, constraints, cancelflag, random, n, enterNo, hooks,
        [&path](const Entry &e) { return entryfiles::append(path, e); }, game);
}

} // namespace pickwise
