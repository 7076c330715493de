// Stop signals on Linux: the handler only stores the signal's number.

#include <signal.h>

#include <atomic>

#include "platform/Signals.h"

namespace platform {
namespace {

std::atomic<int> received{0};
static_assert(std::atomic<int>::is_always_lock_free);

extern "C" void noteStopSignal(int signal) {
  int none = 0;
  received.compare_exchange_strong(none, signal);
}

}  // namespace

void catchStopSignals() {
  struct sigaction action {};
  action.sa_handler = noteStopSignal;
  sigemptyset(&action.sa_mask);
  // Calls in progress go on: the program looks at the note itself.
  action.sa_flags = SA_RESTART;
  for (int signal : {SIGINT, SIGTERM, SIGHUP}) ::sigaction(signal, &action, nullptr);
  struct sigaction ignore {};
  ignore.sa_handler = SIG_IGN;
  sigemptyset(&ignore.sa_mask);
  ::sigaction(SIGPIPE, &ignore, nullptr);
}

int stopSignal() {
  return received.load();
}

int exitStatusForSignal(int signal) {
  return 128 + signal;
}

}  // namespace platform
