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
    // Shows why a download failed before the questions that follow it.
    std::function<void(const std::string &)> showFailure;
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
    // url is the address the download is fetched from, named when it fails.
    // historyPath is the results history, backupPath its backup while the job runs.
    DownloadJob(std::string historyPath, std::string backupPath, std::string url = {});

    // Reads the local draws and copies the history to temp.rtl. An error text
    // when that is impossible; then nothing has changed.
    std::string begin();

    int oldcount() const { return m_oldcount; }
    int16_t dlstate() const { return m_dlstate; }
    const std::vector<uint8_t> &body() const { return m_body; }

    // A state report other than Completed; returns the status text.
    std::string report(int code);

    // The transfer failed, for this reason (from the HTTP port).
    void failed(const std::string &reason);

    // Body bytes arriving; false, and the download cancelled, once they are more
    // than a history can hold.
    bool arriving(int64_t received, int64_t announced);

    // The transfer completed: takes the HTTP status with its text and
    // "Content-length", if any. False, and the download cancelled, when a length
    // is given that is not a number.
    bool startBody(int httpStatus, const std::string &statusText, bool hasLength,
        const std::string &contentLength);

    // One piece of the body. False, and the download cancelled, when the body
    // grows beyond a history.
    bool addPiece(const std::vector<uint8_t> &piece);

    // The empty piece arrived: the whole body is held.
    void complete() { m_dlstate = Complete; }

    // The user cancelled.
    void cancel();

    // Decides what becomes of the history, asks the user where needed, puts the
    // backup back or installs the download, and returns the status text. The
    // user is always asked before a download that would remove local draws is
    // installed, whatever "Check Before Overwriting" says.
    std::string finish(Dialogs &dialogs, const FinishOptions &options);

    // After a failed finish: the address, the reason and that the results are
    // unchanged (failureLines); "" when the download did not fail.
    const std::string &failure() const { return m_failure; }

    // The window goes away mid-download: the history was never touched, so the
    // backup goes too, unless the history no longer matches it.
    void abandon();

    std::string resultsPath() const;
    std::string backupPath() const;

private:
    // Puts temp.rtl back over sa.rtl where they differ and deletes it. When that
    // fails the user is told where the backup lies and it stays.
    void restore(Dialogs &dialogs);

    // Notes the reason of a failure and shows it.
    void noteFailure(const FinishOptions &options, const std::string &reason);

    std::string m_historyPath;
    std::string m_backupPath;
    std::string m_url;
    int m_oldcount = 0;
    std::vector<BallRecord> m_local; // the history's draws before the download
    int16_t m_dlstate = Running;
    std::string m_reason; // why the transfer failed
    std::string m_failure;
    int m_httpStatus = 0;
    std::string m_statusText;
    int64_t m_length = -1; // -1: none announced
    std::vector<uint8_t> m_body;
};

} // namespace pickwise::download
