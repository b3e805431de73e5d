#include "core/resultsimport.h"

#include "core/drawcheck.h"
#include "core/textfile.h"

#include <set>
#include <unordered_map>

namespace pickwise::resultsimport {

namespace {

constexpr size_t listedRows = 20; // rows a message names one by one

std::string counted(int n, const char *one, const char *many)
{
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

// "13/11/2024", as every message of the program writes a draw's date.
std::string dateText(const Date &d)
{
    BallRecord r;
    r.day = static_cast<int16_t>(d.day);
    r.month = static_cast<int16_t>(d.month);
    r.year = static_cast<int16_t>(d.year);
    return drawDateText(r);
}

std::string ballsText(const Draw &balls)
{
    Entry main {};
    std::copy(balls.begin(), balls.begin() + 6, main.begin());
    return entryLineText(main) + " bonus " + twoDigitText(balls[6]);
}

// "line 4: why" for the first rows, then how many more.
template<typename Row, typename Why>
std::string rowList(const std::vector<Row> &rows, Why why)
{
    std::string text;
    for (size_t i = 0; i < rows.size() && i < listedRows; ++i)
        text += "\nline " + std::to_string(rows[i].line) + ": " + why(rows[i]);
    if (rows.size() > listedRows)
        text += "\nand " + std::to_string(rows.size() - listedRows) + " more, the last on line "
            + std::to_string(rows.back().line);
    return text;
}

std::string rejectedList(const Summary &s)
{
    if (s.rejected.empty())
        return {};
    return "\n\nRejected:"
        + rowList(s.rejected, [](const resultscsv::Rejected &r) { return r.reason; });
}

} // namespace

Summary importText(
    ResultsHistory &history, PrizeStore &prizes, std::string_view content, const Progress &progress)
{
    Summary summary;
    long long lines = 0;
    Progress reading;
    reading.cancel = progress.cancel;
    // Reading is the first half of the work, taking the rows the second.
    reading.report = [&](long long done, long long total) {
        lines = total;
        progress.tell(done, 2 * total);
    };
    resultscsv::Parsed parsed = resultscsv::parse(content, reading);
    summary.rejected = std::move(parsed.rejected);
    if (parsed.cancelled) {
        summary.outcome = Summary::Outcome::Cancelled;
        return summary;
    }
    if (parsed.rows.empty()) {
        summary.outcome
            = summary.rejected.empty() ? Summary::Outcome::Empty : Summary::Outcome::NoValidRow;
        return summary;
    }

    PrizeStore merged = prizes;
    std::vector<DatedDraw> added;
    std::unordered_map<long long, size_t> addedOn; // date key -> index in added
    std::set<long long> prizeDates;
    for (size_t i = 0; i < parsed.rows.size(); ++i) {
        const resultscsv::Row &row = parsed.rows[i];
        if (i % 512 == 0) {
            if (progress.cancelled()) {
                summary.outcome = Summary::Outcome::Cancelled;
                return summary;
            }
            progress.tell(lines + row.line, 2 * lines);
        }
        const long long key = datekey(row.date);
        const Draw *held = nullptr;
        if (const HistoryDraw *draw = history.find(row.date))
            held = &draw->balls;
        else if (const auto it = addedOn.find(key); it != addedOn.end())
            held = &added[it->second].balls;
        if (held && *held != row.balls) {
            summary.conflicts.push_back({row.line, row.date, *held, true});
            continue;
        }
        if (row.hasPrizes && merged.compare(row.date, row.prizes) == PrizeStore::Merge::Differs) {
            summary.conflicts.push_back({row.line, row.date, row.balls, false});
            continue;
        }
        if (held) {
            ++summary.skipped;
        } else {
            addedOn.emplace(key, added.size());
            added.push_back({row.date, row.balls});
        }
        if (row.hasPrizes) {
            const PrizeStore::Merge outcome = merged.merge(row.date, row.prizes);
            if (outcome == PrizeStore::Merge::Added || outcome == PrizeStore::Merge::Completed)
                prizeDates.insert(key);
        }
    }
    summary.added = static_cast<int>(added.size());
    summary.prizesTaken = static_cast<int>(prizeDates.size());

    if (progress.cancelled()) {
        summary.outcome = Summary::Outcome::Cancelled;
        return summary;
    }
    if (summary.prizesTaken > 0 && !prizes.writeRefusal().empty()) {
        summary.outcome = Summary::Outcome::Failed;
        summary.error = prizes.writeRefusal();
        return summary;
    }
    if (summary.added > 0 || summary.prizesTaken > 0) {
        std::vector<FileContent> alongside;
        if (summary.prizesTaken > 0)
            alongside.push_back(merged.fileContent());
        std::string error = history.insertMany(std::move(added), alongside);
        if (!error.empty()) {
            summary.outcome = Summary::Outcome::Failed;
            summary.error = std::move(error);
            return summary;
        }
        if (summary.prizesTaken > 0)
            prizes = std::move(merged);
    }
    progress.tell(2 * lines, 2 * lines);
    return summary;
}

Summary importFile(ResultsHistory &history, PrizeStore &prizes, const std::string &csvPath,
    const Progress &progress)
{
    std::string content;
    std::string error = textfile::read(csvPath, content);
    if (!error.empty()) {
        Summary summary;
        summary.outcome = Summary::Outcome::Failed;
        summary.error = std::move(error);
        return summary;
    }
    return importText(history, prizes, content, progress);
}

std::string summaryText(const Summary &s)
{
    switch (s.outcome) {
    case Summary::Outcome::Empty:
        return "The file holds no results, so nothing was imported.";
    case Summary::Outcome::NoValidRow:
        return "No row of the file is a valid result, so nothing was imported." + rejectedList(s);
    case Summary::Outcome::Cancelled:
        return "The import was cancelled; nothing was changed.";
    case Summary::Outcome::Failed:
        return "The results could not be imported, nothing was changed (" + s.error + ").";
    case Summary::Outcome::Done:
        break;
    }
    std::string text = counted(s.added, "draw", "draws") + " added, " + std::to_string(s.skipped)
        + " already in the history, " + std::to_string(static_cast<int>(s.conflicts.size()))
        + " in conflict with it, " + counted(static_cast<int>(s.rejected.size()), "row", "rows")
        + " rejected.";
    if (s.prizesTaken > 0)
        text += "\nPrize money added for " + counted(s.prizesTaken, "draw.", "draws.");
    if (!s.conflicts.empty())
        text += "\n\nIn conflict, left as the history holds them:"
            + rowList(s.conflicts, [](const Conflict &c) {
                  return c.otherNumbers
                      ? "the history holds " + ballsText(c.held) + " for " + dateText(c.date)
                      : "other prize money than the history holds for " + dateText(c.date);
              });
    return text + rejectedList(s);
}

} // namespace pickwise::resultsimport
