// Arbitrary bytes as a results or entry file: every reader and rewriting
// operation must stay inside the data and end.
#include "core/damage.h"
#include "core/drawcheck.h"
#include "core/entryfiles.h"
#include "core/recordfile.h"
#include "core/results.h"

#include <cstdint>
#include <vector>

using namespace pickwise;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::vector<uint8_t> bytes(data, data + size);
    RecordFile file;
    file.setBytes(bytes);

    const int n = file.count();
    for (int r = 1; r <= n + 1; ++r) {
        const BallRecord rec = file.read(r);
        (void)datekey(rec.year, rec.month, rec.day);
        (void)entryLineText(
            {rec.ball[0], rec.ball[1], rec.ball[2], rec.ball[3], rec.ball[4], rec.ball[5]});
    }

    // Recovering a damaged count keeps every byte and leaves a sound count.
    for (const RecordKind kind : {RecordKind::Entries, RecordKind::Results}) {
        CountDamage damage;
        if (findCountDamage(bytes, kind, damage)
            && (damage.recovered.size() != bytes.size() || checkCount(damage.recovered).damaged()
                || damage.kept > damage.check.wholeRecords))
            __builtin_trap();
    }

    RecordFile inserted = file;
    results::insertDraw(inserted, Date {2003, 3, 5}, Draw {1, 2, 3, 4, 5, 6, 7});
    if (inserted.count() != std::min(n + 1, RecordFile::maxRecords) && n < RecordFile::maxRecords)
        __builtin_trap();

    RecordFile deleted = file;
    if (n >= 1)
        results::deleteDraw(deleted, 1 + (size > 0 ? data[0] % n : 0));

    RecordFile entries = file;
    std::vector<bool> selected(static_cast<size_t>(n));
    for (size_t i = 0; i < selected.size(); ++i)
        selected[i] = (i < size) && (data[i] & 1);
    entryfiles::deleteSelected(entries, selected);
    if (!selected.empty() && entries.count() > n)
        __builtin_trap();
    return 0;
}
