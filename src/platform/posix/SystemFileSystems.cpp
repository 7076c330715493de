#include "platform/posix/SystemFileSystems.h"

#include <linux/magic.h>
#include <sys/vfs.h>

#include "platform/Folder.h"
#include "platform/posix/CurrentMounts.h"
#include "platform/posix/LinkFreeOpen.h"

namespace platform::posix {
namespace {

struct Known {
  unsigned long magic;
  const char* name;
};

// The file systems of the system, by the type number statfs gives. devtmpfs gives the number of
// tmpfs and is told apart by the mount table.
constexpr Known kSystemFileSystems[] = {
    {PROC_SUPER_MAGIC, "proc"},   {SYSFS_MAGIC, "sysfs"},         {DEBUGFS_MAGIC, "debugfs"},
    {TRACEFS_MAGIC, "tracefs"},   {0x62656570UL, "configfs"},     {SECURITYFS_MAGIC, "securityfs"},
    {EFIVARFS_MAGIC, "efivarfs"}, {CGROUP_SUPER_MAGIC, "cgroup"}, {CGROUP2_SUPER_MAGIC, "cgroup2"},
    {BPF_FS_MAGIC, "bpf"},        {PSTOREFS_MAGIC, "pstore"},     {DEVPTS_SUPER_MAGIC, "devpts"},
    {0x19800202UL, "mqueue"},     {HUGETLBFS_MAGIC, "hugetlbfs"}, {BINFMTFS_MAGIC, "binfmt_misc"},
};

// Whether the mount of that number is a devtmpfs, by the mount table.
bool onDeviceFileSystem(std::uint64_t mount) {
  if (mount == 0) return false;
  for (const Mount& entry : *currentMounts()) {
    if (entry.id == mount) return entry.fsType == "devtmpfs";
  }
  return false;
}

}  // namespace

std::string systemFileSystemOf(int fd) {
  return systemFileSystemOf(fd, [fd] { return mountOf(fd); });
}

std::string systemFileSystemOf(int fd, const std::function<std::uint64_t()>& mountNumber) {
  struct statfs st {};
  if (::fstatfs(fd, &st) != 0) return {};
  const auto type = static_cast<unsigned long>(st.f_type) & 0xFFFFFFFFUL;
  for (const Known& known : kSystemFileSystems) {
    if (type == known.magic) return known.name;
  }
  if (type == TMPFS_MAGIC && onDeviceFileSystem(mountNumber())) return "devtmpfs";
  return {};
}

}  // namespace platform::posix

namespace platform {

bool isSystemFileSystem(const std::string& type) {
  if (type == "devtmpfs") return true;
  for (const auto& known : posix::kSystemFileSystems) {
    if (type == known.name) return true;
  }
  return false;
}

}  // namespace platform
