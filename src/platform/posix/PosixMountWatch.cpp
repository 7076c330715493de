// The watch on the table of mounts of Linux: /proc/self/mountinfo, whose poll reports POLLPRI
// (with POLLERR) once after each change of the mount namespace.

#include <fcntl.h>
#include <unistd.h>

#include "platform/MountWatch.h"

namespace platform {

MountWatch::MountWatch() : descriptor_(::open("/proc/self/mountinfo", O_RDONLY | O_CLOEXEC)) {}

MountWatch::~MountWatch() {
  if (descriptor_ >= 0) ::close(descriptor_);
}

}  // namespace platform
