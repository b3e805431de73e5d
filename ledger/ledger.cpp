#include "ledger/ledger.h"

#include "core/fileio.h"
#include "core/lines.h"
#include "core/recordfile.h"

#include <set>

namespace pickwise::ledger {

namespace {

// The entries of an existing entry file; false with why when it cannot be read.
bool readEntries(const std::string &path, std::vector<Entry> &entries, std::string &error)
{
    std::vector<uint8_t> bytes;
    error = readFileBytes(path, bytes, false);
    if (!error.empty())
        return false;
    RecordFile file;
    file.setBytes(std::move(bytes));
    const int n = file.count();
    entries.clear();
    entries.reserve(static_cast<size_t>(n));
    for (int r = 1; r <= n; ++r) {
        const BallRecord record = file.read(r);
        Entry e {};
        std::copy(record.ball.begin(), record.ball.begin() + 6, e.begin());
        entries.push_back(e);
    }
    return true;
}

std::string linesColumns(const Winnings &won)
{
    std::string text;
    for (const int n : won.lines)
        text += "," + std::to_string(n);
    return text;
}

std::string unknownNote(int lines)
{
    if (lines == 0)
        return {};
    return "prizes not known for " + std::to_string(lines)
        + (lines == 1 ? " winning line" : " winning lines");
}

} // namespace

std::string rowNote(const Row &row)
{
    return unknownNote(row.won.unknownLines);
}

std::string totalsNote(const Totals &t)
{
    std::string note = unknownNote(t.won.unknownLines);
    if (t.unknownDraws > 0)
        note += " on " + std::to_string(t.unknownDraws)
            + (t.unknownDraws == 1 ? " draw: not counted" : " draws: not counted");
    return note;
}

const char *divisionName(int division)
{
    // The game with every division names them; the older game's are its first seven.
    const GameMatrix &every = sixOf52();
    return division >= 1 && division <= every.tierCount() ? every.tier(division).tag : "";
}

std::string divisionWonText(const Winnings &won, int division)
{
    if (division < 1 || division > prizeDivisions)
        return {};
    const auto d = static_cast<size_t>(division - 1);
    if (won.lines[d] == 0)
        return {};
    // A division's lines share its prize: none known gives no amount at all.
    return won.won[d] > 0 ? randText(won.won[d]) : "prize not known";
}

Cents readBoardPrice(const std::string &path)
{
    std::vector<uint8_t> bytes;
    if (!fileExists(path) || !readFileBytes(path, bytes, false).empty() || bytes.size() > 64)
        return defaultBoardPrice;
    std::string_view text(reinterpret_cast<const char *>(bytes.data()), bytes.size());
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
        text.remove_suffix(1);
    Cents price = 0;
    return readRand(text, price) ? price : defaultBoardPrice;
}

std::string writeBoardPrice(const std::string &path, Cents price)
{
    const std::string text = decimalText(price) + "\n";
    return writeFileAtomic(path, std::vector<uint8_t>(text.begin(), text.end()));
}

Ledger build(const ResultsHistory &history, const PrizeStore &prizes, const DataPaths &paths,
    const Date &from, const Date &to, Cents boardPrice, const Progress &progress)
{
    Ledger ledger;
    const std::vector<HistoryDraw> draws = history.between(from, to);
    const long long total = static_cast<long long>(draws.size());
    std::set<long long> dates;
    std::vector<Entry> entries;
    Totals &t = ledger.totals;
    for (size_t i = 0; i < draws.size(); ++i) {
        if (i % 64 == 0) {
            if (progress.cancelled()) {
                ledger.outcome = Ledger::Outcome::Cancelled;
                return ledger;
            }
            progress.tell(static_cast<long long>(i), total);
        }
        const HistoryDraw &draw = draws[i];
        // A damaged history may hold a date twice; its entries were played once.
        if (!dates.insert(datekey(draw.date)).second)
            continue;
        const std::string path = paths.datedEntries(draw.date);
        if (!fileExists(path))
            continue;
        std::string error;
        if (!readEntries(path, entries, error)) {
            ledger.unreadFiles.push_back(error);
            continue;
        }
        if (entries.empty())
            continue;
        Row row;
        row.date = draw.date;
        row.boards = static_cast<int>(entries.size());
        row.cost = row.boards * boardPrice;
        row.won = winningsOf(draw.date, draw.balls, entries, prizes.find(draw.date));
        t.balance += row.won.total - row.cost;
        row.balance = t.balance;
        ++t.draws;
        t.boards += row.boards;
        t.cost += row.cost;
        t.won += row.won;
        if (row.prizesUnknown())
            ++t.unknownDraws;
        ledger.rows.push_back(row);
    }
    progress.tell(total, total);
    return ledger;
}

Ledger build(const DataPaths &paths, const Date &from, const Date &to, Cents boardPrice,
    const Progress &progress)
{
    ResultsHistory history(paths.results());
    std::string error = history.load();
    if (!error.empty()) {
        Ledger ledger;
        ledger.outcome = Ledger::Outcome::Failed;
        ledger.error = std::move(error);
        return ledger;
    }
    PrizeStore prizes(paths.prizes());
    prizes.load(); // missing or damaged: those prizes are not known
    return build(history, prizes, paths, from, to, boardPrice, progress);
}

std::string csvText(const Ledger &ledger)
{
    std::string text = "date,boards,cost,won,balance";
    for (int d = 1; d <= prizeDivisions; ++d)
        text += ",div" + std::to_string(d) + "_lines";
    text += ",note\n";
    for (const Row &row : ledger.rows)
        text += isoDateText(row.date) + "," + std::to_string(row.boards) + ","
            + decimalText(row.cost) + "," + decimalText(row.won.total) + ","
            + decimalText(row.balance) + linesColumns(row.won) + "," + rowNote(row) + "\n";
    const Totals &t = ledger.totals;
    text += "total," + std::to_string(t.boards) + "," + decimalText(t.cost) + ","
        + decimalText(t.won.total) + "," + decimalText(t.balance) + linesColumns(t.won) + ","
        + totalsNote(t) + "\n";
    return text;
}

} // namespace pickwise::ledger
