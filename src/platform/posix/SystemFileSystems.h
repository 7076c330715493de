#pragma once
// The file systems of the system itself (proc, sysfs, efivarfs, cgroup, ...): what looks like
// files there are the kernel's settings and the firmware's variables, which a wipe must never
// write, rename or remove.

#include <string>

namespace platform::posix {

// The name of the system file system the open descriptor lies on ("sysfs"); empty for any
// other file system, and when the system cannot tell.
std::string systemFileSystemOf(int fd);

}  // namespace platform::posix
