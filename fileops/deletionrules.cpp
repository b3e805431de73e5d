#include "fileops/deletionrules.h"

#include "core/lines.h"
#include "core/recordfile.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace pickwise::filedeletion {

namespace {

std::string lower(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(),
        [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

} // namespace

std::vector<std::string> filesWithExtension(const std::string &folder, const std::string &extension)
{
    std::vector<std::string> names;
    std::error_code ec;
    const std::string wanted = lower(extension);
    for (const auto &item :
        std::filesystem::directory_iterator(folder.empty() ? "/" : folder, ec)) {
        std::error_code typeError;
        if (!item.is_regular_file(typeError))
            continue;
        const std::string name = item.path().filename().string();
        if (name.size() > wanted.size()
            && lower(name.substr(name.size() - wanted.size())) == wanted)
            names.push_back(name);
    }
    std::sort(names.begin(), names.end(), [](const std::string &a, const std::string &b) {
        const std::string la = lower(a), lb = lower(b);
        return la != lb ? la < lb : a < b;
    });
    return names;
}

std::string displayLine(const BallRecord &record, bool powerBall)
{
    std::string text;
    for (int i = 0; i < 4; ++i)
        text += twoDigitText(record.ball[i]) + " ";
    if (powerBall)
        text += " PB ";
    text += twoDigitText(record.ball[4]) + " ";
    if (record.ball[5] > 0)
        text += twoDigitText(record.ball[5]);
    return text;
}

std::vector<std::string> viewLines(
    const std::vector<uint8_t> &fileBytes, const std::string &fileName)
{
    const std::string first3 = fileName.substr(0, 3);
    const bool powerBall = first3 == "fmm" || first3 == "FMM";
    RecordFile file;
    file.setBytes(fileBytes);
    std::vector<std::string> lines;
    for (int k = 1;; ++k) {
        const BallRecord record = file.read(k);
        if (record.ball[0] == 0)
            break;
        lines.push_back(displayLine(record, powerBall));
    }
    return lines;
}

} // namespace pickwise::filedeletion
