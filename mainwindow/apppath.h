#pragma once

#include <string>

namespace pickwise {

// The installation folder as every file path is built from it: surrounding
// blanks and trailing separators removed, so that apppath + "/" + name never
// doubles a separator. The file system root gives "" ("/" + name is then the
// root's file); a drive root such as "C:\" keeps only "C:".
std::string apppathFrom(const std::string &programFolder);

} // namespace pickwise
