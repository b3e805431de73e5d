#pragma once

#include "core/damage.h"
#include "core/sharedstate.h"
#include "platform/dialogs.h"

#include <string>

namespace pickwise {

// The shared damage register asked through the message boxes, for the windows.

// A window reads a record file: the first time in a run that it meets a damaged
// count, the user is told and asked whether to recover the records present.
inline DamageRegister::Outcome reviewFile(
    SharedState &state, Dialogs &dialogs, const std::string &path, RecordKind kind)
{
    return state.damage.review(
        path, kind, [&dialogs](const std::string &q) { return dialogs.askYesNo(q); },
        [&dialogs](const std::string &m) { dialogs.message(m); });
}

// A window is about to write a record file: false, after telling the user,
// when nothing may be written to it in this run.
inline bool mayWrite(SharedState &state, Dialogs &dialogs, const std::string &path, RecordKind kind)
{
    return state.damage.mayWrite(
        path, kind, [&dialogs](const std::string &q) { return dialogs.askYesNo(q); },
        [&dialogs](const std::string &m) { dialogs.message(m); });
}

} // namespace pickwise
