#include "core/fileio.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pickwise {

namespace {

std::string describe(const std::string &what, const std::string &path, int err)
{
    return what + " \"" + path + "\": " + std::strerror(err);
}

std::string folderOf(const std::string &path)
{
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    if (slash == 0)
        return "/";
    return path.substr(0, slash);
}

} // namespace

bool fileExists(const std::string &path)
{
    struct stat st
    {
    };
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

std::string readFileBytes(const std::string &path, std::vector<uint8_t> &out, bool createIfMissing)
{
    out.clear();
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0 && errno == ENOENT && createIfMissing) {
        // A folder that cannot be written (a data folder the program runs
        // read-only on) cannot hold the new file: the read still has its
        // answer, an empty file, and a later write tells its own failure.
        fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
        if (fd < 0)
            return {};
    }
    if (fd < 0)
        return describe("Cannot open", path, errno);
    uint8_t buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            const int err = errno;
            ::close(fd);
            return describe("Cannot read", path, err);
        }
        if (got == 0)
            break;
        out.insert(out.end(), buffer, buffer + got);
    }
    ::close(fd);
    return {};
}

std::string readFileHead(
    const std::string &path, size_t maxBytes, std::vector<uint8_t> &head, uint64_t &size)
{
    head.clear();
    size = 0;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return describe("Cannot open", path, errno);
    struct stat st
    {
    };
    if (::fstat(fd, &st) != 0) {
        const int err = errno;
        ::close(fd);
        return describe("Cannot read", path, err);
    }
    size = static_cast<uint64_t>(st.st_size);
    head.resize(maxBytes);
    size_t done = 0;
    while (done < maxBytes) {
        const ssize_t got = ::read(fd, head.data() + done, maxBytes - done);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            const int err = errno;
            ::close(fd);
            head.clear();
            return describe("Cannot read", path, err);
        }
        if (got == 0)
            break;
        done += static_cast<size_t>(got);
    }
    head.resize(done);
    ::close(fd);
    return {};
}

namespace {

// Writes bytes to a new temporary file in path's folder, with the permissions
// path has (a new file gets the usual umask), and flushes it to disk. On
// failure nothing is left behind.
std::string writeTemporary(
    const std::string &path, const std::vector<uint8_t> &bytes, std::string &tmpPath)
{
    std::string tmpl = folderOf(path) + "/.pickwise-XXXXXX";
    std::vector<char> name(tmpl.begin(), tmpl.end());
    name.push_back('\0');
    const int fd = ::mkstemp(name.data());
    if (fd < 0)
        return describe("Cannot create a temporary file for", path, errno);
    tmpPath = name.data();

    struct stat st
    {
    };
    mode_t mode = 0666;
    if (::stat(path.c_str(), &st) == 0) {
        mode = st.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    ::fchmod(fd, mode);

    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t put = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (put < 0) {
            if (errno == EINTR)
                continue;
            const int err = errno;
            ::close(fd);
            ::unlink(tmpPath.c_str());
            return describe("Cannot write", path, err);
        }
        done += static_cast<size_t>(put);
    }
    if (::fsync(fd) != 0) {
        const int err = errno;
        ::close(fd);
        ::unlink(tmpPath.c_str());
        return describe("Cannot write", path, err);
    }
    if (::close(fd) != 0) {
        const int err = errno;
        ::unlink(tmpPath.c_str());
        return describe("Cannot write", path, err);
    }
    return {};
}

std::string renameIntoPlace(const std::string &tmpPath, const std::string &path)
{
    if (::rename(tmpPath.c_str(), path.c_str()) != 0) {
        const int err = errno;
        ::unlink(tmpPath.c_str());
        return describe("Cannot replace", path, err);
    }
    return {};
}

} // namespace

std::string writeFileAtomic(const std::string &path, const std::vector<uint8_t> &bytes)
{
    std::string tmpPath;
    std::string error = writeTemporary(path, bytes, tmpPath);
    if (!error.empty())
        return error;
    return renameIntoPlace(tmpPath, path);
}

std::string writeFilesAtomic(const std::vector<FileContent> &files)
{
    std::vector<std::string> written;
    for (const FileContent &file : files) {
        std::string tmpPath;
        const std::string error = writeTemporary(file.path, file.bytes, tmpPath);
        if (!error.empty()) {
            for (const std::string &tmp : written)
                ::unlink(tmp.c_str());
            return error;
        }
        written.push_back(tmpPath);
    }
    // A rename within one folder does not fail for want of space; should one
    // fail all the same, the files not yet renamed keep their old content.
    for (size_t i = 0; i < files.size(); ++i) {
        const std::string error = renameIntoPlace(written[i], files[i].path);
        if (!error.empty()) {
            for (size_t k = i + 1; k < files.size(); ++k)
                ::unlink(written[k].c_str());
            return error;
        }
    }
    return {};
}

std::string writeFileAt(const std::string &path, long offset, const uint8_t *data, size_t size)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0)
        return describe("Cannot open", path, errno);
    size_t done = 0;
    while (done < size) {
        const ssize_t put
            = ::pwrite(fd, data + done, size - done, offset + static_cast<long>(done));
        if (put < 0) {
            if (errno == EINTR)
                continue;
            const int err = errno;
            ::close(fd);
            return describe("Cannot write", path, err);
        }
        done += static_cast<size_t>(put);
    }
    if (::close(fd) != 0)
        return describe("Cannot write", path, errno);
    return {};
}

std::string removeFile(const std::string &path)
{
    if (::unlink(path.c_str()) != 0 && errno != ENOENT)
        return describe("Cannot delete", path, errno);
    return {};
}

std::string copyFileAtomic(const std::string &src, const std::string &dst)
{
    std::vector<uint8_t> bytes;
    std::string error = readFileBytes(src, bytes, false);
    if (!error.empty())
        return error;
    return writeFileAtomic(dst, bytes);
}

std::string copyIfMissing(const std::string &src, const std::string &dst, bool &copied)
{
    copied = false;
    if (fileExists(dst))
        return {};
    std::string error = copyFileAtomic(src, dst);
    copied = error.empty();
    return error;
}

std::string joinPath(const std::string &folder, const std::string &name)
{
    if (!folder.empty() && folder.back() == '/')
        return folder + name;
    return folder + "/" + name;
}

} // namespace pickwise
