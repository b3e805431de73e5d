#include "core/textfile.h"

#include "core/fileio.h"

namespace pickwise::textfile {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

// Reads the field starting at `at`; leaves `at` on the comma that ends it, or
// at the end of the line.
std::string fieldAt(std::string_view line, size_t &at)
{
    size_t i = at;
    while (i < line.size() && isBlank(line[i]))
        ++i;
    if (i < line.size() && line[i] == '"') {
        const size_t close = line.find('"', i + 1);
        if (close == std::string_view::npos) {
            at = line.size();
            return std::string(line.substr(i + 1));
        }
        const size_t comma = line.find(',', close + 1);
        at = comma == std::string_view::npos ? line.size() : comma;
        return std::string(line.substr(i + 1, close - i - 1));
    }
    size_t end = line.find(',', i);
    if (end == std::string_view::npos)
        end = line.size();
    at = end;
    while (end > i && isBlank(line[end - 1]))
        --end;
    return std::string(line.substr(i, end - i));
}

} // namespace

std::vector<std::string> lines(std::string_view content)
{
    if (content.substr(0, 3) == "\xEF\xBB\xBF")
        content.remove_prefix(3);
    std::vector<std::string> out;
    size_t start = 0;
    while (start < content.size()) {
        size_t end = content.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            out.emplace_back(content.substr(start));
            break;
        }
        out.emplace_back(content.substr(start, end - start));
        start = end + 1;
        if (content[end] == '\r' && start < content.size() && content[start] == '\n')
            ++start;
    }
    return out;
}

std::vector<std::string> fields(std::string_view line)
{
    std::vector<std::string> out;
    size_t at = 0;
    for (;;) {
        out.push_back(fieldAt(line, at));
        if (at >= line.size())
            return out;
        ++at; // past the comma: a comma ending the line leaves one more, empty field
    }
}

std::string firstField(std::string_view line)
{
    size_t at = 0;
    return fieldAt(line, at);
}

std::string read(const std::string &path, std::string &content)
{
    std::vector<uint8_t> bytes;
    std::string error = readFileBytes(path, bytes, false);
    content.assign(bytes.begin(), bytes.end());
    return error;
}

} // namespace pickwise::textfile
