#include "core/DriveFunctions.h"

#include "core/Helpers.h"
#include "core/Translated.h"
#include "platform/Drives.h"
#include "platform/FileSystem.h"

namespace {

const char* kindName(int kind) {
  switch (kind) {
    case platform::DriveFixed:
      return TrNoop("Local Disk");
    case platform::DriveRemovable:
      return TrNoop("Removable Disk");
    case platform::DriveRemote:
      return TrNoop("Network Drive");
    case platform::DriveOptical:
      return TrNoop("CD Drive");
    case platform::DriveRam:
      return TrNoop("RAM Disk");
    default:
      return TrNoop("Drive");
  }
}

std::optional<platform::DiskSpace> RootSpace(const std::string& root) {
  // A root that is not there (a drive that went away) must not report the drive above it.
  const auto info = root.empty() ? std::nullopt : platform::fs().info(root);
  return info && info->kind == platform::EntryKind::Folder ? platform::fs().diskSpace(root)
                                                           : std::nullopt;
}

}  // namespace

std::string GetDriveDisplayName(const std::string& root) {
  std::string mountPoint = root.size() > 1 ? RemoveTrailingBackslash(root) : root;
  return Tr(kindName(platform::drives().driveKind(root))) + " (" + mountPoint + ")";
}

std::string GetDriveFileSystem(const std::string& root) {
  return platform::drives().fileSystem(root);
}

platform::FileSystemId GetDriveVolume(const std::string& root) {
  const auto space = RootSpace(root);
  return space ? space->id : platform::FileSystemId{};
}

bool GetDriveSpace(const std::string& root, std::int64_t& freeBytes, std::int64_t& totalBytes) {
  const auto space = RootSpace(root);
  if (!space) {
    freeBytes = -1;
    totalBytes = -1;
    return false;
  }
  freeBytes = static_cast<std::int64_t>(space->available);
  totalBytes = static_cast<std::int64_t>(space->total);
  return true;
}
