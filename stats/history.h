#pragma once

#include "core/ballrecord.h"
#include "core/sharedstate.h"
#include "platform/dialogs.h"

#include <vector>

namespace pickwise::stats {

// The whole results history, read afresh for each display. A file that cannot
// be read is reported and counts as an empty history, so the windows still
// show their (empty) figures.
std::vector<BallRecord> loadHistory(const SharedState &state, Dialogs &dialogs);

} // namespace pickwise::stats
