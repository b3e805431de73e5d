// Feeds arbitrary response bodies to the check that decides whether a download
// may replace the results history. The first two bytes, when present, pick the
// HTTP status and how far the announced length is off, so the refusals for
// status and length are reached too; the rest is the body.
#include "download/downloadrules.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace pickwise::download;
    int status = 200;
    int64_t lengthOffset = 0;
    if (size >= 2) {
        status = data[0] < 240 ? 200 : 200 + (data[0] - 240) * 50;
        lengthOffset = data[1] < 250 ? 0 : data[1] - 252;
        data += 2;
        size -= 2;
    }
    const int64_t announced = static_cast<int64_t>(size) + lengthOffset;
    const DownloadCheck check = checkDownload(status, announced, data, size);
    if (check.good) {
        // What was accepted must be a whole history the program can hold, as
        // long as announced when a length was announced.
        if (status != 200 || (announced >= 0 && announced != static_cast<int64_t>(size))
            || size % 26 != 0 || check.count < 1 || static_cast<size_t>(check.count) * 26 > size
            || !pickwise::isValidDate(check.newest))
            std::abort();
        (void)replaceQuestion(check.count - 1, check);
        if (drawsRemoved(check.draws, check.draws) != 0)
            std::abort();
    }
    return 0;
}
