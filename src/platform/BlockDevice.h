#pragma once
// The block device under a file system, read the way an examiner reads it: which device the
// kernel mounted the file system from, what lies beneath that device (partitions, device-mapper
// and loop layers, down to the disks with their model and serial), and its bytes read straight
// from the device, past every cache of the system. A check of a wipe reads there what the device
// holds now at the places where the wiped files and their names lay.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "platform/FileLayout.h"
#include "platform/FileSystem.h"
#include "platform/Result.h"
#include "platform/ScopedOverride.h"

namespace platform {

// Why a file system's device cannot be read back.
enum class DeviceError {
  NeedsAdministrator = 1,  // only the administrator may read the device
  NoBlockDevice,           // the file system lies on no block device (network, FUSE, memory)
  SeveralDevices,          // the file system spans several devices
  NotMapped,               // where the file system keeps things cannot be told for its kind
  NodeMissing,             // the device has no node under /dev to open
  Changed,                 // the node or folder found is no longer what was asked about
};
const std::error_category& deviceErrorCategory();
inline std::error_code make_error_code(DeviceError error) {
  return {static_cast<int>(error), deviceErrorCategory()};
}

}  // namespace platform

template <>
struct std::is_error_code_enum<platform::DeviceError> : std::true_type {};

namespace platform {

// A stretch of bytes on a device, from `offset`.
struct DeviceRange {
  std::uint64_t offset = 0;
  std::uint64_t length = 0;
  bool operator==(const DeviceRange&) const = default;
};

// One device on the way from a file system down to the disks.
struct DeviceLayer {
  std::string name;    // the kernel's name ("sda2", "dm-0", "loop3")
  std::string kind;    // "disk", "partition", "crypt", "device-mapper", "loop"
  std::string detail;  // the image file of a loop, the name of a device-mapper target, or empty
  bool operator==(const DeviceLayer&) const = default;
};

// What the system tells of the device a file system lies on, readable by every user.
struct DeviceFacts {
  std::string fileSystem;  // in the system's words ("ext4"); empty when unknown
  std::string device;      // the device the file system was mounted from; empty when none
  // That device first, then every device beneath it, each once.
  std::vector<DeviceLayer> layers;
  // Of the disks at the bottom, joined with ", " where there are several; empty when untold.
  std::string model;
  std::string serial;
  // Whether the disks at the bottom turn (false as soon as one of them reports itself
  // non-rotational: flash); none when no disk says.
  std::optional<bool> rotational;
  bool encrypted = false;   // a dm-crypt layer lies between the file system and the disks
  unsigned devices = 0;     // the devices the file system spans (btrfs may span several)
  std::string noDeviceWhy;  // when `device` is empty: why ("a network file system", ...)
  bool operator==(const DeviceFacts&) const = default;
};

// A file system's device, open for reading only, with what the check needs to know of the file
// system's own places.
class DeviceVolume {
 public:
  virtual ~DeviceVolume() = default;
  // The file system's block size: the unit a file's content is compared in.
  virtual std::uint32_t blockSize() const = 0;
  // Where on the device the bytes of a file's extent lie: one range, or one per copy where the
  // file system keeps several (btrfs DUP). An extent that crosses the file system's own units of
  // placement gives its pieces in order, each copy of a piece after the other.
  virtual Result<std::vector<DeviceRange>> place(const Extent& extent) = 0;
  // Where the folder (reached by `path`, which must still be the folder `id`) keeps its entries
  // on the device: its blocks, or the inode a small folder keeps them in. Empty where the file
  // system keeps names in its metadata (`logArea`).
  virtual Result<std::vector<DeviceRange>> folderPlaces(const std::string& path,
                                                        const EntryId& id) = 0;
  // Where the file system writes its changes before they reach their place (the ext4 journal,
  // the XFS log), or on btrfs its metadata, where names live; with what to call it ("journal",
  // "log", "metadata"). Empty where the file system keeps none.
  virtual Result<std::vector<DeviceRange>> logArea() = 0;
  virtual std::string logAreaName() const = 0;
  // Forces what the file system still holds in memory to the device before it is read back.
  virtual Status settle() = 0;
  // Bytes of the device from `offset`, at most `length` of them (fewer only at its end), read
  // past the system's caches. Valid until the next call.
  virtual Result<std::string_view> read(std::uint64_t offset, std::size_t length) = 0;
};

class BlockDevices {
 public:
  virtual ~BlockDevices() = default;
  // What lies beneath the file system that holds the folder.
  virtual DeviceFacts describe(const std::string& folder) = 0;
  // Opens the device of the file system that holds the folder for reading, if the folder still
  // lies on the file system `device` (an EntryId's device number; 0 to take it as it is).
  virtual Result<std::unique_ptr<DeviceVolume>> open(const std::string& folder,
                                                     std::uint64_t device) = 0;
};

// The block devices in use: the real ones unless a test has installed others.
BlockDevices& blockDevices();
BlockDevices& realBlockDevices();
// Installs block devices (null puts the real ones back) and returns the ones they replace. The
// caller keeps ownership.
BlockDevices* setBlockDevices(BlockDevices* devices);
using ScopedBlockDevices = ScopedOverride<&setBlockDevices>;

}  // namespace platform
