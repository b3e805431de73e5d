#include "fileops/importrules.h"

#include "core/numbers.h"
#include "core/textfile.h"

#include <algorithm>

namespace pickwise::importtxt {

std::string readField(const std::string &line)
{
    return textfile::firstField(line);
}

std::vector<std::string> readFields(const std::string &content)
{
    std::vector<std::string> fields;
    for (const std::string &line : textfile::lines(content))
        fields.push_back(readField(line));
    return fields;
}

Entry columnsOf(const std::string &field)
{
    Entry numbers {};
    for (int i = 0; i < 6; ++i) {
        const size_t at = static_cast<size_t>(3 * i);
        const std::string column = at < field.size() ? field.substr(at, 2) : std::string();
        int16_t value = 0;
        if (!toInt16(leadingNumber(column), value))
            value = 0;
        numbers[i] = value;
    }
    return numbers;
}

Validation validate(const std::vector<std::string> &fields, const GameMatrix &game)
{
    Validation result;
    for (size_t k = 0; k < fields.size(); ++k) {
        const Entry numbers = columnsOf(fields[k]);
        for (int16_t n : numbers) {
            if (!game.isBall(n)) {
                result.verdict = Verdict::OutOfRange;
                result.line = static_cast<int>(k);
                result.entries.clear();
                return result;
            }
        }
        for (int i = 0; i < 6; ++i) {
            for (int j = i + 1; j < 6; ++j) {
                if (numbers[i] == numbers[j]) {
                    result.verdict = Verdict::Duplicates;
                    result.line = static_cast<int>(k);
                    result.entries.clear();
                    return result;
                }
            }
        }
        result.entries.push_back(numbers);
    }
    return result;
}

void writeImport(RecordFile &file, const std::vector<Entry> &entries, const Date &date)
{
    BallRecord buffer; // all zero at the start, as each line only sets its own fields
    int k = 0;
    for (const Entry &e : entries) {
        Entry sorted = e;
        std::sort(sorted.begin(), sorted.end());
        for (int i = 0; i < 6; ++i)
            buffer.ball[i] = sorted[i];
        buffer.day = static_cast<int16_t>(date.day);
        buffer.month = static_cast<int16_t>(date.month);
        buffer.year = static_cast<int16_t>(date.year);
        file.write(++k, buffer);
    }
    BallRecord first = file.read(1);
    first.count = k;
    file.write(1, first);
}

std::string validMessage(Verdict verdict)
{
    switch (verdict) {
    case Verdict::OutOfRange:
        return "One or more of your numbers are out of range - or your file is not in the correct "
               "format";
    case Verdict::Duplicates:
        return "You have duplicate numbers in one of the lines";
    case Verdict::Valid:
        break;
    }
    return "Entry Valid - click Import to create entry";
}

} // namespace pickwise::importtxt
