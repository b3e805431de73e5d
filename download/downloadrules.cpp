#include "download/downloadrules.h"

#include "core/drawcheck.h"
#include "core/recordfile.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace pickwise::download {

std::string statetext(int code, int16_t &dlstate)
{
    static const std::array<const char *, 13> texts = {
        "No state to report",
        "Looking up the IP address of the specified host computer",
        "Successfully found the IP address of the specified host computer",
        "Connecting to the host computer",
        "Successfully connected to the host computer",
        "Sending a request to the host computer",
        "Successfully sent the request",
        "Receiving a response from the host computer",
        "Successfully received a response from the host computer",
        "Disconnection from the host computer",
        "Successfully disconnected from the host computer",
        "An error occured in communicating with the host computer",
        "The request has completed and all data has been received",
    };
    if (code < 0 || code > 12) {
        dlstate = Cancelled;
        return "Unknown state: " + std::to_string(code);
    }
    if (code == 11)
        dlstate = TransferError;
    else if (code == 12)
        dlstate = Complete;
    return texts[static_cast<size_t>(code)];
}

std::string urlfilename(const std::string &url)
{
    const auto slash = url.find_last_of('/');
    return slash == std::string::npos ? url : url.substr(slash + 1);
}

std::string resultsUrl(const std::string &baseUrl, const std::string &fileName)
{
    std::string base = baseUrl;
    while (!base.empty() && base.back() == '/')
        base.pop_back();
    return base + serverPath + fileName;
}

bool parseContentLength(const std::string &text, int32_t &length)
{
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    int64_t value = 0;
    size_t digits = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i, ++digits) {
        value = value * 10 + (text[i] - '0');
        if (value > INT32_MAX)
            return false;
    }
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    if (digits == 0 || i != text.size())
        return false;
    length = static_cast<int32_t>(value);
    return true;
}

int progressPercent(int64_t received, int64_t announced)
{
    if (announced <= 0)
        return -1;
    if (received >= announced)
        return 100;
    return static_cast<int>(std::max<int64_t>(received, 0) * 100 / announced);
}

namespace {

DownloadCheck refuse(const std::string &reason)
{
    DownloadCheck c;
    c.reason = reason;
    return c;
}

std::string counted(int64_t n, const char *one, const char *many)
{
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

} // namespace

DownloadCheck checkDownload(int httpStatus, int64_t contentLength, const uint8_t *body, size_t size)
{
    if (httpStatus != 200)
        return refuse("the server answered " + std::to_string(httpStatus));
    if (contentLength >= 0 && static_cast<uint64_t>(contentLength) != size)
        return refuse("the server announced " + counted(contentLength, "byte", "bytes")
            + " but sent " + std::to_string(size));
    const std::string notResults = "not a results file: ";
    if (size == 0)
        return refuse(notResults + "it is empty");
    if (size % BallRecord::size != 0)
        return refuse(notResults + "its " + counted(static_cast<int64_t>(size), "byte", "bytes")
            + " are not whole records of 26 bytes");
    const size_t records = size / BallRecord::size;
    const BallRecord first = BallRecord::unpack(body);
    if (first.count < 1 || static_cast<size_t>(first.count) > records
        || first.count > RecordFile::maxRecords)
        return refuse(notResults + "its count says " + std::to_string(first.count)
            + " but it holds " + counted(static_cast<int64_t>(records), "record", "records"));

    DownloadCheck c;
    c.draws.reserve(static_cast<size_t>(first.count));
    for (int32_t n = 1; n <= first.count; ++n)
        c.draws.push_back(BallRecord::unpack(body + static_cast<size_t>(n - 1) * BallRecord::size));
    // Each draw is judged by the game of its date: 1..52 from 2 August 2017.
    const HistoryProblem problem = firstBadDraw(c.draws);
    if (problem.draw > 0)
        return refuse(notResults + badDrawText(c.draws, problem));
    const BallRecord &newest = c.draws.back();
    c.good = true;
    c.count = first.count;
    c.newest = {newest.year, newest.month, newest.day};
    return c;
}

int drawsRemoved(const std::vector<BallRecord> &local, const std::vector<BallRecord> &downloaded)
{
    std::vector<long long> kept;
    kept.reserve(downloaded.size());
    for (const BallRecord &r : downloaded)
        kept.push_back(datekey(r.year, r.month, r.day));
    std::sort(kept.begin(), kept.end());
    int missing = 0;
    for (const BallRecord &r : local)
        if (!std::binary_search(kept.begin(), kept.end(), datekey(r.year, r.month, r.day)))
            ++missing;
    // Fewer draws always lose some, even where the history repeats a date.
    const auto fewer = static_cast<int>(local.size()) - static_cast<int>(downloaded.size());
    return std::max(missing, fewer);
}

std::string removalText(int removed)
{
    return counted(removed, "draw on this computer is", "draws on this computer are")
        + " not in the download; replacing your results with it would remove "
        + (removed == 1 ? "that draw." : "those " + std::to_string(removed) + " draws.");
}

std::string removalQuestion(int removed)
{
    return removalText(removed) + " Do you want to replace your results anyway?";
}

std::string failureLines(const std::string &url, const std::string &reason)
{
    return (url.empty() ? std::string() : url + ": ") + reason + ".\n" + unchangedLine;
}

std::string replaceQuestion(int oldcount, const DownloadCheck &check)
{
    if (oldcount <= check.count) {
        return std::string("Do you want to replace your current results for ") + gameWord
            + " with those up to " + std::to_string(check.newest.day) + "/"
            + std::to_string(check.newest.month) + "/" + std::to_string(check.newest.year);
    }
    return std::string("You seem to have more results in your history file for ") + gameWord
        + " than the downloaded ones. Do you still want to overwrite your current result history "
          "with the downloaded result history.";
}

std::string failedQuestion()
{
    return std::string("The download failed or was cancelled for ") + gameWord
        + " Do you want to continue downloading the other results?";
}

std::string corruptQuestion()
{
    return std::string("The download was corrupt for ") + gameWord
        + " Do you want to continue downloading the other results?";
}

std::string cancelledUpdateStatus()
{
    return std::string("You cancelled the update for ") + gameWord;
}

Hangup hangupChoice(bool failure, bool check8Ticked, bool check8Visible)
{
    if (!check8Ticked)
        return Hangup::No;
    if (failure)
        return Hangup::Ask;
    return check8Visible ? Hangup::Now : Hangup::No;
}

} // namespace pickwise::download
