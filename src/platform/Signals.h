#pragma once
// Requests from outside to stop: the interrupt from the terminal (Ctrl+C), the request to
// terminate and the hang-up of the terminal. Once caught, such a signal only notes itself; the
// program looks at the note between blocks and stops the way its Stop button does.

namespace platform {

// From now on the stop signals are noted instead of ending the program, and writing to a pipe
// whose reader has gone fails instead of ending it.
void catchStopSignals();
// The first stop signal noted since catchStopSignals, 0 when none was.
int stopSignal();
// The exit status that tells the caller the program ended because of the signal (128 + its
// number, as shells report it).
int exitStatusForSignal(int signal);

}  // namespace platform
