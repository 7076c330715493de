// The standard streams on Linux.

#include <poll.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>

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

Result<std::size_t> readStandardInput(char* buffer, std::size_t length) {
  for (;;) {
    const ssize_t got = ::read(STDIN_FILENO, buffer, length);
    if (got >= 0) return static_cast<std::size_t>(got);
    if (errno != EINTR) return std::error_code(errno, std::generic_category());
  }
}

bool standardInputStirred() {
  pollfd input{STDIN_FILENO, POLLIN, 0};
  int ready = 0;
  do {
    ready = ::poll(&input, 1, 0);
  } while (ready < 0 && errno == EINTR);
  // A closed input reads as POLLHUP (a pipe) or as readable with nothing in it; a descriptor
  // that is no longer open (POLLNVAL) counts as ended too.
  return ready != 0;
}

}  // namespace platform
