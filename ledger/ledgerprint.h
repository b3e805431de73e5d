#pragma once

#include "ledger/ledger.h"
#include "printing/document.h"

namespace pickwise::ledger {

// The spent-and-won printout: a heading with the range and the price per
// board, one line per draw played (a won amount that leaves out prizes not
// known marked with "*"), the totals, the winning lines by division and what
// the "*" means.
PrintDocument ledgerDocument(
    const Ledger &ledger, const Date &from, const Date &to, Cents boardPrice, bool printerok);

} // namespace pickwise::ledger
