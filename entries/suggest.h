#pragma once

#include "core/ballrecord.h"
#include "core/game.h"
#include "core/lines.h"
#include "entries/entryrules.h"
#include "platform/clock.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace pickwise {

// Fewest draws in the history the suggestions work from.
constexpr int minimumSuggestionDraws = 20;

// Overlap at which a candidate is too similar to an entry already in the file:
// a tight rule while the file is small, a loose one for big files, and only
// exact repeats when the player has constrained the numbers.
int similarityLimit(bool constrained, double entriesPlusEnterNo);

// What is wrong with the constraint set for a game whose balls run from 1 to
// highestBall, "" when a run may use it. A set the Done button refused part way
// can still hold a number out of range, twice, or in both lists; a run under it
// could never find an entry. Only a constrained set is looked at; 0 is an empty
// slot.
std::string constraintProblem(const ConstraintSet &set, int highestBall);

// What the computer Add button asks for, once the "Enter No" value and the
// counts are known.
struct SuggestRequest
{
    std::string message; // refusal shown to the user; empty when the run may start
    int count = 0; // N: entries to generate
};

// "Enter No" must be at least 1 before anything else is looked at.
std::string enterNoMessage(double enterNo);

// totalMode: "Enter No" is the wanted total (compared with the count the main
// window shows); otherwise it is the number to add, within the 2500 limit.
SuggestRequest planSuggestions(double enterNo, bool totalMode, double shownCount, int fileCount);

struct SuggestHooks
{
    // After each accepted entry: the new entry count and the entry.
    std::function<void(int count, const Entry &entry)> accepted;
    // Lets the window's pending events run (a Cancel click sets cancelflag).
    std::function<void()> letEventsRun;
    // Longest stretch of rejected attempts before events run again.
    std::chrono::milliseconds yieldEvery {50};
};

struct SuggestOutcome
{
    enum class End { Finished, Cancelled, TooFewDraws, BadConstraints, ReadFailed, WriteFailed };
    End end = End::Finished;
    int added = 0;
    std::string message; // the one message box of the run, empty when none
};

// Generates up to n entries for entryfile from the draws of `game` (the game
// of the entries being made) in the results history at history, honouring the
// constraint set, which is checked first against that game; every
// accepted entry is appended to the file at once. A Cancel (cancelflag set)
// counts only once the run has started. enterNo is the "Enter No" value as
// typed. The history and the entries are read once; accepted entries join both
// the file and the in-memory list.
SuggestOutcome suggestentries(const std::string &history, const std::string &entryfile,
    const ConstraintSet &constraints, bool &cancelflag, Random &random, int n, double enterNo,
    const SuggestHooks &hooks, const GameMatrix &game = sixOf49());

// The same over draws and entries already in memory, with appendEntry doing
// the writing (it returns an error text, empty on success); draws are of
// `game` only. Used by the function above; exposed so the sampling can be
// measured without a disk.
SuggestOutcome suggestFrom(const std::vector<BallRecord> &draws, std::vector<Entry> &entries,
    const ConstraintSet &constraints, bool &cancelflag, Random &random, int n, double enterNo,
    const SuggestHooks &hooks, const std::function<std::string(const Entry &)> &appendEntry,
    const GameMatrix &game = sixOf49());

} // namespace pickwise
