#pragma once

#include <string>
#include <string_view>

namespace pickwise {

struct Date
{
    int year = 0;
    int month = 0;
    int day = 0;

    bool operator==(const Date &o) const
    {
        return year == o.year && month == o.month && day == o.day;
    }
    bool operator!=(const Date &o) const { return !(*this == o); }
};

bool isValidDate(const Date &date);

// 0 = Sunday .. 6 = Saturday.
int dayOfWeek(const Date &date);

bool isWednesdayOrSaturday(const Date &date);

// "MAR" style abbreviation for month 1..12, "" otherwise.
std::string monthabbrev(int month);

// yyyymmdd as text: the year without leading blanks, then two-digit month and day.
std::string getstringdate(int year, int month, int day);

// The number that orders draws: getstringdate read as a number.
long long datekey(int year, int month, int day);
inline long long datekey(const Date &d)
{
    return datekey(d.year, d.month, d.day);
}

// Reads a date as result and prize files write it: ISO ("2024-11-13") or day
// first ("13/11/2024"), day and month of one or two digits, a four-digit year.
// False when the text is neither or names no day of the calendar (31/02/2020).
bool readDate(std::string_view text, Date &date);

// "2024-11-13"
std::string isoDateText(const Date &date);

} // namespace pickwise
