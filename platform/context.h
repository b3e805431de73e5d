#pragma once

#include "core/damage.h"
#include "core/datapaths.h"
#include "platform/platform.h"

namespace pickwise {

class MainSession;

// What every window is handed: the ports, where the files are, what the main
// window shows, the record files the user chose to leave damaged, and the two
// values the windows share. The app makes the one instance; tests make theirs
// over the doubles.
struct Context
{
    Context(Platform &platform_, const DataPaths &paths_, MainSession &session_)
        : platform(platform_), paths(paths_), session(session_)
    {
    }
    Context(const Context &) = delete;
    Context &operator=(const Context &) = delete;

    Platform &platform;
    const DataPaths &paths;
    MainSession &session; // mainwindow/session.h

    // The record files with a damaged count the user chose to leave as they
    // are in this run; every window consults it before writing one.
    DamageRegister damage;
    bool printerok = false; // a printer was set up: the print buttons print
    bool cancelflag = false; // Cancel clicked while a long run lets events through
};

} // namespace pickwise
