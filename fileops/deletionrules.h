#pragma once

#include "core/ballrecord.h"

#include <string>
#include <vector>

namespace pickwise::filedeletion {

// The names of the files in folder whose names end in `extension` (".lot",
// ".txt"), sorted without regard to case, as a file list shows them.
std::vector<std::string> filesWithExtension(
    const std::string &folder, const std::string &extension);

// A record as the deletion window shows it: ball(1)..ball(5) two digits wide
// each followed by a blank, " PB " before ball(5) for "fmm"/"FMM" files, and
// ball(6) only when it is above 0.
std::string displayLine(const BallRecord &record, bool powerBall);

// Every record from the first on, stopping at the first whose ball(1) is 0;
// the count is not looked at, so records left beyond it are shown too.
std::vector<std::string> viewLines(
    const std::vector<uint8_t> &fileBytes, const std::string &fileName);

} // namespace pickwise::filedeletion
