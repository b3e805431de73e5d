#pragma once

#include "core/ballrecord.h"
#include "platform/dialogs.h"

#include <string>
#include <vector>

namespace pickwise::stats {

// The whole results history at path, read afresh for each display. A file that
// cannot be read is reported and counts as an empty history, so the windows
// still show their (empty) figures.
std::vector<BallRecord> loadHistory(const std::string &path, Dialogs &dialogs);

} // namespace pickwise::stats
