#include "entries/filter.h"

#include "core/fileio.h"
#include "core/numbermask.h"
#include "printing/printing.h"

#include <algorithm>
#include <cmath>

namespace pickwise::filter {

namespace {

// The variance of the sum of six different numbers drawn from 1..n.
double sumVariance(int n)
{
    return 6.0 * (n + 1) * (n - 6) / 12.0;
}

} // namespace

SumBand sumBand(int position, const GameMatrix &game)
{
    // Half the width of each band of the 6 of 49 game around 149, where the
    // bands were drawn: one below the mean sum of 150.
    static const int halfWidths49[] = {64, 54, 44, 34, 24};
    position = std::clamp(position, 1, 5);
    const int n = game.highestBall;
    const int centre = 3 * (n + 1) - 1; // the mean sum is six times the mean ball (n + 1) / 2
    const double scale = std::sqrt(sumVariance(n) / sumVariance(sixOf49().highestBall));
    const int half = static_cast<int>(std::lround(halfWidths49[position - 1] * scale));
    return {centre - half, centre + half};
}

std::string prepareCopy(const std::string &entryfile, const std::string &copyPath, RecordFile &copy)
{
    // The copy replaces the old working copy in one step: a failed copy leaves
    // nothing half written for a later tick or removal to read.
    std::string error = copyFileAtomic(entryfile, copyPath);
    if (!error.empty())
        return error;
    copy = RecordFile(copyPath);
    return copy.load();
}

int markBySum(RecordFile &copy, const SumBand &band)
{
    int marked = 0;
    const int count = copy.count();
    for (int r = 1; r <= count; ++r) {
        BallRecord record = copy.read(r);
        int sum = 0;
        for (int i = 0; i < 6; ++i)
            sum += record.ball[i];
        if (sum > band.upper || sum < band.lower) {
            ++marked;
            record.ball[6] = removalMark;
            copy.write(r, record);
        }
    }
    return marked;
}

namespace {

int sharedPairs(const BallRecord &a, const BallRecord &b)
{
    int pairs = 0;
    for (int i = 0; i < 6; ++i)
        for (int j = 0; j < 6; ++j)
            if (a.ball[i] == b.ball[j])
                ++pairs;
    return pairs;
}

} // namespace

int markDuplicates(RecordFile &copy, int level, const std::function<void(int)> &afterEntry)
{
    const int count = copy.count();
    std::vector<BallRecord> records;
    std::vector<checking::NumberMask> masks;
    std::vector<bool> marked;
    records.reserve(static_cast<size_t>(count));
    for (int r = 1; r <= count; ++r) {
        records.push_back(copy.read(r));
        masks.push_back(checking::maskOf(records.back().ball, 6));
        marked.push_back(isMarked(records.back()));
    }

    int newlyMarked = 0;
    for (size_t r = 0; r < records.size(); ++r) {
        if (!marked[r]) {
            for (size_t q = 0; q < records.size(); ++q) {
                if (q == r || marked[q])
                    continue;
                const int pairs = masks[q].distinct && masks[r].distinct
                    ? checking::sharedCount(masks[q], masks[r])
                    : sharedPairs(records[q], records[r]);
                if (pairs >= level) {
                    ++newlyMarked;
                    marked[q] = true;
                    records[q].ball[6] = removalMark;
                    copy.write(static_cast<int>(q) + 1, records[q]);
                }
            }
        }
        if (afterEntry)
            afterEntry(static_cast<int>(r) + 1);
    }
    return newlyMarked;
}

Listing listingOf(const RecordFile &copy)
{
    Listing listing;
    const int count = copy.count();
    for (int r = 1; r <= count; ++r) {
        const BallRecord record = copy.read(r);
        Entry numbers {};
        std::copy_n(record.ball.begin(), 6, numbers.begin());
        listing.lines.push_back(winLineText(numbers, ""));
        listing.marked.push_back(isMarked(record));
    }
    return listing;
}

std::string setMark(const std::string &copyPath, int record, bool marked)
{
    // The working copy must still be there: a tick never starts a new one.
    std::vector<uint8_t> bytes;
    std::string error = readFileBytes(copyPath, bytes, false);
    if (!error.empty())
        return error;
    RecordFile copy(copyPath);
    copy.setBytes(std::move(bytes));
    BallRecord value = copy.read(record);
    value.ball[6] = marked ? removalMark : 0;
    return copy.writeInPlace(record, value);
}

std::vector<uint8_t> keptRecords(const RecordFile &copy, int &kept)
{
    RecordFile out;
    kept = 0;
    const int count = copy.count();
    for (int r = 1; r <= count; ++r) {
        const BallRecord record = copy.read(r);
        if (!isMarked(record))
            out.write(++kept, record);
    }
    // With nothing kept this writes a zero record 1: an entry file holding no
    // entries, as the main window expects.
    BallRecord first = out.read(1);
    first.count = kept;
    out.write(1, first);
    return out.bytes();
}

std::string removeMarked(
    const std::string &copyPath, const std::string &entryfile, int &kept, int &removed)
{
    kept = 0;
    removed = 0;
    std::vector<uint8_t> bytes;
    std::string error = readFileBytes(copyPath, bytes, false);
    if (!error.empty())
        return error;
    RecordFile copy(copyPath);
    copy.setBytes(std::move(bytes));
    error = writeFileAtomic(entryfile, keptRecords(copy, kept));
    if (error.empty())
        removed = copy.count() - kept;
    else
        kept = 0;
    return error;
}

void printChecked(const std::vector<std::string> &lines, const std::vector<bool> &ticked,
    const std::string &name, const PrintOutput &out)
{
    std::vector<std::string> marked = lines;
    for (size_t i = 0; i < marked.size() && i < ticked.size(); ++i)
        if (ticked[i])
            marked[i] += " Selected for Deletion";
    printlist(marked, name, out);
}

} // namespace pickwise::filter
