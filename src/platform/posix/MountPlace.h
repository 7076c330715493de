#pragma once
// Which mount a file or folder lies on, and whether an entry of a folder is a mount point: the
// root of a file system mounted there, or a file or folder bound over it. A bind mount of the
// same file system has the device of the folder around it, so mounts are told apart by the
// number statx gives each mount; where the system does not give it, by the device, and for the
// same device by the mount table.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/ScopedOverride.h"

namespace platform::posix {

struct MountPlace {
  std::uint64_t device = 0;  // the file system's device, as FileInfo's id gives it
  std::uint64_t mount = 0;   // the mount's number; 0 where the system does not tell
};

// The mount number statx reports (`mask` its stx_mask, `number` its stx_mnt_id); 0 where it
// reports none, or where mount numbers are not used (see setMountNumbersUsed).
std::uint64_t reportedMount(std::uint32_t mask, std::uint64_t number);

// Where the open descriptor lies; false (errno set) when the system cannot say.
bool placeOf(int fd, MountPlace& place);

// Whether `there` lies on another mount than `here`, the folder it was reached from; `path`
// names it, for the mount table where the mount numbers are unknown (empty: not looked up).
bool onOtherMount(const MountPlace& here, const MountPlace& there, const std::string& path);

// The names of the entries of the folder at `folder` (a path) that the mount table lists as mount
// points.
std::vector<std::string> mountPointNamesIn(const std::string& folder);

// The type of the file system of the mount `there` lies on ("tmpfs"), by its number, else by
// its mount point `path`, else by its device; empty when the mount table does not tell.
std::string fileSystemTypeOf(const MountPlace& there, const std::string& path);

// Whether the mount numbers the system reports are used (they are unless turned off); returns
// the setting it replaces. Turned off, mounts are told apart as on a system that lacks them.
bool setMountNumbersUsed(bool used);
using ScopedMountNumbersUsed = ScopedOverride<&setMountNumbersUsed>;

}  // namespace platform::posix
