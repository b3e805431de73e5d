#pragma once

#include <string>
#include <vector>

namespace pickwise {

class Shell
{
public:
    enum class OpenResult { Opened, NotFound, Failed };

    virtual ~Shell() = default;
    // Opens a document with the desktop's viewer for its type.
    virtual OpenResult openDocument(const std::string &path) = 0;
    // Path of a program found on the PATH, "" when there is none.
    virtual std::string findProgram(const std::string &name) = 0;
    // Starts a program detached; false when it could not be started.
    virtual bool startProgram(const std::string &path, const std::vector<std::string> &args) = 0;
};

} // namespace pickwise
