#include "mainwindow/apppath.h"

namespace pickwise {

std::string apppathFrom(const std::string &programFolder)
{
    const auto first = programFolder.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    const auto last = programFolder.find_last_not_of(" \t");
    std::string path = programFolder.substr(first, last - first + 1);
    while (!path.empty() && (path.back() == '/' || path.back() == '\\'))
        path.pop_back();
    return path;
}

} // namespace pickwise
