#pragma once

#include "core/ballrecord.h"
#include "core/dates.h"
#include "core/recordfile.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace pickwise::download {

// dlstate values.
enum DlState : int16_t {
    Running = 1,
    Complete = 2, // all data received and held
    Cancelled = 3, // cancelled, refused or failed while receiving
    TransferError = 4, // the transfer reported an error
};

constexpr const char *gameWord = "Lotto";
constexpr const char *serverPath = "/dwnld/";

// The largest history the program can hold: as many draws as a record file
// holds, of 26 bytes each.
constexpr int64_t maxBodyBytes = int64_t(RecordFile::maxRecords) * BallRecord::size;

// The status text for a transfer state code, and its effect on dlstate: 11 sets
// TransferError, 12 sets Complete, an unknown code sets Cancelled.
std::string statetext(int code, int16_t &dlstate);

// Everything after the last "/".
std::string urlfilename(const std::string &url);

// Base URL, then "/dwnld/", then the file name.
std::string resultsUrl(const std::string &baseUrl, const std::string &fileName);

// "Content-length" as a 32-bit number: digits with optional blanks around
// them. False for anything else.
bool parseContentLength(const std::string &text, int32_t &length);

// The progress bar: the share of the announced length received, in percent
// (100 only once all of it is there); -1 when no length was announced, for a
// busy indicator instead.
int progressPercent(int64_t received, int64_t announced);

// A body of this many bytes (received or announced) is still acceptable.
inline bool bodySizeAllowed(int64_t bytes)
{
    return bytes <= maxBodyBytes;
}

// The verdict on a downloaded body. A body is taken only when the response was
// 200, the body is as long as announced (when a length was announced: -1 for
// none), is whole records, and its first count records are valid draws in
// ascending date order; records beyond the count may hold anything, as they may
// in the program's own file.
struct DownloadCheck
{
    bool good = false;
    int32_t count = 0; // draws the download holds
    Date newest; // date of its last draw
    std::vector<BallRecord> draws; // its draws, when good
    std::string reason; // why it was refused, in plain words for the status line
};

DownloadCheck checkDownload(
    int httpStatus, int64_t contentLength, const uint8_t *body, size_t size);

// How many draws replacing the history with the download would remove: the
// local draws whose date it does not hold, and at least as many as it has
// fewer draws.
int drawsRemoved(const std::vector<BallRecord> &local, const std::vector<BallRecord> &downloaded);

// Said whenever a download would remove draws: beside the replace question
// when "Check Before Overwriting" is on, as a question of its own when it is off.
std::string removalText(int removed);
std::string removalQuestion(int removed);

// The lines the status gets after a failure: the address tried, the reason, and
// that nothing changed.
std::string failureLines(const std::string &url, const std::string &reason);
constexpr const char *unchangedLine = "The results on this computer are unchanged.";

// The question asked before an accepted download replaces the history when
// "Check Before Overwriting" is on.
std::string replaceQuestion(int oldcount, const DownloadCheck &check);

std::string failedQuestion();
std::string corruptQuestion();
std::string cancelledUpdateStatus();

constexpr const char *noConnectionStatus
    = "Download Failed or Was Cancelled. Results may not have been updated.";
constexpr const char *failedStopStatus
    = "Download Failed or Was Cancelled. Some results may not have been updated.";
constexpr const char *corruptStopStatus
    = "Download Failed. Some results may not have been updated.";
constexpr const char *someFailedStatus = "Some Selected Results Failed to Download.";
constexpr const char *allDoneStatus = "All Selected Results Downloaded Successfully.";
constexpr const char *hangupQuestion = "Would you still like to disconnect the modem?";
constexpr const char *hangupFailedMessage = "Cannot auto disconnect. Please disconnect manually";

// Whether to hang up at the end: after a failure only when the user agrees,
// after success without asking, and only when the box can be seen.
enum class Hangup { No, Ask, Now };
Hangup hangupChoice(bool failure, bool check8Ticked, bool check8Visible);

} // namespace pickwise::download
