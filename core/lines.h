#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace pickwise {

using Entry = std::array<int16_t, 6>;
using Draw = std::array<int16_t, 7>; // six main numbers, bonus at index 6

// A number as it stands in every list: "0" prefixed below 10 ("07", "23").
std::string twoDigitText(int number);

// The one way an entry's numbers are written: each two digits wide (as
// twoDigitText) and followed by one blank, "01 05 12 23 34 45 ", appended to line.
void appendEntryNumbers(std::string &line, const Entry &numbers);

// "01 05 12 23 34 45": separated by single blanks, no blank at the end.
std::string entryLineText(const Entry &numbers);

// "01 05 12 23 34 45 (5+B)": every number followed by a blank, then the tag
// (with an empty tag, the line as the filter lists it and Edit Entry puts it back).
std::string winLineText(const Entry &numbers, const std::string &tag);

// "Lotto05DEC2026.lot"
std::string datedEntryFileName(int day, int month, int year);

// What an entry file is, as whoever opens it knows: the dated entries of a
// draw day, the standing entries, or a saved wheel. Never read from its path:
// a folder's name ("/home/anne-marie") says nothing of the files in it.
enum class EntryFileKind { Dated, Standing, Wheel };
constexpr const char *applicationTitle = "Pickwise South Africa";
// The short title: the About window's, and that of the questions that carry one.
constexpr const char *pickwiseTitle = "Pickwise";

} // namespace pickwise
