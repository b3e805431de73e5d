#pragma once

#include "core/damage.h"
#include "core/datapaths.h"

#include <array>
#include <cstdint>
#include <string>

namespace pickwise {

// The process-wide values every window reads or sets, under their own names.
// The app owns the one instance and hands it to each window by reference.
// Arrays are 0-based: mustcontain[0] is slot 1, winballs[6] the bonus ball.
struct SharedState
{
    DataPaths paths; // the program folder (apppath) and the data folder
    bool printerok = false;

    // Constraint set of computer suggestions; lives for the whole run.
    std::array<int16_t, 3> mustcontain {};
    std::array<int16_t, 6> mustnotcontain {};
    bool constrained = false;

    bool cancelflag = false;

    int16_t statview = 2; // 1 Bonus, 2 Lotto, 3 Lotto + Bonus
    int16_t infoball = 0;

    // Done flags of the windows the main window waits for. The main window
    // learns of a close through a signal; the flags keep what each window
    // reported (for example whether it wrote the shown date's entries).
    bool historyopen = false;
    bool downloaddone = false;
    bool importclosed = false;
    bool optimiserdone = false;

    // The record files with a damaged count the user chose to leave as they
    // are in this run; every window consults it before writing one.
    DamageRegister damage;
};

} // namespace pickwise
