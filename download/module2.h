#pragma once

namespace pickwise::Module2 {

// Opens a dial-up internet connection where the system offers one. Here the
// system has no dial-up functions, so it answers as when they are missing:
// flag false (the caller hides the hang-up box and goes on) and result false.
bool attemptconnect(bool &flag);

// Whether the system has dial-up functions at all; the window offers to hang up
// only where it has.
bool dialupAvailable();

// Hangs up a dial-up connection; false when that is not possible.
bool hangupmodem();

} // namespace pickwise::Module2
