#include "core/lines.h"

#include "core/dates.h"

namespace pickwise {

std::string twoDigitText(int number)
{
    return (number < 10 ? "0" : "") + std::to_string(number);
}

std::string entryLineText(const Entry &numbers)
{
    std::string text;
    for (int i = 0; i < 5; ++i)
        text += twoDigitText(numbers[i]) + " ";
    text += twoDigitText(numbers[5]);
    return text;
}

std::string winLineText(const Entry &numbers, const std::string &tag)
{
    std::string text;
    for (int i = 0; i < 6; ++i)
        text += twoDigitText(numbers[i]) + " ";
    return text + tag;
}

std::string datedEntryFileName(int day, int month, int year)
{
    return "Lotto" + twoDigitText(day) + monthabbrev(month) + std::to_string(year) + ".lot";
}

bool isWheelFile(const std::string &path)
{
    return path.find('-') != std::string::npos;
}

bool isStandingFile(const std::string &path)
{
    return path.find("Stand") != std::string::npos;
}

} // namespace pickwise
