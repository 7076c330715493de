#include "platform/posix/FileExtents.h"

#include <linux/fiemap.h>
#include <linux/fs.h>
#include <linux/magic.h>
#include <sys/ioctl.h>
#include <sys/statfs.h>

#include <cstring>
#include <vector>

#include "platform/posix/PosixFile.h"

namespace platform::posix {
namespace {

// Extents asked for in one call.
constexpr std::uint32_t kExtentsPerCall = 256;
// A file in more pieces than this is not mapped: its kind of file system decides instead.
constexpr std::size_t kMostExtents = std::size_t(1) << 18;

std::uint32_t flagsOf(std::uint32_t system) {
  std::uint32_t flags = 0;
  if (system & (FIEMAP_EXTENT_UNKNOWN | FIEMAP_EXTENT_DELALLOC)) flags |= ExtentUnknownPlace;
  if (system & FIEMAP_EXTENT_ENCODED) flags |= ExtentEncoded;
  if (system & (FIEMAP_EXTENT_DATA_INLINE | FIEMAP_EXTENT_DATA_TAIL)) flags |= ExtentInline;
  if (system & FIEMAP_EXTENT_NOT_ALIGNED) flags |= ExtentNotAligned;
  if (system & FIEMAP_EXTENT_SHARED) flags |= ExtentShared;
  return flags;
}

// Every extent of the file, or the system's reason why it does not tell them.
Result<std::vector<Extent>> mapExtents(int fd) {
  std::vector<unsigned char> request(sizeof(fiemap) + kExtentsPerCall * sizeof(fiemap_extent));
  std::vector<Extent> extents;
  std::uint64_t from = 0;
  // The first call places what is still waiting in the cache, so that its extents have a place.
  std::uint32_t callFlags = FIEMAP_FLAG_SYNC;
  for (;;) {
    std::memset(request.data(), 0, request.size());
    auto* map = reinterpret_cast<fiemap*>(request.data());
    map->fm_start = from;
    map->fm_length = FIEMAP_MAX_OFFSET - from;
    map->fm_flags = callFlags;
    map->fm_extent_count = kExtentsPerCall;
    if (::ioctl(fd, FS_IOC_FIEMAP, map) != 0) return lastError();
    callFlags = 0;
    if (map->fm_mapped_extents == 0) return extents;
    bool last = false;
    for (std::uint32_t i = 0; i < map->fm_mapped_extents; ++i) {
      const fiemap_extent& found = map->fm_extents[i];
      extents.push_back(
          {found.fe_logical, found.fe_physical, found.fe_length, flagsOf(found.fe_flags)});
      from = found.fe_logical + found.fe_length;
      last = last || (found.fe_flags & FIEMAP_EXTENT_LAST);
    }
    if (last || map->fm_mapped_extents < kExtentsPerCall) return extents;
    if (extents.size() > kMostExtents) return std::make_error_code(std::errc::file_too_large);
  }
}

}  // namespace

std::string fileSystemOfMagic(std::uint64_t magic) {
  switch (magic) {
    case 0x9123683eu:
      return "btrfs";
    case 0xca451a4eu:
      return "bcachefs";
    case 0x2fc12fc1u:
      return "zfs";
    case 0x3434u:
      return "nilfs2";
    case 0xf2f52010u:
      return "f2fs";
    case 0xef53u:
      return "ext4";  // ext2 and ext3 too: one driver, one magic number
    case 0x58465342u:
      return "xfs";
    case 0x4d44u:
      return "vfat";
    case 0x2011bab0u:
      return "exfat";
    case 0x5346544eu:
    case 0x7366746eu:
      return "ntfs";
    case 0x01021994u:
      return "tmpfs";
    case 0x858458f6u:
      return "ramfs";
    case 0x6969u:
      return "nfs";
    case 0xff534d42u:
    case 0xfe534d42u:
      return "cifs";
    case 0x794c7630u:
      return "overlay";
    case 0x65735546u:
      return "fuse";
    default:
      return {};
  }
}

bool isInMemory(std::uint64_t magic) {
  return magic == TMPFS_MAGIC || magic == RAMFS_MAGIC;
}

Result<FileLayout> readFileLayout(int fd) {
  struct statfs kind {};
  if (::fstatfs(fd, &kind) != 0) return lastError();
  return readFileLayout(fd, static_cast<std::uint64_t>(kind.f_type) & 0xFFFFFFFFu);
}

Result<FileLayout> readFileLayout(int fd, std::uint64_t magic) {
  FileLayout layout;
  layout.fileSystem = fileSystemOfMagic(magic);
  // A file system in memory maps no file to a device, and says so to every FIEMAP: the answer
  // is known without asking.
  auto extents =
      isInMemory(magic)
          ? Result<std::vector<Extent>>(std::make_error_code(std::errc::operation_not_supported))
          : mapExtents(fd);
  if (extents) {
    layout.mapped = true;
    layout.extents = std::move(*extents);
  } else {
    layout.mapError = extents.error();
  }
  int attributes = 0;
  if (::ioctl(fd, FS_IOC_GETFLAGS, &attributes) == 0) {
    layout.noCopyOnWrite = (attributes & FS_NOCOW_FL) != 0;
  }
  return layout;
}

}  // namespace platform::posix
