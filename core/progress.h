#pragma once

#include <atomic>
#include <functional>

namespace pickwise {

// How long work (a results import, the ledger over the whole history) tells
// how far it is and learns that it should stop. Both may be used from a
// worker thread: report is called on the thread doing the work, and cancel is
// read there while the window's thread sets it.
struct Progress
{
    std::function<void(long long done, long long total)> report;
    const std::atomic<bool> *cancel = nullptr;

    bool cancelled() const { return cancel && cancel->load(std::memory_order_relaxed); }
    void tell(long long done, long long total) const
    {
        if (report)
            report(done, total);
    }
};

} // namespace pickwise
