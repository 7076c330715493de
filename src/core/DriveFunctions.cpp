#include "core/DriveFunctions.h"

#include "core/Helpers.h"
#include "core/Translated.h"
#include "platform/Drives.h"
#include "platform/FileSystem.h"

namespace {

// What the caption adds for a drive that is not a fixed disk; its file system says the rest
// (iso9660, tmpfs, nfs4).
const char* kindWord(int kind) {
  switch (kind) {
    case platform::DriveRemovable:
      return TrNoop("removable");
    case platform::DriveRemote:
      return TrNoop("network");
    default:
      return nullptr;
  }
}

// The device as file managers name it: the node's own name ("nvme0n1p3", "vg-home") for a device
// under /dev, the source as it stands otherwise ("server:/export"); nothing where it only repeats
// the file system ("tmpfs") or names none.
std::string deviceName(const std::string& source, const std::string& fileSystem) {
  if (source.rfind("/dev/", 0) == 0) return source.substr(source.find_last_of('/') + 1);
  if (source.empty() || source == fileSystem || source == "none") return {};
  return source;
}

std::optional<platform::DiskSpace> RootSpace(platform::FileSystem& files, const std::string& root) {
  // A root that is not there (a drive that went away) must not report the drive above it.
  const auto info = root.empty() ? std::nullopt : files.info(root);
  return info && info->kind == platform::EntryKind::Folder ? files.diskSpace(root) : std::nullopt;
}

}  // namespace

std::string GetDriveDisplayName(const platform::DriveTable& table, const std::string& root) {
  const std::string fileSystem = table.fileSystem(root);
  const char* kind = kindWord(table.driveKind(root));
  std::string details;
  for (const std::string& part :
       {fileSystem, deviceName(table.source(root), fileSystem), kind ? Tr(kind) : std::string()}) {
    if (!part.empty()) details += (details.empty() ? "" : ", ") + part;
  }
  const std::string mountPoint = root.size() > 1 ? RemoveTrailingBackslash(root) : root;
  return details.empty() ? mountPoint : mountPoint + " (" + details + ")";
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
