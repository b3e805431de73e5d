// Arbitrary bytes as a text file of entries: reading, validating and writing
// the validated lines must stay inside the data, and what validates must be six
// distinct numbers in 1..49 per line.
#include "fileops/importrules.h"

#include <cstdint>
#include <string>

using namespace pickwise;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string content(reinterpret_cast<const char *>(data), size);
    const auto fields = importtxt::readFields(content);
    const auto result = importtxt::validate(fields);
    if (result.verdict == importtxt::Verdict::Valid) {
        if (result.entries.size() != fields.size())
            __builtin_trap();
        for (const Entry &e : result.entries)
            for (int i = 0; i < 6; ++i) {
                if (e[i] < 1 || e[i] > 49)
                    __builtin_trap();
                for (int j = i + 1; j < 6; ++j)
                    if (e[i] == e[j])
                        __builtin_trap();
            }
        RecordFile file;
        importtxt::writeImport(file, result.entries, Date {2026, 12, 5});
        if (file.count()
            != static_cast<int>(std::min<size_t>(fields.size(), RecordFile::maxRecords)))
            __builtin_trap();
    }
    return 0;
}
