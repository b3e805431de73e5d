#include "mainwindow/mainrules.h"

#include "core/checker.h"
#include "core/drawcheck.h"
#include "core/numbers.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace pickwise::mainrules {

std::vector<WinningLine> checkEntries(
    const std::vector<Entry> &entries, const Draw &draw, const GameMatrix &game)
{
    std::vector<WinningLine> wins;
    EntryChecker(entries).check(draw, game, [&](size_t k, int tier) {
        wins.push_back({static_cast<int>(k), game.tier(tier).tag, tier});
    });
    return wins;
}

std::string winsText(int wins)
{
    return " " + std::to_string(wins);
}

std::string historyLineText(const BallRecord &draw)
{
    char buffer[96];
    std::snprintf(
        buffer, sizeof buffer, "%05d %02d %02d %d:", draw.drawno, draw.day, draw.month, draw.year);
    std::string line = buffer;
    for (int i = 0; i < 6; ++i)
        line += " " + twoDigitText(draw.ball[i]);
    line += " B " + twoDigitText(draw.ball[6]);
    return line;
}

namespace {

bool digitsAt(const std::string &line, size_t from, size_t count, int &value)
{
    if (line.size() < from + count)
        return false;
    value = 0;
    for (size_t i = from; i < from + count; ++i) {
        if (!std::isdigit(static_cast<unsigned char>(line[i])))
            return false;
        value = value * 10 + (line[i] - '0');
    }
    return true;
}

} // namespace

bool historyLineDate(const std::string &line, Date &date)
{
    Date d;
    if (!digitsAt(line, 6, 2, d.day) || !digitsAt(line, 9, 2, d.month)
        || !digitsAt(line, 12, 4, d.year))
        return false;
    if (!isValidDate(d))
        return false;
    date = d;
    return true;
}

DrawNeighbours drawNeighbours(
    const std::vector<BallRecord> &draws, const Date &date, const Date &first, const Date &last)
{
    // Real dates only, so the key is simply yyyymmdd.
    const auto key = [](const Date &d) { return (d.year * 100LL + d.month) * 100 + d.day; };
    const long long at = key(date);
    const long long low = key(first);
    const long long high = key(last);
    DrawNeighbours found;
    long long previousKey = 0;
    long long nextKey = 0;
    for (const BallRecord &r : draws) {
        const Date d {r.year, r.month, r.day};
        if (!isValidDate(d))
            continue;
        const long long k = key(d);
        if (k < low || k > high)
            continue;
        if (k < at && (!found.hasPrevious || k > previousKey)) {
            found.hasPrevious = true;
            found.previous = d;
            previousKey = k;
        } else if (k > at && (!found.hasNext || k < nextKey)) {
            found.hasNext = true;
            found.next = d;
            nextKey = k;
        }
    }
    return found;
}

DrawInput readDrawInput(const std::array<std::string, 7> &texts, Draw &draw, const GameMatrix &game)
{
    Draw read {};
    for (size_t i = 0; i < texts.size(); ++i) {
        // Too large for 16 bits is outside the range too.
        if (!readInt16(texts[i], read[i]))
            return DrawInput::OutOfRange;
    }
    switch (validateBalls(read, game.highestBall).fault) {
    case DrawFault::None:
        break;
    case DrawFault::Repeated:
        return DrawInput::Duplicate;
    default:
        return DrawInput::OutOfRange;
    }
    std::sort(read.begin(), read.begin() + 6);
    draw = read;
    return DrawInput::Valid;
}

std::string addResultCaption(const Date &date)
{
    return "Draw Result for  " + std::to_string(date.day) + "/ " + std::to_string(date.month) + "/ "
        + std::to_string(date.year);
}

std::string entryWindowCaption(const Date &date)
{
    return "Lotto Entries for  " + std::to_string(date.day) + " " + monthabbrev(date.month) + " "
        + std::to_string(date.year);
}

std::string deleteQuestion(int selected)
{
    if (selected == 1)
        return "Are you sure you want to delete the selected entry?";
    return "Are you sure you want to delete the " + std::to_string(selected) + " selected entries?";
}

} // namespace pickwise::mainrules
