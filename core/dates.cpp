#include "core/dates.h"

#include "core/lines.h"

#include <cstdlib>

namespace pickwise {

namespace {

bool isLeap(int y)
{
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

} // namespace

bool isValidDate(const Date &d)
{
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (d.year < 1 || d.month < 1 || d.month > 12 || d.day < 1)
        return false;
    const int limit = days[d.month - 1] + (d.month == 2 && isLeap(d.year) ? 1 : 0);
    return d.day <= limit;
}

int dayOfWeek(const Date &date)
{
    // Sakamoto's method, Gregorian calendar.
    static const int t[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    int y = date.year;
    if (date.month < 3)
        y -= 1;
    return (y + y / 4 - y / 100 + y / 400 + t[(date.month - 1) % 12] + date.day) % 7;
}

bool isWednesdayOrSaturday(const Date &date)
{
    const int dow = dayOfWeek(date);
    return dow == 3 || dow == 6;
}

std::string monthabbrev(int month)
{
    static const char *names[]
        = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN", "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
    if (month < 1 || month > 12)
        return "";
    return names[month - 1];
}

std::string getstringdate(int year, int month, int day)
{
    return std::to_string(year) + twoDigitText(month) + twoDigitText(day);
}

long long datekey(int year, int month, int day)
{
    // The text read as a number is plain arithmetic while month and day take
    // two digits each; only odd values from damaged records go the long way.
    if (year >= 0 && month >= 0 && month <= 99 && day >= 0 && day <= 99)
        return year * 10000LL + month * 100 + day;
    return std::strtoll(getstringdate(year, month, day).c_str(), nullptr, 10);
}

namespace {

// A whole number of minDigits..maxDigits digits and nothing else.
bool readDigits(std::string_view text, size_t minDigits, size_t maxDigits, int &value)
{
    if (text.size() < minDigits || text.size() > maxDigits)
        return false;
    value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + (c - '0');
    }
    return true;
}

} // namespace

bool readDate(std::string_view text, Date &date)
{
    const bool iso = text.find('-') != std::string_view::npos;
    const char separator = iso ? '-' : '/';
    const size_t first = text.find(separator);
    const size_t second = first == std::string_view::npos ? first : text.find(separator, first + 1);
    if (second == std::string_view::npos)
        return false;
    const std::string_view a = text.substr(0, first);
    const std::string_view b = text.substr(first + 1, second - first - 1);
    const std::string_view c = text.substr(second + 1);
    Date read;
    const bool ok = iso ? readDigits(a, 4, 4, read.year) && readDigits(b, 1, 2, read.month)
            && readDigits(c, 1, 2, read.day)
                        : readDigits(a, 1, 2, read.day) && readDigits(b, 1, 2, read.month)
            && readDigits(c, 4, 4, read.year);
    if (!ok || !isValidDate(read))
        return false;
    date = read;
    return true;
}

std::string isoDateText(const Date &date)
{
    std::string year = std::to_string(date.year);
    if (date.year >= 0 && year.size() < 4)
        year.insert(0, 4 - year.size(), '0');
    return year + "-" + twoDigitText(date.month) + "-" + twoDigitText(date.day);
}

} // namespace pickwise
