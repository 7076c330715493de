#pragma once
// Opening folders without following links: every component of the path is taken as it is, a
// symbolic link anywhere in it ends the open with FileError::Link, and the open never leaves the
// mount it starts on (a bind mount of the same file system included). openat2 does this in one call
// (RESOLVE_NO_SYMLINKS, RESOLVE_NO_XDEV, RESOLVE_BENEATH); where the system lacks it, the folders
// are opened one by one with O_NOFOLLOW | O_DIRECTORY and each is checked to lie on the mount the
// walk started on.

#include <cstdint>
#include <string>

#include "platform/Result.h"
#include "platform/ScopedOverride.h"

namespace platform::posix {

// Opens the folder `relative` names below the open folder `from` (a descriptor), for reading.
// "." and an empty path name `from` itself; a ".." in it is refused (invalid_argument), and a
// folder on another mount than `from` (a mount point on the way) ends the open with
// FileError::MountPoint. `fromPath` names `from`, for the mount table where the system gives no
// mount numbers.
Result<int> openFolderBelow(int from, const std::string& relative,
                            const std::string& fromPath = {});

// Opens the folder an absolute path names. The path is split once into its anchor, the mount
// point of the file system that holds it (by the system's mount table), and the part below; the
// anchor is reached without following a link, the part below without following a link and
// without crossing into another mount.
Result<int> openFolderWithoutLinks(const std::string& path);

// The mount number of what the descriptor names; 0 when the system does not say.
std::uint64_t mountOf(int fd);

}  // namespace platform::posix

namespace platform::posix {

// Whether openat2 is tried at all (it is unless turned off); returns the setting it replaces.
// Turned off, every open takes the folder-by-folder way, as on a system without openat2.
bool setOpenat2Tried(bool tried);
using ScopedOpenat2Tried = ScopedOverride<&setOpenat2Tried>;

}  // namespace platform::posix
