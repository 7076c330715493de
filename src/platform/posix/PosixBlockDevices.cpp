// The block devices of Linux file systems. The device a file system was mounted from is the
// device number of its folders (ext4, XFS and the like) or, on btrfs, the device its own calls
// name; sysfs describes it and what lies beneath it. The device is opened read-only with
// O_DIRECT from its node under /dev, and the node is taken only when it is that very device.
// Where a file system keeps things: FIEMAP places (turned into device offsets through the chunk
// tree on btrfs), the journal's map in the ext4 superblock, the log's place in the XFS geometry,
// and a folder's blocks (FIEMAP, or on XFS its block map and inode).

#include <fcntl.h>
#include <linux/btrfs.h>
#include <linux/btrfs_tree.h>
#include <linux/fs.h>
#include <linux/magic.h>
#include <linux/types.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/statvfs.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>

#include "platform/BlockDevice.h"
#include "platform/posix/BtrfsChunkMap.h"
#include "platform/posix/Descriptor.h"
#include "platform/posix/DeviceLayers.h"
#include "platform/posix/Ext4JournalPlace.h"
#include "platform/posix/FileExtents.h"
#include "platform/posix/PosixFile.h"
#include "platform/posix/XfsGeometry.h"
#include "platform/posix/XfsPlaces.h"

namespace platform {
namespace {

using posix::Descriptor;

// The most one read gives; callers read larger areas in steps.
constexpr std::size_t kMostRead = std::size_t(8) << 20;
constexpr std::size_t kAlignment = 4096;
constexpr std::uint32_t kChunkItemsPerCall = 256;
constexpr int kMostChunkCalls = 4096;

std::error_code deviceError(DeviceError error) {
  return make_error_code(error);
}

// Why a file system of this kind lies on no block device, in the user's words.
std::string noDeviceWhy(std::uint64_t magic) {
  if (posix::isInMemory(magic)) return "the file system is kept in memory";
  const std::string kind = posix::fileSystemOfMagic(magic);
  if (kind == "nfs" || kind == "cifs") return "a network file system";
  if (kind == "fuse") return "a FUSE file system";
  if (kind == "overlay") return "an overlay of other file systems";
  return "the file system lies on no block device";
}

// The device a file system lies on: its number, and how many devices it spans.
struct FileSystemDevice {
  dev_t number = 0;
  unsigned devices = 1;
  std::string node;  // a node the file system itself names (btrfs), or empty
};

Result<FileSystemDevice> deviceOfFileSystem(int fd, const struct stat& st, std::uint64_t magic) {
  FileSystemDevice found;
  if (magic == BTRFS_SUPER_MAGIC) {
    btrfs_ioctl_fs_info_args info{};
    if (::ioctl(fd, BTRFS_IOC_FS_INFO, &info) != 0) return posix::lastError();
    found.devices = static_cast<unsigned>(info.num_devices);
    if (info.num_devices != 1) return found;
    for (std::uint64_t id = 1; id <= info.max_id; ++id) {
      btrfs_ioctl_dev_info_args device{};
      device.devid = id;
      if (::ioctl(fd, BTRFS_IOC_DEV_INFO, &device) != 0) continue;
      found.node.assign(reinterpret_cast<const char*>(device.path),
                        strnlen(reinterpret_cast<const char*>(device.path), sizeof device.path));
      struct stat node {};
      if (::stat(found.node.c_str(), &node) != 0 || !S_ISBLK(node.st_mode)) {
        return deviceError(DeviceError::NodeMissing);
      }
      found.number = node.st_rdev;
      return found;
    }
    return deviceError(DeviceError::NodeMissing);
  }
  if (major(st.st_dev) == 0) return deviceError(DeviceError::NoBlockDevice);
  found.number = st.st_dev;
  return found;
}

// The device's node: the name udev gave it (DEVNAME in sysfs), else its kernel name.
std::string nodeOf(const std::string& name) {
  std::ifstream uevent("/sys/class/block/" + name + "/uevent");
  std::string line;
  while (std::getline(uevent, line)) {
    if (line.rfind("DEVNAME=", 0) == 0 && line.size() > 8) return "/dev/" + line.substr(8);
  }
  return "/dev/" + name;
}

class AlignedBuffer {
 public:
  AlignedBuffer() = default;
  ~AlignedBuffer() { std::free(data_); }
  AlignedBuffer(const AlignedBuffer&) = delete;
  AlignedBuffer& operator=(const AlignedBuffer&) = delete;
  char* reserve(std::size_t size, std::size_t alignment) {
    if (size <= size_) return data_;
    std::free(data_);
    data_ = nullptr;
    size_ = 0;
    void* memory = nullptr;
    if (::posix_memalign(&memory, alignment, size) != 0) return nullptr;
    data_ = static_cast<char*>(memory);
    size_ = size;
    return data_;
  }

 private:
  char* data_ = nullptr;
  std::size_t size_ = 0;
};

class PosixVolume final : public DeviceVolume {
 public:
  PosixVolume(int folder, int device, std::uint64_t magic, std::uint32_t blockSize,
              std::uint64_t deviceSize, std::size_t alignment)
      : folder_(folder),
        device_(device),
        magic_(magic),
        blockSize_(blockSize),
        deviceSize_(deviceSize),
        alignment_(alignment) {}

  Status load() {
    if (magic_ == BTRFS_SUPER_MAGIC) return loadChunks();
    if (magic_ == XFS_SUPER_MAGIC) {
      posix::XfsGeometryV1 geometry{};
      if (::ioctl(folder_.get(), posix::kXfsGeometryV1, &geometry) != 0) return posix::lastError();
      xfs_ = {geometry.blocksize, geometry.inodesize, geometry.agblocks};
      logStart_ = geometry.logstart;
      logBlocks_ = geometry.logblocks;
    }
    return {};
  }

  std::uint32_t blockSize() const override { return blockSize_; }

  Result<std::vector<DeviceRange>> place(const Extent& extent) override {
    if (magic_ == BTRFS_SUPER_MAGIC)
      return posix::mapBtrfsRange(chunks_, extent.physical, extent.length);
    return std::vector<DeviceRange>{{extent.physical, extent.length}};
  }

  Result<std::vector<DeviceRange>> folderPlaces(const std::string& path,
                                                const EntryId& id) override {
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (fd.get() < 0) return posix::lastError();
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) return posix::lastError();
    if (static_cast<std::uint64_t>(st.st_dev) != id.device ||
        static_cast<std::uint64_t>(st.st_ino) != id.inode) {
      return deviceError(DeviceError::Changed);
    }
    // btrfs keeps names in its metadata, searched as its log area.
    if (magic_ == BTRFS_SUPER_MAGIC) return std::vector<DeviceRange>{};
    if (magic_ == XFS_SUPER_MAGIC) {
      auto blocks = posix::xfsFolderBlocks(fd.get());
      if (!blocks) return blocks.error();
      const auto inode = posix::xfsInodePlace(static_cast<std::uint64_t>(st.st_ino), xfs_);
      if (!inode) return deviceError(DeviceError::NotMapped);
      blocks->push_back({*inode, xfs_.inodeSize});
      return blocks;
    }
    auto layout = posix::readFileLayout(fd.get(), magic_);
    if (!layout) return layout.error();
    if (!layout->mapped) return layout->mapError;
    std::vector<DeviceRange> ranges;
    for (const Extent& extent : layout->extents) {
      if (extent.flags & (ExtentUnknownPlace | ExtentEncoded | ExtentInline | ExtentNotAligned))
        return deviceError(DeviceError::NotMapped);
      ranges.push_back({extent.physical, extent.length});
    }
    return ranges;
  }

  Result<std::vector<DeviceRange>> logArea() override {
    if (magic_ == EXT4_SUPER_MAGIC) {
      return posix::ext4JournalPlaces(
          [this](std::uint64_t offset, std::size_t length) -> Result<std::string> {
            auto bytes = read(offset, length);
            if (!bytes) return bytes.error();
            return std::string(*bytes);
          });
    }
    if (magic_ == XFS_SUPER_MAGIC) {
      if (logStart_ == 0) return std::make_error_code(std::errc::no_such_device);
      // The log's first block is numbered as XFS numbers blocks: its allocation group in the
      // high bits, the block within the group in the low ones.
      unsigned groupLog = 0;
      while ((std::uint64_t(1) << groupLog) < xfs_.agBlocks) ++groupLog;
      const std::uint64_t group = logStart_ >> groupLog;
      const std::uint64_t block = logStart_ & ((std::uint64_t(1) << groupLog) - 1);
      return std::vector<DeviceRange>{{(group * xfs_.agBlocks + block) * xfs_.blockSize,
                                       std::uint64_t(logBlocks_) * xfs_.blockSize}};
    }
    if (magic_ == BTRFS_SUPER_MAGIC) {
      std::vector<DeviceRange> ranges;
      for (const posix::BtrfsChunk& chunk : chunks_) {
        if (!(chunk.type & (BTRFS_BLOCK_GROUP_METADATA | BTRFS_BLOCK_GROUP_SYSTEM))) continue;
        for (const std::uint64_t copy : chunk.copies) ranges.push_back({copy, chunk.length});
      }
      std::sort(ranges.begin(), ranges.end(),
                [](const DeviceRange& a, const DeviceRange& b) { return a.offset < b.offset; });
      return ranges;
    }
    return std::vector<DeviceRange>{};
  }

  std::string logAreaName() const override {
    if (magic_ == EXT4_SUPER_MAGIC) return "journal";
    if (magic_ == XFS_SUPER_MAGIC) return "log";
    if (magic_ == BTRFS_SUPER_MAGIC) return "metadata";
    return {};
  }

  Status settle() override {
    if (::syncfs(folder_.get()) != 0) return posix::lastError();
    return {};
  }

  Result<std::string_view> read(std::uint64_t offset, std::size_t length) override {
    if (offset >= deviceSize_) return std::string_view();
    length = static_cast<std::size_t>(
        std::min<std::uint64_t>({length, kMostRead, deviceSize_ - offset}));
    const std::uint64_t start = offset / alignment_ * alignment_;
    const std::uint64_t end =
        std::min<std::uint64_t>((offset + length + alignment_ - 1) / alignment_ * alignment_,
                                (deviceSize_ + alignment_ - 1) / alignment_ * alignment_);
    const std::size_t span = static_cast<std::size_t>(end - start);
    char* buffer = buffer_.reserve(span, alignment_);
    if (!buffer) return std::make_error_code(std::errc::not_enough_memory);
    std::size_t got = 0;
    while (got < span) {
      const ssize_t n =
          ::pread(device_.get(), buffer + got, span - got, static_cast<off_t>(start + got));
      if (n < 0) {
        if (errno == EINTR) continue;
        return posix::lastError();
      }
      if (n == 0) break;
      got += static_cast<std::size_t>(n);
    }
    const std::size_t skip = static_cast<std::size_t>(offset - start);
    if (got <= skip) return std::string_view();
    return std::string_view(buffer + skip, std::min(length, got - skip));
  }

 private:
  Status loadChunks() {
    btrfs_ioctl_search_args search{};
    std::uint64_t from = 0;
    for (int call = 0; call < kMostChunkCalls; ++call) {
      search.key = {};
      search.key.tree_id = BTRFS_CHUNK_TREE_OBJECTID;
      search.key.min_objectid = BTRFS_FIRST_CHUNK_TREE_OBJECTID;
      search.key.max_objectid = BTRFS_FIRST_CHUNK_TREE_OBJECTID;
      search.key.min_type = BTRFS_CHUNK_ITEM_KEY;
      search.key.max_type = BTRFS_CHUNK_ITEM_KEY;
      search.key.min_offset = from;
      search.key.max_offset = ~0ull;
      search.key.max_transid = ~0ull;
      search.key.nr_items = kChunkItemsPerCall;
      if (::ioctl(folder_.get(), BTRFS_IOC_TREE_SEARCH, &search) != 0) {
        return errno == EPERM ? deviceError(DeviceError::NeedsAdministrator) : posix::lastError();
      }
      if (search.key.nr_items == 0) break;
      std::size_t at = 0;
      std::uint64_t last = from;
      for (std::uint32_t i = 0; i < search.key.nr_items; ++i) {
        btrfs_ioctl_search_header header{};
        if (at + sizeof header > sizeof search.buf) break;
        std::memcpy(&header, search.buf + at, sizeof header);
        at += sizeof header;
        if (at + header.len > sizeof search.buf) break;
        if (header.type == BTRFS_CHUNK_ITEM_KEY) {
          if (auto chunk = posix::parseBtrfsChunk(header.offset,
                                                  std::string_view(search.buf + at, header.len))) {
            chunks_.push_back(std::move(*chunk));
          }
        }
        at += header.len;
        last = header.offset;
      }
      if (last == ~0ull) break;
      from = last + 1;
    }
    std::sort(chunks_.begin(), chunks_.end(),
              [](const posix::BtrfsChunk& a, const posix::BtrfsChunk& b) {
                return a.logical < b.logical;
              });
    chunks_.erase(std::unique(chunks_.begin(), chunks_.end()), chunks_.end());
    if (chunks_.empty()) return deviceError(DeviceError::NotMapped);
    return {};
  }

  Descriptor folder_;
  Descriptor device_;
  std::uint64_t magic_;
  std::uint32_t blockSize_;
  std::uint64_t deviceSize_;
  std::size_t alignment_;
  AlignedBuffer buffer_;
  std::vector<posix::BtrfsChunk> chunks_;
  posix::XfsShape xfs_;
  std::uint64_t logStart_ = 0;
  std::uint32_t logBlocks_ = 0;
};

class PosixBlockDevices final : public BlockDevices {
 public:
  DeviceFacts describe(const std::string& folder) override {
    DeviceFacts facts;
    Descriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    struct stat st {};
    struct statfs type {};
    if (fd.get() < 0 || ::fstat(fd.get(), &st) != 0 || ::fstatfs(fd.get(), &type) != 0) {
      facts.noDeviceWhy = "the folder could not be examined";
      return facts;
    }
    const std::uint64_t magic = static_cast<std::uint64_t>(type.f_type) & 0xFFFFFFFFu;
    facts.fileSystem = posix::fileSystemOfMagic(magic);
    auto device = deviceOfFileSystem(fd.get(), st, magic);
    if (!device) {
      facts.noDeviceWhy = device.error() == DeviceError::NoBlockDevice ? noDeviceWhy(magic)
                                                                       : device.error().message();
      return facts;
    }
    facts.devices = device->devices;
    if (device->devices != 1) {
      facts.noDeviceWhy = "the file system spans " + std::to_string(device->devices) + " devices";
      return facts;
    }
    facts.device = posix::blockDeviceName(major(device->number), minor(device->number));
    if (facts.device.empty()) {
      facts.noDeviceWhy = "sysfs does not describe the device";
      return facts;
    }
    posix::describeLayers(facts.device, facts);
    return facts;
  }

  Result<std::unique_ptr<DeviceVolume>> open(const std::string& folder,
                                             std::uint64_t expected) override {
    const int folderFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd < 0) return posix::lastError();
    Descriptor folderHolder(folderFd);
    struct stat st {};
    struct statfs type {};
    if (::fstat(folderFd, &st) != 0 || ::fstatfs(folderFd, &type) != 0) return posix::lastError();
    if (expected != 0 && static_cast<std::uint64_t>(st.st_dev) != expected) {
      return deviceError(DeviceError::Changed);
    }
    const std::uint64_t magic = static_cast<std::uint64_t>(type.f_type) & 0xFFFFFFFFu;
    auto device = deviceOfFileSystem(folderFd, st, magic);
    if (!device) return device.error();
    if (device->devices != 1) return deviceError(DeviceError::SeveralDevices);
    const std::string name = posix::blockDeviceName(major(device->number), minor(device->number));
    std::string node = name.empty() ? device->node : nodeOf(name);
    if (node.empty()) return deviceError(DeviceError::NodeMissing);
    int deviceFd = ::open(node.c_str(), O_RDONLY | O_DIRECT | O_NOFOLLOW | O_CLOEXEC);
    if (deviceFd < 0 && errno == ENOENT && !device->node.empty() && node != device->node) {
      node = device->node;
      deviceFd = ::open(node.c_str(), O_RDONLY | O_DIRECT | O_NOFOLLOW | O_CLOEXEC);
    }
    if (deviceFd < 0) {
      if (errno == EACCES || errno == EPERM) return deviceError(DeviceError::NeedsAdministrator);
      if (errno == ENOENT || errno == ELOOP) return deviceError(DeviceError::NodeMissing);
      return posix::lastError();
    }
    Descriptor deviceHolder(deviceFd);
    // The node must be the very device the file system lies on.
    struct stat node_st {};
    if (::fstat(deviceFd, &node_st) != 0) return posix::lastError();
    if (!S_ISBLK(node_st.st_mode) || node_st.st_rdev != device->number) {
      return deviceError(DeviceError::Changed);
    }
    std::uint64_t size = 0;
    if (::ioctl(deviceFd, BLKGETSIZE64, &size) != 0) return posix::lastError();
    int sectorSize = 512;
    if (::ioctl(deviceFd, BLKSSZGET, &sectorSize) != 0 || sectorSize <= 0) sectorSize = 512;
    struct statvfs space {};
    if (::fstatvfs(folderFd, &space) != 0) return posix::lastError();
    const std::size_t alignment = std::max<std::size_t>(kAlignment, std::size_t(sectorSize));
    auto volume =
        std::make_unique<PosixVolume>(dup(folderFd), dup(deviceFd), magic,
                                      static_cast<std::uint32_t>(space.f_bsize), size, alignment);
    if (const Status loaded = volume->load(); !loaded) return loaded.error();
    return std::unique_ptr<DeviceVolume>(std::move(volume));
  }

 private:
  static int dup(int fd) { return ::fcntl(fd, F_DUPFD_CLOEXEC, 0); }
};

}  // namespace

BlockDevices& realBlockDevices() {
  static PosixBlockDevices devices;
  return devices;
}

}  // namespace platform
