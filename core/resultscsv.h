#pragma once

#include "core/dates.h"
#include "core/lines.h"
#include "core/prizes.h"
#include "core/progress.h"

#include <string>
#include <string_view>
#include <vector>

namespace pickwise {

// Draw results in a comma-separated text file, in one of two layouts:
//
// - full: draw,date,ball1..ball6,bonus, then the winners and the prize per
//   winning board of divisions 1 to 8 (div1_winners,div1_prize,...), 25
//   fields, as the results shipped with the program are kept;
// - plain: date,n1,n2,n3,n4,n5,n6,bonus, 8 fields.
//
// Dates are ISO (2024-11-13) or day first (13/11/2024). A first line whose
// first field holds no digit is a header and is passed over; so are blank
// lines. Every other line is a row, taken or rejected on its own.
namespace resultscsv {

constexpr int plainFields = 8;
constexpr int fullFields = 25;

struct Row
{
    int line = 0; // 1-based line of the file
    Date date;
    Draw balls {}; // the six main numbers ascending, the bonus last
    bool hasPrizes = false; // a full row: prizes holds what it gives
    DrawPrizes prizes;
};

struct Rejected
{
    int line = 0;
    std::string reason; // "the number 53 is not between 1 and 52"
};

struct Parsed
{
    std::vector<Row> rows;
    std::vector<Rejected> rejected;
    bool cancelled = false;
};

// Reads every row: a real date (any day of the week), seven distinct whole
// numbers within the game of that date, and for a full row prizes in rand
// (a division the game of the date does not have must be 0.00). Progress
// counts lines; a cancel stops reading and leaves the result incomplete.
Parsed parse(std::string_view content, const Progress &progress = {});

} // namespace resultscsv

} // namespace pickwise
