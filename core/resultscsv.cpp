#include "core/resultscsv.h"

#include "core/drawcheck.h"
#include "core/game.h"
#include "core/textfile.h"

#include <algorithm>

namespace pickwise::resultscsv {

namespace {

bool hasDigit(const std::string &text)
{
    return std::any_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool isBlankLine(const std::string &line)
{
    return std::all_of(line.begin(), line.end(), [](char c) { return c == ' ' || c == '\t'; });
}

// A ball as written: one to three digits ("07" included).
bool readBall(const std::string &text, int16_t &ball)
{
    if (text.empty() || text.size() > 3)
        return false;
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + (c - '0');
    }
    ball = static_cast<int16_t>(value);
    return true;
}

std::string quoted(const std::string &text)
{
    // A reason names at most the start of a long field.
    return "\"" + (text.size() > 20 ? text.substr(0, 20) + "..." : text) + "\"";
}

// Reads one row's fields into row; the reason it is rejected, or "".
std::string readRow(const std::vector<std::string> &fields, Row &row)
{
    const size_t n = fields.size();
    if (n != plainFields && n != fullFields)
        return "has " + std::to_string(n) + " fields where a row has " + std::to_string(plainFields)
            + " (date, six numbers, bonus) or " + std::to_string(fullFields)
            + " (with the draw number and the prizes)";
    const bool full = n == fullFields;
    const size_t first = full ? 1 : 0; // the date; the draw number before it is not kept
    if (!readDate(fields[first], row.date))
        return quoted(fields[first]) + " is not a date";
    for (size_t i = 0; i < 7; ++i) {
        const std::string &field = fields[first + 1 + i];
        if (!readBall(field, row.balls[i]))
            return quoted(field) + " is not a ball number";
    }
    const GameMatrix &game = matrixFor(row.date);
    if (const DrawProblem problem = validateBalls(row.balls, game.highestBall)) {
        const std::string number = std::to_string(problem.number);
        if (problem.fault == DrawFault::OutOfRange)
            return "the number " + number + " is not between 1 and "
                + std::to_string(game.highestBall) + " (the " + game.name + " game of that date)";
        return "has the number " + number + " twice";
    }
    std::sort(row.balls.begin(), row.balls.begin() + 6);
    if (full) {
        row.hasPrizes = true;
        for (int d = 1; d <= prizeDivisions; ++d) {
            // Winners and prize of division d follow the bonus.
            const std::string &field = fields[first + 7 + static_cast<size_t>(2 * d)];
            Cents &prize = row.prizes.perBoard[static_cast<size_t>(d - 1)];
            if (!readRand(field, prize))
                return quoted(field) + " is not a prize in rand";
            if (prize > 0 && d > game.tierCount())
                return "the " + std::string(game.name) + " game of that date has no division "
                    + std::to_string(d);
        }
    }
    return {};
}

} // namespace

Parsed parse(std::string_view content, const Progress &progress)
{
    Parsed parsed;
    const std::vector<std::string> lines = textfile::lines(content);
    const long long total = static_cast<long long>(lines.size());
    bool seenContent = false;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i % 512 == 0) {
            if (progress.cancelled()) {
                parsed.cancelled = true;
                return parsed;
            }
            progress.tell(static_cast<long long>(i), total);
        }
        const std::string &line = lines[i];
        if (isBlankLine(line))
            continue;
        const std::vector<std::string> fields = textfile::fields(line);
        if (!seenContent) {
            seenContent = true;
            if (!hasDigit(fields[0]))
                continue; // the header
        }
        Row row;
        row.line = static_cast<int>(i) + 1;
        const std::string reason = readRow(fields, row);
        if (reason.empty())
            parsed.rows.push_back(row);
        else
            parsed.rejected.push_back({row.line, reason});
    }
    progress.tell(total, total);
    return parsed;
}

} // namespace pickwise::resultscsv
