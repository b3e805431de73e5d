#pragma once

#include "core/ballrecord.h"
#include "core/dates.h"
#include "core/game.h"
#include "core/lines.h"
#include "core/recordfile.h"

#include <string>
#include <vector>

namespace pickwise::importtxt {

// One line of an entry text file as the reader takes it: up to the first comma
// or the end of the line, leading blanks skipped, a field in double quotes
// without them.
std::string readField(const std::string &line);

// The fields of every line of a text file's content, its lines as the one text
// reader gives them (CR, LF or CR LF line ends, a byte order mark dropped; a
// final line end does not start another line).
std::vector<std::string> readFields(const std::string &content);

// The six numbers of a field, from the two-character columns 1-2, 4-5, 7-8,
// 10-11, 13-14 and 16-17, each rounded to the nearest whole number. A column
// that does not fit 16 bits reads as 0 (and so fails the range check).
Entry columnsOf(const std::string &field);

enum class Verdict { Valid, OutOfRange, Duplicates };

struct Validation
{
    Verdict verdict = Verdict::Valid;
    int line = 0; // 0-based line that failed
    std::vector<Entry> entries; // the validated lines, when valid
};

// Every number a ball of `game` (the game of the date the entries are imported
// for: 1..49 or 1..52), checked in field order, and no two equal within a line.
Validation validate(const std::vector<std::string> &fields, const GameMatrix &game = sixOf49());

// Writes the import into the dated entry file's records: line k is record k
// with its numbers sorted, the date's day, month and year, drawno and ball(7)
// zero and count 0; then record 1's count becomes the number of lines.
void writeImport(RecordFile &file, const std::vector<Entry> &entries, const Date &date);

std::string validMessage(Verdict verdict);

} // namespace pickwise::importtxt
