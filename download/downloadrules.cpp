#include "download/downloadrules.h"

#include "core/ballrecord.h"
#include "core/numbers.h"

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
    if (digits == 0 || i != text.size() || value == 0)
        return false;
    length = static_cast<int32_t>(value);
    return true;
}

double progressStep(int32_t length)
{
    if (length <= 0)
        return 0.0;
    return roundHalfEven(256.0 / length * 100.0 * 10000.0) / 10000.0;
}

double advanceProgress(double value, double step)
{
    if (value >= 100.0)
        return value;
    return value + step <= 100.0 ? value + step : 100.0;
}

namespace {

bool validDraw(const BallRecord &r)
{
    for (int i = 0; i < 7; ++i) {
        if (r.ball[i] < 1 || r.ball[i] > 49)
            return false;
        for (int j = 0; j < i; ++j) {
            if (r.ball[i] == r.ball[j])
                return false;
        }
    }
    for (int i = 1; i < 6; ++i) {
        if (r.ball[i] <= r.ball[i - 1])
            return false;
    }
    return isValidDate({r.year, r.month, r.day});
}

DownloadCheck refuse(const char *reason)
{
    DownloadCheck c;
    c.reason = reason;
    return c;
}

} // namespace

DownloadCheck checkDownload(int httpStatus, int64_t contentLength, const uint8_t *body, size_t size)
{
    if (httpStatus != 200)
        return refuse("the server did not answer 200");
    if (contentLength < 0 || static_cast<uint64_t>(contentLength) != size)
        return refuse("the body is not as long as announced");
    if (size == 0 || size % BallRecord::size != 0)
        return refuse("the body is not a whole number of records");
    const size_t records = size / BallRecord::size;
    const BallRecord first = BallRecord::unpack(body);
    if (first.count < 1 || static_cast<size_t>(first.count) > records || first.count > 32767)
        return refuse("the count does not match the records present");

    long long previousKey = -1;
    BallRecord r;
    for (int32_t n = 1; n <= first.count; ++n) {
        r = BallRecord::unpack(body + static_cast<size_t>(n - 1) * BallRecord::size);
        if (!validDraw(r))
            return refuse("a record does not hold a valid draw");
        const long long key = datekey(r.year, r.month, r.day);
        if (key <= previousKey)
            return refuse("the draws are not in date order");
        previousKey = key;
    }
    DownloadCheck c;
    c.good = true;
    c.count = first.count;
    c.newest = {r.year, r.month, r.day};
    return c;
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
