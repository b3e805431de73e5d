#pragma once

#include "core/damage.h"
#include "platform/context.h"

#include <string>

namespace pickwise {

// The context's damage register asked through the message boxes, for the windows.

// A window reads a record file: the first time in a run that it meets a damaged
// count, the user is told and asked whether to recover the records present.
inline DamageRegister::Outcome reviewFile(
    Context &context, const std::string &path, RecordKind kind)
{
    Dialogs &dialogs = context.platform.dialogs;
    return context.damage.review(
        path, kind, [&dialogs](const std::string &q) { return dialogs.askYesNo(q); },
        [&dialogs](const std::string &m) { dialogs.message(m); });
}

// A window is about to write a record file: false, after telling the user,
// when nothing may be written to it in this run.
inline bool mayWrite(Context &context, const std::string &path, RecordKind kind)
{
    Dialogs &dialogs = context.platform.dialogs;
    return context.damage.mayWrite(
        path, kind, [&dialogs](const std::string &q) { return dialogs.askYesNo(q); },
        [&dialogs](const std::string &m) { dialogs.message(m); });
}

} // namespace pickwise
