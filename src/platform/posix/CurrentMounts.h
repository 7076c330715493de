#pragma once
// The mount table of the process as it is now, read from /proc/self/mountinfo only when it has
// changed since the last look: the system marks the open table when anything is mounted or
// unmounted (POLLPRI), and a move into another mount namespace opens the table anew. Asked
// for every folder a wipe opens, so reading it is kept off the common path.

#include <memory>
#include <vector>

#include "platform/posix/MountInfo.h"

namespace platform::posix {

// The mounts, in the order of the table; empty when the table cannot be read. Shared, and never
// changed once given: a change of the table makes a new one.
std::shared_ptr<const std::vector<Mount>> currentMounts();

}  // namespace platform::posix
