#pragma once

#include "core/ballrecord.h"
#include "core/dates.h"
#include "core/fileio.h"
#include "core/game.h"
#include "core/lines.h"
#include "core/recordfile.h"

#include <string>
#include <vector>

namespace pickwise {

// One draw of the history: its date, its numbers (main ascending, bonus
// last), the game of its date and its record number in the file.
struct HistoryDraw
{
    Date date;
    Draw balls {};
    const GameMatrix *matrix = nullptr;
    int record = 0;
};

// A draw to add.
struct DatedDraw
{
    Date date;
    Draw balls {};
};

// The results history file (sa.rtl) and the one way to read and change it.
// The file keeps the byte format of the results server: 26-byte records,
// record 1's count the number of draws, drawno the record number, oldest
// first. Every change writes exactly the bytes that inserting or deleting
// draws one at a time with the record routines (core/results.h) leaves, and
// replaces the file in one rename.
class ResultsHistory
{
public:
    ResultsHistory() = default;
    explicit ResultsHistory(std::string path) : m_file(std::move(path)) { }

    const std::string &path() const { return m_file.path(); }

    // Reads the file. A missing file is an empty history (and is not made).
    // The error, "" when none, is the one text every window shows.
    std::string load();

    // What the file's record 1 said against the records present when loaded;
    // a damaged count is read within the records present and never written.
    const CountCheck &loadedCount() const { return m_file.loadedCount(); }

    // Why a change would be refused, "" when it would not: a history not read
    // (or not read whole) is never written over, nor one whose count is damaged.
    std::string writeRefusal() const;

    const std::vector<HistoryDraw> &draws() const { return m_draws; }
    int size() const { return static_cast<int>(m_draws.size()); }
    bool empty() const { return m_draws.empty(); }

    // The first draw on that date in file order, nullptr when none.
    const HistoryDraw *find(const Date &date) const;

    // The draws dated from..to (both included), in file order.
    std::vector<HistoryDraw> between(const Date &from, const Date &to) const;

    // Adds one draw, as Add Result does.
    std::string insert(const Date &date, const Draw &balls);

    // Adds draws in date order (a draw dated like one held goes after it) and
    // saves the file once. alongside are written in the same atomic step, so a
    // failure leaves them and the history as they were. Each draw must be
    // valid for the game of its date; the main numbers are sorted here.
    std::string insertMany(
        std::vector<DatedDraw> draws, const std::vector<FileContent> &alongside = {});

    // Removes the draw in record `record`, as Delete Draw does: removing the
    // only draw deletes the file.
    std::string remove(int record);

    // The file's content as held: what load read or the last change wrote.
    const std::vector<uint8_t> &bytes() const { return m_file.bytes(); }
    // Records 1..size(), for the readers of plain records.
    std::vector<BallRecord> records() const;
    // The records of the draws of one game, in file order: figures taken over
    // the draws are taken within one game.
    std::vector<BallRecord> records(const GameMatrix &game) const;

    // The bytes the file would hold after insertMany(draws), draws sorted by
    // date (stable) with their main numbers ascending; the history is not
    // changed. Computed in one pass over the records.
    std::vector<uint8_t> bytesAfterInserting(const std::vector<DatedDraw> &draws) const;

private:
    void index();

    RecordFile m_file;
    std::string m_readError = "The results history has not been read.";
    std::vector<HistoryDraw> m_draws;
    std::vector<std::pair<long long, int>> m_byDate; // (date key, index), sorted
};

// "The results history could not be read (...)": the one text for a failed load.
std::string historyReadError(const std::string &detail);

} // namespace pickwise
