#include "core/results.h"

#include "core/fileio.h"

#include <algorithm>

namespace pickwise::results {

std::string readAll(const std::string &path, std::vector<BallRecord> &draws)
{
    draws.clear();
    RecordFile file(path);
    std::string error = file.load();
    if (!error.empty())
        return error;
    const int n = file.count();
    draws.reserve(static_cast<size_t>(n));
    for (int r = 1; r <= n; ++r)
        draws.push_back(file.read(r));
    return {};
}

int drawCount(const std::string &path)
{
    RecordFile file(path);
    if (!file.load().empty())
        return 0;
    return file.count();
}

std::vector<Date> drawDates(const std::vector<BallRecord> &draws)
{
    std::vector<Date> dates;
    dates.reserve(draws.size());
    for (const BallRecord &r : draws) {
        const Date d {r.year, r.month, r.day};
        if (isValidDate(d))
            dates.push_back(d);
    }
    // A damaged history may be out of order or hold a date twice.
    const auto before = [](const Date &a, const Date &b) { return datekey(a) < datekey(b); };
    if (!std::is_sorted(dates.begin(), dates.end(), before))
        std::sort(dates.begin(), dates.end(), before);
    dates.erase(std::unique(dates.begin(), dates.end()), dates.end());
    return dates;
}

int findByDate(const std::vector<BallRecord> &draws, int day, int month, int year)
{
    for (size_t i = 0; i < draws.size(); ++i) {
        const BallRecord &r = draws[i];
        if (r.day == day && r.month == month && r.year == year)
            return static_cast<int>(i) + 1;
    }
    return 0;
}

namespace {

void putDraw(BallRecord &buffer, const Date &date, const Draw &balls)
{
    buffer.day = static_cast<int16_t>(date.day);
    buffer.month = static_cast<int16_t>(date.month);
    buffer.year = static_cast<int16_t>(date.year);
    buffer.ball = balls;
}

} // namespace

void insertDraw(RecordFile &file, const Date &date, const Draw &balls)
{
    BallRecord buffer = file.read(1);
    const int n = file.count();
    if (n == 0) {
        putDraw(buffer, date, balls);
        buffer.drawno = 1;
        buffer.count = 1;
        file.write(1, buffer);
        return;
    }
    const long long key = datekey(date);
    int position = 0;
    for (int r = 1; r <= n; ++r) {
        buffer = file.read(r);
        if (datekey(buffer.year, buffer.month, buffer.day) > key) {
            position = r;
            break;
        }
    }
    if (position > 0) {
        for (int q = n; q >= position; --q) {
            buffer = file.read(q);
            buffer.drawno = static_cast<int16_t>(buffer.drawno + 1);
            file.write(q + 1, buffer);
        }
        // The buffer still holds record `position` as last read, so its count
        // field is carried over unchanged.
        putDraw(buffer, date, balls);
        buffer.drawno = static_cast<int16_t>(position);
        file.write(position, buffer);
        buffer = file.read(1);
        buffer.count = n + 1;
        file.write(1, buffer);
    } else {
        buffer = file.read(1);
        buffer.count = n + 1;
        file.write(1, buffer);
        putDraw(buffer, date, balls);
        buffer.drawno = static_cast<int16_t>(n + 1);
        file.write(n + 1, buffer);
    }
}

bool deleteDraw(RecordFile &file, int position)
{
    const int n = file.count();
    if (n <= 1)
        return false;
    for (int q = position + 1; q <= n; ++q) {
        BallRecord buffer = file.read(q);
        buffer.drawno = static_cast<int16_t>(buffer.drawno - 1);
        file.write(q - 1, buffer);
    }
    BallRecord first = file.read(1);
    first.count = n - 1;
    file.write(1, first);
    return true;
}

std::string insertDraw(const std::string &path, const Date &date, const Draw &balls)
{
    RecordFile file(path);
    std::string error = file.load();
    if (!error.empty())
        return error;
    if (file.count() >= RecordFile::maxRecords)
        return "The results file is full (" + std::to_string(RecordFile::maxRecords) + " draws).";
    insertDraw(file, date, balls);
    return file.save();
}

std::string deleteDraw(const std::string &path, int position)
{
    RecordFile file(path);
    std::string error = file.load();
    if (!error.empty())
        return error;
    const int n = file.count();
    if (position < 1 || position > n)
        return "There is no draw at that position.";
    if (!deleteDraw(file, position))
        return removeFile(path);
    return file.save();
}

} // namespace pickwise::results
