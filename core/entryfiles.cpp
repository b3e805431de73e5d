#include "core/entryfiles.h"

#include "core/fileio.h"

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
        return "The entry file is full (32767 entries).";
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
    for (;;) {
        size_t i = 0;
        while (i < selected.size() && !selected[i])
            ++i;
        if (i == selected.size())
            return;
        const int c = file.count();
        for (int j = static_cast<int>(i); j <= c - 2; ++j)
            file.write(j + 1, file.read(j + 2));
        BallRecord first = file.read(1);
        first.count = c > 0 ? c - 1 : 0;
        file.write(1, first);
        selected.erase(selected.begin() + static_cast<long>(i));
    }
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
