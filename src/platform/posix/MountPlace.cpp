#include "platform/posix/MountPlace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <utility>

#include "platform/PathText.h"
#include "platform/posix/CurrentMounts.h"

namespace platform::posix {
namespace {

bool mountNumbersUsed = true;

// The mount of the table mounted last at `path`: the one that is seen there.
const Mount* listedAt(const std::vector<Mount>& mounts, const std::string& path) {
  const std::string point = trimSeparators(path);
  const Mount* found = nullptr;
  for (const Mount& mount : mounts) {
    if (mount.mountPoint == point) found = &mount;
  }
  return found;
}

}  // namespace

bool setMountNumbersUsed(bool used) {
  return std::exchange(mountNumbersUsed, used);
}

std::uint64_t reportedMount(std::uint32_t mask, std::uint64_t number) {
  return mountNumbersUsed && (mask & STATX_MNT_ID) ? number : 0;
}

bool placeOf(int fd, MountPlace& place) {
  struct statx st {};
  if (::statx(fd, "", AT_EMPTY_PATH, STATX_BASIC_STATS | STATX_MNT_ID, &st) != 0) return false;
  place.device = static_cast<std::uint64_t>(makedev(st.stx_dev_major, st.stx_dev_minor));
  place.mount = reportedMount(st.stx_mask, st.stx_mnt_id);
  return true;
}

bool onOtherMount(const MountPlace& here, const MountPlace& there, const std::string& path) {
  if (here.mount != 0 && there.mount != 0) return here.mount != there.mount;
  if (here.device != there.device) return true;
  // The same device: only the mount table tells a bind mount of the same file system.
  if (path.empty()) return false;
  const auto mounts = currentMounts();
  return listedAt(*mounts, path) != nullptr;
}

std::vector<std::string> mountPointNamesIn(const std::string& folder) {
  const std::string own = trimSeparators(folder);
  std::vector<std::string> names;
  for (const Mount& mount : *currentMounts()) {
    if (mount.mountPoint.size() > 1 && parentFolderOf(mount.mountPoint) == own) {
      names.push_back(fileNameOf(mount.mountPoint));
    }
  }
  return names;
}

std::string fileSystemTypeOf(const MountPlace& there, const std::string& path) {
  const auto mounts = currentMounts();
  if (there.mount != 0) {
    for (const Mount& mount : *mounts) {
      if (mount.id == there.mount) return mount.fsType;
    }
  }
  if (!path.empty()) {
    if (const Mount* mount = listedAt(*mounts, path)) return mount->fsType;
  }
  for (const Mount& mount : *mounts) {
    if (static_cast<std::uint64_t>(makedev(mount.major, mount.minor)) == there.device) {
      return mount.fsType;
    }
  }
  return {};
}

}  // namespace platform::posix
