// Arbitrary bytes as a results CSV and as a prize file. Reading must stay
// inside the data; every row taken must be a real date with seven distinct
// numbers of its date's game, main numbers ascending, on a line of the file;
// the draws taken must make a history file of exactly that many records; and
// a prize file written from what was read (its unread lines kept as they
// were) must read back the same.
#include "core/drawcheck.h"
#include "core/game.h"
#include "core/history.h"
#include "core/prizes.h"
#include "core/resultscsv.h"
#include "core/textfile.h"

#include <cstdint>
#include <string>

using namespace pickwise;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string content(reinterpret_cast<const char *>(data), size);
    const auto parsed = resultscsv::parse(content);
    const int lines = static_cast<int>(textfile::lines(content).size());
    if (parsed.rows.size() + parsed.rejected.size() > static_cast<size_t>(lines))
        __builtin_trap();

    std::vector<DatedDraw> draws;
    int previousLine = 0;
    for (const resultscsv::Row &row : parsed.rows) {
        if (row.line <= previousLine || row.line > lines)
            __builtin_trap();
        previousLine = row.line;
        const GameMatrix &game = matrixFor(row.date);
        if (!isValidDate(row.date) || validateBalls(row.balls, game.highestBall))
            __builtin_trap();
        for (size_t i = 1; i < 6; ++i)
            if (row.balls[i - 1] >= row.balls[i])
                __builtin_trap();
        for (int d = game.tierCount() + 1; d <= prizeDivisions; ++d)
            if (row.prizes.known(d))
                __builtin_trap();
        draws.push_back({row.date, row.balls});
    }
    for (const resultscsv::Rejected &r : parsed.rejected)
        if (r.line < 1 || r.line > lines || r.reason.empty())
            __builtin_trap();

    const ResultsHistory empty;
    const std::vector<uint8_t> bytes = empty.bytesAfterInserting(draws);
    if (bytes.size() != draws.size() * BallRecord::size)
        __builtin_trap();
    if (!draws.empty() && BallRecord::unpack(bytes.data()).count != static_cast<int>(draws.size()))
        __builtin_trap();

    PrizeStore prizes;
    const size_t unread = prizes.read(content).unreadLines.size();
    const std::vector<uint8_t> written = prizes.fileBytes();
    PrizeStore again;
    if (again.read(std::string(written.begin(), written.end())).unreadLines.size() != unread)
        __builtin_trap();
    if (again.fileBytes() != written || again.size() != prizes.size())
        __builtin_trap();
    return 0;
}
