#include "download/downloadjob.h"

#include "core/fileio.h"
#include "core/recordfile.h"
#include "platform/dialogs.h"

namespace pickwise::download {

DownloadJob::DownloadJob(std::string historyPath, std::string backupPath, std::string url)
    : m_historyPath(std::move(historyPath)), m_backupPath(std::move(backupPath)),
      m_url(std::move(url))
{
}

std::string DownloadJob::resultsPath() const
{
    return m_historyPath;
}

std::string DownloadJob::backupPath() const
{
    return m_backupPath;
}

std::string DownloadJob::begin()
{
    m_dlstate = Running;
    m_reason.clear();
    m_failure.clear();
    m_length = -1;
    m_body.clear();

    RecordFile history(resultsPath());
    std::string error = history.load();
    if (error.empty()) {
        m_oldcount = history.count();
        m_local.clear();
        for (int r = 1; r <= m_oldcount; ++r)
            m_local.push_back(history.read(r));
        error = removeFile(backupPath());
    }
    if (error.empty())
        error = copyFileAtomic(resultsPath(), backupPath());
    if (!error.empty()) {
        removeFile(backupPath());
        return "Your results could not be backed up before the download (" + error
            + "). Nothing was changed.";
    }
    return {};
}

std::string DownloadJob::report(int code)
{
    std::string text = statetext(code, m_dlstate);
    if (m_dlstate != Running && m_dlstate != Complete)
        m_reason = text;
    return text;
}

void DownloadJob::failed(const std::string &reason)
{
    m_reason = reason;
    if (m_dlstate == Running || m_dlstate == Complete)
        m_dlstate = TransferError;
}

void DownloadJob::cancel()
{
    m_dlstate = Cancelled;
    m_reason = "you cancelled the download";
}

bool DownloadJob::arriving(int64_t received, int64_t announced)
{
    if (bodySizeAllowed(received) && bodySizeAllowed(announced))
        return true;
    m_dlstate = Cancelled;
    m_reason = "the file is larger than any results file (more than " + std::to_string(maxBodyBytes)
        + " bytes)";
    m_body.clear();
    return false;
}

bool DownloadJob::startBody(
    int httpStatus, const std::string &statusText, bool hasLength, const std::string &contentLength)
{
    m_httpStatus = httpStatus;
    m_statusText = statusText;
    m_length = -1;
    int32_t length = 0;
    if (hasLength) {
        if (!parseContentLength(contentLength, length)) {
            m_dlstate = Cancelled;
            m_reason = "the server announced a length of \"" + contentLength
                + "\", which is not a number";
            return false;
        }
        m_length = length;
    }
    m_body.clear();
    return true;
}

bool DownloadJob::addPiece(const std::vector<uint8_t> &piece)
{
    if (!arriving(static_cast<int64_t>(m_body.size() + piece.size()), -1))
        return false;
    m_body.insert(m_body.end(), piece.begin(), piece.end());
    return true;
}

void DownloadJob::noteFailure(const FinishOptions &options, const std::string &reason)
{
    m_failure = failureLines(m_url, reason.empty() ? "the transfer did not complete" : reason);
    if (options.showFailure)
        options.showFailure(m_failure);
}

void DownloadJob::restore(Dialogs &dialogs)
{
    std::vector<uint8_t> backup;
    std::vector<uint8_t> current;
    std::string error = readFileBytes(backupPath(), backup, false);
    if (error.empty()) {
        const bool same = readFileBytes(resultsPath(), current, false).empty() && current == backup;
        if (!same)
            error = writeFileAtomic(resultsPath(), backup);
    }
    if (!error.empty()) {
        dialogs.message("Your previous results could not be put back (" + error
            + "). A copy of them is kept in " + backupPath());
        return;
    }
    removeFile(backupPath());
}

void DownloadJob::abandon()
{
    std::vector<uint8_t> backup;
    std::vector<uint8_t> current;
    if (readFileBytes(backupPath(), backup, false).empty()
        && readFileBytes(resultsPath(), current, false).empty() && current == backup)
        removeFile(backupPath());
    m_dlstate = Cancelled;
}

std::string DownloadJob::finish(Dialogs &dialogs, const FinishOptions &options)
{
    bool failure = false;
    bool declined = false;
    std::string status;
    m_failure.clear();

    if (m_dlstate != Complete) {
        failure = true;
        noteFailure(options, m_reason);
        restore(dialogs);
        if (!dialogs.askYesNo(failedQuestion()))
            return failedStopStatus;
    } else {
        DownloadCheck check = checkDownload(m_httpStatus, m_length, m_body.data(), m_body.size());
        if (m_httpStatus != 200 && !m_statusText.empty())
            check.reason = "the server answered " + m_statusText;
        bool ok = check.good;
        if (ok) {
            // Draws the history holds and the download lacks are never dropped
            // without a word.
            const int removed = drawsRemoved(m_local, check.draws);
            std::string question;
            if (options.checkBeforeOverwriting)
                question = replaceQuestion(m_oldcount, check)
                    + (removed > 0 ? "\n\n" + removalText(removed) : std::string());
            else if (removed > 0)
                question = removalQuestion(removed);
            if (!question.empty()) {
                ok = dialogs.askYesNo(question);
                declined = !ok;
            }
        }
        if (ok) {
            const std::string error = writeFileAtomic(resultsPath(), m_body);
            if (!error.empty()) {
                failure = true;
                noteFailure(options, "the downloaded results could not be saved (" + error + ")");
                dialogs.message("The downloaded results could not be saved (" + error
                    + "). Your previous results are unchanged.");
            }
            removeFile(backupPath());
        } else {
            restore(dialogs);
            if (declined) {
                status = cancelledUpdateStatus();
            } else {
                failure = true;
                noteFailure(options, check.reason);
                if (!dialogs.askYesNo(corruptQuestion()))
                    return corruptStopStatus;
            }
        }
    }

    if (failure)
        status = someFailedStatus;
    else if (!declined)
        status = allDoneStatus;

    switch (hangupChoice(failure, options.check8Ticked, options.check8Visible)) {
    case Hangup::Ask:
        if (!dialogs.askYesNo(hangupQuestion))
            break;
        [[fallthrough]];
    case Hangup::Now:
        if (!options.hangup || !options.hangup())
            dialogs.message(hangupFailedMessage);
        break;
    case Hangup::No:
        break;
    }
    return status;
}

} // namespace pickwise::download
