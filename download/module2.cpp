#include "download/module2.h"

namespace pickwise::Module2 {

bool attemptconnect(bool &flag)
{
    // No dial-up layer on this platform: the connection is the system's own.
    flag = false;
    return false;
}

bool dialupAvailable()
{
    return false;
}

bool hangupmodem()
{
    return false;
}

} // namespace pickwise::Module2
