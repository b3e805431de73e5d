#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace pickwise {

// Small file helpers. Every function that changes a file returns an error text,
// empty on success, so callers can tell the user instead of passing over a loss.

bool fileExists(const std::string &path);

// Reads the whole file. A missing file is created empty first when createIfMissing,
// mirroring the record files' open-creates behaviour; when it cannot be created
// it reads as empty all the same.
std::string readFileBytes(const std::string &path, std::vector<uint8_t> &out, bool createIfMissing);

// Reads at most maxBytes from the start of an existing file and gives its size,
// for a look at a header without reading the whole file.
std::string readFileHead(
    const std::string &path, size_t maxBytes, std::vector<uint8_t> &head, uint64_t &size);

// Writes the full content to a temporary file in the same folder, flushes it and
// renames it over path, so a failure part way leaves the old file whole.
std::string writeFileAtomic(const std::string &path, const std::vector<uint8_t> &bytes);

// The new content of one file, for writing several files as one change.
struct FileContent
{
    std::string path;
    std::vector<uint8_t> bytes;
};

// Writes every file's content to a temporary file beside it, and renames them
// into place, in the order given, only once all are written and flushed: a
// failure while writing (a full disk) leaves every file as it was. Files whose
// content must agree, such as the results history and its prize money, are
// replaced together this way.
std::string writeFilesAtomic(const std::vector<FileContent> &files);

// Overwrites bytes at offset in an existing file (extending it when needed).
std::string writeFileAt(const std::string &path, long offset, const uint8_t *data, size_t size);

std::string removeFile(const std::string &path);

// Byte-for-byte copy that replaces dst atomically.
std::string copyFileAtomic(const std::string &src, const std::string &dst);

// Copies src to dst only when there is no dst yet, so a user's own file is
// never replaced. copied tells whether it was copied.
std::string copyIfMissing(const std::string &src, const std::string &dst, bool &copied);

// "folder/name" with the folder's own trailing separator not doubled.
std::string joinPath(const std::string &folder, const std::string &name);

} // namespace pickwise
