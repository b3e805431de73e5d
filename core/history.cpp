#include "core/history.h"

#include "core/drawcheck.h"
#include "core/results.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace pickwise {

namespace {

long long keyOf(const BallRecord &r)
{
    return datekey(r.year, r.month, r.day);
}

BallRecord recordOf(const DatedDraw &draw)
{
    BallRecord r;
    r.day = static_cast<int16_t>(draw.date.day);
    r.month = static_cast<int16_t>(draw.date.month);
    r.year = static_cast<int16_t>(draw.date.year);
    r.ball = draw.balls;
    return r;
}

void put(std::vector<uint8_t> &bytes, int record, const BallRecord &r)
{
    const auto packed = r.pack();
    std::copy(packed.begin(), packed.end(),
        bytes.begin() + static_cast<long>(record - 1) * BallRecord::size);
}

// Main numbers ascending, then in date order; draws of one date keep the
// order they came in.
std::vector<DatedDraw> normalised(std::vector<DatedDraw> draws)
{
    for (DatedDraw &d : draws)
        std::sort(d.balls.begin(), d.balls.begin() + 6);
    std::stable_sort(draws.begin(), draws.end(),
        [](const DatedDraw &a, const DatedDraw &b) { return datekey(a.date) < datekey(b.date); });
    return draws;
}

std::string problemText(const BallRecord &r, const DrawProblem &problem, int highestBall)
{
    const std::string dated = "the draw dated " + drawDateText(r);
    const std::string number = std::to_string(problem.number);
    switch (problem.fault) {
    case DrawFault::OutOfRange:
        return dated + " has the number " + number + ", which is not between 1 and "
            + std::to_string(highestBall);
    case DrawFault::Repeated:
        return dated + " has the number " + number + " twice";
    default:
        return drawDateText(r) + " is not a date";
    }
}

} // namespace

std::string historyReadError(const std::string &detail)
{
    return "The results history could not be read (" + detail + ").";
}

std::string ResultsHistory::load()
{
    RecordFile file(path());
    std::string error;
    // Only a path that holds something is opened: reading never makes a file.
    // A folder in its place is an unreadable history, not a missing one.
    std::error_code missing;
    if (std::filesystem::exists(path(), missing))
        error = file.load();
    m_file = std::move(file);
    index();
    m_readError = error.empty() ? std::string() : historyReadError(error);
    return m_readError;
}

std::string ResultsHistory::writeRefusal() const
{
    return m_readError.empty() ? m_file.writeRefusal() : m_readError;
}

void ResultsHistory::index()
{
    const int n = m_file.count();
    m_draws.clear();
    m_draws.reserve(static_cast<size_t>(n));
    m_byDate.clear();
    m_byDate.reserve(static_cast<size_t>(n));
    for (int r = 1; r <= n; ++r) {
        const BallRecord rec = m_file.read(r);
        HistoryDraw draw;
        draw.date = {rec.year, rec.month, rec.day};
        draw.balls = rec.ball;
        draw.matrix = &matrixFor(draw.date);
        draw.record = r;
        m_draws.push_back(draw);
        m_byDate.emplace_back(keyOf(rec), r - 1);
    }
    // A history is kept oldest first, so the sort is seldom needed.
    if (!std::is_sorted(m_byDate.begin(), m_byDate.end()))
        std::sort(m_byDate.begin(), m_byDate.end());
}

const HistoryDraw *ResultsHistory::find(const Date &date) const
{
    const long long key = datekey(date);
    const auto it = std::lower_bound(m_byDate.begin(), m_byDate.end(), std::make_pair(key, -1));
    if (it == m_byDate.end() || it->first != key)
        return nullptr;
    return &m_draws[static_cast<size_t>(it->second)];
}

std::vector<HistoryDraw> ResultsHistory::between(const Date &from, const Date &to) const
{
    const long long first = datekey(from);
    const long long last = datekey(to);
    std::vector<HistoryDraw> out;
    for (const HistoryDraw &d : m_draws) {
        const long long key = datekey(d.date);
        if (key >= first && key <= last)
            out.push_back(d);
    }
    return out;
}

std::vector<BallRecord> ResultsHistory::records() const
{
    std::vector<BallRecord> out;
    out.reserve(m_draws.size());
    for (int r = 1; r <= size(); ++r)
        out.push_back(m_file.read(r));
    return out;
}

std::vector<BallRecord> ResultsHistory::records(const GameMatrix &game) const
{
    std::vector<BallRecord> out;
    out.reserve(m_draws.size());
    for (const HistoryDraw &d : m_draws) {
        if (*d.matrix == game)
            out.push_back(m_file.read(d.record));
    }
    return out;
}

std::vector<uint8_t> ResultsHistory::bytesAfterInserting(const std::vector<DatedDraw> &draws) const
{
    const std::vector<DatedDraw> added = normalised(draws);
    const int n = m_file.count();
    const int m = static_cast<int>(added.size());
    if (m == 0)
        return m_file.bytes();

    bool inOrder = true;
    for (int r = 2; r <= n && inOrder; ++r)
        inOrder = keyOf(m_file.read(r - 1)) <= keyOf(m_file.read(r));
    if (!inOrder) {
        // A damaged file out of date order: where each draw goes depends on
        // the draws put in before it, so put them in one at a time.
        RecordFile copy = m_file;
        for (const DatedDraw &d : added)
            results::insertDraw(copy, d.date, d.balls);
        return copy.bytes();
    }

    // Inserting one at a time in date order puts each new draw before the
    // first held draw dated after it, which that draw's count field is
    // copied from, or appends it with its own record number as its count;
    // the held draws move up with their drawno, and record 1's count ends up
    // the new total. Records beyond the new count keep their bytes.
    const int total = n + m;
    std::vector<uint8_t> out = m_file.bytes();
    const size_t needed = static_cast<size_t>(total) * BallRecord::size;
    if (out.size() < needed)
        out.resize(needed, 0);
    int held = 1;
    int next = 0;
    int moved = 0; // new draws put before the next held draw
    for (int position = 1; position <= total; ++position) {
        const bool takeHeld = held <= n
            && (next >= m
                || keyOf(m_file.read(held)) <= datekey(added[static_cast<size_t>(next)].date));
        if (takeHeld) {
            BallRecord r = m_file.read(held++);
            r.drawno = static_cast<int16_t>(r.drawno + moved);
            put(out, position, r);
        } else {
            BallRecord r = recordOf(added[static_cast<size_t>(next++)]);
            r.drawno = static_cast<int16_t>(position);
            r.count = held <= n ? m_file.read(held).count : position;
            put(out, position, r);
            ++moved;
        }
    }
    BallRecord first = BallRecord::unpack(out.data());
    first.count = total;
    put(out, 1, first);
    return out;
}

std::string ResultsHistory::insert(const Date &date, const Draw &balls)
{
    return insertMany({{date, balls}});
}

std::string ResultsHistory::insertMany(
    std::vector<DatedDraw> draws, const std::vector<FileContent> &alongside)
{
    std::string refusal = writeRefusal();
    if (!refusal.empty())
        return refusal;
    if (size() + static_cast<long long>(draws.size()) > RecordFile::maxRecords)
        return "The results file is full (32767 draws).";
    for (DatedDraw &d : draws) {
        std::sort(d.balls.begin(), d.balls.begin() + 6);
        const int highest = matrixFor(d.date).highestBall;
        const BallRecord r = recordOf(d);
        if (const DrawProblem problem = validateDraw(r, highest))
            return "Nothing was added: " + problemText(r, problem, highest) + ".";
    }
    if (draws.empty() && alongside.empty())
        return {};
    std::vector<FileContent> files;
    if (!draws.empty())
        files.push_back({path(), bytesAfterInserting(draws)});
    files.insert(files.end(), alongside.begin(), alongside.end());
    std::string error = writeFilesAtomic(files);
    if (!error.empty())
        return error;
    if (!draws.empty()) {
        m_file.setBytes(std::move(files.front().bytes));
        index();
    }
    return {};
}

std::string ResultsHistory::remove(int record)
{
    if (record < 1 || record > size())
        return "There is no draw at that position.";
    std::string refusal = writeRefusal();
    if (!refusal.empty())
        return refusal;
    RecordFile changed = m_file;
    std::string error;
    if (results::deleteDraw(changed, record)) {
        error = changed.save();
    } else {
        error = removeFile(path());
        changed.setBytes({});
    }
    if (!error.empty())
        return error;
    m_file = std::move(changed);
    index();
    return {};
}

} // namespace pickwise
