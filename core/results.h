#pragma once

#include "core/ballrecord.h"
#include "core/dates.h"
#include "core/lines.h"
#include "core/recordfile.h"

#include <string>
#include <vector>

namespace pickwise {

// The results history file (sa.rtl): record 1 holds the draw count, records
// 1..N the draws oldest first, drawno equal to the record number.
namespace results {

// Reads every draw (records 1..N). An empty or missing file gives none; a
// missing file is created empty, as opening it always has.
std::string readAll(const std::string &path, std::vector<BallRecord> &draws);

int drawCount(const std::string &path);

// The dates that have a draw, as the calendars show them: every real date of
// the draws, ascending, each once.
std::vector<Date> drawDates(const std::vector<BallRecord> &draws);

// Record number of the first draw on that date, 0 when there is none.
int findByDate(const std::vector<BallRecord> &draws, int day, int month, int year);

// In-memory forms of the two rewriting operations; they leave exactly the bytes
// the record-by-record procedure leaves, stale records included.
void insertDraw(RecordFile &file, const Date &date, const Draw &balls);
// Returns false when the file should be deleted (the only draw was removed).
bool deleteDraw(RecordFile &file, int position);

// On disk: load, change, replace atomically. Errors come back as text and leave
// the old file as it was.
std::string insertDraw(const std::string &path, const Date &date, const Draw &balls);
std::string deleteDraw(const std::string &path, int position);

} // namespace results

} // namespace pickwise
