#include "core/entryfiles.h"

#include "core/fileio.h"

#include <algorithm>

namespace pickwise::entryfiles {

namespace {

Entry entryOf(const BallRecord &r)
{
    Entry e {};
    for (int i = 0; i < 6; ++i)
        e[i] = r.ball[i];
    return e;
}

} // namespace

std::string list(const std::string &path, std::vector<Entry> &entries)
{
    entries.clear();
    RecordFile file(path);
    std::string error = file.load();
    if (!error.empty())
        return error;
    const int n = file.count();
    entries.reserve(static_cast<size_t>(n));
    for (int r = 1; r <= n; ++r)
        entries.push_back(entryOf(file.read(r)));
    return {};
}

int countOf(const std::string &path)
{
    RecordFile file(path);
    if (!file.load().empty())
        return 0;
    return file.count();
}

void append(RecordFile &file, const Entry &numbers)
{
    BallRecord buffer = file.read(1);
    const int e = file.count();
    for (int i = 0; i < 6; ++i)
        buffer.ball[i] = numbers[i];
    file.write(e + 1, buffer);
    buffer = file.read(1);
    buffer.count = e + 1;
    file.write(1, buffer);
}

std::string append(const std::string &path, const Entry &numbers)
{
    RecordFile file(path);
    std::string error = file.load();
    if (!error.empty())
        return error;
    const int e = file.count();
    if (e >= RecordFile::maxRecords)
        return "The entry file is full (" + std::to_string(RecordFile::maxRecords) + " entries).";
    BallRecord buffer = file.read(1);
    for (int i = 0; i < 6; ++i)
        buffer.ball[i] = numbers[i];
    error = file.writeInPlace(e + 1, buffer);
    if (!error.empty())
        return error;
    buffer = file.read(1);
    buffer.count = e + 1;
    return file.writeInPlace(1, buffer);
}

std::string rewrite(const std::string &path, int k, const Entry &numbers)
{
    RecordFile file(path);
    std::string error = file.load();
    if (!error.empty())
        return error;
    BallRecord buffer = file.read(k);
    for (int i = 0; i < 6; ++i)
        buffer.ball[i] = numbers[i];
    return file.writeInPlace(k, buffer);
}

void deleteSelected(RecordFile &file, std::vector<bool> &selected)
{
    // Line by line, lowest first, each deletion moved records i + 2..c down by
    // one (c the count at that moment), left record c as it was and set record
    // 1's count to c - 1. Replayed like that it is quadratic; its result is
    // computed here in one pass. A selected line below the count removes its
    // entry; one at or beyond the count (a list longer than the file) removes
    // nothing but lowers the count like any other. The records in use close up
    // in order, and every record from there up to the old count is left
    // holding a copy of the old last record: each was the last in use when a
    // deletion moved the others down past it.
    const size_t chosen = static_cast<size_t>(std::count(selected.begin(), selected.end(), true));
    if (chosen == 0)
        return;
    const int count = file.count();
    const BallRecord last = file.read(count);
    int kept = 0;
    for (int r = 1; r <= count; ++r) {
        const size_t line = static_cast<size_t>(r - 1);
        if (line < selected.size() && selected[line])
            continue;
        ++kept;
        if (kept != r)
            file.write(kept, file.read(r));
    }
    for (int r = kept + 1; r <= count; ++r)
        file.write(r, last);
    BallRecord first = file.read(1);
    first.count
        = static_cast<int32_t>(std::max<long long>(count - static_cast<long long>(chosen), 0));
    file.write(1, first);
    selected.assign(selected.size() - chosen, false);
}

std::string deleteSelected(const std::string &path, std::vector<bool> &selected)
{
    RecordFile file(path);
    std::string error = file.load();
    if (!error.empty())
        return error;
    std::vector<bool> left = selected;
    deleteSelected(file, left);
    error = file.save();
    if (error.empty())
        selected = left;
    return error;
}

void dropemptyfile(const std::string &entryfile)
{
    if (entryfile.empty())
        return;
    if (!fileExists(entryfile))
        return;
    RecordFile file(entryfile);
    if (!file.load().empty())
        return;
    if (file.storedCount() == 0)
        removeFile(entryfile);
}

} // namespace pickwise::entryfiles
