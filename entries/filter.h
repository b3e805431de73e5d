#pragma once

#include "core/game.h"
#include "core/lines.h"
#include "core/recordfile.h"
#include "printing/output.h"

#include <functional>
#include <string>
#include <vector>

namespace pickwise::filter {

// ball(7), unused by entries, marks an entry of the working copy for removal.
constexpr int16_t removalMark = -1;
inline bool isMarked(const BallRecord &record)
{
    return record.ball[6] == removalMark;
}

// The sums an entry may have and stay, bounds included; slider positions 1..5.
// The bands were drawn for six numbers out of 49: 85-213 to 125-173, centred
// on 149, one below the mean sum of 150. The entries of another game get bands
// of the same meaning: moved with its mean sum (159 for 6 of 52, so centred on
// 158) and as wide in standard deviations of the sum (34.9 against 32.8), so
// each position keeps about the same share of all entries in either game:
// 90-226 to 132-184 for 6 of 52. The game is the one of the entries filtered.
struct SumBand
{
    int lower = 0;
    int upper = 0;
};
SumBand sumBand(int position, const GameMatrix &game = sixOf49());

// setupfile: copies the entry file over the working copy and loads it.
std::string prepareCopy(
    const std::string &entryfile, const std::string &copyPath, RecordFile &copy);

// Marks every entry whose sum lies outside the band; returns how many it marked.
int markBySum(RecordFile &copy, const SumBand &band);

// Keeps each entry unless it shares `level` or more numbers with an earlier kept
// entry; entries already marked are neither compared nor used as reference.
// afterEntry(r) runs after each reference entry r (1-based). Returns how many it
// marked.
int markDuplicates(RecordFile &copy, int level, const std::function<void(int)> &afterEntry = {});

// What the check list shows after a check: entries 1..E with their marks.
struct Listing
{
    std::vector<std::string> lines;
    std::vector<bool> marked;
};
Listing listingOf(const RecordFile &copy);

// A tick set or cleared by hand: writes ball(7) of one record of the working
// copy (-1 or 0).
std::string setMark(const std::string &copyPath, int record, bool marked);

// The entry file's new content: the unmarked records of the working copy in
// order, unchanged, and record 1's count set to how many they are.
std::vector<uint8_t> keptRecords(const RecordFile &copy, int &kept);

// Rewrites the entry file without the marked entries of the working copy. The
// new file replaces the old one in one step, so a failure leaves it whole.
// `kept` and `removed` count the entries written and left out.
std::string removeMarked(
    const std::string &copyPath, const std::string &entryfile, int &kept, int &removed);

// The printout of the check list: ticked lines say "Selected for Deletion".
void printChecked(const std::vector<std::string> &lines, const std::vector<bool> &ticked,
    const std::string &name, const PrintOutput &out);

} // namespace pickwise::filter
