// Arbitrary bytes as a wheel definition file: the first two bytes choose how
// many lines the wheel asks for and the size of its group, the rest is the
// file. Reading must stay inside the text, and whatever reads as Ok must put
// only the group's own balls into exactly that many records.
#include "core/recordfile.h"
#include "wheels/wheelsave.h"

#include <cstdint>
#include <string>
#include <vector>

using namespace pickwise;
using namespace pickwise::wheels;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    // Entries as Text25 may hold them: any 16-bit value, negative included,
    // kept small enough that one input stays quick.
    const int entries = static_cast<int8_t>(data[0]) * 4;
    const int n = 6 + data[1] % (ballBoxes - 5);
    const std::string text(reinterpret_cast<const char *>(data + 2), size - 2);

    std::vector<Positions> lines;
    const DefinitionStatus status = readDefinition(text, entries, n, lines);
    if (status != DefinitionStatus::Ok)
        return 0;
    if (static_cast<int>(lines.size()) != (entries > 0 ? entries : 0))
        __builtin_trap();

    std::vector<int16_t> group;
    for (int i = 0; i < n; ++i)
        group.push_back(static_cast<int16_t>(2 * i + 1));
    RecordFile file;
    writeWheel(file, lines, group);
    if (file.count() != static_cast<int>(lines.size()))
        __builtin_trap();
    for (int k = 1; k <= file.count(); ++k) {
        const BallRecord record = file.read(k);
        for (int m = 0; m < 6; ++m) {
            const int16_t ball = record.ball[static_cast<size_t>(m)];
            if (ball < 1 || ball > 2 * n - 1 || ball % 2 == 0)
                __builtin_trap();
        }
    }
    return 0;
}
