#pragma once

#include "core/lines.h"
#include "core/recordfile.h"

#include <string>
#include <vector>

namespace pickwise {

// Entry files (*.lot): record 1's count is the number E of entries, records
// 1..E the entries in list order; the six numbers are ball(1)..ball(6).
namespace entryfiles {

// Entries 1..E (creates the file empty when missing).
std::string list(const std::string &path, std::vector<Entry> &entries);

// Record 1's count (clamped), 0 for an empty or missing file.
int countOf(const std::string &path);

// Appends as record E + 1, then sets record 1's count to E + 1. The new record
// is written first, so a failure in between leaves the old entries whole.
// The new record carries record 1's other fields, as the program always has.
std::string append(const std::string &path, const Entry &numbers);
void append(RecordFile &file, const Entry &numbers);

// Replaces ball(1)..ball(6) of record k, everything else as read.
std::string rewrite(const std::string &path, int k, const Entry &numbers);

// Deletes the entries whose list lines are selected. The bytes left are those
// of deleting them one at a time, lowest first, moving the later records down
// one by one as the list deletion always did (stale records beyond the new
// count included), computed in one pass. selected[i] is list line i. On
// success selected holds the lines left.
void deleteSelected(RecordFile &file, std::vector<bool> &selected);
std::string deleteSelected(const std::string &path, std::vector<bool> &selected);

// Deletes entryfile when its record 1's count is 0 (nothing when entryfile is "").
void dropemptyfile(const std::string &entryfile);

} // namespace entryfiles

} // namespace pickwise
