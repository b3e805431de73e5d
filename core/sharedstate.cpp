#include "core/sharedstate.h"

#include "core/fileio.h"

namespace pickwise {

std::string SharedState::pathOf(const std::string &name) const
{
    return joinPath(apppath, name);
}

} // namespace pickwise
