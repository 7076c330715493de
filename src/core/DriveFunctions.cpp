#include "core/DriveFunctions.h"

#include "core/Helpers.h"
#include "platform/Drives.h"
#include "platform/FileSystem.h"

namespace {

const char* kindName(int kind) {
  switch (kind) {
    case platform::DriveFixed:
      return "Local Disk";
    case platform::DriveRemovable:
      return "Removable Disk";
    case platform::DriveRemote:
      return "Network Drive";
    case platform::DriveOptical:
      return "CD Drive";
    case platform::DriveRam:
      return "RAM Disk";
    default:
      return "Drive";
  }
}

std::optional<platform::DiskSpace> RootSpace(platform::FileSystem& files, const std::string& root) {
  // A root that is not there (a drive that went away) must not report the drive above it.
  const auto info = root.empty() ? std::nullopt : files.info(root);
  return info && info->kind == platform::EntryKind::Folder ? files.diskSpace(root) : std::nullopt;
}

}  // namespace

std::string GetDriveDisplayName(const platform::DriveTable& drives, const std::string& root) {
  std::string mountPoint = root.size() > 1 ? RemoveTrailingBackslash(root) : root;
  return std::string(kindName(drives.driveKind(root))) + " (" + mountPoint + ")";
}

std::string GetDriveFileSystem(const platform::DriveTable& drives, const std::string& root) {
  return drives.fileSystem(root);
}

platform::FileSystemId GetDriveVolume(platform::FileSystem& files, const std::string& root) {
  const auto space = RootSpace(files, root);
  return space ? space->id : platform::FileSystemId{};
}

bool GetDriveSpace(platform::FileSystem& files, const std::string& root, std::int64_t& freeBytes,
                   std::int64_t& totalBytes) {
  const auto space = RootSpace(files, root);
  if (!space) {
    freeBytes = -1;
    totalBytes = -1;
    return false;
  }
  freeBytes = static_cast<std::int64_t>(space->available);
  totalBytes = static_cast<std::int64_t>(space->total);
  return true;
}
