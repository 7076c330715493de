#pragma once
// The file systems of the system itself (proc, sysfs, efivarfs, cgroup, ...): what looks like
// files there are the kernel's settings and the firmware's variables, which a wipe must never
// write, rename or remove.

#include <cstdint>
#include <functional>
#include <string>

namespace platform::posix {

// The name of the system file system the open descriptor lies on ("sysfs"); empty for any
// other file system, and when the system cannot tell.
std::string systemFileSystemOf(int fd);
// The same, with the number of the mount the descriptor lies on given by the caller, who may know
// it already; asked only where the kind of file system leaves the answer open.
std::string systemFileSystemOf(int fd, const std::function<std::uint64_t()>& mountNumber);

}  // namespace platform::posix
