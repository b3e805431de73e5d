#include "download/downloadjob.h"

#include "core/fileio.h"
#include "core/recordfile.h"
#include "platform/dialogs.h"

namespace pickwise::download {

DownloadJob::DownloadJob(std::string folder, std::string fileName)
    : m_folder(std::move(folder)), m_fileName(std::move(fileName))
{
}

std::string DownloadJob::resultsPath() const
{
    return joinPath(m_folder, m_fileName);
}

std::string DownloadJob::backupPath() const
{
    return joinPath(m_folder, backupFileName);
}

std::string DownloadJob::begin()
{
    m_dlstate = Running;
    m_progress = 0.0;
    m_body.clear();

    RecordFile history(resultsPath());
    std::string error = history.load();
    if (error.empty()) {
        m_oldcount = history.count();
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
    return statetext(code, m_dlstate);
}

bool DownloadJob::arriving(int64_t received, int64_t announced)
{
    if (bodySizeAllowed(received) && bodySizeAllowed(announced))
        return true;
    m_dlstate = Cancelled;
    m_body.clear();
    return false;
}

bool DownloadJob::startBody(int httpStatus, bool hasLength, const std::string &contentLength)
{
    m_httpStatus = httpStatus;
    if (!hasLength || !parseContentLength(contentLength, m_length)) {
        m_dlstate = Cancelled;
        return false;
    }
    m_step = progressStep(m_length);
    m_body.clear();
    return true;
}

bool DownloadJob::addPiece(const std::vector<uint8_t> &piece)
{
    if (!arriving(static_cast<int64_t>(m_body.size() + piece.size()), -1))
        return false;
    m_body.insert(m_body.end(), piece.begin(), piece.end());
    m_progress = advanceProgress(m_progress, m_step);
    return true;
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

    if (m_dlstate != Complete) {
        failure = true;
        restore(dialogs);
        if (!dialogs.askYesNo(failedQuestion()))
            return failedStopStatus;
    } else {
        const DownloadCheck check
            = checkDownload(m_httpStatus, m_length, m_body.data(), m_body.size());
        bool ok = check.good;
        if (ok && options.checkBeforeOverwriting) {
            ok = dialogs.askYesNo(replaceQuestion(m_oldcount, check));
            declined = !ok;
        }
        if (ok) {
            const std::string error = writeFileAtomic(resultsPath(), m_body);
            if (!error.empty()) {
                failure = true;
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
