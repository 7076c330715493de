#pragma once
// What the program shows about a drive (the window and the command line). A drive is named by
// its root: the mount point with a trailing separator. The drive table and the file system asked
// are the caller's (the window's, or those in use for the command line).

#include <cstdint>
#include <string>

#include "platform/FileSystem.h"

namespace platform {
class DriveTable;
}

// The mount point with its file system, device and, for a drive that is not a fixed disk, its
// kind in brackets, as file managers show drives: "/home (ext4, nvme0n1p3)",
// "/media/stick (vfat, sdb1, removable)", "/srv/share (nfs4, server:/export, network)".
std::string GetDriveDisplayName(const platform::DriveTable& drives, const std::string& root);
// The file-system type ("ext4"); empty when the root is not a mount point.
std::string GetDriveFileSystem(const platform::DriveTable& drives, const std::string& root);
// Free bytes available to the user and total bytes of the drive; both -1 and false when the
// drive cannot be asked.
bool GetDriveSpace(platform::FileSystem& files, const std::string& root, std::int64_t& freeBytes,
                   std::int64_t& totalBytes);
// The file system mounted at the drive's root folder now; unknown (device 0) when no folder is
// there.
platform::FileSystemId GetDriveVolume(platform::FileSystem& files, const std::string& root);
