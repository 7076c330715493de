// Drives on Linux: the mount points of real file systems, read from /proc/self/mountinfo, and
// whether their disks are removable, from /sys/dev/block.

#include <sys/stat.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <utility>

#include "platform/Drives.h"
#include "platform/PathText.h"
#include "platform/posix/MountInfo.h"

namespace platform {
namespace {

std::string readWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return {};
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// True when something other than a folder is known to be at the path. A path that cannot be
// looked at is given the benefit of the doubt.
bool isNotAFolder(const std::string& path) {
  struct stat st {};
  return ::lstat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

bool inSet(const std::string& value, std::initializer_list<const char*> names) {
  return std::any_of(names.begin(), names.end(), [&](const char* n) { return value == n; });
}

}  // namespace

DriveTable::DriveTable() : DriveTable("/proc/self/mountinfo", "/sys/dev/block") {}

DriveTable::DriveTable(std::string mountTable, std::string deviceFolder)
    : mountTable_(std::move(mountTable)), deviceFolder_(std::move(deviceFolder)) {}

std::vector<Mount> DriveTable::mounts() const {
  return parseMountInfo(readWholeFile(mountTable_));
}

bool DriveTable::isRemovable(const Mount& mount) const {
  if (mount.major == 0) return false;
  const std::string device =
      deviceFolder_ + "/" + std::to_string(mount.major) + ":" + std::to_string(mount.minor);
  // A partition has no flag of its own; its disk (the parent folder) has.
  for (const std::string& flag : {device + "/removable", device + "/../removable"}) {
    std::string value = readWholeFile(flag);
    if (!value.empty()) return value[0] == '1';
  }
  return false;
}

int DriveTable::kindOf(const Mount& mount) const {
  const std::string& type = mount.fsType;
  if (inSet(type, {"tmpfs", "ramfs"})) return DriveRam;
  if (inSet(type, {"iso9660", "udf"})) return DriveOptical;
  if (inSet(type, {"nfs", "nfs4", "cifs", "smb3", "smbfs", "sshfs", "fuse.sshfs", "afs", "ceph",
                   "glusterfs", "fuse.glusterfs", "9p", "davfs", "fuse.rclone"})) {
    return DriveRemote;
  }
  if (inSet(type, {"ext2", "ext3", "ext4", "xfs", "btrfs", "f2fs", "vfat", "msdos", "exfat", "ntfs",
                   "ntfs3", "fuseblk", "jfs", "reiserfs", "zfs", "hfsplus", "bcachefs", "nilfs2",
                   "overlay"})) {
    return isRemovable(mount) ? DriveRemovable : DriveFixed;
  }
  return DriveUnknown;
}

const Mount* DriveTable::findMount(const std::vector<Mount>& all, const std::string& root) const {
  const std::string wanted = trimSeparators(root);
  // The last mount on a point is the one that is visible.
  for (auto it = all.rbegin(); it != all.rend(); ++it) {
    if (it->mountPoint == wanted) return &*it;
  }
  return nullptr;
}

std::vector<std::string> DriveTable::driveRoots() const {
  const std::vector<Mount> all = mounts();
  // The shortest mount point of each file system (by device), the first by path among equals.
  std::map<std::pair<unsigned, unsigned>, std::string> pointOf;
  for (const Mount& mount : all) {
    const Mount* visible = findMount(all, mount.mountPoint);
    if (visible != &mount || kindOf(mount) == DriveUnknown || isNotAFolder(mount.mountPoint)) {
      continue;
    }
    auto [it, added] = pointOf.try_emplace({mount.major, mount.minor}, mount.mountPoint);
    const std::string& kept = it->second;
    if (!added && (mount.mountPoint.size() < kept.size() ||
                   (mount.mountPoint.size() == kept.size() && mount.mountPoint < kept))) {
      it->second = mount.mountPoint;
    }
  }
  std::set<std::string> roots;
  for (const auto& [device, point] : pointOf) roots.insert(withTrailingSeparator(point));
  return {roots.begin(), roots.end()};
}

bool DriveTable::isMountPoint(const std::string& root) const {
  if (root.empty() || root[0] != '/') return false;
  const std::vector<Mount> all = mounts();
  return findMount(all, root) != nullptr;
}

std::vector<std::string> DriveTable::mountPoints() const {
  std::set<std::string> points;
  for (const Mount& mount : mounts()) points.insert(mount.mountPoint);
  return {points.begin(), points.end()};
}

int DriveTable::driveKind(const std::string& root) const {
  const std::vector<Mount> all = mounts();
  const Mount* mount = findMount(all, root);
  return mount ? kindOf(*mount) : DriveUnknown;
}

std::string DriveTable::fileSystem(const std::string& root) const {
  const std::vector<Mount> all = mounts();
  const Mount* mount = findMount(all, root);
  return mount ? mount->fsType : std::string();
}

std::string DriveTable::source(const std::string& root) const {
  const std::vector<Mount> all = mounts();
  const Mount* mount = findMount(all, root);
  return mount ? mount->source : std::string();
}

std::string DriveTable::rootOf(const std::string& path) const {
  if (path.empty() || path[0] != '/') return {};
  const std::vector<Mount> all = mounts();
  std::string best;
  for (const Mount& mount : all) {
    const std::string& point = mount.mountPoint;
    bool contains = point == "/" || path == point ||
                    (path.size() > point.size() && path.compare(0, point.size(), point) == 0 &&
                     path[point.size()] == '/');
    if (contains && point.size() > best.size()) best = point;
  }
  if (best.empty()) best = "/";
  return withTrailingSeparator(best);
}

namespace {
DriveTable& tableInUse() {
  static DriveTable table;
  return table;
}
}  // namespace

DriveTable& drives() {
  return tableInUse();
}

DriveTable setDriveTable(DriveTable table) {
  return std::exchange(tableInUse(), std::move(table));
}

}  // namespace platform
