#include "core/lines.h"

#include "core/dates.h"

namespace pickwise {

std::string twoDigitText(int number)
{
    return (number < 10 ? "0" : "") + std::to_string(number);
}

void appendEntryNumbers(std::string &line, const Entry &numbers)
{
    for (int16_t n : numbers) {
        // No temporaries for the numbers every list holds: History Check
        // writes up to 130920 lines.
        if (n >= 0 && n <= 99) {
            line += static_cast<char>('0' + n / 10);
            line += static_cast<char>('0' + n % 10);
        } else {
            line += twoDigitText(n);
        }
        line += ' ';
    }
}

std::string entryLineText(const Entry &numbers)
{
    std::string text;
    text.reserve(18);
    appendEntryNumbers(text, numbers);
    text.pop_back();
    return text;
}

std::string winLineText(const Entry &numbers, const std::string &tag)
{
    std::string text;
    text.reserve(18 + tag.size());
    appendEntryNumbers(text, numbers);
    text += tag;
    return text;
}

std::string datedEntryFileName(int day, int month, int year)
{
    return "Lotto" + twoDigitText(day) + monthabbrev(month) + std::to_string(year) + ".lot";
}

} // namespace pickwise
