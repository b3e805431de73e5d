#pragma once

#include "download/downloadrules.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace pickwise {
class Dialogs;
}

namespace pickwise::download {

struct FinishOptions
{
    bool checkBeforeOverwriting = true; // the check mark is on "Yes"
    bool check8Ticked = false;
    bool check8Visible = true;
    std::function<bool()> hangup; // hangs up the modem; true on success
};

// One download of the results history, from the backup to the final status,
// without the window: the window feeds it the transfer's reports and pieces and
// shows what it answers.
//
// The history sa.rtl is never opened for writing while the body arrives: the
// body is held in memory and, once checked and accepted, replaces the file in
// one atomic rename. temp.rtl is still taken as the backup and put back on
// failure, so a crash at any moment leaves a whole history on disk.
class DownloadJob
{
public:
    explicit DownloadJob(std::string folder, std::string fileName = "sa.rtl");

    // Reads the local draw count and copies the history to temp.rtl. An error
    // text when that is impossible; then nothing has changed.
    std::string begin();

    int oldcount() const { return m_oldcount; }
    int16_t dlstate() const { return m_dlstate; }
    double progress() const { return m_progress; }
    const std::vector<uint8_t> &body() const { return m_body; }

    // A state report other than Completed; returns the status text.
    std::string report(int code);

    // Body bytes arriving; false, and the download cancelled, once they are more
    // than a history can hold.
    bool arriving(int64_t received, int64_t announced);

    // The transfer completed: takes the HTTP status and "Content-length". False,
    // and the download cancelled, when the length is missing or not a number.
    bool startBody(int httpStatus, bool hasLength, const std::string &contentLength);

    // One piece of the body; moves the progress. False, and the download
    // cancelled, when the body grows beyond a history.
    bool addPiece(const std::vector<uint8_t> &piece);

    // The empty piece arrived: the whole body is held.
    void complete() { m_dlstate = Complete; }

    void cancel() { m_dlstate = Cancelled; }

    // Decides what becomes of the history, asks the user where needed, puts the
    // backup back or installs the download, and returns the status text.
    std::string finish(Dialogs &dialogs, const FinishOptions &options);

    // The window goes away mid-download: the history was never touched, so the
    // backup goes too, unless the history no longer matches it.
    void abandon();

    std::string resultsPath() const;
    std::string backupPath() const;

private:
    // Puts temp.rtl back over sa.rtl where they differ and deletes it. When that
    // fails the user is told where the backup lies and it stays.
    void restore(Dialogs &dialogs);

    std::string m_folder;
    std::string m_fileName;
    int m_oldcount = 0;
    int16_t m_dlstate = Running;
    int m_httpStatus = 0;
    int32_t m_length = 0;
    double m_step = 0.0;
    double m_progress = 0.0;
    std::vector<uint8_t> m_body;
};

} // namespace pickwise::download
