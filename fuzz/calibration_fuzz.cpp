// Arbitrary bytes as nprnt.dat and nlnwdth.dat: reading them, turning them into
// a calibration and planning a print from it must stay inside the data and end.
#include "tickets/ticketrules.h"

#include <cmath>
#include <cstdint>
#include <vector>

using namespace pickwise;
using namespace pickwise::tickets;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::vector<uint8_t> bytes(data, data + size);
    const CalibRecord calib = CalibRecord::unpack(bytes);
    const int16_t widthcode = unpackWidthCode(bytes);

    // What is read back is what would be written.
    const auto packed = calib.pack();
    if (!(CalibRecord::unpack({packed.begin(), packed.end()}) == calib))
        __builtin_trap();

    const int dots = lineWidthDots(lineWidthFromCode(widthcode));
    if (dots != 15 && dots != 25 && dots != 35)
        __builtin_trap();

    const bool right = directionFromFlag(calib.moveright).value_or(false);
    const bool up = directionFromFlag(calib.moveup).value_or(false);
    const Correction corr = correctionFor(calib.lrvalue, right, calib.udvalue, up, calibrationUnit);

    // The rest of the bytes as entries, numbers of any 16-bit value.
    std::vector<Entry> entries;
    for (size_t off = 8; off + 12 <= size && entries.size() < 40; off += 12) {
        Entry e {};
        for (size_t k = 0; k < 6; ++k)
            e[k] = static_cast<int16_t>(data[off + 2 * k] | (data[off + 2 * k + 1] << 8));
        entries.push_back(e);
    }
    const PrintDocument plan = ticketPlan(entries, corr, dots);
    size_t dashes = 0;
    for (const PrintOp &op : plan.ops) {
        if (op.kind != PrintOp::Line)
            continue;
        ++dashes;
        if (op.x1 != std::round(op.x1) || op.y1 != std::round(op.y1) || op.y2 != op.y1
            || op.x2 - op.x1 != dashLength)
            __builtin_trap();
    }
    if (dashes != entries.size() * 6)
        __builtin_trap();
    (void)fitsOnPage(plan, 11906, 16838);
    (void)fitsOnPage(alignmentPlan(corr, dots), 11906, 16838);
    return 0;
}
