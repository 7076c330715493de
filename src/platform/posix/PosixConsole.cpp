// The standard streams on Linux.

#include <sys/ioctl.h>
#include <unistd.h>

#include "platform/Console.h"

namespace platform {
namespace {

int descriptor(StandardStream stream) {
  return stream == StandardStream::Output ? STDOUT_FILENO : STDERR_FILENO;
}

}  // namespace

bool isTerminal(StandardStream stream) {
  return ::isatty(descriptor(stream)) == 1;
}

unsigned terminalColumns(StandardStream stream) {
  struct winsize size {};
  if (::ioctl(descriptor(stream), TIOCGWINSZ, &size) != 0) return 0;
  return size.ws_col;
}

}  // namespace platform
